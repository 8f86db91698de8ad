// Where the string goes on its draw target: the work-area rule.
#pragma once

namespace festoon {

struct Area {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct Strip {
    int x0 = 0;
    int y0 = 0;
    int width = 0; // pixels of the strip that the flicker-free path copies
};

// On the desktop the string starts at the work area's top-left corner, so a
// system taskbar docked at the top or left does not hide it. In the own
// taskbar or the screen saver window (ownWindow or saverRunning) it starts at
// (0, 0). workArea is null when the system could not report one.
Strip ComputeStrip(int bulbCount, const Area* workArea, bool ownWindow, bool saverRunning);

} // namespace festoon
