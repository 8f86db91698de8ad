// Test-build hooks of the screen saver: the end-to-end tests start and end it,
// open its setup dialog and time its ticks through a registered message that
// the main window passes here. Nothing of this is in the shipped program.
#pragma once

#include <windows.h>

#include <cstdint>

#ifdef FESTOON_TEST_BUILD
// The registered message "FestoonSaverTestHook" (0 when it could not be made).
UINT SaverTestHookMessage();
LRESULT OnSaverTestHook(HWND hwnd, WPARAM op, LPARAM arg);
// Runs that many ticks of the running saver at once; microseconds, or -1.
long SaverTickMicroseconds(int ticks);
// The length of one minute of SSDelay, so that a delay can pass in seconds.
void SetSaverMinuteForTests(std::uint32_t ms);
#endif
