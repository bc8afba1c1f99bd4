// The one reader of a script function's parameters.
//
// Before each parameter the caller's list must be present, valid and hold the parameter; the first
// parameter that fails ends the read. Each value is read with the operation of its type word:
//
//   GROUP pGroup, NODE iNode, ARRAY pARRAY, UnitAbility pABILITY, CAMERA pCAMERA,
//   WeaponModificators pWEAPONMOD, UnitType pUnitType (an INT wrapped), INT and FurmationType
//   int32_t (a copy) or int32_t* (the list's own integer, to hand a value back), BOOL bool or bool*,
//   STR _str* (the list's own text).
#pragma once

#include <cstdint>

#include "engine_api/engine.h"

namespace warloom {

class Params {
public:
    explicit Params(pParamList* list) : m_list(list) {}

    // Reads name/value pairs in order: read("Group", group, "Nation", nation). False at the first
    // parameter that cannot be read; the values read before it are set.
    template <class Value, class... Rest>
    bool read(const char* name, Value& value, Rest&... rest)
    {
        return get(name, value) && read(rest...);
    }
    bool read() { return true; }

    // True when the list is present, valid and holds the name: how an optional parameter is looked up.
    bool has(const char* name) const;

private:
    bool get(const char* name, pGroup& value);
    bool get(const char* name, iNode& value);
    bool get(const char* name, pARRAY& value);
    bool get(const char* name, pABILITY& value);
    bool get(const char* name, pCAMERA& value);
    bool get(const char* name, pWEAPONMOD& value);
    bool get(const char* name, pUnitType& value);
    bool get(const char* name, int32_t& value);
    bool get(const char* name, int32_t*& value);
    bool get(const char* name, bool& value);
    bool get(const char* name, bool*& value);
    bool get(const char* name, _str*& value);

    pParamList* m_list;
};

}  // namespace warloom
