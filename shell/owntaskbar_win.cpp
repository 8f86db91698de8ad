// The own taskbar. The bar window itself is not built yet: it is never
// created, so the string is drawn on the desktop even with OwnWindow on. The
// settings that act on it already live here.
#include "shell/owntaskbar_win.h"

#include "app/globals_win.h"
#include "app/light_string_win.h"
#include "lights/gdi_win.h"

namespace {

HWND gOwnBar;     // the bar while OwnWindow has one
HBRUSH gBarBrush; // its class background, from BackColor

const COLORREF kBackColors[7] = {
    0, // 0: the desktop's system colour, looked up when used
    RGB(0, 0, 0),
    RGB(127, 127, 127),
    RGB(192, 192, 192),
    RGB(255, 255, 255),
    RGB(0, 0, 127),
    RGB(0, 0, 255),
};

} // namespace

HWND CreateOwnTaskbar(HINSTANCE) { return nullptr; }

void DestroyOwnTaskbar() {
    if (gOwnBar) DestroyWindow(gOwnBar);
    gOwnBar = nullptr;
}

HWND OwnTaskbar() { return gOwnBar; }

void ApplyOwnTaskbarSetting() {
    if (gSettings.OwnWindow) {
        if (gOwnBar == nullptr) {
            gOwnBar = CreateOwnTaskbar(gInstance);
            if (gOwnBar) ShowWindow(gOwnBar, SW_SHOW);
        }
    } else if (gOwnBar) {
        DestroyOwnTaskbar();
    }
    RepaintDesktop();
}

void ApplyOnTopSetting() {
    if (!gSettings.OwnWindow || gOwnBar == nullptr) return;
    SetWindowPos(gOwnBar, gSettings.OnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

void ApplyBackgroundColor() {
    if (gOwnBar == nullptr) return;
    // Only 0-6 name a colour; anything else stored in the file shows as 0.
    const int index =
        (gSettings.BackColor >= 1 && gSettings.BackColor <= 6) ? gSettings.BackColor : 0;
    const COLORREF colour = index == 0 ? GetSysColor(COLOR_BACKGROUND) : kBackColors[index];
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush == nullptr) return;
    CountAcquired(kResGdi);
    SetClassLongPtrA(gOwnBar, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
    if (gBarBrush && DeleteObject(gBarBrush)) CountReleased(kResGdi);
    gBarBrush = brush;
    InvalidateRect(gOwnBar, nullptr, TRUE);
    UpdateWindow(gOwnBar);
}

void FreeOwnTaskbar() {
    DestroyOwnTaskbar();
    if (gBarBrush && DeleteObject(gBarBrush)) CountReleased(kResGdi);
    gBarBrush = nullptr;
}
