// The hidden main window: the program's switchboard. Every command arrives
// here as WM_SYSCOMMAND, whether from the tray menu, a tray click, another
// window's menu or a second start of the program.
#include <windows.h>
#include <mmsystem.h>

#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "app/light_string_win.h"
#include "app/testhook_win.h"
#include "calendar/calwnd_win.h"
#include "media/midi_win.h"
#include "resource.h"
#include "saver/saver_test_win.h"
#include "saver/saver_win.h"
#include "settings/settings_win.h"
#include "shell/owntaskbar_win.h"
#include "shell/tray_win.h"
#include "ui/backcolor_dlg_win.h"

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

void OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RaisedFrame(hwnd, hdc, 2);
    EndPaint(hwnd, &ps);
}

void OnTimer(UINT_PTR id) {
    if (id != kAnimationTimer) return;
    CheckActivity();
    // While the options or about dialog runs its own message loop, the idle
    // work of the main loop is starved, so the timer keeps the string going.
    if (!gSettings.IdleProcess || gDialogs.options.open || gDialogs.about.open) {
        StepLights(false);
        if (gSettings.ScreenSaver && SaverWindow() == nullptr && ScreenSaverDue())
            StartScreenSaver();
    }
}

// Windows asks to start its own screen saver. While ours is enabled, that
// request never passes; the answer tells Windows whether to try again.
LRESULT OnScreenSaveRequest(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (!gSettings.ScreenSaver) return DefWindowProcA(hwnd, WM_SYSCOMMAND, wParam, lParam);
    return gSettings.IgnoreWinSS ? 0 : 1;
}

LRESULT OnSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if ((wParam & 0xFFF0) == SC_SCREENSAVE) return OnScreenSaveRequest(hwnd, wParam, lParam);
    switch (wParam) {
    case IDM_ABOUT:
        RecordActivity();
        OpenAbout(hwnd);
        return 1;
    case IDM_OPTIONS:
    case SC_MAXIMIZE:
    case SC_RESTORE:
    case 0xF122: // SC_RESTORE as sent by a double click on a caption
        RecordActivity();
        OpenOptions(hwnd);
        return 1;
    case IDM_HIDE:
        ShowWindow(hwnd, SW_HIDE);
        return 1;
    case IDM_EXIT:
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return 1;
    case IDM_TOGGLE_ONTOP:
        // Any non-zero value in the file means on, and 1 - OnTop would turn 2
        // into -1, still on.
        gSettings.OnTop = gSettings.OnTop ? 0 : 1;
        ApplyOnTopSetting();
        SaveSettingsFile();
        break;
    case IDM_TOGGLE_ZOOM:
        gSettings.Zoom = 1 - gSettings.Zoom;
        SaveSettingsFile();
        break;
    case IDM_BACKCOLOR:
        RunBackColorDialog(hwnd);
        break;
    case IDM_CALENDAR:
        ShowCalendarWindow();
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, WM_SYSCOMMAND, wParam, lParam);
}

// A laptop docked to a larger monitor, or a new resolution: the string is
// laid out again for the new width, and the bulbs of the old layout (which
// may lie beyond the new edge or under the new positions) are wiped first.
void OnDisplayChange() {
    InitLightString(GetSystemMetrics(SM_CXSCREEN));
    BuildTheString();
    RepaintDesktop();
    DrawTheString();
}

} // namespace

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        RecordActivity();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        RepaintDesktop(); // the desktop shows without the bulbs again
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_CLOSE:
        CloseSequence(hwnd);
        return 0;
    case WM_SETTINGCHANGE:
    case WM_DEVMODECHANGE:
        RepaintSystemTaskbar();
        ApplyBackgroundColor();
        return 0;
    case WM_DISPLAYCHANGE:
        OnDisplayChange();
        return 0;
    case WM_COMMAND:
        PostMessageA(hwnd, WM_SYSCOMMAND, wParam, lParam);
        return 0;
    case WM_SYSCOMMAND:
        return OnSysCommand(hwnd, wParam, lParam);
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_INITMENU:
        RecordActivity();
        return 0;
    case MM_MCINOTIFY:
        MIDIOnNotify(hwnd, wParam);
        return 0;
    case WM_TRAYICON:
        OnTrayMouse(hwnd, static_cast<UINT>(wParam), static_cast<UINT>(lParam));
        return 0;
    default:
        break;
    }
    if (msg == TaskbarCreatedMessage() && msg != 0) {
        AddTrayIcon(hwnd);
        return 0;
    }
    if (msg == TestHookMessage() && msg != 0) return OnTestHook(wParam, lParam);
#ifdef FESTOON_TEST_BUILD
    if (msg == SaverTestHookMessage() && msg != 0) return OnSaverTestHook(hwnd, wParam, lParam);
#endif
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
