// Production machines 00 and 01 (set up by the engine) and 02 (through its binders), with the engine
// ticking and producing.
#include <functional>
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

class ProductionTest : public PluginTest {
protected:
    // A producer of one building of nation 3 at the origin, with a rally point nearby.
    void SetUp() override
    {
        PluginTest::SetUp();
        producer = world.addGroup("Barracks", {world.addUnit({50, 3, 0, 0})});
        rally = world.addNode(200, 0, 50);
    }
    // A smart object of kind 00 or 01 set up as the engine does, with preset variables, started.
    pSMARTOBJECT presetMachine(const std::string& kind, const std::function<void(pParamList&)>& preset)
    {
        pSMARTOBJECT so(world.createSmartObject(kind));
        so.setOBJ("Barracks");
        pParamList params = so.getPARAMS();
        params.addNODE("nRallyPoint");
        params.setREF("nRallyPoint", iNode(rally));
        preset(params);
        so.setSTATE("ST_GLOBAL");
        world.send(so.id(), "MSG_ENTER");
        return so;
    }
    bool askFree(const pSMARTOBJECT& so)
    {
        pParamList question = world.newList();
        question.addBOOL("bFREE") = false;
        EXPECT_EQ(world.send(so.id(), "MSG_IS_FREE", question.id()), 1);
        return question.getBOOL("bFREE");
    }
    int32_t order(const pSMARTOBJECT& so, const std::vector<std::pair<const char*, int32_t>>& values)
    {
        pParamList list = world.newList();
        for (const auto& [name, value] : values)
            list.addINT(name) = value;
        return world.send(so.id(), "MSG_ORDER", list.id());
    }
    std::vector<int32_t> unitsOfType(int32_t type) const
    {
        std::vector<int32_t> found;
        world.units().forEach([&](int32_t gid, const sim::Unit& unit) {
            if (unit.type == type)
                found.push_back(gid);
        });
        return found;
    }
    int32_t producer = -1, rally = -1;
};

TEST_F(ProductionTest, OrderedBatchIsBuiltCollectedAndHandedToTheNewNation)
{
    pSMARTOBJECT so = presetMachine("FSM_PRODUCE_00", [](pParamList&) {});
    EXPECT_EQ(stateOf(so), "ST_IDLE");
    EXPECT_EQ(so.getPARAMS().getINT("iVillageOwner"), 3);
    EXPECT_EQ(world.unit(members(producer)[0])->nationMask, 255);
    EXPECT_TRUE(askFree(so));

    EXPECT_EQ(order(so, {{"iUnitType", 7}, {"iUnitNUM", 2}}), 1);
    EXPECT_EQ(stateOf(so), "ST_IDLE") << "an order without a receiving nation is ignored";
    order(so, {{"iUnitType", 7}, {"iUnitNUM", 2}, {"iNewNation", 5}, {"iNewOwnerNation", 6}});
    EXPECT_EQ(stateOf(so), "ST_PRODUCE");
    EXPECT_TRUE(world.journal.contains("Barracks.Produce(7, 2)"));
    EXPECT_FALSE(askFree(so));
    order(so, {{"iUnitType", 8}, {"iUnitNUM", 9}, {"iNewNation", 1}});  // lost, not queued

    EXPECT_EQ(tickUntil(so, "ST_IDLE"), (std::vector<std::string>{"ST_PRODUCE", "ST_END_PR", "ST_IDLE"}));
    const auto made = unitsOfType(7);
    ASSERT_EQ(made.size(), 2u);
    for (int32_t gid : made)
        EXPECT_EQ(world.unit(gid)->nation, 5) << "handed over by nation only";
    EXPECT_TRUE(world.attackForces.empty());
    EXPECT_TRUE(members(so.getPARAMS().getGROUP("gGroup").id()).empty());
    EXPECT_TRUE(unitsOfType(8).empty());
}

TEST_F(ProductionTest, WithoutANewNationTheBatchGoesToTheOwnersAttackers)
{
    pSMARTOBJECT so = presetMachine("FSM_PRODUCE_00", [](pParamList&) {});
    order(so, {{"iUnitType", 7}, {"iUnitNUM", 1}, {"iNewOwnerNation", 6}});
    tickUntil(so, "ST_END_PR");
    tickUntil(so, "ST_IDLE");
    ASSERT_EQ(world.attackForces.size(), 1u);
    EXPECT_EQ(world.attackForces[0].nation, 6);
    EXPECT_EQ(world.unit(unitsOfType(7)[0])->nationMask, 1 << 6);
}

class VillageTest : public ProductionTest {
protected:
    pSMARTOBJECT village()
    {
        trader = squad("Trader", 3, 1, 500, 500);
        return presetMachine("FSM_PRODUCE_01", [&](pParamList& p) {
            p.addGROUP("gTrader");
            p.setREF("gTrader", pGroup(trader));
            p.addINT("iUnitType") = 4;
            p.addINT("iUnitNUM") = 2;
            p.addINT("iResType") = 2;
            p.addINT("iPrice") = 100;
            p.addINT("iWaitTime") = 1000;
        });
    }
    void offer(const pSMARTOBJECT& so, int32_t buyer)
    {
        pParamList list = world.newList();
        list.addINT("iNewOwner") = buyer;
        world.send(so.id(), "MSG_SET_OWNER", list.id());
    }
    int32_t trader = -1;
};

TEST_F(VillageTest, ABuyerWithExactlyThePriceGetsBatchAfterBatch)
{
    pSMARTOBJECT so = village();
    EXPECT_EQ(world.unit(members(trader)[0])->nationMask, 255);
    world.resources[{1, 2}] = 100;
    offer(so, 1);
    EXPECT_EQ(world.resources[std::make_pair(1, 2)], 0);
    EXPECT_EQ(so.getPARAMS().getINT("iVillageOwner"), 1);
    EXPECT_EQ(world.unit(members(producer)[0])->nationMask, 2);
    EXPECT_EQ(world.unit(members(trader)[0])->nationMask, 2);
    EXPECT_EQ(stateOf(so), "ST_PRODUCE");

    offer(so, 4);  // sold already: ignored
    EXPECT_EQ(so.getPARAMS().getINT("iVillageOwner"), 1);
    for (int i = 0; i < 60 && world.attackForces.size() < 2; ++i)
        world.Tick();
    ASSERT_EQ(world.attackForces.size(), 2u) << "a second batch after the wait";
    EXPECT_EQ(world.attackForces[1].nation, 1);
    EXPECT_EQ(world.attackForces[1].units.size(), 4u) << "the batch group keeps earlier batches";
}

TEST_F(VillageTest, ABuyerShortOfThePriceIsRefusedAndNotCharged)
{
    pSMARTOBJECT so = village();
    world.resources[{1, 2}] = 99;
    offer(so, 1);
    EXPECT_EQ(world.resources[std::make_pair(1, 2)], 99);
    EXPECT_EQ(so.getPARAMS().getINT("iVillageOwner"), 3);
    EXPECT_EQ(stateOf(so), "ST_IDLE");
    EXPECT_EQ(world.unit(members(producer)[0])->nationMask, 255);
}

class Produce02Test : public ProductionTest {
protected:
    void SetUp() override
    {
        ProductionTest::SetUp();
        guard = world.addGroup("Guard", {world.addUnit({9, 3, -300, 0}), world.addUnit({9, 3, -300, 40}),
                                         world.addUnit({6, 3, -300, 80})});
        list = world.newArray();
        for (int32_t value : {7, 2, 8, 1, 5})
            world.pushInt(list, value);
        destination = world.addGroup("Destination");
    }
    Args binding(int32_t command)
    {
        Args args(world);
        args.group("Object", producer).integer("iOwnerNat", 3).node("nRallyPoint", rally).array("arrTN", list);
        args.integer("iWaitTime", 500).group("g_gGuard", guard);
        if (command != 0)
            args.group("g_gDestGroup", destination);
        return args;
    }
    pSMARTOBJECT machine() const { return machineOf(producer, "FSM_PRODUCE_02"); }
    int32_t guard = -1, destination = -1;
    pARRAY list;
};

struct CommandCase {
    const char* binder;
    int32_t command;
    std::size_t attackForces;
    std::size_t inDestination;
};

class Produce02CommandTest : public Produce02Test, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(Produce02CommandTest, AnOrdinaryBatchIsHandedOnTheCommandsWay)
{
    const CommandCase& c = GetParam();
    Args args = binding(c.command);
    ASSERT_EQ(call(c.binder, args), 1);
    EXPECT_EQ(args->getINT("iCommandID"), c.command) << "written into the caller's list";
    EXPECT_EQ(stateOf(machine()), "ST_IDLE");
    for (int i = 0; i < 80 && world.attackForces.size() + members(destination).size() < c.attackForces + c.inDestination;
         ++i)
        world.Tick();
    EXPECT_EQ(world.attackForces.size(), c.attackForces);
    EXPECT_EQ(members(destination).size(), c.inDestination);
    EXPECT_EQ(world.journal.matching(".Produce("),
              (std::vector<std::string>{"Barracks.Produce(7, 2)", "Barracks.Produce(8, 1)"}))
        << "an unpaired last entry is ignored";
    EXPECT_EQ(call(c.binder, binding(c.command)), 1) << "bound already";
}

INSTANTIATE_TEST_SUITE_P(Commands, Produce02CommandTest,
                         ::testing::Values(CommandCase{"ACF_ProduseUnits_02", 0, 1, 0},
                                           CommandCase{"ACF_ProduseUnits_03", 1, 0, 3},
                                           CommandCase{"ACF_ProduseUnits_04", 2, 0, 3}));

TEST_F(Produce02Test, AGuardShortOfUnitsGetsExactlyWhatItLacks)
{
    Args args = binding(0);
    args.flag("g_bActive", false);
    call("ACF_ProduseUnits_02", args);
    pParamList v = machine().getPARAMS();
    pARRAY strength = v.getARRAY("arrTN_GG");
    EXPECT_EQ((std::vector<int32_t>{strength.getINT(0), strength.getINT(1), strength.getINT(2), strength.getINT(3)}),
              (std::vector<int32_t>{9, 2, 6, 1}));
    world.killUnit(members(guard)[1]);
    for (int i = 0; i < 200 && members(guard).size() < 3; ++i)
        world.Tick();
    EXPECT_EQ(world.journal.matching(".Produce("), std::vector<std::string>{"Barracks.Produce(9, 1)"});
    ASSERT_EQ(members(guard).size(), 3u);
    EXPECT_EQ(world.unit(members(guard)[2])->type, 9);
    EXPECT_EQ(world.journal.count("SendMSG(\"MSG_ORDER\", 500"), 0u) << "no order after a support batch";
}

TEST_F(Produce02Test, AWipedOutGuardIsRefilledAndPutBackOnGuard)
{
    Args args = binding(0);
    args.flag("g_bActive", false);
    call("ACF_ProduseUnits_02", args);
    for (int32_t gid : members(guard))
        world.killUnit(gid);
    for (int i = 0; i < 250 && members(guard).size() < 3; ++i)
        world.Tick();
    ASSERT_EQ(members(guard).size(), 3u);
    world.Tick();
    pSMARTOBJECT onGuard = machineOf(guard, "FSM_GUARD");
    ASSERT_TRUE(onGuard.Valid());
    pParamList v = onGuard.getPARAMS();
    EXPECT_EQ(v.getGROUP("SecuredGroup").id(), producer);
    EXPECT_EQ(v.getNODE("GuardNode").getR(), 500);
    EXPECT_EQ(v.getINT("iAddR"), 500);
}

TEST_F(Produce02Test, OrdersDuringABatchArePostponed)
{
    call("ACF_ProduseUnits_02", binding(0));
    pSMARTOBJECT so = machine();
    tickUntil(so, "ST_PRODUCE", 20);
    ASSERT_EQ(stateOf(so), "ST_PRODUCE");
    world.journal.clear();
    EXPECT_EQ(world.send(so.id(), "MSG_ORDER"), 1);
    EXPECT_EQ(world.journal.matching("SendMSG"),
              std::vector<std::string>{"SendMSG(\"MSG_ORDER\", 1000, FSM_PRODUCE_02_" + std::to_string(so.id()) +
                                       ", FSM_PRODUCE_02_" + std::to_string(so.id()) + ")"});
}

TEST_F(Produce02Test, LiveOwnerAndSwitchFollowTheScript)
{
    pParamList script = world.newList();
    script.addINT("owner") = 3;
    script.addBOOL("active") = false;
    Args args = binding(0);
    args->setREF("iOwnerNat", script.getVOID("owner"));
    args->addBOOL("g_bActive");
    args->setREF("g_bActive", script.getVOID("active"));
    call("ACF_ProduseUnits_02", args);
    world.Tick();
    world.journal.clear();
    script.getBOOL("active") = true;
    world.Tick();
    EXPECT_EQ(world.journal.count("SendMSG(\"MSG_ORDER\", 1000"), 1u) << "one extra order when switched on";

    script.getINT("owner") = 4;
    world.Tick();
    const sim::Unit& building = *world.unit(members(producer)[0]);
    EXPECT_EQ(building.nation, 4);
    EXPECT_EQ(building.nationMask, 16 + 128);
    EXPECT_FALSE(world.unitSet(producer)->capturable);
    EXPECT_EQ(world.unit(members(guard)[0])->nationMask, 16 + 128);
}

}  // namespace
