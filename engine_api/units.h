// Sets of units: groups, unit lists, selections and the round zones that collect them.
#pragma once

#include <cstdint>

#include "export.h"
#include "handles.h"

class pARRAY;

// Walks and filters a set of units. Groups and unit lists are both unit sets of the engine.
class ENGINE_API IUnitsIterator : public EngineHandle {
public:
    IUnitsIterator() : m_cursor(0) {}
    explicit IUnitsIterator(int32_t id) : EngineHandle(id), m_cursor(0) {}

    void ToBegin();
    // Gives the next unit and returns true, or returns false at the end.
    bool Next(pUnit& unit);
    // The unit at index i; an invalid unit when i is out of range.
    pUnit operator[](int32_t index) const;
    IUnitsIterator& operator+=(const pUnit& unit);
    void Clear();
    int32_t Count() const;

    void LimitByNation(int32_t nation);
    void LimitByType(pUnitType& type);
    // Drops the units of the nations whose bits are set in the mask.
    void ExcludeByNMask(int32_t nationMask);
    void RemoveDeadUnits();

private:
    int32_t m_cursor;
};

// A list of units that the engine makes for one call (collections, selections, created units).
class ENGINE_API pUnitsList : public IUnitsIterator {
public:
    // Creates a new, empty list.
    pUnitsList();
    explicit pUnitsList(int32_t id) : IUnitsIterator(id) {}
    bool Valid() const;
};

// The units a nation has selected, and its second selection list.
class ENGINE_API pSelected {
public:
    static pUnitsList units(int32_t nation);
};

class ENGINE_API pImSelected {
public:
    static pUnitsList units(int32_t nation);
};

// A circle on the map that collects the units standing in it.
class ENGINE_API RoundZone {
public:
    explicit RoundZone(const iNode& node);
    RoundZone(int32_t x, int32_t y, int32_t r);

    int32_t getX() const { return m_x; }
    int32_t getY() const { return m_y; }
    int32_t getR() const { return m_r; }
    void setR(int32_t r) { m_r = r; }

    // Adds the zone's units to the list; the option chooses which units count.
    void CollectUnits(pUnitsList& list, int32_t option) const;

private:
    int32_t m_x;
    int32_t m_y;
    int32_t m_r;
};

// A named group of units.
class ENGINE_API pGroup : public IUnitsIterator {
public:
    pGroup() = default;
    explicit pGroup(int32_t id) : IUnitsIterator(id) {}

    bool Valid() const;
    const char* getName() const;
    // Makes this handle name a new local group (anonymous when name is nullptr).
    void CreateLocal(const char* name = nullptr);

    // Counts and positions.
    int32_t getUN() const;
    int32_t getUN(int32_t nation) const;
    int32_t getUN(iNode& zone) const;
    int32_t getDeadUN() const;
    int32_t getNO_ORDERS_UN() const;
    int32_t getMOVE_UN() const;
    int32_t getATTACK_UN() const;
    int32_t getHP() const;
    int32_t getXc() const;
    int32_t getYc() const;
    int32_t getXi(int32_t index) const;
    int32_t getYi(int32_t index) const;
    int32_t getDIRi(int32_t index) const;
    int32_t getGIDi(int32_t index) const;
    int32_t getORDERi(int32_t index) const;
    int32_t getNation() const;
    int32_t getNMASK() const;
    int32_t getLockType() const;
    bool getReady() const;
    bool getUnderAttack() const;
    int32_t getNew_UN(bool reset);
    int32_t getRem_UN(bool reset);
    int32_t getEnemyAround_UN(int32_t radius) const;
    bool getAttackPossibility(iNode& zone, int32_t extraRadius) const;
    bool getAttackPossibility(int32_t x, int32_t y, int32_t radius) const;

    // Membership.
    void AddUnitGID(int32_t gid);
    void _add(pUnit& unit);
    void RemAllUnits();
    int32_t RemUnitsInZone(iNode& zone, pGroup& destination);
    int32_t AddSelectedUnits(int32_t nation);
    void AddUnitsInZone(int32_t nation, iNode& zone, bool add);
    void AddUnitsTypeInZone(int32_t nation, int32_t type, iNode& zone, bool add);
    void AddEnemyUnitsInZone(int32_t nation, iNode& zone, bool onlyVisible);
    void AddEnemyUnitsInZone(int32_t nation, iNode& zone, int32_t extraRadius, bool onlyVisible);
    void AddEnemyUnitsInZone(int32_t nation, int32_t x, int32_t y, int32_t radius, bool onlyVisible);
    void RemNUnitsToGroup(pGroup& destination, int32_t count);
    void RemNReadyUnitsToGroup(pGroup& destination, int32_t count);
    void FillTN_array(pARRAY& pairs);
    void FillDIFF_TN_array(pARRAY& full, pARRAY& missing, int32_t producers);

    // Settings.
    void setNation(int32_t nation);
    void setNMASK(int32_t nationMask);
    void setHP(int32_t hp);
    void setLockType(int32_t lockType);
    void setAIGuard(int32_t on);
    void setSearchEnemy(bool on);
    void setUnderAttack(bool attacked);
    void setDestDelta(int32_t delta);
    void setStandGround(bool on);
    void setCapturability(bool capturable);
    void SetRallyPoint(iNode& node);
    void DeleteItemDrops();

    // Orders.
    void ClearOrders();
    void Send(iNode& node, int32_t flags, int32_t mode);
    void SendID(int32_t index, iNode& node, int32_t dir, int32_t flags, bool queue);
    void SendID(iNode& node, int32_t kind, int32_t index, int32_t flags, int32_t mode, bool a, bool b);
    void SendSmartly(int32_t cellX, int32_t cellY, int32_t steps, iNode& legEnd);
    void Attack(pGroup& target, int32_t power);
    void AttackUseNearest(pGroup& enemies);
    void AttackUseIDS(int32_t kind, bool useRoute, int32_t maxDistance, pARRAY& route);
    void AttackUseIDS(int32_t kind, bool useRoute, int32_t maxDistance);
    void MarkTime(iNode& node, int32_t duration);
    void ExploringMap();
    void Produce(int32_t type, int32_t count);
};
