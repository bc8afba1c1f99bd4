// The plug-in's shared helpers, called directly against the simulated engine.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine_sim/world.h"
#include "warloom/core/helpers.h"

namespace {

using Point = std::pair<int32_t, int32_t>;

class HelpersTest : public ::testing::Test {
protected:
    pARRAY route(const std::vector<Point>& points, int32_t radius = 100)
    {
        pARRAY array = world.newArray();
        for (const auto& [x, y] : points)
            world.pushNode(array, world.addNode(x, y, radius));
        return array;
    }
    // A group of one unit of nation 0 standing at a point.
    pGroup groupAt(int32_t x, int32_t y, const std::string& name = "G")
    {
        return pGroup(world.addGroup(name, {world.addUnit({1, 0, x, y})}));
    }
    static std::string send(const std::string& group, const pARRAY& array, int32_t index, int32_t mode)
    {
        return group + ".Send(node " + std::to_string(array.getNODE(index).id()) + ", 512, " + std::to_string(mode) + ")";
    }

    sim::World world;
};

TEST_F(HelpersTest, SendGroupByRouteSendsFromTheNearestNodeAhead)
{
    struct Case {
        const char* what;
        std::vector<Point> nodes;
        Point group;
        std::vector<std::pair<int32_t, int32_t>> sends;  // node index, mode
    };
    const std::vector<Case> cases = {
        {"before the first node: every node", {{0, 0}, {1000, 0}, {2000, 0}, {3000, 0}}, {-500, 0},
         {{0, 0}, {1, 2}, {2, 2}, {3, 2}}},
        {"on the first leg: from the next node", {{0, 0}, {1000, 0}, {2000, 0}, {3000, 0}}, {500, 0},
         {{1, 0}, {2, 2}, {3, 2}}},
        {"past every candidate: the last node", {{0, 0}, {1000, 0}, {2000, 0}, {3000, 0}}, {1500, 0}, {{3, 0}}},
        {"two nodes: only the last", {{0, 0}, {1000, 0}}, {-500, 0}, {{1, 0}}},
        {"three nodes, past node 0: only the last", {{0, 0}, {1000, 0}, {2000, 0}}, {500, 0}, {{2, 0}}},
    };
    int32_t number = 0;
    for (const Case& c : cases) {
        const std::string name = "G" + std::to_string(number++);
        pARRAY array = route(c.nodes);
        pGroup group = groupAt(c.group.first, c.group.second, name);
        world.journal.clear();
        EXPECT_EQ(warloom::SendGroupByRoute(group, array), 1) << c.what;
        std::vector<std::string> expected;
        for (const auto& [index, mode] : c.sends)
            expected.push_back(send(name, array, index, mode));
        EXPECT_EQ(world.journal.matching(".Send("), expected) << c.what;
    }
}

TEST_F(HelpersTest, SendGroupByRouteStopsAtAnInvalidNodeAndRefusesEmptyGroups)
{
    pARRAY array = route({{0, 0}, {1000, 0}, {2000, 0}});
    world.pushNode(array, -1);
    pGroup group = groupAt(-500, 0);
    EXPECT_EQ(warloom::SendGroupByRoute(group, array), 0);
    EXPECT_EQ(world.journal.matching(".Send("),
              (std::vector<std::string>{send("G", array, 0, 0), send("G", array, 1, 2), send("G", array, 2, 2)}));

    world.journal.clear();
    pGroup empty(world.addGroup("Empty"));
    pGroup invalid;
    EXPECT_EQ(warloom::SendGroupByRoute(empty, array), 0);
    EXPECT_EQ(warloom::SendGroupByRoute(invalid, array), 0);
    EXPECT_EQ(world.journal.count(".Send("), 0u);
}

TEST_F(HelpersTest, GetNodeWrappedWrapsAtBothEndsAndRemembersTheLastNode)
{
    pARRAY array = route({{0, 0}, {10, 0}, {20, 0}});
    pARRAY invalid;
    EXPECT_EQ(warloom::GetNodeWrapped(array, -1).id(), array.getNODE(2).id());
    EXPECT_EQ(warloom::GetNodeWrapped(array, 3).id(), array.getNODE(0).id());
    EXPECT_EQ(warloom::GetNodeWrapped(array, 1).id(), array.getNODE(1).id());
    EXPECT_EQ(warloom::GetNodeWrapped(invalid, 0).id(), array.getNODE(1).id());
}

TEST_F(HelpersTest, FindRouteIndexGivesTheNodeAPointIsHeadingFor)
{
    struct Case {
        const char* what;
        std::vector<Point> nodes;
        bool cyclic;
        Point point;
        int32_t expected;
    };
    const std::vector<Case> cases = {
        {"beyond the last node of an open route", {{0, 0}, {1000, 0}}, false, {1500, 0}, 1},
        {"beyond the last node of a loop, towards node 0", {{0, 0}, {1000, 0}, {1000, 1000}}, true, {900, 900}, 0},
        {"short of the nearest node", {{0, 0}, {1000, 0}, {2000, 0}}, false, {800, 0}, 1},
        {"past the nearest node", {{0, 0}, {1000, 0}, {2000, 0}}, false, {1200, 0}, 2},
        {"equal distances keep the higher index", {{0, 0}, {1000, 0}, {1000, 1000}}, false, {500, 0}, 2},
    };
    for (const Case& c : cases) {
        pARRAY array = route(c.nodes);
        EXPECT_EQ(warloom::FindRouteIndex(array, c.point.first, c.point.second, c.cyclic), c.expected) << c.what;
    }
    pARRAY invalid;
    EXPECT_EQ(warloom::FindRouteIndex(invalid, 0, 0, true), -1);
}

TEST_F(HelpersTest, ProjectOnRouteMovesTheWatchPointOntoTheNearerLeg)
{
    struct Case {
        const char* what;
        Point previous;
        Point group;
        Point expected;
    };
    const Point pivot{1000, 0};
    const Point next{1000, 1000};
    const std::vector<Case> cases = {
        {"centre on the pivot", {0, 0}, {1000, 0}, {1000, 0}},
        {"beside the previous leg", {0, 0}, {500, 100}, {500, 0}},
        {"beside the next leg", {0, 0}, {1100, 700}, {1000, 700}},
        {"beyond the next node: clamped", {0, 0}, {1000, 2500}, {1000, 1000}},
        {"a leg of no length projects on the pivot", {1000, 0}, {1000, 500}, {1000, 500}},
    };
    int32_t index = 0;
    for (const Case& c : cases) {
        iNode out(world.addNode(-1, -1, 300));
        iNode previous(world.addNode(c.previous.first, c.previous.second, 0));
        iNode middle(world.addNode(pivot.first, pivot.second, 0));
        iNode last(world.addNode(next.first, next.second, 0));
        pGroup group = groupAt(c.group.first, c.group.second, "P" + std::to_string(index++));
        ASSERT_EQ(warloom::ProjectOnRoute(out, group, previous, middle, last), 1) << c.what;
        EXPECT_EQ(Point(out.getX(), out.getY()), c.expected) << c.what;
        EXPECT_EQ(out.getR(), 300) << c.what;
    }
    iNode unset;
    iNode somewhere(world.addNode(0, 0, 0));
    pGroup group = groupAt(0, 0, "Q");
    EXPECT_EQ(warloom::ProjectOnRoute(unset, group, somewhere, somewhere, somewhere), 0);
}

TEST_F(HelpersTest, SumPairCountsAddsTheCountsOfWholePairs)
{
    const std::vector<std::pair<std::vector<int32_t>, int32_t>> cases = {
        {{5, 3, 7, 2}, 5}, {{5, 3, 7}, 3}, {{4}, 0}, {{}, 0}};
    for (const auto& [values, sum] : cases) {
        pARRAY pairs = world.newArray();
        for (int32_t value : values)
            world.pushInt(pairs, value);
        EXPECT_EQ(warloom::SumPairCounts(pairs), sum);
    }
    pARRAY invalid;
    EXPECT_EQ(warloom::SumPairCounts(invalid), 0);
}

TEST_F(HelpersTest, AnswerIsFreeAnswersOnlyTheQuestionWithAnAnswerSlot)
{
    pParamList slot = world.newList();
    slot.addBOOL("bFREE") = false;
    pParamList noSlot = world.newList();
    noSlot.addINT("other") = 1;

    pMSG otherMessage(world.createMessage("MSG_UPDATE", slot.id(), -1));
    pMSG withoutList(world.createMessage("MSG_IS_FREE", -1, -1));
    pMSG withoutSlot(world.createMessage("MSG_IS_FREE", noSlot.id(), -1));
    pMSG question(world.createMessage("MSG_IS_FREE", slot.id(), -1));

    EXPECT_FALSE(warloom::AnswerIsFree(otherMessage, true));
    EXPECT_FALSE(slot.getBOOL("bFREE"));
    EXPECT_FALSE(warloom::AnswerIsFree(withoutList, true));
    EXPECT_FALSE(warloom::AnswerIsFree(withoutSlot, true));
    EXPECT_FALSE(noSlot.check("bFREE"));
    EXPECT_TRUE(warloom::AnswerIsFree(question, true));
    EXPECT_TRUE(slot.getBOOL("bFREE"));
}

TEST_F(HelpersTest, SOGroupLostReleasesAnEmptyGroupAndClearsTheList)
{
    const int32_t unit = world.addUnit({});
    const int32_t group = world.addGroup("Lost", {unit});
    pSMARTOBJECT so(world.createSmartObject("FSM_GUARD"));
    so.getPARAMS().addINT("R") = 500;
    so.setOBJ("Lost");
    EXPECT_FALSE(warloom::SOGroupLost(so));
    EXPECT_TRUE(so.getPARAMS().check("R"));

    world.killUnit(unit);
    EXPECT_TRUE(warloom::SOGroupLost(so));
    EXPECT_FALSE(so.getPARAMS().check("R"));
    EXPECT_FALSE(world.runsKind(group, "FSM_GUARD"));
    EXPECT_TRUE(world.journal.contains("FreeSO_pVAR(Lost)"));

    pSMARTOBJECT alone(world.createSmartObject("FSM_GUARD"));
    alone.getPARAMS().addINT("R") = 1;
    EXPECT_TRUE(warloom::SOGroupLost(alone));
    EXPECT_TRUE(alone.getPARAMS().check("R")) << "without a group nothing is changed";
}

TEST_F(HelpersTest, CountUnitsInZonesCountsLivingUnitsOfOtherNations)
{
    world.addUnit({1, 0, 0, 0});                // own nation: excluded by the mask
    world.addUnit({1, 1, 50, 0});               // enemy, idle
    const int32_t fighter = world.addUnit({1, 2, 0, 50});
    world.giveOrder(fighter, {sim::kOrderAttack, 0, 0, -1});  // enemy, fighting
    world.killUnit(world.addUnit({1, 1, 10, 10}));           // dead enemy
    world.addUnit({1, 1, 250, 0});              // enemy beyond the radius
    iNode post(world.addNode(0, 0, 200));

    struct Case {
        int32_t mask, extra, option, expected;
    };
    for (const Case& c : std::vector<Case>{{1, 0, 1, 2}, {1, 100, 1, 3}, {1, 0, 2, 1}, {1 | 4, 0, 1, 1}}) {
        EXPECT_EQ(warloom::CountUnitsInNode(c.mask, post, c.extra, c.option), c.expected)
            << "mask " << c.mask << " extra " << c.extra << " option " << c.option;
        EXPECT_EQ(warloom::CountUnitsInCircle(c.mask, 0, 0, 200, c.extra, c.option), c.expected);
    }
}

TEST_F(HelpersTest, GroupInsideNodesNeedsEveryUnitInSomeNode)
{
    pARRAY posts = route({{0, 0}, {1000, 0}});
    const int32_t wanderer = world.addUnit({1, 0, 1000, 50});
    pGroup group(world.addGroup("Posted", {world.addUnit({1, 0, 10, 0}), wanderer}));
    pGroup empty(world.addGroup("Nobody"));
    pARRAY invalid;
    EXPECT_EQ(warloom::GroupInsideNodes(group, posts), 1);
    EXPECT_EQ(warloom::GroupInsideNodes(empty, posts), 1);
    EXPECT_EQ(warloom::GroupInsideNodes(group, invalid), 0);
    world.unit(wanderer)->x = 500;
    EXPECT_EQ(warloom::GroupInsideNodes(group, posts), 0);
}

class TargetAreaTest : public HelpersTest {
protected:
    void SetUp() override
    {
        areaA = world.addArea({10, 10, 1, 0, 0, 100, 50});
        areaB = world.addArea({12, 10, 1, 0, 0, 100, 20});
        areaC = world.addArea({30, 30, 2, 0, 0, 100, 5});
        saboteurs = groupAt(0, 0, "Saboteurs");
    }
    int32_t areaA = -1, areaB = -1, areaC = -1;
    pGroup saboteurs;
};

TEST_F(TargetAreaTest, TheLastEnemyNationWithAreasGivesItsWeakestArea)
{
    EXPECT_EQ(warloom::FindWeakestEnemyArea(saboteurs, 1), areaC);
    saboteurs.setNMASK(1 | 4);  // nation 2 is a friend now
    EXPECT_EQ(warloom::FindWeakestEnemyArea(saboteurs, 1), areaB);
    world.addUnit({1, 1, 12 * 64 + 32, 10 * 64 + 32, 100});  // a defender makes B the stronger
    EXPECT_EQ(warloom::FindWeakestEnemyArea(saboteurs, 1), areaA);
    saboteurs.setNMASK(255);
    EXPECT_EQ(warloom::FindWeakestEnemyArea(saboteurs, 1), -1);
    pGroup invalid;
    EXPECT_EQ(warloom::FindWeakestEnemyArea(invalid, 1), -1);
}

TEST_F(TargetAreaTest, WeakestAreaInTotalTakesTheWeakestEntryBelowTheThreshold)
{
    const int32_t areaD = world.addArea({40, 40, 1, 0, 1, 100, 30});  // a second cluster of nation 1
    wl_CTotalALPD total;
    ASSERT_TRUE(total.create(0, 1, 1));
    ASSERT_EQ(total.getN(), 2);
    EXPECT_EQ(warloom::FindWeakestAreaInTotal(total, -1), areaD);
    EXPECT_EQ(warloom::FindWeakestAreaInTotal(total, 40), areaD);
    EXPECT_EQ(warloom::FindWeakestAreaInTotal(total, 10), -1);
}

TEST_F(TargetAreaTest, PickTargetAreaFillsOnlyAnUnsetAreaVariable)
{
    pSMARTOBJECT so(world.createSmartObject("FSM_SABOTEUR"));
    so.setOBJ("Saboteurs");
    pParamList params = so.getPARAMS();
    EXPECT_FALSE(warloom::PickTargetArea(so, "AREAID"));
    params.addINT("AREAID") = 5;
    EXPECT_FALSE(warloom::PickTargetArea(so, "AREAID"));
    EXPECT_EQ(params.getINT("AREAID"), 5);
    params.getINT("AREAID") = -1;
    EXPECT_TRUE(warloom::PickTargetArea(so, "AREAID"));
    EXPECT_EQ(params.getINT("AREAID"), areaC);

    params.getINT("AREAID") = -1;
    saboteurs.setNMASK(255);
    EXPECT_FALSE(warloom::PickTargetArea(so, "AREAID"));
    EXPECT_EQ(params.getINT("AREAID"), -1);
}

}  // namespace
