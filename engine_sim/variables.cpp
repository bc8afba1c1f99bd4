// Variables of parameter lists: lookup, live links, creation and clearing.
#include <cstring>

#include "engine_sim/world.h"

namespace sim {

namespace {
// A chain of live links longer than this is taken for a loop and ends where it stands.
constexpr int kMaxLinkDepth = 16;
}  // namespace

int32_t World::findVariable(int32_t list, const char* name) const
{
    const ParamList* found = this->list(list);
    if (!found || !name)
        return -1;
    for (int32_t id : found->variables)
        if (variable(id)->name == name)
            return id;
    return -1;
}

Variable* World::resolve(int32_t id) const
{
    Variable* reached = variable(id);
    for (int depth = 0; reached && reached->link >= 0 && depth < kMaxLinkDepth; ++depth) {
        Variable* next = variable(reached->link);
        if (!next || next->type != reached->type)
            break;
        reached = next;
    }
    return reached;
}

int32_t World::addVariable(int32_t list, const char* name, VarType type)
{
    ParamList* target = this->list(list);
    if (!target || !name)
        return -1;
    // Adding a name the list already holds starts that variable afresh, in its place.
    const int32_t existing = findVariable(list, name);
    if (existing >= 0) {
        Variable& renewed = *variable(existing);
        renewed.type = type;
        renewed.number = type == VarType::Int ? 0 : -1;
        renewed.flag = false;
        renewed.text.Clear();
        renewed.link = -1;
        return existing;
    }
    auto created = std::make_unique<Variable>();
    created->name = name;
    created->type = type;
    created->number = type == VarType::Int ? 0 : -1;
    const Variable* address = created.get();
    const int32_t id = m_variables.add(std::move(created));
    m_variableAddresses[address] = id;
    target->variables.push_back(id);
    return id;
}

int32_t World::variableAt(const void* address) const
{
    auto found = m_variableAddresses.find(address);
    return found == m_variableAddresses.end() ? -1 : found->second;
}

void World::clearList(int32_t list)
{
    ParamList* target = this->list(list);
    if (!target)
        return;
    for (int32_t id : target->variables) {
        m_variableAddresses.erase(variable(id));
        m_variables.remove(id);
    }
    target->variables.clear();
}

int32_t& World::scratchInt()
{
    m_scratchInt = 0;
    return m_scratchInt;
}

bool& World::scratchBool()
{
    m_scratchBool = false;
    return m_scratchBool;
}

_str& World::scratchStr()
{
    m_scratchStr.Clear();
    return m_scratchStr;
}

}  // namespace sim
