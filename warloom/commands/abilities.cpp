// Ability and weapon commands: abilities carried by a group's units, ability states, running an
// ability, the two halves of a teleport between gates, and weapon modifiers fired between two points.
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using warloom::Params;

namespace {

using PerUnitCall = bool (*)(int32_t, pABILITY&);

// An ability name counts as present when it has a first character.
bool named(const _str* name)
{
    return name && name->pchar() && name->pchar()[0] != '\0';
}

// Asks the engine for every unit of the group, from the last to the first; counts the true answers.
int countPerUnit(pGroup& group, pABILITY& ability, PerUnitCall call)
{
    int count = 0;
    for (int32_t i = group.getUN() - 1; i >= 0; --i)
        if (call(group.getGIDi(i), ability))
            ++count;
    return count;
}

int perUnitByHandle(pParamList* list, PerUnitCall call)
{
    pABILITY ability;
    pGroup group;
    if (!Params(list).read("Ability", ability, "Group", group))
        return 0;
    return ability.Valid() && group.Valid() ? countPerUnit(group, ability, call) : 0;
}

// The first unit of the group the engine fills with the processed ability's owner or activator.
pUnit abilityUnit(void (*fill)(pGroup&))
{
    pGroup group;
    group.CreateLocal();
    fill(group);
    return pUnit(group.getGIDi(0));
}

int fireWeapon(pParamList* list, bool withGroups)
{
    Params params(list);
    pWEAPONMOD weapon;
    iNode source;
    iNode destination;
    if (!params.read("WeaponMod", weapon, "SrcNode", source, "DstNode", destination))
        return 0;
    int32_t sourceGid = -1;
    int32_t destinationGid = -1;
    pGroup group;
    if (withGroups && params.has("SrcGrp") && params.read("SrcGrp", group))
        sourceGid = group.getGIDi(0);
    if (withGroups && params.has("DstGrp") && params.read("DstGrp", group))
        destinationGid = group.getGIDi(0);
    GameInterface::CreateNewActiveWeaponMod(weapon, sourceGid, source.getX(), source.getY(), destinationGid,
                                            destination.getX(), destination.getY());
    return 1;
}

}  // namespace

WARLOOM_EXPORT int ABIL_AddCarryAbility(pParamList* list)
{
    return perUnitByHandle(list, &GameInterface::AddCarryAbility);
}

WARLOOM_EXPORT int ABIL_DelCarryAbility_ptr(pParamList* list)
{
    return perUnitByHandle(list, &GameInterface::DeleteCarryAbility);
}

WARLOOM_EXPORT int ABIL_DelCarryAbility_str(pParamList* list)
{
    _str* name = nullptr;
    pGroup group;
    if (!Params(list).read("Ability", name, "Group", group))
        return 0;
    if (!named(name) || !group.Valid())
        return 0;
    pABILITY ability(DString(*name).pchar());
    return countPerUnit(group, ability, &GameInterface::DeleteCarryAbility);
}

WARLOOM_EXPORT int ABIL_DetectCarryAbility(pParamList* list)
{
    return perUnitByHandle(list, &GameInterface::DetectCarryAbility);
}

// 1 whenever the three parameters are present, whether or not the state could be set.
WARLOOM_EXPORT int ABIL_SetAbilityState(pParamList* list)
{
    pGroup group;
    _str* name = nullptr;
    int32_t state = 0;
    if (!Params(list).read("Group", group, "AblName", name, "State", state))
        return 0;
    if (group.Valid() && named(name))
        GameInterface::SetAbilityState(group, name->pchar(), state);
    return 1;
}

WARLOOM_EXPORT int ABIL_GetAbilityState(pParamList* list)
{
    pGroup group;
    _str* name = nullptr;
    int32_t* state = nullptr;
    if (!Params(list).read("Group", group, "AblName", name, "State", state))
        return 0;
    if (!group.Valid() || !named(name))
        return 0;
    *state = GameInterface::GetAbilityState(group, name->pchar());
    return 1;
}

// The state itself is the result; "State" is required but not written.
WARLOOM_EXPORT int ABIL_GetAbilityState_ref(pParamList* list)
{
    pGroup group;
    pABILITY ability;
    int32_t state = 0;
    if (!Params(list).read("Group", group, "Ability", ability, "State", state))
        return 0;
    return group.Valid() && ability.Valid() ? GameInterface::GetAbilityState(group, ability) : 0;
}

WARLOOM_EXPORT int ABIL_GetOwnerNation(pParamList* list)
{
    int32_t* nation = nullptr;
    if (!Params(list).read("Nation", nation))
        return 0;
    *nation = GameInterface::GetAbilityOBNation();
    return 1;
}

WARLOOM_EXPORT int ABIL_CheckActivatorObject(pParamList* list)
{
    pGroup group;
    if (!Params(list).read("Group", group))
        return 0;
    return GameInterface::CheckAbilityActivatorObject(group);
}

WARLOOM_EXPORT int ABIL_TryExecute(pParamList* list)
{
    Params params(list);
    pABILITY ability;
    pGroup caster;
    if (!params.read("Ability", ability, "Caster", caster))
        return 0;
    pGroup target;
    iNode node;
    if (params.has("Target"))
        params.read("Target", target);
    if (params.has("Node"))
        params.read("Node", node);
    if (!ability.Valid() || !caster.Valid())
        return 0;
    const int32_t x = node.Valid() ? node.getX() : 0;
    const int32_t y = node.Valid() ? node.getY() : 0;
    return GameInterface::AbilityExecute(ability, caster, target, x, y) ? 1 : 0;
}

// The activator of a gate's ability enters the gate.
WARLOOM_EXPORT int ABIL_Click_Teleport(pParamList*)
{
    pGroup owner;
    owner.CreateLocal();
    GameInterface::GetAbilityOwnerObject(owner);
    if (owner.getUN() == 0)
        return 0;
    pGroup activator;
    activator.CreateLocal();
    GameInterface::GetAbilityActivatorObject(activator);
    if (activator.getUN() == 0)
        return 0;
    pUnit gate(owner.getGIDi(0));
    pUnit walker(activator.getGIDi(0));
    walker.GoToContainer(gate);
    return 1;
}

// Moves a hero between gates: the first half hides it in the destination gate, the second brings it out.
WARLOOM_EXPORT int ABIL_Process_Teleport(pParamList* list)
{
    pUnit gate = abilityUnit(&GameInterface::GetAbilityOwnerObject);
    if (gate.GetInsideAmount() <= 0)
        return 0;
    pUnitsList inside;
    gate.GetInsideUnits(inside);
    pUnit hero = inside[0];
    if (!hero.isHero())
        return 0;
    const bool hidden = hero.Hidden();
    if (!hidden && hero.IsStand()) {
        pGroup destination;
        if (!Params(list).read("gDestGate", destination) || destination.getUN() <= 0)
            return 0;
        hero.Hide();
        hero.RemoveFromContainer();
        pUnit destinationGate(destination.getGIDi(0));
        hero.InsertToContainer(destinationGate);
        return 1;
    }
    if (!hidden)
        return 0;
    hero.UnHide();
    gate.PushOutUnit(hero);
    return 1;
}

WARLOOM_EXPORT int WEAPON_CreateNew(pParamList* list)
{
    return fireWeapon(list, false);
}

WARLOOM_EXPORT int WEAPON_CreateNew_ID(pParamList* list)
{
    return fireWeapon(list, true);
}
