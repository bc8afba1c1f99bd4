// Production 02: a producer works for an owner nation on its own, producing its list again and again
// and handing every batch on in one of three ways; it keeps a guard group at full strength with
// support batches, follows a change of owner and can be switched off and on.
#include <initializer_list>

#include "warloom/behaviours/conventions.h"
#include "warloom/behaviours/guard.h"
#include "warloom/core/helpers.h"
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using namespace warloom;

WARLOOM_EXPORT int AFC_ProduseUnits_02_local(pParamList* list);

namespace {

constexpr const char* kOwner = "iOwnerNat";
constexpr const char* kAppliedOwner = "iMyStartNat";
constexpr const char* kRallyPoint = "nRallyPoint";
constexpr const char* kWaitTime = "iWaitTime";
constexpr const char* kList = "arrTN";
constexpr const char* kActive = "g_bActive";
constexpr const char* kCommand = "iCommandID";
constexpr const char* kDestination = "g_gDestGroup";
constexpr const char* kZoneMode = "g_bGuardZone";
constexpr const char* kGuardParameter = "g_gGuard";
constexpr const char* kUpdateGuard = "UpdateGuard";
constexpr const char* kGuard = "gGuardGroup";
constexpr const char* kGuardList = "arrTN_GG";
constexpr const char* kSupportList = "arrTN_SGG";
constexpr const char* kBatch = "gGroup";
constexpr const char* kBatchKind = "strPRODUCE_TYPE";
constexpr const char* kGuardTick = "GG_Tick";
constexpr const char* kStateCopy = "strSTATE";
constexpr const char* kWasActive = "bStartBStatus";
constexpr const char* kNewUnitId = "inewGID";

constexpr const char* kUnknown = "UNKNOWN";
constexpr const char* kOrdered = "ORDER";
constexpr const char* kSupport = "SUPPORT_GG";

enum Command : int32_t { kToAttackers = 0, kIntoDestination = 1, kWhenReady = 2 };

constexpr int32_t kReorderDelay = 1000;
constexpr int32_t kGuardTickStart = 150;
constexpr int32_t kGuardTickAgain = 10;
constexpr int32_t kGuardTickSupport = 1000;
constexpr int32_t kGuardRadius = 500;
constexpr int32_t kGuardAddRadius = 500;
// The bit of nation 7, added to the owner's mask once the owner has changed.
constexpr int32_t kOwnerChangeBit = 128;

int32_t maskOf(int32_t nation)
{
    return GameInterface::GetNationMask(nation);
}

// The owner's mask, with the mask of the owner last applied when that differs.
int32_t ownersMask(int32_t owner, int32_t applied)
{
    return maskOf(owner) + (applied != owner ? maskOf(applied) : 0);
}

bool named(pParamList& params, const char* name, const char* text)
{
    return params.getSTR(name).Equal(text);
}

// An INT or BOOL setting: the caller's own value is copied, a linked one followed live.
template <class Add>
void copyOrLink(pParamList& into, pParamList& from, const char* name, Add add)
{
    if (from.IsLocal(name))
        add(into, from, name);
    else
        into.setREF(name, from.getVOID(name));
}

// Puts a guard group on guard with the producer as the group it secures.
void startGuard(pGroup& guard, pGroup& producer, bool zoneMode)
{
    pParamList settings;
    settings.CreateOBJ_PL();
    settings.addBOOL("bGuardZone") = zoneMode;
    settings.addINT("R") = kGuardRadius;
    settings.addINT("iAddR") = kGuardAddRadius;
    settings.addGROUP("SecuredGroup");
    settings.setREF("SecuredGroup", producer);
    ACF_GuardZone00_local(guard, settings);
    settings.DeleteOBJ_PL();
}

bool guarded(pGroup& group)
{
    return GameInterface::FindSObyName(group.getName()).Valid();
}

// --- The binder's guard group

void adoptGuard(pParamList& caller, pParamList& params, pGroup& producer)
{
    pGroup guard = caller.getGROUP(kGuardParameter);
    const bool zoneMode = caller.check(kZoneMode) && caller.getBOOL(kZoneMode);
    guard.setNMASK(ownersMask(params.getINT(kOwner), params.getINT(kAppliedOwner)));
    guard.ClearOrders();
    if (!guarded(guard))
        startGuard(guard, producer, zoneMode);
    pSMARTOBJECT guardMachine = GameInterface::FindSObyName(guard.getName());
    pParamList guardParams = guardMachine.getPARAMS();
    if (guardMachine.Valid() && guardParams.check("bGuardZone"))
        guardParams.getBOOL("bGuardZone") = zoneMode;
    if (caller.check(kUpdateGuard) && !caller.getBOOL(kUpdateGuard))
        return;
    params.addGROUP(kGuard);
    params.setREF(kGuard, guard);
    pARRAY strength = params.addARRAY(kGuardList);
    guard.FillTN_array(strength);
}

void copySettings(pParamList& caller, pParamList& p, pGroup& producer)
{
    const auto addInt = [](pParamList& into, pParamList& from, const char* name) {
        into.getINT(name) = from.getINT(name);
    };
    p.addINT(kOwner);
    copyOrLink(p, caller, kOwner, addInt);
    p.addINT(kAppliedOwner) = producer.getNation();
    if (caller.check(kRallyPoint)) {
        iNode rally = p.addNODE(kRallyPoint);
        rally.setX(caller.getNODE(kRallyPoint).getX());
        rally.setY(caller.getNODE(kRallyPoint).getY());
    }
    p.addINT(kWaitTime);
    copyOrLink(p, caller, kWaitTime, addInt);
    bindArray(p, caller, kList);
    p.addBOOL(kActive) = true;
    if (caller.check(kActive))
        copyOrLink(p, caller, kActive, [](pParamList& into, pParamList& from, const char* name) {
            into.getBOOL(name) = from.getBOOL(name);
        });
    const int32_t command = caller.getINT(kCommand);
    p.addINT(kCommand) = command;
    if (command == kIntoDestination || command == kWhenReady)
        bindGroup(p, caller, kDestination);
    p.addBOOL(kZoneMode) = false;
    copyBool(p, caller, kZoneMode);
}

// --- The prologue

void followOwner(pParamList& p, pGroup& producer)
{
    if (!p.check(kAppliedOwner) || !p.check(kOwner) || p.getINT(kAppliedOwner) == p.getINT(kOwner))
        return;
    const int32_t owner = p.getINT(kOwner);
    const int32_t mask = maskOf(owner) | kOwnerChangeBit;
    producer.setNation(owner);
    producer.setNMASK(mask);
    producer.setCapturability(false);
    for (const char* group : {kGuard, kBatch})
        if (p.check(group))
            p.getGROUP(group).setNMASK(mask);
    p.getINT(kAppliedOwner) = owner;
}

void countGuardTick(pParamList& p, const char* state)
{
    if (!p.check(kGuardTick))
        return;
    int32_t& tick = p.getINT(kGuardTick);
    if (tick > 0) {
        --tick;
        return;
    }
    tick = kGuardTickAgain;
    if (std::strcmp(state, state::kIdle) == 0 && !named(p, kBatchKind, kOrdered))
        p.getSTR(kBatchKind) = kSupport;
}

// --- States

int produceGlobal(Machine& m)
{
    if (!m.is(msg::kEnter))
        return 1;
    pParamList& p = m.params;
    p.addGROUP(kBatch);
    if (p.check(kRallyPoint)) {
        iNode rally = p.getNODE(kRallyPoint);
        m.group.SetRallyPoint(rally);
    }
    m.group.setNMASK(ownersMask(p.getINT(kOwner), p.getINT(kAppliedOwner)));
    p.addSTR(kBatchKind) = kUnknown;
    p.addINT(kGuardTick) = kGuardTickStart;
    p.addSTR(kStateCopy) = state::kGlobal;
    p.addBOOL(kWasActive) = p.getBOOL(kActive);
    m.changeTo(state::kIdle);
    m.sendSelfLater(msg::kOrder, kReorderDelay);
    return 1;
}

// A guard found short of its strength starts a support batch of exactly what it lacks.
void checkGuard(Machine& m)
{
    pParamList& p = m.params;
    if (!named(p, kBatchKind, kSupport) || !p.check(kGuardList) || !p.check(kGuard))
        return;
    pGroup guard = p.getGROUP(kGuard);
    if (p.check(kDestination) && std::strcmp(p.getGROUP(kDestination).getName(), guard.getName()) == 0)
        return;
    pARRAY strength = p.getARRAY(kGuardList);
    if (SumPairCounts(strength) == guard.getUN())
        return;
    p.getINT(kGuardTick) = kGuardTickSupport;
    pARRAY missing = p.check(kSupportList) ? p.getARRAY(kSupportList) : p.addARRAY(kSupportList);
    guard.FillDIFF_TN_array(strength, missing, m.group.getUN());
    m.changeTo(state::kBeginProduction);
}

int produceIdle(Machine& m)
{
    pParamList& p = m.params;
    checkGuard(m);
    if (m.is(msg::kOrder)) {
        if (!p.getBOOL(kActive)) {
            m.sendSelfLater(msg::kOrder, kReorderDelay);
            return 1;
        }
        p.getSTR(kBatchKind) = kOrdered;
        m.changeTo(state::kBeginProduction);
    }
    if (!p.getBOOL(kWasActive) && p.getBOOL(kActive))
        m.sendSelfLater(msg::kOrder, kReorderDelay);
    p.getBOOL(kWasActive) = p.getBOOL(kActive);
    return 1;
}

int produceBegin(Machine& m)
{
    if (!m.is(msg::kEnter))
        return 1;
    pARRAY pairs = m.params.getARRAY(named(m.params, kBatchKind, kSupport) ? kSupportList : kList);
    for (int32_t i = 0; i + 1 < pairs.getSIZE(); i += 2)
        m.group.Produce(pairs.getINT(i), pairs.getINT(i + 1));
    m.changeTo(state::kProduce);
    return 1;
}

bool batchFinished(Machine& m, pGroup& batch, int32_t command, bool support)
{
    pParamList& p = m.params;
    if (m.group.getUN() == 0)
        return true;
    const bool producerIdle = m.group.getNO_ORDERS_UN() == m.group.getUN();
    if (producerIdle && batch.getReady() &&
        (command == kToAttackers || command == kIntoDestination || (command == kWhenReady && support)))
        return true;
    return !support && producerIdle && batch.getUN() == 0 && p.check(kDestination) &&
           p.getGROUP(kDestination).getReady() && command == kWhenReady;
}

int produceCollect(Machine& m)
{
    pParamList& p = m.params;
    const int32_t command = p.getINT(kCommand);
    pGroup batch = p.getGROUP(kBatch);
    pParamList news = m.msg.getPARAMS();
    if (m.is(msg::kNewUnit) && news.Valid() && news.check(kNewUnitId)) {
        batch.AddUnitGID(news.getINT(kNewUnitId));
        batch.setNMASK(m.group.getNMASK());
        batch.DeleteItemDrops();
        batch.setAIGuard(command != kWhenReady ? 1 : 0);
    } else if (m.is(msg::kUpdate)) {
        const bool support = named(p, kBatchKind, kSupport);
        if (!support && command == kWhenReady && p.check(kDestination)) {
            pGroup destination = p.getGROUP(kDestination);
            batch.RemNReadyUnitsToGroup(destination, -1);
        }
        if (batchFinished(m, batch, command, support))
            m.changeTo(state::kEndProduction);
    }
    return 1;
}

// A support batch joins the guard group; a guard that had been wiped out goes on guard again.
void handOverSupport(Machine& m, pGroup& batch)
{
    pParamList& p = m.params;
    p.getSTR(kBatchKind) = kUnknown;
    p.getINT(kGuardTick) = kGuardTickStart;
    pGroup guard = p.getGROUP(kGuard);
    const bool wasEmpty = guard.getUN() < 1;
    batch.RemNUnitsToGroup(guard, batch.getUN());
    guard.setNMASK(ownersMask(p.getINT(kAppliedOwner), p.getINT(kOwner)));
    if (!wasEmpty)
        return;
    guard.ClearOrders();
    if (!guarded(guard))
        startGuard(guard, m.group, p.getBOOL(kZoneMode));
}

void handOverOrder(Machine& m, pGroup& batch)
{
    pParamList& p = m.params;
    if (p.check(kCommand)) {
        const int32_t command = p.getINT(kCommand);
        if (command == kToAttackers)
            GameInterface::AddTomahawksAttackers(batch, static_cast<uint8_t>(p.getINT(kOwner)), true, 0, 0, 0);
        if (command == kIntoDestination && p.check(kDestination)) {
            pGroup destination = p.getGROUP(kDestination);
            batch.RemNUnitsToGroup(destination, -1);
        }
    }
    p.getSTR(kBatchKind) = kUnknown;
    m.sendSelfLater(msg::kOrder, p.getINT(kWaitTime));
}

int produceEnd(Machine& m)
{
    pGroup batch = m.params.getGROUP(kBatch);
    if (m.is(msg::kUpdate)) {
        if (batch.getReady())
            m.changeTo(state::kIdle);
    } else if (m.is(msg::kExit)) {
        batch.DeleteItemDrops();
        if (named(m.params, kBatchKind, kSupport))
            handOverSupport(m, batch);
        else
            handOverOrder(m, batch);
    }
    return 1;
}

const StateRoute kProduceStates[] = {
    {state::kGlobal, produceGlobal},
    {state::kIdle, produceIdle},
    {state::kBeginProduction, produceBegin},
    {state::kProduce, produceCollect},
    {state::kEndProduction, produceEnd},
};

bool handingOver(const char* state)
{
    return std::strcmp(state, state::kProduce) == 0 || std::strcmp(state, state::kEndProduction) == 0;
}

int binder(pParamList* list, int32_t command)
{
    if (!list || !list->Valid())
        return 0;
    list->addINT(kCommand) = command;
    return AFC_ProduseUnits_02_local(list);
}

}  // namespace

WARLOOM_EXPORT int AFC_ProduseUnits_02_local(pParamList* list)
{
    pGroup producer;
    int32_t owner = 0;
    pARRAY pairs;
    int32_t wait = 0;
    int32_t command = 0;
    if (!Params(list).read(var::kObject, producer, kOwner, owner, kList, pairs, kWaitTime, wait, kCommand, command))
        return 0;
    if (producer.getUN() == 0)
        return 0;
    Binding binding = beginBinding(producer, {kind::kProduce02, false, true, false, false});
    if (binding.outcome != Bound::Fresh)
        return binding.outcome == Bound::AlreadyRunning ? 1 : 0;
    copySettings(*list, binding.params, producer);
    startMachine(binding.smartObject);
    if (list->check(kGuardParameter))
        adoptGuard(*list, binding.params, producer);
    return 1;
}

WARLOOM_EXPORT int ACF_ProduseUnits_02(pParamList* list)
{
    return binder(list, kToAttackers);
}

WARLOOM_EXPORT int ACF_ProduseUnits_03(pParamList* list)
{
    return binder(list, kIntoDestination);
}

WARLOOM_EXPORT int ACF_ProduseUnits_04(pParamList* list)
{
    return binder(list, kWhenReady);
}

// Its own prologue: an empty producer ends the machine only outside production and hand-over.
WARLOOM_EXPORT int FSM_ProduseUnits_02(pSMARTOBJECT& so, _str& state, pMSG& message)
{
    if (!callUsable(so, state, message))
        return 0;
    pGroup producer = so.getOBJ_GROUP();
    pParamList params = so.getPARAMS();
    if (!producer.Valid())
        return 0;
    if (!handingOver(state.pchar()) && producer.getUN() == 0) {
        GameInterface::FreeSO_pVAR(producer);
        params.CLEAR();
        return 0;
    }
    followOwner(params, producer);
    if (params.check(kStateCopy))
        params.getSTR(kStateCopy) = state.pchar();
    countGuardTick(params, state.pchar());
    if (std::strcmp(message.str(), msg::kOrder) == 0 && std::strcmp(state.pchar(), state::kIdle) != 0) {
        GameInterface::SendMSG(msg::kOrder, kReorderDelay, so, so);
        return 1;
    }
    return runState(so, state, message, kProduceStates);
}
