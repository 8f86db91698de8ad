// Program entry: the version test, the single-instance rule, start-up in a
// fixed order, the main loop with its idle work, and the close sequence.
#include <windows.h>
#include <commctrl.h>

#include <ctime>

#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "app/pacing.h"
#include "calendar/calwnd_win.h"
#include "app/light_string_win.h"
#include "lights/flashing.h"
#include "lights/random.h"
#include "media/midi_win.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "settings/settings_win.h"
#include "shell/owntaskbar_win.h"
#include "shell/tray_win.h"
#include "ui/warnmusic_dlg_win.h"

HINSTANCE gInstance;
HWND gMainWnd;
HWND gDesktop;
HFONT gFont8;
HFONT gFont12;
HFONT gFont72Bold;
OpenDialogs gDialogs;
festoon::Settings gSettings;
festoon::LightString gLights;

const char kAppTitle[] = "Festoon v2.21";
const char kMainClass[] = "festoonWClass";

namespace {
// Per user session: another user's copy on the same machine is no obstacle.
const char kInstanceMutex[] = "Local\\festoonWClass";
constexpr DWORD kRunningCopyWaitMs = 10000;
} // namespace

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

std::uint32_t TickNow() { return GetTickCount(); }

int CalendarExists() { return CalendarWindow() != nullptr; }

// The calendar window's rectangle is the one the settings file remembers.
const PlacementKeeper kCalendarPlacement = {CalendarExists, ApplyCalendarPlacement,
                                            ReadCalendarPlacement};

int VersionSupported() {
    OSVERSIONINFOA vi = {};
    vi.dwOSVersionInfoSize = sizeof vi;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&vi)) return 1; // cannot tell: assume a modern system
#pragma GCC diagnostic pop
    if (vi.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) return 1;
    return vi.dwPlatformId == VER_PLATFORM_WIN32_NT && vi.dwMajorVersion >= 4;
}

int RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "festoonIcon");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kMainClass;
    return RegisterClassA(&wc) != 0;
}

HFONT MakeFont(const char* face, int points, int bold, int italic) {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(points, dpi, 72);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = static_cast<BYTE>(italic ? 1 : 0);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = PROOF_QUALITY;
    lf.lfPitchAndFamily = 4;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectA(&lf);
}

void DeleteFonts() {
    HFONT* fonts[3] = {&gFont8, &gFont12, &gFont72Bold};
    for (HFONT* f : fonts) {
        if (*f) DeleteObject(*f);
        *f = nullptr;
    }
}

void StartMusicOrWarn() {
    if (MIDIDeviceAvailable()) {
        if (gSettings.Music && gSettings.Power) MIDIPlayNext(gMainWnd);
        return;
    }
    if (gSettings.WarnMusic) RunWarnMusicDialog(gMainWnd);
    gSettings.Music = 0;
}

int InitInstance(HINSTANCE instance) {
    gInstance = instance;
    festoon::SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    festoon::SetTickSource(TickNow);
    InitCommonControls();
    gDesktop = FindWindowA("#32769:Desktop", nullptr);

    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    InitLightString(width);

    gMainWnd = CreateWindowExA(0, kMainClass, kAppTitle,
                               WS_POPUP | WS_BORDER | WS_DLGFRAME | WS_SYSMENU | WS_MINIMIZEBOX, 20,
                               20, width, height, nullptr, nullptr, instance, nullptr);
    if (gMainWnd == nullptr) return 0;

    LoadSettingsFile();
    SaveSettingsFile();
    ApplyOwnTaskbarSetting();
    ApplyOnTopSetting();
    ApplyBackgroundColor();
    LoadTrayResources();
    AddTrayIcon(gMainWnd);

    gFont8 = MakeFont("Arial", 8, 0, 0);
    gFont12 = MakeFont("Arial", 12, 0, 0);
    gFont72Bold = MakeFont("Arial", 72, 1, 0);

    BuildTheString();
    StartMusicOrWarn();
    ShowWindow(gMainWnd, SW_HIDE);
    StartAnimationTimer();
    DrawTheString();

    CreateCalendarWindow();
    SetPlacementKeeper(&kCalendarPlacement);
    LoadSettingsFile();
    if (gSettings.ShowEvents) ShowCalendarWindow();
    if (gSettings.StartOptions) OpenOptions(gMainWnd);
    return 1;
}

void IdleWork() {
    if (!gSettings.IdleProcess) return;
    StepLights(true);
    if (gSettings.ScreenSaver && SaverWindow() == nullptr && ScreenSaverDue()) StartScreenSaver();
}

// Runs until WM_QUIT. When the queue is empty the loop does its idle work and
// then sleeps until a message arrives or the idle work is next due, instead of
// polling again at once: a decoration must not keep a core busy.
int MessageLoop() {
    MSG msg;
    for (;;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
            // The calendar window is modeless: its keys (Tab, Esc) need the
            // dialog manager.
            HWND calendar = CalendarWindow();
            if (calendar && IsDialogMessageA(calendar, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        CheckActivity();
        IdleWork();
        const DWORD wait = festoon::IdleWaitMs(
            gSettings.IdleProcess != 0, gSettings.ScreenSaver != 0, gLights.lastStepTick,
            festoon::StepInterval(gSettings.Rate), GetTickCount());
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void ExitCleanup(HWND hwnd) {
    DeleteFonts();
    FreeOwnTaskbar();
    RemoveTrayIcon(hwnd);
    FreeStringIcons();
}

// A window lookup alone is no lock: two starts a few milliseconds apart both
// find no window and both run. The first to create this mutex is the one
// copy; its handle stays open for the life of the process.
int ClaimSingleInstance() {
    HANDLE lock = CreateMutexA(nullptr, FALSE, kInstanceMutex);
    if (lock == nullptr) return FindWindowA(kMainClass, nullptr) == nullptr;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return 1;
    CloseHandle(lock);
    return 0;
}

// The running copy may have started a moment ago and not have its window
// yet; it gets a few seconds to make one.
void AskRunningCopy() {
    const DWORD start = GetTickCount();
    do {
        if (HWND running = FindWindowA(kMainClass, nullptr)) {
            PostMessageA(running, WM_SYSCOMMAND, IDM_OPTIONS, 0);
            return;
        }
        Sleep(50);
    } while (GetTickCount() - start < kRunningCopyWaitMs);
}

} // namespace

void CloseProgram() { SendMessageA(gMainWnd, WM_CLOSE, 0, 0); }

void CloseSequence(HWND hwnd) {
    if (gSettings.Music) MIDIStop();
    StopAnimationTimer();
    SaveSettingsFile();
    ExitCleanup(hwnd);
    DestroyWindow(hwnd);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!VersionSupported()) {
        MessageBoxA(nullptr, "This application requires Windows 95 or WinNT 4.0 (or greater)",
                    kAppTitle, MB_ICONINFORMATION);
        return 0;
    }
    if (!ClaimSingleInstance()) {
        AskRunningCopy();
        return 0;
    }
    if (!RegisterMainClass(instance)) return 0;
    if (!InitInstance(instance)) return 0;
    return MessageLoop();
}
