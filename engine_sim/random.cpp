#include "engine_sim/random.h"

namespace sim {

bool Random::takeQueued(int32_t& value)
{
    if (m_queued.empty())
        return false;
    value = m_queued.front();
    m_queued.pop_front();
    return true;
}

int32_t Random::below(int32_t n)
{
    int32_t value = 0;
    if (takeQueued(value))
        return value;
    return n <= 1 ? 0 : between(0, n - 1);
}

int32_t Random::between(int32_t low, int32_t high)
{
    int32_t value = 0;
    if (takeQueued(value))
        return value;
    if (high <= low)
        return low;
    return std::uniform_int_distribution<int32_t>(low, high)(m_engine);
}

}  // namespace sim
