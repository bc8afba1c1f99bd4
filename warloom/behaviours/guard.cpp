// Guard and ambush: a group holds its post (where it stood, or a node given by the script), fights
// what comes near and walks back to its recorded spots. The multi-zone ambush supervises a group,
// moving it between a guard at its place and an ambush on whichever watched node enemies enter.
#include <string>

#include "warloom/behaviours/conventions.h"
#include "warloom/behaviours/guard.h"
#include "warloom/core/helpers.h"
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using namespace warloom;

WARLOOM_EXPORT int ACF_GuardZone00(pParamList* list);
WARLOOM_EXPORT int ACF_AmbushZone00(pParamList* list);

namespace {

constexpr const char* kGuardNode = "GuardNode";
constexpr const char* kRadius = "R";
constexpr const char* kAddRadius = "iAddR";
constexpr const char* kZoneMode = "bGuardZone";
constexpr const char* kMarkDelay = "MarkDelay";
constexpr const char* kSecured = "SecuredGroup";
constexpr const char* kNewPositions = "bNewPos";
constexpr const char* kPositions = "arrGrpPos";
constexpr const char* kInstanceName = "soName";
constexpr const char* kWatchedNodes = "arrNode";

constexpr int32_t kDefaultRadius = 500;
constexpr int32_t kDefaultAddRadius = 500;
constexpr int32_t kGuardMarkDelay = 300;
constexpr int32_t kNoMarking = -1;
constexpr int32_t kSpotRadius = 250;
constexpr int32_t kMarkTimeLength = 20;
constexpr int32_t kAllUnits = 1;
constexpr int32_t kFighters = 2;

// --- Binders

void writeInstanceName(pParamList& list, pSMARTOBJECT& smartObject)
{
    if (list.check(kInstanceName))
        list.getSTR(kInstanceName) = smartObject.getName();
}

// A guard (or, with `ambush`, an ambush on the list's "GuardNode") for the group, with the list's settings.
int bindPost(pGroup& group, pParamList& list, bool ambush)
{
    if (!list.Valid())
        return 0;
    const BindingRules rules{ambush ? kind::kAmbush : kind::kGuard, true, true, true, false};
    Binding binding = beginBinding(group, rules);
    if (binding.outcome != Bound::Fresh)
        return binding.outcome == Bound::AlreadyRunning ? 1 : 0;
    pParamList& params = binding.params;
    if (ambush)
        bindNode(params, list, kGuardNode);
    copyBool(params, list, kZoneMode);
    copyInt(params, list, kRadius);
    copyInt(params, list, kAddRadius);
    copyBool(params, list, kNewPositions);
    writeInstanceName(list, binding.smartObject);
    params.addINT(kMarkDelay) = ambush ? kNoMarking : kGuardMarkDelay;
    if (!ambush) {
        copyInt(params, list, kMarkDelay);
        bindGroup(params, list, kSecured);
    }
    return startMachine(binding.smartObject);
}

// The binding call of a guard or ambush whose list holds the group as "Object".
int bindObject(pParamList* list, bool ambush)
{
    pGroup group;
    if (!Params(list).read(var::kObject, group))
        return 0;
    return bindPost(group, *list, ambush);
}

// --- Shorthands of the post GN and its extra radius a.

int32_t addRadius(Machine& m)
{
    return m.params.getINT(kAddRadius);
}

// Living units not of the group's nations in the post widened by `extra`, by collect option.
int32_t count(Machine& m, int32_t extra, int32_t option)
{
    iNode post = m.params.getNODE(kGuardNode);
    return CountUnitsInNode(m.group.getNMASK(), post, extra, option);
}

bool reach(Machine& m, int32_t extra)
{
    iNode post = m.params.getNODE(kGuardNode);
    return m.group.getAttackPossibility(post, extra);
}

bool securedGroupAttacked(Machine& m)
{
    return m.params.check(kSecured) && m.params.getGROUP(kSecured).getUnderAttack();
}

// --- States

void recordPositions(Machine& m, pARRAY& positions)
{
    pParamList spots = positions.getParamList();
    for (int32_t i = 0; i < m.group.getUN(); ++i) {
        iNode spot = spots.addNODE(std::to_string(i).c_str());
        spot.setX(m.group.getXi(i));
        spot.setY(m.group.getYi(i));
        spot.setR(kSpotRadius);
        spot.setDIR(m.group.getDIRi(i));
    }
}

void addPostDefaults(Machine& m)
{
    pParamList& p = m.params;
    if (!p.check(kGuardNode)) {
        iNode post = p.addNODE(kGuardNode);
        post.setX(m.group.getXc());
        post.setY(m.group.getYc());
        post.setR(p.check(kRadius) ? p.getINT(kRadius) : kDefaultRadius);
    }
    if (!p.check(kAddRadius))
        p.addINT(kAddRadius) = kDefaultAddRadius;
    if (!p.check(kZoneMode))
        p.addBOOL(kZoneMode) = false;
    if (!p.check(var::kEnemyGroup))
        p.addGROUP(var::kEnemyGroup);
}

int postGlobal(Machine& m)
{
    if (!m.is(msg::kEnter))
        return 1;
    addPostDefaults(m);
    pParamList& p = m.params;
    const bool fresh = p.check(kNewPositions) ? p.getBOOL(kNewPositions) : true;
    pARRAY positions = p.check(kPositions) ? p.getARRAY(kPositions) : p.addARRAY(kPositions);
    if (fresh) {
        positions.CLEAR();
        recordPositions(m, positions);
    }
    if (p.check(kNewPositions))
        p.getBOOL(kNewPositions) = false;
    m.changeTo(state::kIdle);
    return 1;
}

bool idleCalledOut(Machine& m)
{
    const int32_t a = addRadius(m);
    const bool zoneMode = m.params.getBOOL(kZoneMode);
    if (count(m, 0, kFighters) != 0 && reach(m, 2 * a))
        return true;
    if (!zoneMode && m.group.getUnderAttack() && count(m, 2 * a, kAllUnits) != 0 && reach(m, 2 * a))
        return true;
    if (zoneMode && (m.group.getUnderAttack() || count(m, 0, kAllUnits) != 0) && reach(m, 2 * a))
        return true;
    return securedGroupAttacked(m);
}

void markTimeNowAndThen(Machine& m)
{
    if (!m.params.check(kMarkDelay) || m.params.getINT(kMarkDelay) == kNoMarking)
        return;
    if (GameInterface::random(m.params.getINT(kMarkDelay)) == 0) {
        iNode post = m.params.getNODE(kGuardNode);
        m.group.MarkTime(post, kMarkTimeLength);
    }
}

int postIdle(Machine& m)
{
    if (m.is(msg::kEnter)) {
        m.group.setSearchEnemy(false);
        m.group.setAIGuard(m.params.getBOOL(kZoneMode) ? 0 : 1);
    } else if (m.is(msg::kUpdate)) {
        if (idleCalledOut(m))
            m.changeTo(state::kAttack);
        else
            markTimeNowAndThen(m);
    }
    return 1;
}

int postAttack(Machine& m)
{
    const int32_t a = addRadius(m);
    if (m.is(msg::kEnter)) {
        engageEnter(m, true);
    } else if (m.is(msg::kCreateEnemies)) {
        iNode post = m.params.getNODE(kGuardNode);
        enemyGroup(m).AddEnemyUnitsInZone(m.group.getNation(), post, 2 * a, false);
        engageAfterFill(m);
    } else if (m.is(msg::kAttackEnemies)) {
        engageAttack(m);
    } else if (m.is(msg::kUpdate)) {
        const int32_t near = count(m, 2 * a, kAllUnits);
        const int32_t fighting = count(m, 2 * a, kFighters);
        if (near + fighting == 0 || !reach(m, 2 * a))
            m.changeTo(state::kBack);
        else if (engagementStale(m, near, fighting))
            m.sendSelf(msg::kCreateEnemies);
    } else if (m.is(msg::kExit)) {
        engageExit(m, kSecured);
    }
    return 1;
}

// Walks the whole group to the post, then every recorded unit to its own spot and facing.
void returnToSpots(Machine& m)
{
    iNode post = m.params.getNODE(kGuardNode);
    m.group.Send(post, kSendFlags, kFirstOrder);
    if (!m.params.check(kPositions))
        return;
    pARRAY positions = m.params.getARRAY(kPositions);
    const int32_t size = positions.getSIZE();
    const int32_t units = m.group.getUN();
    for (int32_t i = 0; i < size && i < units; ++i) {
        iNode spot = positions.getNODE(i);
        if (spot.Valid())
            m.group.SendID(i, spot, spot.getDIR(), 0, false);
    }
}

int postBack(Machine& m)
{
    const int32_t a = addRadius(m);
    if (m.is(msg::kEnter)) {
        m.group.setSearchEnemy(false);
        returnToSpots(m);
    } else if (m.is(msg::kUpdate)) {
        if ((count(m, 0, kAllUnits) != 0 || (m.group.getUnderAttack() && count(m, a, kAllUnits) != 0)) &&
            reach(m, a)) {
            m.changeTo(state::kAttack);
        } else if (reach(m, 2 * a) && securedGroupAttacked(m)) {
            m.changeTo(state::kAttack);
        } else if (m.group.getNO_ORDERS_UN() == m.group.getUN()) {
            pARRAY positions = m.params.getARRAY(kPositions);
            if (positions.Valid() && GroupInsideNodes(m.group, positions))
                m.changeTo(state::kIdle);
            else
                m.sendSelf(msg::kEnter);
        }
    }
    return 1;
}

const StateRoute kPostStates[] = {
    {state::kGlobal, postGlobal},
    {state::kIdle, postIdle},
    {state::kBack, postBack},
    {state::kAttack, postAttack},
};

// --- The multi-zone supervisor

// The binders the supervisor calls release its group; it takes the group back afterwards.
void restartGuard(Machine& m)
{
    ACF_GuardZone00(&m.params);
    m.so.setOBJ(m.group.getName());
}

pSMARTOBJECT innerMachine(Machine& m)
{
    return GameInterface::FindSObyName(m.params.getSTR(kInstanceName).pchar());
}

int supervisorGlobal(Machine& m)
{
    if (!m.is(msg::kEnter))
        return 1;
    m.params.addGROUP(var::kObject);
    m.params.setREF(var::kObject, m.group);
    m.params.addBOOL(kZoneMode) = true;
    m.params.addSTR(kInstanceName);
    m.params.addNODE(kGuardNode);
    m.params.addBOOL(kNewPositions) = true;
    restartGuard(m);
    m.changeTo(state::kIdle);
    return 1;
}

// The last watched node, from the end, that holds an enemy the group can attack; invalid for none.
iNode threatenedNode(Machine& m)
{
    pARRAY watched = m.params.getARRAY(kWatchedNodes);
    for (int32_t i = watched.getSIZE() - 1; i >= 0; --i) {
        iNode node = watched.getNODE(i);
        if (CountUnitsInNode(m.group.getNMASK(), node, 0, kAllUnits) >= 1 && m.group.getAttackPossibility(node, 0))
            return node;
    }
    return iNode();
}

int supervisorIdle(Machine& m)
{
    if (!m.is(msg::kUpdate))
        return 1;
    pSMARTOBJECT inner = innerMachine(m);
    if (!inner.Valid() || std::strcmp(inner.getSTATE(), state::kIdle) != 0)
        return 1;
    iNode threatened = threatenedNode(m);
    if (!threatened.Valid())
        return 1;
    m.params.setREF(kGuardNode, threatened);
    pParamList innerParams = inner.getPARAMS();
    innerParams.CLEAR();
    ACF_AmbushZone00(&m.params);
    m.so.setOBJ(m.group.getName());
    m.changeTo(state::kAttack);
    return 1;
}

int supervisorAttack(Machine& m)
{
    pSMARTOBJECT inner = innerMachine(m);
    if (m.is(msg::kUpdate)) {
        if (std::strcmp(inner.getSTATE(), state::kIdle) == 0)
            m.changeTo(state::kIdle);
    } else if (m.is(msg::kExit)) {
        pParamList innerParams = inner.getPARAMS();
        innerParams.CLEAR();
        restartGuard(m);
    }
    return 1;
}

const StateRoute kSupervisorStates[] = {
    {state::kGlobal, supervisorGlobal},
    {state::kIdle, supervisorIdle},
    {state::kAttack, supervisorAttack},
};

}  // namespace

WARLOOM_EXPORT int ACF_GuardZone00_local(pGroup& group, pParamList& list)
{
    return bindPost(group, list, false);
}

// One binder under three names; they differ only in the parameters they declare.
WARLOOM_EXPORT int ACF_GuardZone00(pParamList* list)
{
    return bindObject(list, false);
}

WARLOOM_EXPORT int ACF_GuardZone01(pParamList* list)
{
    return bindObject(list, false);
}

WARLOOM_EXPORT int ACF_GuardZone02(pParamList* list)
{
    return bindObject(list, false);
}

// Every group of the array gets its own guard, from the last to the first; 1 whatever they answer.
WARLOOM_EXPORT int ACF_GuardZone00_arr(pParamList* list)
{
    pARRAY groups;
    if (!Params(list).read("ObjectArr", groups) || !groups.Valid())
        return 0;
    for (int32_t i = groups.getSIZE() - 1; i >= 0; --i) {
        pGroup group = groups.getGROUP(i);
        bindPost(group, *list, false);
    }
    return 1;
}

WARLOOM_EXPORT int ACF_AmbushZone00(pParamList* list)
{
    return bindObject(list, true);
}

WARLOOM_EXPORT int ACF_AmbushMultyZone(pParamList* list)
{
    pGroup group;
    if (!Params(list).read(var::kObject, group))
        return 0;
    Binding binding = beginBinding(group, {kind::kAmbushMultiZone, true, true, true, false});
    if (binding.outcome != Bound::Fresh)
        return binding.outcome == Bound::AlreadyRunning ? 1 : 0;
    copyInt(binding.params, *list, kRadius);
    copyInt(binding.params, *list, kAddRadius);
    binding.params.addARRAY(kWatchedNodes);
    if (!list->check(kWatchedNodes))
        return 0;
    binding.params.setREF(kWatchedNodes, list->getARRAY(kWatchedNodes));
    return startMachine(binding.smartObject);
}

WARLOOM_EXPORT int FSM_GuardZone_00(pSMARTOBJECT& so, _str& state, pMSG& message)
{
    return dispatch(so, state, message, kPostStates);
}

// The guard's machine with zone mode forced on while it starts.
WARLOOM_EXPORT int FSM_AmbushZone_00(pSMARTOBJECT& so, _str& state, pMSG& message)
{
    if (!prologue(so, state, message))
        return 0;
    const int result = runState(so, state, message, kPostStates);
    if (std::strcmp(state.pchar(), state::kGlobal) != 0)
        return result;
    pParamList params = so.getPARAMS();
    setBool(params, kZoneMode, true);
    return 1;
}

// Besides the common checks, refuses a group without units and an invalid list.
WARLOOM_EXPORT int FSM_AmbushZone_01(pSMARTOBJECT& so, _str& state, pMSG& message)
{
    if (!prologue(so, state, message))
        return 0;
    pGroup group = so.getOBJ_GROUP();
    if (!group.Valid() || group.getUN() <= 0 || !so.getPARAMS().Valid())
        return 0;
    return runState(so, state, message, kSupervisorStates);
}
