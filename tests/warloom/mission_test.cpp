// Mission commands through their declared names.
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

class JoinTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        hero = world.addGroup("Hero", {world.addUnit({3, 0, 0, 0, 300, true, 3})});
        heroNode = world.addNode(0, 0, 300);
        for (int32_t i = 0; i < 3; ++i) {
            allies.push_back(world.addUnit({i == 2 ? 8 : 5, 2, 20 * i, 50}));
            world.giveOrder(allies.back(), {sim::kOrderMove, 900, 900, -1});
        }
        fallen = world.addUnit({5, 2, 0, 60});
        world.killUnit(fallen);
        distant = world.addUnit({5, 2, 1000, 0});
        stranger = world.addUnit({5, 3, 10, 10});
        joined = world.addGroup("Joined", {world.addUnit({1, 0, 5000, 0})});
        stayed = world.addGroup("Stayed");
    }
    Args join(int32_t chance)
    {
        Args args(world);
        args.group("gHero", hero).node("nHero", heroNode).integer("iAllyNI", 2).integer("iRandPow", chance);
        return args;
    }
    std::vector<int32_t> nations(const std::vector<int32_t>& units) const
    {
        std::vector<int32_t> found;
        for (int32_t gid : units)
            found.push_back(world.unit(gid)->nation);
        return found;
    }
    int32_t hero = -1, heroNode = -1, fallen = -1, distant = -1, stranger = -1, joined = -1, stayed = -1;
    std::vector<int32_t> allies;
};

TEST_F(JoinTest, DrawsAtOrBelowTheChanceJoinTheHero)
{
    world.random.queue({50, 51, 0});
    Args args = join(50);
    args.group("dstGroup", joined).group("regGroup", stayed);
    EXPECT_EQ(call("MISS01_JoinAllyNearHero", args), 0) << "always 0";
    EXPECT_EQ(nations(allies), (std::vector<int32_t>{0, 2, 0}));
    EXPECT_TRUE(world.unit(allies[0])->orders.empty());
    EXPECT_FALSE(world.unit(allies[1])->orders.empty());
    EXPECT_EQ(members(joined).size(), 3u) << "added to its former member";
    EXPECT_EQ(members(stayed), std::vector<int32_t>{allies[1]});
    EXPECT_EQ(world.journal.count("random(0, 100)"), 3u);
    EXPECT_TRUE(world.journal.contains("unit " + std::to_string(allies[0]) + ".SetNation(0)"));
    EXPECT_EQ(nations({fallen, distant, stranger}), (std::vector<int32_t>{2, 2, 3})) << "never touched";
}

TEST_F(JoinTest, ChanceOfHundredTakesAllAndBelowZeroNone)
{
    Args none = join(-1);
    EXPECT_EQ(call("MISS01_JoinAllyNearHero", none), 0);
    EXPECT_EQ(nations(allies), (std::vector<int32_t>{2, 2, 2}));
    Args all = join(100);
    EXPECT_EQ(call("MISS01_JoinAllyNearHero", all), 0);
    EXPECT_EQ(nations(allies), (std::vector<int32_t>{0, 0, 0}));
}

TEST_F(JoinTest, FalseAddFlagsEmptyTheGroupsFirst)
{
    Args args = join(100);
    args.group("dstGroup", joined).flag("addUnits", false).group("regGroup", stayed).flag("addRegUnits", false);
    world.unitSet(stayed)->units.push_back(distant);
    call("MISS01_JoinAllyNearHero", args);
    EXPECT_EQ(members(joined), allies);
    EXPECT_TRUE(members(stayed).empty());
}

TEST_F(JoinTest, TypedJoinLimitsTheTypeAndAnswersOne)
{
    Args args(world);
    args.group("gHero", hero).node("nHero", heroNode).integer("iUnitType", 8).integer("iAllyNI", 2);
    args.integer("iRandPow", 100);
    EXPECT_EQ(call("MISS01_JoinAllyTypeNearHero", args), 1);
    EXPECT_EQ(nations(allies), (std::vector<int32_t>{2, 2, 0}));
}

TEST_F(PluginTest, SetGroupHpAndLivingSpace)
{
    const int32_t group = squad("Wounded", 0, 2);
    EXPECT_EQ(call("MISS01_SetGroupHP", Args(world).group("Group", group).integer("HP", 35)), 1);
    EXPECT_EQ(world.unit(members(group)[1])->hp, 35);
    EXPECT_EQ(call("MISS01_SetGroupHP", Args(world).group("Group", -1).integer("HP", 35)), 1) << "no validity test";

    EXPECT_EQ(call("MISS03_SetLivingSpace", Args(world).integer("iNation", 1).integer("iLivingSpace", 40).flag("bSET", true)), 1);
    EXPECT_EQ(call("MISS03_SetLivingSpace", Args(world).integer("iNation", 1).integer("iLivingSpace", 5).flag("bSET", false)), 1);
    EXPECT_EQ(world.livingSpace[1], 45);
    EXPECT_EQ(call("MISS03_SetLivingSpace", Args(world).integer("iNation", 9).integer("iLivingSpace", 5).flag("bSET", true)), 0);
}

TEST_F(PluginTest, ErazeAllUnitsInZoneErasesTheLivingOfEveryNation)
{
    const int32_t mine = world.addUnit({1, 0, 10, 0});
    const int32_t theirs = world.addUnit({1, 4, 0, 10});
    const int32_t corpse = world.addUnit({1, 4, 5, 5});
    world.killUnit(corpse);
    const int32_t outside = world.addUnit({1, 4, 500, 0});
    const int32_t group = world.addGroup("Doomed", {mine, outside});
    EXPECT_EQ(call("MISS01_ErazeAllUnitsInZone", Args(world).node("Node", world.addNode(0, 0, 100))), 1);
    EXPECT_EQ(world.unit(mine), nullptr);
    EXPECT_EQ(world.unit(theirs), nullptr);
    EXPECT_NE(world.unit(corpse), nullptr);
    EXPECT_EQ(members(group), std::vector<int32_t>{outside});
    EXPECT_EQ(call("MISS01_ErazeAllUnitsInZone", Args(world).node("Node", -1)), 1) << "the node is not tested";
    EXPECT_NE(world.unit(outside), nullptr);
}

TEST_F(PluginTest, WaysSendAGroupOrAFreshFormation)
{
    pARRAY way = nodes({{0, 0}, {1000, 0}, {2000, 0}, {3000, 0}});
    const int32_t walkers = squad("Walkers", 0, 1, -500, 0);
    EXPECT_EQ(call("MISS01_SendGroupByWay", Args(world).group("Group", walkers).array("PosArr", way)), 1);
    EXPECT_EQ(world.journal.count("Walkers.Send("), 4u);
    EXPECT_EQ(call("MISS01_SendGroupByWay", Args(world).group("Group", -1).array("PosArr", way)), 0);

    world.journal.clear();
    Args create(world);
    create.array("PosArr", way).integer("Nation", 257).integer("UnitType", 12).integer("FormationType", 0);
    EXPECT_EQ(call("MISS01_CreateAndSendByWay", create), 1);
    const auto created = world.journal.matching("CreateFormation(");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_NE(created[0].find(", 0, 0, 1, type 12, 0, false, 512)"), std::string::npos) << created[0];
    int32_t made = 0;
    world.units().forEach([&](int32_t, const sim::Unit& unit) { made += unit.type == 12 && unit.nation == 1; });
    EXPECT_EQ(made, 9);
    EXPECT_EQ(world.journal.count(".Send(node"), 4u) << "sent along the way from its first node";

    pARRAY empty = world.newArray();
    pARRAY brokenStart = world.newArray();
    world.pushNode(brokenStart, -1);
    for (const pARRAY& bad : {empty, brokenStart}) {
        world.journal.clear();
        Args refused(world);
        refused.array("PosArr", bad).integer("Nation", 1).integer("UnitType", 12).integer("FormationType", 0);
        EXPECT_EQ(call("MISS01_CreateAndSendByWay", refused), 0);
        EXPECT_FALSE(world.journal.contains("CreateFormation"));
    }
}

}  // namespace
