// The activity monitor and the screen saver window.
#pragma once

#include <windows.h>

void RecordActivity();
void CheckActivity();
// 1 when the user has been idle for the configured delay.
int ScreenSaverDue();
void StartScreenSaver();
// The saver window while it runs, else null.
HWND SaverWindow();
