// The calendar dialog is not built yet: nothing is shown.
#include "calendar/calendar_dlg_win.h"

int RunCalendarDialog(HWND) { return 0; }
