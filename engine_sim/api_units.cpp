// Units, nodes, zones and unit sets.
#include <algorithm>
#include <cmath>

#include "engine_sim/record.h"

using sim::on;
using sim::record;
using sim::world;

namespace {

sim::Unit* unitOf(int32_t gid)
{
    return world() ? world()->unit(gid) : nullptr;
}

sim::UnitSet* setOf(int32_t id)
{
    return world() ? world()->unitSet(id) : nullptr;
}

sim::Node* nodeOf(int32_t id)
{
    return world() ? world()->node(id) : nullptr;
}

bool inCircle(const sim::Unit& unit, int32_t x, int32_t y, int32_t r)
{
    const int64_t dx = unit.x - x;
    const int64_t dy = unit.y - y;
    return r >= 0 && dx * dx + dy * dy <= static_cast<int64_t>(r) * r;
}

// Keeps the members of a set for which `keep` holds.
template <class Keep>
void filterSet(int32_t id, Keep keep)
{
    sim::UnitSet* set = setOf(id);
    if (!set)
        return;
    for (std::size_t i = set->units.size(); i-- > 0;) {
        const sim::Unit* member = unitOf(set->units[i]);
        if (!member || !keep(*member))
            world()->removeFromSet(*set, i);
    }
}

// Counts the members of a group for which `counted` holds; 0 for an invalid group.
template <class Counted>
int32_t countMembers(int32_t group, Counted counted)
{
    const sim::UnitSet* set = world() ? world()->group(group) : nullptr;
    if (!set)
        return 0;
    return static_cast<int32_t>(std::count_if(set->units.begin(), set->units.end(), [&](int32_t gid) {
        const sim::Unit* member = unitOf(gid);
        return member && counted(*member);
    }));
}

// Sums a figure over the members of a group; 0 for an invalid group.
template <class Figure>
int32_t sumMembers(int32_t group, Figure figure)
{
    const sim::UnitSet* set = world() ? world()->group(group) : nullptr;
    int32_t total = 0;
    if (set)
        for (int32_t gid : set->units)
            if (const sim::Unit* member = unitOf(gid))
                total += figure(*member);
    return total;
}

sim::OrderCode currentOrder(const sim::Unit& unit)
{
    return unit.orders.empty() ? sim::kOrderNone : unit.orders.front().code;
}

// The member at an index of a group, or nullptr.
sim::Unit* memberAt(int32_t group, int32_t index)
{
    const sim::UnitSet* set = world() ? world()->group(group) : nullptr;
    if (!set || index < 0 || static_cast<std::size_t>(index) >= set->units.size())
        return nullptr;
    return unitOf(set->units[static_cast<std::size_t>(index)]);
}

}  // namespace

// --- pUnit

pUnit& pUnit::operator=(int32_t gid)
{
    m_id = gid;
    return *this;
}

bool pUnit::Valid() const { return unitOf(m_id) != nullptr; }
int32_t pUnit::GetGID() const { return Valid() ? m_id : -1; }

int32_t pUnit::GetNation() const
{
    const sim::Unit* unit = unitOf(m_id);
    return unit ? unit->nation : -1;
}

int32_t pUnit::GetType() const
{
    const sim::Unit* unit = unitOf(m_id);
    return unit ? unit->type : -1;
}

bool pUnit::isAlive() const
{
    const sim::Unit* unit = unitOf(m_id);
    return unit && unit->alive;
}

bool pUnit::isHero() const
{
    record(on(*this, "isHero"));
    const sim::Unit* unit = unitOf(m_id);
    return unit && unit->hero;
}

int32_t pUnit::GetHeroLevel() const
{
    record(on(*this, "GetHeroLevel"));
    const sim::Unit* unit = unitOf(m_id);
    return unit ? unit->heroLevel : 0;
}

// --- Zones and nodes

bool iZone::IsIn(pUnit& unit) const
{
    const sim::Node* zone = nodeOf(m_id);
    const sim::Unit* tested = unitOf(unit.id());
    return zone && tested && inCircle(*tested, zone->x, zone->y, zone->r);
}

bool iNode::Valid() const { return nodeOf(m_id) != nullptr; }

int32_t iNode::getX() const { return nodeOf(m_id) ? nodeOf(m_id)->x : 0; }
int32_t iNode::getY() const { return nodeOf(m_id) ? nodeOf(m_id)->y : 0; }
int32_t iNode::getR() const { return nodeOf(m_id) ? nodeOf(m_id)->r : 0; }
int32_t iNode::getDIR() const { return nodeOf(m_id) ? nodeOf(m_id)->dir : 0; }
int32_t iNode::getSFR() const { return nodeOf(m_id) ? nodeOf(m_id)->sfr : 0; }

void iNode::setX(int32_t x)
{
    record(on(*this, "setX"), x);
    if (sim::Node* node = nodeOf(m_id))
        node->x = x;
}

void iNode::setY(int32_t y)
{
    record(on(*this, "setY"), y);
    if (sim::Node* node = nodeOf(m_id))
        node->y = y;
}

void iNode::setR(int32_t r)
{
    record(on(*this, "setR"), r);
    if (sim::Node* node = nodeOf(m_id))
        node->r = r;
}

void iNode::setDIR(int32_t dir)
{
    record(on(*this, "setDIR"), dir);
    if (sim::Node* node = nodeOf(m_id))
        node->dir = dir;
}

// --- Unit sets

void IUnitsIterator::ToBegin() { m_cursor = 0; }

bool IUnitsIterator::Next(pUnit& unit)
{
    const sim::UnitSet* set = setOf(m_id);
    if (!set || m_cursor < 0 || static_cast<std::size_t>(m_cursor) >= set->units.size())
        return false;
    unit = set->units[static_cast<std::size_t>(m_cursor++)];
    return true;
}

pUnit IUnitsIterator::operator[](int32_t index) const
{
    const sim::UnitSet* set = setOf(m_id);
    if (!set || index < 0 || static_cast<std::size_t>(index) >= set->units.size())
        return pUnit();
    return pUnit(set->units[static_cast<std::size_t>(index)]);
}

IUnitsIterator& IUnitsIterator::operator+=(const pUnit& unit)
{
    if (sim::UnitSet* set = setOf(m_id))
        world()->addToSet(*set, unit.id());
    return *this;
}

void IUnitsIterator::Clear()
{
    filterSet(m_id, [](const sim::Unit&) { return false; });
}

int32_t IUnitsIterator::Count() const
{
    const sim::UnitSet* set = setOf(m_id);
    return set ? static_cast<int32_t>(set->units.size()) : 0;
}

void IUnitsIterator::LimitByNation(int32_t nation)
{
    record("list " + std::to_string(m_id) + ".LimitByNation", nation);
    filterSet(m_id, [&](const sim::Unit& unit) { return unit.nation == nation; });
}

void IUnitsIterator::LimitByType(pUnitType& type)
{
    record("list " + std::to_string(m_id) + ".LimitByType", type);
    filterSet(m_id, [&](const sim::Unit& unit) { return unit.type == type.GetType(); });
}

void IUnitsIterator::ExcludeByNMask(int32_t nationMask)
{
    record("list " + std::to_string(m_id) + ".ExcludeByNMask", nationMask);
    filterSet(m_id, [&](const sim::Unit& unit) { return (GameInterface::GetNationMask(unit.nation) & nationMask) == 0; });
}

void IUnitsIterator::RemoveDeadUnits()
{
    record("list " + std::to_string(m_id) + ".RemoveDeadUnits");
    filterSet(m_id, [](const sim::Unit& unit) { return unit.alive; });
}

pUnitsList::pUnitsList() : IUnitsIterator(world() ? world()->createUnitSet(false, "", true) : -1) {}

bool pUnitsList::Valid() const
{
    return world() && world()->unitList(m_id);
}

// --- RoundZone

RoundZone::RoundZone(const iNode& node) : m_x(node.getX()), m_y(node.getY()), m_r(node.getR()) {}

RoundZone::RoundZone(int32_t x, int32_t y, int32_t r) : m_x(x), m_y(y), m_r(r) {}

void RoundZone::CollectUnits(pUnitsList& list, int32_t option) const
{
    record("RoundZone(" + std::to_string(m_x) + ", " + std::to_string(m_y) + ", " + std::to_string(m_r) +
               ").CollectUnits",
           list, option);
    sim::World* current = world();
    sim::UnitSet* into = current ? current->unitSet(list.id()) : nullptr;
    if (!into)
        return;
    // Option 2 collects only the units that are fighting; any other option every unit in the circle.
    current->units().forEach([&](int32_t gid, const sim::Unit& unit) {
        if (inCircle(unit, m_x, m_y, m_r) && (option != 2 || currentOrder(unit) == sim::kOrderAttack))
            current->addToSet(*into, gid);
    });
}

// --- pGroup

bool pGroup::Valid() const
{
    return world() && world()->group(m_id);
}

const char* pGroup::getName() const
{
    const sim::UnitSet* set = world() ? world()->group(m_id) : nullptr;
    return set ? set->name.c_str() : "";
}

void pGroup::CreateLocal(const char* name)
{
    record("CreateLocal", name);
    m_id = world() ? world()->createUnitSet(true, name ? name : "", true) : -1;
}

int32_t pGroup::getUN() const
{
    record(on(*this, "getUN"));
    return countMembers(m_id, [](const sim::Unit&) { return true; });
}

int32_t pGroup::getDeadUN() const
{
    record(on(*this, "getDeadUN"));
    const sim::UnitSet* set = world() ? world()->group(m_id) : nullptr;
    return set ? set->dead : 0;
}

int32_t pGroup::getNO_ORDERS_UN() const
{
    record(on(*this, "getNO_ORDERS_UN"));
    return countMembers(m_id, [](const sim::Unit& unit) { return unit.orders.empty(); });
}

int32_t pGroup::getMOVE_UN() const
{
    record(on(*this, "getMOVE_UN"));
    return countMembers(m_id, [](const sim::Unit& unit) { return currentOrder(unit) == sim::kOrderMove; });
}

int32_t pGroup::getATTACK_UN() const
{
    record(on(*this, "getATTACK_UN"));
    return countMembers(m_id, [](const sim::Unit& unit) { return currentOrder(unit) == sim::kOrderAttack; });
}

int32_t pGroup::getHP() const
{
    record(on(*this, "getHP"));
    return sumMembers(m_id, [](const sim::Unit& unit) { return unit.hp; });
}

int32_t pGroup::getXc() const
{
    record(on(*this, "getXc"));
    const int32_t count = countMembers(m_id, [](const sim::Unit&) { return true; });
    return count ? sumMembers(m_id, [](const sim::Unit& unit) { return unit.x; }) / count : 0;
}

int32_t pGroup::getYc() const
{
    record(on(*this, "getYc"));
    const int32_t count = countMembers(m_id, [](const sim::Unit&) { return true; });
    return count ? sumMembers(m_id, [](const sim::Unit& unit) { return unit.y; }) / count : 0;
}

int32_t pGroup::getXi(int32_t index) const
{
    const sim::Unit* member = memberAt(m_id, index);
    return member ? member->x : 0;
}

int32_t pGroup::getYi(int32_t index) const
{
    const sim::Unit* member = memberAt(m_id, index);
    return member ? member->y : 0;
}

int32_t pGroup::getDIRi(int32_t index) const
{
    const sim::Unit* member = memberAt(m_id, index);
    return member ? member->dir : 0;
}

int32_t pGroup::getGIDi(int32_t index) const
{
    const sim::UnitSet* set = world() ? world()->group(m_id) : nullptr;
    return memberAt(m_id, index) ? set->units[static_cast<std::size_t>(index)] : -1;
}

int32_t pGroup::getORDERi(int32_t index) const
{
    record(on(*this, "getORDERi"), index);
    const sim::Unit* member = memberAt(m_id, index);
    return member ? currentOrder(*member) : sim::kOrderNone;
}

int32_t pGroup::getNation() const
{
    record(on(*this, "getNation"));
    const sim::Unit* first = memberAt(m_id, 0);
    return first ? first->nation : -1;
}

int32_t pGroup::getNMASK() const
{
    record(on(*this, "getNMASK"));
    const sim::UnitSet* set = world() ? world()->group(m_id) : nullptr;
    if (set && set->nationMask >= 0)
        return set->nationMask;
    const sim::Unit* first = memberAt(m_id, 0);
    return first ? first->nationMask : 0;
}

int32_t pGroup::getLockType() const
{
    record(on(*this, "getLockType"));
    const sim::UnitSet* set = world() ? world()->group(m_id) : nullptr;
    return set ? set->lockType : 0;
}

void pGroup::setLockType(int32_t lockType)
{
    record(on(*this, "setLockType"), lockType);
    if (sim::UnitSet* set = world() ? world()->group(m_id) : nullptr)
        set->lockType = lockType;
}

void pGroup::setNMASK(int32_t nationMask)
{
    record(on(*this, "setNMASK"), nationMask);
    sim::UnitSet* set = world() ? world()->group(m_id) : nullptr;
    if (!set)
        return;
    set->nationMask = nationMask;
    for (int32_t gid : set->units)
        unitOf(gid)->nationMask = nationMask;
}

void pGroup::AddUnitGID(int32_t gid)
{
    record(on(*this, "AddUnitGID"), gid);
    if (sim::UnitSet* set = world() ? world()->group(m_id) : nullptr)
        world()->addToSet(*set, gid);
}

void pGroup::_add(pUnit& unit)
{
    record(on(*this, "_add"), unit);
    if (sim::UnitSet* set = world() ? world()->group(m_id) : nullptr)
        world()->addToSet(*set, unit.id());
}

void pGroup::RemAllUnits()
{
    record(on(*this, "RemAllUnits"));
    if (world() && world()->group(m_id))
        filterSet(m_id, [](const sim::Unit&) { return false; });
}

void pGroup::ClearOrders()
{
    record(on(*this, "ClearOrders"));
    if (sim::UnitSet* set = world() ? world()->group(m_id) : nullptr)
        for (int32_t gid : set->units)
            unitOf(gid)->orders.clear();
}

void pGroup::Send(iNode& node, int32_t flags, int32_t mode)
{
    record(on(*this, "Send"), node, flags, mode);
    sim::UnitSet* set = world() ? world()->group(m_id) : nullptr;
    if (!set || !node.Valid())
        return;
    // Mode 2 queues the move after the unit's orders; any other mode replaces them.
    for (int32_t gid : set->units) {
        sim::Unit& member = *unitOf(gid);
        if (mode != 2)
            member.orders.clear();
        member.orders.push_back({sim::kOrderMove, node.getX(), node.getY(), -1});
    }
}
