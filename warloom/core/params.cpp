#include "warloom/core/params.h"

namespace warloom {

bool Params::has(const char* name) const
{
    return m_list && m_list->Valid() && m_list->check(name);
}

bool Params::get(const char* name, pGroup& value)
{
    return has(name) && (value = m_list->getGROUP(name), true);
}

bool Params::get(const char* name, iNode& value)
{
    return has(name) && (value = m_list->getNODE(name), true);
}

bool Params::get(const char* name, pARRAY& value)
{
    return has(name) && (value = m_list->getARRAY(name), true);
}

bool Params::get(const char* name, pABILITY& value)
{
    return has(name) && (value = m_list->getABILILTY(name), true);
}

bool Params::get(const char* name, pCAMERA& value)
{
    return has(name) && (value = m_list->getCAMERA(name), true);
}

bool Params::get(const char* name, pWEAPONMOD& value)
{
    return has(name) && (value = m_list->getWEAPONMOD(name), true);
}

bool Params::get(const char* name, pUnitType& value)
{
    return has(name) && (value = pUnitType(m_list->getINT(name)), true);
}

bool Params::get(const char* name, int32_t& value)
{
    return has(name) && (value = m_list->getINT(name), true);
}

bool Params::get(const char* name, int32_t*& value)
{
    return has(name) && (value = &m_list->getINT(name), true);
}

bool Params::get(const char* name, bool& value)
{
    return has(name) && (value = m_list->getBOOL(name), true);
}

bool Params::get(const char* name, bool*& value)
{
    return has(name) && (value = &m_list->getBOOL(name), true);
}

bool Params::get(const char* name, _str*& value)
{
    return has(name) && (value = &m_list->getSTR(name), true);
}

}  // namespace warloom
