// The plug-in's script functions as declared to the engine: one table per family, declared in a fixed order.
#include "warloom/core/declarations.h"

#include <cstddef>

#include "engine_api/engine.h"

namespace warloom {
namespace {

constexpr FunctionDecl kMissionFunctions[] = {
    {"MISS01_JoinAllyNearHero",
     {{"GROUP", "gHero"}, {"NODE", "nHero"}, {"INT", "iAllyNI"}, {"INT", "iRandPow"}, {"GROUP", "dstGroup"},
      {"BOOL", "addUnits"}, {"GROUP", "regGroup"}, {"BOOL", "addRegUnits"}}},
    {"MISS01_JoinAllyTypeNearHero",
     {{"GROUP", "gHero"}, {"NODE", "nHero"}, {"UnitType", "iUnitType"}, {"INT", "iAllyNI"}, {"INT", "iRandPow"},
      {"GROUP", "dstGroup"}, {"BOOL", "addUnits"}, {"GROUP", "regGroup"}, {"BOOL", "addRegUnits"}}},
    {"MISS01_SetGroupHP", {{"GROUP", "Group"}, {"INT", "HP"}}},
    {"MISS01_ErazeAllUnitsInZone", {{"NODE", "Node"}}},
    {"MISS01_SendGroupByWay", {{"GROUP", "Group"}, {"ARRAY", "PosArr"}}},
    {"MISS01_CreateAndSendByWay",
     {{"ARRAY", "PosArr"}, {"INT", "Nation"}, {"UnitType", "UnitType"}, {"FurmationType", "FormationType"}}},
    {"MISS03_SetLivingSpace", {{"INT", "iNation"}, {"INT", "iLivingSpace"}, {"BOOL", "bSET"}}},
};

constexpr FunctionDecl kGroupFunctions[] = {
    {"RemoveUnitsInZoneToGroup", {{"GROUP", "srceGR"}, {"GROUP", "destGR"}, {"NODE", "trnsND"}}},
    {"GROUP_AddSelected", {{"GROUP", "Group"}, {"INT", "Nation"}}},
    {"GROUP_AddInZone", {{"GROUP", "Group"}, {"INT", "Nation"}, {"NODE", "Node"}, {"BOOL", "Add"}}},
    {"GROUP_AddTypeInZone",
     {{"GROUP", "Group"}, {"INT", "Nation"}, {"UnitType", "UnitType"}, {"NODE", "Node"}, {"BOOL", "Add"}}},
    {"GROUP_SetLockType", {{"GROUP", "Group"}, {"INT", "LockType"}}},
    {"GROUP_PutRandFormation",
     {{"GROUP", "Group"}, {"NODE", "Node"}, {"INT", "Nation"}, {"UnitType", "UnitType"}, {"INT", "minN"},
      {"INT", "maxN"}}},
    {"GROUP_GetNationAmout", {{"GROUP", "Group"}, {"INT", "Nation"}}},
    {"GROUP_RemoveAllUnits", {{"GROUP", "Group"}}},
    {"NATION_ClearSelection", {{"INT", "Nation"}}},
    {"GROUP_FreeFromFSM", {{"GROUP", "Group"}}},
    {"GROUP_ATTACK_GROUP", {{"GROUP", "gAttack"}, {"GROUP", "gTarget"}}},
    {"GROUP_ATTACK_NODE", {{"GROUP", "gGroup"}, {"NODE", "nNode"}}},
    {"ADD_STORM", {{"GROUP", "gGroup"}}},
    {"GROUP_ATTACK_00", {{"GROUP", "gAttaker"}, {"GROUP", "gTarget"}, {"INT", "iPower"}}},
    {"GROUP_EXPLORING_MAP", {{"GROUP", "gGroup"}}},
};

constexpr FunctionDecl kTextFunctions[] = {
    {"TEXT_ShowHint", {{"STR", "strTEXT"}, {"INT", "iTIME"}}},
    {"TEXT_CreateParamString", {{"STR", "strDestTextID"}, {"STR", "strSourceTextID"}, {"ARRAY", "arrPARS"}}},
};

constexpr FunctionDecl kQueryFunctions[] = {
    {"GET_NoOrders_UN", {{"GROUP", "Group"}}},
    {"GET_Move_UN", {{"GROUP", "Group"}}},
    {"GET_Attack_UN", {{"GROUP", "Group"}}},
    {"GET_GroupHP", {{"GROUP", "Group"}}},
    {"GET_NKilled", {{"INT", "Nation"}, {"UnitType", "UnitType"}}},
    {"GET_HeroLevel", {{"GROUP", "gHero"}}},
    {"GET_InsideDialogState", {}},
    {"GET_TankMode", {}},
    {"GET_GroupDeadUN", {{"GROUP", "Group"}}},
};

constexpr FunctionDecl kLinkAndSetFunctions[] = {
    {"LINC_NODE_TO_GROUP", {{"GROUP", "gGroup"}, {"NODE", "nNode"}}},
    {"SET_NODE_X", {{"NODE", "nNode"}, {"INT", "iX"}}},
    {"SET_NODE_Y", {{"NODE", "nNode"}, {"INT", "iY"}}},
    {"SET_NODE_R", {{"NODE", "nNode"}, {"INT", "iR"}}},
    {"SET_NODE", {{"NODE", "nNode"}, {"INT", "iX"}, {"INT", "iY"}, {"INT", "iR"}}},
    {"SET_NMASK", {{"GROUP", "gGroup"}, {"INT", "iNMASK"}}},
    {"SET_NMASK_ARRAY", {{"ARRAY", "arrGroups"}, {"INT", "iNMASK"}}},
    {"SET_StendGround", {{"GROUP", "gGroup"}, {"BOOL", "bState"}}},
    {"SET_GROUP_EXPA", {{"GROUP", "gGroup"}, {"INT", "iExpa"}}},
    {"SET_ALERT", {{"NODE", "Node"}, {"INT", "Nation"}}},
    {"SET_DisableCapturability", {{"GROUP", "Group"}}},
    {"SET_InsideDialogState", {{"BOOL", "State"}}},
    {"SET_HeroColectExpaStatus", {{"GROUP", "gHero"}, {"BOOL", "State"}}},
    {"SET_SwithTankMode", {}},
};

constexpr FunctionDecl kAbilityFunctions[] = {
    {"ABIL_AddCarryAbility", {{"UnitAbility", "Ability"}, {"GROUP", "Group"}}},
    {"ABIL_DelCarryAbility_ptr", {{"UnitAbility", "Ability"}, {"GROUP", "Group"}}},
    {"ABIL_DelCarryAbility_str", {{"STR", "Ability"}, {"GROUP", "Group"}}},
    {"ABIL_DetectCarryAbility", {{"UnitAbility", "Ability"}, {"GROUP", "Group"}}},
    {"ABIL_SetAbilityState", {{"GROUP", "Group"}, {"STR", "AblName"}, {"INT", "State"}}},
    {"ABIL_GetAbilityState", {{"GROUP", "Group"}, {"STR", "AblName"}, {"INT", "State"}}},
    {"ABIL_GetAbilityState_ref", {{"GROUP", "Group"}, {"UnitAbility", "Ability"}, {"INT", "State"}}},
    {"ABIL_GetOwnerNation", {{"INT", "Nation"}}},
    {"ABIL_CheckActivatorObject", {{"GROUP", "Group"}}},
    {"ABIL_TryExecute", {{"UnitAbility", "Ability"}, {"GROUP", "Caster"}, {"GROUP", "Target"}, {"NODE", "Node"}}},
    {"ABIL_Click_Teleport", {}},
    {"ABIL_Process_Teleport", {{"GROUP", "gDestGate"}}},
    {"WEAPON_CreateNew", {{"WeaponModificators", "WeaponMod"}, {"NODE", "SrcNode"}, {"NODE", "DstNode"}}},
    {"WEAPON_CreateNew_ID",
     {{"WeaponModificators", "WeaponMod"}, {"NODE", "SrcNode"}, {"NODE", "DstNode"}, {"GROUP", "SrcGrp"},
      {"GROUP", "DstGrp"}}},
};

constexpr FunctionDecl kNodeAndCameraFunctions[] = {
    {"NODE_CHENGE_NMASK", {{"INT", "Nation"}, {"NODE", "Node"}, {"INT", "NMask"}}},
    {"CAMERA_Play", {{"CAMERA", "Camera"}}},
    {"CAMERA_Stop", {{"CAMERA", "Camera"}}},
    {"CAMERA_Free", {{"CAMERA", "Camera"}}},
    {"CAMERA_IsPlaying", {{"CAMERA", "Camera"}}},
};

constexpr FunctionDecl kGuardFunctions[] = {
    {"ACF_GuardZone00_arr", {{"ARRAY", "ObjectArr"}, {"BOOL", "bGuardZone"}, {"INT", "R"}, {"INT", "iAddR"}}},
    {"ACF_GuardZone00", {{"GROUP", "Object"}, {"BOOL", "bGuardZone"}, {"INT", "R"}, {"INT", "iAddR"}}},
    {"ACF_GuardZone01",
     {{"GROUP", "Object"}, {"BOOL", "bGuardZone"}, {"INT", "R"}, {"INT", "iAddR"}, {"INT", "MarkDelay"}}},
    {"ACF_GuardZone02",
     {{"GROUP", "Object"}, {"BOOL", "bGuardZone"}, {"INT", "R"}, {"INT", "iAddR"}, {"INT", "MarkDelay"},
      {"GROUP", "SecuredGroup"}}},
    {"ACF_AmbushZone00",
     {{"GROUP", "Object"}, {"NODE", "GuardNode"}, {"BOOL", "bGuardZone"}, {"INT", "R"}, {"INT", "iAddR"}}},
    {"ACF_AmbushMultyZone", {{"GROUP", "Object"}, {"INT", "R"}, {"INT", "iAddR"}, {"ARRAY", "arrNode"}}},
    {"ACF_PatrolZone00", {{"GROUP", "Object"}, {"ARRAY", "arrNode"}, {"INT", "iR"}, {"INT", "iAddR"}}},
};

constexpr FunctionDecl kAttackZoneFunctions[] = {
    {"ACF_AttackZone00", {{"GROUP", "Object"}, {"INT", "wait"}, {"NODE", "destNode"}}},
    {"ACF_AttackZone01",
     {{"GROUP", "Object"}, {"INT", "wait"}, {"ARRAY", "arryNode"}, {"INT", "iDestDelta"}, {"BOOL", "bCiclik"}}},
};

constexpr FunctionDecl kProductionFunctions[] = {
    {"ACF_ProduseUnits_02",
     {{"GROUP", "Object"}, {"GROUP", "g_gGuard"}, {"INT", "iOwnerNat"}, {"NODE", "nRallyPoint"}, {"ARRAY", "arrTN"},
      {"INT", "iWaitTime"}, {"BOOL", "g_bActive"}, {"BOOL", "g_bGuardZone"}}},
    {"ACF_ProduseUnits_03",
     {{"GROUP", "Object"}, {"GROUP", "g_gGuard"}, {"INT", "iOwnerNat"}, {"NODE", "nRallyPoint"}, {"ARRAY", "arrTN"},
      {"INT", "iWaitTime"}, {"BOOL", "g_bActive"}, {"GROUP", "g_gDestGroup"}, {"BOOL", "g_bGuardZone"}}},
    {"ACF_ProduseUnits_04",
     {{"GROUP", "Object"}, {"GROUP", "g_gGuard"}, {"INT", "iOwnerNat"}, {"NODE", "nRallyPoint"}, {"ARRAY", "arrTN"},
      {"INT", "iWaitTime"}, {"BOOL", "g_bActive"}, {"GROUP", "g_gDestGroup"}, {"BOOL", "g_bGuardZone"}}},
};

constexpr FunctionDecl kCloudDialogFunctions[] = {
    {"ACF_CloudDialog", {{"GROUP", "Object"}, {"ARRAY", "DialogArr"}, {"BOOL", "bDone"}, {"BOOL", "PauseGame"}}},
    {"GET_CloudDialogFree", {}},
};

constexpr FunctionDecl kSaboteurFunctions[] = {
    {"ACF_SABOTEUR", {{"GROUP", "Object"}, {"INT", "AREAID"}, {"BOOL", "FREE_HUNT"}}},
};
template <std::size_t N>
void DeclareFunctions(const FunctionDecl (&functions)[N]) {
    for (const FunctionDecl& function : functions) {
        GameInterface::AddFunctionToDeclarationList(function.name);
        for (const ParamDecl& param : function.params) {
            if (param.type == nullptr) {
                break;
            }
            GameInterface::AddParamsToFunctionInList(function.name, param.type, param.name);
        }
    }
}

void DeclareMissionFunctions() { DeclareFunctions(kMissionFunctions); }
void DeclareGroupFunctions() { DeclareFunctions(kGroupFunctions); }
void DeclareTextFunctions() { DeclareFunctions(kTextFunctions); }
void DeclareQueryFunctions() { DeclareFunctions(kQueryFunctions); }
void DeclareLinkAndSetFunctions() { DeclareFunctions(kLinkAndSetFunctions); }
void DeclareAbilityFunctions() { DeclareFunctions(kAbilityFunctions); }
void DeclareNodeAndCameraFunctions() { DeclareFunctions(kNodeAndCameraFunctions); }
void DeclareGuardFunctions() { DeclareFunctions(kGuardFunctions); }
void DeclareAttackZoneFunctions() { DeclareFunctions(kAttackZoneFunctions); }
void DeclareProductionFunctions() { DeclareFunctions(kProductionFunctions); }
void DeclareCloudDialogFunctions() { DeclareFunctions(kCloudDialogFunctions); }
void DeclareSaboteurFunctions() { DeclareFunctions(kSaboteurFunctions); }

}  // namespace

void DeclareScriptFunctions() {
    GameInterface::dllfnClearList();
    DeclareMissionFunctions();
    DeclareGroupFunctions();
    DeclareTextFunctions();
    DeclareQueryFunctions();
    DeclareLinkAndSetFunctions();
    DeclareAbilityFunctions();
    DeclareNodeAndCameraFunctions();
    DeclareGuardFunctions();
    DeclareAttackZoneFunctions();
    DeclareProductionFunctions();
    DeclareCloudDialogFunctions();
    DeclareSaboteurFunctions();
}

}  // namespace warloom
