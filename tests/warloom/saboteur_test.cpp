// The saboteur through its binder's declared name and a ticking engine.
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

class SaboteurTest : public PluginTest {
protected:
    pSMARTOBJECT bind(int32_t group, int32_t area)
    {
        EXPECT_EQ(call("ACF_SABOTEUR", Args(world).group("Object", group).integer("AREAID", area)), 1);
        return machineOf(group, "FSM_SABOTEUR");
    }
    int32_t area(int32_t cellX, int32_t cellY, int32_t nation = 1)
    {
        return world.addArea({cellX, cellY, nation, 0, 0, 256, 10});
    }
    int32_t areaVar(const pSMARTOBJECT& so) const { return so.getPARAMS().getINT("AREAID"); }
};

TEST_F(SaboteurTest, RadiiGrowWithTheGroup)
{
    struct Case {
        int32_t units, nearR, farR, reachR, fightR;
    };
    world.unitsMove = false;
    const int32_t target = area(60, 60);
    for (const Case& c : std::vector<Case>{{49, 400, 1000, 600, 1000}, {50, 450, 1100, 700, 1000},
                                           {99, 450, 1100, 700, 1000}, {100, 500, 1200, 800, 1100}}) {
        const std::string name = "S" + std::to_string(c.units);
        const int32_t group = squad(name, 0, c.units, 0, 10000 * c.units);
        world.addUnit({2, 1, 5 * (c.units - 1), 10000 * c.units + 100});  // an enemy beside the group's centre
        pSMARTOBJECT so = bind(group, target);
        world.journal.clear();
        world.Tick();  // plans: an enemy near, attack possible
        EXPECT_EQ(stateOf(so), "ST_ATTACK") << name;
        world.Tick();  // the first attack order, and the enemies within the fight radius
        const std::string around = name + ".getEnemyAround_UN(";
        EXPECT_EQ(world.journal.matching(around),
                  (std::vector<std::string>{around + std::to_string(c.farR) + ")", around + std::to_string(c.nearR) + ")",
                                            around + std::to_string(c.fightR) + ")"}))
            << name;
        const auto reach = world.journal.matching(name + ".getAttackPossibility(");
        ASSERT_FALSE(reach.empty()) << name;
        EXPECT_NE(reach[0].find(", " + std::to_string(c.reachR) + ")"), std::string::npos) << reach[0];
    }
}

TEST_F(SaboteurTest, TravelsInLegsAndForgetsAnEmptyArea)
{
    const int32_t group = squad("Saboteurs", 0, 3);
    pSMARTOBJECT so = bind(group, area(60, 10));
    EXPECT_EQ(stateOf(so), "ST_GLOBAL");
    for (int i = 0; i < 200 && !(stateOf(so) == "ST_GLOBAL" && areaVar(so) == -1); ++i)
        world.Tick();
    EXPECT_EQ(stateOf(so), "ST_GLOBAL");
    EXPECT_EQ(areaVar(so), -1);
    EXPECT_GE(world.journal.count("Saboteurs.SendSmartly(60, 10, 5, node"), 4u) << "legs of at most 800";
    const sim::Unit& first = *world.unit(members(group)[0]);
    EXPECT_LE(GameInterface::NORMA(first.x, 60 * 64 + 32, first.y, 10 * 64 + 32), 600);
}

TEST_F(SaboteurTest, ClearsEveryEnemyNearTheAreaThenForgetsIt)
{
    const int32_t group = squad("Saboteurs", 0, 4, 400, 400);
    std::vector<int32_t> defenders;
    for (int32_t i = 0; i < 2; ++i) {
        defenders.push_back(world.addUnit({2, 1, 672 + 30 * i, 672}));
        world.unit(defenders.back())->hp = 30;
    }
    pSMARTOBJECT so = bind(group, area(10, 10));
    EXPECT_EQ(tickUntil(so, "ST_TERMINATE", 5), (std::vector<std::string>{"ST_GLOBAL", "ST_TERMINATE"}))
        << "planned and sent to clear within one update";
    EXPECT_TRUE(world.journal.contains("AddEnemyUnitsInZone(0, 672, 672, 1500, false)"));
    for (int i = 0; i < 100 && stateOf(so) != "ST_GLOBAL"; ++i)
        world.Tick();
    for (int32_t defender : defenders)
        EXPECT_FALSE(world.unit(defender)->alive);
    EXPECT_EQ(stateOf(so), "ST_GLOBAL");
    EXPECT_EQ(areaVar(so), -1);
}

TEST_F(SaboteurTest, ASecondBindRetargetsAtOnceAndKeepsTheHuntSetting)
{
    const int32_t group = squad("Saboteurs", 0, 3);
    const int32_t first = area(60, 10);
    const int32_t second = area(5, 40);
    pSMARTOBJECT so = bind(group, first);
    world.Tick();
    world.Tick();
    ASSERT_EQ(stateOf(so), "ST_MOVE");
    EXPECT_EQ(call("ACF_SABOTEUR", Args(world).group("Object", group).integer("AREAID", second).flag("FREE_HUNT", true)),
              1);
    pParamList v = so.getPARAMS();
    EXPECT_EQ(v.getINT("AREAID"), second);
    EXPECT_EQ((std::vector<int32_t>{v.getINT("l_x"), v.getINT("l_y")}), (std::vector<int32_t>{5, 40}))
        << "planned anew at once";
    EXPECT_FALSE(v.getBOOL("FREE_HUNT"));
    EXPECT_EQ(call("ACF_SABOTEUR", Args(world).group("Object", group)), 1);
    EXPECT_EQ(v.getINT("AREAID"), -1) << "a bind without an area only clears the target";
}

TEST_F(SaboteurTest, AFreeHunterPicksTheWeakestEnemyAreaEveryTwentyOneCalls)
{
    world.unitsMove = false;
    const int32_t weak = area(30, 30, 2);
    area(20, 20, 1);
    world.addArea({40, 40, 0, 0, 0, 256, 0});  // its own nation's area is never a target
    const int32_t group = squad("Hunters", 0, 2);
    call("ACF_SABOTEUR", Args(world).group("Object", group).flag("FREE_HUNT", true));
    pSMARTOBJECT so = machineOf(group, "FSM_SABOTEUR");
    int ticks = 0;
    while (areaVar(so) == -1 && ticks < 40) {
        world.Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 20) << "the binding's own call counts";
    EXPECT_EQ(areaVar(so), weak);
}

}  // namespace
