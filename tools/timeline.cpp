#include "tools/timeline.h"

#include <cstdio>
#include <map>

namespace host {

namespace {

// The orders worth a line, as they appear in the journal after "group.".
const char* const kOrders[] = {".Send(",          ".SendID(",   ".AttackUseNearest(", ".AttackUseIDS(",
                               ".MarkTime(",      ".Produce(", ".SendSmartly(",      "dl_ShowCloudDialog(",
                               "AddTomahawksAttackers("};

std::string stateOf(const sim::World& world, int32_t smartObject)
{
    const sim::SmartObject* found = world.smartObject(smartObject);
    return found ? found->state : "(gone)";
}

}  // namespace

void Timeline::watch(const std::string& label, int32_t smartObject)
{
    m_watched.emplace_back(label, smartObject);
    m_lastStates.push_back(stateOf(m_world, smartObject));
    std::printf("  t=%5d  %-10s %s\n", m_world.now(), label.c_str(), m_lastStates.back().c_str());
    m_journalSeen = m_world.journal.entries().size();
}

void Timeline::tick()
{
    m_world.Tick();
    reportStates();
    reportOrders();
}

void Timeline::reportStates()
{
    for (std::size_t i = 0; i < m_watched.size(); ++i) {
        const std::string now = stateOf(m_world, m_watched[i].second);
        if (now == m_lastStates[i])
            continue;
        std::printf("  t=%5d  %-10s %s -> %s\n", m_world.now(), m_watched[i].first.c_str(), m_lastStates[i].c_str(),
                    now.c_str());
        m_lastStates[i] = now;
    }
}

// Orders of this update, one line per group and kind: "Guards.SendID x4".
void Timeline::reportOrders()
{
    const auto& entries = m_world.journal.entries();
    std::map<std::string, int> given;
    for (std::size_t i = m_journalSeen; i < entries.size(); ++i)
        for (const char* order : kOrders)
            if (const std::size_t at = entries[i].find(order); at != std::string::npos)
                ++given[entries[i].substr(0, at + std::char_traits<char>::length(order) - 1)];
    m_journalSeen = entries.size();
    for (const auto& [order, count] : given)
        std::printf("  t=%5d             %s x%d\n", m_world.now(), order.c_str(), count);
}

}  // namespace host
