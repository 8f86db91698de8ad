// The background colour dialog: the desktop's colour or one of six swatches.
#include "ui/backcolor_dlg_win.h"

#include "app/dialogs_win.h"
#include "app/globals_win.h"
#include "lights/gdi_win.h"
#include "app/light_string_win.h"
#include "shell/owntaskbar_win.h"
#include "resource.h"
#include "settings/settings_win.h"
#include "ui/dialog_rules.h"
#include "ui/zoom_win.h"

namespace {

void OnInitDialog(HWND dlg) {
    PlaceDialog(dlg);
    ZoomOpenDialog(dlg);
    HWND list = GetDlgItem(dlg, IDC_BC_SWATCHES);
    for (int k = 0; k < festoon::kSwatchCount; ++k)
        SendMessageA(list, CB_ADDSTRING, 0, static_cast<LPARAM>(k));
    if (gSettings.BackColor >= 1 && gSettings.BackColor <= festoon::kSwatchCount) {
        CheckRadioButton(dlg, IDC_BC_DESKTOP, IDC_BC_CUSTOM, IDC_BC_CUSTOM);
        SendMessageA(list, CB_SETCURSEL, gSettings.BackColor - 1, 0);
    } else {
        CheckRadioButton(dlg, IDC_BC_DESKTOP, IDC_BC_CUSTOM, IDC_BC_DESKTOP);
    }
}

void OnDrawItem(const DRAWITEMSTRUCT* dis) {
    if (dis->CtlType != ODT_COMBOBOX || static_cast<int>(dis->itemID) < 0) return;
    GdiObject brush(CreateSolidBrush(festoon::SwatchColor(static_cast<int>(dis->itemID))));
    RECT r = dis->rcItem;
    if (dis->itemAction & ODA_DRAWENTIRE) {
        FillRect(dis->hDC, &r, static_cast<HBRUSH>(brush.get()));
    } else if (dis->itemAction & ODA_SELECT) {
        FillRect(dis->hDC, &r, static_cast<HBRUSH>(brush.get()));
        if (dis->itemState & ODS_SELECTED) {
            InflateRect(&r, -3, -3);
            DrawFocusRect(dis->hDC, &r);
        }
    } else if (dis->itemAction & ODA_FOCUS) {
        DrawFocusRect(dis->hDC, &r);
    }
}

void OnOk(HWND dlg) {
    const int item =
        static_cast<int>(SendDlgItemMessageA(dlg, IDC_BC_SWATCHES, CB_GETCURSEL, 0, 0));
    // "Custom:" without a colour counts as the desktop's colour.
    gSettings.BackColor =
        (IsDlgButtonChecked(dlg, IDC_BC_CUSTOM) == BST_CHECKED && item >= 0) ? item + 1 : 0;
    ApplyBackgroundColor();
    SaveSettingsFile();
    EndDialog(dlg, 1);
}

INT_PTR CALLBACK BackColorDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog(dlg);
        return TRUE;
    case WM_DRAWITEM:
        OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOk(dlg);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dlg, 1);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int RunBackColorDialog(HWND owner) {
    return DialogBoxParamA(gInstance, "SelectBackColorDlg", owner, BackColorDlgProc, 0) == -1 ? 0
                                                                                              : 1;
}
