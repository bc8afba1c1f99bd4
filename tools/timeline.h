// A timeline of a running scene: the state changes of the smart objects it watches, and the orders
// their machines gave, update by update.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine_sim/world.h"

namespace host {

class Timeline {
public:
    explicit Timeline(sim::World& world) : m_world(world) {}

    // Follows a smart object under a label.
    void watch(const std::string& label, int32_t smartObject);
    // One engine update, then a line for every state change and for the orders given.
    void tick();

private:
    void reportStates();
    void reportOrders();

    sim::World& m_world;
    std::vector<std::pair<std::string, int32_t>> m_watched;
    std::vector<std::string> m_lastStates;
    std::size_t m_journalSeen = 0;
};

}  // namespace host
