// The engine's own implementations of the extension interface's virtual operations. Each notes its
// name in the journal, so that a caller can tell the engine's operation from a plug-in's override.
#include "engine_sim/api_support.h"

namespace {
void note(const char* operation)
{
    sim::record(operation);
}
}  // namespace

BaseClass::~BaseClass() = default;
void BaseClass::reset_class(void*) { note("reset_class"); }
const char* BaseClass::GetClassName() { note("GetClassName"); return "BaseClass"; }
int32_t BaseClass::GetAmountOfElements() { note("GetAmountOfElements"); return 0; }
const char* BaseClass::GetElementID(int32_t) { note("GetElementID"); return ""; }
BaseClass* BaseClass::GetElementClass(int32_t) { note("GetElementClass"); return nullptr; }
void* BaseClass::GetElementPtr(int32_t, void*) { note("GetElementPtr"); return nullptr; }
bool BaseClass::DelElement(int32_t) { note("DelElement"); return false; }
int32_t BaseClass::ExpandWith(const char*, void*) { note("ExpandWith"); return -1; }
bool BaseClass::CheckIfElementInvisible(int32_t, void*) { note("CheckIfElementInvisible"); return false; }
bool BaseClass::OnChangeMember(BaseClass*, void*, const char*) { note("OnChangeMember"); return false; }
void* BaseClass::GetClassStorage() { note("GetClassStorage"); return nullptr; }

GameExtension::~GameExtension() = default;
void GameExtension::ProcessingGame() { note("ProcessingGame"); }
void GameExtension::OnGameStart() { note("OnGameStart"); }
void GameExtension::OnGameEnd() { note("OnGameEnd"); }
bool GameExtension::OnVictory(uint8_t) { note("OnVictory"); return false; }
bool GameExtension::OnDefeat(uint8_t) { note("OnDefeat"); return false; }
bool GameExtension::OnManualExit(uint8_t) { note("OnManualExit"); return false; }
void GameExtension::OnClassRegistration() { note("OnClassRegistration"); }
void GameExtension::OnClassUnRegister() { note("OnClassUnRegister"); }
void GameExtension::BeforeLoadMD() { note("BeforeLoadMD"); }
void GameExtension::BeforeLoadNations() { note("BeforeLoadNations"); }
void GameExtension::OnUnloading() { note("OnUnloading"); }
void GameExtension::OnReloading() { note("OnReloading"); }
void GameExtension::OnRegisterScriptFunctions() { note("OnRegisterScriptFunctions"); }
void GameExtension::OnRefreshScriptFunctions() { note("OnRefreshScriptFunctions"); }
void GameExtension::OnEditorEnd() { note("OnEditorEnd"); }
void GameExtension::OnMapSaving() { note("OnMapSaving"); }
void GameExtension::OnMapLoading() { note("OnMapLoading"); }
void GameExtension::OnGameSaving() { note("OnGameSaving"); }
void GameExtension::OnGameLoading() { note("OnGameLoading"); }
bool GameExtension::OnCheatEntering(const char*) { note("OnCheatEntering"); return false; }
bool GameExtension::OnCheatReceived(uint8_t, const char*) { note("OnCheatReceived"); return false; }
bool GameExtension::OnMouseHandling(int32_t, int32_t, bool&, bool&) { note("OnMouseHandling"); return false; }
bool GameExtension::OnEndGameMessage(uint8_t, bool) { note("OnEndGameMessage"); return false; }
void GameExtension::OnMapUnLoading() { note("OnMapUnLoading"); }
bool GameExtension::CheckActivityOfEditor() { note("CheckActivityOfEditor"); return false; }
void GameExtension::ClearActivityOfEditor() { note("ClearActivityOfEditor"); }
void GameExtension::DrawEditorInterface() { note("DrawEditorInterface"); }
int32_t GameExtension::GetEditorAttributes() { note("GetEditorAttributes"); return 0; }
bool GameExtension::CheckIfMouseOverEditorInterface(int32_t, int32_t) { note("CheckIfMouseOverEditorInterface"); return false; }
bool GameExtension::OnMouseWheel(int32_t) { note("OnMouseWheel"); return false; }
void GameExtension::ActivateEditor() { note("ActivateEditor"); }
bool GameExtension::OnShowInGameDialog(int32_t) { note("OnShowInGameDialog"); return false; }
void GameExtension::OnDrawOnMapAfterLandscape() { note("OnDrawOnMapAfterLandscape"); }
void GameExtension::OnDrawOnMapAfterUnits() { note("OnDrawOnMapAfterUnits"); }
void GameExtension::OnDrawOnMapBeforeWater() { note("OnDrawOnMapBeforeWater"); }
void GameExtension::OnDrawOnMapAfterWater() { note("OnDrawOnMapAfterWater"); }
void GameExtension::OnDrawOnMapAfterTransparentEffects() { note("OnDrawOnMapAfterTransparentEffects"); }
void GameExtension::OnDrawOnMapAfterFogOfWar() { note("OnDrawOnMapAfterFogOfWar"); }
void GameExtension::OnDrawOnMapOverAll() { note("OnDrawOnMapOverAll"); }
void GameExtension::OnDrawOnMiniMap(int32_t, int32_t, int32_t) { note("OnDrawOnMiniMap"); }
void GameExtension::OnSetupCamera() { note("OnSetupCamera"); }
void GameExtension::OnUnitBirth(pUnit&) { note("OnUnitBirth"); }
void GameExtension::OnUnitDie(pUnit&, pUnit&) { note("OnUnitDie"); }
bool GameExtension::OnUnitDamage(pUnit&, pUnit&, int32_t&) { note("OnUnitDamage"); return false; }
bool GameExtension::OnUnitCapture(pUnit&, pUnit&) { note("OnUnitCapture"); return false; }
bool GameExtension::OnUnitPanic(pUnit&) { note("OnUnitPanic"); return false; }
bool GameExtension::OnAttemptToAttack(pUnit&, pUnit&) { note("OnAttemptToAttack"); return false; }
bool GameExtension::OnAttemptToMove(pUnit&, int32_t, int32_t) { note("OnAttemptToMove"); return false; }
bool GameExtension::OnAttemptToTakeResource(pUnit&, int32_t) { note("OnAttemptToTakeResource"); return false; }
bool GameExtension::OnCheckingBuildPossibility(uint8_t, int32_t, int32_t, int32_t) { note("OnCheckingBuildPossibility"); return false; }
void GameExtension::OnUnitWasProduced(pUnit&, pUnit&) { note("OnUnitWasProduced"); }
void GameExtension::OnBrigadeCreated(pGroup&) { note("OnBrigadeCreated"); }
void GameExtension::OnBrigadeFreedManually(pGroup&) { note("OnBrigadeFreedManually"); }
void GameExtension::OnBrigadeKilled(pGroup&, uint8_t) { note("OnBrigadeKilled"); }
bool GameExtension::OnSavePiece(const char*) { note("OnSavePiece"); return false; }
bool GameExtension::OnLoadPiece(const char*) { note("OnLoadPiece"); return false; }
bool GameExtension::OnPreviewPiece(const char*) { note("OnPreviewPiece"); return false; }
bool GameExtension::OnUnknownCommandInMD_File(const char*) { note("OnUnknownCommandInMD_File"); return false; }
bool GameExtension::OnUnknownCommandInNDS_File(const char*) { note("OnUnknownCommandInNDS_File"); return false; }
bool GameExtension::OnUnknownCommandInRDS_File(const char*) { note("OnUnknownCommandInRDS_File"); return false; }

GameInterface::GameInterface() = default;
GameInterface::~GameInterface() = default;
void GameInterface::OnUnloading() { note("GameInterface::OnUnloading"); }
void GameInterface::OnDrawOnMapOverAll() { note("GameInterface::OnDrawOnMapOverAll"); }
void GameInterface::ProcessScript() { note("ProcessScript"); }
bool GameInterface::Save(const char*) { note("Save"); return false; }
bool GameInterface::Load(const char*) { note("Load"); return false; }
void GameInterface::ExposeMyInterfaces() { note("ExposeMyInterfaces"); }
