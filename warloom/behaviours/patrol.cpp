// Patrol: a group walks a route of nodes as a closed loop, node after node, and fights the enemies it
// meets around a watch point that slides along the route beside it.
#include "warloom/behaviours/conventions.h"
#include "warloom/core/helpers.h"
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using namespace warloom;

namespace {

constexpr const char* kRoute = "arrNode";
constexpr const char* kRadius = "iR";
constexpr const char* kAddRadius = "iAddR";
constexpr const char* kWatchPoint = "nNode";
constexpr const char* kNodeIndex = "iNID";

constexpr int32_t kDefaultRadius = 500;
constexpr int32_t kAllUnits = 1;
constexpr int32_t kSendKind = 13;
constexpr bool kLoop = true;
// A group moves on once this share of it stands idle.
constexpr float kIdleShare = 0.8f;

int32_t routeIndex(Machine& m)
{
    pARRAY route = m.params.getARRAY(kRoute);
    return FindRouteIndex(route, m.group.getXc(), m.group.getYc(), kLoop);
}

// Puts the watch point on the route leg beside the group's centre.
void moveWatchPoint(Machine& m)
{
    pARRAY route = m.params.getARRAY(kRoute);
    const int32_t heading = FindRouteIndex(route, m.group.getXc(), m.group.getYc(), kLoop);
    iNode previous = GetNodeWrapped(route, heading - 1);
    iNode pivot = GetNodeWrapped(route, heading);
    iNode next = GetNodeWrapped(route, heading + 1);
    iNode watch = m.params.getNODE(kWatchPoint);
    ProjectOnRoute(watch, m.group, previous, pivot, next);
}

int32_t enemiesAtWatchPoint(Machine& m, int32_t extra)
{
    iNode watch = m.params.getNODE(kWatchPoint);
    return CountUnitsInNode(m.group.getNMASK(), watch, extra, kAllUnits);
}

int patrolGlobal(Machine& m)
{
    if (!m.is(msg::kEnter))
        return 1;
    pParamList& p = m.params;
    if (!p.check(var::kEnemyGroup))
        p.addGROUP(var::kEnemyGroup);
    iNode watch = p.check(kWatchPoint) ? p.getNODE(kWatchPoint) : p.addNODE(kWatchPoint);
    watch.setX(m.group.getXc());
    watch.setY(m.group.getYc());
    watch.setR(p.check(kRadius) ? p.getINT(kRadius) : kDefaultRadius);
    if (!p.check(kNodeIndex)) {
        pARRAY route = p.getARRAY(kRoute);
        const int32_t index = p.check(kRoute) ? FindRouteIndex(route, watch.getX(), watch.getY(), kLoop) : -1;
        p.addINT(kNodeIndex) = index;
    }
    m.changeTo(state::kIdle);
    return 1;
}

// With most of the group idle, the next orders go to the node being walked to; once the group stands
// at it, the index moves on (the orders of this update still name the node reached).
void walkOn(Machine& m, int32_t units)
{
    pARRAY route = m.params.getARRAY(kRoute);
    int32_t& index = m.params.getINT(kNodeIndex);
    iNode target = route.getNODE(index);
    const bool arrived = m.group.getUN(target) == units ||
                         GameInterface::NORMA(target.getX(), m.group.getXc(), target.getY(), m.group.getYc()) <=
                             target.getR();
    if (arrived && ++index >= route.getSIZE())
        index = 0;
    m.group.setDestDelta(target.getR());
    for (int32_t i = 0; i < units; ++i)
        m.group.SendID(target, kSendKind, i, kSendFlags, kFirstOrder, false, false);
}

int patrolIdle(Machine& m)
{
    moveWatchPoint(m);
    if (m.is(msg::kEnter)) {
        m.group.setSearchEnemy(false);
        m.group.ClearOrders();
        m.params.getINT(kNodeIndex) = routeIndex(m);
    } else if (m.is(msg::kUpdate)) {
        const int32_t units = m.group.getUN();
        if (enemiesAtWatchPoint(m, 0) > 0 || m.group.getUnderAttack())
            m.changeTo(state::kAttack);
        else if (m.group.getNO_ORDERS_UN() >= static_cast<int32_t>(static_cast<float>(units) * kIdleShare + 0.5f))
            walkOn(m, units);
    } else if (m.is(msg::kExit)) {
        m.group.ClearOrders();
    }
    return 1;
}

int patrolAttack(Machine& m)
{
    moveWatchPoint(m);
    const int32_t a = m.params.getINT(kAddRadius);
    iNode watch = m.params.getNODE(kWatchPoint);
    if (m.is(msg::kEnter)) {
        engageEnter(m, false);
    } else if (m.is(msg::kCreateEnemies)) {
        enemyGroup(m).AddEnemyUnitsInZone(m.group.getNation(), watch.getX(), watch.getY(), watch.getR() + 2 * a, false);
        engageAfterFill(m);
    } else if (m.is(msg::kAttackEnemies)) {
        engageAttack(m);
    } else if (m.is(msg::kUpdate)) {
        const int32_t near = enemiesAtWatchPoint(m, a);
        if (near == 0 || !m.group.getAttackPossibility(watch, a))
            m.changeTo(state::kIdle);
        else if (engagementStale(m, near, near))
            m.sendSelf(msg::kCreateEnemies);
    } else if (m.is(msg::kExit)) {
        engageExit(m);
    } else {
        return 0;
    }
    return 1;
}

const StateRoute kPatrolStates[] = {
    {state::kGlobal, patrolGlobal},
    {state::kIdle, patrolIdle},
    {state::kAttack, patrolAttack},
};

}  // namespace

WARLOOM_EXPORT int ACF_PatrolZone00(pParamList* list)
{
    pGroup group;
    if (!Params(list).read(var::kObject, group))
        return 0;
    Binding binding = beginBinding(group, {kind::kPatrol, false, true, true, false});
    if (binding.outcome != Bound::Fresh)
        return binding.outcome == Bound::AlreadyRunning ? 1 : 0;
    copyInt(binding.params, *list, kRadius);
    copyInt(binding.params, *list, kAddRadius);
    binding.params.addARRAY(kRoute);
    if (list->check(kRoute))
        binding.params.setREF(kRoute, list->getARRAY(kRoute));
    else
        binding.params.setREF(kRoute, nullptr);
    return startMachine(binding.smartObject);
}

WARLOOM_EXPORT int FSM_PatrolZone_00(pSMARTOBJECT& so, _str& state, pMSG& message)
{
    return dispatch(so, state, message, kPatrolStates);
}
