#include "engine_sim/world.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {
World* g_current = nullptr;
}

World::World() : m_previous(g_current)
{
    g_current = this;
    for (auto& selections : m_selections)
        for (int32_t& list : selections)
            list = createUnitSet(false, "", false);
}

World::~World()
{
    if (g_current == this)
        g_current = m_previous;
}

World* World::current()
{
    return g_current;
}

// --- Building the world.

int32_t World::addUnit(const UnitSpec& spec)
{
    auto created = std::make_unique<Unit>();
    created->type = spec.type;
    created->nation = static_cast<uint8_t>(spec.nation);
    created->nationMask = GameInterface::GetNationMask(spec.nation);
    created->x = spec.x;
    created->y = spec.y;
    created->dir = spec.dir;
    created->hp = spec.hp;
    created->hero = spec.hero;
    created->heroLevel = spec.heroLevel;
    return m_units.add(std::move(created));
}

int32_t World::addGroup(const std::string& name, const std::vector<int32_t>& units)
{
    const int32_t id = createUnitSet(true, name, false);
    UnitSet& set = *unitSet(id);
    for (int32_t gid : units)
        addToSet(set, gid);
    set.added = 0;
    return id;
}

int32_t World::addNode(int32_t x, int32_t y, int32_t r, int32_t dir)
{
    auto created = std::make_unique<Node>();
    created->x = x;
    created->y = y;
    created->r = r;
    created->dir = dir;
    return m_nodes.add(std::move(created));
}

int32_t World::addArea(const Area& area)
{
    return m_areas.add(std::make_unique<Area>(area));
}

pParamList World::newList()
{
    return pParamList(createList(false));
}

pARRAY World::newArray()
{
    return pARRAY(createArray());
}

void World::pushElement(pARRAY array, VarType type, int32_t value)
{
    Array* target = this->array(array.id());
    if (!target)
        return;
    const std::string index = std::to_string(list(target->list)->variables.size());
    variable(addVariable(target->list, index.c_str(), type))->number = value;
}

void World::killUnit(int32_t gid, int32_t killerNation)
{
    Unit* victim = unit(gid);
    if (!victim || !victim->alive)
        return;
    victim->alive = false;
    victim->hp = 0;
    victim->orders.clear();
    if (killerNation >= 0)
        recordKill(killerNation, victim->type);
    m_sets.forEach([&](int32_t, UnitSet& set) {
        if (!set.group)
            return;
        auto found = std::find(set.units.begin(), set.units.end(), gid);
        if (found == set.units.end())
            return;
        removeFromSet(set, static_cast<std::size_t>(found - set.units.begin()));
        ++set.dead;
    });
}

void World::eraseUnit(int32_t gid)
{
    Unit* erased = unit(gid);
    if (!erased)
        return;
    takeOut(gid);
    for (int32_t held : std::vector<int32_t>(erased->inside))
        takeOut(held);
    // Groups lose the unit; unit lists made earlier keep its id, which no longer names a unit.
    m_sets.forEach([&](int32_t, UnitSet& set) {
        auto found = std::find(set.units.begin(), set.units.end(), gid);
        if (set.group && found != set.units.end())
            removeFromSet(set, static_cast<std::size_t>(found - set.units.begin()));
    });
    m_units.remove(gid);
}

void World::recordKill(int32_t nation, int32_t type, int32_t count)
{
    m_kills[{nation, type}] += count;
}

void World::giveOrder(int32_t gid, const Order& order)
{
    if (Unit* target = unit(gid))
        target->orders.push_back(order);
}

int32_t World::kills(int32_t nation, int32_t type) const
{
    auto found = m_kills.find({nation, type});
    return found == m_kills.end() ? 0 : found->second;
}

// --- Named objects of the script world.

int32_t World::addAbility(const std::string& name)
{
    return m_abilities.add(std::make_unique<Ability>(Ability{name}));
}

int32_t World::abilityByName(const std::string& name) const
{
    int32_t found = -1;
    m_abilities.forEach([&](int32_t id, const Ability& ability) {
        if (found < 0 && ability.name == name)
            found = id;
    });
    return found;
}

int32_t World::addCamera(const std::string& name)
{
    return m_cameras.add(std::make_unique<Camera>(Camera{name, false}));
}

int32_t World::addWeaponMod(const std::string& name)
{
    return m_weaponMods.add(std::make_unique<WeaponMod>(WeaponMod{name}));
}

void World::setProcessedAbility(int32_t owner, int32_t activator)
{
    m_abilityOwner = owner;
    m_abilityActivator = activator;
}

std::vector<int32_t> World::createUnits(int32_t count, int32_t x, int32_t y, int32_t r, uint8_t nation, int32_t type)
{
    constexpr double kTurn = 6.283185307179586;
    std::vector<int32_t> created;
    for (int32_t i = 0; i < count; ++i) {
        const double angle = kTurn * i / count;
        const auto ux = static_cast<int32_t>(x + r * std::cos(angle));
        const auto uy = static_cast<int32_t>(y + r * std::sin(angle));
        created.push_back(addUnit({type, nation, count == 1 ? x : ux, count == 1 ? y : uy}));
    }
    return created;
}

void World::putInside(int32_t gid, int32_t container)
{
    Unit* entering = unit(gid);
    Unit* holder = unit(container);
    if (!entering || !holder || gid == container)
        return;
    takeOut(gid);
    entering->container = container;
    entering->orders.clear();
    holder->inside.push_back(gid);
}

void World::takeOut(int32_t gid)
{
    Unit* leaving = unit(gid);
    Unit* holder = leaving ? unit(leaving->container) : nullptr;
    if (!holder)
        return;
    holder->inside.erase(std::remove(holder->inside.begin(), holder->inside.end(), gid), holder->inside.end());
    leaving->container = -1;
    leaving->x = holder->x + 48;
    leaving->y = holder->y + 48;
}

int32_t World::selection(int32_t nation, bool second) const
{
    if (nation < 0 || nation >= kNations)
        return -1;
    return m_selections[second ? 1 : 0][nation];
}

// --- Objects.

UnitSet* World::group(int32_t id) const
{
    UnitSet* set = unitSet(id);
    return set && set->group ? set : nullptr;
}

UnitSet* World::unitList(int32_t id) const
{
    UnitSet* set = unitSet(id);
    return set && !set->group ? set : nullptr;
}

int32_t World::groupByName(const std::string& name) const
{
    int32_t found = -1;
    m_sets.forEach([&](int32_t id, const UnitSet& set) {
        if (found < 0 && set.group && set.name == name)
            found = id;
    });
    return found;
}

int32_t World::createUnitSet(bool group, const std::string& name, bool local)
{
    auto created = std::make_unique<UnitSet>();
    created->group = group;
    created->local = local && inCall();
    const int32_t id = m_sets.add(std::move(created));
    UnitSet& set = *unitSet(id);
    set.name = name.empty() && group ? "~group" + std::to_string(id) : name;
    if (set.local)
        markLocal(LocalKind::UnitSet, id);
    return id;
}

int32_t World::createList(bool local)
{
    const int32_t id = m_lists.add(std::make_unique<ParamList>());
    if (local && inCall())
        markLocal(LocalKind::List, id);
    return id;
}

int32_t World::createArray()
{
    auto created = std::make_unique<Array>();
    created->list = createList(false);
    return m_arrays.add(std::move(created));
}

int32_t World::createMessage(const std::string& name, int32_t params, int32_t sender)
{
    auto created = std::make_unique<Message>();
    created->name = name;
    created->params = params;
    created->sender = sender;
    const int32_t id = m_messages.add(std::move(created));
    markLocal(LocalKind::Message, id);
    return id;
}

int32_t World::createAreaSet(AreaSet set)
{
    const int32_t id = m_areaSets.add(std::make_unique<AreaSet>(std::move(set)));
    markLocal(LocalKind::AreaSet, id);
    return id;
}

int32_t World::createAreaTotal()
{
    const int32_t id = m_areaTotals.add(std::make_unique<AreaTotal>());
    markLocal(LocalKind::AreaTotal, id);
    return id;
}

void World::removeList(int32_t id)
{
    clearList(id);
    m_lists.remove(id);
}

void World::addToSet(UnitSet& set, int32_t gid)
{
    if (!unit(gid) || std::find(set.units.begin(), set.units.end(), gid) != set.units.end())
        return;
    set.units.push_back(gid);
    ++set.added;
}

void World::removeFromSet(UnitSet& set, std::size_t index)
{
    set.units.erase(set.units.begin() + static_cast<std::ptrdiff_t>(index));
    ++set.removed;
}

// --- Calls and local objects.

void World::markLocal(LocalKind kind, int32_t id)
{
    if (inCall())
        m_locals.emplace_back(kind, id);
}

void World::leaveCall()
{
    if (m_callDepth > 0 && --m_callDepth == 0)
        reclaimLocals();
}

void World::reclaimLocals()
{
    std::vector<std::pair<LocalKind, int32_t>> locals;
    locals.swap(m_locals);
    for (const auto& [kind, id] : locals) {
        switch (kind) {
        case LocalKind::UnitSet: m_sets.remove(id); break;
        case LocalKind::List: removeList(id); break;
        case LocalKind::Message: m_messages.remove(id); break;
        case LocalKind::AreaSet: m_areaSets.remove(id); break;
        case LocalKind::AreaTotal: m_areaTotals.remove(id); break;
        }
    }
}

}  // namespace sim
