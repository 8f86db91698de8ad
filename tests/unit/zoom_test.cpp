// Zoom effects: the outline's path, the closing trail and the frame pacing.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "ui/zoom.h"

using festoon::ZoomOutline;
using festoon::ZoomRect;

namespace {

std::set<std::pair<int, int>> Corners(const ZoomOutline& o) {
    std::set<std::pair<int, int>> s;
    for (int k = 0; k < 4; ++k) s.insert({o.p[k].x, o.p[k].y});
    return s;
}

std::set<std::pair<int, int>> Corners(const ZoomRect& r) {
    return {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
}

} // namespace

TEST(ZoomOpen, StartsAtTheSquareAndEndsOnTheDialog) {
    struct Case {
        const char* name;
        ZoomRect from, to;
        int direction;
    };
    const Case cases[] = {
        {"from the cursor", {496, 380, 504, 388}, {272, 211, 756, 577}, 1},
        {"turning the other way", {496, 380, 504, 388}, {272, 211, 756, 577}, 0},
        {"left edge already in place", {272, 300, 280, 308}, {272, 211, 756, 577}, 1},
        {"odd sizes", {10, 10, 18, 18}, {3, 7, 104, 61}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outlines =
            festoon::ZoomOpenOutlines(c.from, c.to, festoon::kZoomSteps, c.direction);
        ASSERT_EQ(outlines.size(), 19u);
        EXPECT_EQ(Corners(outlines.front()), Corners(c.from));
        EXPECT_EQ(Corners(outlines.back()), Corners(c.to));
        for (const ZoomOutline& o : outlines) {
            EXPECT_EQ(o.p[4].x, o.p[0].x);
            EXPECT_EQ(o.p[4].y, o.p[0].y);
        }
    }
}

TEST(ZoomOpen, HalfwayTheOutlineStandsAcross) {
    // At 90 degrees a wide rectangle is drawn tall: its corners swap axes.
    const auto outlines = festoon::ZoomOpenOutlines({0, 0, 200, 100}, {0, 0, 200, 100}, 2, 1);
    ASSERT_EQ(outlines.size(), 3u);
    int minX = 1 << 30, maxX = -(1 << 30), minY = 1 << 30, maxY = -(1 << 30);
    for (int k = 0; k < 4; ++k) {
        minX = std::min(minX, outlines[1].p[k].x);
        maxX = std::max(maxX, outlines[1].p[k].x);
        minY = std::min(minY, outlines[1].p[k].y);
        maxY = std::max(maxY, outlines[1].p[k].y);
    }
    EXPECT_NEAR(maxX - minX, 100, 1);
    EXPECT_NEAR(maxY - minY, 200, 1);
}

TEST(ZoomOpen, NoStepsNoFrames) {
    EXPECT_TRUE(festoon::ZoomOpenOutlines({0, 0, 8, 8}, {0, 0, 100, 100}, 0, 1).empty());
    EXPECT_TRUE(festoon::ZoomOpenOutlines({0, 0, 8, 8}, {0, 0, 100, 100}, -4, 1).empty());
}

TEST(ZoomClose, RectanglesShrinkToTheCentre) {
    const ZoomRect w = {100, 50, 301, 151};
    const ZoomRect first = festoon::ZoomCloseRect(w, 18, 0);
    EXPECT_EQ(Corners(first), Corners(w));
    const ZoomRect last = festoon::ZoomCloseRect(w, 18, 18);
    EXPECT_EQ(Corners(last), Corners(ZoomRect{200, 100, 200, 100}));
    for (int i = 1; i <= 18; ++i) {
        const ZoomRect a = festoon::ZoomCloseRect(w, 18, i - 1),
                       b = festoon::ZoomCloseRect(w, 18, i);
        EXPECT_GE(b.left, a.left);
        EXPECT_LE(b.right, a.right);
    }
}

TEST(ZoomClose, EveryRectangleDrawnTwiceSoTheScreenIsRestored) {
    struct Case {
        int n;
        std::size_t pauses;
    };
    const Case cases[] = {{18, 22}, {3, 7}, {1, 7}, {0, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        const auto frames = festoon::ZoomCloseFrames(c.n);
        EXPECT_EQ(frames.size(), c.pauses);
        std::map<int, int> draws;
        std::size_t mostAtOnce = 0, visible = 0;
        for (const auto& frame : frames) {
            for (int i : frame) {
                const int n = ++draws[i];
                visible += (n % 2 == 1) ? 1 : -1;
            }
            mostAtOnce = std::max(mostAtOnce, visible);
        }
        for (const auto& d : draws) EXPECT_EQ(d.second % 2, 0) << "rectangle " << d.first;
        EXPECT_EQ(visible, 0u);
        EXPECT_LE(mostAtOnce, 3u);
    }
}

TEST(ZoomPause, SleepsOnlyWhatIsLeftOfTheFrame) {
    struct Case {
        std::uint32_t start, now, left;
    };
    const Case cases[] = {
        {1000, 1000, 50},
        {1000, 1049, 1},
        {1000, 1050, 0},
        {1000, 1400, 0},
        {0xFFFFFFF0u, 0xFFFFFFF0u + 20, 30}, // across the wrap of the clock
        {0xFFFFFFF0u, 0x00000030u, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(festoon::PauseRemaining(c.start, c.now, festoon::kZoomFrameMs), c.left)
            << c.start << " " << c.now;
}
