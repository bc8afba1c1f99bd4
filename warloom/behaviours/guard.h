// The guard binder other behaviours use to put a group on guard.
#pragma once

#include "warloom/core/script.h"

// Binds the group to a guard with the settings of the list ("bGuardZone", "R", "iAddR", "bNewPos",
// "MarkDelay", "SecuredGroup"); writes the guard's instance name into the list's "soName".
WARLOOM_EXPORT int ACF_GuardZone00_local(pGroup& group, pParamList& list);
