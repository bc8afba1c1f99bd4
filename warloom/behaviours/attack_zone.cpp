// Attack zone: a group pushes forward while it fights, to a destination node or along a route of
// nodes (optionally a loop), the engine picking targets and the machine re-ordering idle units.
#include "warloom/behaviours/conventions.h"
#include "warloom/core/helpers.h"
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using namespace warloom;

namespace {

constexpr const char* kWait = "wait";
constexpr const char* kDestination = "destNode";
constexpr const char* kRoute = "arryNode";
constexpr const char* kDestDelta = "iDestDelta";
constexpr const char* kLoop = "bCiclik";
constexpr const char* kTick = "tick";
constexpr const char* kWayType = "wayType";
constexpr const char* kLongestLeg = "maxD";

enum WayType : int32_t { kToDestination = 0, kAlongRoute = 1, kAttackOnly = 2 };

constexpr int32_t kDefaultWait = 10;
constexpr int32_t kDefaultDestDelta = 128;
constexpr int32_t kFullAttack = 15;
constexpr int32_t kIdleAttack = 0;
constexpr int32_t kSendKind = 13;
constexpr int32_t kHalt = 100;
// Order bits of units that are busy moving or fighting.
constexpr int32_t kBusyOrders = 1 | 4;
constexpr int32_t kNearRadius = 300;
constexpr int32_t kMarkTimeChance = 300;
constexpr int32_t kMarkTimeLength = 20;

int32_t distance(const iNode& a, const iNode& b)
{
    return GameInterface::NORMA(a.getX(), b.getX(), a.getY(), b.getY());
}

bool isHalt(const iNode& node)
{
    return node.getSFR() == kHalt;
}

bool looping(pParamList& params)
{
    return params.check(kLoop) && params.getBOOL(kLoop);
}

// The longest distance between consecutive route nodes, the closing leg of a loop included.
int32_t longestLeg(pParamList& params)
{
    pARRAY route = params.getARRAY(kRoute);
    const int32_t size = route.getSIZE();
    int32_t longest = looping(params) ? distance(route.getNODE(0), route.getNODE(size - 1)) : 0;
    for (int32_t i = 0; i + 1 < size; ++i) {
        const int32_t leg = distance(route.getNODE(i), route.getNODE(i + 1));
        if (longest == 0 || longest < leg)
            longest = leg;
    }
    return longest;
}

int attackGlobal(Machine& m)
{
    if (!m.is(msg::kEnter))
        return 1;
    pParamList& p = m.params;
    m.group.setDestDelta(p.check(kDestDelta) ? p.getINT(kDestDelta) : kDefaultDestDelta);
    if (!p.check(kWait))
        p.addINT(kWait) = kDefaultWait;
    p.addINT(kTick) = p.getINT(kWait);
    const int32_t wayType = p.check(kDestination) ? kToDestination : p.check(kRoute) ? kAlongRoute : kAttackOnly;
    p.addINT(kWayType) = wayType;
    if (wayType == kAlongRoute) {
        p.addINT(kLongestLeg) = 0;
        p.getINT(kLongestLeg) = longestLeg(p);
    }
    m.changeTo(state::kAttack);
    return 1;
}

// One re-ordering pass over the units, from the last to the first.
class MovementPass {
public:
    MovementPass(Machine& m, bool bad)
        : m_machine(m), m_params(m.params), m_bad(bad), m_route(m.params.getARRAY(kRoute)),
          m_toDestination(m.params.getINT(kWayType) == kToDestination),
          m_size(m_toDestination ? 0 : m_route.getSIZE())
    {
    }

    void run()
    {
        for (int32_t i = m_machine.group.getUN() - 1; i >= 0; --i)
            if (m_bad || (m_machine.group.getORDERi(i) & kBusyOrders) == 0)
                orderUnit(i);
    }

private:
    void orderUnit(int32_t unit)
    {
        const int32_t x = m_machine.group.getXi(unit);
        const int32_t y = m_machine.group.getYi(unit);
        if (!m_toDestination)
            searchFrom(x, y);
        if (!m_toDestination && m_lastIndex < 0)
            return;  // a route without a node to head for gives no order
        iNode target = m_toDestination ? m_params.getNODE(kDestination) : m_route.getNODE(m_lastIndex);
        if (target.getR() >= m_maxR)
            m_maxR = target.getR();
        const bool near = GameInterface::NORMA(x, target.getX(), y, target.getY()) <= m_maxR;
        m_sent = 0;
        if (m_toDestination)
            orderToDestination(unit, target, near);
        else
            orderAlongRoute(unit, near);
    }

    // Units standing close together share one search for the node they head for.
    void searchFrom(int32_t x, int32_t y)
    {
        const int64_t product = static_cast<int64_t>(m_lastIndex) * m_lastX * m_lastY;
        if (product >= 0 && GameInterface::NORMA(m_lastX, x, m_lastY, y) <= m_maxR)
            return;
        m_lastX = x;
        m_lastY = y;
        m_lastIndex = FindRouteIndex(m_route, x, y, looping(m_params));
    }

    void send(int32_t unit, iNode& node)
    {
        m_machine.group.SendID(node, kSendKind, unit, kSendFlags, m_sent++ == 0 ? kFirstOrder : kQueuedOrder, false,
                               false);
    }

    // Waypoints from `first` to the route's end, stopping before a halt; `exempt` is never a stop.
    void sendChain(int32_t unit, int32_t first, int32_t exempt)
    {
        for (int32_t j = first; j < m_size; ++j) {
            iNode node = m_route.getNODE(j);
            if (isHalt(node) && j != exempt)
                return;
            send(unit, node);
        }
    }

    void orderAlongRoute(int32_t unit, bool near)
    {
        const int32_t last = m_size - 1;
        if (m_lastIndex < last) {
            sendChain(unit, m_lastIndex, m_lastIndex);
        } else if (near) {
            if (looping(m_params))
                sendChain(unit, 0, last);
        } else {
            iNode end = m_route.getNODE(last);
            if (!isHalt(end))
                send(unit, end);
        }
    }

    void orderToDestination(int32_t unit, iNode& destination, bool near)
    {
        if (!near)
            send(unit, destination);
        else if (GameInterface::random(kMarkTimeChance) == 0)
            m_machine.group.MarkTime(destination, kMarkTimeLength);
    }

    Machine& m_machine;
    pParamList& m_params;
    const bool m_bad;
    pARRAY m_route;
    const bool m_toDestination;
    const int32_t m_size;
    int32_t m_maxR = kNearRadius;
    int32_t m_lastIndex = -1;
    int32_t m_lastX = -1;
    int32_t m_lastY = -1;
    int32_t m_sent = 0;
};

void giveAttackOrder(Machine& m, int32_t kind)
{
    if (m.params.getINT(kWayType) == kAlongRoute) {
        pARRAY route = m.params.getARRAY(kRoute);
        m.group.AttackUseIDS(kind, true, m.params.getINT(kLongestLeg), route);
    } else {
        m.group.AttackUseIDS(kind, false, 0);
    }
}

int attackUpdate(Machine& m)
{
    if (!m.is(msg::kUpdate))
        return 1;
    pParamList& p = m.params;
    const int32_t tick = --p.getINT(kTick);
    const int32_t wayType = p.getINT(kWayType);
    bool bad = false;
    if (wayType == kAlongRoute) {
        pARRAY route = p.getARRAY(kRoute);
        bad = GameInterface::MarkBadNode(route, m.group.getLockType(), m.group.getNation(), false);
    }
    const bool idle = m.group.getNO_ORDERS_UN() > 0 && tick > 0;
    if (tick > 0 && !bad && !idle)
        return 1;
    if (tick <= 0)
        giveAttackOrder(m, kFullAttack);
    else if (idle)
        giveAttackOrder(m, kIdleAttack);
    if (wayType != kAttackOnly)
        MovementPass(m, bad).run();
    p.getINT(kTick) = p.getINT(kWait);
    return 1;
}

const StateRoute kAttackStates[] = {
    {state::kGlobal, attackGlobal},
    {state::kAttack, attackUpdate},
};

// Steps up to attaching the group; a group that cannot be attached gives 0.
Binding bindAttack(pParamList* list)
{
    pGroup group;
    if (!Params(list).read(var::kObject, group))
        return Binding{};
    return beginBinding(group, {kind::kAttackZone, false, false, true, true});
}

void linkLive(pParamList& into, pParamList& from, const char* name, bool node)
{
    if (!from.check(name))
        return;
    if (node)
        into.addNODE(name);
    else
        into.addINT(name);
    into.setREF(name, from.getVOID(name));
}

}  // namespace

WARLOOM_EXPORT int ACF_AttackZone00(pParamList* list)
{
    Binding binding = bindAttack(list);
    if (binding.outcome != Bound::Fresh)
        return binding.outcome == Bound::AlreadyRunning ? 1 : 0;
    copyInt(binding.params, *list, kWait);
    linkLive(binding.params, *list, kDestination, true);
    return startMachine(binding.smartObject);
}

WARLOOM_EXPORT int ACF_AttackZone01(pParamList* list)
{
    Binding binding = bindAttack(list);
    if (binding.outcome != Bound::Fresh)
        return binding.outcome == Bound::AlreadyRunning ? 1 : 0;
    linkLive(binding.params, *list, kWait, false);
    bindArray(binding.params, *list, kRoute);
    copyInt(binding.params, *list, kDestDelta);
    copyBool(binding.params, *list, kLoop);
    return startMachine(binding.smartObject);
}

WARLOOM_EXPORT int FSM_AttackZone_00(pSMARTOBJECT& so, _str& state, pMSG& message)
{
    return dispatch(so, state, message, kAttackStates);
}
