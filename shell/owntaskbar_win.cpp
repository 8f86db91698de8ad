// The own taskbar: a strip window along the top of the screen that registers
// with the shell as a desktop toolbar, so that maximised windows stop below
// it and the bulbs hung in it stay in sight. The order of the appbar messages
// lives in shell/owntaskbar.cpp; this file carries them to the shell.
#include "shell/owntaskbar_win.h"

#include <shellapi.h>

#include "app/globals_win.h"
#include "app/light_string_win.h"
#include "lights/gdi_win.h"
#include "shell/owntaskbar.h"

namespace {

const char kBarClass[] = "zezAppBarwClass";

HWND gOwnBar;     // the bar while OwnWindow has one
HBRUSH gBarBrush; // its class background, from BackColor
int gClassRegistered;
festoon::AppBarState gBarState;

// Carries the protocol's messages for one bar window to the shell and the
// window manager.
class ShellOfBar : public festoon::AppBarShell {
  public:
    explicit ShellOfBar(HWND hwnd) : hwnd_(hwnd) {}

    std::uintptr_t Send(festoon::AppBarMessage message, int edge, festoon::Area* rect,
                        long param) override {
        APPBARDATA abd = {};
        abd.cbSize = sizeof abd; // the record of the build's own width, not a fixed 36
        abd.hWnd = hwnd_;
        abd.uCallbackMessage = festoon::kAppBarCallback;
        abd.uEdge = static_cast<UINT>(edge);
        if (rect) abd.rc = RECT{rect->left, rect->top, rect->right, rect->bottom};
        abd.lParam = param;
        const UINT_PTR answer = SHAppBarMessage(static_cast<DWORD>(message), &abd);
        if (rect) *rect = festoon::Area{abd.rc.left, abd.rc.top, abd.rc.right, abd.rc.bottom};
        return answer;
    }

    void Move(const festoon::Area& r) override {
        SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        UpdateWindow(hwnd_);
    }

    void Restack(festoon::BarLayer layer) override {
        HWND after = layer == festoon::BarLayer::Bottom    ? HWND_BOTTOM
                     : layer == festoon::BarLayer::Topmost ? HWND_TOPMOST
                                                           : HWND_NOTOPMOST;
        SetWindowPos(hwnd_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

  private:
    HWND hwnd_;
};

festoon::DockContext DockNow() {
    festoon::DockContext context;
    context.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    context.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    context.onTop = gSettings.OnTop != 0;
    return context;
}

void OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    DrawTheString();
}

void OnDestroy(HWND hwnd) {
    ShellOfBar shell(hwnd);
    festoon::AppBarUnregister(shell);
    // Whoever destroyed it, the handle must not outlive the window.
    if (gOwnBar == hwnd) gOwnBar = nullptr;
}

LRESULT CALLBACK OwnTaskbarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_MOVE:
        DrawTheString();
        return 0;
    case WM_WINDOWPOSCHANGED: {
        DefWindowProcA(hwnd, msg, wParam, lParam);
        ShellOfBar shell(hwnd);
        festoon::AppBarOnWindowPosChanged(shell);
        return 0;
    }
    case WM_ACTIVATE: {
        DefWindowProcA(hwnd, msg, wParam, lParam);
        ShellOfBar shell(hwnd);
        festoon::AppBarOnActivate(shell);
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        ApplyBackgroundColor();
        return 0;
    case WM_CONTEXTMENU:
        return 0; // the bar has no menu
    case WM_CLOSE:
        CloseProgram();
        return 0;
    case WM_DESTROY:
        OnDestroy(hwnd);
        return 0;
    case festoon::kAppBarCallback: {
        ShellOfBar shell(hwnd);
        return festoon::AppBarOnNotify(gBarState, shell, static_cast<unsigned>(wParam),
                                       static_cast<long>(lParam), DockNow());
    }
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

int RegisterBarClass(HINSTANCE instance) {
    if (gClassRegistered) return 1;
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = OwnTaskbarProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BACKGROUND + 1));
    wc.lpszClassName = kBarClass;
    gClassRegistered = RegisterClassA(&wc) != 0;
    return gClassRegistered;
}

} // namespace

HWND CreateOwnTaskbar(HINSTANCE instance) {
    if (!RegisterBarClass(instance)) return nullptr;
    // A child of the desktop: no caption or frame to move or size it by, and
    // no button on the system taskbar.
    HWND hwnd =
        CreateWindowExA(0, kBarClass, "", WS_CHILD, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        festoon::kBarThickness, GetDesktopWindow(), nullptr, instance, nullptr);
    if (hwnd == nullptr) return nullptr;
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShellOfBar shell(hwnd);
    festoon::AppBarRegister(gBarState, shell, DockNow());
    return hwnd;
}

void DestroyOwnTaskbar() {
    if (gOwnBar) DestroyWindow(gOwnBar);
    gOwnBar = nullptr;
}

HWND OwnTaskbar() { return gOwnBar; }

void ApplyOwnTaskbarSetting() {
    if (gSettings.OwnWindow) {
        if (gOwnBar == nullptr) {
            gOwnBar = CreateOwnTaskbar(gInstance);
            if (gOwnBar) {
                // A bar switched on while the program runs is filled like
                // one made at start-up.
                ApplyBackgroundColor();
                ShowWindow(gOwnBar, SW_SHOW);
            }
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
    const COLORREF colour =
        festoon::BackgroundColour(gSettings.BackColor, GetSysColor(COLOR_BACKGROUND));
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
    // The class outlives the window; it must not keep a brush about to go.
    if (gClassRegistered && UnregisterClassA(kBarClass, gInstance)) gClassRegistered = 0;
    if (gBarBrush && DeleteObject(gBarBrush)) CountReleased(kResGdi);
    gBarBrush = nullptr;
}
