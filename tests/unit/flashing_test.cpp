// Flashing modes, the chase pattern, the rate tables and the step gate.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "fakes.h"
#include "lights/flashing.h"
#include "lights/random.h"

using festoon::LightString;
using festoon::Settings;

namespace {

LightString StringOf(int count) {
    LightString s;
    s.bulbs.resize(static_cast<std::size_t>(count));
    return s;
}

std::vector<int> LitPositions(const LightString& s) {
    std::vector<int> lit;
    for (int i = 0; i < s.Count(); ++i)
        if (s.bulbs[i].lit) lit.push_back(i);
    return lit;
}

Settings WithMode(int mode, int rate = 2) {
    Settings st;
    st.Mode = mode;
    st.Rate = rate;
    return st;
}

} // namespace

// Deadlines on a clock that wraps to 0 every 49.7 days: a time before the wrap
// must not count as later than a deadline just after it, nor the reverse.
TEST(Ticks, DeadlinesAcrossTheWrap) {
    struct AfterCase {
        std::uint32_t now, deadline;
        bool after;
    };
    const AfterCase afters[] = {
        {101, 100, true},
        {100, 100, false},
        {0xFFFFFFF0u, 0x10u, false}, // the deadline lies just past the wrap
        {0x10u, 0xFFFFFFF0u, true},  // the clock has wrapped past the deadline
    };
    for (const AfterCase& c : afters)
        EXPECT_EQ(festoon::TickAfter(c.now, c.deadline), c.after) << c.now << " vs " << c.deadline;

    struct PassedCase {
        std::uint32_t start, interval, now;
        bool passed;
    };
    const PassedCase passes[] = {
        {1000, 500, 1500, false},
        {1000, 500, 1501, true},
        {0xFFFFFF00u, 0x200u, 0xFFFFFFF0u, false}, // start + interval wraps, now has not
        {0xFFFFFF00u, 0x200u, 0x100u, false},
        {0xFFFFFF00u, 0x200u, 0x101u, true},
    };
    for (const PassedCase& c : passes)
        EXPECT_EQ(festoon::TickPassed(c.start, c.interval, c.now), c.passed)
            << c.start << " + " << c.interval << " at " << c.now;
}

TEST(Rates, FlashIntervalRanges) {
    const int lo[5] = {2000, 1600, 1000, 200, 50};
    const int hi[5] = {2700, 2200, 1600, 1000, 500};
    for (int rate = 0; rate < 5; ++rate) {
        {
            fake::ScriptedRandom rng({0});
            EXPECT_EQ(festoon::FlashInterval(rate), lo[rate]);
        }
        fake::ScriptedRandom rng({100000});
        const int v = festoon::FlashInterval(rate);
        ASSERT_EQ(rng.bounds.size(), 1u);
        EXPECT_EQ(lo[rate] + rng.bounds[0] - 1, hi[rate]) << "largest draw reaches the top";
        EXPECT_LE(v, hi[rate]);
    }
}

TEST(Chase, SpacingAndLitPositions) {
    struct Case {
        int count, position;
        std::vector<int> lit;
    } cases[] = {
        {20, 0, {0, 4, 8, 12, 16}},
        {20, 3, {3, 7, 11, 15, 19}},
        {25, 2, {2, 7, 12, 17, 22}},
        {32, 0, {0, 8, 16, 24}},
        {32, 30, {6, 14, 22, 30}},
        {40, 35, {3, 11, 19, 27, 35}},
        {21, 19, {0, 2, 4, 6, 8, 10, 12, 14, 16, 19}}, // wraps past the end
        {3, 0, {0}},
        {1, 0, {}}, // too short for even one step of the pattern
    };
    for (const auto& c : cases) {
        LightString s = StringOf(c.count);
        s.chasePosition = c.position;
        festoon::LayChase(s);
        EXPECT_EQ(LitPositions(s), c.lit) << c.count << " positions";
    }
    LightString empty = StringOf(0);
    festoon::LayChase(empty); // nothing to light, nothing to crash
    EXPECT_EQ(festoon::ChaseSpacing(21), 2);
}

TEST(Chase, StepMovesRightAndWraps) {
    fake::Clock clock;
    LightString s = StringOf(40);
    s.chasePosition = 38;
    Settings st = WithMode(festoon::kModeChase);
    ASSERT_EQ(festoon::AdvanceStep(s, st, false), 1);
    EXPECT_EQ(LitPositions(s), (std::vector<int>{7, 15, 23, 31, 39}));
    festoon::AdvanceStep(s, st, false);
    EXPECT_EQ(s.chasePosition, 0);
    EXPECT_EQ(LitPositions(s), (std::vector<int>{0, 8, 16, 24, 32}));
}

TEST(Modes, TogglingModes) {
    fake::Clock clock;
    LightString s = StringOf(10);
    for (int i = 0; i < 10; ++i) festoon::InitialState(s, i, festoon::kModeAlternating);
    EXPECT_EQ(LitPositions(s), (std::vector<int>{1, 3, 5, 7, 9}));
    festoon::AdvanceStep(s, WithMode(festoon::kModeAlternating), false);
    EXPECT_EQ(LitPositions(s), (std::vector<int>{0, 2, 4, 6, 8}));

    for (int i = 0; i < 10; ++i) festoon::InitialState(s, i, festoon::kModeAllTogether);
    EXPECT_TRUE(LitPositions(s).empty());
    festoon::AdvanceStep(s, WithMode(festoon::kModeAllTogether), false);
    EXPECT_EQ(LitPositions(s).size(), 10u);

    for (int i = 0; i < 10; ++i) festoon::InitialState(s, i, festoon::kModeNone);
    EXPECT_EQ(LitPositions(s).size(), 10u);
    festoon::AdvanceStep(s, WithMode(festoon::kModeNone), false);
    EXPECT_EQ(LitPositions(s).size(), 10u);
}

TEST(Modes, RandomFlashersToggleWhenTheirTimeHasCome) {
    fake::Clock clock(5000);
    fake::ScriptedRandom rng({0});
    LightString s = StringOf(3);
    s.bulbs[0].flasher = 1;
    s.bulbs[0].lit = 0;
    s.bulbs[0].nextToggleTick = 5200;
    s.bulbs[1].flasher = 1;
    s.bulbs[1].lit = 1;
    s.bulbs[1].nextToggleTick = 9000;
    s.bulbs[2].flasher = 0;
    s.bulbs[2].lit = 0;

    Settings st = WithMode(festoon::kModeRandom, 4);
    festoon::AdvanceStep(s, st, false);
    EXPECT_EQ(s.bulbs[0].lit, 0) << "not yet due";
    EXPECT_EQ(s.bulbs[2].lit, 1) << "non-flashers are lit";

    clock.ticks = 5201;
    festoon::AdvanceStep(s, st, false);
    EXPECT_EQ(s.bulbs[0].lit, 1);
    EXPECT_EQ(s.bulbs[0].nextToggleTick, 5201u + 50u) << "a fresh interval from the rate";
    EXPECT_EQ(s.bulbs[1].lit, 1);
}

TEST(Modes, RandomFlashersKeepFlashingAcrossTheTickWrap) {
    fake::Clock clock(0xFFFFFF00u);
    LightString s = StringOf(1);
    s.bulbs[0].flasher = 1;
    s.bulbs[0].nextToggleTick = 0xFFFFFF00u + 600; // lies past the wrap
    Settings st = WithMode(festoon::kModeRandom, 2);
    clock.ticks = 0x00000010u; // wrapped, but only 272 ms later
    festoon::AdvanceStep(s, st, false);
    EXPECT_EQ(s.bulbs[0].lit, 0);
    clock.ticks = 0x00000200u; // 768 ms later: due
    festoon::AdvanceStep(s, st, false);
    EXPECT_EQ(s.bulbs[0].lit, 1);
}

TEST(Modes, SomeFlashMakesAboutThreeInTenFlashers) {
    fake::ScriptedRandom rng({}, 2024);
    long flashers = 0;
    const int builds = 500;
    for (int b = 0; b < builds; ++b) {
        LightString s = StringOf(40);
        for (int i = 0; i < 40; ++i) festoon::InitialState(s, i, festoon::kModeSomeFlash);
        for (const auto& bulb : s.bulbs) {
            flashers += bulb.flasher;
            if (!bulb.flasher) {
                EXPECT_EQ(bulb.lit, 1);
            }
        }
    }
    const double mean = static_cast<double>(flashers) / builds; // 40 * 15/51 = 11.8
    EXPECT_GT(mean, 10.5);
    EXPECT_LT(mean, 13.0);
}

TEST(StepGate, WaitsForTheStepIntervalAcrossTheWrap) {
    fake::Clock clock(0xFFFFFE00u);
    LightString s = StringOf(4);
    Settings st = WithMode(festoon::kModeAllTogether, 2); // 500 ms steps
    EXPECT_EQ(festoon::AdvanceStep(s, st, true), 0) << "the first gated call only starts the gate";
    EXPECT_EQ(s.lastStepTick, 0xFFFFFE00u);
    clock.ticks += 500;
    EXPECT_EQ(festoon::AdvanceStep(s, st, true), 0);
    clock.ticks += 1; // 501 ms: past the interval, and past the wrap
    EXPECT_EQ(festoon::AdvanceStep(s, st, true), 1);
    EXPECT_EQ(s.lastStepTick, 0xFFFFFE00u + 501u);
    EXPECT_EQ(LitPositions(s).size(), 4u);
    EXPECT_EQ(festoon::AdvanceStep(s, st, false), 1) << "ungated steps never wait";
}

TEST(StyleChange, OnlyForTheRandomStyleAndEveryInterval) {
    LightString s;
    Settings st;
    st.ChangeLights = 1;
    st.BulbType = -1;
    s.lastStyleChangeTick = 0;
    EXPECT_FALSE(festoon::StyleChangeDue(s, st, 300000));
    EXPECT_TRUE(festoon::StyleChangeDue(s, st, 300001));
    s.lastStyleChangeTick = 0xFFFFFFF0u;
    EXPECT_FALSE(festoon::StyleChangeDue(s, st, 1000)) << "just after the wrap";
    EXPECT_TRUE(festoon::StyleChangeDue(s, st, 300000));
    st.BulbType = 3;
    EXPECT_FALSE(festoon::StyleChangeDue(s, st, 300000));
    st.BulbType = -1;
    st.ChangeLights = 0;
    EXPECT_FALSE(festoon::StyleChangeDue(s, st, 300000));
}

TEST(KeyLights, FirstThreeBulbsDriveTheLockKeys) {
    LightString s = StringOf(5);
    s.bulbs[0].lit = 1;
    s.bulbs[1].lit = 0;
    s.bulbs[2].lit = 1;
    unsigned char keys[256];
    for (auto& k : keys) k = 0x55;
    festoon::ApplyKeyLights(s, keys);
    EXPECT_EQ(keys[0x90], 0x81); // Num Lock
    EXPECT_EQ(keys[0x14], 0x00); // Caps Lock
    EXPECT_EQ(keys[0x91], 0x81); // Scroll Lock
    EXPECT_EQ(keys['A'], 0x55);

    LightString one = StringOf(1);
    one.bulbs[0].lit = 1;
    keys[0x14] = 0x55;
    festoon::ApplyKeyLights(one, keys);
    EXPECT_EQ(keys[0x14], 0x55) << "no bulb, no change";
}
