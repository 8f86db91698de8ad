// The music player is not built yet: the device test is real, playing is
// not, so no piece is ever opened.
#include "media/midi_win.h"

#include <mmsystem.h>

int MIDIDeviceAvailable() { return midiOutGetNumDevs() != 0 ? 1 : 0; }
void MIDIPlayNext(HWND) {}
void MIDIStop() {}
void MIDIOnNotify(HWND, WPARAM) {}
void MIDIReportNowPlaying() {}
