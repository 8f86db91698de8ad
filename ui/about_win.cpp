// The small dialogs are not built yet: nothing is shown.
#include "ui/about_win.h"

int RunAboutDialog(HWND) { return 0; }
int RunBackColorDialog(HWND) { return 0; }
int RunWarnMusicDialog(HWND) { return 0; }
