// Defence-power figures of map areas.
//
// An area's defence is its base defence plus the hit points of its nation's living units within the
// area's radius of its centre. A group's figures cover the areas of its lock type; a nation's total
// has one entry per cluster of that nation's areas of the lock type.
#include <map>

#include "engine_sim/api_support.h"

using sim::record;
using sim::world;

namespace {

constexpr int32_t kCellSize = 64;

int32_t defenceOf(const sim::Area& area)
{
    const int64_t cx = area.cellX * kCellSize + kCellSize / 2;
    const int64_t cy = area.cellY * kCellSize + kCellSize / 2;
    const int64_t reach = static_cast<int64_t>(area.radius) * area.radius;
    int32_t defence = area.baseDefence;
    world()->units().forEach([&](int32_t, const sim::Unit& unit) {
        const int64_t dx = unit.x - cx;
        const int64_t dy = unit.y - cy;
        if (unit.alive && unit.nation == area.nation && dx * dx + dy * dy <= reach)
            defence += unit.hp;
    });
    return defence;
}

void include(sim::AreaSet& set, int32_t id, const sim::Area& area)
{
    const int32_t defence = defenceOf(area);
    set.areas.push_back(id);
    set.defence += defence;
    if (set.weakest < 0 || defence < defenceOf(*world()->area(set.weakest)))
        set.weakest = id;
}

const sim::AreaSet* setOf(int32_t id)
{
    return world() ? world()->areaSet(id) : nullptr;
}

}  // namespace

bool wl_CAreaListPowerData::create(pGroup& group)
{
    record("wl_CAreaListPowerData.create", group);
    m_id = -1;
    if (!world() || !world()->group(group.id()) || world()->group(group.id())->units.empty())
        return false;
    sim::AreaSet reachable;
    const int32_t lockType = world()->group(group.id())->lockType;
    world()->areas().forEach([&](int32_t id, const sim::Area& area) {
        if (area.lockType == lockType)
            include(reachable, id, area);
    });
    m_id = world()->createAreaSet(std::move(reachable));
    return true;
}

int32_t wl_CAreaListPowerData::getUnitsDefencePOWER() const
{
    const sim::AreaSet* set = setOf(m_id);
    return set ? set->defence : 0;
}

int32_t wl_CAreaListPowerData::getWeakestAST_AID() const
{
    const sim::AreaSet* set = setOf(m_id);
    return set ? set->weakest : -1;
}

bool wl_CTotalALPD::create(int32_t lockType, int32_t nation, int32_t mode)
{
    record("wl_CTotalALPD.create", lockType, nation, mode);
    m_id = -1;
    if (!world())
        return false;
    std::map<int32_t, sim::AreaSet> clusters;
    world()->areas().forEach([&](int32_t id, const sim::Area& area) {
        if (area.nation == nation && area.lockType == lockType)
            include(clusters[area.cluster], id, area);
    });
    if (clusters.empty())
        return false;
    m_id = world()->createAreaTotal();
    for (auto& [cluster, set] : clusters)
        world()->areaTotal(m_id)->entries.push_back(
            std::make_unique<wl_CAreaListPowerData>(world()->createAreaSet(std::move(set))));
    return true;
}

int32_t wl_CTotalALPD::getN() const
{
    const sim::AreaTotal* total = world() ? world()->areaTotal(m_id) : nullptr;
    return total ? static_cast<int32_t>(total->entries.size()) : 0;
}

wl_CAreaListPowerData* wl_CTotalALPD::getALPD(int32_t index) const
{
    const sim::AreaTotal* total = world() ? world()->areaTotal(m_id) : nullptr;
    if (!total || index < 0 || static_cast<std::size_t>(index) >= total->entries.size())
        return nullptr;
    return total->entries[static_cast<std::size_t>(index)].get();
}
