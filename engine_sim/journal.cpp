#include "engine_sim/journal.h"

#include <algorithm>
#include <cstdio>

namespace sim {

void Journal::add(std::string entry)
{
    if (m_enabled)
        m_entries.push_back(std::move(entry));
}

std::vector<std::string> Journal::matching(const std::string& text) const
{
    std::vector<std::string> found;
    for (const std::string& entry : m_entries)
        if (entry.find(text) != std::string::npos)
            found.push_back(entry);
    return found;
}

std::size_t Journal::count(const std::string& text) const
{
    return static_cast<std::size_t>(std::count_if(m_entries.begin(), m_entries.end(), [&](const std::string& entry) {
        return entry.find(text) != std::string::npos;
    }));
}

std::string describe(int32_t value) { return std::to_string(value); }
std::string describe(uint8_t value) { return std::to_string(static_cast<unsigned>(value)); }
std::string describe(bool value) { return value ? "true" : "false"; }
std::string describe(const char* text) { return text ? "\"" + std::string(text) + "\"" : "null"; }

std::string describe(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

}  // namespace sim
