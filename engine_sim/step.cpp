// The world's own motion at each update: units walk towards their orders, mark time, and fight.
#include <algorithm>
#include <cmath>

#include "engine_sim/world.h"

namespace sim {

namespace {

int64_t squaredDistance(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    const int64_t dx = x2 - x1;
    const int64_t dy = y2 - y1;
    return dx * dx + dy * dy;
}

// One update's walk towards a point; true on arrival.
bool walkTowards(Unit& unit, int32_t x, int32_t y)
{
    const double distance = std::sqrt(static_cast<double>(squaredDistance(unit.x, unit.y, x, y)));
    if (distance <= kUnitSpeed) {
        unit.x = x;
        unit.y = y;
        return true;
    }
    unit.x += static_cast<int32_t>((x - unit.x) * kUnitSpeed / distance);
    unit.y += static_cast<int32_t>((y - unit.y) * kUnitSpeed / distance);
    return false;
}

bool targetable(const Unit* target)
{
    return target && target->alive && !target->hidden && target->container < 0;
}

}  // namespace

void World::stepUnits()
{
    std::vector<int32_t> moving;
    m_units.forEach([&](int32_t gid, const Unit& unit) {
        if (unit.alive && unit.container < 0)
            moving.push_back(gid);
    });
    for (int32_t gid : moving)
        if (Unit* unit = this->unit(gid); unit && unit->alive && unit->container < 0)
            stepUnit(gid, *unit);
}

void World::stepUnit(int32_t gid, Unit& unit)
{
    if (unit.orders.empty()) {
        // An idle unit strikes back at an enemy within reach of its weapon.
        m_units.forEach([&](int32_t other, const Unit& enemy) {
            if (unit.orders.empty() && enemy.nation != unit.nation &&
                (enemy.nationMask & GameInterface::GetNationMask(unit.nation)) == 0 &&
                targetable(&enemy) && enemy.attackable &&
                squaredDistance(unit.x, unit.y, enemy.x, enemy.y) <= int64_t{kWeaponRange} * kWeaponRange)
                unit.orders.push_back(Order{kOrderAttack, enemy.x, enemy.y, other});
        });
        return;
    }
    Order& order = unit.orders.front();
    switch (order.code) {
    case kOrderMove:
        if (!walkTowards(unit, order.x, order.y))
            return;
        if (order.dir >= 0)
            unit.dir = order.dir;
        if (order.target >= 0)
            putInside(gid, order.target);
        else
            unit.orders.erase(unit.orders.begin());
        return;
    case kOrderMarkTime:
        if (--order.time <= 0)
            unit.orders.erase(unit.orders.begin());
        return;
    case kOrderAttack:
        strike(gid, order.target);
        return;
    case kOrderProduce:
        return;  // the producer's work goes on in stepProduction
    case kOrderNone:
        unit.orders.erase(unit.orders.begin());
        return;
    }
}

void World::strike(int32_t attacker, int32_t target)
{
    Unit& unit = *this->unit(attacker);
    Unit* victim = this->unit(target);
    if (!targetable(victim) || !victim->attackable) {
        unit.orders.erase(unit.orders.begin());
        return;
    }
    if (squaredDistance(unit.x, unit.y, victim->x, victim->y) > int64_t{kWeaponRange} * kWeaponRange) {
        walkTowards(unit, victim->x, victim->y);
        return;
    }
    victim->hp -= kBlow;
    m_sets.forEach([&](int32_t, UnitSet& set) {
        if (set.group && std::find(set.units.begin(), set.units.end(), target) != set.units.end())
            set.underAttack = true;
    });
    if (victim->hp <= 0)
        killUnit(target, unit.nation);
}

}  // namespace sim

namespace sim {

void World::stepProduction()
{
    std::vector<int32_t> producers;
    m_sets.forEach([&](int32_t id, const UnitSet& set) {
        if (set.group && !set.production.empty())
            producers.push_back(id);
    });
    for (int32_t id : producers)
        if (UnitSet* producer = group(id); producer && !producer->production.empty() && --producer->productionWait <= 0)
            produceOne(id, *producer);
}

// Makes the next unit of the producer's list beside it, sends it to the rally point, and reports it to
// the producer's smart objects with "MSG_NEW_UNIT" and its id in "inewGID".
void World::produceOne(int32_t group, UnitSet& producer)
{
    const Unit* workshop = producer.units.empty() ? nullptr : unit(producer.units.front());
    if (!workshop) {
        producer.production.clear();
        return;
    }
    auto& [type, left] = producer.production.front();
    const int32_t made = addUnit({type, workshop->nation, workshop->x + 64, workshop->y + 64});
    this->unit(made)->nationMask = workshop->nationMask;
    if (producer.hasRallyPoint)
        giveOrder(made, Order{kOrderMove, producer.rallyX, producer.rallyY});
    if (--left <= 0)
        producer.production.erase(producer.production.begin());
    producer.productionWait = kProduceTicks;
    if (producer.production.empty())
        for (int32_t gid : producer.units)
            if (Unit* member = unit(gid); member && !member->orders.empty() &&
                                           member->orders.front().code == kOrderProduce)
                member->orders.erase(member->orders.begin());
    std::vector<int32_t> receivers;
    m_smartObjects.forEach([&](int32_t id, const SmartObject& so) {
        if (so.group == group)
            receivers.push_back(id);
    });
    for (int32_t receiver : receivers) {
        const int32_t news = createList(false);
        variable(addVariable(news, "inewGID", VarType::Int))->number = made;
        send(receiver, "MSG_NEW_UNIT", news);
        removeList(news);
    }
}

}  // namespace sim
