#include "tests/windows/launcher_session.h"

#include <fstream>
#include <functional>
#include <sstream>

namespace launcher_test {

namespace {

constexpr const char* kSettingKey = "Software\\Tervala\\Moravind";
constexpr const char* kMakerKey = "Software\\Tervala";
constexpr const char* kValueName = "RefreshRate";
// Long enough for Wine to start a program; a limit, never a measure of anything.
constexpr DWORD kWaitLimitMs = 30000;
constexpr DWORD kPollMs = 50;
constexpr UINT kSendLimitMs = 5000;
constexpr std::size_t kTextLimit = 1024;

bool WaitUntil(const std::function<bool()>& done)
{
    for (DWORD waited = 0; waited < kWaitLimitMs; waited += kPollMs) {
        if (done())
            return true;
        Sleep(kPollMs);
    }
    return done();
}

std::string Folder(const std::string& path)
{
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string OwnFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return Folder(path);
}

std::string ClassName(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct WindowSearch {
    const std::string& className;
    HWND found;
};

BOOL CALLBACK MatchVisibleWindow(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    if (!IsWindowVisible(window) || ClassName(window) != search.className)
        return TRUE;
    search.found = window;
    return FALSE;
}

// The first visible top-level window of a thread with the given class.
HWND VisibleThreadWindow(DWORD threadId, const std::string& className)
{
    WindowSearch search{className, nullptr};
    EnumThreadWindows(threadId, MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

StoredValue StoredValue::Dword(DWORD value)
{
    StoredValue stored{REG_DWORD, std::vector<BYTE>(sizeof value)};
    CopyMemory(stored.bytes.data(), &value, sizeof value);
    return stored;
}

void RemoveSettingKeys()
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSettingKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMakerKey);
}

void StoreValue(const StoredValue& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, kValueName, 0, value.type, value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
    RegCloseKey(key);
}

bool SettingKeysExist()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::optional<StoredValue> ReadStoredValue()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    StoredValue value{0, std::vector<BYTE>(64)};
    auto size = static_cast<DWORD>(value.bytes.size());
    const LONG result = RegQueryValueExA(key, kValueName, nullptr, &value.type, value.bytes.data(), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    value.bytes.resize(size);
    return value;
}

LauncherFolder LauncherFolder::Prepare()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    LauncherFolder folder;
    folder.root = std::string(temp) + "launcher_test\\";
    folder.launcher = folder.root + "launcher.exe";
    folder.data = folder.root + "Data";
    folder.engineRecord = folder.data + "\\engine_started.txt";
    CreateDirectoryA(folder.root.c_str(), nullptr);
    CreateDirectoryA(folder.data.c_str(), nullptr);
    DeleteFileA(folder.engineRecord.c_str());
    const std::string own = OwnFolder();
    CopyFileA((own + "launcher.exe").c_str(), folder.launcher.c_str(), FALSE);
    CopyFileA((own + "launcher_engine_standin.exe").c_str(), (folder.data + "\\Engine.exe").c_str(), FALSE);
    return folder;
}

LauncherProcess::LauncherProcess(const std::string& program)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + program + "\"";
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &m_process))
        m_process = {};
}

LauncherProcess::~LauncherProcess()
{
    if (!Started())
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, kWaitLimitMs);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND LauncherProcess::WaitForDialog() const
{
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = VisibleThreadWindow(m_process.dwThreadId, "#32770")) != nullptr; });
    return dialog;
}

std::optional<DWORD> LauncherProcess::WaitForExit() const
{
    DWORD code = 0;
    if (WaitForSingleObject(m_process.hProcess, kWaitLimitMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(m_process.hProcess, &code))
        return std::nullopt;
    return code;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendLimitMs, &result);
    return static_cast<LRESULT>(result);
}

namespace {

// Texts are read as UTF-16, which Wine passes between processes for every message that carries one.
std::string TextReply(HWND window, UINT message, WPARAM wParam)
{
    wchar_t text[kTextLimit] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, kSendLimitMs,
                        &result);
    char narrow[kTextLimit * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

}  // namespace

std::string WindowText(HWND window)
{
    return TextReply(window, WM_GETTEXT, kTextLimit);
}

std::vector<std::string> ComboEntries(HWND combo)
{
    std::vector<std::string> entries;
    const auto count = static_cast<WPARAM>(Send(combo, CB_GETCOUNT));
    // The buffer's size cannot be passed along with CB_GETLBTEXT; every entry is far shorter.
    for (WPARAM index = 0; index < count; ++index)
        entries.push_back(TextReply(combo, CB_GETLBTEXT, index));
    return entries;
}

RECT ClientSize(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

RECT RectInParent(HWND control, HWND parent)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND WaitForDropDownList(DWORD threadId)
{
    HWND list = nullptr;
    WaitUntil([&] { return (list = VisibleThreadWindow(threadId, "ComboLBox")) != nullptr; });
    return list;
}

std::optional<std::string> WaitForFile(const std::string& path)
{
    std::optional<std::string> text;
    WaitUntil([&] {
        std::ifstream file(path);
        std::ostringstream contents;
        contents << file.rdbuf();
        // The stand-in ends its line once it has written everything.
        if (file && !contents.str().empty() && contents.str().back() == '\n')
            text = contents.str();
        return text.has_value();
    });
    return text;
}

}  // namespace launcher_test
