// Handles on engine objects.
//
// A handle is a small value object that names an engine object by its id. Copying or dropping a handle
// never copies or destroys the object; Valid() tells whether the handle still names a live object.
// A default-constructed handle names nothing.
#pragma once

#include <cstdint>

#include "export.h"

class pGroup;
class pUnitsList;
class pParamList;

// Base of every handle: the id of the object it names, -1 for none.
class ENGINE_API EngineHandle {
public:
    EngineHandle() : m_id(-1) {}
    explicit EngineHandle(int32_t id) : m_id(id) {}
    int32_t id() const { return m_id; }

protected:
    int32_t m_id;
};

// A type of unit, by its type number.
class pUnitType {
public:
    pUnitType() : m_type(-1) {}
    explicit pUnitType(int32_t type) : m_type(type) {}
    int32_t GetType() const { return m_type; }

private:
    int32_t m_type;
};

// One unit, named by its global unit id.
class ENGINE_API pUnit : public EngineHandle {
public:
    pUnit() = default;
    explicit pUnit(int32_t gid) : EngineHandle(gid) {}
    pUnit& operator=(int32_t gid);

    bool Valid() const;
    int32_t GetGID() const;
    int32_t GetNation() const;
    int32_t GetType() const;
    bool isAlive() const;
    bool isHero() const;
    int32_t GetHeroLevel() const;

    void SetNation(uint8_t nation);
    void SetMask(int32_t nationMask);
    void ClearOrders();
    void Erase();
    void GiveExpa(int32_t experience);
    void SetHeroCollectExpaStatus(bool collect);

    // Hiding and containers (gates, buildings that hold units).
    bool Hidden() const;
    bool IsStand() const;
    void Hide();
    void UnHide();
    int32_t GetInsideAmount() const;
    void GetInsideUnits(pUnitsList& units) const;
    void RemoveFromContainer();
    void InsertToContainer(pUnit& container);
    void PushOutUnit(pUnit& unit);
    void GoToContainer(pUnit& container);
};

// A map zone that can tell whether a unit stands inside it.
class ENGINE_API iZone : public EngineHandle {
public:
    iZone() = default;
    explicit iZone(int32_t id) : EngineHandle(id) {}
    bool IsIn(pUnit& unit) const;
};

// A map node: a point with a radius, a facing and a special-function value.
class ENGINE_API iNode : public iZone {
public:
    iNode() = default;
    explicit iNode(int32_t id) : iZone(id) {}

    bool Valid() const;
    int32_t getX() const;
    int32_t getY() const;
    int32_t getR() const;
    int32_t getDIR() const;
    int32_t getSFR() const;
    void setX(int32_t x);
    void setY(int32_t y);
    void setR(int32_t r);
    void setDIR(int32_t dir);
};

// An ability kind, named by its ability name.
class ENGINE_API pABILITY : public EngineHandle {
public:
    pABILITY() = default;
    explicit pABILITY(int32_t id) : EngineHandle(id) {}
    explicit pABILITY(const char* name);
    bool Valid() const;
};

// A scripted camera.
class ENGINE_API pCAMERA : public EngineHandle {
public:
    pCAMERA() = default;
    explicit pCAMERA(int32_t id) : EngineHandle(id) {}
    bool Valid() const;
};

// A weapon modifier (a projectile or effect that the engine can fire between two points).
class ENGINE_API pWEAPONMOD : public EngineHandle {
public:
    pWEAPONMOD() = default;
    explicit pWEAPONMOD(int32_t id) : EngineHandle(id) {}
    bool Valid() const;
};

// One line of a scripted conversation.
class ENGINE_API pSTR_DIALOG : public EngineHandle {
public:
    pSTR_DIALOG() = default;
    explicit pSTR_DIALOG(int32_t id) : EngineHandle(id) {}
    bool Valid() const;
    pGroup get_Group() const;
    // The speech file of the line, or nullptr when it has none.
    const char* get_ogFile() const;
};

// A 2-D vector of integer components.
struct iVector2D {
    iVector2D() : x(0), y(0) {}
    iVector2D(int32_t vx, int32_t vy) : x(vx), y(vy) {}
    int32_t x;
    int32_t y;
};

// Facings and placement modes of new units.
enum directions_list : int32_t {
    DIR_EAST = 0,
    DIR_SOUTH = 64,
    DIR_WEST = 128,
    DIR_NORTH = 192,
    DIR_AS_FORMATION = 512,
};
