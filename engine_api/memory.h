// The engine's heap. A plug-in's allocation operators forward here so that its objects live on the
// engine's heap.
#pragma once

#include <cstddef>

#include "export.h"

extern "C" {
ENGINE_API void* _ExMalloc(std::size_t size);
ENGINE_API void _ExFree(void* pointer);
}
