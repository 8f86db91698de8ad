// Small pieces every dialog of the program shares: the grey of their
// backgrounds and the right-button menu of the larger ones.
#pragma once

#include <windows.h>

constexpr COLORREF kDialogGrey = RGB(192, 192, 192);

// Answer to a WM_CTLCOLOR... message: grey background, the given text
// colour, the stock light grey brush.
INT_PTR GreyBackground(WPARAM hdc, COLORREF text);

// The right-button menu at the position a WM_CONTEXTMENU carries: "&About
// Festoon..." and a separator first when withAbout, then "&Close\tAlt+F4"
// (IDCANCEL). The chosen item arrives at the dialog as WM_COMMAND.
void ShowDialogMenu(HWND dlg, LPARAM position, int withAbout);
