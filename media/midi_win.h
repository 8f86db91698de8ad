// Background music from the play list, through MCI.
#pragma once

#include <windows.h>

// 1 when the system has a MIDI output device.
int MIDIDeviceAvailable();
void MIDIPlayNext(HWND notify);
void MIDIStop();
void MIDIOnNotify(HWND hwnd, WPARAM code);

// The now-playing report to the open options dialog: lParam points to the
// name of the piece, valid only during the call.
constexpr UINT WM_NOWPLAYING = WM_USER + 1024;
// Sends WM_NOWPLAYING to the options dialog, when it is open.
void MIDIReportNowPlaying();
