// Patrol through its binder's declared name and a ticking engine.
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

class PatrolTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        route = nodes({{0, 0}, {2000, 0}, {2000, 2000}, {0, 2000}}, 150);
    }
    // A patrol of `count` units standing at a point, with every unit idle and the units frozen.
    pSMARTOBJECT patrolAt(int32_t count, int32_t x, int32_t y, const std::string& name = "Patrol")
    {
        group = squad(name, 0, count, x, y);
        world.unitsMove = false;
        EXPECT_EQ(call("ACF_PatrolZone00", Args(world).group("Object", group).array("arrNode", route).integer("iAddR", 100)),
                  1);
        return machineOf(group, "FSM_PATROL");
    }
    void busy(int32_t units)
    {
        for (int32_t i = 0; i < units; ++i)
            world.giveOrder(members(group)[static_cast<std::size_t>(i)], {sim::kOrderMove, 9999, 9999, -1});
    }
    pARRAY route;
    int32_t group = -1;
};

TEST_F(PatrolTest, StartsWithAWatchPointOfRadius500OnTheRoute)
{
    pSMARTOBJECT patrol = patrolAt(3, 900, 100);
    EXPECT_EQ(stateOf(patrol), "ST_IDLE");
    pParamList v = patrol.getPARAMS();
    iNode watch = v.getNODE("nNode");
    EXPECT_EQ(watch.getR(), 500);
    EXPECT_EQ((std::vector<int32_t>{watch.getX(), watch.getY()}), (std::vector<int32_t>{910, 0}))
        << "moved onto the leg beside the group";
    EXPECT_EQ(v.getINT("iNID"), 1);
    EXPECT_EQ(world.unitSet(group)->aiGuard, 1);
}

TEST_F(PatrolTest, MovesOnWhenEightyPercentStandIdle)
{
    struct Case {
        int32_t units;
        int32_t idleNeeded;
    };
    int32_t number = 0;
    for (const Case& c : std::vector<Case>{{1, 1}, {2, 2}, {3, 2}, {4, 3}, {5, 4}, {10, 8}}) {
        const std::string name = "P" + std::to_string(number++);
        patrolAt(c.units, 900, 300, name);
        busy(c.units - c.idleNeeded + 1);
        world.journal.clear();
        world.Tick();
        EXPECT_EQ(world.journal.count(name + ".SendID("), 0u) << c.units << " units, one too few idle";
        world.unit(members(group)[0])->orders.clear();
        world.journal.clear();
        world.Tick();
        EXPECT_EQ(world.journal.count(name + ".SendID("), static_cast<std::size_t>(c.units)) << c.units << " units";
    }
}

TEST_F(PatrolTest, OrdersNameTheReachedNodeOnceMoreThenTheNext)
{
    pSMARTOBJECT patrol = patrolAt(2, 1900, -50);
    pParamList v = patrol.getPARAMS();
    const std::string nodeOne = "node " + std::to_string(route.getNODE(1).id());
    const std::string nodeTwo = "node " + std::to_string(route.getNODE(2).id());
    ASSERT_EQ(v.getINT("iNID"), 1);
    world.journal.clear();
    world.Tick();
    EXPECT_EQ(v.getINT("iNID"), 2) << "the node is reached: the index moves on";
    EXPECT_EQ(world.journal.matching(".SendID("),
              (std::vector<std::string>{"Patrol.SendID(" + nodeOne + ", 13, 0, 512, 0, false, false)",
                                        "Patrol.SendID(" + nodeOne + ", 13, 1, 512, 0, false, false)"}));
    EXPECT_TRUE(world.journal.contains("Patrol.setDestDelta(150)"));
    for (int32_t gid : members(group))
        world.unit(gid)->orders.clear();  // standing idle at the node reached
    world.journal.clear();
    world.Tick();
    EXPECT_EQ(world.journal.count("SendID(" + nodeTwo), 2u);
    EXPECT_EQ(v.getINT("iNID"), 2);
}

TEST_F(PatrolTest, TheCircuitGoesOnFromNodeZeroAfterTheLast)
{
    pSMARTOBJECT patrol = patrolAt(1, -50, 2100);
    pParamList v = patrol.getPARAMS();
    ASSERT_EQ(v.getINT("iNID"), 3);
    world.Tick();
    EXPECT_EQ(v.getINT("iNID"), 0);
}

TEST_F(PatrolTest, FightsAroundTheWatchPointAndResumesTheCircuit)
{
    pSMARTOBJECT patrol = patrolAt(3, 900, 0);
    const int32_t enemy = world.addUnit({2, 1, 1100, 200});
    world.Tick();
    EXPECT_EQ(stateOf(patrol), "ST_ATTACK");
    const auto fills = world.journal.matching("AddEnemyUnitsInZone");
    ASSERT_FALSE(fills.empty());
    EXPECT_NE(fills[0].find("(0, 910, 0, 700, false)"), std::string::npos) << fills[0] << ": radius + 2 iAddR";
    EXPECT_TRUE(world.journal.contains("Patrol.AttackUseNearest("));

    world.unit(enemy)->x = 1550;  // beyond radius + iAddR, still inside radius + 2 iAddR
    world.Tick();
    EXPECT_EQ(stateOf(patrol), "ST_IDLE");
    EXPECT_TRUE(world.journal.contains("Patrol.setUnderAttack(false)"));
}

TEST_F(PatrolTest, TheFightRefusesMessagesItDoesNotHandle)
{
    pSMARTOBJECT patrol = patrolAt(2, 900, 0);
    EXPECT_EQ(world.send(patrol.id(), "MSG_IS_FREE"), 1) << "idle";
    world.unitSet(group)->underAttack = true;
    world.addUnit({2, 1, 950, 0});
    world.Tick();
    ASSERT_EQ(stateOf(patrol), "ST_ATTACK");
    EXPECT_EQ(world.send(patrol.id(), "MSG_IS_FREE"), 0);
    EXPECT_EQ(world.send(patrol.id(), "MSG_UPDATE"), 1);
}

}  // namespace
