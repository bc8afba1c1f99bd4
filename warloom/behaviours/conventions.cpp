#include "warloom/behaviours/conventions.h"

#include "warloom/core/helpers.h"

namespace warloom {

// --- Binding

Binding beginBinding(pGroup& group, const BindingRules& rules)
{
    Binding binding;
    if (rules.requireValidGroup && !group.Valid())
        return binding;
    if (group.getUN() <= 0)
        return binding;
    if (rules.switchGuardOn)
        group.setAIGuard(1);
    if (GameInterface::CheckObjectFSM(group.getName(), rules.kind)) {
        binding.outcome = Bound::AlreadyRunning;
        return binding;
    }
    if (rules.releaseFirst)
        GameInterface::FreeSO_pVAR(group);
    binding.smartObject = GameInterface::GET_SO(rules.kind);
    if (!binding.smartObject.Valid())
        return binding;
    binding.params = binding.smartObject.getPARAMS();
    if (!binding.params.Valid())
        return binding;
    binding.params.CLEAR();
    if (!binding.smartObject.setOBJ(group.getName()) && rules.requireAttach)
        return binding;
    binding.outcome = Bound::Fresh;
    return binding;
}

int startMachine(pSMARTOBJECT& smartObject)
{
    smartObject.setSTATE(state::kGlobal);
    GameInterface::SendMSG(msg::kEnter, smartObject, smartObject);
    return 1;
}

void copyInt(pParamList& into, pParamList& from, const char* name)
{
    if (from.check(name))
        into.addINT(name) = from.getINT(name);
}

void copyBool(pParamList& into, pParamList& from, const char* name)
{
    if (from.check(name))
        into.addBOOL(name) = from.getBOOL(name);
}

void bindGroup(pParamList& into, pParamList& from, const char* name)
{
    if (!from.check(name))
        return;
    into.addGROUP(name);
    into.setREF(name, from.getGROUP(name));
}

void bindNode(pParamList& into, pParamList& from, const char* name)
{
    if (!from.check(name))
        return;
    into.addNODE(name);
    into.setREF(name, from.getNODE(name));
}

void bindArray(pParamList& into, pParamList& from, const char* name)
{
    if (!from.check(name))
        return;
    into.addARRAY(name);
    into.setREF(name, from.getARRAY(name));
}

void setBool(pParamList& params, const char* name, bool value)
{
    if (params.check(name))
        params.getBOOL(name) = value;
    else
        params.addBOOL(name) = value;
}

// --- Dispatch

void Machine::changeTo(const char* state)
{
    so.next_STATE(state);
    so.FSC(true);
}

void Machine::sendSelf(const char* message)
{
    GameInterface::SendMSG(message, so, so);
}

void Machine::sendSelfLater(const char* message, int32_t delay)
{
    GameInterface::SendMSG(message, delay, so, so);
}

bool callUsable(pSMARTOBJECT& smartObject, _str& state, pMSG& message)
{
    return smartObject.Valid() && message.Valid() && state.pchar() && state.pchar()[0] != '\0';
}

bool prologue(pSMARTOBJECT& smartObject, _str& state, pMSG& message)
{
    return callUsable(smartObject, state, message) && !SOGroupLost(smartObject);
}

int runState(pSMARTOBJECT& smartObject, _str& state, pMSG& message, const StateRoute* routes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (std::strcmp(routes[i].state, state.pchar()) == 0) {
            Machine machine(smartObject, message);
            return routes[i].routine(machine);
        }
    }
    return 0;
}

// --- The engagement cycle

pGroup enemyGroup(Machine& m)
{
    return m.params.getGROUP(var::kEnemyGroup);
}

void engageEnter(Machine& m, bool guardFlagOff)
{
    m.group.setSearchEnemy(true);
    if (guardFlagOff)
        m.group.setAIGuard(0);
    enemyGroup(m).RemAllUnits();
    m.sendSelf(msg::kCreateEnemies);
}

void engageAfterFill(Machine& m)
{
    pGroup enemies = enemyGroup(m);
    if (enemies.getUN() > 0 &&
        (enemies.getNew_UN(true) != 0 || enemies.getRem_UN(true) != 0 || m.group.getNO_ORDERS_UN() != 0))
        m.sendSelf(msg::kAttackEnemies);
}

void engageAttack(Machine& m)
{
    pGroup enemies = enemyGroup(m);
    m.group.AttackUseNearest(enemies);
}

void engageExit(Machine& m, const char* alsoAttacked)
{
    m.group.setUnderAttack(false);
    if (alsoAttacked && m.params.check(alsoAttacked))
        m.params.getGROUP(alsoAttacked).setUnderAttack(false);
    enemyGroup(m).RemAllUnits();
}

bool engagementStale(Machine& m, int32_t count, int32_t otherCount)
{
    const int32_t known = enemyGroup(m).getUN();
    return (known != count && known != otherCount) || m.group.getNO_ORDERS_UN() != 0;
}

}  // namespace warloom
