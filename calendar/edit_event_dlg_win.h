// The event editor "EditCalendarDlg": the name, month and day of one custom
// event.
#pragma once

#include <windows.h>

#include "settings/settings.h"

// Edits ev (month -1 for a new event: the fields start empty). Returns 1 when
// confirmed with valid input, ev then holding the new name, month and day;
// 0 when cancelled, ev unchanged.
int RunEventEditor(HWND owner, festoon::CustomEvent* ev);
