// Painting the string straight onto its target window's DC: the screen saver
// window while it runs, the own taskbar when the bulbs live there, otherwise
// the desktop (a null desktop handle paints over the whole screen).
#include <windows.h>

#include "app/globals_win.h"
#include "app/resource_count_win.h"
#include "lights/layout.h"
#include "lights/lights_win.h"
#include "lights/sprites_win.h"
#include "saver/saver_win.h"
#include "shell/owntaskbar_win.h"

namespace {

const COLORREF kBackColors[7] = {
    0, // 0: the desktop's system colour, looked up when used
    RGB(0, 0, 0),
    RGB(127, 127, 127),
    RGB(192, 192, 192),
    RGB(255, 255, 255),
    RGB(0, 0, 127),
    RGB(0, 0, 255),
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

// The string's mask and colours, assembled in memory at every draw, and a
// copy of the screen for the flicker-free path. Kept between draws (memory
// DCs are costly to make) and freed at exit.
Dib32 gMaskStrip;
Dib32 gColorStrip;
Dib32 gWorkStrip;

int EnsureStripBuffers(int width) {
    if (gWorkStrip.width == width) return 1;
    if (gMaskStrip.Create(width) && gColorStrip.Create(width) && gWorkStrip.Create(width)) return 1;
    FreeStringDrawing();
    return 0;
}

const char kWipeClass[] = "festoonWipe";
constexpr int kBlitChunk = 32 * festoon::kBulbSize;

// Not every desktop repaints pixels that another program drew on it when it is
// merely invalidated (Wine's virtual desktop often keeps them). Covering the
// string's band with a window that paints nothing and taking it away again
// makes the system redraw whatever lies beneath, on every desktop.
void UncoverStrip() {
    static ATOM atom = 0;
    if (atom == 0) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = gInstance;
        wc.lpszClassName = kWipeClass;
        atom = RegisterClassA(&wc);
        if (atom == 0) return;
    }
    const festoon::Strip strip = StripNow();
    const int height = (strip.y0 > 0 ? strip.y0 : 0) + festoon::kBulbSize;
    HWND cover = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kWipeClass,
                                 "", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN), height, nullptr,
                                 nullptr, gInstance, nullptr);
    if (cover == nullptr) return;
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    DestroyWindow(cover);
}

} // namespace

void DrawTheString() {
    if (!gLights.built || gLights.Count() == 0) return;
    const festoon::Strip strip = StripNow();
    WindowDC dc(DrawTarget());
    HDC hdc = dc.get();
    const int full = gLights.Count() * festoon::kBulbSize;
    if (hdc == nullptr || !EnsureStripBuffers(full)) return;
    ComposeBulbs(gMaskStrip, gColorStrip);
    HDC mask = gMaskStrip.dc;
    HDC colors = gColorStrip.dc;
    const int h = festoon::kBulbSize;

    if (gSettings.NoFlicker) {
        // Copy what the screen shows in the strip, lay the bulbs over it in
        // memory and put the strip back in one piece: the screen never shows
        // a half-drawn string.
        if (strip.width <= 0) return;
        HDC work = gWorkStrip.dc;
        BitBlt(work, 0, 0, strip.width, h, hdc, strip.x0, strip.y0, SRCCOPY);
        BitBlt(work, 0, 0, strip.width, h, mask, 0, 0, SRCAND);
        BitBlt(work, 0, 0, strip.width, h, colors, 0, 0, SRCPAINT);
        BitBlt(hdc, strip.x0, strip.y0, strip.width, h, work, 0, 0, SRCCOPY);
    } else {
        // Every bulb straight through its mask onto the screen, a screen's
        // width at a time: under Wine a mask blit much wider than 1024 pixels
        // takes a slow path, several times slower than two narrower ones.
        for (int x = 0; x < full; x += kBlitChunk) {
            const int w = full - x < kBlitChunk ? full - x : kBlitChunk;
            BitBlt(hdc, strip.x0 + x, strip.y0, w, h, mask, x, 0, SRCAND);
            BitBlt(hdc, strip.x0 + x, strip.y0, w, h, colors, x, 0, SRCPAINT);
        }
    }
}

void FreeStringDrawing() {
    gMaskStrip.Free();
    gColorStrip.Free();
    gWorkStrip.Free();
}

void RepaintDesktop() {
    InvalidateRect(gDesktop, nullptr, TRUE);
    InvalidateRect(GetDesktopWindow(), nullptr, TRUE);
    UpdateWindow(gDesktop);
    UpdateWindow(GetDesktopWindow());
    UncoverStrip();
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
    const int index =
        (gSettings.BackColor >= 1 && gSettings.BackColor <= 6) ? gSettings.BackColor : 0;
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
