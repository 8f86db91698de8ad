// The options dialog ("OptionsDlg"): the program's control panel.
#pragma once

#include <windows.h>

// Runs the modal options dialog. Returns 1 when the dialog ran (whatever
// button ended it), 0 when it could not be shown. Callers that must not open
// a second one use OpenOptions.
int RunOptionsDialog(HWND owner);
