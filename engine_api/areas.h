// Defence-power figures of map areas, for choosing targets.
#pragma once

#include <cstdint>

#include "export.h"
#include "units.h"

// The power figures of one set of areas: made for a group (the areas it can reach), or one entry of a
// nation's total.
class ENGINE_API wl_CAreaListPowerData {
public:
    wl_CAreaListPowerData() : m_id(-1) {}
    explicit wl_CAreaListPowerData(int32_t id) : m_id(id) {}

    bool create(pGroup& group);
    int32_t getUnitsDefencePOWER() const;
    // The area of the set with the least defence, -1 when the set is empty.
    int32_t getWeakestAST_AID() const;
    int32_t id() const { return m_id; }

private:
    int32_t m_id;
};

// A nation's areas reachable with a lock type, as a list of area sets.
class ENGINE_API wl_CTotalALPD {
public:
    wl_CTotalALPD() : m_id(-1) {}

    bool create(int32_t lockType, int32_t nation, int32_t mode);
    int32_t getN() const;
    // Entry i, or nullptr.
    wl_CAreaListPowerData* getALPD(int32_t index) const;

private:
    int32_t m_id;
};
