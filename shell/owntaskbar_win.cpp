// The own taskbar is not built yet: it is never created, so the string is
// drawn on the desktop even with OwnWindow on.
#include "shell/owntaskbar_win.h"

HWND CreateOwnTaskbar(HINSTANCE) { return nullptr; }
void DestroyOwnTaskbar() {}
HWND OwnTaskbar() { return nullptr; }
