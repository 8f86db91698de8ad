// The options dialog.
#pragma once

#include <windows.h>

// Runs the modal options dialog. Returns 1 when the dialog ran (whatever
// button ended it), 0 when it could not be shown.
int RunOptionsDialog(HWND owner);
