// Units, nodes, zones and unit lists.
#include <algorithm>
#include <cmath>

#include "engine_sim/api_support.h"

using namespace sim;

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
    const Unit* unit = unitOf(m_id);
    return unit ? unit->nation : -1;
}

int32_t pUnit::GetType() const
{
    const Unit* unit = unitOf(m_id);
    return unit ? unit->type : -1;
}

bool pUnit::isAlive() const
{
    const Unit* unit = unitOf(m_id);
    return unit && unit->alive;
}

bool pUnit::isHero() const
{
    record(on(*this, "isHero"));
    const Unit* unit = unitOf(m_id);
    return unit && unit->hero;
}

int32_t pUnit::GetHeroLevel() const
{
    record(on(*this, "GetHeroLevel"));
    const Unit* unit = unitOf(m_id);
    return unit ? unit->heroLevel : 0;
}

// --- Zones and nodes

bool iZone::IsIn(pUnit& unit) const
{
    const Node* zone = nodeOf(m_id);
    const Unit* tested = unitOf(unit.id());
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
    if (Node* node = nodeOf(m_id))
        node->x = x;
}

void iNode::setY(int32_t y)
{
    record(on(*this, "setY"), y);
    if (Node* node = nodeOf(m_id))
        node->y = y;
}

void iNode::setR(int32_t r)
{
    record(on(*this, "setR"), r);
    if (Node* node = nodeOf(m_id))
        node->r = r;
}

void iNode::setDIR(int32_t dir)
{
    record(on(*this, "setDIR"), dir);
    if (Node* node = nodeOf(m_id))
        node->dir = dir;
}

// --- Unit sets

void IUnitsIterator::ToBegin() { m_cursor = 0; }

bool IUnitsIterator::Next(pUnit& unit)
{
    const UnitSet* set = setOf(m_id);
    if (!set || m_cursor < 0 || static_cast<std::size_t>(m_cursor) >= set->units.size())
        return false;
    unit = set->units[static_cast<std::size_t>(m_cursor++)];
    return true;
}

pUnit IUnitsIterator::operator[](int32_t index) const
{
    const UnitSet* set = setOf(m_id);
    if (!set || index < 0 || static_cast<std::size_t>(index) >= set->units.size())
        return pUnit();
    return pUnit(set->units[static_cast<std::size_t>(index)]);
}

IUnitsIterator& IUnitsIterator::operator+=(const pUnit& unit)
{
    if (UnitSet* set = setOf(m_id))
        world()->addToSet(*set, unit.id());
    return *this;
}

void IUnitsIterator::Clear()
{
    record("list " + std::to_string(m_id) + ".Clear");
    filterSet(m_id, [](const Unit&) { return false; });
}

int32_t IUnitsIterator::Count() const
{
    const UnitSet* set = setOf(m_id);
    return set ? static_cast<int32_t>(set->units.size()) : 0;
}

void IUnitsIterator::LimitByNation(int32_t nation)
{
    record("list " + std::to_string(m_id) + ".LimitByNation", nation);
    filterSet(m_id, [&](const Unit& unit) { return unit.nation == nation; });
}

void IUnitsIterator::LimitByType(pUnitType& type)
{
    record("list " + std::to_string(m_id) + ".LimitByType", type);
    filterSet(m_id, [&](const Unit& unit) { return unit.type == type.GetType(); });
}

void IUnitsIterator::ExcludeByNMask(int32_t nationMask)
{
    record("list " + std::to_string(m_id) + ".ExcludeByNMask", nationMask);
    filterSet(m_id, [&](const Unit& unit) { return (GameInterface::GetNationMask(unit.nation) & nationMask) == 0; });
}

void IUnitsIterator::RemoveDeadUnits()
{
    record("list " + std::to_string(m_id) + ".RemoveDeadUnits");
    filterSet(m_id, [](const Unit& unit) { return unit.alive; });
}

pUnitsList::pUnitsList() : IUnitsIterator(world() ? world()->createUnitSet(false, "", true) : -1) {}

bool pUnitsList::Valid() const
{
    return world() && world()->unitList(m_id);
}

// --- RoundZone

// The zone of a node that is gone collects nothing.
RoundZone::RoundZone(const iNode& node) : m_x(node.getX()), m_y(node.getY()), m_r(node.Valid() ? node.getR() : -1) {}

RoundZone::RoundZone(int32_t x, int32_t y, int32_t r) : m_x(x), m_y(y), m_r(r) {}

void RoundZone::CollectUnits(pUnitsList& list, int32_t option) const
{
    record("RoundZone(" + std::to_string(m_x) + ", " + std::to_string(m_y) + ", " + std::to_string(m_r) +
               ").CollectUnits",
           list, option);
    sim::World* current = world();
    UnitSet* into = current ? current->unitSet(list.id()) : nullptr;
    if (!into)
        return;
    // Option 2 collects only the units that are fighting; any other option every unit in the circle.
    current->units().forEach([&](int32_t gid, const Unit& unit) {
        if (inCircle(unit, m_x, m_y, m_r) && (option != 2 || currentOrder(unit) == kOrderAttack))
            current->addToSet(*into, gid);
    });
}

// --- pUnit: orders, nation, experience

void pUnit::SetNation(uint8_t nation)
{
    record(on(*this, "SetNation"), nation);
    if (Unit* unit = unitOf(m_id)) {
        unit->nation = nation;
        unit->nationMask = GameInterface::GetNationMask(nation);
    }
}

void pUnit::SetMask(int32_t nationMask)
{
    record(on(*this, "SetMask"), nationMask);
    if (Unit* unit = unitOf(m_id))
        unit->nationMask = nationMask;
}

void pUnit::ClearOrders()
{
    record(on(*this, "ClearOrders"));
    if (Unit* unit = unitOf(m_id))
        unit->orders.clear();
}

void pUnit::Erase()
{
    record(on(*this, "Erase"));
    if (world())
        world()->eraseUnit(m_id);
}

void pUnit::GiveExpa(int32_t experience)
{
    record(on(*this, "GiveExpa"), experience);
    if (Unit* unit = unitOf(m_id))
        unit->experience += experience;
}

void pUnit::SetHeroCollectExpaStatus(bool collect)
{
    record(on(*this, "SetHeroCollectExpaStatus"), collect);
    if (Unit* unit = unitOf(m_id))
        unit->collectsExperience = collect;
}

// --- pUnit: hiding and containers

bool pUnit::Hidden() const
{
    record(on(*this, "Hidden"));
    const Unit* unit = unitOf(m_id);
    return unit && unit->hidden;
}

bool pUnit::IsStand() const
{
    record(on(*this, "IsStand"));
    const Unit* unit = unitOf(m_id);
    return unit && unit->alive && unit->orders.empty();
}

void pUnit::Hide()
{
    record(on(*this, "Hide"));
    if (Unit* unit = unitOf(m_id))
        unit->hidden = true;
}

void pUnit::UnHide()
{
    record(on(*this, "UnHide"));
    if (Unit* unit = unitOf(m_id))
        unit->hidden = false;
}

int32_t pUnit::GetInsideAmount() const
{
    record(on(*this, "GetInsideAmount"));
    const Unit* unit = unitOf(m_id);
    return unit ? static_cast<int32_t>(unit->inside.size()) : 0;
}

void pUnit::GetInsideUnits(pUnitsList& units) const
{
    record(on(*this, "GetInsideUnits"), units);
    const Unit* unit = unitOf(m_id);
    UnitSet* into = setOf(units.id());
    if (unit && into)
        for (int32_t held : unit->inside)
            world()->addToSet(*into, held);
}

void pUnit::RemoveFromContainer()
{
    record(on(*this, "RemoveFromContainer"));
    if (world())
        world()->takeOut(m_id);
}

void pUnit::InsertToContainer(pUnit& container)
{
    record(on(*this, "InsertToContainer"), container);
    if (world())
        world()->putInside(m_id, container.id());
}

void pUnit::PushOutUnit(pUnit& unit)
{
    record(on(*this, "PushOutUnit"), unit);
    const Unit* held = unitOf(unit.id());
    if (held && held->container == m_id)
        world()->takeOut(unit.id());
}

void pUnit::GoToContainer(pUnit& container)
{
    record(on(*this, "GoToContainer"), container);
    Unit* unit = unitOf(m_id);
    const Unit* target = unitOf(container.id());
    if (unit && target)
        unit->orders.assign(1, Order{kOrderMove, target->x, target->y, container.id()});
}

// --- Selections

pUnitsList pSelected::units(int32_t nation)
{
    return pUnitsList(world() ? world()->selection(nation, false) : -1);
}

pUnitsList pImSelected::units(int32_t nation)
{
    return pUnitsList(world() ? world()->selection(nation, true) : -1);
}
