// Attack zone through its binders' declared names and a ticking engine.
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

using Points = std::vector<std::pair<int32_t, int32_t>>;

class AttackZoneTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        world.unitsMove = false;
    }
    // A group with one unit at each point, all idle.
    int32_t unitsAt(const Points& points, const std::string& name = "Wave")
    {
        std::vector<int32_t> units;
        for (const auto& [x, y] : points)
            units.push_back(world.addUnit({1, 0, x, y}));
        return world.addGroup(name, units);
    }
    void halt(const pARRAY& route, int32_t index) { world.node(route.getNODE(index).id())->sfr = 100; }
    void keepBusy(int32_t group)
    {
        for (int32_t gid : members(group))
            world.giveOrder(gid, {sim::kOrderAttack, 0, 0, -1});
    }
    std::string send(const pARRAY& route, int32_t node, int32_t unit, int32_t mode)
    {
        return "Wave.SendID(node " + std::to_string(route.getNODE(node).id()) + ", 13, " + std::to_string(unit) +
               ", 512, " + std::to_string(mode) + ", false, false)";
    }
    std::vector<std::string> sends() const { return world.journal.matching(".SendID("); }
};

TEST_F(AttackZoneTest, DefaultsAndTheKindOfWay)
{
    const int32_t toNode = unitsAt({{0, 0}}, "ToNode");
    Args script = Args(world).group("Object", toNode).node("destNode", world.addNode(900, 0, 50));
    EXPECT_EQ(call("ACF_AttackZone00", script), 1);
    pParamList v = machineOf(toNode, "FSM_AttackZone00").getPARAMS();
    EXPECT_EQ(stateOf(machineOf(toNode, "FSM_AttackZone00")), "ST_ATTACK");
    EXPECT_EQ((std::vector<int32_t>{v.getINT("wait"), v.getINT("tick"), v.getINT("wayType")}),
              (std::vector<int32_t>{10, 10, 0}));
    EXPECT_TRUE(world.journal.contains("ToNode.setDestDelta(128)"));
    EXPECT_FALSE(world.journal.contains("setAIGuard")) << "the guard flag is not touched";

    pARRAY route = nodes({{0, 0}, {300, 400}, {300, 1400}});
    const int32_t onRoute = unitsAt({{0, 0}}, "OnRoute");
    Args routeScript = Args(world).group("Object", onRoute).array("arryNode", route).integer("iDestDelta", 64);
    routeScript.flag("bCiclik", true);
    EXPECT_EQ(call("ACF_AttackZone01", routeScript), 1);
    pParamList r = machineOf(onRoute, "FSM_AttackZone00").getPARAMS();
    EXPECT_EQ((std::vector<int32_t>{r.getINT("wayType"), r.getINT("maxD")}), (std::vector<int32_t>{1, 1431}))
        << "the closing leg of the loop is the longest";
    EXPECT_TRUE(world.journal.contains("OnRoute.setDestDelta(64)"));

    const int32_t bare = unitsAt({{0, 0}}, "Bare");
    EXPECT_EQ(call("ACF_AttackZone00", Args(world).group("Object", bare)), 1);
    EXPECT_EQ(machineOf(bare, "FSM_AttackZone00").getPARAMS().getINT("wayType"), 2);
    EXPECT_EQ(call("ACF_AttackZone00", Args(world).group("Object", world.addGroup("Nobody"))), 0);
}

TEST_F(AttackZoneTest, FullReorderingEveryWaitUpdatesAndEarlierForIdleUnits)
{
    const int32_t wave = unitsAt({{0, 0}, {50, 0}});
    keepBusy(wave);
    call("ACF_AttackZone00", Args(world).group("Object", wave).integer("wait", 3));
    std::vector<std::string> orders;
    for (int i = 0; i < 6; ++i) {
        world.journal.clear();
        world.Tick();
        const auto given = world.journal.matching("AttackUseIDS");
        orders.push_back(given.empty() ? "-" : given[0]);
    }
    const std::string full = "Wave.AttackUseIDS(15, false, 0)";
    EXPECT_EQ(orders, (std::vector<std::string>{"-", "-", full, "-", "-", full}));

    world.unit(members(wave)[1])->orders.clear();
    world.journal.clear();
    world.Tick();
    EXPECT_EQ(world.journal.matching("AttackUseIDS"), std::vector<std::string>{"Wave.AttackUseIDS(0, false, 0)"});
    EXPECT_EQ(machineOf(wave, "FSM_AttackZone00").getPARAMS().getINT("tick"), 3) << "tick starts again from wait";
}

TEST_F(AttackZoneTest, ALiveWaitChangesThePeriodFromTheNextReordering)
{
    pARRAY route = nodes({{0, 0}, {1000, 0}});
    const int32_t wave = unitsAt({{0, 0}});
    keepBusy(wave);
    Args script = Args(world).group("Object", wave).integer("wait", 2).array("arryNode", route);
    call("ACF_AttackZone01", script);
    script->getINT("wait") = 5;
    world.Tick();
    world.Tick();
    EXPECT_EQ(machineOf(wave, "FSM_AttackZone00").getPARAMS().getINT("tick"), 5);
}

TEST_F(AttackZoneTest, ChainsOfWaypointsEndBeforeAHalt)
{
    pARRAY route = nodes({{0, 0}, {1000, 0}, {2000, 0}, {3000, 0}, {4000, 0}, {5000, 0}});
    halt(route, 2);
    halt(route, 4);
    unitsAt({{-100, 0}, {1900, 0}});
    call("ACF_AttackZone01", Args(world).group("Object", world.groupByName("Wave")).array("arryNode", route));
    world.journal.clear();
    world.Tick();
    EXPECT_EQ(sends(), (std::vector<std::string>{send(route, 2, 1, 0), send(route, 3, 1, 2), send(route, 0, 0, 0),
                                                 send(route, 1, 0, 2)}));
    EXPECT_TRUE(world.journal.contains("Wave.AttackUseIDS(0, true, 1000, array"));
}

TEST_F(AttackZoneTest, AtTheLastNodeOnlyALoopGoesOn)
{
    struct Case {
        const char* what;
        bool loop;
        bool lastIsHalt;
        std::pair<int32_t, int32_t> unit;
        std::vector<std::pair<int32_t, int32_t>> sends;  // node, mode
    };
    const std::vector<Case> cases = {
        {"open route, near the end", false, false, {2050, 0}, {}},
        {"loop, near the end", true, false, {2050, 0}, {{0, 0}, {1, 2}, {2, 2}}},
        {"open route, short of the end", false, false, {2600, 0}, {{2, 0}}},
        {"open route, short of an end that is a halt", false, true, {2600, 0}, {}},
    };
    for (const Case& c : cases) {
        sim::World fresh;
        plugin().declare(fresh);
        fresh.unitsMove = false;
        pARRAY route = fresh.newArray();
        for (int32_t x : {0, 1000, 2000})
            fresh.pushNode(route, fresh.addNode(x, 0, 100));
        if (c.lastIsHalt)
            fresh.node(route.getNODE(2).id())->sfr = 100;
        const int32_t wave = fresh.addGroup("Wave", {fresh.addUnit({1, 0, c.unit.first, c.unit.second})});
        Args script = Args(fresh).group("Object", wave).array("arryNode", route).flag("bCiclik", c.loop);
        fresh.call("ACF_AttackZone01", &script.list());
        fresh.journal.clear();
        fresh.Tick();
        std::vector<std::string> expected;
        for (const auto& [node, mode] : c.sends)
            expected.push_back(send(route, node, 0, mode));
        EXPECT_EQ(fresh.journal.matching(".SendID("), expected) << c.what;
    }
}

TEST_F(AttackZoneTest, ArrivedUnitsMarkTimeOnADrawOfZeroOthersAreSentAgain)
{
    const int32_t target = world.addNode(3000, 0, 100);
    const int32_t wave = unitsAt({{0, 0}, {3050, 0}});
    call("ACF_AttackZone00", Args(world).group("Object", wave).node("destNode", target));
    world.random.queue({0});
    world.journal.clear();
    world.Tick();
    EXPECT_EQ(world.journal.matching("MarkTime"), std::vector<std::string>{"Wave.MarkTime(node 0, 20)"});
    EXPECT_EQ(sends(), std::vector<std::string>{"Wave.SendID(node 0, 13, 0, 512, 0, false, false)"});
    EXPECT_EQ(world.journal.count("random(300)"), 1u);
}

TEST_F(AttackZoneTest, ABadRouteReordersEveryUpdateWithoutAttackOrders)
{
    pARRAY route = nodes({{0, 0}, {1000, 0}, {2000, 0}});
    const int32_t wave = unitsAt({{-100, 0}});
    keepBusy(wave);
    call("ACF_AttackZone01", Args(world).group("Object", wave).array("arryNode", route));
    world.node(route.getNODE(1).id())->bad = true;
    world.journal.clear();
    world.Tick();
    world.Tick();
    EXPECT_EQ(world.journal.count("MarkBadNode(array"), 2u);
    EXPECT_EQ(world.journal.count("AttackUseIDS"), 0u);
    EXPECT_EQ(world.journal.count(".SendID("), 6u) << "busy units too are sent when the route is bad";
}

}  // namespace
