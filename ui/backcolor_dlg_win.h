// The background colour dialog ("SelectBackColorDlg") of the own taskbar.
#pragma once

#include <windows.h>

// Runs the modal dialog; OK stores, applies and saves BackColor. 1 when it ran.
int RunBackColorDialog(HWND owner);
