// Parameter lists and arrays.
//
// A parameter list holds named, typed variables. Readers of INT, BOOL and STR variables give references
// into the list; readers of engine objects give handles. A variable can be bound to an engine object or,
// through getVOID, to another list's variable (a live link: reads and writes go through).
#pragma once

#include <cstdint>

#include "export.h"
#include "handles.h"
#include "strings.h"
#include "units.h"

class pARRAY;

class ENGINE_API pParamList : public EngineHandle {
public:
    pParamList() = default;
    explicit pParamList(int32_t id) : EngineHandle(id) {}

    bool Valid() const;
    // True when the list holds a variable of that name.
    bool check(const char* name) const;
    // True when the variable is the list's own value, false when it is a link to another variable.
    bool IsLocal(const char* name) const;

    // Readers. A missing variable reads as a zero value of the type (a scratch value for references).
    int32_t& getINT(const char* name);
    bool& getBOOL(const char* name);
    _str& getSTR(const char* name);
    iNode getNODE(const char* name);
    pGroup getGROUP(const char* name);
    pARRAY getARRAY(const char* name);
    pABILITY getABILILTY(const char* name);
    pCAMERA getCAMERA(const char* name);
    pWEAPONMOD getWEAPONMOD(const char* name);
    // The address of a variable, for binding another list's variable to it; nullptr when missing.
    void* getVOID(const char* name);

    // Creators: add a variable (an existing one of that name is replaced) and give access to it.
    int32_t& addINT(const char* name);
    bool& addBOOL(const char* name);
    _str& addSTR(const char* name);
    iNode addNODE(const char* name);
    pGroup addGROUP(const char* name);
    pARRAY addARRAY(const char* name);

    // Binders: the variable denotes another object, or links to another variable (nullptr unbinds).
    void setREF(const char* name, const pGroup& group);
    void setREF(const char* name, const iNode& node);
    void setREF(const char* name, const pARRAY& array);
    void setREF(const char* name, void* variable);

    void CLEAR();

    // A temporary list: CreateOBJ_PL makes this handle name a new empty list, DeleteOBJ_PL removes it.
    void CreateOBJ_PL();
    void DeleteOBJ_PL();
};

// An array of values; its elements are the variables of its own parameter list, in order.
class ENGINE_API pARRAY : public EngineHandle {
public:
    pARRAY() = default;
    explicit pARRAY(int32_t id) : EngineHandle(id) {}

    bool Valid() const;
    int32_t getSIZE() const;
    int32_t getINT(int32_t index) const;
    iNode getNODE(int32_t index) const;
    pGroup getGROUP(int32_t index) const;
    pSTR_DIALOG getDIALOG(int32_t index) const;
    pParamList getParamList() const;
    void CLEAR();
};
