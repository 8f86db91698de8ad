// Painting the string straight onto its target window's DC: the screen saver
// window while it runs, the own taskbar when the bulbs live there, otherwise
// the desktop (a null desktop handle paints over the whole screen).
#include <windows.h>

#include "app/globals_win.h"
#include "app/resource_count_win.h"
#include "lights/layout.h"
#include "lights/lights_win.h"
#include "saver/saver_win.h"
#include "shell/owntaskbar_win.h"

namespace {

const COLORREF kBackColors[7] = {
    0, // 0: the desktop's system colour, looked up when used
    RGB(0, 0, 0),     RGB(127, 127, 127), RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 127),   RGB(0, 0, 255),
};

HBRUSH gBarBrush; // class background of the own taskbar

HWND DrawTarget() {
    if (HWND saver = SaverWindow()) return saver;
    if (gSettings.OwnWindow)
        if (HWND bar = OwnTaskbar()) return bar;
    return gDesktop;
}

festoon::Strip StripNow() {
    RECT r;
    festoon::Area area;
    const bool haveArea = SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0) != 0;
    if (haveArea) area = festoon::Area{r.left, r.top, r.right, r.bottom};
    return festoon::ComputeStrip(gLights.Count(), haveArea ? &area : nullptr,
                                 gSettings.OwnWindow != 0, SaverWindow() != nullptr);
}

HICON IconOf(const festoon::Bulb& b) {
    return static_cast<HICON>(const_cast<void*>(b.icon[b.lit ? 1 : 0]));
}

void DrawIcons(HDC hdc, int x0, int y0) {
    for (const festoon::Bulb& b : gLights.bulbs) {
        HICON icon = IconOf(b);
        if (icon)
            DrawIconEx(hdc, x0 + b.x, y0 + b.y, icon, festoon::kBulbSize, festoon::kBulbSize, 0,
                       nullptr, DI_NORMAL);
    }
}

// Composes the strip off screen and copies it back in one piece. The strip is
// first copied from the screen, since the icons are laid over what is there.
void DrawFlickerFree(HDC hdc, const festoon::Strip& strip) {
    if (strip.width <= 0) return;
    MemoryDC mem(hdc);
    GdiObject bitmap(CreateCompatibleBitmap(hdc, strip.width, festoon::kBulbSize));
    if (mem.get() == nullptr || bitmap.get() == nullptr) return;
    Selection sel(mem.get(), bitmap.get());
    BitBlt(mem.get(), 0, 0, strip.width, festoon::kBulbSize, hdc, strip.x0, strip.y0, SRCCOPY);
    DrawIcons(mem.get(), 0, 0);
    BitBlt(hdc, strip.x0, strip.y0, strip.width, festoon::kBulbSize, mem.get(), 0, 0, SRCCOPY);
}

} // namespace

void DrawTheString() {
    if (!gLights.built) return;
    const festoon::Strip strip = StripNow();
    WindowDC dc(DrawTarget());
    if (dc.get() == nullptr) return;
    if (gSettings.NoFlicker)
        DrawFlickerFree(dc.get(), strip);
    else
        DrawIcons(dc.get(), strip.x0, strip.y0);
}

void RepaintDesktop() {
    InvalidateRect(gDesktop, nullptr, TRUE);
    InvalidateRect(GetDesktopWindow(), nullptr, TRUE);
    // Some desktops ignore a whole-window invalidation of the desktop; naming
    // the screen rectangle outright makes them erase it.
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    InvalidateRect(GetDesktopWindow(), &screen, TRUE);
    UpdateWindow(gDesktop);
    UpdateWindow(GetDesktopWindow());
}

void RepaintSystemTaskbar() {
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (tray == nullptr) return;
    InvalidateRect(tray, nullptr, TRUE);
    UpdateWindow(tray);
}

void ApplyBackgroundColor() {
    HWND bar = OwnTaskbar();
    if (bar == nullptr) return;
    // Only 0-6 name a colour; anything else stored in the file shows as 0.
    const int index = (gSettings.BackColor >= 1 && gSettings.BackColor <= 6) ? gSettings.BackColor : 0;
    const COLORREF colour = index == 0 ? GetSysColor(COLOR_BACKGROUND) : kBackColors[index];
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush == nullptr) return;
    CountAcquired(kResGdi);
    SetClassLongPtrA(bar, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
    if (gBarBrush && DeleteObject(gBarBrush)) CountReleased(kResGdi);
    gBarBrush = brush;
    InvalidateRect(bar, nullptr, TRUE);
    UpdateWindow(bar);
}
