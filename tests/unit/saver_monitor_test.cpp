// The activity monitor: what counts as activity, the program's own writes of
// the lock-key bytes, when the screen saver is due and what mouse movement
// ends it.
#include <gtest/gtest.h>

#include <cstring>

#include "saver/monitor.h"

using festoon::ActivityMonitor;
using festoon::ActivitySample;

namespace {

unsigned char gKeys[256];

ActivitySample Sample(int x, int y, std::uint32_t inputTick = 500) {
    ActivitySample s;
    s.x = x;
    s.y = y;
    s.keys = gKeys;
    s.haveInputTick = true;
    s.inputTick = inputTick;
    return s;
}

short gButtons[3];
int gButtonQueries;
short Buttons(int vk) {
    ++gButtonQueries;
    return gButtons[vk];
}

ActivityMonitor Primed(std::uint32_t lastActivity) {
    std::memset(gKeys, 0, sizeof gKeys);
    ActivityMonitor m;
    festoon::PollActivity(m, Sample(100, 100), 0);
    m.lastActivity = lastActivity;
    return m;
}

} // namespace

TEST(ActivityMonitor, TheFirstPollOnlyTakesItsSample) {
    std::memset(gKeys, 0, sizeof gKeys);
    ActivityMonitor m;
    m.lastActivity = 7;
    EXPECT_EQ(festoon::PollActivity(m, Sample(1, 2), 1000), 0);
    EXPECT_EQ(m.lastActivity, 7u);
    EXPECT_EQ(festoon::PollActivity(m, Sample(1, 2), 1001), 0);
}

TEST(ActivityMonitor, WhatCountsAsActivity) {
    struct Row {
        const char* what;
        int x, y, key;
        std::uint32_t inputTick;
        int active;
    };
    const Row rows[] = {
        {"nothing changed", 100, 100, -1, 500, 0},
        {"cursor moved across", 101, 100, -1, 500, 1},
        {"cursor moved down", 100, 99, -1, 500, 1},
        {"a key of this thread", 100, 100, 0x41, 500, 1},
        {"input in another program", 100, 100, -1, 501, 1},
    };
    for (const Row& row : rows) {
        ActivityMonitor m = Primed(5);
        if (row.key >= 0) gKeys[row.key] = 0x80;
        EXPECT_EQ(festoon::PollActivity(m, Sample(row.x, row.y, row.inputTick), 9000), row.active)
            << row.what;
        EXPECT_EQ(m.lastActivity, row.active ? 9000u : 5u) << row.what;
    }
}

TEST(ActivityMonitor, TheLightsOwnLockKeyWritesAreNotActivity) {
    ActivityMonitor m = Primed(5);
    // The keyboard lights light Num Lock and Scroll Lock.
    gKeys[0x90] = 0x81;
    gKeys[0x91] = 0x81;
    festoon::NoteOwnKeyWrite(m, gKeys);
    EXPECT_EQ(festoon::PollActivity(m, Sample(100, 100), 9000), 0);
    // Another key pressed by the user still counts.
    gKeys[0x20] = 0x80;
    EXPECT_EQ(festoon::PollActivity(m, Sample(100, 100), 9100), 1);
    // And so does the user toggling a lock key the lights did not just write.
    gKeys[0x14] = 0x01;
    EXPECT_EQ(festoon::PollActivity(m, Sample(100, 100), 9200), 1);
}

TEST(ScreenSaverDue, AfterTheDelayAndOnlyThen) {
    struct Row {
        const char* what;
        bool enabled;
        int delay;
        bool running;
        std::uint32_t last, now;
        int due;
    };
    const Row rows[] = {
        {"5 minutes not yet over", true, 5, false, 1000, 301000, 0},
        {"just over 5 minutes", true, 5, false, 1000, 301001, 1},
        {"disabled", false, 5, false, 1000, 999999, 0},
        {"already running", true, 5, true, 1000, 999999, 0},
        {"delay 0: any later tick", true, 0, false, 1000, 1001, 1},
        {"delay 0: the same tick", true, 0, false, 1000, 1000, 0},
        {"across the tick wrap, not yet", true, 1, false, 0xFFFFFF00u, 59000, 0},
        {"just before the tick wraps", true, 1, false, 0xFFFFFF00u, 0xFFFFFFF0u, 0},
        {"across the tick wrap, due", true, 1, false, 0xFFFFFF00u, 60000, 1},
        {"a negative delay acts as 0", true, -3, false, 1000, 1001, 1},
        {"an absurd delay cannot wrap to 0", true, 100000, false, 0, 3600000, 0},
    };
    for (const Row& row : rows) {
        ActivityMonitor m = Primed(row.last);
        gButtons[1] = gButtons[2] = 0;
        EXPECT_EQ(festoon::SaverDue(m, row.enabled, festoon::SaverDelayMs(row.delay), row.running,
                                    row.now, Buttons),
                  row.due)
            << row.what;
    }
}

TEST(ScreenSaverDue, AClickSinceTheLastTestKeepsItAwayAHeldButtonDoesNot) {
    struct Row {
        const char* what;
        short left, right;
        int due;
    };
    const Row rows[] = {
        {"no click", 0, 0, 1},
        {"left clicked and released", 1, 0, 0},
        {"right clicked and released", 0, 1, 0},
        {"left held down", static_cast<short>(0x8000), 0, 1},
        {"left held down since before", static_cast<short>(0x8001), 0, 1},
    };
    for (const Row& row : rows) {
        ActivityMonitor m = Primed(1000);
        gButtons[1] = row.left;
        gButtons[2] = row.right;
        EXPECT_EQ(festoon::SaverDue(m, true, 300000, false, 400000, Buttons), row.due) << row.what;
        EXPECT_EQ(m.lastActivity, row.due ? 1000u : 400000u) << row.what;
    }
}

TEST(ScreenSaverDue, ButtonsAreOnlyAskedOnceTheDelayIsOver) {
    // Asking resets the "clicked since" bit, so an early question would lose a click.
    ActivityMonitor m = Primed(1000);
    gButtonQueries = 0;
    EXPECT_EQ(festoon::SaverDue(m, true, 300000, false, 2000, Buttons), 0);
    EXPECT_EQ(gButtonQueries, 0);
}

TEST(MouseMove, EndsOutsideTheSquareAroundTheStart) {
    struct Row {
        int dx, dy;
        bool ends;
    };
    const Row rows[] = {
        {0, 0, false},  {-10, 0, false}, {0, -10, false}, {9, 0, false},
        {0, 9, false},  {10, 0, true},   {0, 10, true},   {-11, 0, true},
        {0, -11, true}, {9, -10, false}, {-10, 9, false}, {40, 40, true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(festoon::MouseMoveEnds(300, 200, 300 + row.dx, 200 + row.dy), row.ends)
            << row.dx << "," << row.dy;
}
