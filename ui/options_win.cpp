// The options dialog is not built yet: nothing is shown.
#include "ui/options_win.h"

int RunOptionsDialog(HWND) { return 0; }
