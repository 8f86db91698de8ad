// The no-MIDI notice. Ticking "Please do not notify me of this in the
// future." keeps it away from the next start on: the choice is saved as the
// notice closes.
#include "ui/warnmusic_dlg_win.h"

#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "settings/settings_win.h"
#include "ui/dialog_common_win.h"
#include "ui/zoom_win.h"

namespace {

void OnPaint(HWND dlg) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(dlg, &ps);
    RaisedFrame(dlg, hdc, 2);
    EndPaint(dlg, &ps);
}

void Close(HWND dlg, int id) {
    gSettings.WarnMusic = IsDlgButtonChecked(dlg, IDC_WM_NOTAGAIN) == BST_CHECKED ? 0 : 1;
    SaveSettingsFile();
    RecordActivity();
    ZoomCloseDialog(dlg);
    EndDialog(dlg, id == IDOK ? 1 : 0);
}

INT_PTR CALLBACK WarnMusicDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        PlaceDialog(dlg);
        ZoomOpenDialog(dlg);
        return TRUE;
    case WM_PAINT:
        OnPaint(dlg);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            Close(dlg, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return GreyBackground(wParam, RGB(0, 0, 0));
    default:
        return FALSE;
    }
}

} // namespace

int RunWarnMusicDialog(HWND owner) {
    const INT_PTR result = DialogBoxParamA(gInstance, "WarnMusicDlg", owner, WarnMusicDlgProc, 0);
    return result == -1 ? 0 : static_cast<int>(result);
}
