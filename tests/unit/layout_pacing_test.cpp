// Where the string lands on its target, and how long the main loop sleeps.
#include <gtest/gtest.h>

#include "app/pacing.h"
#include "lights/layout.h"

using festoon::Area;
using festoon::ComputeStrip;

TEST(WorkAreaRule, DesktopFollowsTheWorkArea) {
    const Area bottomBar{0, 0, 1024, 748};
    festoon::Strip s = ComputeStrip(32, &bottomBar, false, false);
    EXPECT_EQ(s.x0, 0);
    EXPECT_EQ(s.y0, 0);
    EXPECT_EQ(s.width, 1024);

    const Area topBar{0, 28, 1024, 768};
    s = ComputeStrip(32, &topBar, false, false);
    EXPECT_EQ(s.y0, 28);

    // A taskbar on the left of a 640-pixel screen: the strip is narrower and
    // the last positions fall beyond the screen's edge.
    const Area leftBar{60, 0, 640, 480};
    s = ComputeStrip(20, &leftBar, false, false);
    EXPECT_EQ(s.x0, 60);
    EXPECT_EQ(s.width, 580);
}

TEST(WorkAreaRule, OwnTaskbarAndSaverStartAtTheCorner) {
    const Area topBar{0, 28, 1024, 768};
    for (bool own : {false, true}) {
        festoon::Strip s = ComputeStrip(32, &topBar, own, !own);
        EXPECT_EQ(s.x0, 0);
        EXPECT_EQ(s.y0, 0);
        EXPECT_EQ(s.width, 1024);
    }
    festoon::Strip s = ComputeStrip(32, nullptr, false, false);
    EXPECT_EQ(s.y0, 0);
    EXPECT_EQ(s.width, 1024);

    const Area broken{500, 0, 100, 10}; // a nonsense area never gives a negative width
    EXPECT_EQ(ComputeStrip(32, &broken, false, false).width, 0);
}

TEST(Pacing, SleepsUntilTheNextGatedStep) {
    auto wait = [](bool idle, std::uint32_t last, std::uint32_t interval, std::uint32_t now) {
        return festoon::IdleWaitMs(idle, true, last, interval, now);
    };
    EXPECT_EQ(wait(false, 5000, 220, 5001), festoon::kActivityPollMs);
    EXPECT_EQ(wait(true, 0, 220, 5000), 0u) << "the gate has not started";
    EXPECT_EQ(wait(true, 5000, 220, 5000), 100u) << "capped by the activity poll";
    EXPECT_EQ(wait(true, 5000, 220, 5150), 71u) << "the gate opens at 221 ms";
    EXPECT_EQ(wait(true, 5000, 220, 5220), 1u);
    EXPECT_EQ(wait(true, 5000, 220, 5221), 0u);
    EXPECT_EQ(wait(true, 0xFFFFFFF0u, 220, 0x80u), 77u) << "across the wrap";
}

TEST(Pacing, WithoutTheSaverNothingNeedsPolling) {
    EXPECT_EQ(festoon::IdleWaitMs(false, false, 5000, 220, 5001), festoon::kWaitForever);
    EXPECT_EQ(festoon::IdleWaitMs(true, false, 5000, 1200, 5000), 1201u);
    EXPECT_EQ(festoon::IdleWaitMs(true, false, 5000, 1200, 6300), 0u);
}
