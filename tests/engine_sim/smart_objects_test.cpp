// The simulated engine's smart objects, clock, chance, unit sets and journal.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine_sim/world.h"

namespace {

using Reaction = std::function<int32_t(pSMARTOBJECT&, const std::string& state, const std::string& message)>;

// A state machine that notes every call as "state:message" and runs the test's reaction.
struct Machine {
    std::vector<std::string> calls;
    Reaction react;
};
Machine* g_machine = nullptr;

int32_t recordingMachine(pSMARTOBJECT& smartObject, _str& state, pMSG& message)
{
    const std::string stateName = state.pchar() ? state.pchar() : "";
    g_machine->calls.push_back(stateName + ":" + message.str());
    return g_machine->react ? g_machine->react(smartObject, stateName, message.str()) : 1;
}

class SmartObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_machine = &machine;
        world.bindKind("TEST_KIND", recordingMachine);
        so = world.createSmartObject("TEST_KIND");
        world.smartObject(so)->state = "ST_A";
    }
    void TearDown() override { g_machine = nullptr; }

    sim::World world;
    Machine machine;
    int32_t so = -1;
};

TEST_F(SmartObjectTest, StateChangeTakesEffectWhenTheOutermostDeliveryReturns)
{
    machine.react = [](pSMARTOBJECT& self, const std::string& state, const std::string& message) {
        if (state == "ST_A" && message == "MSG_GO") {
            self.next_STATE("ST_B");
            self.FSC(true);
            GameInterface::SendMSG("MSG_NESTED", self, self);
        }
        return 1;
    };
    world.send(so, "MSG_GO");
    EXPECT_EQ(machine.calls,
              (std::vector<std::string>{"ST_A:MSG_GO", "ST_A:MSG_NESTED", "ST_A:MSG_EXIT", "ST_B:MSG_ENTER"}));
    EXPECT_STREQ(pSMARTOBJECT(so).getSTATE(), "ST_B");
}

TEST_F(SmartObjectTest, LastRequestWinsAndAWithdrawnRequestChangesNothing)
{
    machine.react = [](pSMARTOBJECT& self, const std::string&, const std::string& message) {
        if (message == "MSG_TWICE") {
            self.next_STATE("ST_B");
            self.FSC(true);
            self.next_STATE("ST_C");
            self.FSC(true);
        } else if (message == "MSG_WITHDRAW") {
            self.next_STATE("ST_D");
            self.FSC(true);
            self.FSC(false);
        }
        return 1;
    };
    world.send(so, "MSG_TWICE");
    EXPECT_STREQ(pSMARTOBJECT(so).getSTATE(), "ST_C");
    machine.calls.clear();
    world.send(so, "MSG_WITHDRAW");
    EXPECT_STREQ(pSMARTOBJECT(so).getSTATE(), "ST_C");
    EXPECT_EQ(machine.calls, std::vector<std::string>{"ST_C:MSG_WITHDRAW"});
}

TEST_F(SmartObjectTest, EndlessStateChangesAreCutInsteadOfHanging)
{
    machine.react = [](pSMARTOBJECT& self, const std::string& state, const std::string& message) {
        if (message == "MSG_ENTER" || message == "MSG_GO") {
            self.next_STATE(state == "ST_A" ? "ST_B" : "ST_A");
            self.FSC(true);
        }
        return 1;
    };
    world.send(so, "MSG_GO");
    EXPECT_GT(machine.calls.size(), 100u);
}

TEST_F(SmartObjectTest, DelayedMessagesWaitForTheClockAndUpdatesFollowThem)
{
    pSMARTOBJECT handle(so);
    GameInterface::SendMSG("MSG_ORDER", 250, handle, handle);
    world.Tick(100);
    world.Tick(100);
    EXPECT_EQ(machine.calls, (std::vector<std::string>{"ST_A:MSG_UPDATE", "ST_A:MSG_UPDATE"}));
    machine.calls.clear();
    world.Tick(100);
    EXPECT_EQ(machine.calls, (std::vector<std::string>{"ST_A:MSG_ORDER", "ST_A:MSG_UPDATE"}));
    EXPECT_EQ(GameInterface::GetGlobalTime(), 300);
}

TEST_F(SmartObjectTest, ObjectsMadeForACallAreGoneWhenItReturns)
{
    pUnitsList kept;  // made outside any call: lasts
    int32_t madeInside = -1;
    machine.react = [&](pSMARTOBJECT&, const std::string&, const std::string&) {
        pUnitsList scratch;
        madeInside = scratch.id();
        EXPECT_TRUE(scratch.Valid());
        return 1;
    };
    world.send(so, "MSG_GO");
    EXPECT_FALSE(pUnitsList(madeInside).Valid());
    EXPECT_TRUE(kept.Valid());
}

TEST_F(SmartObjectTest, GroupsAttachReleaseAndAreFoundByName)
{
    const int32_t group = world.addGroup("Guards", {world.addUnit({})});
    pSMARTOBJECT handle(so);
    EXPECT_FALSE(handle.setOBJ("Nobody"));
    EXPECT_TRUE(handle.setOBJ("Guards"));
    EXPECT_TRUE(GameInterface::CheckObjectFSM("Guards", "TEST_KIND"));
    EXPECT_FALSE(GameInterface::CheckObjectFSM("Guards", "FSM_GUARD"));
    EXPECT_EQ(GameInterface::FindSObyName("Guards").id(), so);
    EXPECT_EQ(GameInterface::FindSObyName(handle.getName()).id(), so);
    pGroup guards(group);
    EXPECT_TRUE(GameInterface::FreeSO_pVAR(guards));
    EXPECT_FALSE(GameInterface::FreeSO_pVAR(guards));
    EXPECT_FALSE(handle.getOBJ_GROUP().Valid());
    EXPECT_FALSE(GameInterface::GET_SO("UNKNOWN_KIND").Valid());
}

TEST(WorldTest, ChanceIsRepeatableOrScripted)
{
    sim::World first;
    first.random.seed(42);
    std::vector<int32_t> drawn;
    for (int i = 0; i < 5; ++i)
        drawn.push_back(GameInterface::random(0, 100));
    sim::World second;
    second.random.seed(42);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(GameInterface::random(0, 100), drawn[static_cast<std::size_t>(i)]);
    second.random.queue({7, -3});
    EXPECT_EQ(GameInterface::random(300), 7);
    EXPECT_EQ(GameInterface::random(0, 100), -3);
    for (int i = 0; i < 200; ++i) {
        const int32_t draw = GameInterface::random(0, 2);
        EXPECT_TRUE(draw >= 0 && draw <= 2);
    }
}

TEST(WorldTest, DeadUnitsLeaveGroupsButStayInCollectedLists)
{
    sim::World world;
    const int32_t a = world.addUnit({1, 0, 0, 0});
    const int32_t b = world.addUnit({1, 0, 10, 0});
    pGroup group(world.addGroup("G", {a, b}));
    world.killUnit(a, 1);
    EXPECT_EQ(group.getUN(), 1);
    EXPECT_EQ(group.getDeadUN(), 1);
    pUnitsList around;
    RoundZone(0, 0, 50).CollectUnits(around, 1);
    EXPECT_EQ(around.Count(), 2);
    around.RemoveDeadUnits();
    EXPECT_EQ(around.Count(), 1);
    pUnitType type(1);
    EXPECT_EQ(GameInterface::GetNKilled(1, type), 1);
}

TEST(WorldTest, JournalNamesReceiverOperationAndArguments)
{
    sim::World world;
    pGroup group(world.addGroup("Scouts", {world.addUnit({})}));
    iNode node(world.addNode(100, 200, 50));
    group.Send(node, 512, 2);
    pUnitType type(7);
    GameInterface::GetNKilled(3, type);
    EXPECT_EQ(world.journal.entries(),
              (std::vector<std::string>{"Scouts.Send(node " + std::to_string(node.id()) + ", 512, 2)",
                                        "GetNKilled(3, type 7)"}));
}

}  // namespace
