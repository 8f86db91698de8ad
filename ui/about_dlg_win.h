// The about box ("AboutDlg").
#pragma once

#include <windows.h>

// Runs the modal about box; returns 1 when it ran, 0 when it could not be
// shown. Callers that must not open a second one use OpenAbout.
int RunAboutDialog(HWND owner);
