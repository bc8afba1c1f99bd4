// Bookkeeping of the engine heap that plug-ins allocate from.
#pragma once

#include <cstdint>

namespace sim {

// Blocks handed out by _ExMalloc and not yet given back.
int64_t liveEngineAllocations();

}  // namespace sim
