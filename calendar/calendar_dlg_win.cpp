// The calendar dialog. Every edit lives in the list box until OK, which
// rewrites the custom event table in the list's order; Cancel leaves the
// settings and the file as they were.
#include "calendar/calendar_dlg_win.h"

#include <cstdio>

#include "ui/zoom_win.h"
#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "calendar/calwnd_win.h"
#include "calendar/edit_event_dlg_win.h"
#include "calendar/event_list.h"
#include "calendar/events.h"
#include "resource.h"
#include "settings/settings_win.h"

namespace {

constexpr int kHolidayBoxes[festoon::kCalendarCount] = {
    IDC_CAL_CHRISTMAS, IDC_CAL_HALLOWEEN, IDC_CAL_STPATRICK, IDC_CAL_VALENTINE, IDC_CAL_JULY4};
constexpr int kListTabStop = 80; // dialog units: the date column

void SetCheck(HWND hwnd, int id, int on) {
    CheckDlgButton(hwnd, id, on ? BST_CHECKED : BST_UNCHECKED);
}

int IsChecked(HWND hwnd, int id) { return IsDlgButtonChecked(hwnd, id) == BST_CHECKED ? 1 : 0; }

LRESULT ListMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageA(hwnd, IDC_CAL_LIST, msg, wParam, lParam);
}

void AddListLine(HWND hwnd, const festoon::CustomEvent& ev) {
    char line[festoon::kListLineSize];
    festoon::FormatListLine(ev, line, sizeof line);
    ListMessage(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
}

// The list line at index; 0 when there is none or it would not fit.
int ListLine(HWND hwnd, int index, char* out, std::size_t size) {
    const LRESULT len = ListMessage(hwnd, LB_GETTEXTLEN, index, 0);
    if (len == LB_ERR || static_cast<std::size_t>(len) >= size) return 0;
    return ListMessage(hwnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(out)) != LB_ERR;
}

void EnableLineButtons(HWND hwnd, BOOL enable) {
    EnableWindow(GetDlgItem(hwnd, IDC_CAL_EDIT), enable);
    EnableWindow(GetDlgItem(hwnd, IDC_CAL_DELETE), enable);
}

BOOL OnInitDialog(HWND hwnd) {
    gCalendar.dialog = hwnd;
    PlaceDialog(hwnd);
    ZoomOpenDialog(hwnd);
    for (int i = 0; i < festoon::kCalendarCount; ++i)
        SetCheck(hwnd, kHolidayBoxes[i], gSettings.Calendar[i] != 0);
    const int tabStop = kListTabStop;
    ListMessage(hwnd, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    for (const festoon::CustomEvent& ev : gSettings.Events)
        if (ev.month != -1) AddListLine(hwnd, ev);
    SetCheck(hwnd, IDC_CAL_STARTUP, gSettings.ShowEvents != 0);
    return TRUE;
}

void OnOk(HWND hwnd) {
    for (int i = 0; i < festoon::kCalendarCount; ++i)
        gSettings.Calendar[i] = IsChecked(hwnd, kHolidayBoxes[i]);
    gSettings.ShowEvents = IsChecked(hwnd, IDC_CAL_STARTUP);
    festoon::ClearCustomEvents(gSettings);
    const LRESULT count = ListMessage(hwnd, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count && i < festoon::kCustomEventCount; ++i) {
        char line[festoon::kListLineSize];
        if (ListLine(hwnd, i, line, sizeof line))
            gSettings.Events[i] = festoon::ParseListLine(line);
    }
    SaveSettingsFile();
    RefreshCalendarWindow();
    ZoomCloseDialog(hwnd);
    EndDialog(hwnd, 1);
}

void OnAdd(HWND hwnd) {
    if (ListMessage(hwnd, LB_GETCOUNT, 0, 0) >= festoon::kCustomEventCount) {
        char text[64];
        std::snprintf(text, sizeof text, "Can only have %d custom calendar events.",
                      festoon::kCustomEventCount);
        MessageBoxA(hwnd, text, "Cannot Complete", MB_ICONINFORMATION);
        return;
    }
    festoon::CustomEvent ev; // month -1: a new event
    if (RunEventEditor(hwnd, &ev)) AddListLine(hwnd, ev);
}

void OnEdit(HWND hwnd) {
    const LRESULT index = ListMessage(hwnd, LB_GETCURSEL, 0, 0);
    char line[festoon::kListLineSize];
    if (index == LB_ERR || !ListLine(hwnd, static_cast<int>(index), line, sizeof line)) return;
    festoon::CustomEvent ev = festoon::ParseListLine(line);
    if (!RunEventEditor(hwnd, &ev)) return;
    // The edited line stays where it was; the list sorts only what it adds.
    festoon::FormatListLine(ev, line, sizeof line);
    ListMessage(hwnd, LB_DELETESTRING, index, 0);
    ListMessage(hwnd, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(line));
    ListMessage(hwnd, LB_SETCURSEL, index, 0);
}

void OnDelete(HWND hwnd) {
    const LRESULT index = ListMessage(hwnd, LB_GETCURSEL, 0, 0);
    char line[festoon::kListLineSize];
    if (index == LB_ERR || !ListLine(hwnd, static_cast<int>(index), line, sizeof line)) return;
    if (MessageBoxA(hwnd, line, "Delete this item?", MB_ICONQUESTION | MB_YESNO) != IDYES) return;
    ListMessage(hwnd, LB_DELETESTRING, index, 0);
    if (ListMessage(hwnd, LB_GETCOUNT, 0, 0) == 0) EnableLineButtons(hwnd, FALSE);
}

void OnListNotify(HWND hwnd, WORD code) {
    if (code == LBN_SELCHANGE) EnableLineButtons(hwnd, TRUE);
    if (code == LBN_DBLCLK) OnEdit(hwnd);
}

INT_PTR CALLBACK CalendarDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog(hwnd);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOk(hwnd);
            return TRUE;
        case IDCANCEL:
            ZoomCloseDialog(hwnd);
            EndDialog(hwnd, 0);
            return TRUE;
        case IDC_CAL_ADD:
            OnAdd(hwnd);
            return TRUE;
        case IDC_CAL_EDIT:
            OnEdit(hwnd);
            return TRUE;
        case IDC_CAL_DELETE:
            OnDelete(hwnd);
            return TRUE;
        case IDC_CAL_LIST:
            OnListNotify(hwnd, HIWORD(wParam));
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

} // namespace

int RunCalendarDialog(HWND owner) {
    if (gCalendar.dialogOpen) {
        if (gCalendar.dialog) BringToFront(gCalendar.dialog);
        return 0;
    }
    gCalendar.dialogOpen = 1;
    const INT_PTR result = DialogBoxParamA(gInstance, "CalendarDlg", owner, CalendarDlgProc, 0);
    gCalendar.dialogOpen = 0;
    gCalendar.dialog = nullptr;
    return result == 1 ? 1 : 0;
}
