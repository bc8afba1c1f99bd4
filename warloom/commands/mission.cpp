// Mission commands: allies near the hero joining it at random, a group's hit points, clearing a
// circle, groups sent or created and sent along a way of nodes, and a nation's living space.
#include "warloom/core/each_unit.h"
#include "warloom/core/helpers.h"
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using warloom::Params;

namespace {

// The engine's placement of a new formation, passed on as it stands.
constexpr auto kPlacement = static_cast<directions_list>(512);
constexpr int32_t kAllUnits = 1;

// The settings shared by both join commands, read in the order the commands take them.
struct JoinSettings {
    pGroup hero;
    iNode heroNode;
    int32_t ally = 0;
    int32_t chance = 0;
};

// Each candidate, in list order, joins the hero's nation when a draw of 0 to 100 is at or below the
// chance; it goes to `joined` or to `stayed`.
void drawSides(pUnitsList& candidates, int32_t heroNation, int32_t chance, pUnitsList& joined, pUnitsList& stayed)
{
    warloom::forEachUnit(candidates, [&](pUnit& unit) {
        if (GameInterface::random(0, 100) <= chance) {
            unit.SetNation(static_cast<uint8_t>(heroNation));
            unit.ClearOrders();
            joined += unit;
        } else {
            stayed += unit;
        }
    });
}

// An optional destination group takes the units; when its flag is present and false it is emptied first.
void handOver(Params& params, const char* groupName, const char* keepName, pUnitsList& units)
{
    pGroup group;
    if (!params.has(groupName) || !params.read(groupName, group))
        return;
    bool keep = true;
    if (params.has(keepName))
        params.read(keepName, keep);
    if (!keep)
        group.RemAllUnits();
    warloom::forEachUnit(units, [&](pUnit& unit) { group.AddUnitGID(unit.GetGID()); });
}

// Living units of the ally nation (and of a type, when given) in the hero's circle change sides at random.
void joinAllies(Params& params, const JoinSettings& settings, pUnitType* type)
{
    const int32_t heroNation = settings.hero.getNation();
    RoundZone zone(settings.heroNode);
    pUnitsList candidates;
    zone.CollectUnits(candidates, kAllUnits);
    candidates.LimitByNation(settings.ally);
    if (type)
        candidates.LimitByType(*type);
    candidates.RemoveDeadUnits();
    pUnitsList joined;
    pUnitsList stayed;
    drawSides(candidates, heroNation, settings.chance, joined, stayed);
    handOver(params, "dstGroup", "addUnits", joined);
    handOver(params, "regGroup", "addRegUnits", stayed);
}

}  // namespace

// Always 0: a script learns the outcome from the optional groups.
WARLOOM_EXPORT int MISS01_JoinAllyNearHero(pParamList* list)
{
    Params params(list);
    JoinSettings settings;
    if (!params.read("gHero", settings.hero, "nHero", settings.heroNode, "iAllyNI", settings.ally, "iRandPow",
                     settings.chance))
        return 0;
    joinAllies(params, settings, nullptr);
    return 0;
}

WARLOOM_EXPORT int MISS01_JoinAllyTypeNearHero(pParamList* list)
{
    Params params(list);
    JoinSettings settings;
    pUnitType type;
    if (!params.read("gHero", settings.hero, "nHero", settings.heroNode, "iAllyNI", settings.ally, "iUnitType", type,
                     "iRandPow", settings.chance))
        return 0;
    joinAllies(params, settings, &type);
    return 1;
}

WARLOOM_EXPORT int MISS01_SetGroupHP(pParamList* list)
{
    pGroup group;
    int32_t hp = 0;
    if (!Params(list).read("Group", group, "HP", hp))
        return 0;
    group.setHP(hp);
    return 1;
}

// Erases every living unit in the node's circle, of every nation.
WARLOOM_EXPORT int MISS01_ErazeAllUnitsInZone(pParamList* list)
{
    iNode node;
    if (!Params(list).read("Node", node))
        return 0;
    RoundZone zone(node);
    pUnitsList units;
    zone.CollectUnits(units, kAllUnits);
    units.RemoveDeadUnits();
    warloom::forEachUnit(units, [](pUnit& unit) { unit.Erase(); });
    return 1;
}

WARLOOM_EXPORT int MISS01_SendGroupByWay(pParamList* list)
{
    pGroup group;
    pARRAY way;
    if (!Params(list).read("Group", group, "PosArr", way))
        return 0;
    return warloom::SendGroupByRoute(group, way);
}

// A formation made at the first node of the way and sent along it.
WARLOOM_EXPORT int MISS01_CreateAndSendByWay(pParamList* list)
{
    pARRAY way;
    int32_t nation = 0;
    pUnitType type;
    int32_t formation = 0;
    if (!Params(list).read("PosArr", way, "Nation", nation, "UnitType", type, "FormationType", formation))
        return 0;
    iNode start = way.getNODE(0);
    if (!start.Valid())
        return 0;
    pGroup created;
    GameInterface::CreateFormation(created, start.getX(), start.getY(), static_cast<uint8_t>(nation), type, formation,
                                   false, kPlacement);
    warloom::SendGroupByRoute(created, way);
    return 1;
}

WARLOOM_EXPORT int MISS03_SetLivingSpace(pParamList* list)
{
    int32_t nation = 0;
    int32_t livingSpace = 0;
    bool set = false;
    if (!Params(list).read("iNation", nation, "iLivingSpace", livingSpace, "bSET", set))
        return 0;
    return GameInterface::SetAddFarms(nation, livingSpace, set);
}
