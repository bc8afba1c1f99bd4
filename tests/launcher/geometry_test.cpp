// The dialog's arithmetic: centring kept on the display, and the places of the controls.
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "launcher/geometry.h"

namespace {

using launcher::CentredPosition;
using launcher::kClientSize;
using launcher::LayoutTable;

TEST(CentredPosition, CentresOnTheAreaAndKeepsTheWindowOnTheDisplay)
{
    struct Case {
        const char* what;
        launcher::Size window;
        launcher::Rect area;
        launcher::Size display;
        int x, y;
    };
    const Case cases[] = {
        {"on the screen", {200, 100}, {0, 0, 1024, 768}, {1024, 768}, 412, 334},
        {"odd room, truncated", {200, 101}, {0, 0, 1025, 768}, {1025, 768}, 412, 333},
        {"half a pixel short, truncated toward zero", {501, 101}, {100, 50, 500, 100}, {1024, 768}, 100, 50},
        {"on a parent", {200, 100}, {100, 200, 400, 300}, {1024, 768}, 200, 300},
        {"parent near the far edges", {200, 100}, {900, 700, 200, 100}, {1024, 768}, 824, 668},
        {"display smaller than the window", {640, 480}, {0, 0, 600, 400}, {600, 400}, 0, 0},
        {"parent near the far edges, window larger than the display", {1100, 900}, {700, 500, 300, 200},
         {1024, 768}, 0, 0},
    };
    for (const Case& c : cases) {
        const launcher::Point position = CentredPosition(c.window, c.area, c.display);
        EXPECT_EQ(position.x, c.x) << c.what;
        EXPECT_EQ(position.y, c.y) << c.what;
    }
}

TEST(LayoutTable, PlacesNineDistinctControlsInsideTheClientArea)
{
    std::set<int> ids;
    for (const auto& place : LayoutTable(kClientSize.width)) {
        ids.insert(place.id);
        EXPECT_GE(place.rect.x, 0) << place.id;
        EXPECT_GE(place.rect.y, 0) << place.id;
        EXPECT_GT(place.rect.width, 0) << place.id;
        EXPECT_LE(place.rect.x + place.rect.width, kClientSize.width) << place.id;
        EXPECT_LE(place.rect.y + place.rect.height, kClientSize.height) << place.id;
    }
    EXPECT_EQ(ids.size(), 9u);
}

TEST(LayoutTable, KeepsTheButtonsAndTheRightColumnToTheRightEdge)
{
    const std::map<int, int> rightMargins = {{1001, 8}, {1006, 8}, {1005, 10}, {1007, 10}, {1008, 10}, {1011, 10}};
    for (int width : {480, 640}) {
        for (const auto& place : LayoutTable(width)) {
            const auto margin = rightMargins.find(place.id);
            if (margin != rightMargins.end()) {
                EXPECT_EQ(width - place.rect.x - place.rect.width, margin->second) << place.id << " at " << width;
            }
        }
    }
}

}  // namespace
