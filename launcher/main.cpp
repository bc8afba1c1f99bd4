// launcher.exe: stores the player's refresh-rate choice and starts the engine. Its exit code is always 0.
#include <windows.h>

#include <commctrl.h>

#include "launcher/launcher.h"
#include "launcher/resource.h"

namespace {

constexpr const char* kEngineWindowClass = "KVR_KERNEL";

// Both titles are looked for, the demo's first.
bool EngineIsRunning()
{
    const bool demo = FindWindowA(kEngineWindowClass, "Moravind Demo") != nullptr;
    const bool full = FindWindowA(kEngineWindowClass, "Moravind") != nullptr;
    return demo || full;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (EngineIsRunning())
        return 0;
    // The manifest asks for version 6 of the common controls; this makes sure they are loaded.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    launcher::Launcher launcher(instance);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_LAUNCHER), nullptr, launcher::LauncherDlgProc,
                    reinterpret_cast<LPARAM>(&launcher));
    return 0;
}
