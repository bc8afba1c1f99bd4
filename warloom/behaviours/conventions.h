// What every behaviour shares: the binding procedure, the dispatch of a state-machine call to a state
// routine, the handling of settings, and the enemy-engagement cycle.
#pragma once

#include <cstdint>
#include <cstring>

#include "engine_api/engine.h"
#include "warloom/core/names.h"

namespace warloom {

// --- Binding a group to a new smart object of a kind.

struct BindingRules {
    const char* kind;
    bool requireValidGroup;  // guard and ambush binders test Valid() besides the units
    bool switchGuardOn;      // setAIGuard(1) before the already-bound test
    bool releaseFirst;       // release the group from its former smart object
    bool requireAttach;      // give up when setOBJ fails
};

enum class Bound { Failed, AlreadyRunning, Fresh };

struct Binding {
    Bound outcome = Bound::Failed;
    pSMARTOBJECT smartObject;
    pParamList params;  // the new smart object's list, cleared
};

// The shared steps up to attaching the group: units (and validity), the guard flag, the already-bound
// test, the release, a new smart object with a cleared list, setOBJ.
Binding beginBinding(pGroup& group, const BindingRules& rules);
// "ST_GLOBAL" and "MSG_ENTER": the machine starts. Returns 1.
int startMachine(pSMARTOBJECT& smartObject);

// Settings, each copied only when the caller's list has it.
void copyInt(pParamList& into, pParamList& from, const char* name);
void copyBool(pParamList& into, pParamList& from, const char* name);
// A GROUP, NODE or ARRAY variable denoting the caller's object.
void bindGroup(pParamList& into, pParamList& from, const char* name);
void bindNode(pParamList& into, pParamList& from, const char* name);
void bindArray(pParamList& into, pParamList& from, const char* name);
// Sets a BOOL variable, adding it when missing.
void setBool(pParamList& params, const char* name, bool value);

// --- One call of a state machine.

class Machine {
public:
    Machine(pSMARTOBJECT& smartObject, pMSG& message)
        : so(smartObject), msg(message), group(smartObject.getOBJ_GROUP()), params(smartObject.getPARAMS())
    {
    }

    bool is(const char* message) const { return std::strcmp(msg.str(), message) == 0; }
    bool inState(const char* state) const { return std::strcmp(so.getSTATE(), state) == 0; }
    // Requests a change of state, carried out by the engine after this call.
    void changeTo(const char* state);
    // Sends a message to this smart object at once.
    void sendSelf(const char* message);
    void sendSelfLater(const char* message, int32_t delay);

    pSMARTOBJECT& so;
    pMSG& msg;
    pGroup group;
    pParamList params;
};

using StateRoutine = int (*)(Machine&);

struct StateRoute {
    const char* state;
    StateRoutine routine;
};

// A valid smart object and message and a state name with text.
bool callUsable(pSMARTOBJECT& smartObject, _str& state, pMSG& message);
// The prologue of a state-machine call: callUsable, and a group that is not lost (SOGroupLost).
bool prologue(pSMARTOBJECT& smartObject, _str& state, pMSG& message);
// Runs the routine of the state; 0 for a state name the machine does not have.
int runState(pSMARTOBJECT& smartObject, _str& state, pMSG& message, const StateRoute* routes, std::size_t count);

template <std::size_t N>
int runState(pSMARTOBJECT& smartObject, _str& state, pMSG& message, const StateRoute (&routes)[N])
{
    return runState(smartObject, state, message, routes, N);
}

// The prologue, then the routine of the state.
template <std::size_t N>
int dispatch(pSMARTOBJECT& smartObject, _str& state, pMSG& message, const StateRoute (&routes)[N])
{
    return prologue(smartObject, state, message) ? runState(smartObject, state, message, routes, N) : 0;
}

// --- The enemy-engagement cycle of the fighting states.

// "MSG_ENTER": search for enemies, (for the guard and saboteur, the guard flag off), an empty
// EnemyGroup, and "MSG_CREATE_EN" to itself.
void engageEnter(Machine& m, bool guardFlagOff);
// After EnemyGroup has been filled: "MSG_ATTACK_EN" when it has units and has changed, or some of
// the group's units have no orders.
void engageAfterFill(Machine& m);
// "MSG_ATTACK_EN": attack the nearest enemies.
void engageAttack(Machine& m);
// "MSG_EXIT": the group (and the group variable `alsoAttacked`, when the list has it) no longer under
// attack, EnemyGroup emptied.
void engageExit(Machine& m, const char* alsoAttacked = nullptr);
// True when the group's fight needs EnemyGroup rebuilt: its size is none of the counts, or units idle.
bool engagementStale(Machine& m, int32_t count, int32_t otherCount);

pGroup enemyGroup(Machine& m);

}  // namespace warloom
