// Group queries, called by their declared names through the loaded plug-in.
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

class QueriesTest : public PluginTest {
protected:
    // A group of four units of type 10: one idle, one moving, two attacking, then one of them killed.
    void SetUp() override
    {
        PluginTest::SetUp();
        std::vector<int32_t> units;
        for (int32_t i = 0; i < 4; ++i)
            units.push_back(world.addUnit({10, 1, 100 * i, 0, 50 + i}));
        world.giveOrder(units[1], {sim::kOrderMove, 0, 0, -1});
        world.giveOrder(units[2], {sim::kOrderAttack, 0, 0, -1});
        world.giveOrder(units[3], {sim::kOrderAttack, 0, 0, -1});
        squad = world.addGroup("Squad", units);
        world.killUnit(units[3], 2);
        world.journal.clear();
    }
    int32_t squad = -1;
};

const std::vector<std::pair<const char*, int32_t>> kCounters = {
    {"GET_NoOrders_UN", 1}, {"GET_Move_UN", 1}, {"GET_Attack_UN", 1}, {"GET_GroupHP", 50 + 51 + 52},
    {"GET_GroupDeadUN", 1}};

TEST_F(QueriesTest, CountersAnswerForTheGroup)
{
    pParamList list = groupList("Group", squad);
    for (const auto& [function, expected] : kCounters)
        EXPECT_EQ(call(function, &list), expected) << function;
}

TEST_F(QueriesTest, CountersGiveZeroWithoutAUsableGroup)
{
    pParamList invalidGroup = groupList("Group", 4711);
    pParamList misnamed = groupList("gGroup", squad);
    pParamList gone = world.newList();
    gone.DeleteOBJ_PL();
    for (const auto& [function, expected] : kCounters) {
        EXPECT_EQ(call(function, nullptr), 0) << function;
        EXPECT_EQ(call(function, &gone), 0) << function;
        EXPECT_EQ(call(function, &misnamed), 0) << function;
        EXPECT_EQ(call(function, &invalidGroup), 0) << function;
    }
}

TEST_F(QueriesTest, HeroLevelOnlyForAGroupOfOneHero)
{
    const int32_t hero = world.addUnit({3, 0, 0, 0, 300, true, 5});
    const int32_t otherHero = world.addUnit({3, 0, 0, 0, 300, true, 2});
    const int32_t soldier = world.addUnit({10, 0, 0, 0});
    struct Case {
        const char* what;
        std::vector<int32_t> units;
        int32_t level;
    };
    const std::vector<Case> cases = {
        {"one hero", {hero}, 5}, {"two heroes", {hero, otherHero}, 0}, {"one soldier", {soldier}, 0}, {"empty", {}, 0}};
    for (const Case& c : cases) {
        pParamList list = groupList("gHero", world.addGroup(c.what, c.units));
        EXPECT_EQ(call("GET_HeroLevel", &list), c.level) << c.what;
    }
    pParamList invalid = groupList("gHero", -1);
    EXPECT_EQ(call("GET_HeroLevel", &invalid), 0);
}

TEST_F(QueriesTest, KillsAreAskedOnlyWhenBothParametersArePresent)
{
    world.recordKill(2, 10, 3);
    pParamList list = world.newList();
    list.addINT("Nation") = 2;
    EXPECT_EQ(call("GET_NKilled", &list), 0);
    EXPECT_FALSE(world.journal.contains("GetNKilled"));

    list.addINT("UnitType") = 10;
    EXPECT_EQ(call("GET_NKilled", &list), 1 + 3) << "the kill in SetUp and the three recorded";
    EXPECT_EQ(world.journal.matching("GetNKilled"), std::vector<std::string>{"GetNKilled(2, type 10)"});
}

TEST_F(QueriesTest, EngineFlagsAnswerWithoutAParameterList)
{
    EXPECT_EQ(call("GET_InsideDialogState", nullptr), 0);
    EXPECT_EQ(call("GET_TankMode", nullptr), 0);
    world.setInsideDialogState(true);
    world.setTankMode(true);
    EXPECT_EQ(call("GET_InsideDialogState", nullptr), 1);
    EXPECT_EQ(call("GET_TankMode", nullptr), 1);
}

}  // namespace
