// The calendar window "CALENDARNOTIFY": a modeless dialog owned by the main
// window, holding one static control with the calendar text. Closing it only
// hides it; its right-button menu leads to the calendar dialog, the options
// and the about box.
#include "calendar/calwnd_win.h"

#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "calendar/calendar_dlg_win.h"
#include "calendar/events.h"
#include "calendar/placement_fit.h"
#include "resource.h"

CalendarWindowState gCalendar;

namespace {

// Checks once a minute whether the date has changed under an open window, so
// that its counts are never a day old.
constexpr UINT_PTR kDateTimer = 1;
constexpr UINT kDateCheckMs = 60000;

constexpr POINT kMinTrack = {200, 80};
constexpr POINT kMaxTrack = {280, 320};

festoon::Date gTextDate; // the date the shown text was counted from

festoon::Date Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return festoon::Date{now.wYear, now.wMonth, now.wDay};
}

void BuildCalendarTextInto(HWND hwnd) {
    char names[festoon::kCalendarCount][festoon::kNameChars + 1] = {};
    const char* namePtrs[festoon::kCalendarCount];
    for (int i = 0; i < festoon::kCalendarCount; ++i) {
        // A name that cannot be loaded stays empty; its line is still written.
        LoadStringA(gInstance, IDS_HOLIDAY_FIRST + i, names[i], sizeof names[i]);
        namePtrs[i] = names[i];
    }
    char noEvents[64] = {};
    LoadStringA(gInstance, IDS_NO_EVENTS, noEvents, sizeof noEvents);
    static char text[festoon::kCalendarTextSize];
    gTextDate = Today();
    festoon::BuildCalendarText(gSettings, gTextDate, namePtrs, noEvents, text, sizeof text);
    SetDlgItemTextA(hwnd, IDC_CALWND_TEXT, text);
}

// A rectangle that lies off every monitor (one was removed, or the file was
// edited by hand) goes onto the nearest work area. SetWindowPlacement often
// does the same, but not on every system; done here, the remembered
// rectangle and the window agree.
festoon::PlacementRect Reachable(const festoon::PlacementRect& r) {
    const RECT rc = {r.left, r.top, r.right, r.bottom};
    if (MonitorFromRect(&rc, MONITOR_DEFAULTTONULL) != nullptr) return r;
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (!GetMonitorInfoA(MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi)) return r;
    const festoon::PlacementRect work{mi.rcWork.left, mi.rcWork.top, mi.rcWork.right,
                                      mi.rcWork.bottom};
    return festoon::MoveOntoArea(r, work);
}

void ApplyRememberedPlacement() {
    HWND hwnd = gCalendar.hwnd;
    if (hwnd == nullptr || !gCalendar.placementKnown) return;
    gCalendar.place = Reachable(gCalendar.place);
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (!GetWindowPlacement(hwnd, &wp)) return;
    const festoon::PlacementRect& r = gCalendar.place;
    wp.rcNormalPosition = RECT{r.left, r.top, r.right, r.bottom};
    // Only the rectangle moves; a hidden window must stay hidden.
    if (!IsWindowVisible(hwnd)) wp.showCmd = SW_HIDE;
    SetWindowPlacement(hwnd, &wp);
}

// The text fills the client area less 2 pixels on every side.
void LayOutText(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    InflateRect(&r, -2, -2);
    HWND text = GetDlgItem(hwnd, IDC_CALWND_TEXT);
    SetWindowPos(text, nullptr, 2, 2, r.right - r.left, r.bottom - r.top, SWP_NOZORDER);
    InvalidateRect(text, nullptr, FALSE);
    UpdateWindow(text);
}

void OnGetMinMaxInfo(LPARAM lParam) {
    MINMAXINFO* mmi = reinterpret_cast<MINMAXINFO*>(lParam);
    mmi->ptMinTrackSize = kMinTrack;
    mmi->ptMaxTrackSize = kMaxTrack;
}

void ShowContextMenu(HWND hwnd, LPARAM lParam) {
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    // From the keyboard (Shift+F10 or the menu key) no point comes with the
    // message; open the menu at the window rather than at the screen's corner.
    if (pt.x == -1 && pt.y == -1) {
        pt = POINT{0, 0};
        ClientToScreen(hwnd, &pt);
    }
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return;
    AppendMenuA(menu, MF_STRING | (gCalendar.dialogOpen ? MF_GRAYED : 0u), IDM_CALENDAR,
                "Configure Events...");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_OPTIONS, "Options...");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, "About...");
    AppendMenuA(menu, MF_STRING, IDM_CALWND_CLOSE, "&Close Calendar");
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd, nullptr);
    DestroyMenu(menu);
}

HWND OptionsCalendarButton() {
    if (!gDialogs.options.open || gDialogs.options.hwnd == nullptr) return nullptr;
    if (!IsWindow(gDialogs.options.hwnd)) return nullptr;
    return GetDlgItem(gDialogs.options.hwnd, IDC_OPTIONS_CALENDAR_BUTTON);
}

void ConfigureEvents(HWND hwnd) {
    // One calendar dialog at a time: the options dialog's way in is shut
    // while this one runs.
    if (HWND button = OptionsCalendarButton()) EnableWindow(button, FALSE);
    RunCalendarDialog(hwnd);
    if (HWND button = OptionsCalendarButton()) EnableWindow(button, TRUE);
}

void OnCommand(HWND hwnd, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDM_CALWND_CLOSE:
        HideCalendarWindow();
        break;
    case IDM_ABOUT:
        OpenAbout(hwnd);
        break;
    case IDM_OPTIONS:
        OpenOptions(hwnd);
        break;
    case IDM_CALENDAR:
        if (!gCalendar.dialogOpen) ConfigureEvents(hwnd);
        break;
    default:
        break;
    }
}

void OnDateTimer(HWND hwnd) {
    const festoon::Date now = Today();
    if (now.day != gTextDate.day || now.month != gTextDate.month || now.year != gTextDate.year)
        BuildCalendarTextInto(hwnd);
}

INT_PTR CALLBACK CalendarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        // The template places the text a little off the client area's margins;
        // the first WM_SIZE came before the controls existed.
        LayOutText(hwnd);
        BuildCalendarTextInto(hwnd);
        SetTimer(hwnd, kDateTimer, kDateCheckMs, nullptr);
        // No focus for a window created hidden: setting it would activate the
        // invisible window, taking the keyboard from whatever the user was in,
        // and the later show would find it active already and leave its
        // caption drawn inactive.
        return FALSE;
    case WM_SIZE:
        LayOutText(hwnd);
        return TRUE;
    case WM_CLOSE:
        HideCalendarWindow();
        return TRUE;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(lParam);
        return TRUE;
    case WM_CONTEXTMENU:
        ShowContextMenu(hwnd, lParam);
        return TRUE;
    case WM_COMMAND:
        OnCommand(hwnd, wParam);
        return TRUE;
    case WM_TIMER:
        if (wParam == kDateTimer) OnDateTimer(hwnd);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    case WM_DESTROY:
        KillTimer(hwnd, kDateTimer);
        gCalendar.hwnd = nullptr;
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

HWND CreateCalendarWindow() {
    if (gCalendar.hwnd == nullptr) {
        gCalendar.hwnd =
            CreateDialogParamA(gInstance, "CALENDARNOTIFY", gMainWnd, CalendarWndProc, 0);
        if (gCalendar.hwnd) ShowWindow(gCalendar.hwnd, SW_HIDE);
    }
    return gCalendar.hwnd;
}

HWND CalendarWindow() { return gCalendar.hwnd; }

void ShowCalendarWindow() {
    HWND hwnd = CreateCalendarWindow();
    if (hwnd == nullptr) return;
    ApplyRememberedPlacement();
    BuildCalendarTextInto(hwnd);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    BringToFront(hwnd);
}

void HideCalendarWindow() {
    if (gCalendar.hwnd) ShowWindow(gCalendar.hwnd, SW_HIDE);
}

void RefreshCalendarWindow() {
    if (gCalendar.hwnd) BuildCalendarTextInto(gCalendar.hwnd);
}

void ApplyCalendarPlacement(const festoon::PlacementRect& r) {
    if (r.IsEmpty()) return;
    gCalendar.place = r;
    gCalendar.placementKnown = 1;
    ApplyRememberedPlacement();
}

void ReadCalendarPlacement(festoon::PlacementRect* r) {
    HWND hwnd = gCalendar.hwnd;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (hwnd == nullptr || !GetWindowPlacement(hwnd, &wp)) return;
    *r = festoon::PlacementRect{wp.rcNormalPosition.left, wp.rcNormalPosition.top,
                                wp.rcNormalPosition.right, wp.rcNormalPosition.bottom};
}
