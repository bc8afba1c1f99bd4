// Smart objects: kinds bound to state-machine functions, message delivery, state changes and time.
#include <algorithm>

#include "engine_sim/world.h"

namespace sim {

namespace {
// State changes that keep requesting further changes are cut after this many in a row.
constexpr int kMaxChangesInRow = 1000;
}  // namespace

void World::bindScriptFunction(const std::string& name, ScriptFunction function)
{
    m_scriptFunctions[name] = function;
}

void World::bindKind(const std::string& kind, StateMachineFunction function)
{
    m_kinds[kind] = function;
}

int32_t World::call(const std::string& name, pParamList* list)
{
    auto found = m_scriptFunctions.find(name);
    if (found == m_scriptFunctions.end())
        return -1;
    enterCall();
    const int32_t result = found->second(list);
    leaveCall();
    // A change of state a script call requested takes effect when the call returns.
    if (!inCall() && m_deliveryDepth == 0)
        applyStateChanges();
    return result;
}

int32_t World::createSmartObject(const std::string& kind)
{
    auto created = std::make_unique<SmartObject>();
    created->kind = kind;
    created->params = createList(false);
    const int32_t id = m_smartObjects.add(std::move(created));
    smartObject(id)->name = kind + "_" + std::to_string(id);
    return id;
}

int32_t World::send(int32_t smartObject, const std::string& message, int32_t params, int32_t sender)
{
    SmartObject* receiver = this->smartObject(smartObject);
    if (!receiver)
        return 0;
    auto machine = m_kinds.find(receiver->kind);
    if (machine == m_kinds.end())
        return 0;
    enterCall();
    ++m_deliveryDepth;
    pSMARTOBJECT handle(smartObject);
    _str state(receiver->state.c_str());
    pMSG delivered(createMessage(message, params, sender));
    const int32_t result = machine->second(handle, state, delivered);
    if (--m_deliveryDepth == 0)
        applyStateChanges();
    leaveCall();
    return result;
}

void World::sendLater(int32_t smartObject, const std::string& message, int32_t delay, int32_t sender)
{
    m_delayed.push_back({m_clock + std::max(delay, 0), ++m_sequence, smartObject, sender, message});
}

void World::requestState(int32_t smartObject, const char* state)
{
    if (SmartObject* target = this->smartObject(smartObject)) {
        target->requested = state ? state : "";
        target->changeRequested = true;
    }
}

void World::confirmState(int32_t smartObject, bool confirm)
{
    SmartObject* target = this->smartObject(smartObject);
    if (!target)
        return;
    target->changeConfirmed = confirm && target->changeRequested;
    if (!confirm)
        target->changeRequested = false;
}

void World::applyStateChanges()
{
    if (m_applyingChanges)
        return;
    m_applyingChanges = true;
    for (int change = 0; change < kMaxChangesInRow; ++change) {
        int32_t pending = -1;
        m_smartObjects.forEach([&](int32_t id, const SmartObject& candidate) {
            if (pending < 0 && candidate.changeConfirmed)
                pending = id;
        });
        if (pending < 0)
            break;
        smartObject(pending)->changeConfirmed = false;
        send(pending, "MSG_EXIT");
        // A request made while leaving the state replaces the one being carried out.
        SmartObject& changing = *smartObject(pending);
        changing.state = changing.requested;
        changing.changeConfirmed = false;
        changing.changeRequested = false;
        send(pending, "MSG_ENTER");
    }
    m_applyingChanges = false;
}

void World::attach(SmartObject& smartObject, int32_t group)
{
    smartObject.group = group;
    smartObject.attachedAt = ++m_sequence;
}

bool World::releaseGroup(int32_t group)
{
    bool released = false;
    m_smartObjects.forEach([&](int32_t, SmartObject& candidate) {
        if (group >= 0 && candidate.group == group) {
            candidate.group = -1;
            released = true;
        }
    });
    return released;
}

bool World::runsKind(int32_t group, const std::string& kind) const
{
    bool running = false;
    m_smartObjects.forEach([&](int32_t, const SmartObject& candidate) {
        running = running || (group >= 0 && candidate.group == group && candidate.kind == kind);
    });
    return running;
}

int32_t World::findSmartObjectByKind(const std::string& kind) const
{
    int32_t found = -1;
    m_smartObjects.forEach([&](int32_t id, const SmartObject& candidate) {
        if (found < 0 && candidate.kind == kind)
            found = id;
    });
    return found;
}

int32_t World::findSmartObjectByName(const std::string& name) const
{
    // An instance name first; otherwise the smart object that last took the group of that name.
    int32_t found = -1;
    m_smartObjects.forEach([&](int32_t id, const SmartObject& candidate) {
        if (found < 0 && candidate.name == name)
            found = id;
    });
    if (found >= 0)
        return found;
    int64_t latest = -1;
    m_smartObjects.forEach([&](int32_t id, const SmartObject& candidate) {
        const UnitSet* attached = group(candidate.group);
        if (attached && attached->name == name && candidate.attachedAt > latest) {
            latest = candidate.attachedAt;
            found = id;
        }
    });
    return found;
}

void World::deliverDue()
{
    std::vector<Delayed> due;
    auto firstLater = std::stable_partition(m_delayed.begin(), m_delayed.end(),
                                            [&](const Delayed& waiting) { return waiting.due <= m_clock; });
    due.assign(std::make_move_iterator(m_delayed.begin()), std::make_move_iterator(firstLater));
    m_delayed.erase(m_delayed.begin(), firstLater);
    std::sort(due.begin(), due.end(), [](const Delayed& a, const Delayed& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    for (const Delayed& message : due)
        send(message.receiver, message.message, -1, message.sender);
}

void World::Tick(int32_t length)
{
    m_clock += length;
    if (unitsMove)
        stepUnits();
    stepProduction();
    deliverDue();
    std::vector<int32_t> updated;
    m_smartObjects.forEach([&](int32_t id, const SmartObject&) { updated.push_back(id); });
    for (int32_t id : updated)
        send(id, "MSG_UPDATE");
}

}  // namespace sim
