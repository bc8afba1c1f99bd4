// The host's scenes: a small world, script calls made by declared name, and what the plug-in did.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "engine_sim/world.h"
#include "tools/ascii_map.h"

namespace host {

// The scene's world and the script calls made in it.
class Scene {
public:
    explicit Scene(sim::World& world) : m_world(world) {}

    int32_t squad(const std::string& name, int32_t nation, int32_t count, int32_t x, int32_t y)
    {
        std::vector<int32_t> units;
        for (int32_t i = 0; i < count; ++i)
            units.push_back(m_world.addUnit({10, nation, x + 40 * i, y, 120}));
        return m_world.addGroup(name, units);
    }

    pParamList list() { return m_world.newList(); }

    pParamList groupList(const char* parameter, const std::string& group)
    {
        pParamList made = list();
        made.addGROUP(parameter);
        made.setREF(parameter, pGroup(m_world.groupByName(group)));
        return made;
    }

    int32_t call(const char* function, pParamList list, const std::string& about)
    {
        const int32_t answer = m_world.call(function, &list);
        std::printf("  %-28s %-16s -> %d\n", function, about.c_str(), answer);
        return answer;
    }

    int32_t ask(const char* function, const char* parameter, const std::string& group)
    {
        return call(function, groupList(parameter, group), group);
    }

    void narrate(const char* text) { std::printf("  ... %s\n", text); }

    void showMap(const char* title)
    {
        std::printf("\n  %s\n%s\n", title, host::drawMap(m_world, host::MapView{}).c_str());
    }

private:
    sim::World& m_world;
};

// The smart object of a kind that drives a group, or -1.
inline int32_t machineOf(sim::World& world, int32_t group, const std::string& kind)
{
    int32_t found = -1;
    world.smartObjects().forEach([&](int32_t id, const sim::SmartObject& machine) {
        if (machine.group == group && machine.kind == kind)
            found = id;
    });
    return found;
}

// A village bought and producing, a saboteur clearing an area, and a conversation with its timing.
void playCampaign(const std::string& pluginPath);

}  // namespace host
