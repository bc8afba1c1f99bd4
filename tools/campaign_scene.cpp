// A village bought and producing, a saboteur clearing an enemy area, and a conversation with its
// timing, side by side in one world.
#include <cstdio>
#include <string>
#include <vector>

#include "engine_sim/loader.h"
#include "tools/scene.h"
#include "tools/timeline.h"

namespace host {

namespace {

// A village of nation 3 for sale: 200 of resource 0 buys three units of type 12 every 2000.
int32_t setUpVillage(sim::World& world, Scene& scene)
{
    world.addGroup("Village", {world.addUnit({40, 3, 500, 200, 500})});
    scene.squad("Trader", 3, 1, 300, 200);
    const int32_t so = world.createSmartObject("FSM_PRODUCE_01");
    pSMARTOBJECT handle(so);
    handle.setOBJ("Village");
    pParamList p = handle.getPARAMS();
    p.addNODE("nRallyPoint");
    p.setREF("nRallyPoint", iNode(world.addNode(700, 420, 60)));
    p.addGROUP("gTrader");
    p.setREF("gTrader", pGroup(world.groupByName("Trader")));
    for (const auto& [name, value] : std::vector<std::pair<const char*, int32_t>>{
             {"iUnitType", 12}, {"iUnitNUM", 3}, {"iResType", 0}, {"iPrice", 200}, {"iWaitTime", 2000}})
        p.addINT(name) = value;
    handle.setSTATE("ST_GLOBAL");
    world.send(so, "MSG_ENTER");
    return so;
}

// Five saboteurs of nation 0 and an area of nation 1 held by three defenders.
int32_t setUpSaboteurs(sim::World& world, Scene& scene)
{
    scene.squad("Saboteurs", 0, 5, 150, 1300);
    const int32_t area = world.addArea({35, 18, 1, 0, 0, 300, 20});
    for (int32_t i = 0; i < 3; ++i)
        world.unit(world.addUnit({20, 1, 2250 + 40 * i, 1180}))->hp = 40;
    pParamList bind = scene.groupList("Object", "Saboteurs");
    bind.addINT("AREAID") = area;
    scene.call("ACF_SABOTEUR", bind, "Saboteurs, area " + std::to_string(area));
    return machineOf(world, world.groupByName("Saboteurs"), "FSM_SABOTEUR");
}

// Two lines between the village's trader and a messenger: one spoken, one written only.
int32_t startConversation(sim::World& world, Scene& scene, pParamList& script)
{
    const int32_t speakers = scene.squad("Speakers", 0, 2, 1500, 300);
    world.files.insert("greeting.ogg");
    world.speechLength["greeting.ogg"] = 2500;
    pARRAY lines = world.newArray();
    world.pushElement(lines, sim::VarType::Dialog, world.addDialogLine({speakers, "greeting.ogg", 1}));
    world.pushElement(lines, sim::VarType::Dialog, world.addDialogLine({speakers, "", 2}));
    script.addBOOL("talkDone") = false;
    pParamList call = scene.groupList("Object", "Speakers");
    call.addARRAY("DialogArr");
    call.setREF("DialogArr", lines);
    call.addBOOL("bDone");
    call.setREF("bDone", script.getVOID("talkDone"));
    scene.call("ACF_CloudDialog", call, "two lines");
    return world.findSmartObjectByKind("FSM_CloudDialog");
}

}  // namespace

void playCampaign(const std::string& pluginPath)
{
    sim::World world;
    world.random.seed(11);
    sim::Plugin plugin(pluginPath);
    plugin.declare(world);
    Scene scene(world);
    pParamList script = world.newList();
    const int32_t village = setUpVillage(world, scene);
    const int32_t saboteurs = setUpSaboteurs(world, scene);
    const int32_t conversation = startConversation(world, scene, script);
    world.resources[{1, 0}] = 250;
    scene.showMap("Before: the village (3) top left, saboteurs (0) bottom left, the area's defenders (1) right");

    std::printf("\n  Timeline (one update is %d units of time)\n", sim::kTickLength);
    Timeline timeline(world);
    timeline.watch("Village", village);
    timeline.watch("Saboteurs", saboteurs);
    timeline.watch("Dialog", conversation);
    for (int i = 0; i < 260; ++i) {
        if (i == 5) {
            std::printf("  ... nation 1 buys the village for 200\n");
            pParamList offer = world.newList();
            offer.addINT("iNewOwner") = 1;
            world.send(village, "MSG_SET_OWNER", offer.id());
        }
        timeline.tick();
    }
    std::printf("\n  nation 1 has %d of resource 0 left; attack forces handed over: %zu; conversation done: %s\n",
                world.resources[{1, 0}], world.attackForces.size(), script.getBOOL("talkDone") ? "yes" : "no");
    scene.showMap("After: the area cleared and forgotten, the village's units at its rally point");
}

}  // namespace host
