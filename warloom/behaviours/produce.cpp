// Production 00 and 01: producers set up outside the plug-in. 00 builds what another party orders
// and hands the units over; 01 is a village that a nation buys, which then produces batch after batch
// for its owner's computer player.
#include "warloom/behaviours/conventions.h"
#include "warloom/core/helpers.h"
#include "warloom/core/script.h"

using namespace warloom;

namespace {

constexpr const char* kBatch = "gGroup";
constexpr const char* kRallyPoint = "nRallyPoint";
constexpr const char* kTrader = "gTrader";
constexpr const char* kOwner = "iVillageOwner";
constexpr const char* kUnitType = "iUnitType";
constexpr const char* kUnitCount = "iUnitNUM";
constexpr const char* kNewNation = "iNewNation";
constexpr const char* kNewOwnerNation = "iNewOwnerNation";
constexpr const char* kResource = "iResType";
constexpr const char* kPrice = "iPrice";
constexpr const char* kWaitTime = "iWaitTime";
constexpr const char* kBuyer = "iNewOwner";
constexpr const char* kNewUnitId = "inewGID";

constexpr int32_t kNoNation = -1;
constexpr int32_t kNeutralMask = 255;

void setInt(pParamList& params, const char* name, int32_t value)
{
    if (params.check(name))
        params.getINT(name) = value;
    else
        params.addINT(name) = value;
}

// The units go to a nation's computer player as an attack force.
void handToAttackers(pGroup& batch, int32_t nation)
{
    batch.setNMASK(GameInterface::GetNationMask(nation));
    GameInterface::AddTomahawksAttackers(batch, static_cast<uint8_t>(nation), true, 0, 0, 0);
}

// --- Shared states

int startUp(Machine& m)
{
    if (!m.is(msg::kEnter))
        return 1;
    pParamList& p = m.params;
    if (!p.check(kBatch))
        p.addGROUP(kBatch);
    if (p.check(kRallyPoint)) {
        iNode rally = p.getNODE(kRallyPoint);
        m.group.SetRallyPoint(rally);
    }
    setInt(p, kOwner, m.group.getNation());
    if (p.check(kTrader))
        p.getGROUP(kTrader).setNMASK(kNeutralMask);
    m.group.setNMASK(kNeutralMask);
    m.changeTo(state::kIdle);
    return 1;
}

int beginProduction(Machine& m)
{
    if (!m.is(msg::kEnter))
        return 1;
    if (m.params.check(kUnitType) && m.params.check(kUnitCount)) {
        m.group.Produce(m.params.getINT(kUnitType), m.params.getINT(kUnitCount));
        m.changeTo(state::kProduce);
    } else {
        m.changeTo(state::kIdle);
    }
    return 1;
}

int collect(Machine& m)
{
    pGroup batch = m.params.getGROUP(kBatch);
    if (m.is(msg::kNewUnit)) {
        pParamList news = m.msg.getPARAMS();
        if (news.Valid() && news.check(kNewUnitId)) {
            batch.AddUnitGID(news.getINT(kNewUnitId));
            batch.setNMASK(m.group.getNMASK());
        }
    } else if (m.is(msg::kUpdate)) {
        if (m.group.getNO_ORDERS_UN() == m.group.getUN() && batch.getReady())
            m.changeTo(state::kEndProduction);
    }
    return 1;
}

// "MSG_UPDATE" of the hand-over: back to idle once the batch is ready; true when the message was that.
bool handOverUpdate(Machine& m)
{
    if (!m.is(msg::kUpdate))
        return false;
    if (m.params.getGROUP(kBatch).getReady())
        m.changeTo(state::kIdle);
    return true;
}

// --- 00: production to order

int orderWithParameters(Machine& m)
{
    if (!m.is(msg::kOrder))
        return 1;
    pParamList order = m.msg.getPARAMS();
    if (!order.Valid() || !order.check(kUnitType) || !order.check(kUnitCount) ||
        (!order.check(kNewNation) && !order.check(kNewOwnerNation)))
        return 1;
    pParamList& p = m.params;
    setInt(p, kUnitType, order.getINT(kUnitType));
    setInt(p, kUnitCount, order.getINT(kUnitCount));
    setInt(p, kNewNation, order.check(kNewNation) ? order.getINT(kNewNation) : kNoNation);
    setInt(p, kNewOwnerNation, order.check(kNewOwnerNation) ? order.getINT(kNewOwnerNation) : kNoNation);
    m.changeTo(state::kBeginProduction);
    return 1;
}

int handOver00(Machine& m)
{
    if (handOverUpdate(m) || !m.is(msg::kExit))
        return 1;
    pGroup batch = m.params.getGROUP(kBatch);
    const int32_t newNation = m.params.getINT(kNewNation);
    const int32_t newOwner = m.params.getINT(kNewOwnerNation);
    if (newNation != kNoNation)
        batch.setNation(newNation);
    else if (newOwner != kNoNation)
        handToAttackers(batch, newOwner);
    batch.RemAllUnits();
    return 1;
}

// --- 01: the village

// A buyer who can pay the price in one resource gets the village; production starts at once.
void sell(Machine& m)
{
    pParamList& p = m.params;
    const int32_t ownNation = m.group.getNation();
    if (p.getINT(kOwner) != ownNation)
        return;
    pParamList offer = m.msg.getPARAMS();
    pSMARTOBJECT sender = m.msg.getSender();
    const int32_t buyer = offer.Valid() && offer.check(kBuyer) ? offer.getINT(kBuyer)
                                                                : GameInterface::GetMsgSenderNation(sender);
    p.getINT(kOwner) = buyer;
    if (buyer == kNoNation || !p.check(kResource) || !p.check(kPrice))
        return;
    const int32_t resource = p.getINT(kResource);
    const int32_t price = p.getINT(kPrice);
    if (GameInterface::GetResource(buyer, resource) < price) {
        p.getINT(kOwner) = ownNation;
        return;
    }
    if (!GameInterface::AddRessource(buyer, resource, -price))
        return;
    m.group.setNMASK(GameInterface::GetNationMask(buyer));
    if (p.check(kTrader))
        p.getGROUP(kTrader).setNMASK(m.group.getNMASK());
    m.sendSelf(msg::kOrder);
}

int saleThenOrder(Machine& m)
{
    if (m.is(msg::kSetOwner))
        sell(m);
    if (m.is(msg::kOrder))
        m.changeTo(state::kBeginProduction);
    return 1;
}

int handOver01(Machine& m)
{
    if (handOverUpdate(m) || !m.is(msg::kExit))
        return 1;
    pGroup batch = m.params.getGROUP(kBatch);
    handToAttackers(batch, m.params.getINT(kOwner));
    m.sendSelfLater(msg::kOrder, m.params.getINT(kWaitTime));
    return 1;
}

const StateRoute kProduce00[] = {
    {state::kGlobal, startUp},
    {state::kIdle, orderWithParameters},
    {state::kBeginProduction, beginProduction},
    {state::kProduce, collect},
    {state::kEndProduction, handOver00},
};

const StateRoute kProduce01[] = {
    {state::kGlobal, startUp},
    {state::kIdle, saleThenOrder},
    {state::kBeginProduction, beginProduction},
    {state::kProduce, collect},
    {state::kEndProduction, handOver01},
};

// Answers "MSG_IS_FREE" (free only when idle) before the state's routine; 1 for every known state.
template <std::size_t N>
int produce(pSMARTOBJECT& so, _str& state, pMSG& message, const StateRoute (&routes)[N])
{
    if (!prologue(so, state, message))
        return 0;
    bool known = false;
    for (const StateRoute& route : routes)
        known = known || std::strcmp(route.state, state.pchar()) == 0;
    if (!known)
        return 0;
    if (!AnswerIsFree(message, std::strcmp(state.pchar(), state::kIdle) == 0))
        runState(so, state, message, routes);
    return 1;
}

}  // namespace

WARLOOM_EXPORT int FSM_ProduseUnits_00(pSMARTOBJECT& so, _str& state, pMSG& message)
{
    return produce(so, state, message, kProduce00);
}

WARLOOM_EXPORT int FSM_ProduseUnits_01(pSMARTOBJECT& so, _str& state, pMSG& message)
{
    return produce(so, state, message, kProduce01);
}
