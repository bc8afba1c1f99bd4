// The engine's extension interface.
//
// BaseClass -> GameExtension -> GameInterface carry their virtual operations in the engine's order; a
// plug-in's interface object derives from GameInterface, so its table of virtual operations is the
// engine's. GameInterface's static functions are the engine's services to plug-ins.
#pragma once

#include <cstdint>

#include "areas.h"
#include "export.h"
#include "handles.h"
#include "params.h"
#include "smart_objects.h"
#include "strings.h"
#include "units.h"

// The engine's reflective class root.
class ENGINE_API BaseClass {
public:
    virtual ~BaseClass();
    virtual void reset_class(void* data);
    virtual const char* GetClassName();
    virtual int32_t GetAmountOfElements();
    virtual const char* GetElementID(int32_t index);
    virtual BaseClass* GetElementClass(int32_t index);
    virtual void* GetElementPtr(int32_t index, void* data);
    virtual bool DelElement(int32_t index);
    virtual int32_t ExpandWith(const char* elementId, void* data);
    virtual bool CheckIfElementInvisible(int32_t index, void* data);
    virtual bool OnChangeMember(BaseClass* member, void* data, const char* name);
    virtual void* GetClassStorage();
};

// Notifications the engine sends to its extensions.
class ENGINE_API GameExtension : public BaseClass {
public:
    ~GameExtension() override;
    virtual void ProcessingGame();
    virtual void OnGameStart();
    virtual void OnGameEnd();
    virtual bool OnVictory(uint8_t nation);
    virtual bool OnDefeat(uint8_t nation);
    virtual bool OnManualExit(uint8_t nation);
    virtual void OnClassRegistration();
    virtual void OnClassUnRegister();
    virtual void BeforeLoadMD();
    virtual void BeforeLoadNations();
    virtual void OnUnloading();
    virtual void OnReloading();
    virtual void OnRegisterScriptFunctions();
    virtual void OnRefreshScriptFunctions();
    virtual void OnEditorEnd();
    virtual void OnMapSaving();
    virtual void OnMapLoading();
    virtual void OnGameSaving();
    virtual void OnGameLoading();
    virtual bool OnCheatEntering(const char* cheat);
    virtual bool OnCheatReceived(uint8_t nation, const char* cheat);
    virtual bool OnMouseHandling(int32_t x, int32_t y, bool& left, bool& right);
    virtual bool OnEndGameMessage(uint8_t nation, bool victory);
    virtual void OnMapUnLoading();
    virtual bool CheckActivityOfEditor();
    virtual void ClearActivityOfEditor();
    virtual void DrawEditorInterface();
    virtual int32_t GetEditorAttributes();
    virtual bool CheckIfMouseOverEditorInterface(int32_t x, int32_t y);
    virtual bool OnMouseWheel(int32_t delta);
    virtual void ActivateEditor();
    virtual bool OnShowInGameDialog(int32_t dialog);
    virtual void OnDrawOnMapAfterLandscape();
    virtual void OnDrawOnMapAfterUnits();
    virtual void OnDrawOnMapBeforeWater();
    virtual void OnDrawOnMapAfterWater();
    virtual void OnDrawOnMapAfterTransparentEffects();
    virtual void OnDrawOnMapAfterFogOfWar();
    virtual void OnDrawOnMapOverAll();
    virtual void OnDrawOnMiniMap(int32_t x, int32_t y, int32_t size);
    virtual void OnSetupCamera();
    virtual void OnUnitBirth(pUnit& unit);
    virtual void OnUnitDie(pUnit& unit, pUnit& killer);
    virtual bool OnUnitDamage(pUnit& unit, pUnit& attacker, int32_t& damage);
    virtual bool OnUnitCapture(pUnit& unit, pUnit& capturer);
    virtual bool OnUnitPanic(pUnit& unit);
    virtual bool OnAttemptToAttack(pUnit& attacker, pUnit& target);
    virtual bool OnAttemptToMove(pUnit& unit, int32_t x, int32_t y);
    virtual bool OnAttemptToTakeResource(pUnit& unit, int32_t resource);
    virtual bool OnCheckingBuildPossibility(uint8_t nation, int32_t type, int32_t x, int32_t y);
    virtual void OnUnitWasProduced(pUnit& producer, pUnit& unit);
    virtual void OnBrigadeCreated(pGroup& brigade);
    virtual void OnBrigadeFreedManually(pGroup& brigade);
    virtual void OnBrigadeKilled(pGroup& brigade, uint8_t killerNation);
    virtual bool OnSavePiece(const char* file);
    virtual bool OnLoadPiece(const char* file);
    virtual bool OnPreviewPiece(const char* file);
    virtual bool OnUnknownCommandInMD_File(const char* line);
    virtual bool OnUnknownCommandInNDS_File(const char* line);
    virtual bool OnUnknownCommandInRDS_File(const char* line);
};

class ENGINE_API GameInterface : public GameExtension {
public:
    GameInterface();
    ~GameInterface() override;
    void OnUnloading() override;
    void OnDrawOnMapOverAll() override;
    virtual void ProcessScript();
    virtual bool Save(const char* file);
    virtual bool Load(const char* file);
    virtual void ExposeMyInterfaces();

    // Script declarations.
    static void dllfnClearList();
    static void AddFunctionToDeclarationList(const char* function);
    static void AddParamsToFunctionInList(const char* function, const char* typeWord, const char* name);

    // Smart objects and messages.
    static pSMARTOBJECT GET_SO(const char* kind);
    static pSMARTOBJECT FindSO(const char* kind);
    static pSMARTOBJECT FindSObyName(const char* name);
    static bool CheckObjectFSM(const char* groupName, const char* kind);
    static bool FreeSO_pVAR(pGroup& group);
    static void SendMSG(const char* message, pSMARTOBJECT& sender, pSMARTOBJECT& receiver);
    static void SendMSG(const char* message, int32_t delay, pSMARTOBJECT& sender, pSMARTOBJECT& receiver);
    static int32_t GetMsgSenderNation(pSMARTOBJECT& sender);

    // Nations, arithmetic and chance.
    static int32_t GetNationMask(int32_t nation);
    static int32_t random(int32_t n);
    static int32_t random(int32_t low, int32_t high);
    static int32_t NORMA(int32_t x1, int32_t x2, int32_t y1, int32_t y2);
    static float DOT(iVector2D& a, iVector2D& b);
    static int32_t GetGlobalTime();

    // Game state and statistics.
    static int32_t GetNKilled(int32_t nation, pUnitType& type);
    static bool GetInsideDialogState();
    static void SetInsideDialogState(bool state);
    static bool GetTankMode();
    static void SwithTankMode();
    static int32_t SetAddFarms(int32_t nation, int32_t livingSpace, bool set);
    static int32_t GetResource(int32_t nation, int32_t resource);
    static bool AddRessource(int32_t nation, int32_t resource, int32_t amount);
    static int32_t GetAreaX(int32_t area, int32_t level);
    static int32_t GetAreaY(int32_t area, int32_t level);
    static bool MarkBadNode(pARRAY& route, int32_t lockType, int32_t nation, bool reset);
    static void AlertOnMap(int32_t x, int32_t y, int32_t duration, int32_t nation);

    // Units.
    static void CreateRandomUnits(int32_t count, int32_t x, int32_t y, int32_t r, uint8_t nation, pUnitType& type,
                                  pUnitsList& created, int32_t formation, bool a, directions_list dir);
    static bool CreateFormation(pGroup& group, int32_t x, int32_t y, uint8_t nation, pUnitType& type,
                                int32_t formationType, bool a, directions_list dir);
    static void AddTomahawksAttackers(pGroup& group, uint8_t nation, bool a, int32_t b, int32_t c, int32_t d);

    // Abilities and weapons.
    static bool AddCarryAbility(int32_t gid, pABILITY& ability);
    static bool DeleteCarryAbility(int32_t gid, pABILITY& ability);
    static bool DetectCarryAbility(int32_t gid, pABILITY& ability);
    static void SetAbilityState(pGroup& group, const char* ability, int32_t state);
    static int32_t GetAbilityState(pGroup& group, const char* ability);
    static int32_t GetAbilityState(pGroup& group, pABILITY& ability);
    static int32_t GetAbilityOBNation();
    static int32_t CheckAbilityActivatorObject(pGroup& group);
    static bool AbilityExecute(pABILITY& ability, pGroup& caster, pGroup& target, int32_t x, int32_t y);
    static void GetAbilityOwnerObject(pGroup& group);
    static void GetAbilityActivatorObject(pGroup& group);
    static void CreateNewActiveWeaponMod(pWEAPONMOD& weapon, int32_t sourceGid, int32_t sourceX, int32_t sourceY,
                                         int32_t destinationGid, int32_t destinationX, int32_t destinationY);

    // Cameras, texts and the screen.
    static void CAMERA_Play(pCAMERA& camera);
    static void CAMERA_Stop(pCAMERA& camera);
    static void CAMERA_Free(pCAMERA& camera);
    static bool CAMERA_IsPlaying(pCAMERA& camera);
    static void PrintConsoleMessage2(const char* text, int32_t time);
    static bool PrepareString(_str& destinationId, _str& sourceId, pARRAY& values);
    static void ScrollToPositionOnMap(int32_t x, int32_t y, int32_t speed);
    static void SetLockPause(bool pause);
    static void PauseScript();
    static void RunScript();

    // Conversations in speech clouds.
    static void dl_AddCloudDilogSPEAKERS(pGroup& speakers);
    static void dl_ClearCloudDilogSPEAKERS();
    static void dl_ShowCloudDialog(pSTR_DIALOG& line, pGroup& group);
    static void dl_HideCloudDialog();
    static int32_t dl_GetLineCountInCloudDialog(pSTR_DIALOG& line);
    static int32_t dl_getAdditionalDelay();
    static bool dl_GetCloudDilogCancel();
    static void dl_SetCloudDilogCancel(bool cancel);
    static bool dl_GetCloudDilogCenter();
    static void dl_SetCloudDilogCenter(bool center);
    static bool dl_getCenterOfSPEAKERS(int32_t& x, int32_t& y, pGroup& group);
    static bool dl_getCurrentSpeakerPosition(int32_t& x, int32_t& y);

    // Files and speech streams.
    static bool FilePresent(const char* file);
    static int32_t ogg_GetSoundVolume();
    static void ogg_Play(const char* file, int32_t stream);
    static void ogg_Stop(int32_t stream);
    static bool ogg_StreamFinished(int32_t stream);
};
