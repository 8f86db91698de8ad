// The screen saver window: a black, topmost window over the whole screen with
// the light string along its top, one effect running beneath it every 50 ms,
// the user's message and the logo. A key ends it, and so may the mouse.
//
// The picture lives in a 32-bit DIB in memory that the effects read and
// write through a PixelCanvas; each tick copies only the changed rows to the
// window. Reading pixels back from a window DC is a round trip on many
// systems, and the snow reads thousands of them per tick.
#include <windows.h>
#include <windowsx.h>

#include <cstring>
#include <new>

#include "app/globals_win.h"
#include "app/light_string_win.h"
#include "lights/gdi_win.h"
#include "lights/lights_win.h"
#include "lights/sprites_win.h"
#include "resource.h"
#include "saver/effects.h"
#include "saver/monitor.h"
#include "saver/saver_win.h"
#include "saver/saver_test_win.h"

LRESULT CALLBACK SaverWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

const char kSaverClass[] = "ssfsClass";
constexpr UINT_PTR kSaverTimer = 2;
constexpr UINT kTickMs = 50;
constexpr COLORREF kTextRed = RGB(255, 0, 0);

HWND gSaverWnd;
int gRunning;
POINT gStart;
unsigned char gTypedWithAlt[256];
festoon::SaverEffects gEffects;

// The saver's picture: a top-down 32-bit DIB selected into a memory DC.
Dib32 gFrame;
festoon::PixelCanvas* gCanvas;
// The string's mask and colours, laid into the picture whenever the string
// stepped or the effect drew over it.
Dib32 gBulbMask;
Dib32 gBulbColours;
long gBulbSteps = -1;
long gBulbBuilds = -1;

void FreeFrame() {
    delete gCanvas;
    gCanvas = nullptr;
    gBulbMask.Free();
    gBulbColours.Free();
    gFrame.Free();
}

// Without a frame (a screen too large for one, or no memory) the saver still
// covers the screen, with the string, message and logo, but no effect runs.
int CreateFrame(int width, int height) {
    FreeFrame();
    if (width <= 0 || height <= 0 || width > festoon::PixelCanvas::kMaxSide ||
        height > festoon::PixelCanvas::kMaxSide)
        return 0;
    if (!gFrame.Create(width, height)) return 0;
    gCanvas = new (std::nothrow)
        festoon::PixelCanvas(reinterpret_cast<std::uint32_t*>(gFrame.bits()), width, height, width);
    if (!gCanvas) {
        FreeFrame();
        return 0;
    }
    const int strip = gLights.Count() * 32;
    if (strip > 0) {
        gBulbMask.Create(strip);
        gBulbColours.Create(strip);
    }
    gBulbSteps = gBulbBuilds = -1;
    return 1;
}

// The rows a single line of text takes when drawn with these flags.
RECT TextRect(HDC hdc, const RECT& client, const char* text, UINT flags) {
    RECT r = client;
    DrawTextA(hdc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE);
    const int w = r.right - r.left, h = r.bottom - r.top;
    RECT out = client;
    if (flags & DT_CENTER) out.left = client.left + (client.right - client.left - w) / 2;
    out.right = out.left + w;
    if (flags & DT_BOTTOM) {
        out.top = client.bottom - h;
    } else if (flags & DT_VCENTER) {
        out.top = client.top + (client.bottom - client.top - h) / 2;
    }
    out.bottom = out.top + h;
    InflateRect(&out, 2, 2);
    return out;
}

// Draws the message in red with the 72-point font; returns where it went.
RECT DrawMessage(HDC hdc, const RECT& client, UINT flags) {
    Selection font(hdc, gFont72Bold);
    SetTextColor(hdc, kTextRed);
    SetBkMode(hdc, TRANSPARENT);
    RECT r = client;
    DrawTextA(hdc, gSettings.SSMsg, -1, &r, flags);
    return TextRect(hdc, client, gSettings.SSMsg, flags);
}

RECT MessageRect(HDC hdc, const RECT& client, UINT flags) {
    Selection font(hdc, gFont72Bold);
    return TextRect(hdc, client, gSettings.SSMsg, flags);
}

RECT LogoRect(HDC hdc, const RECT& client) {
    Selection font(hdc, gFont12);
    return TextRect(hdc, client, kAppTitle, DT_SINGLELINE | DT_BOTTOM);
}

bool MessageInCentre() { return gSettings.SSType != festoon::kSaverSnow && gSettings.SSMsg[0]; }

// Falling Snow's ground: the snowman and the tree standing on the bottom
// edge, or the message in their place.
void DrawSnowScene(HDC hdc, const RECT& client) {
    if (gSettings.SSMsg[0]) {
        DrawMessage(hdc, client, DT_SINGLELINE | DT_BOTTOM | DT_CENTER);
        return;
    }
    MemoryDC memory(hdc);
    HDC mem = memory.get();
    if (mem == nullptr) return;
    const int ids[2] = {IDB_SNOWMAN, IDB_TREE};
    for (int k = 0; k < 2; ++k) {
        GdiObject bitmap(LoadBitmapA(gInstance, MAKEINTRESOURCEA(ids[k])));
        BITMAP info;
        if (bitmap.get() == nullptr || !GetObjectA(bitmap.get(), sizeof info, &info)) continue;
        const festoon::Point at = festoon::SaverPicturePosition(
            k, client.right - client.left, client.bottom, info.bmWidth, info.bmHeight);
        Selection picture(mem, bitmap.get());
        BitBlt(hdc, at.x, at.y, info.bmWidth, info.bmHeight, mem, 0, 0, SRCCOPY);
    }
}

// Lays the string into the picture when it changed or the effect drew over it.
void LayBulbs() {
    if (!gCanvas || !gLights.built || gBulbMask.width() == 0 || gBulbColours.width() == 0) return;
    const bool covered = gCanvas->IsDirty(0, 32);
    if (!covered && gBulbSteps == StringSteps() && gBulbBuilds == StringBuilds()) return;
    gBulbSteps = StringSteps();
    gBulbBuilds = StringBuilds();
    ComposeBulbs(gLights, gBulbMask, gBulbColours);
    GdiFlush();
    gCanvas->Overlay(reinterpret_cast<const std::uint32_t*>(gBulbMask.bits()),
                     reinterpret_cast<const std::uint32_t*>(gBulbColours.bits()), gBulbMask.width(),
                     32);
}

// The frame's first picture: what the window shows before the first tick.
void PaintFrame(HWND hwnd) {
    RECT client = {0, 0, gFrame.width(), gFrame.height()};
    if (gSettings.SSType == festoon::kSaverSnow) DrawSnowScene(gFrame.dc(), client);
    if (MessageInCentre()) DrawMessage(gFrame.dc(), client, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    DrawSaverLogo(hwnd, gFrame.dc());
    GdiFlush();
    LayBulbs();
}

void CopyChanged(HWND hwnd) {
    int left, top, right, bottom;
    if (!gCanvas->TakeDirty(&left, &top, &right, &bottom)) return;
    WindowDC dc(hwnd);
    if (dc.get() == nullptr) return;
    do {
        BitBlt(dc.get(), left, top, right - left, bottom - top, gFrame.dc(), left, top, SRCCOPY);
    } while (gCanvas->TakeDirty(&left, &top, &right, &bottom));
}

LRESULT OnCreate(HWND hwnd) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    festoon::EffectInit(gEffects, gSettings.SSType, width, height);
    if (CreateFrame(width, height)) PaintFrame(hwnd);
    SetTimer(hwnd, kSaverTimer, kTickMs, nullptr);
    if (!GetCursorPos(&gStart)) gStart = POINT{0, 0};
    std::memset(gTypedWithAlt, 0, sizeof gTypedWithAlt);
    return 0;
}

void OnDestroy(HWND hwnd) {
    KillTimer(hwnd, kSaverTimer);
    FreeFrame();
    // Destroyed by anything but EndScreenSaver: the string must not keep
    // drawing on a window that is gone, and a later start must not be refused.
    if (hwnd == gSaverWnd) {
        gSaverWnd = nullptr;
        gRunning = 0;
    }
}

void OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc == nullptr) return;
    if (gCanvas) {
        const RECT& r = ps.rcPaint;
        BitBlt(hdc, r.left, r.top, r.right - r.left, r.bottom - r.top, gFrame.dc(), r.left, r.top,
               SRCCOPY);
    } else {
        RECT client;
        GetClientRect(hwnd, &client);
        if (gSettings.SSType == festoon::kSaverSnow) DrawSnowScene(hdc, client);
        DrawSaverLogo(hwnd, hdc);
    }
    EndPaint(hwnd, &ps);
}

// One tick: the effect draws, then the message and logo are drawn again where
// it may have drawn over them, then the string; only changed rows reach the
// window.
void OnTick(HWND hwnd) {
    if (gCanvas == nullptr) {
        WindowDC dc(hwnd);
        if (dc.get() == nullptr) return;
        RECT client;
        GetClientRect(hwnd, &client);
        if (MessageInCentre())
            DrawMessage(dc.get(), client, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        DrawSaverLogo(hwnd, dc.get());
        return;
    }
    GdiFlush(); // the last copy to the window may still be reading the picture
    festoon::EffectStep(gEffects, gSettings.SSType, *gCanvas);
    const RECT client = {0, 0, gFrame.width(), gFrame.height()};
    if (MessageInCentre()) {
        const RECT at = MessageRect(gFrame.dc(), client, DT_VCENTER | DT_CENTER);
        if (gCanvas->IsDirty(at.top, at.bottom)) {
            const RECT drawn =
                DrawMessage(gFrame.dc(), client, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
            gCanvas->MarkDirty(drawn.left, drawn.top, drawn.right, drawn.bottom);
        }
    }
    if (gSettings.SSLogo) {
        const RECT at = LogoRect(gFrame.dc(), client);
        if (gCanvas->IsDirty(at.top, at.bottom)) {
            DrawSaverLogo(hwnd, gFrame.dc());
            gCanvas->MarkDirty(at.left, at.top, at.right, at.bottom);
        }
    }
    GdiFlush();
    LayBulbs();
    CopyChanged(hwnd);
}

// Keys typed with Alt do not end the saver. Their key-ups may still arrive
// as plain WM_KEYUP (Alt let go first, and Alt's own release after a
// combination), so those are remembered from their WM_SYSKEYDOWN.
void OnKeyUp(WPARAM vk) {
    if (vk == VK_MENU || gTypedWithAlt[vk & 0xFF]) {
        gTypedWithAlt[vk & 0xFF] = 0;
        return;
    }
    EndScreenSaver();
}

void OnMouseMove(LPARAM lParam) {
    if (!gSettings.SSMouseMove) return;
    // The window covers the screen from (0, 0), so its client coordinates
    // are screen coordinates.
    if (festoon::MouseMoveEnds(gStart.x, gStart.y, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))
        EndScreenSaver();
}

const char kUncoverClass[] = "festoonSaverWipe";

// Not every desktop repaints what a window left behind when it goes (Wine's
// virtual desktop often keeps the saver's last picture). Showing a window
// that paints nothing over the screen and taking it away again makes the
// system redraw whatever lies beneath.
void UncoverScreen() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = gInstance;
    wc.lpszClassName = kUncoverClass;
    if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return;
    HWND cover =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kUncoverClass, "",
                        WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, gInstance, nullptr);
    if (cover == nullptr) return;
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    DestroyWindow(cover);
}

int RegisterSaverClass() {
    WNDCLASSA wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS;
    wc.lpfnWndProc = SaverWndProc;
    wc.hInstance = gInstance;
    wc.hCursor = LoadCursorA(gInstance, "NullCursor");
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kSaverClass;
    // Registered at every start; after the first, it already exists.
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

LRESULT CALLBACK SaverWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return OnCreate(hwnd);
    case WM_DESTROY:
        OnDestroy(hwnd);
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_TIMER:
        OnTick(hwnd);
        return 0;
    case WM_KEYDOWN:
        EndScreenSaver();
        return 0;
    case WM_SYSKEYDOWN:
        gTypedWithAlt[wParam & 0xFF] = 1;
        break;
    case WM_KEYUP:
        OnKeyUp(wParam);
        return 0;
    case WM_CLOSE:
        // Alt+F4: keys typed with Alt do not end the saver, but closing the
        // window does, through the same ending as a key.
        EndScreenSaver();
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (gSettings.SSMouseClick) EndScreenSaver();
        return 0;
    case WM_SYSCOMMAND:
        // Windows' own screen saver is held off while this one shows.
        if ((wParam & 0xFFF0) == SC_SCREENSAVE && gSettings.IgnoreWinSS) return 1;
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void StartScreenSaver() {
    if (gRunning) return;
    RegisterSaverClass();
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, kSaverClass, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                GetDesktopWindow(), nullptr, gInstance, nullptr);
    if (hwnd == nullptr) return;
    gSaverWnd = hwnd;
    // Keys reach only the foreground window; a program in the background may
    // be refused this, and then only the mouse ends the saver.
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    DrawTheString();
    gRunning = 1;
}

void EndScreenSaver() {
    if (!gRunning) return;
    HWND hwnd = gSaverWnd;
    // Cleared first: the messages that destroying the window sends must not
    // end it a second time.
    gSaverWnd = nullptr;
    gRunning = 0;
    DestroyWindow(hwnd);
    RepaintDesktop();
    UncoverScreen();
    RecordActivity();
    DrawTheString();
}

HWND SaverWindow() { return gSaverWnd; }

void DrawSaverLogo(HWND hwnd, HDC hdc) {
    if (!gSettings.SSLogo || hdc == nullptr) return;
    RECT client;
    if (hwnd == nullptr || !GetClientRect(hwnd, &client)) return;
    HGDIOBJ previous = SelectObject(hdc, gFont12);
    SetTextColor(hdc, kTextRed);
    SetBkMode(hdc, TRANSPARENT);
    DrawTextA(hdc, kAppTitle, -1, &client, DT_SINGLELINE | DT_BOTTOM);
    SelectObject(hdc, previous);
}

#ifdef FESTOON_TEST_BUILD
long SaverTickMicroseconds(int ticks) {
    if (gSaverWnd == nullptr) return -1;
    LARGE_INTEGER freq, start, end;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < ticks; ++i) OnTick(gSaverWnd);
    GdiFlush();
    QueryPerformanceCounter(&end);
    return static_cast<long>((end.QuadPart - start.QuadPart) * 1000000 / freq.QuadPart);
}
#endif
