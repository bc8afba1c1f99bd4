// warloom-host: loads the plug-in into the simulated engine, prints the script functions it declares
// and plays a short scene in a small world, calling the plug-in by the declared names.
//
//   warloom-host [path/to/warloom plug-in]
#include <cstdio>
#include <string>
#include <vector>

#include "engine_sim/loader.h"
#include "engine_sim/world.h"
#include "tools/scene.h"
#include "tools/timeline.h"

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

void askQueries(sim::World& world, host::Scene& scene)
{
    const int32_t guards = world.groupByName("Guards");
    scene.ask("GET_NoOrders_UN", "Group", "Guards");
    scene.narrate("two guards are sent towards the raiders, and the raiders attack");
    for (int32_t i = 0; i < 2; ++i)
        world.giveOrder(world.unitSet(guards)->units[static_cast<std::size_t>(i)], {sim::kOrderMove, 1500, 1000, -1});
    for (int32_t gid : world.unitSet(world.groupByName("Raiders"))->units)
        world.giveOrder(gid, {sim::kOrderAttack, 1000, 1000, -1});
    scene.ask("GET_NoOrders_UN", "Group", "Guards");
    scene.ask("GET_Move_UN", "Group", "Guards");
    scene.ask("GET_Attack_UN", "Group", "Raiders");
    scene.narrate("two raiders fall to nation 0");
    for (int32_t i = 0; i < 2; ++i)
        world.killUnit(world.unitSet(world.groupByName("Raiders"))->units.front(), 0);
    scene.ask("GET_GroupDeadUN", "Group", "Raiders");
    scene.ask("GET_GroupHP", "Group", "Raiders");
    scene.ask("GET_HeroLevel", "gHero", "Hero");
    scene.ask("GET_HeroLevel", "gHero", "Guards");
    pParamList kills = scene.list();
    kills.addINT("Nation") = 0;
    kills.addINT("UnitType") = 10;
    scene.call("GET_NKilled", kills, "nation 0, type 10");
}

void giveCommands(sim::World& world, host::Scene& scene)
{
    pARRAY way = world.newArray();
    for (const auto& [x, y] : std::vector<std::pair<int32_t, int32_t>>{{200, 200}, {1200, 250}, {2200, 400}, {3000, 1300}})
        world.pushNode(way, world.addNode(x, y, 120));
    pParamList create = scene.list();
    create.addARRAY("PosArr");
    create.setREF("PosArr", way);
    create.addINT("Nation") = 2;
    create.addINT("UnitType") = 11;
    create.addINT("FormationType") = 0;
    scene.narrate("a formation of nation 2 is made at the first node of a way and sent along it");
    scene.call("MISS01_CreateAndSendByWay", create, "way of 4 nodes");
    std::printf("      sent: %zu orders\n", world.journal.count(".Send(node"));

    scene.narrate("allies of nation 3 near the hero may change sides (60 in 100)");
    scene.squad("Allies", 3, 6, 700, 800);
    pParamList join = scene.groupList("gHero", "Hero");
    join.addNODE("nHero");
    join.setREF("nHero", iNode(world.addNode(900, 850, 350)));
    join.addINT("iAllyNI") = 3;
    join.addINT("iRandPow") = 60;
    join.addGROUP("dstGroup");
    join.setREF("dstGroup", pGroup(world.addGroup("Joined")));
    scene.call("MISS01_JoinAllyNearHero", join, "Hero");
    std::printf("      joined the hero: %zu of 6\n", world.unitSet(world.groupByName("Joined"))->units.size());
    scene.ask("GROUP_EXPLORING_MAP", "gGroup", "Joined");

    pParamList hint = scene.list();
    hint.addSTR("strTEXT") = "The bridge must hold";
    hint.addINT("iTIME") = 300;
    scene.call("TEXT_ShowHint", hint, "a hint");
    std::printf("      on screen: \"%s\" for %d\n", world.hints.back().text.c_str(), world.hints.back().time);
}

// A guard post attacked by raiders, fighting and walking back, and a patrol walking its circuit.
void playBehaviours()
{
    sim::World world;
    world.random.seed(3);
    sim::Plugin plugin(WARLOOM_PLUGIN_PATH);
    plugin.declare(world);
    host::Scene scene(world);
    const int32_t guards = scene.squad("Guards", 0, 4, 1000, 1000);
    const int32_t raiders = scene.squad("Raiders", 1, 3, 2600, 1100);
    pParamList guard = scene.groupList("Object", "Guards");
    scene.call("ACF_GuardZone00", guard, "Guards");
    pARRAY route = world.newArray();
    for (const auto& [x, y] : std::vector<std::pair<int32_t, int32_t>>{{200, 200}, {1400, 200}, {1400, 600}, {200, 600}})
        world.pushNode(route, world.addNode(x, y, 80));
    const int32_t patrol = scene.squad("Patrol", 0, 3, 150, 250);
    pParamList patrolList = scene.groupList("Object", "Patrol");
    patrolList.addARRAY("arrNode");
    patrolList.setREF("arrNode", route);
    patrolList.addINT("iAddR") = 200;
    scene.call("ACF_PatrolZone00", patrolList, "Patrol");
    for (int32_t gid : world.unitSet(raiders)->units)
        world.giveOrder(gid, {sim::kOrderAttack, 1000, 1000, world.unitSet(guards)->units.front()});
    scene.showMap("Before: the guard post (0) right of centre, raiders (1) coming from the east, a patrol top left");

    std::printf("\n  Timeline (one update is %d units of time)\n", sim::kTickLength);
    host::Timeline timeline(world);
    timeline.watch("Guards", host::machineOf(world, guards, "FSM_GUARD"));
    timeline.watch("Patrol", host::machineOf(world, patrol, "FSM_PATROL"));
    world.journal.setEnabled(true);
    for (int i = 0; i < 150; ++i) {
        timeline.tick();
        if (i == 30)
            scene.showMap("t=3100: the guards fight the raiders");
    }
    scene.showMap("After: the guards back on their spots, the patrol further round its circuit");
}

void playScene(sim::World& world)
{
    host::Scene scene(world);
    world.random.seed(7);
    scene.squad("Guards", 0, 4, 1000, 1000);
    scene.squad("Raiders", 1, 5, 1600, 1100);
    world.addGroup("Hero", {world.addUnit({3, 0, 900, 900, 400, true, 4})});
    std::printf("Scene: four guards of nation 0, five raiders of nation 1, a hero (H) of level 4\n\n");
    askQueries(world, scene);
    scene.showMap("The field after the skirmish (digits: nations, x: dead)");
    giveCommands(world, scene);
    scene.showMap("The formation at the start of its way, the allies near the hero");
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
    std::printf("\nBehaviours\n\n");
    playBehaviours();
    std::printf("\nA village, a saboteur and a conversation\n\n");
    host::playCampaign(path);
    return 0;
}
