// warloom-host: loads the plug-in into the simulated engine, prints the script functions it declares
// and plays a short scene in a small world, calling the plug-in by the declared names.
//
//   warloom-host [path/to/warloom plug-in]
#include <cstdio>
#include <string>
#include <vector>

#include "engine_sim/loader.h"
#include "engine_sim/world.h"

namespace {

std::string parameterText(const sim::DeclaredFunction& function)
{
    if (function.params.empty())
        return "(none)";
    std::string text;
    for (const sim::DeclaredParam& param : function.params)
        text += (text.empty() ? "" : ", ") + param.name + " " + param.type;
    return text;
}

void printDeclarations(const std::vector<sim::DeclaredFunction>& declared)
{
    std::printf("Declared script functions (%zu)\n\n", declared.size());
    std::printf("  %3s  %-28s  %s\n", "#", "function", "parameters");
    for (std::size_t i = 0; i < declared.size(); ++i)
        std::printf("  %3zu  %-28s  %s\n", i + 1, declared[i].name.c_str(), parameterText(declared[i]).c_str());
    std::printf("\n");
}

struct Scene {
    sim::World& world;

    int32_t squad(const std::string& name, int32_t nation, int32_t count, int32_t x, int32_t y)
    {
        std::vector<int32_t> units;
        for (int32_t i = 0; i < count; ++i)
            units.push_back(world.addUnit({10, nation, x + 40 * i, y, 120}));
        return world.addGroup(name, units);
    }

    // Calls a script function with a list holding one group parameter.
    int32_t ask(const char* function, const char* parameter, const std::string& group)
    {
        pParamList list = world.newList();
        list.addGROUP(parameter);
        list.setREF(parameter, pGroup(world.groupByName(group)));
        const int32_t answer = world.call(function, &list);
        std::printf("  %-22s %-10s -> %d\n", function, group.c_str(), answer);
        return answer;
    }
};

void playScene(sim::World& world)
{
    Scene scene{world};
    const int32_t guards = scene.squad("Guards", 0, 4, 1000, 1000);
    scene.squad("Raiders", 1, 5, 1600, 1100);
    world.addGroup("Hero", {world.addUnit({3, 0, 900, 900, 400, true, 4})});
    const int32_t way = world.addNode(1500, 1000, 200);

    std::printf("Scene: four guards of nation 0, five raiders of nation 1, a hero of level 4\n\n");
    scene.ask("GET_NoOrders_UN", "Group", "Guards");
    std::printf("  ... two guards are sent towards the raiders, and the raiders attack\n");
    for (int32_t i = 0; i < 2; ++i)
        world.giveOrder(world.unitSet(guards)->units[static_cast<std::size_t>(i)],
                        {sim::kOrderMove, world.node(way)->x, world.node(way)->y, -1});
    for (int32_t gid : world.unitSet(world.groupByName("Raiders"))->units)
        world.giveOrder(gid, {sim::kOrderAttack, 1000, 1000, -1});
    scene.ask("GET_NoOrders_UN", "Group", "Guards");
    scene.ask("GET_Move_UN", "Group", "Guards");
    scene.ask("GET_Attack_UN", "Group", "Raiders");
    std::printf("  ... two raiders fall to nation 0\n");
    for (int32_t i = 0; i < 2; ++i)
        world.killUnit(world.unitSet(world.groupByName("Raiders"))->units.front(), 0);
    scene.ask("GET_GroupDeadUN", "Group", "Raiders");
    scene.ask("GET_GroupHP", "Group", "Raiders");
    scene.ask("GET_HeroLevel", "gHero", "Hero");
    scene.ask("GET_HeroLevel", "gHero", "Guards");

    pParamList kills = world.newList();
    kills.addINT("Nation") = 0;
    kills.addINT("UnitType") = 10;
    std::printf("  %-22s %-10s -> %d\n", "GET_NKilled", "0, 10", world.call("GET_NKilled", &kills));
    std::printf("  %-22s %-10s -> %d\n", "GET_TankMode", "", world.call("GET_TankMode", nullptr));
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string path = argc > 1 ? argv[1] : WARLOOM_PLUGIN_PATH;
    sim::World world;
    sim::Plugin plugin(path);
    if (!plugin.loaded()) {
        std::fprintf(stderr, "warloom-host: %s\n", plugin.error().c_str());
        return 1;
    }
    plugin.declare(world);
    printDeclarations(world.declarations());
    if (!plugin.unresolved().empty()) {
        std::printf("Not exported yet (%zu):", plugin.unresolved().size());
        for (const std::string& name : plugin.unresolved())
            std::printf(" %s", name.c_str());
        std::printf("\n\n");
    }
    playScene(world);
    return 0;
}
