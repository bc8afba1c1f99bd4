// A text picture of the simulated world: nodes as 'o', units as the digit of their nation, heroes
// as 'H', dead units as 'x'.
#pragma once

#include <string>

#include "engine_sim/world.h"

namespace host {

struct MapView {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 3200;
    int32_t bottom = 1600;
    int32_t columns = 64;
    int32_t rows = 16;
};

std::string drawMap(const sim::World& world, const MapView& view);

}  // namespace host
