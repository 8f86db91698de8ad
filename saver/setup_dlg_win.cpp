// The screen saver's setup dialog is not built yet: nothing is shown.
#include "saver/setup_dlg_win.h"

int RunSaverSetupDialog(HWND) { return 0; }
