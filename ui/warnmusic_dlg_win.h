// The notice shown at start-up when the system has no MIDI device ("WarnMusicDlg").
#pragma once

#include <windows.h>

// Runs the modal notice; its box, once ticked, sets WarnMusic to 0 and saves
// the file at once. Returns the dialog's result: 1 for OK.
int RunWarnMusicDialog(HWND owner);
