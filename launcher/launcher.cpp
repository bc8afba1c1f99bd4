#include "launcher/launcher.h"

#include <shellapi.h>

#include "launcher/registry.h"
#include "launcher/resource.h"

namespace launcher {

namespace {

constexpr const char* kMaker = "Tervala";
constexpr const char* kProduct = "Moravind";
constexpr int kStringBufferSize = 512;

std::string OwnFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string module(path, length);
    const std::size_t slash = module.find_last_of('\\');
    return slash == std::string::npos ? std::string() : module.substr(0, slash + 1);
}

TextTable LoadTexts(HINSTANCE instance)
{
    TextTable texts;
    texts.Fill([instance](unsigned int resource) {
        char buffer[kStringBufferSize];
        const int length = LoadStringA(instance, resource, buffer, kStringBufferSize);
        return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    });
    return texts;
}

Launcher& LauncherOf(HWND dialog)
{
    return *reinterpret_cast<Launcher*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void InitDialog(HWND dialog, Launcher& launcher)
{
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&launcher));
    launcher.dialog.Setup(dialog, launcher.texts, launcher.rates, launcher.setting);
    launcher.dialog.Layout();
    const HICON icon = LoadIconA(launcher.instance, MAKEINTRESOURCEA(IDI_LAUNCHER));
    SetClassLongPtrA(dialog, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

// Stores the selected rate and starts the engine in the game folder, without waiting for it. The
// engine is named by its full path, so that a missing one is not looked for anywhere else.
void Launch(HWND dialog, Launcher& launcher)
{
    const LRESULT selected = SendDlgItemMessageA(dialog, IDC_RATES, CB_GETCURSEL, 0, 0);
    launcher.setting.rate = launcher.rates.RateAt(selected);
    Transfer(launcher.setting, TransferDirection::Write, kMaker, kProduct);
    SetCurrentDirectoryA(launcher.gameFolder.c_str());
    const std::string engine = launcher.gameFolder + "Engine.exe";
    ShellExecuteA(nullptr, "open", engine.c_str(), nullptr, launcher.gameFolder.c_str(), SW_SHOWNORMAL);
}

}  // namespace

Launcher::Launcher(HINSTANCE instance_)
    : instance(instance_),
      ownFolder(OwnFolder()),
      gameFolder(ownFolder + "Data\\"),
      texts(LoadTexts(instance_)),
      rates(texts)
{
    Transfer(setting, TransferDirection::Read, kMaker, kProduct);
}

INT_PTR CALLBACK LauncherDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog, *reinterpret_cast<Launcher*>(lParam));
        return FALSE;  // no default focus
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_LAUNCH)
            Launch(dialog, LauncherOf(dialog));
        else if (LOWORD(wParam) != IDC_CANCEL)
            return FALSE;
        EndDialog(dialog, 1);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 1);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace launcher
