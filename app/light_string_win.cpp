// The light string as the program runs it: which window it is drawn on, when
// it steps, and how old bulbs are wiped from the desktop.
#include "app/light_string_win.h"

#include "app/globals_win.h"
#include "lights/draw_win.h"
#include "lights/flashing.h"
#include "lights/gdi_win.h"
#include "lights/layout.h"
#include "lights/lights_win.h"
#include "saver/saver_win.h"
#include "shell/owntaskbar_win.h"

namespace {

long gBuilds;
long gSteps;

const char kWipeClass[] = "festoonWipe";

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
    const bool ownStrip = gSettings.OwnWindow && OwnTaskbar() != nullptr;
    return festoon::ComputeStrip(gLights.Count(), haveArea ? &area : nullptr, ownStrip,
                                 SaverWindow() != nullptr);
}

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

void InitLightString(int screenWidth) { ResetLightString(gLights, screenWidth); }

void BuildTheString() {
    BuildLightString(gLights, gSettings);
    ++gBuilds;
}

void FreeStringIcons() { FreeLightPictures(gLights); }

void StartAnimationTimer() {
    SetTimer(gMainWnd, kAnimationTimer, festoon::TimerInterval(gSettings.Rate, gSettings.Mode),
             nullptr);
}

void StopAnimationTimer() { KillTimer(gMainWnd, kAnimationTimer); }

void StepLights(bool gated) {
    if (!festoon::AdvanceStep(gLights, gSettings, gated)) return;
    ++gSteps;
    if (gSettings.KeyLights && gSettings.Power) {
        // The activity monitor must not take our own lock-key writes for typing.
        BYTE keys[256];
        if (MirrorKeyLights(gLights, keys)) NoteOwnKeyWrite(keys);
    }
    DrawTheString();
    const DWORD now = GetTickCount();
    if (festoon::StyleChangeDue(gLights, gSettings, now)) {
        BuildTheString();
        RepaintDesktop();
        gLights.lastStyleChangeTick = now;
    }
}

void DrawTheString() {
    if (!gLights.built || gLights.Count() == 0) return;
    const festoon::Strip strip = StripNow();
    WindowDC dc(DrawTarget());
    DrawLightString(dc.get(), strip.x0, strip.y0, strip.width, gLights, gSettings.NoFlicker);
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

long StringBuilds() { return gBuilds; }
long StringSteps() { return gSteps; }
