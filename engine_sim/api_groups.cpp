// Groups: counts, positions, membership, settings and orders.
#include <algorithm>
#include <cmath>

#include "engine_sim/api_support.h"

using namespace sim;

// --- pGroup

bool pGroup::Valid() const
{
    return world() && world()->group(m_id);
}

const char* pGroup::getName() const
{
    const UnitSet* set = world() ? world()->group(m_id) : nullptr;
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
    return countMembers(m_id, [](const Unit&) { return true; });
}

int32_t pGroup::getDeadUN() const
{
    record(on(*this, "getDeadUN"));
    const UnitSet* set = world() ? world()->group(m_id) : nullptr;
    return set ? set->dead : 0;
}

int32_t pGroup::getNO_ORDERS_UN() const
{
    record(on(*this, "getNO_ORDERS_UN"));
    return countMembers(m_id, [](const Unit& unit) { return unit.orders.empty(); });
}

int32_t pGroup::getMOVE_UN() const
{
    record(on(*this, "getMOVE_UN"));
    return countMembers(m_id, [](const Unit& unit) { return currentOrder(unit) == kOrderMove; });
}

int32_t pGroup::getATTACK_UN() const
{
    record(on(*this, "getATTACK_UN"));
    return countMembers(m_id, [](const Unit& unit) { return currentOrder(unit) == kOrderAttack; });
}

int32_t pGroup::getHP() const
{
    record(on(*this, "getHP"));
    return sumMembers(m_id, [](const Unit& unit) { return unit.hp; });
}

int32_t pGroup::getXc() const
{
    record(on(*this, "getXc"));
    const int32_t count = countMembers(m_id, [](const Unit&) { return true; });
    return count ? sumMembers(m_id, [](const Unit& unit) { return unit.x; }) / count : 0;
}

int32_t pGroup::getYc() const
{
    record(on(*this, "getYc"));
    const int32_t count = countMembers(m_id, [](const Unit&) { return true; });
    return count ? sumMembers(m_id, [](const Unit& unit) { return unit.y; }) / count : 0;
}

int32_t pGroup::getXi(int32_t index) const
{
    const Unit* member = memberAt(m_id, index);
    return member ? member->x : 0;
}

int32_t pGroup::getYi(int32_t index) const
{
    const Unit* member = memberAt(m_id, index);
    return member ? member->y : 0;
}

int32_t pGroup::getDIRi(int32_t index) const
{
    const Unit* member = memberAt(m_id, index);
    return member ? member->dir : 0;
}

int32_t pGroup::getGIDi(int32_t index) const
{
    const UnitSet* set = world() ? world()->group(m_id) : nullptr;
    return memberAt(m_id, index) ? set->units[static_cast<std::size_t>(index)] : -1;
}

int32_t pGroup::getORDERi(int32_t index) const
{
    record(on(*this, "getORDERi"), index);
    const Unit* member = memberAt(m_id, index);
    return member ? currentOrder(*member) : kOrderNone;
}

int32_t pGroup::getNation() const
{
    record(on(*this, "getNation"));
    const Unit* first = memberAt(m_id, 0);
    return first ? first->nation : -1;
}

int32_t pGroup::getNMASK() const
{
    record(on(*this, "getNMASK"));
    const UnitSet* set = world() ? world()->group(m_id) : nullptr;
    if (set && set->nationMask >= 0)
        return set->nationMask;
    const Unit* first = memberAt(m_id, 0);
    return first ? first->nationMask : 0;
}

int32_t pGroup::getLockType() const
{
    record(on(*this, "getLockType"));
    const UnitSet* set = world() ? world()->group(m_id) : nullptr;
    return set ? set->lockType : 0;
}

void pGroup::setLockType(int32_t lockType)
{
    record(on(*this, "setLockType"), lockType);
    if (UnitSet* set = world() ? world()->group(m_id) : nullptr)
        set->lockType = lockType;
}

void pGroup::setNMASK(int32_t nationMask)
{
    record(on(*this, "setNMASK"), nationMask);
    UnitSet* set = world() ? world()->group(m_id) : nullptr;
    if (!set)
        return;
    set->nationMask = nationMask;
    for (int32_t gid : set->units)
        unitOf(gid)->nationMask = nationMask;
}

void pGroup::AddUnitGID(int32_t gid)
{
    record(on(*this, "AddUnitGID"), gid);
    if (UnitSet* set = world() ? world()->group(m_id) : nullptr)
        world()->addToSet(*set, gid);
}

void pGroup::_add(pUnit& unit)
{
    record(on(*this, "_add"), unit);
    if (UnitSet* set = world() ? world()->group(m_id) : nullptr)
        world()->addToSet(*set, unit.id());
}

void pGroup::RemAllUnits()
{
    record(on(*this, "RemAllUnits"));
    if (world() && world()->group(m_id))
        filterSet(m_id, [](const Unit&) { return false; });
}

void pGroup::ClearOrders()
{
    record(on(*this, "ClearOrders"));
    if (UnitSet* set = world() ? world()->group(m_id) : nullptr)
        for (int32_t gid : set->units)
            unitOf(gid)->orders.clear();
}

void pGroup::Send(iNode& node, int32_t flags, int32_t mode)
{
    record(on(*this, "Send"), node, flags, mode);
    UnitSet* set = world() ? world()->group(m_id) : nullptr;
    if (!set || !node.Valid())
        return;
    // Mode 2 queues the move after the unit's orders; any other mode replaces them.
    for (int32_t gid : set->units) {
        Unit& member = *unitOf(gid);
        if (mode != 2)
            member.orders.clear();
        member.orders.push_back({kOrderMove, node.getX(), node.getY(), -1});
    }
}

namespace {

UnitSet* groupOf(int32_t id)
{
    return world() ? world()->group(id) : nullptr;
}

// Gives every member an attack order on the nearest living unit of the target set.
void attackNearest(UnitSet& attackers, const UnitSet* targets)
{
    if (!targets)
        return;
    for (int32_t gid : attackers.units) {
        Unit& attacker = *unitOf(gid);
        int32_t nearest = -1;
        int64_t nearestDistance = 0;
        for (int32_t candidate : targets->units) {
            const Unit* target = unitOf(candidate);
            if (!target || !target->alive)
                continue;
            const int64_t dx = target->x - attacker.x;
            const int64_t dy = target->y - attacker.y;
            if (nearest < 0 || dx * dx + dy * dy < nearestDistance) {
                nearest = candidate;
                nearestDistance = dx * dx + dy * dy;
            }
        }
        if (nearest >= 0)
            attacker.orders.assign(1, Order{kOrderAttack, unitOf(nearest)->x, unitOf(nearest)->y, nearest});
    }
}

// Adds a nation's living units (of one type, or of any for -1) in a zone; without `add` the group
// holds only the units found.
void addNationUnits(int32_t group, int32_t nation, int32_t type, const iNode& zone, bool add)
{
    UnitSet* set = groupOf(group);
    const Node* circle = nodeOf(zone.id());
    if (!set || !circle)
        return;
    if (!add)
        filterSet(group, [](const Unit&) { return false; });
    addUnitsInCircle(*set, circle->x, circle->y, circle->r, [&](const Unit& unit) {
        return unit.alive && unit.nation == nation && (type < 0 || unit.type == type);
    });
}

}  // namespace

int32_t pGroup::getUN(int32_t nation) const
{
    record(on(*this, "getUN"), nation);
    return countMembers(m_id, [&](const Unit& unit) { return unit.nation == nation; });
}

int32_t pGroup::RemUnitsInZone(iNode& zone, pGroup& destination)
{
    record(on(*this, "RemUnitsInZone"), zone, destination);
    UnitSet* source = groupOf(m_id);
    UnitSet* target = groupOf(destination.id());
    const Node* circle = nodeOf(zone.id());
    if (!source || !target || !circle || source == target)
        return 0;
    int32_t moved = 0;
    for (std::size_t i = source->units.size(); i-- > 0;) {
        const int32_t gid = source->units[i];
        if (!inCircle(*unitOf(gid), circle->x, circle->y, circle->r))
            continue;
        world()->removeFromSet(*source, i);
        world()->addToSet(*target, gid);
        ++moved;
    }
    return moved;
}

int32_t pGroup::AddSelectedUnits(int32_t nation)
{
    record(on(*this, "AddSelectedUnits"), nation);
    UnitSet* set = groupOf(m_id);
    const UnitSet* selected = world() ? world()->unitSet(world()->selection(nation, false)) : nullptr;
    if (!set || !selected)
        return 0;
    const std::size_t before = set->units.size();
    for (int32_t gid : selected->units)
        if (unitOf(gid) && unitOf(gid)->alive)
            world()->addToSet(*set, gid);
    return static_cast<int32_t>(set->units.size() - before);
}

void pGroup::AddUnitsInZone(int32_t nation, iNode& zone, bool add)
{
    record(on(*this, "AddUnitsInZone"), nation, zone, add);
    addNationUnits(m_id, nation, -1, zone, add);
}

void pGroup::AddUnitsTypeInZone(int32_t nation, int32_t type, iNode& zone, bool add)
{
    record(on(*this, "AddUnitsTypeInZone"), nation, type, zone, add);
    addNationUnits(m_id, nation, type, zone, add);
}

void pGroup::AddEnemyUnitsInZone(int32_t nation, iNode& zone, bool onlyVisible)
{
    record(on(*this, "AddEnemyUnitsInZone"), nation, zone, onlyVisible);
    if (const Node* circle = nodeOf(zone.id()))
        AddEnemyUnitsInZone(nation, circle->x, circle->y, circle->r, onlyVisible);
}

void pGroup::AddEnemyUnitsInZone(int32_t nation, iNode& zone, int32_t extraRadius, bool onlyVisible)
{
    record(on(*this, "AddEnemyUnitsInZone"), nation, zone, extraRadius, onlyVisible);
    if (const Node* circle = nodeOf(zone.id()))
        AddEnemyUnitsInZone(nation, circle->x, circle->y, circle->r + extraRadius, onlyVisible);
}

void pGroup::AddEnemyUnitsInZone(int32_t nation, int32_t x, int32_t y, int32_t radius, bool onlyVisible)
{
    record(on(*this, "AddEnemyUnitsInZone"), nation, x, y, radius, onlyVisible);
    if (UnitSet* set = groupOf(m_id))
        addUnitsInCircle(*set, x, y, radius, [&](const Unit& unit) { return hostileTo(unit, nation) && !unit.hidden; });
}

void pGroup::setHP(int32_t hp)
{
    record(on(*this, "setHP"), hp);
    if (UnitSet* set = groupOf(m_id))
        for (int32_t gid : set->units)
            unitOf(gid)->hp = hp;
}

void pGroup::setAIGuard(int32_t on)
{
    record(sim::on(*this, "setAIGuard"), on);
    if (UnitSet* set = groupOf(m_id))
        set->aiGuard = on;
}

void pGroup::setStandGround(bool on)
{
    record(sim::on(*this, "setStandGround"), on);
    if (UnitSet* set = groupOf(m_id))
        set->standGround = on;
}

void pGroup::setCapturability(bool capturable)
{
    record(on(*this, "setCapturability"), capturable);
    if (UnitSet* set = groupOf(m_id))
        set->capturable = capturable;
}

void pGroup::Attack(pGroup& target, int32_t power)
{
    record(on(*this, "Attack"), target, power);
    if (UnitSet* set = groupOf(m_id))
        attackNearest(*set, groupOf(target.id()));
}

void pGroup::AttackUseNearest(pGroup& enemies)
{
    record(on(*this, "AttackUseNearest"), enemies);
    if (UnitSet* set = groupOf(m_id))
        attackNearest(*set, groupOf(enemies.id()));
}

void pGroup::ExploringMap()
{
    record(on(*this, "ExploringMap"));
    if (UnitSet* set = groupOf(m_id))
        set->exploring = true;
}

// --- Behaviour support: flags, counters, reach and orders given unit by unit

namespace {

// True when some unit in the circle is an enemy of the nation that can be attacked.
bool attackableEnemyIn(int32_t nation, int32_t x, int32_t y, int32_t r)
{
    bool found = false;
    world()->units().forEach([&](int32_t, const Unit& unit) {
        found = found || (hostileTo(unit, nation) && unit.attackable && !unit.hidden && unit.container < 0 &&
                          inCircle(unit, x, y, r));
    });
    return found;
}

// The nearest enemy of the unit's nation within a radius that can be attacked, or -1.
int32_t nearestEnemy(const Unit& from, int32_t radius)
{
    int32_t nearest = -1;
    int64_t nearestDistance = 0;
    world()->units().forEach([&](int32_t gid, const Unit& unit) {
        if (!hostileTo(unit, from.nation) || !unit.attackable || unit.hidden || unit.container >= 0 ||
            !inCircle(unit, from.x, from.y, radius))
            return;
        const int64_t dx = unit.x - from.x;
        const int64_t dy = unit.y - from.y;
        if (nearest < 0 || dx * dx + dy * dy < nearestDistance) {
            nearest = gid;
            nearestDistance = dx * dx + dy * dy;
        }
    });
    return nearest;
}

// A move order for the unit at an index of a group: mode 2 queues it, any other mode replaces.
void orderMove(int32_t group, int32_t index, const iNode& node, bool queue, int32_t dir)
{
    Unit* unit = memberAt(group, index);
    if (!unit || !node.Valid())
        return;
    if (!queue)
        unit->orders.clear();
    unit->orders.push_back(Order{kOrderMove, node.getX(), node.getY(), -1, dir, 0});
}

// The engine's own choice of targets: kind 15 re-targets every unit, any other kind only the units
// without orders; each attacks the nearest enemy it can see.
void attackAsTheEngineChooses(int32_t group, int32_t kind)
{
    UnitSet* set = groupOf(group);
    if (!set)
        return;
    for (int32_t gid : set->units) {
        Unit& unit = *unitOf(gid);
        if (kind != 15 && !unit.orders.empty())
            continue;
        const int32_t target = nearestEnemy(unit, kSight);
        if (target >= 0)
            unit.orders.insert(unit.orders.begin(), Order{kOrderAttack, unitOf(target)->x, unitOf(target)->y, target});
    }
}

}  // namespace

int32_t pGroup::getUN(iNode& zone) const
{
    record(on(*this, "getUN"), zone);
    const Node* circle = nodeOf(zone.id());
    return circle ? countMembers(m_id, [&](const Unit& unit) { return inCircle(unit, circle->x, circle->y, circle->r); })
                  : 0;
}

bool pGroup::getUnderAttack() const
{
    record(on(*this, "getUnderAttack"));
    const UnitSet* set = groupOf(m_id);
    return set && set->underAttack;
}

void pGroup::setUnderAttack(bool attacked)
{
    record(on(*this, "setUnderAttack"), attacked);
    if (UnitSet* set = groupOf(m_id))
        set->underAttack = attacked;
}

void pGroup::setSearchEnemy(bool on)
{
    record(sim::on(*this, "setSearchEnemy"), on);
    if (UnitSet* set = groupOf(m_id))
        set->searchEnemy = on;
}

void pGroup::setDestDelta(int32_t delta)
{
    record(on(*this, "setDestDelta"), delta);
    if (UnitSet* set = groupOf(m_id))
        set->destDelta = delta;
}

int32_t pGroup::getNew_UN(bool reset)
{
    record(on(*this, "getNew_UN"), reset);
    UnitSet* set = groupOf(m_id);
    const int32_t added = set ? set->added : 0;
    if (set && reset)
        set->added = 0;
    return added;
}

int32_t pGroup::getRem_UN(bool reset)
{
    record(on(*this, "getRem_UN"), reset);
    UnitSet* set = groupOf(m_id);
    const int32_t removed = set ? set->removed : 0;
    if (set && reset)
        set->removed = 0;
    return removed;
}

int32_t pGroup::getEnemyAround_UN(int32_t radius) const
{
    record(on(*this, "getEnemyAround_UN"), radius);
    const UnitSet* set = groupOf(m_id);
    const Unit* first = memberAt(m_id, 0);
    if (!set || !first)
        return 0;
    const int32_t x = sumMembers(m_id, [](const Unit& unit) { return unit.x; }) / static_cast<int32_t>(set->units.size());
    const int32_t y = sumMembers(m_id, [](const Unit& unit) { return unit.y; }) / static_cast<int32_t>(set->units.size());
    int32_t enemies = 0;
    world()->units().forEach([&](int32_t, const Unit& unit) {
        enemies += hostileTo(unit, first->nation) && unit.container < 0 && inCircle(unit, x, y, radius) ? 1 : 0;
    });
    return enemies;
}

bool pGroup::getAttackPossibility(iNode& zone, int32_t extraRadius) const
{
    record(on(*this, "getAttackPossibility"), zone, extraRadius);
    const Node* circle = nodeOf(zone.id());
    const Unit* first = memberAt(m_id, 0);
    return circle && first && attackableEnemyIn(first->nation, circle->x, circle->y, circle->r + extraRadius);
}

bool pGroup::getAttackPossibility(int32_t x, int32_t y, int32_t radius) const
{
    record(on(*this, "getAttackPossibility"), x, y, radius);
    const Unit* first = memberAt(m_id, 0);
    return first && attackableEnemyIn(first->nation, x, y, radius);
}

void pGroup::SendID(int32_t index, iNode& node, int32_t dir, int32_t flags, bool queue)
{
    record(on(*this, "SendID"), index, node, dir, flags, queue);
    orderMove(m_id, index, node, queue, dir);
}

void pGroup::SendID(iNode& node, int32_t kind, int32_t index, int32_t flags, int32_t mode, bool a, bool b)
{
    record(on(*this, "SendID"), node, kind, index, flags, mode, a, b);
    orderMove(m_id, index, node, mode == 2, -1);
}

void pGroup::MarkTime(iNode& node, int32_t duration)
{
    record(on(*this, "MarkTime"), node, duration);
    UnitSet* set = groupOf(m_id);
    if (!set || !node.Valid())
        return;
    for (int32_t gid : set->units)
        unitOf(gid)->orders.assign(1, Order{kOrderMarkTime, node.getX(), node.getY(), -1, -1, duration});
}

void pGroup::AttackUseIDS(int32_t kind, bool useRoute, int32_t maxDistance, pARRAY& route)
{
    record(on(*this, "AttackUseIDS"), kind, useRoute, maxDistance, route);
    attackAsTheEngineChooses(m_id, kind);
}

void pGroup::AttackUseIDS(int32_t kind, bool useRoute, int32_t maxDistance)
{
    record(on(*this, "AttackUseIDS"), kind, useRoute, maxDistance);
    attackAsTheEngineChooses(m_id, kind);
}

// --- Production and hand-over

namespace {

// Moves the first `count` members (all for a negative count) that pass the test into another group.
template <class Test>
void moveMembers(int32_t from, int32_t to, int32_t count, Test test)
{
    UnitSet* source = groupOf(from);
    UnitSet* destination = groupOf(to);
    if (!source || !destination || source == destination)
        return;
    std::vector<int32_t> moving;
    for (int32_t gid : source->units)
        if ((count < 0 || static_cast<int32_t>(moving.size()) < count) && test(*unitOf(gid)))
            moving.push_back(gid);
    for (int32_t gid : moving) {
        auto at = std::find(source->units.begin(), source->units.end(), gid);
        world()->removeFromSet(*source, static_cast<std::size_t>(at - source->units.begin()));
        world()->addToSet(*destination, gid);
    }
}

// The group's composition as (type, count) pairs, in order of first appearance.
std::vector<std::pair<int32_t, int32_t>> composition(const UnitSet& set)
{
    std::vector<std::pair<int32_t, int32_t>> pairs;
    for (int32_t gid : set.units) {
        const int32_t type = unitOf(gid)->type;
        auto found = std::find_if(pairs.begin(), pairs.end(), [&](const auto& pair) { return pair.first == type; });
        if (found == pairs.end())
            pairs.emplace_back(type, 1);
        else
            ++found->second;
    }
    return pairs;
}

void writePairs(pARRAY& array, const std::vector<std::pair<int32_t, int32_t>>& pairs)
{
    array.CLEAR();
    for (const auto& [type, count] : pairs) {
        world()->pushInt(array, type);
        world()->pushInt(array, count);
    }
}

}  // namespace

bool pGroup::getReady() const
{
    record(on(*this, "getReady"));
    const UnitSet* set = groupOf(m_id);
    return set && countMembers(m_id, [](const Unit& unit) { return unit.orders.empty(); }) ==
                      static_cast<int32_t>(set->units.size());
}

void pGroup::Produce(int32_t type, int32_t count)
{
    record(on(*this, "Produce"), type, count);
    UnitSet* set = groupOf(m_id);
    Unit* workshop = memberAt(m_id, 0);
    if (!set || !workshop || count <= 0)
        return;
    if (set->production.empty())
        set->productionWait = kProduceTicks;
    set->production.emplace_back(type, count);
    if (workshop->orders.empty() || workshop->orders.front().code != kOrderProduce)
        workshop->orders.insert(workshop->orders.begin(), Order{kOrderProduce, workshop->x, workshop->y});
}

void pGroup::SetRallyPoint(iNode& node)
{
    record(on(*this, "SetRallyPoint"), node);
    UnitSet* set = groupOf(m_id);
    if (!set || !node.Valid())
        return;
    set->hasRallyPoint = true;
    set->rallyX = node.getX();
    set->rallyY = node.getY();
}

void pGroup::DeleteItemDrops()
{
    record(on(*this, "DeleteItemDrops"));
    if (UnitSet* set = groupOf(m_id))
        set->itemDrops = false;
}

void pGroup::setNation(int32_t nation)
{
    record(on(*this, "setNation"), nation);
    if (UnitSet* set = groupOf(m_id))
        for (int32_t gid : set->units) {
            unitOf(gid)->nation = static_cast<uint8_t>(nation);
            unitOf(gid)->nationMask = GameInterface::GetNationMask(nation);
        }
}

void pGroup::RemNUnitsToGroup(pGroup& destination, int32_t count)
{
    record(on(*this, "RemNUnitsToGroup"), destination, count);
    moveMembers(m_id, destination.id(), count, [](const Unit&) { return true; });
}

void pGroup::RemNReadyUnitsToGroup(pGroup& destination, int32_t count)
{
    record(on(*this, "RemNReadyUnitsToGroup"), destination, count);
    moveMembers(m_id, destination.id(), count, [](const Unit& unit) { return unit.orders.empty(); });
}

void pGroup::FillTN_array(pARRAY& pairs)
{
    record(on(*this, "FillTN_array"), pairs);
    const UnitSet* set = groupOf(m_id);
    if (set && pairs.Valid())
        writePairs(pairs, composition(*set));
}

// The pairs the group lacks against the full list; the producers' count is the engine's to use.
void pGroup::FillDIFF_TN_array(pARRAY& full, pARRAY& missing, int32_t producers)
{
    record(on(*this, "FillDIFF_TN_array"), full, missing, producers);
    const UnitSet* set = groupOf(m_id);
    if (!set || !missing.Valid())
        return;
    const auto present = composition(*set);
    std::vector<std::pair<int32_t, int32_t>> lacking;
    for (int32_t i = 0; i + 1 < full.getSIZE(); i += 2) {
        const int32_t type = full.getINT(i);
        auto found = std::find_if(present.begin(), present.end(), [&](const auto& pair) { return pair.first == type; });
        const int32_t have = found == present.end() ? 0 : found->second;
        if (have < full.getINT(i + 1))
            lacking.emplace_back(type, full.getINT(i + 1) - have);
    }
    writePairs(missing, lacking);
}

// Orders the group a leg of at most kLeg towards the cell's centre and writes the leg's end.
void pGroup::SendSmartly(int32_t cellX, int32_t cellY, int32_t steps, iNode& legEnd)
{
    record(on(*this, "SendSmartly"), cellX, cellY, steps, legEnd);
    constexpr int32_t kLeg = 800;
    constexpr int32_t kCell = 64;
    UnitSet* set = groupOf(m_id);
    Node* end = nodeOf(legEnd.id());
    if (!set || set->units.empty() || !end)
        return;
    const int32_t count = static_cast<int32_t>(set->units.size());
    const int32_t x = sumMembers(m_id, [](const Unit& unit) { return unit.x; }) / count;
    const int32_t y = sumMembers(m_id, [](const Unit& unit) { return unit.y; }) / count;
    const double dx = cellX * kCell + kCell / 2 - x;
    const double dy = cellY * kCell + kCell / 2 - y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    const double share = distance <= kLeg ? 1.0 : kLeg / distance;
    end->x = x + static_cast<int32_t>(dx * share);
    end->y = y + static_cast<int32_t>(dy * share);
    for (int32_t gid : set->units)
        unitOf(gid)->orders.assign(1, Order{kOrderMove, end->x, end->y});
}
