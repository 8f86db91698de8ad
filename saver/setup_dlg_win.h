// The screen saver's setup dialog.
#pragma once

#include <windows.h>

// Runs the modal setup dialog owned by `owner`; 1 when it ran.
int RunSaverSetupDialog(HWND owner);
