// Guard, ambush and the multi-zone ambush, through the binders' declared names and a ticking engine.
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

using States = std::vector<std::string>;

class GuardTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        std::vector<int32_t> units;
        for (int32_t i = 0; i < 3; ++i)
            units.push_back(world.addUnit({1, 0, 1000 + 40 * i, 1000, 100, false, 0, 64 * i}));
        guards = world.addGroup("Guards", units);
    }
    Args guardArgs(int32_t group)
    {
        Args args(world);
        args.group("Object", group);
        return args;
    }
    pSMARTOBJECT guard() const { return machineOf(guards, "FSM_GUARD"); }
    pParamList vars() const { return guard().getPARAMS(); }
    // An enemy of nation 1 standing at a point; fighting when `attacking` (collect option 2).
    int32_t enemyAt(int32_t x, int32_t y, bool attacking)
    {
        const int32_t enemy = world.addUnit({2, 1, x, y});
        if (attacking)
            world.giveOrder(enemy, {sim::kOrderAttack, 1000, 1000, members(guards)[0]});
        return enemy;
    }
    int32_t guards = -1;
};

TEST_F(GuardTest, StartsIdleWithDefaultsAndEveryUnitsSpot)
{
    EXPECT_EQ(call("ACF_GuardZone00", guardArgs(guards)), 1);
    ASSERT_TRUE(guard().Valid());
    EXPECT_EQ(stateOf(guard()), "ST_IDLE");
    pParamList v = vars();
    iNode post = v.getNODE("GuardNode");
    EXPECT_EQ((std::vector<int32_t>{post.getX(), post.getY(), post.getR()}), (std::vector<int32_t>{1040, 1000, 500}));
    EXPECT_EQ(v.getINT("iAddR"), 500);
    EXPECT_EQ(v.getINT("MarkDelay"), 300);
    EXPECT_FALSE(v.getBOOL("bGuardZone"));
    pARRAY spots = v.getARRAY("arrGrpPos");
    ASSERT_EQ(spots.getSIZE(), 3);
    EXPECT_EQ((std::vector<int32_t>{spots.getNODE(2).getX(), spots.getNODE(2).getR(), spots.getNODE(2).getDIR()}),
              (std::vector<int32_t>{1080, 250, 128}));
    EXPECT_EQ(world.unitSet(guards)->aiGuard, 1);
    EXPECT_TRUE(world.journal.contains("Guards.setAIGuard(1)"));
}

TEST_F(GuardTest, FightsAnEnemyInReachAndWalksBackToEverySpot)
{
    call("ACF_GuardZone01", guardArgs(guards).integer("MarkDelay", -1));
    const int32_t raider = enemyAt(1300, 1000, true);
    EXPECT_EQ(tickUntil(guard(), "ST_BACK"), (States{"ST_IDLE", "ST_ATTACK", "ST_BACK"}));
    EXPECT_FALSE(world.unit(raider)->alive);
    EXPECT_TRUE(world.journal.contains("Guards.AttackUseNearest("));
    EXPECT_TRUE(world.journal.contains("Guards.Send(node 0, 512, 0)"));
    EXPECT_EQ(world.journal.count("Guards.SendID("), 3u);
    EXPECT_EQ(tickUntil(guard(), "ST_IDLE"), (States{"ST_BACK", "ST_IDLE"}));
    for (std::size_t i = 0; i < 3; ++i) {
        const sim::Unit& unit = *world.unit(members(guards)[i]);
        EXPECT_EQ((std::vector<int32_t>{unit.x, unit.y, unit.dir}),
                  (std::vector<int32_t>{1000 + 40 * static_cast<int32_t>(i), 1000, 64 * static_cast<int32_t>(i)}));
    }
    EXPECT_FALSE(world.unitSet(guards)->underAttack);
}

TEST_F(GuardTest, WhatCallsTheGuardOutDependsOnZoneMode)
{
    struct Case {
        const char* what;
        bool zoneMode;
        bool fighting;
        bool underAttack;
        std::string state;
    };
    const std::vector<Case> cases = {
        {"idle enemy in the post", false, false, false, "ST_IDLE"},
        {"fighting enemy in the post", false, true, false, "ST_ATTACK"},
        {"idle enemy, zone mode", true, false, false, "ST_ATTACK"},
        {"idle enemy, guard attacked", false, false, true, "ST_ATTACK"},
    };
    world.unitsMove = false;
    for (const Case& c : cases) {
        const int32_t group = world.addGroup(c.what, {world.addUnit({1, 0, 5000, 5000})});
        call("ACF_GuardZone01", guardArgs(group).flag("bGuardZone", c.zoneMode).integer("MarkDelay", -1));
        const int32_t enemy = world.addUnit({2, 1, 5100, 5000});
        if (c.fighting)
            world.giveOrder(enemy, {sim::kOrderAttack, 0, 0, -1});
        world.unitSet(group)->underAttack = c.underAttack;
        world.Tick();
        EXPECT_EQ(stateOf(machineOf(group, "FSM_GUARD")), c.state) << c.what;
        world.eraseUnit(enemy);
        world.Tick();
    }
}

TEST_F(GuardTest, MarksTimeOnlyOnADrawOfZero)
{
    world.unitsMove = false;
    call("ACF_GuardZone00", guardArgs(guards));
    world.random.queue({4, 0});
    world.Tick();
    EXPECT_EQ(world.journal.count("MarkTime"), 0u);
    world.Tick();
    EXPECT_EQ(world.journal.matching("MarkTime"), std::vector<std::string>{"Guards.MarkTime(node 0, 20)"});
    EXPECT_EQ(world.journal.count("random(300)"), 2u);

    const int32_t quiet = squad("Quiet", 0, 1, 3000, 3000);
    call("ACF_GuardZone01", guardArgs(quiet).integer("MarkDelay", -1));
    world.journal.clear();
    world.Tick();
    EXPECT_EQ(world.journal.count("random(300)"), 1u) << "only the first guard draws";
}

TEST_F(GuardTest, ASecuredGroupUnderAttackCallsTheGuardOutAndIsClearedAfterwards)
{
    const int32_t ward = squad("Ward", 0, 1, 4000, 4000);
    call("ACF_GuardZone02", guardArgs(guards).integer("MarkDelay", -1).group("SecuredGroup", ward));
    world.unitSet(ward)->underAttack = true;
    EXPECT_EQ(tickUntil(guard(), "ST_BACK", 5), (States{"ST_IDLE", "ST_ATTACK", "ST_BACK"}));
    EXPECT_FALSE(world.unitSet(ward)->underAttack);
}

TEST_F(GuardTest, BindingAgainKeepsTheMachineAndAnotherKindReplacesIt)
{
    call("ACF_GuardZone00", guardArgs(guards).integer("R", 300));
    const pSMARTOBJECT first = guard();
    vars().getINT("iAddR") = 77;
    world.journal.clear();
    EXPECT_EQ(call("ACF_GuardZone00", guardArgs(guards).integer("R", 900)), 1);
    EXPECT_EQ(guard().id(), first.id());
    EXPECT_EQ(vars().getINT("iAddR"), 77);
    EXPECT_EQ(vars().getNODE("GuardNode").getR(), 300);
    EXPECT_FALSE(world.journal.contains("GET_SO"));

    pARRAY route = nodes({{0, 0}, {2000, 0}});
    EXPECT_EQ(call("ACF_PatrolZone00", Args(world).group("Object", guards).array("arrNode", route)), 1);
    EXPECT_FALSE(first.getOBJ_GROUP().Valid()) << "released from the guard";
    EXPECT_EQ(stateOf(machineOf(guards, "FSM_PATROL")), "ST_IDLE");
}

TEST_F(GuardTest, BindersRefuseWhatTheyCannotGuardAndWriteTheInstanceName)
{
    EXPECT_EQ(call("ACF_GuardZone00", Args(world).group("Object", -1)), 0);
    EXPECT_EQ(call("ACF_GuardZone00", Args(world).group("Object", world.addGroup("Empty"))), 0);
    EXPECT_EQ(call("ACF_GuardZone00", Args(world).integer("R", 1)), 0);
    EXPECT_EQ(call("ACF_GuardZone00", nullptr), 0);

    Args named = guardArgs(guards).text("soName", "");
    EXPECT_EQ(call("ACF_GuardZone00", named), 1);
    EXPECT_STREQ(named->getSTR("soName").pchar(), guard().getName());
}

TEST_F(GuardTest, ArrayBinderGuardsEveryGroupFromTheLast)
{
    const int32_t second = squad("Second", 0, 2, 3000, 0);
    pARRAY groups = world.newArray();
    world.pushGroup(groups, guards);
    world.pushGroup(groups, world.addGroup("Empty"));
    world.pushGroup(groups, second);
    EXPECT_EQ(call("ACF_GuardZone00_arr", Args(world).array("ObjectArr", groups).integer("R", 200)), 1);
    EXPECT_EQ(world.journal.matching("CheckObjectFSM"),
              (std::vector<std::string>{"CheckObjectFSM(\"Second\", \"FSM_GUARD\")",
                                        "CheckObjectFSM(\"Guards\", \"FSM_GUARD\")"}));
    EXPECT_EQ(machineOf(second, "FSM_GUARD").getPARAMS().getNODE("GuardNode").getR(), 200);
    EXPECT_EQ(call("ACF_GuardZone00_arr", Args(world).array("ObjectArr", pARRAY())), 0);
}

TEST_F(GuardTest, ALostGroupReleasesTheMachineAndEveryLaterCallGivesZero)
{
    call("ACF_GuardZone00", guardArgs(guards));
    pSMARTOBJECT machine = guard();
    for (int32_t gid : members(guards))
        world.killUnit(gid);
    EXPECT_EQ(world.send(machine.id(), "MSG_UPDATE"), 0);
    EXPECT_FALSE(machine.getOBJ_GROUP().Valid());
    EXPECT_FALSE(machine.getPARAMS().check("GuardNode"));
    EXPECT_EQ(world.send(machine.id(), "MSG_UPDATE"), 0);
}

TEST_F(GuardTest, UnknownStatesGiveZeroAndUnhandledMessagesOne)
{
    call("ACF_GuardZone00", guardArgs(guards));
    pSMARTOBJECT machine = guard();
    pParamList question = world.newList();
    question.addBOOL("bFREE") = false;
    EXPECT_EQ(world.send(machine.id(), "MSG_IS_FREE", question.id()), 1);
    EXPECT_FALSE(question.getBOOL("bFREE")) << "a guard does not answer the question";
    EXPECT_EQ(stateOf(machine), "ST_IDLE");
    machine.setSTATE("ST_NOWHERE");
    EXPECT_EQ(world.send(machine.id(), "MSG_UPDATE"), 0);
}

TEST_F(GuardTest, AnAmbushHoldsTheScriptsNodeInZoneModeWithoutMarkingTime)
{
    const int32_t pass = world.addNode(3000, 3000, 400);
    Args args = Args(world).group("Object", guards).node("GuardNode", pass).flag("bGuardZone", false);
    EXPECT_EQ(call("ACF_AmbushZone00", args), 1);
    pSMARTOBJECT ambush = machineOf(guards, "FSM_Ambush");
    pParamList v = ambush.getPARAMS();
    EXPECT_EQ(stateOf(ambush), "ST_IDLE");
    EXPECT_EQ(v.getNODE("GuardNode").id(), pass);
    EXPECT_TRUE(v.getBOOL("bGuardZone"));
    EXPECT_EQ(v.getINT("MarkDelay"), -1);
    EXPECT_EQ(world.unitSet(guards)->aiGuard, 0) << "zone mode switches the guard flag off when idle";
}

TEST_F(GuardTest, TheSupervisorSwapsGuardAndAmbushThroughTheInstanceName)
{
    const int32_t north = world.addNode(1000, 3000, 300);
    const int32_t south = world.addNode(1000, -1000, 300);
    pARRAY watched = world.newArray();
    world.pushNode(watched, north);
    world.pushNode(watched, south);
    EXPECT_EQ(call("ACF_AmbushMultyZone", Args(world).group("Object", guards).integer("R", 400).array("arrNode", watched)),
              1);
    pSMARTOBJECT supervisor = machineOf(guards, "FSM_AmbushMultyZone");
    EXPECT_EQ(stateOf(supervisor), "ST_IDLE");
    pParamList v = supervisor.getPARAMS();
    pSMARTOBJECT inner = GameInterface::FindSObyName(v.getSTR("soName").pchar());
    EXPECT_EQ(std::string(inner.getName()).rfind("FSM_GUARD", 0), 0u);
    EXPECT_EQ(inner.getPARAMS().getNODE("GuardNode").getR(), 400);

    const int32_t intruder = enemyAt(1000, 3100, false);
    world.Tick();
    EXPECT_EQ(stateOf(supervisor), "ST_ATTACK");
    pSMARTOBJECT ambush = GameInterface::FindSObyName(v.getSTR("soName").pchar());
    EXPECT_EQ(std::string(ambush.getName()).rfind("FSM_Ambush", 0), 0u);
    EXPECT_EQ(ambush.getPARAMS().getNODE("GuardNode").id(), north);
    EXPECT_FALSE(inner.getPARAMS().check("GuardNode")) << "the guard's list was cleared";

    world.killUnit(intruder);
    EXPECT_EQ(tickUntil(supervisor, "ST_IDLE"), (States{"ST_ATTACK", "ST_IDLE"}));
    pSMARTOBJECT newGuard = GameInterface::FindSObyName(v.getSTR("soName").pchar());
    EXPECT_EQ(std::string(newGuard.getName()).rfind("FSM_GUARD", 0), 0u);
    EXPECT_NE(newGuard.id(), inner.id());
    EXPECT_TRUE(GameInterface::CheckObjectFSM("Guards", "FSM_AmbushMultyZone"));

    EXPECT_EQ(call("ACF_AmbushMultyZone", Args(world).group("Object", squad("Unwatched", 0, 1)).integer("R", 1)), 0);
}

}  // namespace
