// Moving a rectangle onto a work area, apart from the window system so that
// any monitor layout can be tried in a test.
#include "calendar/placement_fit.h"

namespace festoon {

namespace {

// The start of a span of length len placed as near to start as it can be
// inside [lo, hi).
// Wide arithmetic: a hand-edited file can hold any 32-bit values.
long long Fit(long long start, long long len, long long lo, long long hi) {
    if (start + len > hi) start = hi - len;
    if (start < lo) start = lo;
    return start;
}

} // namespace

PlacementRect MoveOntoArea(const PlacementRect& r, const PlacementRect& area) {
    const long long areaWidth = static_cast<long long>(area.right) - area.left;
    const long long areaHeight = static_cast<long long>(area.bottom) - area.top;
    long long width = static_cast<long long>(r.right) - r.left;
    long long height = static_cast<long long>(r.bottom) - r.top;
    if (width > areaWidth) width = areaWidth;
    if (height > areaHeight) height = areaHeight;
    const long long left = Fit(r.left, width, area.left, area.right);
    const long long top = Fit(r.top, height, area.top, area.bottom);
    PlacementRect out;
    out.left = static_cast<int>(left);
    out.top = static_cast<int>(top);
    out.right = static_cast<int>(left + width);
    out.bottom = static_cast<int>(top + height);
    return out;
}

} // namespace festoon
