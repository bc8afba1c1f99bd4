// launcher.exe under Wine, driven through its dialog: what it shows, what it stores and what it starts.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/windows/launcher_session.h"

namespace launcher_test {

void PrintTo(const StoredValue& value, std::ostream* out)
{
    *out << "type " << value.type << ", bytes";
    for (BYTE byte : value.bytes)
        *out << ' ' << static_cast<int>(byte);
}

namespace {

constexpr int kLaunch = 1001, kCancel = 1002, kRates = 1005, kText1 = 1007, kText2 = 1011;

const std::vector<std::string> kChoices = {"Default Refresh Rate", "60 Hertz (Safe Mode)", "75 Hertz", "85 Hertz",
                                           "100 Hertz"};

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = LauncherFolder::Prepare();
        ASSERT_NE(GetFileAttributesA(folder.launcher.c_str()), INVALID_FILE_ATTRIBUTES) << folder.launcher;
        RemoveSettingKeys();
    }
    void TearDown() override { RemoveSettingKeys(); }

    // Starts the launcher and waits for its dialog.
    HWND OpenDialog()
    {
        process.emplace(folder.launcher);
        EXPECT_TRUE(process->Started());
        const HWND dialog = process->WaitForDialog();
        EXPECT_NE(dialog, nullptr) << "no dialog appeared";
        return dialog;
    }

    HWND Control(HWND dialog, int id) const { return GetDlgItem(dialog, id); }
    LRESULT Selection(HWND dialog) const { return Send(Control(dialog, kRates), CB_GETCURSEL); }

    void Click(HWND dialog, int button) const { PostMessageA(Control(dialog, button), BM_CLICK, 0, 0); }

    void ExpectEndsWithZero() const
    {
        const std::optional<DWORD> code = process->WaitForExit();
        ASSERT_TRUE(code.has_value()) << "the launcher did not end";
        EXPECT_EQ(*code, 0u);
    }

    LauncherFolder folder;
    std::optional<LauncherProcess> process;
};

TEST_F(LauncherTest, ShowsTheTextsAndTheChoicesWithTheDefaultSelectedWhenNothingIsStored)
{
    const HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Moravind");
    EXPECT_EQ(WindowText(Control(dialog, kLaunch)), "Launch Game");
    EXPECT_EQ(WindowText(Control(dialog, kCancel)), "Cancel");
    EXPECT_EQ(WindowText(Control(dialog, kText1)), "Please select screen refresh rate:");
    EXPECT_EQ(WindowText(Control(dialog, kText2)),
              "Attention! Some of the modes can be not supported by your display. If you have any troubles with "
              "running the game in default refresh rate, select \"60 Hertz (Safe Mode)\" or a value lower than has "
              "been set previously.");
    EXPECT_EQ(ComboEntries(Control(dialog, kRates)), kChoices);
    EXPECT_EQ(Selection(dialog), 0);
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE));
    EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_APPWINDOW), static_cast<DWORD>(WS_EX_TOPMOST | WS_EX_APPWINDOW));
    // Reading the setting made the keys.
    EXPECT_TRUE(SettingKeysExist());

    Click(dialog, kCancel);
    ExpectEndsWithZero();
    EXPECT_FALSE(ReadStoredValue().has_value()) << "Cancel stored a value";
}

TEST_F(LauncherTest, PlacesItsControlsInAClientAreaOf480By210CentredOnTheScreen)
{
    const HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    const RECT client = ClientSize(dialog);
    EXPECT_EQ(client.right, 480);
    EXPECT_EQ(client.bottom, 210);

    struct Place {
        int id, left, top, right, bottom;
    };
    const Place places[] = {
        {1010, 8, 8, 150, 163},  {1009, 9, 9, 149, 162},     {1006, 8, 171, 472, 173},
        {1001, 368, 179, 472, 203}, {1002, 264, 179, 368, 203}, {1007, 160, 8, 470, 24},
        {1008, 160, 61, 470, 63}, {1011, 160, 71, 470, 151},
    };
    for (const Place& place : places) {
        const RECT rect = RectInParent(Control(dialog, place.id), dialog);
        EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
                  (std::vector<LONG>{place.left, place.top, place.right, place.bottom}))
            << "control " << place.id;
    }
    EXPECT_NE(Send(Control(dialog, 1009), STM_GETIMAGE, IMAGE_BITMAP), 0) << "the picture has no bitmap";
    // The combo box's height is its selection field's, which its font decides.
    const RECT combo = RectInParent(Control(dialog, kRates), dialog);
    EXPECT_EQ((std::vector<LONG>{combo.left, combo.top, combo.right}), (std::vector<LONG>{160, 26, 470}));

    RECT outer{};
    GetWindowRect(dialog, &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
    Click(dialog, kCancel);
    ExpectEndsWithZero();
}

TEST_F(LauncherTest, DropDownListShowsEveryChoice)
{
    const HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Send(Control(dialog, kRates), CB_SHOWDROPDOWN, TRUE);
    const HWND list = WaitForDropDownList(process->ThreadId());
    ASSERT_NE(list, nullptr) << "the drop-down list did not open";
    ASSERT_EQ(Send(list, LB_GETCOUNT), 5);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 0);
    EXPECT_GE(ClientSize(list).bottom, 5 * Send(list, LB_GETITEMHEIGHT, 0));
    Send(Control(dialog, kRates), CB_SHOWDROPDOWN, FALSE);
    Click(dialog, kCancel);
    ExpectEndsWithZero();
}

// What launcher.exe carries besides its code: the picture, the icon's four images, the manifest for the
// version 6 common controls, and a string table without entries 107 and 108.
TEST(LauncherResources, HoldThePictureTheIconTheManifestAndTheTexts)
{
    const LauncherFolder folder = LauncherFolder::Prepare();
    const HMODULE module = LoadLibraryExA(folder.launcher.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    const auto resource = [module](int id, int type) {
        const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
        if (found == nullptr)
            return std::string();
        return std::string(static_cast<const char*>(LockResource(LoadResource(module, found))),
                           SizeofResource(module, found));
    };

    const std::string picture = resource(103, 2);
    BITMAPINFOHEADER header{};
    ASSERT_GE(picture.size(), sizeof header);
    CopyMemory(&header, picture.data(), sizeof header);
    EXPECT_EQ((std::vector<LONG>{header.biWidth, header.biHeight, header.biBitCount}),
              (std::vector<LONG>{140, 153, 24}));

    // An icon group: three words, the last the count, then 14 bytes an image, starting with its width.
    const std::string icon = resource(101, 14);
    ASSERT_GE(icon.size(), 6u);
    const auto images = static_cast<std::size_t>(icon[4]);
    ASSERT_GE(icon.size(), 6 + 14 * images);
    std::vector<int> widths;
    for (std::size_t image = 0; image < images; ++image)
        widths.push_back(static_cast<unsigned char>(icon[6 + 14 * image]));
    EXPECT_EQ(widths, (std::vector<int>{64, 48, 32, 16}));

    EXPECT_NE(resource(1, 24).find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);

    char text[512] = {};
    EXPECT_EQ(LoadStringA(module, 107, text, sizeof text), 0);
    EXPECT_EQ(LoadStringA(module, 108, text, sizeof text), 0);
    ASSERT_GT(LoadStringA(module, 113, text, sizeof text), 0);
    EXPECT_STREQ(text, "Hertz");
    FreeLibrary(module);
}

struct StoredCase {
    const char* what;
    StoredValue stored;
    LRESULT selected;
};

class StoredRateTest : public LauncherTest, public ::testing::WithParamInterface<StoredCase> {};

// Cancel with another entry chosen: what was stored stays as it was.
TEST_P(StoredRateTest, SelectsItsEntryAndCancelKeepsIt)
{
    StoreValue(GetParam().stored);
    const HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Selection(dialog), GetParam().selected);
    Send(Control(dialog, kRates), CB_SETCURSEL, 4);
    Click(dialog, kCancel);
    ExpectEndsWithZero();
    EXPECT_EQ(ReadStoredValue(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Launcher, StoredRateTest,
                         ::testing::Values(StoredCase{"listed_85", StoredValue::Dword(85), 3},
                                           StoredCase{"valid_but_not_listed_120", StoredValue::Dword(120), 0},
                                           StoredCase{"too_low_59", StoredValue::Dword(59), 0},
                                           StoredCase{"too_high_151", StoredValue::Dword(151), 0},
                                           StoredCase{"low_byte_of_316_is_60", StoredValue::Dword(316), 1},
                                           StoredCase{"one_byte_of_another_type", {REG_BINARY, {75}}, 2},
                                           StoredCase{"longer_than_four_bytes", {REG_BINARY, {85, 0, 0, 0, 0}}, 0}),
                         [](const auto& test) { return std::string(test.param.what); });

TEST_F(LauncherTest, CloseStoresNothing)
{
    StoreValue(StoredValue::Dword(120));
    const HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Send(Control(dialog, kRates), CB_SETCURSEL, 4);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ExpectEndsWithZero();
    EXPECT_EQ(ReadStoredValue(), StoredValue::Dword(120));
}

struct LaunchCase {
    const char* what;
    std::optional<StoredValue> stored;
    std::optional<WPARAM> choose;  // the entry chosen before Launch, or the one selected at start
    DWORD expected;
};

class LaunchTest : public LauncherTest, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(LaunchTest, StoresTheChosenRateAndStartsTheEngineInTheDataFolder)
{
    if (GetParam().stored)
        StoreValue(*GetParam().stored);
    const HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    if (GetParam().choose)
        Send(Control(dialog, kRates), CB_SETCURSEL, *GetParam().choose);
    Click(dialog, kLaunch);
    ExpectEndsWithZero();
    EXPECT_EQ(ReadStoredValue(), StoredValue::Dword(GetParam().expected));
    const std::optional<std::string> engineDirectory = WaitForFile(folder.engineRecord);
    ASSERT_TRUE(engineDirectory.has_value()) << "Engine.exe did not start";
    EXPECT_EQ(*engineDirectory, folder.data + "\n");
}

INSTANTIATE_TEST_SUITE_P(Launcher, LaunchTest,
                         ::testing::Values(LaunchCase{"chosen_100", std::nullopt, 4, 100},
                                           LaunchCase{"default_over_stored_120", StoredValue::Dword(120), {}, 0},
                                           LaunchCase{"safe_mode_over_stored_85", StoredValue::Dword(85), 1, 60}),
                         [](const auto& test) { return std::string(test.param.what); });

class EngineWindowTest : public LauncherTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EngineWindowTest, EndsAtOnceShowingNothing)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KVR_KERNEL";
    RegisterClassA(&windowClass);
    const HWND engine = CreateWindowA("KVR_KERNEL", GetParam(), WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                      windowClass.hInstance, nullptr);
    ASSERT_NE(engine, nullptr);

    process.emplace(folder.launcher);
    ASSERT_TRUE(process->Started());
    // A dialog would keep the launcher running; it ends by itself before even reading the setting.
    ExpectEndsWithZero();
    EXPECT_FALSE(SettingKeysExist());
    DestroyWindow(engine);
}

INSTANTIATE_TEST_SUITE_P(Launcher, EngineWindowTest, ::testing::Values("Moravind", "Moravind Demo"),
                         [](const auto& test) { return std::string(test.index == 0 ? "full" : "demo"); });

}  // namespace
}  // namespace launcher_test
