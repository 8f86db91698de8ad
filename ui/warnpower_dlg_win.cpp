// The power warning. It is placed by its template relative to its owner,
// without centring or zoom.
#include "ui/warnpower_dlg_win.h"

#include "app/globals_win.h"
#include "resource.h"
#include "settings/settings_win.h"
#include "ui/dialog_common_win.h"

namespace {

INT_PTR OnCtlColorStatic(WPARAM hdc, LPARAM control) {
    const bool warning = GetDlgCtrlID(reinterpret_cast<HWND>(control)) == IDC_WP_WARNING;
    return GreyBackground(hdc, warning ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOWTEXT));
}

INT_PTR CALLBACK WarnPowerDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (wParam == IDOK || wParam == IDCANCEL) {
            gSettings.WarnPower = IsDlgButtonChecked(dlg, IDC_WP_NOTAGAIN) == BST_CHECKED ? 0 : 1;
            EndDialog(dlg, 1);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
        return GreyBackground(wParam, RGB(0, 0, 0));
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(wParam, lParam);
    default:
        return FALSE;
    }
}

} // namespace

int RunWarnPowerDialog(HWND owner) {
    if (!gSettings.WarnPower) return 0;
    const INT_PTR result = DialogBoxParamA(gInstance, "WarnPowerDlg", owner, WarnPowerDlgProc, 0);
    SaveSettingsFile();
    return result == -1 ? 0 : 1;
}
