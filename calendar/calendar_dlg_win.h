// The calendar dialog: which holidays and events to follow.
#pragma once

#include <windows.h>

// Runs the modal calendar dialog owned by `owner`; 1 when it ran.
int RunCalendarDialog(HWND owner);
