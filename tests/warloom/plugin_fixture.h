// Tests through the real boundary: the built plug-in, loaded by path into a fresh simulated world.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine_sim/loader.h"
#include "engine_sim/world.h"

// A script's parameter list, built by name: Args(world).group("Group", id).integer("Nation", 2).
class Args {
public:
    explicit Args(sim::World& world) : m_world(world), m_list(world.newList()) {}

    Args& group(const char* name, int32_t id) { return bind(name, sim::VarType::Group, id); }
    Args& node(const char* name, int32_t id) { return bind(name, sim::VarType::Node, id); }
    Args& array(const char* name, const pARRAY& array) { return bind(name, sim::VarType::Array, array.id()); }
    Args& ability(const char* name, int32_t id) { return bind(name, sim::VarType::Ability, id); }
    Args& camera(const char* name, int32_t id) { return bind(name, sim::VarType::Camera, id); }
    Args& weapon(const char* name, int32_t id) { return bind(name, sim::VarType::WeaponMod, id); }
    Args& integer(const char* name, int32_t value)
    {
        m_list.addINT(name) = value;
        return *this;
    }
    Args& flag(const char* name, bool value)
    {
        m_list.addBOOL(name) = value;
        return *this;
    }
    Args& text(const char* name, const char* value)
    {
        m_list.addSTR(name) = value;
        return *this;
    }

    pParamList& list() { return m_list; }
    pParamList* operator->() { return &m_list; }

private:
    Args& bind(const char* name, sim::VarType type, int32_t id)
    {
        m_world.variable(m_world.addVariable(m_list.id(), name, type))->number = id;
        return *this;
    }

    sim::World& m_world;
    pParamList m_list;
};

class PluginTest : public ::testing::Test {
protected:
    // The library is loaded once for the whole test program, as the engine loads it once.
    static sim::Plugin& plugin()
    {
        static sim::Plugin loaded(WARLOOM_PLUGIN_PATH);
        return loaded;
    }

    void SetUp() override
    {
        ASSERT_TRUE(plugin().loaded()) << plugin().error();
        plugin().declare(world);
        world.journal.clear();
    }

    // A script's parameter list with a GROUP parameter bound to a group.
    pParamList groupList(const char* parameter, int32_t group) { return Args(world).group(parameter, group).list(); }

    int32_t call(const std::string& function, pParamList* list) { return world.call(function, list); }
    int32_t call(const std::string& function, Args& args) { return world.call(function, &args.list()); }
    int32_t call(const std::string& function, Args&& args) { return world.call(function, &args.list()); }

    // A group of units of one nation and type standing in a row from (x, y).
    int32_t squad(const std::string& name, int32_t nation, int32_t count, int32_t x = 0, int32_t y = 0, int32_t type = 1)
    {
        std::vector<int32_t> units;
        for (int32_t i = 0; i < count; ++i)
            units.push_back(world.addUnit({type, nation, x + 10 * i, y}));
        return world.addGroup(name, units);
    }

    pARRAY nodes(const std::vector<std::pair<int32_t, int32_t>>& points, int32_t radius = 100)
    {
        pARRAY array = world.newArray();
        for (const auto& [x, y] : points)
            world.pushNode(array, world.addNode(x, y, radius));
        return array;
    }

    std::vector<int32_t> members(int32_t group) const { return world.unitSet(group)->units; }

    // The smart object of a kind that drives a group, or an invalid handle.
    pSMARTOBJECT machineOf(int32_t group, const std::string& kind) const
    {
        int32_t found = -1;
        world.smartObjects().forEach([&](int32_t id, const sim::SmartObject& candidate) {
            if (candidate.group == group && candidate.kind == kind)
                found = id;
        });
        return pSMARTOBJECT(found);
    }
    static std::string stateOf(const pSMARTOBJECT& machine) { return machine.getSTATE(); }

    // Ticks until the machine's state is `state`, at most `limit` times; the states passed through, in order.
    std::vector<std::string> tickUntil(const pSMARTOBJECT& machine, const std::string& state, int limit = 200)
    {
        std::vector<std::string> passed{stateOf(machine)};
        for (int i = 0; i < limit && stateOf(machine) != state; ++i) {
            world.Tick();
            if (stateOf(machine) != passed.back())
                passed.push_back(stateOf(machine));
        }
        return passed;
    }

    sim::World world;
};
