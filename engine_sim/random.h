// The engine's chance: seeded and repeatable, or a queue of draws set by a test.
#pragma once

#include <cstdint>
#include <deque>
#include <random>

namespace sim {

class Random {
public:
    explicit Random(uint32_t seed = 1) : m_engine(seed) {}
    void seed(uint32_t seed) { m_engine.seed(seed); }
    // The next draws are these values, in order, whatever range is asked for.
    void queue(std::initializer_list<int32_t> draws) { m_queued.insert(m_queued.end(), draws); }
    std::size_t queued() const { return m_queued.size(); }

    // 0 to n - 1 (0 when n is 1 or less).
    int32_t below(int32_t n);
    // low to high, both included (low when high < low).
    int32_t between(int32_t low, int32_t high);

private:
    bool takeQueued(int32_t& value);
    std::mt19937 m_engine;
    std::deque<int32_t> m_queued;
};

}  // namespace sim
