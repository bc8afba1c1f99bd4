// Names shared with the engine and with mission scripts: messages, states and common variables.
#pragma once

namespace warloom {

namespace msg {
constexpr const char* kEnter = "MSG_ENTER";
constexpr const char* kUpdate = "MSG_UPDATE";
constexpr const char* kExit = "MSG_EXIT";
constexpr const char* kIsFree = "MSG_IS_FREE";
}  // namespace msg

namespace var {
// Answer slot of "MSG_IS_FREE".
constexpr const char* kFree = "bFREE";
}  // namespace var

}  // namespace warloom
