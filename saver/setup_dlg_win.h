// The screen saver setup dialog "SSSetupDlg": delay, what ends the saver,
// Windows' own saver, the logo and the message. It changes only the settings
// record; the options dialog saves or discards the changes.
#pragma once

#include <windows.h>

// Modal, owned by owner. Returns 1 once the dialog has ended, 0 when it could
// not be shown.
int RunSaverSetupDialog(HWND owner);
