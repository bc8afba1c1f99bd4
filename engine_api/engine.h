// Everything a plug-in is built against.
#pragma once

#include "areas.h"
#include "export.h"
#include "game_interface.h"
#include "handles.h"
#include "memory.h"
#include "params.h"
#include "smart_objects.h"
#include "strings.h"
#include "units.h"
