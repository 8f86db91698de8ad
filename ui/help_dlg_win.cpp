// The help dialog: a list of topics and the chosen topic's text, drawn in a
// colour of its own on a black panel.
#include "ui/help_dlg_win.h"

#include "app/globals_win.h"
#include "resource.h"
#include "ui/dialog_common_win.h"
#include "ui/dialog_rules.h"
#include "ui/zoom_win.h"
#include "app/dialogs_win.h"

namespace {

constexpr int kMaxTopics = 100;
char gHelpText[1024]; // the topic text the panel shows

void ShowTopic(HWND dlg, int topic) {
    gHelpText[0] = '\0';
    if (topic >= 0)
        LoadStringA(gInstance, IDS_HELP_TEXT_FIRST + topic, gHelpText, sizeof gHelpText);
    InvalidateRect(dlg, nullptr, FALSE);
    UpdateWindow(dlg);
}

void OnInitDialog(HWND dlg) {
    PlaceDialog(dlg);
    HWND list = GetDlgItem(dlg, IDC_HELP_TOPICS);
    char name[128];
    for (int t = 0; t < kMaxTopics; ++t) {
        if (LoadStringA(gInstance, IDS_HELP_TOPIC_FIRST + t, name, sizeof name) <= 0) break;
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    if (SendMessageA(list, CB_GETCOUNT, 0, 0) <= 0) {
        EnableWindow(list, FALSE);
    } else {
        SendMessageA(list, CB_SETCURSEL, 0, 0);
        ShowTopic(dlg, 0);
    }
    ZoomOpenDialog(dlg);
}

void PaintPanel(HWND dlg) {
    HWND panel = GetDlgItem(dlg, IDC_HELP_PANEL);
    if (panel == nullptr) return;
    HDC hdc = GetDC(panel);
    if (hdc == nullptr) return;
    RECT r;
    GetClientRect(panel, &r);
    FillRect(hdc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -6, -6);
    const int topic =
        static_cast<int>(SendDlgItemMessageA(dlg, IDC_HELP_TOPICS, CB_GETCURSEL, 0, 0));
    const COLORREF oldText = SetTextColor(hdc, festoon::HelpTopicColor(topic < 0 ? 0 : topic));
    const COLORREF oldBack = SetBkColor(hdc, RGB(0, 0, 0));
    HGDIOBJ oldFont = SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(hdc, gHelpText, -1, &r, DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(hdc, oldFont);
    SetBkColor(hdc, oldBack);
    SetTextColor(hdc, oldText);
    ReleaseDC(panel, hdc);
    // The panel would paint itself black over the text.
    ValidateRect(panel, nullptr);
}

void OnPaint(HWND dlg) {
    PaintPanel(dlg);
    PAINTSTRUCT ps;
    BeginPaint(dlg, &ps);
    EndPaint(dlg, &ps);
}

void Close(HWND dlg) {
    ZoomCloseDialog(dlg);
    EndDialog(dlg, 1);
}

INT_PTR CALLBACK HelpDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog(dlg);
        return TRUE;
    case WM_PAINT:
        OnPaint(dlg);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            Close(dlg);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_HELP_TOPICS && HIWORD(wParam) == CBN_SELCHANGE) {
            ShowTopic(dlg, static_cast<int>(
                               SendMessageA(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0)));
            return TRUE;
        }
        return FALSE;
    case WM_CONTEXTMENU:
        ShowDialogMenu(dlg, lParam, 0);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), kDialogGrey);
        return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
    default:
        return FALSE;
    }
}

} // namespace

int RunHelpDialog(HWND owner) {
    return DialogBoxParamA(gInstance, "HelpDlg", owner, HelpDlgProc, 0) == -1 ? 0 : 1;
}
