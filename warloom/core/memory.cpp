// The library's allocation operators: whatever the plug-in allocates lives on the engine's heap.
#include <cstddef>
#include <new>

#include "engine_api/memory.h"

void* operator new(std::size_t size)
{
    if (void* block = _ExMalloc(size))
        return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return _ExMalloc(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return _ExMalloc(size);
}

void operator delete(void* pointer) noexcept
{
    _ExFree(pointer);
}

void operator delete[](void* pointer) noexcept
{
    _ExFree(pointer);
}

void operator delete(void* pointer, std::size_t) noexcept
{
    _ExFree(pointer);
}

void operator delete[](void* pointer, std::size_t) noexcept
{
    _ExFree(pointer);
}
