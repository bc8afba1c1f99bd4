// The call journal: every engine operation a plug-in calls, in order, as readable text such as
// "guards.Send(node 3, 512, 0)" or "GetNKilled(2, 7)".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

class Journal {
public:
    void add(std::string entry);
    void clear() { m_entries.clear(); }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }

    const std::vector<std::string>& entries() const { return m_entries; }
    // The entries that contain `text`, in order.
    std::vector<std::string> matching(const std::string& text) const;
    std::size_t count(const std::string& text) const;
    bool contains(const std::string& text) const { return count(text) > 0; }

private:
    std::vector<std::string> m_entries;
    bool m_enabled = true;
};

// Text of one argument of a journal entry.
std::string describe(int32_t value);
std::string describe(uint8_t value);
std::string describe(bool value);
std::string describe(const char* text);
std::string describe(float value);

}  // namespace sim
