// Background music from the play list, through MCI. The main window is the
// callback window: it hands MM_MCINOTIFY to MIDIOnNotify.
#pragma once

#include <windows.h>

// Sent to the options dialog while it is open: lParam points to the name of
// the piece now playing ("<nothing>" after a stop), wParam is 0.
#define WM_NOWPLAYING (WM_USER + 1024)

// 1 when the system has a MIDI output device; the answer is kept for
// MIDIAvailable. Called once at start-up.
int MIDIDeviceAvailable();
int MIDIAvailable();
// Opens and plays one file of the program's folder; 1 when it plays.
int MIDIStart(HWND notify, const char* name);
// Stops and closes the open piece; 0 when nothing was playing.
int MIDIStop();
// Stops the open piece and plays the next playable entry of the play list.
void MIDIPlayNext(HWND notify);
void MIDIOnNotify(HWND hwnd, WPARAM code);
// Sends the name of the piece now playing to the options dialog, if open.
void MIDIReportNowPlaying();
