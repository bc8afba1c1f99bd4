// Smart objects and messages.
#include "engine_sim/api_support.h"

using sim::on;
using sim::record;
using sim::world;

namespace {

sim::SmartObject* smartObjectOf(int32_t id)
{
    return world() ? world()->smartObject(id) : nullptr;
}

sim::Message* messageOf(int32_t id)
{
    return world() ? world()->message(id) : nullptr;
}

}  // namespace

bool pSMARTOBJECT::Valid() const { return smartObjectOf(m_id) != nullptr; }

pParamList pSMARTOBJECT::getPARAMS() const
{
    const sim::SmartObject* found = smartObjectOf(m_id);
    return pParamList(found ? found->params : -1);
}

pGroup pSMARTOBJECT::getOBJ_GROUP() const
{
    const sim::SmartObject* found = smartObjectOf(m_id);
    return pGroup(found && world()->group(found->group) ? found->group : -1);
}

bool pSMARTOBJECT::setOBJ(const char* groupName)
{
    record(on(*this, "setOBJ"), groupName);
    sim::SmartObject* found = smartObjectOf(m_id);
    const int32_t group = found && groupName ? world()->groupByName(groupName) : -1;
    if (group < 0)
        return false;
    world()->attach(*found, group);
    return true;
}

const char* pSMARTOBJECT::getSTATE() const
{
    const sim::SmartObject* found = smartObjectOf(m_id);
    return found ? found->state.c_str() : "";
}

void pSMARTOBJECT::setSTATE(const char* state)
{
    record(on(*this, "setSTATE"), state);
    if (sim::SmartObject* found = smartObjectOf(m_id))
        found->state = state ? state : "";
}

void pSMARTOBJECT::next_STATE(const char* state)
{
    record(on(*this, "next_STATE"), state);
    if (world())
        world()->requestState(m_id, state);
}

void pSMARTOBJECT::FSC(bool confirm)
{
    record(on(*this, "FSC"), confirm);
    if (world())
        world()->confirmState(m_id, confirm);
}

const char* pSMARTOBJECT::getName() const
{
    const sim::SmartObject* found = smartObjectOf(m_id);
    return found ? found->name.c_str() : "";
}

void pSMARTOBJECT::setName(const char* name)
{
    record(on(*this, "setName"), name);
    if (sim::SmartObject* found = smartObjectOf(m_id))
        found->name = name ? name : "";
}

bool pMSG::Valid() const { return messageOf(m_id) != nullptr; }

const char* pMSG::str() const
{
    const sim::Message* found = messageOf(m_id);
    return found ? found->name.c_str() : "";
}

pParamList pMSG::getPARAMS() const
{
    const sim::Message* found = messageOf(m_id);
    return pParamList(found ? found->params : -1);
}

pSMARTOBJECT pMSG::getSender() const
{
    const sim::Message* found = messageOf(m_id);
    return pSMARTOBJECT(found ? found->sender : -1);
}
