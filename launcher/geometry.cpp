#include "launcher/geometry.h"

#include "launcher/resource.h"

namespace launcher {

std::array<ControlPlace, 9> LayoutTable(int clientWidth)
{
    const int w = clientWidth;
    return {{
        {IDC_PICTURE_FRAME, {8, 8, 142, 155}},
        {IDC_PICTURE, {9, 9, 140, 153}},
        {IDC_LINE_BUTTONS, {8, 171, w - 16, 2}},
        {IDC_LAUNCH, {w - 112, 179, 104, 24}},
        {IDC_CANCEL, {w - 216, 179, 104, 24}},
        {IDC_TEXT1, {160, 8, w - 170, 16}},
        {IDC_RATES, {160, 26, w - 170, 20}},
        {IDC_LINE_LIST, {160, 61, w - 170, 2}},
        {IDC_TEXT2, {160, 71, w - 170, 80}},
    }};
}

namespace {

// One axis: centred on the area (dividing with truncation toward zero), then pulled back from the
// display's far edge and, last, from its near edge, so the near edge wins when the window is too big.
int CentredOnAxis(int areaStart, int areaLength, int length, int displayLength)
{
    int position = areaStart + (areaLength - length) / 2;
    if (position + length > displayLength)
        position = displayLength - length;
    if (position < 0)
        position = 0;
    return position;
}

}  // namespace

Point CentredPosition(Size window, Rect area, Size display)
{
    return {CentredOnAxis(area.x, area.width, window.width, display.width),
            CentredOnAxis(area.y, area.height, window.height, display.height)};
}

}  // namespace launcher
