// Drives launcher.exe from outside, as a player would: prepares its folder and the stored setting,
// starts it, finds its dialog, reads and clicks its controls. Every wait has a time limit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace launcher_test {

// The stored "RefreshRate" value: its type and bytes.
struct StoredValue {
    DWORD type;
    std::vector<BYTE> bytes;

    static StoredValue Dword(DWORD value);
    bool operator==(const StoredValue& other) const { return type == other.type && bytes == other.bytes; }
};

// The launcher's key, HKEY_LOCAL_MACHINE\Software\Tervala\Moravind, and its value.
void RemoveSettingKeys();
void StoreValue(const StoredValue& value);
bool SettingKeysExist();
std::optional<StoredValue> ReadStoredValue();

// A fresh folder with launcher.exe and, in its Data\ folder, the stand-in Engine.exe, both copied from
// beside this program.
struct LauncherFolder {
    std::string root;      // with its last backslash
    std::string launcher;  // root + "launcher.exe"
    std::string data;      // root + "Data", as a current directory reads
    std::string engineRecord;  // written by the stand-in engine: the directory it was started in

    static LauncherFolder Prepare();
};

class LauncherProcess {
public:
    explicit LauncherProcess(const std::string& program);
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;
    ~LauncherProcess();  // ends the launcher if it is still running

    bool Started() const { return m_process.hProcess != nullptr; }
    // The launcher's dialog once it is visible, or nullptr.
    HWND WaitForDialog() const;
    // The exit code once the launcher has ended, or nothing.
    std::optional<DWORD> WaitForExit() const;
    DWORD ThreadId() const { return m_process.dwThreadId; }

private:
    PROCESS_INFORMATION m_process{};
};

// Reading and working another process's controls.
std::string WindowText(HWND window);
std::vector<std::string> ComboEntries(HWND combo);
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
RECT ClientSize(HWND window);
RECT RectInParent(HWND control, HWND parent);  // left, top, right, bottom in the parent's client pixels
// The drop-down list of a combo box of the given thread, once it is shown, or nullptr.
HWND WaitForDropDownList(DWORD threadId);

// The text of a file, once it exists, or nothing.
std::optional<std::string> WaitForFile(const std::string& path);

}  // namespace launcher_test
