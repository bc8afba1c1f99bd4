// Node and camera commands: a new nation mask for a nation's units in a node, and scripted cameras.
#include "warloom/core/each_unit.h"
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using warloom::Params;

namespace {

constexpr int32_t kAllUnits = 1;

// Reads "Camera" and hands it to a camera operation; 1 once the camera is given.
int onCamera(pParamList* list, void (*operation)(pCAMERA&))
{
    pCAMERA camera;
    if (!Params(list).read("Camera", camera))
        return 0;
    operation(camera);
    return 1;
}

}  // namespace

// Every living unit of the nation inside the node gets the mask.
WARLOOM_EXPORT int NODE_CHENGE_NMASK(pParamList* list)
{
    Params params(list);
    int32_t nation = 0;
    iNode node;
    int32_t mask = 0;
    if (!params.read("Nation", nation, "Node", node))
        return 0;
    RoundZone zone(node);
    if (!params.read("NMask", mask))
        return 0;
    pUnitsList units;
    zone.CollectUnits(units, kAllUnits);
    units.LimitByNation(nation);
    units.RemoveDeadUnits();
    warloom::forEachUnit(units, [&](pUnit& unit) { unit.SetMask(mask); });
    return 1;
}

WARLOOM_EXPORT int CAMERA_Play(pParamList* list)
{
    return onCamera(list, &GameInterface::CAMERA_Play);
}

WARLOOM_EXPORT int CAMERA_Stop(pParamList* list)
{
    return onCamera(list, &GameInterface::CAMERA_Stop);
}

WARLOOM_EXPORT int CAMERA_Free(pParamList* list)
{
    return onCamera(list, &GameInterface::CAMERA_Free);
}

WARLOOM_EXPORT int CAMERA_IsPlaying(pParamList* list)
{
    pCAMERA camera;
    if (!Params(list).read("Camera", camera))
        return 0;
    return GameInterface::CAMERA_IsPlaying(camera) ? 1 : 0;
}
