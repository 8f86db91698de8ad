// Geometry and pacing of the dialogs' zoom effects, apart from any screen:
// the turning outline of the opening zoom, the shrinking trail of the closing
// zoom, and how long to sleep until the next 50-ms frame is due.
#pragma once

#include <cstdint>
#include <vector>

namespace festoon {

constexpr int kZoomSteps = 18;
constexpr std::uint32_t kZoomFrameMs = 50;

struct ZoomRect {
    int left, top, right, bottom;
};
struct ZoomPoint {
    int x, y;
};
// A closed outline: four corners and the first one again.
struct ZoomOutline {
    ZoomPoint p[5];
};

// The n + 1 outlines of the opening zoom from `from` to `to`, turning half a
// turn (the direction flag picks which way), the first on `from` and the
// last exactly on `to`. Empty when n < 1.
std::vector<ZoomOutline> ZoomOpenOutlines(const ZoomRect& from, const ZoomRect& to, int n,
                                          int direction);

// Rectangle i of the closing zoom of a window rectangle w in n steps: the
// window's own rectangle at i = 0, its centre at i = n.
ZoomRect ZoomCloseRect(const ZoomRect& w, int n, int i);

// The closing zoom's frames: before each 50-ms pause, the rectangles (by
// step number) to draw with an XOR frame. Every rectangle is drawn an even
// number of times, so the screen ends as it began. Steps below 3 count as 3.
std::vector<std::vector<int>> ZoomCloseFrames(int n);

// Milliseconds still to wait when a pause began at `start` and the clock now
// reads `now`; 0 once `period` has passed. The clock may wrap.
std::uint32_t PauseRemaining(std::uint32_t start, std::uint32_t now, std::uint32_t period);

} // namespace festoon
