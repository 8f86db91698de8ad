// The calendar dialog "CalendarDlg": which holidays are counted, the custom
// events, and whether the calendar window opens at start-up.
#pragma once

#include <windows.h>

// Runs the dialog modally. OK stores the choices, saves the settings file and
// refreshes the calendar window. Returns 1 after OK, 0 after Cancel, when the
// dialog could not be shown, or when it was already open (it is then only
// brought to the front).
int RunCalendarDialog(HWND owner);
