// Abilities carried by units, the ability being processed, weapon modifiers and cameras.
#include <algorithm>

#include "engine_sim/api_support.h"

using namespace sim;

namespace {

UnitSet* groupOf(int32_t id)
{
    return world() ? world()->group(id) : nullptr;
}

bool knownAbility(int32_t id)
{
    return world() && world()->ability(id);
}

// Fills a group with one unit, when there is such a unit.
void fillWith(pGroup& group, int32_t gid)
{
    UnitSet* set = groupOf(group.id());
    if (set && unitOf(gid))
        world()->addToSet(*set, gid);
}

// The state of an ability for a group: that of its first unit that has one, else 0.
int32_t stateOf(int32_t group, const std::string& ability)
{
    const UnitSet* set = groupOf(group);
    if (!set)
        return 0;
    for (int32_t gid : set->units) {
        const auto& states = unitOf(gid)->abilityStates;
        if (auto found = states.find(ability); found != states.end())
            return found->second;
    }
    return 0;
}

}  // namespace

pABILITY::pABILITY(const char* name) : EngineHandle(world() && name ? world()->abilityByName(name) : -1) {}
bool pABILITY::Valid() const { return knownAbility(m_id); }
bool pCAMERA::Valid() const { return world() && world()->camera(m_id); }
bool pWEAPONMOD::Valid() const { return world() && world()->weaponMod(m_id); }

bool GameInterface::AddCarryAbility(int32_t gid, pABILITY& ability)
{
    record("AddCarryAbility", gid, ability);
    Unit* unit = unitOf(gid);
    return unit && knownAbility(ability.id()) && unit->abilities.insert(ability.id()).second;
}

bool GameInterface::DeleteCarryAbility(int32_t gid, pABILITY& ability)
{
    record("DeleteCarryAbility", gid, ability);
    Unit* unit = unitOf(gid);
    return unit && unit->abilities.erase(ability.id()) > 0;
}

bool GameInterface::DetectCarryAbility(int32_t gid, pABILITY& ability)
{
    record("DetectCarryAbility", gid, ability);
    const Unit* unit = unitOf(gid);
    return unit && unit->abilities.count(ability.id()) > 0;
}

void GameInterface::SetAbilityState(pGroup& group, const char* ability, int32_t state)
{
    record("SetAbilityState", group, ability, state);
    if (UnitSet* set = groupOf(group.id()); set && ability)
        for (int32_t gid : set->units)
            unitOf(gid)->abilityStates[ability] = state;
}

int32_t GameInterface::GetAbilityState(pGroup& group, const char* ability)
{
    record("GetAbilityState", group, ability);
    return ability ? stateOf(group.id(), ability) : 0;
}

int32_t GameInterface::GetAbilityState(pGroup& group, pABILITY& ability)
{
    record("GetAbilityState", group, ability);
    const Ability* known = world() ? world()->ability(ability.id()) : nullptr;
    return known ? stateOf(group.id(), known->name) : 0;
}

int32_t GameInterface::GetAbilityOBNation()
{
    record("GetAbilityOBNation");
    const Unit* owner = world() ? unitOf(world()->abilityOwner()) : nullptr;
    return owner ? owner->nation : -1;
}

int32_t GameInterface::CheckAbilityActivatorObject(pGroup& group)
{
    record("CheckAbilityActivatorObject", group);
    const UnitSet* set = groupOf(group.id());
    if (!set)
        return 0;
    return std::find(set->units.begin(), set->units.end(), world()->abilityActivator()) != set->units.end() ? 1 : 0;
}

bool GameInterface::AbilityExecute(pABILITY& ability, pGroup& caster, pGroup& target, int32_t x, int32_t y)
{
    record("AbilityExecute", ability, caster, target, x, y);
    const UnitSet* casters = groupOf(caster.id());
    if (!casters || !knownAbility(ability.id()))
        return false;
    // A caster executes an ability that one of its units carries.
    const bool carried = std::any_of(casters->units.begin(), casters->units.end(),
                                     [&](int32_t gid) { return unitOf(gid)->abilities.count(ability.id()) > 0; });
    if (carried)
        world()->abilityUses.push_back({ability.id(), caster.id(), target.id(), x, y});
    return carried;
}

void GameInterface::GetAbilityOwnerObject(pGroup& group)
{
    record("GetAbilityOwnerObject", group);
    if (world())
        fillWith(group, world()->abilityOwner());
}

void GameInterface::GetAbilityActivatorObject(pGroup& group)
{
    record("GetAbilityActivatorObject", group);
    if (world())
        fillWith(group, world()->abilityActivator());
}

void GameInterface::CreateNewActiveWeaponMod(pWEAPONMOD& weapon, int32_t sourceGid, int32_t sourceX, int32_t sourceY,
                                             int32_t destinationGid, int32_t destinationX, int32_t destinationY)
{
    record("CreateNewActiveWeaponMod", weapon, sourceGid, sourceX, sourceY, destinationGid, destinationX, destinationY);
    if (world() && world()->weaponMod(weapon.id()))
        world()->shots.push_back(
            {weapon.id(), sourceGid, sourceX, sourceY, destinationGid, destinationX, destinationY});
}

void GameInterface::CAMERA_Play(pCAMERA& camera)
{
    record("CAMERA_Play", camera);
    if (Camera* found = world() ? world()->camera(camera.id()) : nullptr)
        found->playing = true;
}

void GameInterface::CAMERA_Stop(pCAMERA& camera)
{
    record("CAMERA_Stop", camera);
    if (Camera* found = world() ? world()->camera(camera.id()) : nullptr)
        found->playing = false;
}

void GameInterface::CAMERA_Free(pCAMERA& camera)
{
    record("CAMERA_Free", camera);
    if (world())
        world()->removeCamera(camera.id());
}

bool GameInterface::CAMERA_IsPlaying(pCAMERA& camera)
{
    record("CAMERA_IsPlaying", camera);
    const Camera* found = world() ? world()->camera(camera.id()) : nullptr;
    return found && found->playing;
}
