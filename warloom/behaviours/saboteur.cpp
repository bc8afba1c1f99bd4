// Saboteur: a group travels in legs to an enemy map area, fights what threatens it on the way, and
// near the area's centre attacks every enemy within a radius until none is left; then it forgets the
// area. With free hunting it picks the weakest enemy area itself while idle.
#include "warloom/behaviours/conventions.h"
#include "warloom/core/helpers.h"
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using namespace warloom;

namespace {

constexpr const char* kArea = "AREAID";
constexpr const char* kFreeHunt = "FREE_HUNT";
constexpr const char* kHuntWait = "HUNT_WAIT";
constexpr const char* kTicks = "l_itick";
constexpr const char* kCellX = "l_x";
constexpr const char* kCellY = "l_y";
constexpr const char* kClearRadius = "l_R";
constexpr const char* kLegEnd = "l_LocalDestNode";
constexpr const char* kTicker = "l_ticker";
constexpr const char* kClearedArea = "curAREAID";

constexpr int32_t kNoArea = -1;
constexpr int32_t kHuntWaitStart = 20;
constexpr int32_t kPlanTicks = 10;
constexpr int32_t kMoveTicks = 3;
constexpr int32_t kArrivedToPlan = 600;
constexpr int32_t kArrivedToMove = 500;
constexpr int32_t kNextLeg = 200;
constexpr int32_t kClearingReach = 1500;
constexpr int32_t kLegSteps = 5;
constexpr int32_t kFullAttack = 15;
constexpr int32_t kAttackRenewal = 7;
constexpr int32_t kCellSize = 64;
constexpr int32_t kAllUnits = 1;

// The names a routine works with, passed in by the state machine.
struct PlanNames {
    const char* area;
    const char* moveState;
    const char* attackState;
    const char* clearState;
};

struct CellNames {
    const char* x;
    const char* y;
    const char* backState;
};

struct ClearNames {
    const char* x;
    const char* y;
    const char* radius;
    const char* area;
    const char* backState;
};

// Radii by the group's size.
struct Radii {
    explicit Radii(int32_t units)
        : nearR(units / 50 * 50 + 400), farR(units / 50 * 100 + 1000), reachR(units / 50 * 100 + 600),
          fightR(units / 100 * 100 + 1000)
    {
    }
    int32_t nearR, farR, reachR, fightR;
};

int32_t cellCentre(int32_t cell)
{
    return cell * kCellSize + kCellSize / 2;
}

int32_t& intVar(pParamList& params, const char* name)
{
    return params.check(name) ? params.getINT(name) : params.addINT(name);
}

int32_t distanceToCell(Machine& m, int32_t cellX, int32_t cellY)
{
    return GameInterface::NORMA(m.group.getXc(), cellCentre(cellX), m.group.getYc(), cellCentre(cellY));
}

bool canAttackAround(Machine& m, int32_t radius)
{
    return m.group.getAttackPossibility(m.group.getXc(), m.group.getYc(), radius);
}

// --- Planning

enum class Verdict { Empty, Attack, Move, Terminate };

Verdict judge(Machine& m, const PlanNames& names, int32_t& x, int32_t& y)
{
    pParamList& p = m.params;
    if (m.group.getUnderAttack())
        return Verdict::Attack;
    if (!p.check(names.area) || p.getINT(names.area) == kNoArea)
        return Verdict::Empty;
    x = GameInterface::GetAreaX(p.getINT(names.area), 0);
    y = GameInterface::GetAreaY(p.getINT(names.area), 0);
    if (x == -1 || y == -1)
        return Verdict::Empty;
    const Radii radii(m.group.getUN());
    const int32_t far = m.group.getEnemyAround_UN(radii.farR);
    const int32_t near = m.group.getEnemyAround_UN(radii.nearR);
    const int32_t distance = distanceToCell(m, x, y);
    if (distance <= kArrivedToPlan && far > 0)
        return Verdict::Terminate;
    if (near > 0)
        return Verdict::Attack;
    if (distance > kArrivedToPlan)
        return Verdict::Move;
    p.getINT(names.area) = kNoArea;  // arrived, and nothing around: the area is done
    return Verdict::Empty;
}

void plan(Machine& m, const PlanNames& names)
{
    pParamList& p = m.params;
    intVar(p, kTicks) = kPlanTicks;
    int32_t x = -1;
    int32_t y = -1;
    const Verdict verdict = judge(m, names, x, y);
    if (verdict == Verdict::Move || verdict == Verdict::Terminate) {
        intVar(p, kCellX) = x;
        intVar(p, kCellY) = y;
    }
    if (verdict == Verdict::Move) {
        m.changeTo(names.moveState);
    } else if (verdict == Verdict::Attack) {
        if (canAttackAround(m, Radii(m.group.getUN()).reachR))
            m.changeTo(names.attackState);
    } else if (verdict == Verdict::Terminate) {
        if (canAttackAround(m, kClearingReach)) {
            if (!p.check(kClearRadius))
                p.addINT(kClearRadius) = kClearingReach;
            m.changeTo(names.clearState);
        }
    } else if (p.getINT(names.area) == kNoArea) {
        m.changeTo(state::kGlobal);
    }
}

int planning(Machine& m, const PlanNames& names)
{
    if (m.is(msg::kEnter)) {
        plan(m, names);
    } else if (m.is(msg::kUpdate)) {
        int32_t& ticks = m.params.getINT(kTicks);
        if (ticks != 0)
            --ticks;
        else
            m.sendSelf(msg::kEnter);
        if (m.group.getUnderAttack() || m.params.getINT(names.area) != kNoArea)
            m.sendSelf(msg::kEnter);
    }
    return 1;
}

// --- Moving in legs

void moveUpdate(Machine& m, const CellNames& names)
{
    pParamList& p = m.params;
    const int32_t x = p.getINT(names.x);
    const int32_t y = p.getINT(names.y);
    if (distanceToCell(m, x, y) <= kArrivedToMove) {
        m.changeTo(names.backState);
        return;
    }
    iNode legEnd = p.getNODE(kLegEnd);
    int32_t& ticks = p.getINT(kTicks);
    if (m.group.getNO_ORDERS_UN() > 0 && ticks == 0 &&
        GameInterface::NORMA(m.group.getXc(), legEnd.getX(), m.group.getYc(), legEnd.getY()) <= kNextLeg) {
        m.sendSelf(msg::kSend);
        return;
    }
    if (ticks > 0)
        --ticks;
    const Radii radii(m.group.getUN());
    if ((m.group.getUnderAttack() || m.group.getEnemyAround_UN(radii.nearR) > 0) && canAttackAround(m, radii.reachR)) {
        m.changeTo(names.backState);
        return;
    }
    const int32_t area = p.getINT(kArea);
    if (GameInterface::GetAreaX(area, 0) != x || GameInterface::GetAreaY(area, 0) != y)
        m.changeTo(names.backState);
}

int moving(Machine& m, const CellNames& names)
{
    const bool hasUnits = m.group.Valid() && m.group.getUN() > 0;
    if (m.is(msg::kEnter)) {
        if (!hasUnits) {
            m.changeTo(names.backState);
            return 1;
        }
        intVar(m.params, kTicks) = kMoveTicks;
        m.group.setSearchEnemy(false);
        m.sendSelf(msg::kSend);
    } else if (m.is(msg::kSend)) {
        if (!m.params.check(names.x) || !m.params.check(names.y)) {
            m.changeTo(names.backState);
            return 1;
        }
        iNode legEnd = m.params.check(kLegEnd) ? m.params.getNODE(kLegEnd) : m.params.addNODE(kLegEnd);
        m.group.SendSmartly(m.params.getINT(names.x), m.params.getINT(names.y), kLegSteps, legEnd);
    } else if (m.is(msg::kUpdate)) {
        moveUpdate(m, names);
    } else if (m.is(msg::kExit) && hasUnits) {
        m.group.setSearchEnemy(true);
    }
    return 1;
}

// --- Fighting on the way

int fighting(Machine& m, const char* backState)
{
    const bool hasUnits = m.group.Valid() && m.group.getUN() > 0;
    if (m.is(msg::kEnter)) {
        if (!hasUnits) {
            m.sendSelf(msg::kExit);
            return 1;
        }
        m.group.setSearchEnemy(true);
        intVar(m.params, kTicker) = 0;
    } else if (m.is(msg::kUpdate)) {
        int32_t& ticker = m.params.getINT(kTicker);
        if (ticker == 0) {
            m.group.AttackUseIDS(kFullAttack, false, 0);
            if (m.group.getUN() == 0 || m.group.getEnemyAround_UN(Radii(m.group.getUN()).fightR) <= 0) {
                m.changeTo(backState);
                return 1;
            }
        }
        ticker = (ticker + 1) % kAttackRenewal;
    } else if (m.is(msg::kExit) && hasUnits) {
        m.group.setSearchEnemy(false);
        m.group.setUnderAttack(false);
    }
    return 1;
}

// --- Clearing the area

int clearing(Machine& m, const ClearNames& names)
{
    pParamList& p = m.params;
    if (!p.check(var::kEnemyGroup))
        p.addGROUP(var::kEnemyGroup);
    const int32_t x = cellCentre(p.getINT(names.x));
    const int32_t y = cellCentre(p.getINT(names.y));
    const int32_t r = p.getINT(names.radius);
    if (m.is(msg::kEnter)) {
        engageEnter(m, true);
        intVar(p, kClearedArea) = p.getINT(names.area);
    } else if (m.is(msg::kCreateEnemies)) {
        enemyGroup(m).AddEnemyUnitsInZone(m.group.getNation(), x, y, r, false);
        engageAfterFill(m);
    } else if (m.is(msg::kAttackEnemies)) {
        engageAttack(m);
    } else if (m.is(msg::kUpdate)) {
        if (p.getINT(names.area) != p.getINT(kClearedArea)) {
            m.changeTo(names.backState);
            return 1;
        }
        const int32_t inside = CountUnitsInCircle(m.group.getNMASK(), x, y, r, 0, kAllUnits);
        const int32_t around = CountUnitsInCircle(m.group.getNMASK(), x, y, r, 2, kAllUnits);
        if (inside + around == 0 || !m.group.getAttackPossibility(x, y, r))
            m.changeTo(names.backState);
        else if (engagementStale(m, inside, around))
            m.sendSelf(msg::kCreateEnemies);
    } else if (m.is(msg::kExit)) {
        engageExit(m);
        p.getINT(names.area) = kNoArea;
    }
    return 1;
}

// --- The machine

void huntNowAndThen(pSMARTOBJECT& so, pParamList& p)
{
    if (!p.check(kFreeHunt) || !p.getBOOL(kFreeHunt))
        return;
    if (!p.check(kHuntWait))
        p.addINT(kHuntWait) = kHuntWaitStart;
    int32_t& wait = p.getINT(kHuntWait);
    if (wait > 0) {
        --wait;
        return;
    }
    p.getINT(kArea) = kNoArea;
    PickTargetArea(so, kArea);
    p.getINT(kHuntWait) = kHuntWaitStart;
}

int runSaboteur(Machine& m, const char* state)
{
    if (std::strcmp(state, state::kGlobal) == 0) {
        if (m.is(msg::kUpdate) && m.params.getINT(kArea) != kNoArea)
            m.changeTo(state::kNewStep);
    } else if (std::strcmp(state, state::kNewStep) == 0) {
        planning(m, PlanNames{kArea, state::kMove, state::kAttack, state::kTerminate});
    } else if (std::strcmp(state, state::kMove) == 0) {
        moving(m, CellNames{kCellX, kCellY, state::kNewStep});
    } else if (std::strcmp(state, state::kAttack) == 0) {
        fighting(m, state::kNewStep);
    } else if (std::strcmp(state, state::kTerminate) == 0) {
        clearing(m, ClearNames{kCellX, kCellY, kClearRadius, kArea, state::kNewStep});
    }
    return 1;
}

}  // namespace

WARLOOM_EXPORT int ACF_SABOTEUR(pParamList* list)
{
    pGroup group;
    if (!Params(list).read(var::kObject, group))
        return 0;
    if (GameInterface::CheckObjectFSM(group.getName(), kind::kSaboteur)) {
        pSMARTOBJECT running = GameInterface::FindSObyName(group.getName());
        pParamList params = running.getPARAMS();
        if (!running.Valid() || !params.Valid())
            return 0;
        params.getINT(kArea) = kNoArea;
        if (list->check(kArea)) {
            params.getINT(kArea) = list->getINT(kArea);
            running.next_STATE(state::kNewStep);
            running.FSC(true);
        }
        return 1;
    }
    GameInterface::FreeSO_pVAR(group);
    pSMARTOBJECT so = GameInterface::GET_SO(kind::kSaboteur);
    pParamList params = so.getPARAMS();
    if (!so.Valid() || !params.Valid())
        return 0;
    params.CLEAR();
    so.setOBJ(group.getName());
    params.addINT(kArea) = kNoArea;
    copyInt(params, *list, kArea);
    params.addBOOL(kFreeHunt) = false;
    copyBool(params, *list, kFreeHunt);
    return startMachine(so);
}

WARLOOM_EXPORT int FSM_SABOTEUR(pSMARTOBJECT& so, _str& state, pMSG& message)
{
    if (!prologue(so, state, message))
        return 0;
    Machine m(so, message);
    if (!m.group.Valid() || !m.params.Valid())
        return 0;
    const bool idle = std::strcmp(state.pchar(), state::kGlobal) == 0;
    if (idle)
        huntNowAndThen(so, m.params);
    else if (m.group.getNew_UN(true) > 0)
        m.changeTo(state::kNewStep);  // units joined: plan anew
    return runSaboteur(m, state.pchar());
}
