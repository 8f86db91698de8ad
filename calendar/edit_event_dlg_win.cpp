// The event editor: a name field and two drop-down lists for the month and
// the day. OK refuses what cannot be stored, with a message that names the
// field, and keeps the dialog open with what was entered.
#include "calendar/edit_event_dlg_win.h"

#include <cstdio>

#include "ui/zoom_win.h"
#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "calendar/event_list.h"
#include "resource.h"

namespace {

void FillNumbers(HWND combo, int count) {
    for (int i = 1; i <= count; ++i) {
        char text[8];
        std::snprintf(text, sizeof text, "%d", i);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
}

BOOL OnInitDialog(HWND hwnd, LPARAM lParam) {
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    const festoon::CustomEvent* ev = reinterpret_cast<const festoon::CustomEvent*>(lParam);
    PlaceDialog(hwnd);
    ZoomOpenDialog(hwnd);
    SendDlgItemMessageA(hwnd, IDC_EVENT_NAME, EM_LIMITTEXT, festoon::kNameChars, 0);
    FillNumbers(GetDlgItem(hwnd, IDC_EVENT_MONTH), 12);
    FillNumbers(GetDlgItem(hwnd, IDC_EVENT_DAY), 31);
    if (ev->month != -1) {
        SetDlgItemTextA(hwnd, IDC_EVENT_NAME, ev->name);
        SendDlgItemMessageA(hwnd, IDC_EVENT_MONTH, CB_SETCURSEL, ev->month - 1, 0);
        SendDlgItemMessageA(hwnd, IDC_EVENT_DAY, CB_SETCURSEL, ev->day - 1, 0);
    }
    return TRUE;
}

int ProblemField(festoon::EventProblem problem) {
    switch (problem) {
    case festoon::EventProblem::NoMonth:
        return IDC_EVENT_MONTH;
    case festoon::EventProblem::NoDay:
    case festoon::EventProblem::DayNotInMonth:
        return IDC_EVENT_DAY;
    default:
        return IDC_EVENT_NAME;
    }
}

int Chosen(HWND hwnd, int id) {
    const LRESULT index = SendDlgItemMessageA(hwnd, id, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? 0 : static_cast<int>(index) + 1;
}

void OnOk(HWND hwnd) {
    char typed[festoon::kNameChars + 1] = {};
    GetDlgItemTextA(hwnd, IDC_EVENT_NAME, typed, sizeof typed);
    festoon::CustomEvent result;
    festoon::TidyEventName(typed, result.name, sizeof result.name);
    result.month = Chosen(hwnd, IDC_EVENT_MONTH);
    result.day = Chosen(hwnd, IDC_EVENT_DAY);
    const festoon::EventProblem problem =
        festoon::CheckEvent(result.name, result.month, result.day);
    if (problem != festoon::EventProblem::None) {
        MessageBoxA(hwnd, festoon::EventProblemText(problem), kAppTitle, MB_ICONINFORMATION);
        SendMessageA(hwnd, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(GetDlgItem(hwnd, ProblemField(problem))), TRUE);
        return;
    }
    *reinterpret_cast<festoon::CustomEvent*>(GetWindowLongPtrA(hwnd, DWLP_USER)) = result;
    ZoomCloseDialog(hwnd);
    EndDialog(hwnd, 1);
}

INT_PTR CALLBACK EditEventProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog(hwnd, lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOk(hwnd);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            ZoomCloseDialog(hwnd);
            EndDialog(hwnd, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int RunEventEditor(HWND owner, festoon::CustomEvent* ev) {
    if (ev == nullptr) return 0;
    const INT_PTR result = DialogBoxParamA(gInstance, "EditCalendarDlg", owner, EditEventProc,
                                           reinterpret_cast<LPARAM>(ev));
    return result == 1 ? 1 : 0;
}
