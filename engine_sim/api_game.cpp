// The engine's services to plug-ins: declarations, smart objects, messages, nations and arithmetic.
#include <cmath>

#include "engine_sim/record.h"

using sim::record;
using sim::world;

namespace {

sim::DeclaredFunction* declaredFunction(const char* name)
{
    if (!world() || !name)
        return nullptr;
    auto& declared = world()->declarations();
    for (auto it = declared.rbegin(); it != declared.rend(); ++it)
        if (it->name == name)
            return &*it;
    return nullptr;
}

}  // namespace

// --- Declarations

void GameInterface::dllfnClearList()
{
    record("dllfnClearList");
    if (world())
        world()->declarations().clear();
}

void GameInterface::AddFunctionToDeclarationList(const char* function)
{
    record("AddFunctionToDeclarationList", function);
    if (world() && function)
        world()->declarations().push_back({function, {}});
}

void GameInterface::AddParamsToFunctionInList(const char* function, const char* typeWord, const char* name)
{
    record("AddParamsToFunctionInList", function, typeWord, name);
    if (sim::DeclaredFunction* declared = declaredFunction(function))
        declared->params.push_back({typeWord ? typeWord : "", name ? name : ""});
}

// --- Smart objects and messages

pSMARTOBJECT GameInterface::GET_SO(const char* kind)
{
    record("GET_SO", kind);
    if (!world() || !kind || !world()->hasKind(kind))
        return pSMARTOBJECT();
    return pSMARTOBJECT(world()->createSmartObject(kind));
}

pSMARTOBJECT GameInterface::FindSO(const char* kind)
{
    record("FindSO", kind);
    return pSMARTOBJECT(world() && kind ? world()->findSmartObjectByKind(kind) : -1);
}

pSMARTOBJECT GameInterface::FindSObyName(const char* name)
{
    record("FindSObyName", name);
    return pSMARTOBJECT(world() && name ? world()->findSmartObjectByName(name) : -1);
}

bool GameInterface::CheckObjectFSM(const char* groupName, const char* kind)
{
    record("CheckObjectFSM", groupName, kind);
    return world() && groupName && kind && world()->runsKind(world()->groupByName(groupName), kind);
}

bool GameInterface::FreeSO_pVAR(pGroup& group)
{
    record("FreeSO_pVAR", group);
    return world() && group.Valid() && world()->releaseGroup(group.id());
}

void GameInterface::SendMSG(const char* message, pSMARTOBJECT& sender, pSMARTOBJECT& receiver)
{
    record("SendMSG", message, sender, receiver);
    if (world() && message)
        world()->send(receiver.id(), message, -1, sender.id());
}

void GameInterface::SendMSG(const char* message, int32_t delay, pSMARTOBJECT& sender, pSMARTOBJECT& receiver)
{
    record("SendMSG", message, delay, sender, receiver);
    if (world() && message)
        world()->sendLater(receiver.id(), message, delay, sender.id());
}

// --- Nations, arithmetic and chance

int32_t GameInterface::GetNationMask(int32_t nation)
{
    return nation >= 0 && nation < sim::kNations ? 1 << nation : 0;
}

int32_t GameInterface::random(int32_t n)
{
    const int32_t drawn = world() ? world()->random.below(n) : 0;
    record("random", n);
    return drawn;
}

int32_t GameInterface::random(int32_t low, int32_t high)
{
    const int32_t drawn = world() ? world()->random.between(low, high) : low;
    record("random", low, high);
    return drawn;
}

int32_t GameInterface::NORMA(int32_t x1, int32_t x2, int32_t y1, int32_t y2)
{
    const double dx = static_cast<double>(x1) - x2;
    const double dy = static_cast<double>(y1) - y2;
    return static_cast<int32_t>(std::sqrt(dx * dx + dy * dy));
}

float GameInterface::DOT(iVector2D& a, iVector2D& b)
{
    return static_cast<float>(static_cast<int64_t>(a.x) * b.x + static_cast<int64_t>(a.y) * b.y);
}

int32_t GameInterface::GetGlobalTime()
{
    return world() ? world()->now() : 0;
}

// --- Game state

int32_t GameInterface::GetNKilled(int32_t nation, pUnitType& type)
{
    record("GetNKilled", nation, type);
    return world() ? world()->kills(nation, type.GetType()) : 0;
}

bool GameInterface::GetInsideDialogState()
{
    record("GetInsideDialogState");
    return world() && world()->insideDialogState();
}

bool GameInterface::GetTankMode()
{
    record("GetTankMode");
    return world() && world()->tankMode();
}
