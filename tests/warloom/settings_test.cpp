// Node, camera, setting and text commands through their declared names.
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

class SettingsTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        node = world.addNode(10, 20, 77);
        heroes = world.addGroup("Heroes", {world.addUnit({3, 0, 400, 300, 100, true, 1}), world.addUnit({4, 0, 600, 300})});
    }
    std::vector<int32_t> nodeValues() const
    {
        const sim::Node& n = *world.node(node);
        return {n.x, n.y, n.r};
    }
    int32_t node = -1, heroes = -1;
};

TEST_F(SettingsTest, NodesAreMovedResizedAndTiedToGroups)
{
    struct Case {
        const char* function;
        std::vector<std::pair<const char*, int32_t>> values;
        std::vector<int32_t> after;  // x, y, r
    };
    const std::vector<Case> cases = {
        {"SET_NODE_X", {{"iX", 5}}, {5, 20, 77}},
        {"SET_NODE_Y", {{"iY", 6}}, {5, 6, 77}},
        {"SET_NODE_R", {{"iR", 7}}, {5, 6, 7}},
        {"SET_NODE", {{"iX", 1}, {"iY", 2}, {"iR", 3}}, {1, 2, 3}},
        {"SET_NODE", {{"iX", 8}, {"iY", 9}}, {1, 2, 3}},  // without "iR" nothing changes
    };
    for (const Case& c : cases) {
        Args args = Args(world).node("nNode", node);
        for (const auto& [name, value] : c.values)
            args.integer(name, value);
        EXPECT_EQ(call(c.function, args), c.values.size() == 2 ? 0 : 1) << c.function;
        EXPECT_EQ(nodeValues(), c.after) << c.function;
    }
    EXPECT_EQ(call("SET_NODE_X", Args(world).node("nNode", -1).integer("iX", 5)), 0);

    EXPECT_EQ(call("LINC_NODE_TO_GROUP", Args(world).group("gGroup", heroes).node("nNode", node)), 1);
    EXPECT_EQ(nodeValues(), (std::vector<int32_t>{500, 300, 3})) << "the radius stays";
    EXPECT_EQ(call("LINC_NODE_TO_GROUP", Args(world).group("gGroup", -1).node("nNode", node)), 0);
}

TEST_F(SettingsTest, NationMasksGoToTheUnitsNotTheGroup)
{
    const int32_t other = squad("Other", 1, 2);
    EXPECT_EQ(call("SET_NMASK", Args(world).group("gGroup", heroes).integer("iNMASK", 6)), 1);
    for (int32_t gid : members(heroes))
        EXPECT_EQ(world.unit(gid)->nationMask, 6);
    EXPECT_EQ(world.unitSet(heroes)->nationMask, -1);
    EXPECT_EQ(call("SET_NMASK", Args(world).group("gGroup", -1).integer("iNMASK", 6)), 0);

    pARRAY groups = world.newArray();
    world.pushGroup(groups, heroes);
    world.pushGroup(groups, -1);
    world.pushGroup(groups, other);
    EXPECT_EQ(call("SET_NMASK_ARRAY", Args(world).array("arrGroups", groups).integer("iNMASK", 9)), 1);
    EXPECT_EQ(world.unit(members(other)[1])->nationMask, 9);
    EXPECT_EQ(world.unit(members(heroes)[0])->nationMask, 9);
    EXPECT_EQ(call("SET_NMASK_ARRAY", Args(world).array("arrGroups", world.newArray()).integer("iNMASK", 9)), 0);

    const int32_t post = world.addNode(0, 0, 100);
    const int32_t inside = world.addUnit({1, 5, 10, 10});
    const int32_t otherNation = world.addUnit({1, 4, 10, 10});
    const int32_t dead = world.addUnit({1, 5, 20, 10});
    world.killUnit(dead);
    EXPECT_EQ(call("NODE_CHENGE_NMASK", Args(world).integer("Nation", 5).node("Node", post).integer("NMask", 255)), 1);
    EXPECT_EQ(world.unit(inside)->nationMask, 255);
    EXPECT_EQ(world.unit(otherNation)->nationMask, 1 << 4);
    EXPECT_EQ(world.unit(dead)->nationMask, 1 << 5);
}

TEST_F(SettingsTest, GroupAndHeroFlags)
{
    EXPECT_EQ(call("SET_StendGround", Args(world).group("gGroup", heroes).flag("bState", true)), 1);
    EXPECT_TRUE(world.unitSet(heroes)->standGround);
    EXPECT_EQ(call("SET_DisableCapturability", Args(world).group("Group", heroes)), 1);
    EXPECT_FALSE(world.unitSet(heroes)->capturable);

    EXPECT_EQ(call("SET_GROUP_EXPA", Args(world).group("gGroup", heroes).integer("iExpa", 250)), 1);
    EXPECT_EQ(world.unit(members(heroes)[0])->experience, 250);
    EXPECT_EQ(world.unit(members(heroes)[1])->experience, 0) << "only heroes gain experience";
    EXPECT_EQ(call("SET_GROUP_EXPA", Args(world).group("gGroup", squad("Plain", 0, 2)).integer("iExpa", 5)), 1);

    EXPECT_EQ(call("SET_HeroColectExpaStatus", Args(world).group("gHero", heroes).flag("State", false)), 1);
    EXPECT_FALSE(world.unit(members(heroes)[0])->collectsExperience);
    EXPECT_TRUE(world.unit(members(heroes)[1])->collectsExperience);

    for (const char* function : {"SET_StendGround", "SET_DisableCapturability", "SET_GROUP_EXPA",
                                 "SET_HeroColectExpaStatus"}) {
        Args invalid = Args(world).group("gGroup", -1).group("Group", -1).group("gHero", -1);
        invalid.flag("bState", true).flag("State", true).integer("iExpa", 1);
        EXPECT_EQ(call(function, invalid), 0) << function;
    }
}

TEST_F(SettingsTest, AlertsAndGameFlags)
{
    EXPECT_EQ(call("SET_ALERT", Args(world).node("Node", node).integer("Nation", 2)), 1);
    EXPECT_TRUE(world.journal.contains("AlertOnMap(10, 20, 15360, 2)"));
    EXPECT_EQ(call("SET_ALERT", Args(world).node("Node", -1).integer("Nation", 2)), 0);

    EXPECT_EQ(call("SET_InsideDialogState", Args(world).flag("State", true)), 1);
    EXPECT_EQ(call("GET_InsideDialogState", nullptr), 1);
    EXPECT_EQ(call("SET_SwithTankMode", nullptr), 1);
    EXPECT_EQ(call("GET_TankMode", nullptr), 1);
    EXPECT_EQ(call("SET_SwithTankMode", nullptr), 1);
    EXPECT_EQ(call("GET_TankMode", nullptr), 0);
}

TEST_F(PluginTest, CamerasPlayStopAndGoAway)
{
    const int32_t camera = world.addCamera("Intro");
    auto on = [&](const char* function) { return call(function, Args(world).camera("Camera", camera)); };
    EXPECT_EQ(on("CAMERA_IsPlaying"), 0);
    EXPECT_EQ(on("CAMERA_Play"), 1);
    EXPECT_EQ(on("CAMERA_IsPlaying"), 1);
    EXPECT_EQ(on("CAMERA_Stop"), 1);
    EXPECT_EQ(on("CAMERA_IsPlaying"), 0);
    EXPECT_EQ(on("CAMERA_Free"), 1);
    EXPECT_EQ(world.camera(camera), nullptr);
    EXPECT_EQ(on("CAMERA_Play"), 1) << "the camera is handed over untested";
}

TEST_F(PluginTest, HintsAndParameterisedTexts)
{
    EXPECT_EQ(call("TEXT_ShowHint", Args(world).text("strTEXT", "Hold the bridge").integer("iTIME", 300)), 1);
    Args noText(world);
    noText.integer("iTIME", 5);
    noText->addSTR("strTEXT");
    EXPECT_EQ(call("TEXT_ShowHint", noText), 1);
    ASSERT_EQ(world.hints.size(), 2u);
    EXPECT_EQ(world.hints[0].text, "Hold the bridge");
    EXPECT_EQ(world.hints[0].time, 300);
    EXPECT_EQ(world.hints[1].text, "");

    world.texts["#WAVE"] = "Wave %d of %d";
    pARRAY values = world.newArray();
    world.pushInt(values, 3);
    world.pushInt(values, 7);
    Args build = Args(world).text("strDestTextID", "#WAVE_NOW").text("strSourceTextID", "#WAVE").array("arrPARS", values);
    EXPECT_EQ(call("TEXT_CreateParamString", build), 1);
    EXPECT_EQ(world.texts["#WAVE_NOW"], "Wave 3 of 7");
    Args unknown = Args(world).text("strDestTextID", "#X").text("strSourceTextID", "#NONE").array("arrPARS", values);
    EXPECT_EQ(call("TEXT_CreateParamString", unknown), 0);
}

}  // namespace
