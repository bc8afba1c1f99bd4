#include "engine_sim/api_support.h"

namespace sim {

namespace {
std::string numbered(const char* kind, int32_t id)
{
    return std::string(kind) + " " + std::to_string(id);
}
}  // namespace

std::string describe(const pGroup& group)
{
    World* world = World::current();
    const UnitSet* set = world ? world->group(group.id()) : nullptr;
    return set ? set->name : "invalid group";
}

std::string describe(const pUnitsList& list) { return numbered("list", list.id()); }
std::string describe(const pUnit& unit) { return numbered("unit", unit.id()); }
std::string describe(const iNode& node) { return numbered("node", node.id()); }
std::string describe(const pARRAY& array) { return numbered("array", array.id()); }
std::string describe(const pUnitType& type) { return numbered("type", type.GetType()); }
std::string describe(const pABILITY& ability) { return numbered("ability", ability.id()); }
std::string describe(const pCAMERA& camera) { return numbered("camera", camera.id()); }
std::string describe(const pWEAPONMOD& weapon) { return numbered("weapon", weapon.id()); }
std::string describe(const pSTR_DIALOG& line) { return numbered("line", line.id()); }
std::string describe(const _str& text) { return describe(text.pchar()); }

std::string describe(const pSMARTOBJECT& smartObject)
{
    World* world = World::current();
    const SmartObject* found = world ? world->smartObject(smartObject.id()) : nullptr;
    return found ? found->name : "invalid smart object";
}

std::string describe(const iVector2D& vector)
{
    return "(" + std::to_string(vector.x) + ", " + std::to_string(vector.y) + ")";
}

}  // namespace sim
