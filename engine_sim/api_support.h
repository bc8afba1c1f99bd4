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

// --- Lookups in the current world; nullptr without one.

inline Unit* unitOf(int32_t gid)
{
    return world() ? world()->unit(gid) : nullptr;
}

inline UnitSet* setOf(int32_t id)
{
    return world() ? world()->unitSet(id) : nullptr;
}

inline Node* nodeOf(int32_t id)
{
    return world() ? world()->node(id) : nullptr;
}

inline bool inCircle(const Unit& unit, int32_t x, int32_t y, int32_t r)
{
    const int64_t dx = unit.x - x;
    const int64_t dy = unit.y - y;
    return r >= 0 && dx * dx + dy * dy <= static_cast<int64_t>(r) * r;
}

// Keeps the members of a set for which `keep` holds.
template <class Keep>
void filterSet(int32_t id, Keep keep)
{
    UnitSet* set = setOf(id);
    if (!set)
        return;
    for (std::size_t i = set->units.size(); i-- > 0;) {
        const Unit* member = unitOf(set->units[i]);
        if (!member || !keep(*member))
            world()->removeFromSet(*set, i);
    }
}

// Counts the members of a group for which `counted` holds; 0 for an invalid group.
template <class Counted>
int32_t countMembers(int32_t group, Counted counted)
{
    const UnitSet* set = world() ? world()->group(group) : nullptr;
    if (!set)
        return 0;
    return static_cast<int32_t>(std::count_if(set->units.begin(), set->units.end(), [&](int32_t gid) {
        const Unit* member = unitOf(gid);
        return member && counted(*member);
    }));
}

// Sums a figure over the members of a group; 0 for an invalid group.
template <class Figure>
int32_t sumMembers(int32_t group, Figure figure)
{
    const UnitSet* set = world() ? world()->group(group) : nullptr;
    int32_t total = 0;
    if (set)
        for (int32_t gid : set->units)
            if (const Unit* member = unitOf(gid))
                total += figure(*member);
    return total;
}

inline OrderCode currentOrder(const Unit& unit)
{
    return unit.orders.empty() ? kOrderNone : unit.orders.front().code;
}

// The member at an index of a group, or nullptr.
// True when the unit is alive, of another nation, and its nation mask does not count the nation as a friend.
inline bool hostileTo(const Unit& unit, int32_t nation)
{
    return unit.alive && unit.nation != nation && (unit.nationMask & GameInterface::GetNationMask(nation)) == 0;
}

// Adds to a set the units standing in a circle (not those held in containers) that pass the test.
template <class Test>
int32_t addUnitsInCircle(UnitSet& set, int32_t x, int32_t y, int32_t r, Test test)
{
    int32_t added = 0;
    world()->units().forEach([&](int32_t gid, const Unit& unit) {
        if (unit.container < 0 && inCircle(unit, x, y, r) && test(unit)) {
            const std::size_t before = set.units.size();
            world()->addToSet(set, gid);
            added += static_cast<int32_t>(set.units.size() - before);
        }
    });
    return added;
}

inline Unit* memberAt(int32_t group, int32_t index)
{
    const UnitSet* set = world() ? world()->group(group) : nullptr;
    if (!set || index < 0 || static_cast<std::size_t>(index) >= set->units.size())
        return nullptr;
    return unitOf(set->units[static_cast<std::size_t>(index)]);
}

// --- Journal entries.

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
