// What the implementations of the engine's API share: the current world, and journal entries for
// the operations a plug-in calls.
#pragma once

#include <string>

#include "engine_sim/journal.h"
#include "engine_sim/world.h"

namespace sim {

// The world the engine's API acts on, or nullptr.
inline World* world()
{
    return World::current();
}

std::string describe(const pGroup& group);
std::string describe(const pUnitsList& list);
std::string describe(const pUnit& unit);
std::string describe(const iNode& node);
std::string describe(const pARRAY& array);
std::string describe(const pSMARTOBJECT& smartObject);
std::string describe(const pUnitType& type);
std::string describe(const pABILITY& ability);
std::string describe(const pCAMERA& camera);
std::string describe(const pWEAPONMOD& weapon);
std::string describe(const pSTR_DIALOG& line);
std::string describe(const _str& text);
std::string describe(const iVector2D& vector);

// "receiver.operation"
template <class Receiver>
std::string on(const Receiver& receiver, const char* operation)
{
    return describe(receiver) + "." + operation;
}

// Appends "operation(arg, arg, ...)" to the current world's journal.
template <class... Args>
void record(const std::string& operation, const Args&... args)
{
    World* world = World::current();
    if (!world || !world->journal.enabled())
        return;
    std::string entry = operation + "(";
    [[maybe_unused]] const char* separator = "";
    ((entry += separator, entry += describe(args), separator = ", "), ...);
    world->journal.add(entry + ")");
}

}  // namespace sim
