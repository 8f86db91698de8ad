// Background music from the play list, through MCI.
#pragma once

#include <windows.h>

// 1 when the system has a MIDI output device.
int MIDIDeviceAvailable();
void MIDIPlayNext(HWND notify);
void MIDIStop();
void MIDIOnNotify(HWND hwnd, WPARAM code);
