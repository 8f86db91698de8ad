// The warning shown when the options dialog closes with the power off ("WarnPowerDlg").
#pragma once

#include <windows.h>

// Shows the warning while WarnPower is on, then saves the settings, so that
// a ticked "Do not show this warning in the future" holds. 1 when shown.
int RunWarnPowerDialog(HWND owner);
