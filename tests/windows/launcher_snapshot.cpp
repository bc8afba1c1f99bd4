// Takes a picture of launcher.exe's dialog, as the screen shows it, into a 24-bit BMP file:
//   launcher_snapshot.exe OUTPUT.bmp
// Nothing is stored, so the dialog shows the default entry selected.
#include <cstdio>
#include <fstream>
#include <vector>

#include "tests/windows/launcher_session.h"

namespace {

std::vector<char> ScreenBitmap(const RECT& area)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const auto stride = static_cast<DWORD>((width * 3 + 3) / 4 * 4);
    info.biSizeImage = stride * static_cast<DWORD>(height);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    std::vector<char> file(offset + info.biSizeImage);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), file.data() + offset,
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    const BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(file.size()), 0, 0, offset};
    CopyMemory(file.data(), &header, sizeof header);
    CopyMemory(file.data() + sizeof header, &info, sizeof info);

    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return file;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace launcher_test;
    if (argc != 2) {
        std::fprintf(stderr, "usage: launcher_snapshot OUTPUT.bmp\n");
        return 2;
    }
    RemoveSettingKeys();
    const LauncherFolder folder = LauncherFolder::Prepare();
    LauncherProcess launcher(folder.launcher);
    const HWND dialog = launcher.WaitForDialog();
    if (dialog == nullptr) {
        std::fprintf(stderr, "launcher_snapshot: no dialog appeared\n");
        return 1;
    }
    // Have everything painted before the picture is taken.
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Send(dialog, WM_NULL);
    Sleep(500);
    RECT area{};
    GetWindowRect(dialog, &area);
    const std::vector<char> bitmap = ScreenBitmap(area);
    std::ofstream(argv[1], std::ios::binary).write(bitmap.data(), static_cast<std::streamsize>(bitmap.size()));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    launcher.WaitForExit();
    RemoveSettingKeys();
    return 0;
}
