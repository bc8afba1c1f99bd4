// Group commands: filling and emptying groups, new units at a node, selections, releasing a group
// from its behaviour, and attack, storm and exploration orders.
#include "warloom/core/each_unit.h"
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using warloom::Params;

namespace {

// The engine's placement of new units, passed on as it stands.
constexpr auto kPlacement = static_cast<directions_list>(512);

}  // namespace

WARLOOM_EXPORT int RemoveUnitsInZoneToGroup(pParamList* list)
{
    pGroup source;
    pGroup destination;
    iNode zone;
    if (!Params(list).read("srceGR", source, "destGR", destination, "trnsND", zone))
        return 0;
    if (!source.Valid() || !destination.Valid() || !zone.Valid())
        return 0;
    return source.RemUnitsInZone(zone, destination);
}

WARLOOM_EXPORT int GROUP_AddSelected(pParamList* list)
{
    pGroup group;
    int32_t nation = 0;
    if (!Params(list).read("Group", group, "Nation", nation))
        return 0;
    return group.Valid() ? group.AddSelectedUnits(nation) : 0;
}

WARLOOM_EXPORT int GROUP_AddInZone(pParamList* list)
{
    pGroup group;
    int32_t nation = 0;
    iNode zone;
    bool add = false;
    if (!Params(list).read("Group", group, "Nation", nation, "Node", zone, "Add", add))
        return 0;
    if (!group.Valid() || !zone.Valid())
        return 0;
    group.AddUnitsInZone(nation, zone, add);
    return 1;
}

WARLOOM_EXPORT int GROUP_AddTypeInZone(pParamList* list)
{
    pGroup group;
    int32_t nation = 0;
    pUnitType type;
    iNode zone;
    bool add = false;
    if (!Params(list).read("Group", group, "Nation", nation, "UnitType", type, "Node", zone, "Add", add))
        return 0;
    if (!group.Valid() || !zone.Valid())
        return 0;
    group.AddUnitsTypeInZone(nation, type.GetType(), zone, add);
    return 1;
}

WARLOOM_EXPORT int GROUP_SetLockType(pParamList* list)
{
    pGroup group;
    int32_t lockType = 0;
    if (!Params(list).read("Group", group, "LockType", lockType) || !group.Valid())
        return 0;
    group.setLockType(lockType);
    return 1;
}

// Creates a random number of units at a node and adds them to the group; the result is always 0.
WARLOOM_EXPORT int GROUP_PutRandFormation(pParamList* list)
{
    pGroup group;
    iNode node;
    int32_t nation = 0;
    pUnitType type;
    int32_t fewest = 0;
    int32_t most = 0;
    if (!Params(list).read("Group", group, "Node", node, "Nation", nation, "UnitType", type, "minN", fewest, "maxN",
                           most))
        return 0;
    if (!group.Valid() || !node.Valid())
        return 0;
    const int32_t count = GameInterface::random(fewest, most);
    pUnitsList created;
    GameInterface::CreateRandomUnits(count, node.getX(), node.getY(), node.getR(), static_cast<uint8_t>(nation), type,
                                     created, 0, false, kPlacement);
    warloom::forEachUnit(created, [&](pUnit& unit) { group._add(unit); });
    return 0;
}

WARLOOM_EXPORT int GROUP_GetNationAmout(pParamList* list)
{
    pGroup group;
    int32_t nation = 0;
    if (!Params(list).read("Group", group, "Nation", nation))
        return 0;
    return group.Valid() ? group.getUN(nation) : 0;
}

WARLOOM_EXPORT int GROUP_RemoveAllUnits(pParamList* list)
{
    pGroup group;
    if (!Params(list).read("Group", group) || !group.Valid())
        return 0;
    group.RemAllUnits();
    return 1;
}

WARLOOM_EXPORT int NATION_ClearSelection(pParamList* list)
{
    int32_t nation = 0;
    if (!Params(list).read("Nation", nation))
        return 0;
    pUnitsList selected = pSelected::units(nation);
    selected.Clear();
    pUnitsList secondSelection = pImSelected::units(nation);
    secondSelection.Clear();
    return 1;
}

// Releases the group from its behaviour and switches its guard flag off; 0 when there was none.
WARLOOM_EXPORT int GROUP_FreeFromFSM(pParamList* list)
{
    pGroup group;
    if (!Params(list).read("Group", group))
        return 0;
    if (!group.Valid() || !GameInterface::FreeSO_pVAR(group))
        return 0;
    group.setAIGuard(0);
    return 1;
}

WARLOOM_EXPORT int GROUP_ATTACK_GROUP(pParamList* list)
{
    pGroup attackers;
    pGroup targets;
    if (!Params(list).read("gAttack", attackers, "gTarget", targets))
        return 0;
    if (!attackers.Valid() || !targets.Valid())
        return 0;
    attackers.AttackUseNearest(targets);
    return 1;
}

// Attacks the enemies inside the node's circle; 1 also when there are none.
WARLOOM_EXPORT int GROUP_ATTACK_NODE(pParamList* list)
{
    pGroup group;
    iNode node;
    if (!Params(list).read("gGroup", group, "nNode", node))
        return 0;
    if (!group.Valid() || !node.Valid())
        return 0;
    pGroup enemies;
    enemies.CreateLocal();
    enemies.AddEnemyUnitsInZone(group.getNation(), node, false);
    if (enemies.getUN() > 0)
        group.AttackUseNearest(enemies);
    return 1;
}

WARLOOM_EXPORT int ADD_STORM(pParamList* list)
{
    pGroup group;
    if (!Params(list).read("gGroup", group) || !group.Valid())
        return 0;
    GameInterface::AddTomahawksAttackers(group, static_cast<uint8_t>(group.getNation()), true, 0, 0, 0);
    return 1;
}

// The target group is handed to the engine as it is, valid or not.
WARLOOM_EXPORT int GROUP_ATTACK_00(pParamList* list)
{
    pGroup attackers;
    pGroup targets;
    int32_t power = 0;
    if (!Params(list).read("gAttaker", attackers, "gTarget", targets, "iPower", power) || !attackers.Valid())
        return 0;
    attackers.Attack(targets, power);
    return 1;
}

WARLOOM_EXPORT int GROUP_EXPLORING_MAP(pParamList* list)
{
    pGroup group;
    if (!Params(list).read("gGroup", group) || !group.Valid())
        return 0;
    group.ExploringMap();
    return 1;
}
