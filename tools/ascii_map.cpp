#include "tools/ascii_map.h"

#include <vector>

namespace host {

namespace {

// The cell of a map point, or false when it lies outside the view.
bool cellOf(const MapView& view, int32_t x, int32_t y, std::size_t& row, std::size_t& column)
{
    if (x < view.left || x >= view.right || y < view.top || y >= view.bottom)
        return false;
    column = static_cast<std::size_t>((x - view.left) * view.columns / (view.right - view.left));
    row = static_cast<std::size_t>((y - view.top) * view.rows / (view.bottom - view.top));
    return true;
}

}  // namespace

std::string drawMap(const sim::World& world, const MapView& view)
{
    std::vector<std::string> grid(static_cast<std::size_t>(view.rows),
                                  std::string(static_cast<std::size_t>(view.columns), '.'));
    auto mark = [&](int32_t x, int32_t y, char symbol) {
        std::size_t row = 0;
        std::size_t column = 0;
        if (cellOf(view, x, y, row, column))
            grid[row][column] = symbol;
    };
    world.nodes().forEach([&](int32_t, const sim::Node& node) { mark(node.x, node.y, 'o'); });
    // The dead first, so that the living stand out over them.
    for (const bool alive : {false, true})
        world.units().forEach([&](int32_t, const sim::Unit& unit) {
            if (unit.container >= 0 || unit.alive != alive)
                return;
            mark(unit.x, unit.y, !alive ? 'x' : unit.hero ? 'H' : static_cast<char>('0' + unit.nation % 10));
        });
    std::string picture = "  +" + std::string(static_cast<std::size_t>(view.columns), '-') + "+\n";
    for (const std::string& line : grid)
        picture += "  |" + line + "|\n";
    return picture + "  +" + std::string(static_cast<std::size_t>(view.columns), '-') + "+\n";
}

}  // namespace host
