// What the launcher holds for its whole run, and the procedure of its dialog.
#pragma once

#include <string>

#include <windows.h>

#include "launcher/dialog.h"
#include "launcher/rate_list.h"
#include "launcher/refresh_rate.h"
#include "launcher/text_table.h"

namespace launcher {

struct Launcher {
    // Works out the folders, fills the texts and the choices, and reads the stored rate.
    explicit Launcher(HINSTANCE instance);

    HINSTANCE instance;
    std::string ownFolder;   // the program's folder, with its last backslash
    std::string gameFolder;  // ownFolder + "Data\"
    TextTable texts;
    RateList rates;
    RefreshRateSetting setting;
    LauncherDialog dialog;
};

// The dialog's procedure; WM_INITDIALOG's parameter is the Launcher.
INT_PTR CALLBACK LauncherDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace launcher
