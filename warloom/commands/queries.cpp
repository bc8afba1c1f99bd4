// Group queries: counters of a group, kills, a hero's level and two engine flags.
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using warloom::Params;

namespace {

// A counter of the group "Group"; 0 without it or for an invalid group.
template <int32_t (pGroup::*Counter)() const>
int groupCounter(pParamList* list)
{
    pGroup group;
    if (!Params(list).read("Group", group))
        return 0;
    return group.Valid() ? (group.*Counter)() : 0;
}

}  // namespace

WARLOOM_EXPORT int GET_NoOrders_UN(pParamList* list)
{
    return groupCounter<&pGroup::getNO_ORDERS_UN>(list);
}

WARLOOM_EXPORT int GET_Move_UN(pParamList* list)
{
    return groupCounter<&pGroup::getMOVE_UN>(list);
}

WARLOOM_EXPORT int GET_Attack_UN(pParamList* list)
{
    return groupCounter<&pGroup::getATTACK_UN>(list);
}

WARLOOM_EXPORT int GET_GroupHP(pParamList* list)
{
    return groupCounter<&pGroup::getHP>(list);
}

WARLOOM_EXPORT int GET_GroupDeadUN(pParamList* list)
{
    return groupCounter<&pGroup::getDeadUN>(list);
}

WARLOOM_EXPORT int GET_NKilled(pParamList* list)
{
    int32_t nation = 0;
    pUnitType type;
    if (!Params(list).read("Nation", nation, "UnitType", type))
        return 0;
    return GameInterface::GetNKilled(nation, type);
}

// The level of the group's one unit when it is a hero, else 0.
WARLOOM_EXPORT int GET_HeroLevel(pParamList* list)
{
    pGroup hero;
    if (!Params(list).read("gHero", hero))
        return 0;
    if (!hero.Valid() || hero.getUN() != 1 || !hero[0].isHero())
        return 0;
    return hero[0].GetHeroLevel();
}

WARLOOM_EXPORT int GET_InsideDialogState(pParamList*)
{
    return GameInterface::GetInsideDialogState() ? 1 : 0;
}

WARLOOM_EXPORT int GET_TankMode(pParamList*)
{
    return GameInterface::GetTankMode() ? 1 : 0;
}
