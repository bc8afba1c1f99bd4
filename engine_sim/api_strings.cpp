// The engine's heap and its texts.
#include <atomic>
#include <cstdlib>
#include <cstring>

#include "engine_api/memory.h"
#include "engine_api/strings.h"
#include "engine_sim/memory.h"

namespace {
std::atomic<int64_t> g_liveBlocks{0};
}

int64_t sim::liveEngineAllocations()
{
    return g_liveBlocks.load();
}

void* _ExMalloc(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block)
        ++g_liveBlocks;
    return block;
}

void _ExFree(void* pointer)
{
    if (!pointer)
        return;
    --g_liveBlocks;
    std::free(pointer);
}

// --- _str

_str::_str() : m_text(nullptr) {}

_str::_str(const char* text) : m_text(nullptr)
{
    Assign(text);
}

_str::_str(const _str& other) : m_text(nullptr)
{
    Assign(other.m_text);
}

_str& _str::operator=(const _str& other)
{
    if (this != &other)
        Assign(other.m_text);
    return *this;
}

_str& _str::operator=(const char* text)
{
    Assign(text);
    return *this;
}

_str::~_str()
{
    Clear();
}

void _str::Assign(const char* text)
{
    if (text == m_text)
        return;
    char* copy = nullptr;
    if (text) {
        const std::size_t length = std::strlen(text);
        copy = static_cast<char*>(_ExMalloc(length + 1));
        if (copy)
            std::memcpy(copy, text, length + 1);
    }
    Clear();
    m_text = copy;
}

const char* _str::pchar() const
{
    return m_text;
}

int32_t _str::Length() const
{
    return m_text ? static_cast<int32_t>(std::strlen(m_text)) : 0;
}

bool _str::Equal(const char* text) const
{
    const char* mine = m_text ? m_text : "";
    return std::strcmp(mine, text ? text : "") == 0;
}

void _str::Clear()
{
    _ExFree(m_text);
    m_text = nullptr;
}

// --- DString

DString::DString() = default;
DString::DString(const _str& text) : m_text(text) {}
DString::DString(const DString& other) = default;
DString& DString::operator=(const DString& other) = default;
DString::~DString() = default;

const char* DString::pchar() const
{
    return m_text.pchar() ? m_text.pchar() : "";
}
