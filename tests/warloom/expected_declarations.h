#pragma once

// The script functions the plug-in must declare to the engine, in declaration
// order, each with its parameters in the order they are added.

namespace expected {
// One line per declared function: the name, then " name:TYPE" for each parameter in order.
inline const char* const kDeclarations[] = {
    // Mission functions
    "MISS01_JoinAllyNearHero gHero:GROUP nHero:NODE iAllyNI:INT iRandPow:INT"
    " dstGroup:GROUP addUnits:BOOL regGroup:GROUP addRegUnits:BOOL",
    "MISS01_JoinAllyTypeNearHero gHero:GROUP nHero:NODE iUnitType:UnitType iAllyNI:INT iRandPow:INT"
    " dstGroup:GROUP addUnits:BOOL regGroup:GROUP addRegUnits:BOOL",
    "MISS01_SetGroupHP Group:GROUP HP:INT",
    "MISS01_ErazeAllUnitsInZone Node:NODE",
    "MISS01_SendGroupByWay Group:GROUP PosArr:ARRAY",
    "MISS01_CreateAndSendByWay PosArr:ARRAY Nation:INT UnitType:UnitType FormationType:FurmationType",
    "MISS03_SetLivingSpace iNation:INT iLivingSpace:INT bSET:BOOL",

    // Group functions
    "RemoveUnitsInZoneToGroup srceGR:GROUP destGR:GROUP trnsND:NODE",
    "GROUP_AddSelected Group:GROUP Nation:INT",
    "GROUP_AddInZone Group:GROUP Nation:INT Node:NODE Add:BOOL",
    "GROUP_AddTypeInZone Group:GROUP Nation:INT UnitType:UnitType Node:NODE Add:BOOL",
    "GROUP_SetLockType Group:GROUP LockType:INT",
    "GROUP_PutRandFormation Group:GROUP Node:NODE Nation:INT UnitType:UnitType minN:INT maxN:INT",
    "GROUP_GetNationAmout Group:GROUP Nation:INT",
    "GROUP_RemoveAllUnits Group:GROUP",
    "NATION_ClearSelection Nation:INT",
    "GROUP_FreeFromFSM Group:GROUP",
    "GROUP_ATTACK_GROUP gAttack:GROUP gTarget:GROUP",
    "GROUP_ATTACK_NODE gGroup:GROUP nNode:NODE",
    "ADD_STORM gGroup:GROUP",
    "GROUP_ATTACK_00 gAttaker:GROUP gTarget:GROUP iPower:INT",
    "GROUP_EXPLORING_MAP gGroup:GROUP",

    // Text functions
    "TEXT_ShowHint strTEXT:STR iTIME:INT",
    "TEXT_CreateParamString strDestTextID:STR strSourceTextID:STR arrPARS:ARRAY",

    // Query functions
    "GET_NoOrders_UN Group:GROUP",
    "GET_Move_UN Group:GROUP",
    "GET_Attack_UN Group:GROUP",
    "GET_GroupHP Group:GROUP",
    "GET_NKilled Nation:INT UnitType:UnitType",
    "GET_HeroLevel gHero:GROUP",
    "GET_InsideDialogState",
    "GET_TankMode",
    "GET_GroupDeadUN Group:GROUP",

    // Link and set functions
    "LINC_NODE_TO_GROUP gGroup:GROUP nNode:NODE",
    "SET_NODE_X nNode:NODE iX:INT",
    "SET_NODE_Y nNode:NODE iY:INT",
    "SET_NODE_R nNode:NODE iR:INT",
    "SET_NODE nNode:NODE iX:INT iY:INT iR:INT",
    "SET_NMASK gGroup:GROUP iNMASK:INT",
    "SET_NMASK_ARRAY arrGroups:ARRAY iNMASK:INT",
    "SET_StendGround gGroup:GROUP bState:BOOL",
    "SET_GROUP_EXPA gGroup:GROUP iExpa:INT",
    "SET_ALERT Node:NODE Nation:INT",
    "SET_DisableCapturability Group:GROUP",
    "SET_InsideDialogState State:BOOL",
    "SET_HeroColectExpaStatus gHero:GROUP State:BOOL",
    "SET_SwithTankMode",

    // Ability and weapon functions
    "ABIL_AddCarryAbility Ability:UnitAbility Group:GROUP",
    "ABIL_DelCarryAbility_ptr Ability:UnitAbility Group:GROUP",
    "ABIL_DelCarryAbility_str Ability:STR Group:GROUP",
    "ABIL_DetectCarryAbility Ability:UnitAbility Group:GROUP",
    "ABIL_SetAbilityState Group:GROUP AblName:STR State:INT",
    "ABIL_GetAbilityState Group:GROUP AblName:STR State:INT",
    "ABIL_GetAbilityState_ref Group:GROUP Ability:UnitAbility State:INT",
    "ABIL_GetOwnerNation Nation:INT",
    "ABIL_CheckActivatorObject Group:GROUP",
    "ABIL_TryExecute Ability:UnitAbility Caster:GROUP Target:GROUP Node:NODE",
    "ABIL_Click_Teleport",
    "ABIL_Process_Teleport gDestGate:GROUP",
    "WEAPON_CreateNew WeaponMod:WeaponModificators SrcNode:NODE DstNode:NODE",
    "WEAPON_CreateNew_ID WeaponMod:WeaponModificators SrcNode:NODE DstNode:NODE SrcGrp:GROUP DstGrp:GROUP",

    // Node and camera functions
    "NODE_CHENGE_NMASK Nation:INT Node:NODE NMask:INT",
    "CAMERA_Play Camera:CAMERA",
    "CAMERA_Stop Camera:CAMERA",
    "CAMERA_Free Camera:CAMERA",
    "CAMERA_IsPlaying Camera:CAMERA",

    // Guard, ambush and patrol behaviours
    "ACF_GuardZone00_arr ObjectArr:ARRAY bGuardZone:BOOL R:INT iAddR:INT",
    "ACF_GuardZone00 Object:GROUP bGuardZone:BOOL R:INT iAddR:INT",
    "ACF_GuardZone01 Object:GROUP bGuardZone:BOOL R:INT iAddR:INT MarkDelay:INT",
    "ACF_GuardZone02 Object:GROUP bGuardZone:BOOL R:INT iAddR:INT MarkDelay:INT SecuredGroup:GROUP",
    "ACF_AmbushZone00 Object:GROUP GuardNode:NODE bGuardZone:BOOL R:INT iAddR:INT",
    "ACF_AmbushMultyZone Object:GROUP R:INT iAddR:INT arrNode:ARRAY",
    "ACF_PatrolZone00 Object:GROUP arrNode:ARRAY iR:INT iAddR:INT",

    // Attack-zone behaviours
    "ACF_AttackZone00 Object:GROUP wait:INT destNode:NODE",
    "ACF_AttackZone01 Object:GROUP wait:INT arryNode:ARRAY iDestDelta:INT bCiclik:BOOL",

    // Unit-production behaviours
    "ACF_ProduseUnits_02 Object:GROUP g_gGuard:GROUP iOwnerNat:INT nRallyPoint:NODE arrTN:ARRAY"
    " iWaitTime:INT g_bActive:BOOL g_bGuardZone:BOOL",
    "ACF_ProduseUnits_03 Object:GROUP g_gGuard:GROUP iOwnerNat:INT nRallyPoint:NODE arrTN:ARRAY"
    " iWaitTime:INT g_bActive:BOOL g_gDestGroup:GROUP g_bGuardZone:BOOL",
    "ACF_ProduseUnits_04 Object:GROUP g_gGuard:GROUP iOwnerNat:INT nRallyPoint:NODE arrTN:ARRAY"
    " iWaitTime:INT g_bActive:BOOL g_gDestGroup:GROUP g_bGuardZone:BOOL",

    // Cloud-dialog behaviour
    "ACF_CloudDialog Object:GROUP DialogArr:ARRAY bDone:BOOL PauseGame:BOOL",
    "GET_CloudDialogFree",

    // Saboteur behaviour
    "ACF_SABOTEUR Object:GROUP AREAID:INT FREE_HUNT:BOOL",
};
}  // namespace expected
