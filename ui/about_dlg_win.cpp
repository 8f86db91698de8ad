// The about box: title pictures, the version, the build date and OK. It
// zooms open and shut while Zoom is on.
#include "ui/about_dlg_win.h"

#include <cstdio>

#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "ui/dialog_common_win.h"
#include "ui/zoom_win.h"

namespace {

void OnInitDialog(HWND dlg) {
    PlaceDialog(dlg);
    gDialogs.about.hwnd = dlg;
    gDialogs.about.open = 1;
    ZoomOpenDialog(dlg);
    char format[32] = "Build Date: %s";
    char stamp[16] = "961121";
    LoadStringA(gInstance, IDS_BUILD_DATE, format, sizeof format);
    LoadStringA(gInstance, IDS_BUILD_STAMP, stamp, sizeof stamp);
    char line[64];
    std::snprintf(line, sizeof line, format, stamp);
    SetDlgItemTextA(dlg, IDC_ABOUT_BUILD, line);
}

void OnPaint(HWND dlg) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(dlg, &ps);
    RaisedFrame(dlg, hdc, 2);
    EndPaint(dlg, &ps);
}

void Close(HWND dlg) {
    RecordActivity();
    ZoomCloseDialog(dlg);
    EndDialog(dlg, 1);
    gDialogs.about.open = 0;
    gDialogs.about.hwnd = nullptr;
}

INT_PTR CALLBACK AboutDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog(dlg);
        return TRUE;
    case WM_PAINT:
        OnPaint(dlg);
        return TRUE;
    case WM_CONTEXTMENU:
        ShowDialogMenu(dlg, lParam, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            Close(dlg);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return GreyBackground(wParam, RGB(0, 0, 127));
    default:
        return FALSE;
    }
}

} // namespace

int RunAboutDialog(HWND owner) {
    gDialogs.about.open = 1;
    const INT_PTR result = DialogBoxParamA(gInstance, "AboutDlg", owner, AboutDlgProc, 0);
    gDialogs.about.open = 0;
    gDialogs.about.hwnd = nullptr;
    return result == -1 ? 0 : 1;
}
