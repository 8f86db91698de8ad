// See dialog_common_win.h.
#include "ui/dialog_common_win.h"

#include "resource.h"

INT_PTR GreyBackground(WPARAM hdc, COLORREF text) {
    HDC dc = reinterpret_cast<HDC>(hdc);
    SetBkColor(dc, kDialogGrey);
    SetTextColor(dc, text);
    return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
}

void ShowDialogMenu(HWND dlg, LPARAM position, int withAbout) {
    // Signed 16-bit halves: on a second monitor left of the first, x is negative.
    int x = static_cast<short>(LOWORD(position));
    int y = static_cast<short>(HIWORD(position));
    if (x == -1 && y == -1) {
        // From the keyboard (Shift+F10, the menu key): no mouse position.
        POINT p;
        GetCursorPos(&p);
        x = p.x;
        y = p.y;
    }
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return;
    if (withAbout) {
        AppendMenuA(menu, MF_STRING, IDM_ABOUT, "&About Festoon...");
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
    AppendMenuA(menu, MF_STRING, IDCANCEL, "&Close\tAlt+F4");
    // The owner must be the foreground window, or the menu does not go away
    // when the user clicks elsewhere.
    SetForegroundWindow(dlg);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, x, y, 0, dlg, nullptr);
    PostMessageA(dlg, WM_NULL, 0, 0);
    DestroyMenu(menu);
}
