// Ability and weapon commands through their declared names.
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

class AbilitiesTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        heal = world.addAbility("Heal");
        casters = squad("Casters", 0, 3);
        world.unit(members(casters)[0])->abilities.insert(heal);
        world.journal.clear();
    }
    int32_t carriers() const
    {
        int32_t count = 0;
        for (int32_t gid : members(casters))
            count += static_cast<int32_t>(world.unit(gid)->abilities.count(heal));
        return count;
    }
    int32_t heal = -1;
    int32_t casters = -1;
};

TEST_F(AbilitiesTest, PerUnitCommandsCountTheEnginesTrueAnswers)
{
    struct Case {
        const char* function;
        bool byName;
        int32_t result;
        int32_t carriersAfter;
    };
    const std::vector<Case> cases = {
        {"ABIL_DetectCarryAbility", false, 1, 1},  {"ABIL_AddCarryAbility", false, 2, 3},
        {"ABIL_DetectCarryAbility", false, 3, 3},  {"ABIL_DelCarryAbility_ptr", false, 3, 0},
        {"ABIL_AddCarryAbility", false, 3, 3},     {"ABIL_DelCarryAbility_str", true, 3, 0},
        {"ABIL_DelCarryAbility_str", true, 0, 0},
    };
    for (const Case& c : cases) {
        Args args(world);
        if (c.byName)
            args.text("Ability", "Heal");
        else
            args.ability("Ability", heal);
        args.group("Group", casters);
        EXPECT_EQ(call(c.function, args), c.result) << c.function;
        EXPECT_EQ(carriers(), c.carriersAfter) << c.function;
    }
}

TEST_F(AbilitiesTest, PerUnitCommandsAskFromTheLastUnitDownAndRefuseInvalidHandles)
{
    Args args(world);
    args.ability("Ability", heal).group("Group", casters);
    call("ABIL_AddCarryAbility", args);
    const auto& units = members(casters);
    EXPECT_EQ(world.journal.matching("AddCarryAbility("),
              (std::vector<std::string>{"AddCarryAbility(" + std::to_string(units[2]) + ", ability 0)",
                                        "AddCarryAbility(" + std::to_string(units[1]) + ", ability 0)",
                                        "AddCarryAbility(" + std::to_string(units[0]) + ", ability 0)"}));

    Args unknownAbility(world);
    unknownAbility.ability("Ability", 99).group("Group", casters);
    Args emptyName(world);
    emptyName.text("Ability", "").group("Group", casters);
    Args invalidGroup(world);
    invalidGroup.ability("Ability", heal).group("Group", -1);
    world.journal.clear();
    for (const char* function : {"ABIL_AddCarryAbility", "ABIL_DelCarryAbility_ptr", "ABIL_DetectCarryAbility"}) {
        EXPECT_EQ(call(function, unknownAbility), 0) << function;
        EXPECT_EQ(call(function, invalidGroup), 0) << function;
    }
    EXPECT_EQ(call("ABIL_DelCarryAbility_str", emptyName), 0);
    EXPECT_EQ(world.journal.count("CarryAbility("), 0u);
    EXPECT_EQ(carriers(), 3);
}

TEST_F(AbilitiesTest, StatesAreSetReadAndHandedBack)
{
    Args set(world);
    set.group("Group", casters).text("AblName", "Heal").integer("State", 4);
    EXPECT_EQ(call("ABIL_SetAbilityState", set), 1);

    Args get(world);
    get.group("Group", casters).text("AblName", "Heal").integer("State", -1);
    EXPECT_EQ(call("ABIL_GetAbilityState", get), 1);
    EXPECT_EQ(get->getINT("State"), 4);

    Args byHandle(world);
    byHandle.group("Group", casters).ability("Ability", heal).integer("State", 0);
    EXPECT_EQ(call("ABIL_GetAbilityState_ref", byHandle), 4);
    EXPECT_EQ(byHandle->getINT("State"), 0) << "the by-handle query writes nothing back";

    Args unnamed(world);
    unnamed.group("Group", casters).text("AblName", "").integer("State", -1);
    EXPECT_EQ(call("ABIL_GetAbilityState", unnamed), 0);
    EXPECT_EQ(unnamed->getINT("State"), -1);

    Args setOnNothing(world);
    setOnNothing.group("Group", -1).text("AblName", "Heal").integer("State", 9);
    world.journal.clear();
    EXPECT_EQ(call("ABIL_SetAbilityState", setOnNothing), 1) << "1 although the group is invalid";
    EXPECT_FALSE(world.journal.contains("SetAbilityState"));
}

TEST_F(AbilitiesTest, TheProcessedAbilitysOwnerAndActivator)
{
    const int32_t owner = world.addUnit({5, 6, 0, 0});
    const int32_t activator = members(casters)[1];
    world.setProcessedAbility(owner, activator);

    Args nation(world);
    nation.integer("Nation", -1);
    EXPECT_EQ(call("ABIL_GetOwnerNation", nation), 1);
    EXPECT_EQ(nation->getINT("Nation"), 6);

    Args holder = Args(world).group("Group", casters);
    Args stranger = Args(world).group("Group", squad("Strangers", 0, 1));
    EXPECT_EQ(call("ABIL_CheckActivatorObject", holder), 1);
    EXPECT_EQ(call("ABIL_CheckActivatorObject", stranger), 0);
}

TEST_F(AbilitiesTest, TryExecuteUsesAnEmptyTargetAndTheOriginWithoutTheOptionalParameters)
{
    Args bare(world);
    bare.ability("Ability", heal).group("Caster", casters);
    EXPECT_EQ(call("ABIL_TryExecute", bare), 1);
    EXPECT_TRUE(world.journal.contains("AbilityExecute(ability 0, Casters, invalid group, 0, 0)"));

    const int32_t target = squad("Target", 1, 1);
    Args full(world);
    full.ability("Ability", heal).group("Caster", casters).group("Target", target);
    full.node("Node", world.addNode(300, 400, 10));
    EXPECT_EQ(call("ABIL_TryExecute", full), 1);
    EXPECT_TRUE(world.journal.contains("AbilityExecute(ability 0, Casters, Target, 300, 400)"));

    Args notCarried(world);
    notCarried.ability("Ability", world.addAbility("Fly")).group("Caster", casters);
    EXPECT_EQ(call("ABIL_TryExecute", notCarried), 0);
    EXPECT_EQ(world.abilityUses.size(), 2u);
}

class TeleportTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        gateA = world.addUnit({50, 0, 0, 0});
        gateB = world.addUnit({50, 0, 2000, 0});
        hero = world.addUnit({3, 0, 0, 0, 300, true, 2});
        world.addGroup("GateB", {gateB});
        world.putInside(hero, gateA);
        world.setProcessedAbility(gateA, hero);
    }
    int32_t gateA = -1, gateB = -1, hero = -1;
};

TEST_F(TeleportTest, TheHeroGoesThroughInTwoHalves)
{
    Args noDestination(world);
    EXPECT_EQ(call("ABIL_Process_Teleport", noDestination), 0);
    EXPECT_EQ(world.unit(hero)->container, gateA);

    Args toB = Args(world).group("gDestGate", world.groupByName("GateB"));
    EXPECT_EQ(call("ABIL_Process_Teleport", toB), 1);
    EXPECT_TRUE(world.unit(hero)->hidden);
    EXPECT_EQ(world.unit(hero)->container, gateB);

    world.setProcessedAbility(gateB, hero);
    EXPECT_EQ(call("ABIL_Process_Teleport", nullptr), 1) << "the second half needs no list";
    EXPECT_FALSE(world.unit(hero)->hidden);
    EXPECT_EQ(world.unit(hero)->container, -1);
    EXPECT_EQ(call("ABIL_Process_Teleport", nullptr), 0) << "the gate is empty now";
}

TEST_F(TeleportTest, OnlyAStandingVisibleHeroStartsTheFirstHalf)
{
    Args toB = Args(world).group("gDestGate", world.groupByName("GateB"));
    world.unit(hero)->orders.push_back({sim::kOrderMove, 5, 5, -1});
    EXPECT_EQ(call("ABIL_Process_Teleport", toB), 0);
    world.unit(hero)->orders.clear();
    world.unit(hero)->hero = false;
    EXPECT_EQ(call("ABIL_Process_Teleport", toB), 0);
    EXPECT_EQ(world.unit(hero)->container, gateA);
}

TEST_F(TeleportTest, ClickSendsTheActivatorIntoTheGate)
{
    world.takeOut(hero);
    EXPECT_EQ(call("ABIL_Click_Teleport", nullptr), 1);
    EXPECT_EQ(world.unit(hero)->orders.at(0).target, gateA);
    world.setProcessedAbility(-1, hero);
    EXPECT_EQ(call("ABIL_Click_Teleport", nullptr), 0);
}

TEST_F(AbilitiesTest, WeaponsFireBetweenTheNodesFromTheGivenUnits)
{
    const int32_t arrow = world.addWeaponMod("Arrow");
    const int32_t from = world.addNode(10, 20, 5);
    const int32_t to = world.addNode(30, 40, 5);
    const int32_t target = squad("Target", 1, 2);
    Args plain(world);
    plain.weapon("WeaponMod", arrow).node("SrcNode", from).node("DstNode", to);
    Args bare(world);
    bare.weapon("WeaponMod", arrow).node("SrcNode", from).node("DstNode", to);
    Args withUnits(world);
    withUnits.weapon("WeaponMod", arrow).node("SrcNode", from).node("DstNode", to);
    withUnits.group("SrcGrp", casters).group("DstGrp", target);
    Args invalidWeapon(world);
    invalidWeapon.weapon("WeaponMod", 77).node("SrcNode", from).node("DstNode", to);

    EXPECT_EQ(call("WEAPON_CreateNew", plain), 1);
    EXPECT_EQ(call("WEAPON_CreateNew_ID", bare), 1);
    EXPECT_EQ(call("WEAPON_CreateNew_ID", withUnits), 1);
    EXPECT_EQ(call("WEAPON_CreateNew", invalidWeapon), 1) << "1 once the three parameters are present";
    const std::string gids =
        std::to_string(members(casters)[0]) + ", 10, 20, " + std::to_string(members(target)[0]) + ", 30, 40)";
    EXPECT_EQ(world.journal.matching("CreateNewActiveWeaponMod"),
              (std::vector<std::string>{"CreateNewActiveWeaponMod(weapon 0, -1, 10, 20, -1, 30, 40)",
                                        "CreateNewActiveWeaponMod(weapon 0, -1, 10, 20, -1, 30, 40)",
                                        "CreateNewActiveWeaponMod(weapon 0, " + gids,
                                        "CreateNewActiveWeaponMod(weapon 77, -1, 10, 20, -1, 30, 40)"}));
}

}  // namespace
