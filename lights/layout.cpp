// The work-area rule of the string's origin and strip width.
#include "lights/layout.h"

#include "lights/bulbs.h"

namespace festoon {

Strip ComputeStrip(int bulbCount, const Area* workArea, bool ownWindow, bool saverRunning) {
    Strip s;
    s.width = bulbCount * kBulbSize;
    if (workArea != nullptr && !ownWindow && !saverRunning) {
        const int areaWidth = workArea->right - workArea->left;
        if (areaWidth < s.width) s.width = areaWidth > 0 ? areaWidth : 0;
        s.x0 = workArea->left;
        s.y0 = workArea->top;
    }
    return s;
}

} // namespace festoon
