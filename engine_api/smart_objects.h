// Smart objects (state machines the engine drives with messages) and their messages.
#pragma once

#include <cstdint>

#include "export.h"
#include "params.h"

class ENGINE_API pSMARTOBJECT : public EngineHandle {
public:
    pSMARTOBJECT() = default;
    explicit pSMARTOBJECT(int32_t id) : EngineHandle(id) {}

    bool Valid() const;
    pParamList getPARAMS() const;
    pGroup getOBJ_GROUP() const;
    // Attaches the named group; false when there is no such group.
    bool setOBJ(const char* groupName);

    // The current state name ("" for a new smart object).
    const char* getSTATE() const;
    // Sets the state at once, without messages.
    void setSTATE(const char* state);
    // Requests a change of state; FSC(true) confirms the request, FSC(false) withdraws it.
    void next_STATE(const char* state);
    void FSC(bool confirm);

    const char* getName() const;
    void setName(const char* name);
};

class ENGINE_API pMSG : public EngineHandle {
public:
    pMSG() = default;
    explicit pMSG(int32_t id) : EngineHandle(id) {}

    bool Valid() const;
    // The message name.
    const char* str() const;
    // The message's own parameter list (not valid when the message carries none).
    pParamList getPARAMS() const;
    pSMARTOBJECT getSender() const;
};
