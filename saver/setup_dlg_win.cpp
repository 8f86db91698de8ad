// The screen saver setup dialog; see the header. The field rules (the 1-60
// delay and the 31-character message) live in saver/setup.h.
#include "saver/setup_dlg_win.h"

#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "resource.h"
#include "saver/setup.h"
#include "ui/tooltips_win.h"
#include "ui/zoom_win.h"

namespace {

constexpr int kMessageFieldChars = 256;

TooltipSet gTips; // the dialog's tooltips while it is open

void Check(HWND dlg, int id, int on) { CheckDlgButton(dlg, id, on ? BST_CHECKED : BST_UNCHECKED); }
int Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED ? 1 : 0; }

INT_PTR OnInitDialog(HWND dlg) {
    PlaceDialog(dlg);
    char delay[16];
    wsprintfA(delay, "%u", static_cast<unsigned>(gSettings.SSDelay));
    SetDlgItemTextA(dlg, IDC_SS_DELAY, delay);
    Check(dlg, IDC_SS_MOUSEMOVE, gSettings.SSMouseMove);
    Check(dlg, IDC_SS_MOUSECLICK, gSettings.SSMouseClick);
    Check(dlg, IDC_SS_IGNOREWINSS, gSettings.IgnoreWinSS);
    Check(dlg, IDC_SS_LOGO, gSettings.SSLogo);
    SetDlgItemTextA(dlg, IDC_SS_MESSAGE, gSettings.SSMsg);
    CreateTooltips(&gTips, dlg, festoon::kSaverSetupTips, festoon::kSaverSetupTipCount);
    ZoomOpenDialog(dlg);
    return TRUE;
}

void CloseDialog(HWND dlg) {
    RemoveTooltips(&gTips); // no zoom on closing this one
    EndDialog(dlg, 1);
}

// OK: a delay outside 1-60 keeps the dialog open with the focus on the field
// and stores nothing.
void OnOk(HWND dlg) {
    char delay[festoon::kNameChars + 1] = {};
    GetDlgItemTextA(dlg, IDC_SS_DELAY, delay, sizeof delay);
    int minutes = 0;
    if (!festoon::ParseSaverDelay(delay, &minutes)) {
        MessageBoxA(dlg, festoon::kSaverDelayMessage, kAppTitle, MB_ICONINFORMATION);
        SendMessageA(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, IDC_SS_DELAY)),
                     TRUE);
        return;
    }
    gSettings.SSDelay = minutes;
    gSettings.SSMouseMove = Checked(dlg, IDC_SS_MOUSEMOVE);
    gSettings.SSMouseClick = Checked(dlg, IDC_SS_MOUSECLICK);
    gSettings.IgnoreWinSS = Checked(dlg, IDC_SS_IGNOREWINSS);
    gSettings.SSLogo = Checked(dlg, IDC_SS_LOGO);
    char message[kMessageFieldChars] = {};
    GetDlgItemTextA(dlg, IDC_SS_MESSAGE, message, sizeof message);
    festoon::CutSaverMessage(message, gSettings.SSMsg, sizeof gSettings.SSMsg);
    CloseDialog(dlg);
}

INT_PTR OnCommand(HWND dlg, int id) {
    switch (id) {
    case IDOK:
        OnOk(dlg);
        return TRUE;
    case IDCANCEL:
        CloseDialog(dlg);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK SaverSetupProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog(dlg);
    case WM_NOTIFY:
        return SupplyTipText(&gTips, lParam) ? TRUE : FALSE;
    case WM_COMMAND:
        return OnCommand(dlg, LOWORD(wParam));
    default:
        return FALSE;
    }
}

} // namespace

int RunSaverSetupDialog(HWND owner) {
    return DialogBoxParamA(gInstance, "SSSetupDlg", owner, SaverSetupProc, 0) == 1 ? 1 : 0;
}
