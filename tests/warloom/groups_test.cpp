// Group commands through their declared names.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

class GroupsTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        post = world.addNode(0, 0, 100);
        guards = squad("Guards", 0, 2, -10, 0);       // inside the post
        raiders = squad("Raiders", 1, 3, 50, 0, 7);   // inside, type 7
        squad("Far", 1, 2, 500, 0);                   // outside
        world.journal.clear();
    }
    std::size_t size(int32_t group) const { return members(group).size(); }
    int32_t post = -1, guards = -1, raiders = -1;
};

TEST_F(GroupsTest, MembershipFromZonesSelectionsAndOtherGroups)
{
    const int32_t catcher = world.addGroup("Catcher", {members(guards)[0]});
    Args inZone = Args(world).group("Group", catcher).integer("Nation", 1).node("Node", post).flag("Add", true);
    EXPECT_EQ(call("GROUP_AddInZone", inZone), 1);
    EXPECT_EQ(size(catcher), 4u) << "kept its guard, added the three raiders";
    Args replace = Args(world).group("Group", catcher).integer("Nation", 1).node("Node", post).flag("Add", false);
    EXPECT_EQ(call("GROUP_AddInZone", replace), 1);
    EXPECT_EQ(size(catcher), 3u);

    const int32_t typed = world.addGroup("Typed");
    world.addUnit({8, 1, 0, 0});
    Args byType = Args(world).group("Group", typed).integer("Nation", 1).integer("UnitType", 7);
    byType.node("Node", post).flag("Add", true);
    EXPECT_EQ(call("GROUP_AddTypeInZone", byType), 1);
    EXPECT_EQ(size(typed), 3u);
    EXPECT_TRUE(world.journal.contains("Typed.AddUnitsTypeInZone(1, 7, node 0, true)"));

    const int32_t moved = world.addGroup("Moved");
    world.unit(members(raiders)[2])->x = 400;
    Args transfer = Args(world).group("srceGR", raiders).group("destGR", moved).node("trnsND", post);
    EXPECT_EQ(call("RemoveUnitsInZoneToGroup", transfer), 2);
    EXPECT_EQ(size(moved), 2u);
    EXPECT_EQ(size(raiders), 1u);

    pUnitsList selected = pSelected::units(1);
    selected += pUnit(members(moved)[0]);
    const int32_t picked = world.addGroup("Picked");
    Args selection = Args(world).group("Group", picked).integer("Nation", 1);
    EXPECT_EQ(call("GROUP_AddSelected", selection), 1);
    EXPECT_EQ(size(picked), 1u);
}

TEST_F(GroupsTest, CountsLockTypeAndEmptying)
{
    const int32_t mixed = world.addGroup("Mixed", {members(guards)[0], members(raiders)[0], members(raiders)[1]});
    Args count = Args(world).group("Group", mixed).integer("Nation", 1);
    EXPECT_EQ(call("GROUP_GetNationAmout", count), 2);

    Args lock = Args(world).group("Group", mixed).integer("LockType", 3);
    EXPECT_EQ(call("GROUP_SetLockType", lock), 1);
    EXPECT_EQ(world.unitSet(mixed)->lockType, 3);

    Args empty = Args(world).group("Group", mixed);
    EXPECT_EQ(call("GROUP_RemoveAllUnits", empty), 1);
    EXPECT_EQ(size(mixed), 0u);
    EXPECT_EQ(world.unit(members(raiders)[0])->alive, true) << "emptying a group harms no unit";
}

TEST_F(GroupsTest, PutRandFormationCreatesUnitsButAnswersZero)
{
    const int32_t gate = world.addNode(1000, 1000, 200);
    world.random.queue({3});
    Args args = Args(world).group("Group", guards).node("Node", gate).integer("Nation", 258).integer("UnitType", 9);
    args.integer("minN", 2).integer("maxN", 4);
    EXPECT_EQ(call("GROUP_PutRandFormation", args), 0);
    EXPECT_EQ(size(guards), 5u);
    const sim::Unit& created = *world.unit(members(guards).back());
    EXPECT_EQ(created.nation, 2) << "the nation goes to the engine as one byte";
    EXPECT_EQ(created.type, 9);
    EXPECT_TRUE(world.journal.contains("random(2, 4)"));
    EXPECT_EQ(world.journal.count("CreateRandomUnits(3, 1000, 1000, 200, 2, type 9, list "), 1u);
    EXPECT_NE(world.journal.matching("CreateRandomUnits").at(0).find(", 0, false, 512)"), std::string::npos);

    Args nowhere = Args(world).group("Group", guards).node("Node", -1).integer("Nation", 0).integer("UnitType", 9);
    nowhere.integer("minN", 2).integer("maxN", 4);
    world.journal.clear();
    EXPECT_EQ(call("GROUP_PutRandFormation", nowhere), 0);
    EXPECT_FALSE(world.journal.contains("CreateRandomUnits"));
    EXPECT_EQ(size(guards), 5u);
}

TEST_F(GroupsTest, ClearSelectionEmptiesBothListsOfAnyNation)
{
    pUnitsList selected = pSelected::units(0);
    pUnitsList second = pImSelected::units(0);
    selected += pUnit(members(guards)[0]);
    second += pUnit(members(guards)[1]);
    EXPECT_EQ(call("NATION_ClearSelection", Args(world).integer("Nation", 0)), 1);
    EXPECT_EQ(selected.Count() + second.Count(), 0);
    Args unknown = Args(world).integer("Nation", 99);
    EXPECT_EQ(call("NATION_ClearSelection", unknown), 1);
}

TEST_F(GroupsTest, FreeFromFsmReleasesOnlyARunningBehaviour)
{
    world.bindKind("FSM_GUARD", [](pSMARTOBJECT&, _str&, pMSG&) -> int32_t { return 1; });
    pSMARTOBJECT guard(world.createSmartObject("FSM_GUARD"));
    guard.setOBJ("Guards");
    world.unitSet(guards)->aiGuard = 1;
    Args args = Args(world).group("Group", guards);
    EXPECT_EQ(call("GROUP_FreeFromFSM", args), 1);
    EXPECT_EQ(world.unitSet(guards)->aiGuard, 0);
    EXPECT_FALSE(guard.getOBJ_GROUP().Valid());

    world.unitSet(guards)->aiGuard = 1;
    EXPECT_EQ(call("GROUP_FreeFromFSM", args), 0);
    EXPECT_EQ(world.unitSet(guards)->aiGuard, 1) << "the guard flag stays when nothing was released";
}

TEST_F(GroupsTest, AttackOrders)
{
    Args onGroup = Args(world).group("gAttack", guards).group("gTarget", raiders);
    EXPECT_EQ(call("GROUP_ATTACK_GROUP", onGroup), 1);
    for (int32_t gid : members(guards))
        EXPECT_EQ(world.unit(gid)->orders.at(0).code, sim::kOrderAttack);

    Args onNode = Args(world).group("gGroup", raiders).node("nNode", post);
    world.journal.clear();
    EXPECT_EQ(call("GROUP_ATTACK_NODE", onNode), 1);
    EXPECT_TRUE(world.journal.contains("Raiders.AttackUseNearest("));
    Args quietNode = Args(world).group("gGroup", raiders).node("nNode", world.addNode(5000, 5000, 10));
    world.journal.clear();
    EXPECT_EQ(call("GROUP_ATTACK_NODE", quietNode), 1) << "1 also when no enemy is there";
    EXPECT_FALSE(world.journal.contains("AttackUseNearest"));

    Args blind = Args(world).group("gAttaker", guards).group("gTarget", -1).integer("iPower", 5);
    EXPECT_EQ(call("GROUP_ATTACK_00", blind), 1) << "the target is handed over untested";
    EXPECT_TRUE(world.journal.contains("Guards.Attack(invalid group, 5)"));

    EXPECT_EQ(call("ADD_STORM", Args(world).group("gGroup", raiders)), 1);
    EXPECT_TRUE(world.journal.contains("AddTomahawksAttackers(Raiders, 1, true, 0, 0, 0)"));
    EXPECT_EQ(world.attackForces.at(0).units, members(raiders));

    EXPECT_EQ(call("GROUP_EXPLORING_MAP", Args(world).group("gGroup", guards)), 1);
    EXPECT_TRUE(world.unitSet(guards)->exploring);
}

TEST_F(GroupsTest, InvalidGroupsGiveZeroAndLeaveTheWorldAlone)
{
    const std::vector<std::pair<const char*, std::function<Args()>>> cases = {
        {"RemoveUnitsInZoneToGroup",
         [&] { return Args(world).group("srceGR", raiders).group("destGR", -1).node("trnsND", post); }},
        {"GROUP_AddSelected", [&] { return Args(world).group("Group", -1).integer("Nation", 0); }},
        {"GROUP_AddInZone",
         [&] { return Args(world).group("Group", guards).integer("Nation", 1).node("Node", -1).flag("Add", true); }},
        {"GROUP_SetLockType", [&] { return Args(world).group("Group", -1).integer("LockType", 1); }},
        {"GROUP_GetNationAmout", [&] { return Args(world).group("Group", -1).integer("Nation", 1); }},
        {"GROUP_RemoveAllUnits", [&] { return Args(world).group("Group", -1); }},
        {"GROUP_FreeFromFSM", [&] { return Args(world).group("Group", -1); }},
        {"GROUP_ATTACK_GROUP", [&] { return Args(world).group("gAttack", guards).group("gTarget", -1); }},
        {"GROUP_ATTACK_NODE", [&] { return Args(world).group("gGroup", guards).node("nNode", -1); }},
        {"ADD_STORM", [&] { return Args(world).group("gGroup", -1); }},
        {"GROUP_ATTACK_00", [&] { return Args(world).group("gAttaker", -1).group("gTarget", raiders).integer("iPower", 1); }},
        {"GROUP_EXPLORING_MAP", [&] { return Args(world).group("gGroup", -1); }},
    };
    for (const auto& [function, build] : cases) {
        Args args = build();
        world.journal.clear();
        EXPECT_EQ(call(function, args), 0) << function;
        EXPECT_EQ(world.journal.entries(), std::vector<std::string>{}) << function;
    }
    EXPECT_EQ(size(guards), 2u);
    EXPECT_EQ(size(raiders), 3u);
}

}  // namespace
