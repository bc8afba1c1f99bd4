// Link and setting commands: nodes moved, resized or tied to a group, units' nation masks, and flags
// on groups, heroes and the game.
#include "warloom/core/each_unit.h"
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using warloom::Params;

namespace {

// The engine's alert duration for a nation's attention marker.
constexpr int32_t kAlertDuration = 15360;

// Calls `give` for every hero unit of a group.
template <class Give>
void forEachHero(pGroup& group, Give give)
{
    warloom::forEachUnit(group, [&](pUnit& unit) {
        if (unit.isHero())
            give(unit);
    });
}

void giveMask(pGroup& group, int32_t mask)
{
    warloom::forEachUnit(group, [&](pUnit& unit) { unit.SetMask(mask); });
}

// Reads a node and one INT, and sets that coordinate of a valid node.
int setNodeValue(pParamList* list, const char* name, void (iNode::*set)(int32_t))
{
    iNode node;
    int32_t value = 0;
    if (!Params(list).read("nNode", node, name, value) || !node.Valid())
        return 0;
    (node.*set)(value);
    return 1;
}

}  // namespace

// The node's centre becomes the group's; its radius stays.
WARLOOM_EXPORT int LINC_NODE_TO_GROUP(pParamList* list)
{
    pGroup group;
    iNode node;
    if (!Params(list).read("gGroup", group, "nNode", node) || !group.Valid() || !node.Valid())
        return 0;
    node.setX(group.getXc());
    node.setY(group.getYc());
    return 1;
}

WARLOOM_EXPORT int SET_NODE_X(pParamList* list)
{
    return setNodeValue(list, "iX", &iNode::setX);
}

WARLOOM_EXPORT int SET_NODE_Y(pParamList* list)
{
    return setNodeValue(list, "iY", &iNode::setY);
}

WARLOOM_EXPORT int SET_NODE_R(pParamList* list)
{
    return setNodeValue(list, "iR", &iNode::setR);
}

WARLOOM_EXPORT int SET_NODE(pParamList* list)
{
    iNode node;
    int32_t x = 0;
    int32_t y = 0;
    int32_t r = 0;
    if (!Params(list).read("nNode", node, "iX", x, "iY", y, "iR", r) || !node.Valid())
        return 0;
    node.setX(x);
    node.setY(y);
    node.setR(r);
    return 1;
}

// Every unit of the group gets the mask; 1 when done, as SET_NMASK_ARRAY answers.
WARLOOM_EXPORT int SET_NMASK(pParamList* list)
{
    pGroup group;
    int32_t mask = 0;
    if (!Params(list).read("gGroup", group, "iNMASK", mask) || !group.Valid())
        return 0;
    giveMask(group, mask);
    return 1;
}

WARLOOM_EXPORT int SET_NMASK_ARRAY(pParamList* list)
{
    pARRAY groups;
    int32_t mask = 0;
    if (!Params(list).read("arrGroups", groups, "iNMASK", mask) || !groups.Valid() || groups.getSIZE() <= 0)
        return 0;
    for (int32_t i = 0; i < groups.getSIZE(); ++i) {
        pGroup group = groups.getGROUP(i);
        if (group.Valid())
            giveMask(group, mask);
    }
    return 1;
}

WARLOOM_EXPORT int SET_StendGround(pParamList* list)
{
    pGroup group;
    bool state = false;
    if (!Params(list).read("gGroup", group, "bState", state) || !group.Valid())
        return 0;
    group.setStandGround(state);
    return 1;
}

WARLOOM_EXPORT int SET_GROUP_EXPA(pParamList* list)
{
    pGroup group;
    int32_t experience = 0;
    if (!Params(list).read("gGroup", group, "iExpa", experience) || !group.Valid())
        return 0;
    forEachHero(group, [&](pUnit& hero) { hero.GiveExpa(experience); });
    return 1;
}

WARLOOM_EXPORT int SET_ALERT(pParamList* list)
{
    iNode node;
    int32_t nation = 0;
    if (!Params(list).read("Node", node, "Nation", nation) || !node.Valid())
        return 0;
    GameInterface::AlertOnMap(node.getX(), node.getY(), kAlertDuration, nation);
    return 1;
}

WARLOOM_EXPORT int SET_DisableCapturability(pParamList* list)
{
    pGroup group;
    if (!Params(list).read("Group", group) || !group.Valid())
        return 0;
    group.setCapturability(false);
    return 1;
}

WARLOOM_EXPORT int SET_InsideDialogState(pParamList* list)
{
    bool state = false;
    if (!Params(list).read("State", state))
        return 0;
    GameInterface::SetInsideDialogState(state);
    return 1;
}

WARLOOM_EXPORT int SET_HeroColectExpaStatus(pParamList* list)
{
    pGroup group;
    bool state = false;
    if (!Params(list).read("gHero", group, "State", state) || !group.Valid())
        return 0;
    forEachHero(group, [&](pUnit& hero) { hero.SetHeroCollectExpaStatus(state); });
    return 1;
}

WARLOOM_EXPORT int SET_SwithTankMode(pParamList*)
{
    GameInterface::SwithTankMode();
    return 1;
}
