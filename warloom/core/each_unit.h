// Walking the units of a group or unit list.
#pragma once

#include "engine_api/engine.h"

namespace warloom {

// Calls `visit` with every unit of the set, in order, from its beginning.
template <class Visit>
void forEachUnit(IUnitsIterator& units, Visit visit)
{
    pUnit unit;
    units.ToBegin();
    while (units.Next(unit))
        visit(unit);
}

}  // namespace warloom
