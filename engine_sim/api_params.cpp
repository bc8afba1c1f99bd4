// Parameter lists and arrays.
#include "engine_sim/api_support.h"

using sim::record;
using sim::world;

namespace {

// The variable a read of `name` in `list` reaches when it has the type, or nullptr.
sim::Variable* reach(int32_t list, const char* name, sim::VarType type)
{
    if (!world())
        return nullptr;
    sim::Variable* found = world()->resolve(world()->findVariable(list, name));
    return found && found->type == type ? found : nullptr;
}

int32_t objectOf(int32_t list, const char* name, sim::VarType type)
{
    const sim::Variable* found = reach(list, name, type);
    return found ? found->number : -1;
}

// Creates (or starts afresh) a variable; nullptr when the list is gone.
sim::Variable* create(int32_t list, const char* name, sim::VarType type)
{
    return world() ? world()->variable(world()->addVariable(list, name, type)) : nullptr;
}

// The list's own variable of that name (not following links), or nullptr.
sim::Variable* own(int32_t list, const char* name)
{
    return world() ? world()->variable(world()->findVariable(list, name)) : nullptr;
}

// Binds a variable of the list to an engine object of the same type.
void bind(int32_t list, const char* name, sim::VarType type, int32_t object)
{
    sim::Variable* bound = own(list, name);
    if (!bound || bound->type != type)
        return;
    bound->link = -1;
    bound->number = object;
}

// An element of an array: the variable at an index of its list, or nullptr.
sim::Variable* element(int32_t array, int32_t index)
{
    const sim::Array* found = world() ? world()->array(array) : nullptr;
    const sim::ParamList* list = found ? world()->list(found->list) : nullptr;
    if (!list || index < 0 || static_cast<std::size_t>(index) >= list->variables.size())
        return nullptr;
    return world()->resolve(list->variables[static_cast<std::size_t>(index)]);
}

int32_t elementObject(int32_t array, int32_t index, sim::VarType type)
{
    const sim::Variable* found = element(array, index);
    return found && found->type == type ? found->number : -1;
}

}  // namespace

// --- pParamList

bool pParamList::Valid() const { return world() && world()->list(m_id); }

bool pParamList::check(const char* name) const
{
    return world() && world()->findVariable(m_id, name) >= 0;
}

bool pParamList::IsLocal(const char* name) const
{
    const sim::Variable* found = own(m_id, name);
    return found && found->link < 0;
}

int32_t& pParamList::getINT(const char* name)
{
    sim::Variable* found = reach(m_id, name, sim::VarType::Int);
    if (found)
        return found->number;
    static int32_t detached = 0;
    return world() ? world()->scratchInt() : (detached = 0);
}

bool& pParamList::getBOOL(const char* name)
{
    sim::Variable* found = reach(m_id, name, sim::VarType::Bool);
    if (found)
        return found->flag;
    static bool detached = false;
    return world() ? world()->scratchBool() : (detached = false);
}

_str& pParamList::getSTR(const char* name)
{
    sim::Variable* found = reach(m_id, name, sim::VarType::Str);
    if (found)
        return found->text;
    static _str detached;
    return world() ? world()->scratchStr() : detached;
}

iNode pParamList::getNODE(const char* name) { return iNode(objectOf(m_id, name, sim::VarType::Node)); }
pGroup pParamList::getGROUP(const char* name) { return pGroup(objectOf(m_id, name, sim::VarType::Group)); }
pARRAY pParamList::getARRAY(const char* name) { return pARRAY(objectOf(m_id, name, sim::VarType::Array)); }
pABILITY pParamList::getABILILTY(const char* name) { return pABILITY(objectOf(m_id, name, sim::VarType::Ability)); }
pCAMERA pParamList::getCAMERA(const char* name) { return pCAMERA(objectOf(m_id, name, sim::VarType::Camera)); }

pWEAPONMOD pParamList::getWEAPONMOD(const char* name)
{
    return pWEAPONMOD(objectOf(m_id, name, sim::VarType::WeaponMod));
}

void* pParamList::getVOID(const char* name)
{
    return own(m_id, name);
}

int32_t& pParamList::addINT(const char* name)
{
    sim::Variable* created = create(m_id, name, sim::VarType::Int);
    return created ? created->number : getINT(nullptr);
}

bool& pParamList::addBOOL(const char* name)
{
    sim::Variable* created = create(m_id, name, sim::VarType::Bool);
    return created ? created->flag : getBOOL(nullptr);
}

_str& pParamList::addSTR(const char* name)
{
    sim::Variable* created = create(m_id, name, sim::VarType::Str);
    return created ? created->text : getSTR(nullptr);
}

iNode pParamList::addNODE(const char* name)
{
    sim::Variable* created = create(m_id, name, sim::VarType::Node);
    if (!created)
        return iNode();
    created->number = world()->addNode(0, 0, 0);
    return iNode(created->number);
}

pGroup pParamList::addGROUP(const char* name)
{
    sim::Variable* created = create(m_id, name, sim::VarType::Group);
    if (!created)
        return pGroup();
    created->number = world()->createUnitSet(true, "", false);
    return pGroup(created->number);
}

pARRAY pParamList::addARRAY(const char* name)
{
    sim::Variable* created = create(m_id, name, sim::VarType::Array);
    if (!created)
        return pARRAY();
    created->number = world()->createArray();
    return pARRAY(created->number);
}

void pParamList::setREF(const char* name, const pGroup& group) { bind(m_id, name, sim::VarType::Group, group.id()); }
void pParamList::setREF(const char* name, const iNode& node) { bind(m_id, name, sim::VarType::Node, node.id()); }
void pParamList::setREF(const char* name, const pARRAY& array) { bind(m_id, name, sim::VarType::Array, array.id()); }

void pParamList::setREF(const char* name, void* variable)
{
    sim::Variable* bound = own(m_id, name);
    if (!bound)
        return;
    if (!variable) {
        // Unbound: a value of its own, and no object.
        bound->link = -1;
        if (bound->type != sim::VarType::Int && bound->type != sim::VarType::Bool && bound->type != sim::VarType::Str)
            bound->number = -1;
        return;
    }
    const int32_t target = world()->variableAt(variable);
    if (target >= 0 && target != world()->findVariable(m_id, name))
        bound->link = target;
}

void pParamList::CLEAR()
{
    if (world())
        world()->clearList(m_id);
}

void pParamList::CreateOBJ_PL()
{
    record("CreateOBJ_PL");
    m_id = world() ? world()->createList(true) : -1;
}

void pParamList::DeleteOBJ_PL()
{
    record("DeleteOBJ_PL");
    if (world())
        world()->removeList(m_id);
}

// --- pARRAY

bool pARRAY::Valid() const { return world() && world()->array(m_id); }

int32_t pARRAY::getSIZE() const
{
    const sim::Array* found = world() ? world()->array(m_id) : nullptr;
    const sim::ParamList* list = found ? world()->list(found->list) : nullptr;
    return list ? static_cast<int32_t>(list->variables.size()) : 0;
}

int32_t pARRAY::getINT(int32_t index) const
{
    const sim::Variable* found = element(m_id, index);
    return found && found->type == sim::VarType::Int ? found->number : 0;
}

iNode pARRAY::getNODE(int32_t index) const { return iNode(elementObject(m_id, index, sim::VarType::Node)); }
pGroup pARRAY::getGROUP(int32_t index) const { return pGroup(elementObject(m_id, index, sim::VarType::Group)); }

pSTR_DIALOG pARRAY::getDIALOG(int32_t index) const
{
    return pSTR_DIALOG(elementObject(m_id, index, sim::VarType::Dialog));
}

pParamList pARRAY::getParamList() const
{
    const sim::Array* found = world() ? world()->array(m_id) : nullptr;
    return pParamList(found ? found->list : -1);
}

void pARRAY::CLEAR()
{
    const sim::Array* found = world() ? world()->array(m_id) : nullptr;
    if (found)
        world()->clearList(found->list);
}
