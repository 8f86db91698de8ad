// Dialog helpers: opening the two main dialogs once, placement, the
// program's message box, and the raised bevel several windows paint.
#include "app/dialogs_win.h"

#include "app/globals_win.h"
#include "app/light_string_win.h"
#include "lights/gdi_win.h"
#include "ui/about_dlg_win.h"
#include "ui/options_dlg_win.h"

void BringToFront(HWND hwnd) {
    BringWindowToTop(hwnd);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
}

namespace {

// A second request for a dialog that is already open only raises it.
int RaiseIfOpen(const OpenDialog& d) {
    if (!d.open) return 0;
    if (d.hwnd) {
        ShowWindow(d.hwnd, SW_SHOW);
        BringToFront(d.hwnd);
    }
    return 1;
}

} // namespace

void OpenAbout(HWND owner) {
    if (!RaiseIfOpen(gDialogs.about)) RunAboutDialog(owner);
}

void OpenOptions(HWND owner) {
    if (RaiseIfOpen(gDialogs.options)) return;
    // Every return from the dialog, whatever ended it, builds the string
    // again with fresh random choices.
    if (RunOptionsDialog(owner)) BuildTheString();
}

void PlaceDialog(HWND dlg) {
    const int cx = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int cy = GetSystemMetrics(SM_CYSCREEN) / 2;
    RECT r;
    if (GetWindowLongA(dlg, GWL_STYLE) & WS_POPUP)
        GetWindowRect(dlg, &r);
    else
        GetClientRect(dlg, &r);
    SetWindowPos(dlg, nullptr, cx + (r.left - r.right) / 2, cy + (r.top - r.bottom) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
}

void InformationBox(const char* text) { MessageBoxA(nullptr, text, kAppTitle, MB_ICONINFORMATION); }

void RaisedFrame(HWND hwnd, HDC hdc, int n) {
    RECT r;
    GetClientRect(hwnd, &r);
    --r.right;
    --r.bottom;
    for (int i = 0; i < n; ++i) {
        {
            Selection white(hdc, GetStockObject(WHITE_PEN));
            MoveToEx(hdc, r.left + i, r.bottom - i, nullptr);
            LineTo(hdc, r.left + i, r.top + i);
            LineTo(hdc, r.right - i, r.top + i);
        }
        GdiObject grey(CreatePen(PS_SOLID, 1, RGB(127, 127, 127)));
        Selection sel(hdc, grey.get());
        LineTo(hdc, r.right - i, r.bottom - i);
        LineTo(hdc, r.left + i, r.bottom - i);
    }
}
