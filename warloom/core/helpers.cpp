#include "warloom/core/helpers.h"

#include <cmath>
#include <cstring>

#include "warloom/core/names.h"

namespace warloom {

namespace {

// The current node of GetNodeWrapped.
iNode g_currentNode;

constexpr int32_t kNations = 8;

iVector2D between(const iNode& from, const iNode& to)
{
    return iVector2D(to.getX() - from.getX(), to.getY() - from.getY());
}

int32_t countInZone(RoundZone& zone, int32_t nationMask, int32_t option)
{
    pUnitsList units;
    zone.CollectUnits(units, option);
    units.ExcludeByNMask(nationMask);
    units.RemoveDeadUnits();
    return units.Count();
}

bool insideSomeNode(pARRAY& nodes, pUnit& unit)
{
    const int32_t size = nodes.getSIZE();
    for (int32_t i = 0; i < size; ++i)
        if (nodes.getNODE(i).IsIn(unit))
            return true;
    return false;
}

// Parameter of the projection of w on the leg u; a leg of no length projects everything on its start.
float projection(float ux, float uy, float wx, float wy)
{
    const float length = ux * ux + uy * uy;
    return length == 0.0f ? 0.0f : (ux * wx + uy * wy) / length;
}

}  // namespace

int32_t SendGroupByRoute(pGroup& group, pARRAY& route)
{
    if (!group.Valid() || group.getUN() == 0)
        return 0;
    const int32_t x = group.getXc();
    const int32_t y = group.getYc();
    const int32_t size = route.getSIZE();
    int32_t best = -1;
    int32_t bestDistance = -1;
    for (int32_t i = 0; i < size - 2; ++i) {
        iNode start = route.getNODE(i);
        iNode end = route.getNODE(i + 1);
        if (!start.Valid() || !end.Valid())
            return 0;
        iVector2D segment = between(start, end);
        iVector2D toStart(start.getX() - x, start.getY() - y);
        if (GameInterface::DOT(segment, toStart) < 0)
            continue;
        const int32_t distance = GameInterface::NORMA(start.getX(), x, start.getY(), y);
        if (bestDistance == -1 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    if (best == -1) {
        iNode last = route.getNODE(size - 1);
        group.Send(last, kSendFlags, kFirstOrder);
        return 1;
    }
    for (int32_t j = best; j < size; ++j) {
        iNode node = route.getNODE(j);
        if (!node.Valid())
            return 0;
        group.Send(node, kSendFlags, j == best ? kFirstOrder : kQueuedOrder);
    }
    return 1;
}

bool SOGroupLost(pSMARTOBJECT& smartObject)
{
    pGroup group = smartObject.getOBJ_GROUP();
    if (!group.Valid())
        return true;
    if (group.getUN() != 0)
        return false;
    GameInterface::FreeSO_pVAR(group);
    pParamList params = smartObject.getPARAMS();
    params.CLEAR();
    return true;
}

int32_t CountUnitsInCircle(int32_t nationMask, int32_t x, int32_t y, int32_t r, int32_t extraRadius, int32_t option)
{
    RoundZone zone(x, y, r);
    zone.setR(zone.getR() + extraRadius);
    return countInZone(zone, nationMask, option);
}

int32_t CountUnitsInNode(int32_t nationMask, iNode& node, int32_t extraRadius, int32_t option)
{
    RoundZone zone(node);
    zone.setR(zone.getR() + extraRadius);
    return countInZone(zone, nationMask, option);
}

int32_t GroupInsideNodes(pGroup& group, pARRAY& nodes)
{
    if (!group.Valid() || !nodes.Valid())
        return 0;
    pUnit unit;
    group.ToBegin();
    while (group.Next(unit))
        if (!insideSomeNode(nodes, unit))
            return 0;
    return 1;
}

bool AnswerIsFree(pMSG& message, bool value)
{
    const char* name = message.str();
    if (!name || std::strcmp(name, msg::kIsFree) != 0)
        return false;
    pParamList params = message.getPARAMS();
    if (!params.Valid() || !params.check(var::kFree))
        return false;
    params.getBOOL(var::kFree) = value;
    return true;
}

int32_t SumPairCounts(pARRAY& pairs)
{
    if (!pairs.Valid() || pairs.getSIZE() <= 0)
        return 0;
    const int32_t pairCount = pairs.getSIZE() / 2;
    int32_t sum = 0;
    for (int32_t i = 0; i < pairCount; ++i)
        sum += pairs.getINT(2 * i + 1);
    return sum;
}

iNode GetNodeWrapped(pARRAY& array, int32_t index)
{
    if (array.Valid()) {
        const int32_t size = array.getSIZE();
        if (index < 0)
            index = size - 1;
        else if (index >= size)
            index = 0;
        g_currentNode = array.getNODE(index);
    }
    return g_currentNode;
}

int32_t FindRouteIndex(pARRAY& route, int32_t x, int32_t y, bool cyclic)
{
    if (!route.Valid())
        return -1;
    const int32_t size = route.getSIZE();
    int32_t nearest = -1;
    int32_t nearestDistance = 0;
    for (int32_t i = size - 1; i >= 0; --i) {
        const iNode node = route.getNODE(i);
        const int64_t dx = x - node.getX();
        const int64_t dy = y - node.getY();
        const auto distance = static_cast<int32_t>(std::sqrt(static_cast<float>(dx * dx + dy * dy)));
        if (nearest == -1 || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    const iNode nearestNode = route.getNODE(nearest);
    int32_t next = nearest + 1;
    if (next >= size)
        next = cyclic ? 0 : -1;
    if (next == -1)
        return nearest;
    iVector2D beyond(x - nearestNode.getX(), y - nearestNode.getY());
    iVector2D leg = between(nearestNode, route.getNODE(next));
    return GameInterface::DOT(beyond, leg) >= 0 ? next : nearest;
}

int32_t ProjectOnRoute(iNode& out, pGroup& group, iNode& previous, iNode& pivot, iNode& next)
{
    if (!out.Valid() || !group.Valid() || !previous.Valid() || !pivot.Valid() || !next.Valid())
        return 0;
    const auto u1x = static_cast<float>(previous.getX() - pivot.getX());
    const auto u1y = static_cast<float>(previous.getY() - pivot.getY());
    const auto u2x = static_cast<float>(next.getX() - pivot.getX());
    const auto u2y = static_cast<float>(next.getY() - pivot.getY());
    const auto wx = static_cast<float>(group.getXc() - pivot.getX());
    const auto wy = static_cast<float>(group.getYc() - pivot.getY());
    const float t1 = projection(u1x, u1y, wx, wy);
    const float t2 = projection(u2x, u2y, wx, wy);
    const bool nextSide = t1 < t2;
    float t = nextSide ? t2 : t1;
    t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
    out.setX(static_cast<int32_t>(static_cast<float>(pivot.getX()) + (nextSide ? u2x : u1x) * t));
    out.setY(static_cast<int32_t>(static_cast<float>(pivot.getY()) + (nextSide ? u2y : u1y) * t));
    return 1;
}

bool PickTargetArea(pSMARTOBJECT& smartObject, const char* variable)
{
    pGroup group = smartObject.getOBJ_GROUP();
    pParamList params = smartObject.getPARAMS();
    if (!group.Valid() || !params.Valid())
        return false;
    if (!params.check(variable) || params.getINT(variable) != -1)
        return false;
    const int32_t area = FindWeakestEnemyArea(group, 1);
    if (area == -1)
        return false;
    params.getINT(variable) = area;
    return true;
}

int32_t FindWeakestEnemyArea(pGroup& group, int32_t mode)
{
    if (!group.Valid() || group.getUN() <= 0)
        return -1;
    wl_CAreaListPowerData reachable;
    if (!reachable.create(group))
        return -1;
    const int32_t lockType = group.getLockType();
    wl_CTotalALPD total;
    int32_t result = -1;
    for (int32_t nation = 0; nation < kNations; ++nation) {
        if ((group.getNMASK() & GameInterface::GetNationMask(nation)) != 0)
            continue;
        if (total.create(lockType, nation, mode))
            result = FindWeakestAreaInTotal(total, -1);
    }
    return result;
}

int32_t FindWeakestAreaInTotal(wl_CTotalALPD& total, int32_t threshold)
{
    int32_t best = -1;
    for (int32_t i = 0; i < total.getN(); ++i) {
        const wl_CAreaListPowerData* entry = total.getALPD(i);
        if (!entry)
            continue;
        if (threshold == -1 || entry->getUnitsDefencePOWER() < threshold) {
            threshold = entry->getUnitsDefencePOWER();
            best = i;
        }
    }
    return best == -1 ? -1 : total.getALPD(best)->getWeakestAST_AID();
}

}  // namespace warloom
