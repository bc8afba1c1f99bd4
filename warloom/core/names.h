// Names shared with the engine and with mission scripts: messages, states and common variables.
#pragma once

namespace warloom {

namespace msg {
constexpr const char* kEnter = "MSG_ENTER";
constexpr const char* kUpdate = "MSG_UPDATE";
constexpr const char* kExit = "MSG_EXIT";
constexpr const char* kIsFree = "MSG_IS_FREE";
constexpr const char* kRun = "MSG_RUN";
constexpr const char* kCreateEnemies = "MSG_CREATE_EN";
constexpr const char* kAttackEnemies = "MSG_ATTACK_EN";
constexpr const char* kNewUnit = "MSG_NEW_UNIT";
constexpr const char* kOrder = "MSG_ORDER";
constexpr const char* kSetOwner = "MSG_SET_OWNER";
constexpr const char* kSend = "MSG_SEND";
}  // namespace msg

namespace state {
constexpr const char* kGlobal = "ST_GLOBAL";
constexpr const char* kIdle = "ST_IDLE";
constexpr const char* kAttack = "ST_ATTACK";
constexpr const char* kBack = "ST_BACK";
constexpr const char* kNewMessage = "ST_NEW_MSG";
constexpr const char* kEnd = "ST_END";
constexpr const char* kBeginProduction = "ST_BEGIN_PR";
constexpr const char* kProduce = "ST_PRODUCE";
constexpr const char* kEndProduction = "ST_END_PR";
constexpr const char* kNewStep = "ST_NEWSTEP";
constexpr const char* kMove = "ST_MOVE";
constexpr const char* kTerminate = "ST_TERMINATE";
}  // namespace state

// Smart-object kinds, as named to the engine.
namespace kind {
constexpr const char* kAttackZone = "FSM_AttackZone00";
constexpr const char* kCloudDialog = "FSM_CloudDialog";
constexpr const char* kGuard = "FSM_GUARD";
constexpr const char* kAmbush = "FSM_Ambush";
constexpr const char* kAmbushMultiZone = "FSM_AmbushMultyZone";
constexpr const char* kPatrol = "FSM_PATROL";
constexpr const char* kProduce02 = "FSM_PRODUCE_02";
constexpr const char* kSaboteur = "FSM_SABOTEUR";
}  // namespace kind

namespace var {
// Answer slot of "MSG_IS_FREE".
constexpr const char* kFree = "bFREE";
// The group a binding function attaches.
constexpr const char* kObject = "Object";
// The enemies of the current fight.
constexpr const char* kEnemyGroup = "EnemyGroup";
}  // namespace var

}  // namespace warloom
