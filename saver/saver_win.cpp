// The screen saver is not built yet: activity is recorded but nothing is
// ever due, and no saver window exists.
#include "saver/saver_win.h"

namespace {
DWORD gLastActivity;
}

void RecordActivity() { gLastActivity = GetTickCount(); }
void CheckActivity() {}
int ScreenSaverDue() { return 0; }
void StartScreenSaver() {}
HWND SaverWindow() { return nullptr; }
