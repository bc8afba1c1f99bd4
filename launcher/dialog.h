// The refresh-rate dialog's window: its size, texts, list of choices and the places of its controls.
#pragma once

#include <windows.h>

#include "launcher/rate_list.h"
#include "launcher/refresh_rate.h"
#include "launcher/text_table.h"

namespace launcher {

class LauncherDialog {
public:
    // Sizes the client area, centres the dialog on the screen, sets the texts and fills the list of
    // choices with the entry of the current rate selected.
    void Setup(HWND dialog, const TextTable& texts, const RateList& rates, const RefreshRateSetting& setting);

    // Moves every control to its place in client pixels.
    void Layout();

    HWND Window() const { return m_dialog; }

private:
    void SizeClientArea();
    void FillRates(const RateList& rates, const RefreshRateSetting& setting);

    HWND m_dialog = nullptr;
};

// Centres a window on its parent, or on the screen when it has none, keeping it on the display.
void CentreWindow(HWND window, HWND parent);

}  // namespace launcher
