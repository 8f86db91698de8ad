// The about box and the other small dialogs.
#pragma once

#include <windows.h>

int RunAboutDialog(HWND owner);
int RunBackColorDialog(HWND owner);
// The notice shown at start-up when there is no MIDI device.
int RunWarnMusicDialog(HWND owner);
