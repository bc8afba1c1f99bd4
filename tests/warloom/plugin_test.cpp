// The plug-in's entry: its interface object, its table of virtual operations and its declarations.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/warloom/expected_declarations.h"
#include "tests/warloom/plugin_fixture.h"

namespace {

std::vector<std::string> declaredAsText(const std::vector<sim::DeclaredFunction>& declared)
{
    std::vector<std::string> lines;
    for (const sim::DeclaredFunction& function : declared) {
        std::string line = function.name;
        for (const sim::DeclaredParam& param : function.params)
            line += " " + param.name + ":" + param.type;
        lines.push_back(line);
    }
    return lines;
}

TEST_F(PluginTest, DeclaringTwiceLeavesExactlyTheDeclaredFunctionsOnceInOrder)
{
    plugin().declare(world, true);
    plugin().declare(world);
    const std::vector<std::string> expected(std::begin(expected::kDeclarations), std::end(expected::kDeclarations));
    EXPECT_EQ(declaredAsText(world.declarations()), expected);
    EXPECT_EQ(world.journal.count("dllfnClearList()"), 2u);
}

TEST_F(PluginTest, GetInterfaceAlwaysHandsOutTheSameObject)
{
    BaseClass* first = plugin().interfaceObject();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(plugin().interfaceObject(), first);
    EXPECT_NE(dynamic_cast<GameInterface*>(first), nullptr);
}

TEST_F(PluginTest, DeclaringNotificationsRunThroughTheEnginesBaseClasses)
{
    BaseClass* object = plugin().interfaceObject();
    auto* extension = dynamic_cast<GameExtension*>(object);
    ASSERT_NE(extension, nullptr);
    for (const auto& notify : std::vector<std::function<void()>>{[&] { extension->OnRegisterScriptFunctions(); },
                                                                  [&] { extension->OnRefreshScriptFunctions(); }}) {
        world.declarations().clear();
        world.journal.clear();
        notify();
        EXPECT_EQ(world.declarations().size(), 81u);
        EXPECT_EQ(world.journal.entries().front(), "dllfnClearList()");
        EXPECT_FALSE(world.journal.contains("ScriptFunctions()")) << "the engine's own notification ran";
    }
}

// Every other virtual operation, called through the engine's classes, must reach the engine's own.
TEST_F(PluginTest, EveryOtherVirtualOperationIsTheEnginesOwn)
{
    auto* game = dynamic_cast<GameInterface*>(plugin().interfaceObject());
    ASSERT_NE(game, nullptr);
    GameExtension& e = *game;
    BaseClass& b = *game;
    pUnit unit;
    pGroup group;
    bool flag = false;
    int32_t number = 0;
    const std::vector<std::pair<std::string, std::function<void()>>> operations = {
        {"reset_class", [&] { b.reset_class(nullptr); }},
        {"GetClassName", [&] { b.GetClassName(); }},
        {"GetAmountOfElements", [&] { b.GetAmountOfElements(); }},
        {"GetElementID", [&] { b.GetElementID(0); }},
        {"GetElementClass", [&] { b.GetElementClass(0); }},
        {"GetElementPtr", [&] { b.GetElementPtr(0, nullptr); }},
        {"DelElement", [&] { b.DelElement(0); }},
        {"ExpandWith", [&] { b.ExpandWith("", nullptr); }},
        {"CheckIfElementInvisible", [&] { b.CheckIfElementInvisible(0, nullptr); }},
        {"OnChangeMember", [&] { b.OnChangeMember(nullptr, nullptr, ""); }},
        {"GetClassStorage", [&] { b.GetClassStorage(); }},
        {"ProcessingGame", [&] { e.ProcessingGame(); }},
        {"OnGameStart", [&] { e.OnGameStart(); }},
        {"OnGameEnd", [&] { e.OnGameEnd(); }},
        {"OnVictory", [&] { e.OnVictory(0); }},
        {"OnDefeat", [&] { e.OnDefeat(0); }},
        {"OnManualExit", [&] { e.OnManualExit(0); }},
        {"OnClassRegistration", [&] { e.OnClassRegistration(); }},
        {"OnClassUnRegister", [&] { e.OnClassUnRegister(); }},
        {"BeforeLoadMD", [&] { e.BeforeLoadMD(); }},
        {"BeforeLoadNations", [&] { e.BeforeLoadNations(); }},
        {"GameInterface::OnUnloading", [&] { e.OnUnloading(); }},
        {"OnReloading", [&] { e.OnReloading(); }},
        {"OnEditorEnd", [&] { e.OnEditorEnd(); }},
        {"OnMapSaving", [&] { e.OnMapSaving(); }},
        {"OnMapLoading", [&] { e.OnMapLoading(); }},
        {"OnGameSaving", [&] { e.OnGameSaving(); }},
        {"OnGameLoading", [&] { e.OnGameLoading(); }},
        {"OnCheatEntering", [&] { e.OnCheatEntering(""); }},
        {"OnCheatReceived", [&] { e.OnCheatReceived(0, ""); }},
        {"OnMouseHandling", [&] { e.OnMouseHandling(0, 0, flag, flag); }},
        {"OnEndGameMessage", [&] { e.OnEndGameMessage(0, false); }},
        {"OnMapUnLoading", [&] { e.OnMapUnLoading(); }},
        {"CheckActivityOfEditor", [&] { e.CheckActivityOfEditor(); }},
        {"ClearActivityOfEditor", [&] { e.ClearActivityOfEditor(); }},
        {"DrawEditorInterface", [&] { e.DrawEditorInterface(); }},
        {"GetEditorAttributes", [&] { e.GetEditorAttributes(); }},
        {"CheckIfMouseOverEditorInterface", [&] { e.CheckIfMouseOverEditorInterface(0, 0); }},
        {"OnMouseWheel", [&] { e.OnMouseWheel(0); }},
        {"ActivateEditor", [&] { e.ActivateEditor(); }},
        {"OnShowInGameDialog", [&] { e.OnShowInGameDialog(0); }},
        {"OnDrawOnMapAfterLandscape", [&] { e.OnDrawOnMapAfterLandscape(); }},
        {"OnDrawOnMapAfterUnits", [&] { e.OnDrawOnMapAfterUnits(); }},
        {"OnDrawOnMapBeforeWater", [&] { e.OnDrawOnMapBeforeWater(); }},
        {"OnDrawOnMapAfterWater", [&] { e.OnDrawOnMapAfterWater(); }},
        {"OnDrawOnMapAfterTransparentEffects", [&] { e.OnDrawOnMapAfterTransparentEffects(); }},
        {"OnDrawOnMapAfterFogOfWar", [&] { e.OnDrawOnMapAfterFogOfWar(); }},
        {"GameInterface::OnDrawOnMapOverAll", [&] { e.OnDrawOnMapOverAll(); }},
        {"OnDrawOnMiniMap", [&] { e.OnDrawOnMiniMap(0, 0, 0); }},
        {"OnSetupCamera", [&] { e.OnSetupCamera(); }},
        {"OnUnitBirth", [&] { e.OnUnitBirth(unit); }},
        {"OnUnitDie", [&] { e.OnUnitDie(unit, unit); }},
        {"OnUnitDamage", [&] { e.OnUnitDamage(unit, unit, number); }},
        {"OnUnitCapture", [&] { e.OnUnitCapture(unit, unit); }},
        {"OnUnitPanic", [&] { e.OnUnitPanic(unit); }},
        {"OnAttemptToAttack", [&] { e.OnAttemptToAttack(unit, unit); }},
        {"OnAttemptToMove", [&] { e.OnAttemptToMove(unit, 0, 0); }},
        {"OnAttemptToTakeResource", [&] { e.OnAttemptToTakeResource(unit, 0); }},
        {"OnCheckingBuildPossibility", [&] { e.OnCheckingBuildPossibility(0, 0, 0, 0); }},
        {"OnUnitWasProduced", [&] { e.OnUnitWasProduced(unit, unit); }},
        {"OnBrigadeCreated", [&] { e.OnBrigadeCreated(group); }},
        {"OnBrigadeFreedManually", [&] { e.OnBrigadeFreedManually(group); }},
        {"OnBrigadeKilled", [&] { e.OnBrigadeKilled(group, 0); }},
        {"OnSavePiece", [&] { e.OnSavePiece(""); }},
        {"OnLoadPiece", [&] { e.OnLoadPiece(""); }},
        {"OnPreviewPiece", [&] { e.OnPreviewPiece(""); }},
        {"OnUnknownCommandInMD_File", [&] { e.OnUnknownCommandInMD_File(""); }},
        {"OnUnknownCommandInNDS_File", [&] { e.OnUnknownCommandInNDS_File(""); }},
        {"OnUnknownCommandInRDS_File", [&] { e.OnUnknownCommandInRDS_File(""); }},
        {"ProcessScript", [&] { game->ProcessScript(); }},
        {"Save", [&] { game->Save(""); }},
        {"Load", [&] { game->Load(""); }},
        {"ExposeMyInterfaces", [&] { game->ExposeMyInterfaces(); }},
    };
    for (const auto& [name, operation] : operations) {
        world.journal.clear();
        operation();
        EXPECT_EQ(world.journal.entries(), std::vector<std::string>{name + "()"}) << name;
    }
}

TEST_F(PluginTest, EveryDeclaredNameStateMachineAndLocalBinderIsExported)
{
    EXPECT_EQ(plugin().unresolved(), std::vector<std::string>{});
    std::vector<std::string> exported;
    for (const char* line : expected::kDeclarations)
        exported.push_back(std::string(line).substr(0, std::string(line).find(' ')));
    const std::vector<std::string> undeclared = {
        "FSM_AttackZone_00",   "FSM_CloudDialog",     "FSM_GuardZone_00",    "FSM_AmbushZone_00",
        "FSM_AmbushZone_01",   "FSM_PatrolZone_00",   "FSM_ProduseUnits_00", "FSM_ProduseUnits_01",
        "FSM_ProduseUnits_02", "FSM_SABOTEUR",        "ACF_GuardZone00_local", "AFC_ProduseUnits_02_local"};
    exported.insert(exported.end(), undeclared.begin(), undeclared.end());
    for (const std::string& name : exported)
        EXPECT_NE(plugin().symbol(name), nullptr) << name;
    for (const sim::DeclaredFunction& declared : world.declarations())
        EXPECT_EQ(std::count(undeclared.begin(), undeclared.end(), declared.name), 0) << declared.name;
    EXPECT_EQ(call("NO_SUCH_FUNCTION", nullptr), -1);
}

}  // namespace
