// The help dialog ("HelpDlg").
#pragma once

#include <windows.h>

// Runs the modal help dialog owned by `owner`; 1 when it ran.
int RunHelpDialog(HWND owner);
