#include "launcher/dialog.h"

#include <commctrl.h>

#include "launcher/geometry.h"
#include "launcher/resource.h"

namespace launcher {

void LauncherDialog::Setup(HWND dialog, const TextTable& texts, const RateList& rates,
                           const RefreshRateSetting& setting)
{
    m_dialog = dialog;
    SizeClientArea();
    CentreWindow(m_dialog, nullptr);
    SetWindowTextA(m_dialog, texts.GetText("GameTitle", ""));
    SetDlgItemTextA(m_dialog, IDC_LAUNCH, texts.GetText("Launch", ""));
    SetDlgItemTextA(m_dialog, IDC_CANCEL, texts.GetText("Cancel", ""));
    FillRates(rates, setting);
    SetDlgItemTextA(m_dialog, IDC_TEXT1, texts.GetText("Text1", ""));
    SetDlgItemTextA(m_dialog, IDC_TEXT2, texts.GetText("Text2", ""));
}

void LauncherDialog::SizeClientArea()
{
    RECT rect{0, 0, kClientSize.width, kClientSize.height};
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongA(m_dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(m_dialog, GWL_EXSTYLE)));
    SetWindowPos(m_dialog, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER);
}

void LauncherDialog::FillRates(const RateList& rates, const RefreshRateSetting& setting)
{
    const HWND combo = GetDlgItem(m_dialog, IDC_RATES);
    for (const RateChoice& choice : rates.Choices())
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.text.c_str()));
    SendMessageA(combo, CB_SETCURSEL, rates.SelectionFor(setting.rate), 0);
    // The combo box is only as high as its selection field, so its drop-down list is told outright
    // to show every choice.
    SendMessageA(combo, CB_SETMINVISIBLE, rates.Choices().size(), 0);
}

void LauncherDialog::Layout()
{
    RECT client;
    GetClientRect(m_dialog, &client);
    for (const ControlPlace& place : LayoutTable(client.right - client.left)) {
        MoveWindow(GetDlgItem(m_dialog, place.id), place.rect.x, place.rect.y, place.rect.width,
                   place.rect.height, TRUE);
    }
}

void CentreWindow(HWND window, HWND parent)
{
    RECT outer;
    GetWindowRect(window, &outer);
    Rect area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (parent != nullptr) {
        RECT parentRect;
        GetWindowRect(parent, &parentRect);
        area = {parentRect.left, parentRect.top, parentRect.right - parentRect.left,
                parentRect.bottom - parentRect.top};
    }
    const HDC dc = GetDC(window);
    const Size display{GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
    ReleaseDC(window, dc);
    const Point position =
        CentredPosition({outer.right - outer.left, outer.bottom - outer.top}, area, display);
    SetWindowPos(window, nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace launcher
