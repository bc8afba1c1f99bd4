// The form of the plug-in's exported functions.
#pragma once

#include "engine_api/engine.h"

// A script function or state-machine function, exported under its own name with C linkage.
#define WARLOOM_EXPORT extern "C" PLUGIN_EXPORT
