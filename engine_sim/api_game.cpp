// The engine's services to plug-ins: declarations, smart objects, messages, nations and arithmetic.
#include <algorithm>
#include <cmath>

#include "engine_sim/api_support.h"

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

void GameInterface::SetInsideDialogState(bool state)
{
    record("SetInsideDialogState", state);
    if (world())
        world()->setInsideDialogState(state);
}

void GameInterface::SwithTankMode()
{
    record("SwithTankMode");
    if (world())
        world()->toggleTankMode();
}

int32_t GameInterface::SetAddFarms(int32_t nation, int32_t livingSpace, bool set)
{
    record("SetAddFarms", nation, livingSpace, set);
    if (!world() || nation < 0 || nation >= sim::kNations)
        return 0;
    int32_t& space = world()->livingSpace[nation];
    space = set ? livingSpace : space + livingSpace;
    return 1;
}

void GameInterface::AlertOnMap(int32_t x, int32_t y, int32_t duration, int32_t nation)
{
    record("AlertOnMap", x, y, duration, nation);
    if (world())
        world()->alerts.push_back({x, y, duration, nation});
}

// --- Units made on a script's behalf

namespace {

// No script may make more units than this at once.
constexpr int32_t kMostCreated = 1000;

bool creatable(int32_t count, uint8_t nation)
{
    return world() && count > 0 && count <= kMostCreated && nation < sim::kNations;
}

}  // namespace

void GameInterface::CreateRandomUnits(int32_t count, int32_t x, int32_t y, int32_t r, uint8_t nation, pUnitType& type,
                                      pUnitsList& created, int32_t formation, bool a, directions_list dir)
{
    record("CreateRandomUnits", count, x, y, r, nation, type, created, formation, a, dir);
    sim::UnitSet* list = world() ? world()->unitSet(created.id()) : nullptr;
    if (!list || !creatable(count, nation))
        return;
    for (int32_t gid : world()->createUnits(count, x, y, r / 2, nation, type.GetType()))
        world()->addToSet(*list, gid);
}

// A formation of type t is a square of (3 + t) by (3 + t) units (t from 0 to 7), centred on the point.
bool GameInterface::CreateFormation(pGroup& group, int32_t x, int32_t y, uint8_t nation, pUnitType& type,
                                    int32_t formationType, bool a, directions_list dir)
{
    record("CreateFormation", group, x, y, nation, type, formationType, a, dir);
    const int32_t side = 3 + std::clamp(formationType, 0, 7);
    if (!creatable(side * side, nation))
        return false;
    constexpr int32_t kSpacing = 40;
    std::vector<int32_t> units;
    for (int32_t row = 0; row < side; ++row)
        for (int32_t column = 0; column < side; ++column)
            units.push_back(world()->addUnit({type.GetType(), nation, x + (column - side / 2) * kSpacing,
                                              y + (row - side / 2) * kSpacing}));
    group = pGroup(world()->addGroup("", units));
    return true;
}

void GameInterface::AddTomahawksAttackers(pGroup& group, uint8_t nation, bool a, int32_t b, int32_t c, int32_t d)
{
    record("AddTomahawksAttackers", group, nation, a, b, c, d);
    const sim::UnitSet* set = world() ? world()->group(group.id()) : nullptr;
    if (set)
        world()->attackForces.push_back({nation, set->units});
}

// --- Texts

void GameInterface::PrintConsoleMessage2(const char* text, int32_t time)
{
    record("PrintConsoleMessage2", text, time);
    if (world())
        world()->hints.push_back({text ? text : "", time});
}

// Builds a text from a template: each "%d" takes the next integer of the array, in order.
bool GameInterface::PrepareString(_str& destinationId, _str& sourceId, pARRAY& values)
{
    record("PrepareString", destinationId, sourceId, values);
    if (!world() || !destinationId.pchar() || !sourceId.pchar())
        return false;
    auto source = world()->texts.find(sourceId.pchar());
    if (source == world()->texts.end())
        return false;
    std::string built;
    int32_t next = 0;
    const std::string& pattern = source->second;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.compare(i, 2, "%d") != 0) {
            built += pattern[i];
            continue;
        }
        if (next >= values.getSIZE())
            return false;
        built += std::to_string(values.getINT(next++));
        ++i;
    }
    world()->texts[destinationId.pchar()] = built;
    return true;
}

// A route is bad while one of its nodes is blocked; with `reset` the blocks are lifted.
bool GameInterface::MarkBadNode(pARRAY& route, int32_t lockType, int32_t nation, bool reset)
{
    record("MarkBadNode", route, lockType, nation, reset);
    bool bad = false;
    for (int32_t i = 0; i < route.getSIZE(); ++i) {
        sim::Node* node = world()->node(route.getNODE(i).id());
        bad = bad || (node && node->bad);
        if (node && reset)
            node->bad = false;
    }
    return bad;
}
