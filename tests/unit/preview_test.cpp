// The options dialog's flashing preview: starting patterns, pace, and the
// patterns each mode steps through.
#include <gtest/gtest.h>

#include <vector>

#include "fakes.h"
#include "ui/preview.h"

using festoon::Preview;

namespace {

// Ticks until the next step, and the patterns painted over `steps` steps.
std::vector<int> Painted(Preview p, int rate, int steps, std::vector<int>* gaps = nullptr) {
    std::vector<int> out;
    int since = 0;
    while (static_cast<int>(out.size()) < steps) {
        ++since;
        if (!festoon::PreviewTick(p, rate)) continue;
        out.push_back(p.pattern);
        if (gaps) gaps->push_back(since);
        since = 0;
        festoon::PreviewAfterPaint(p);
    }
    return out;
}

} // namespace

TEST(PreviewStart, PatternChosenWithTheMode) {
    fake::ScriptedRandom random({0x5A});
    struct Case {
        int mode;
        int expected;
    };
    const Case cases[] = {{0, 0xFF}, {1, 0x5A}, {2, 0xFF}, {3, 0x11}, {4, 0x55}, {5, 0x37}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(festoon::PatternForMode(c.mode, 0x37), c.expected);
    }
}

TEST(PreviewPace, TicksBetweenStepsByRate) {
    // 600, 450, 300, 150 and 50 ms at 50 ms a tick; rates outside 0-4 clamp.
    const int expected[] = {12, 12, 9, 6, 3, 1, 1};
    const int rates[] = {-3, 0, 1, 2, 3, 4, 9};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(rates[i]);
        EXPECT_EQ(festoon::PreviewTicksPerStep(rates[i]), expected[i]);
        std::vector<int> gaps;
        Painted(Preview{0, 0xFF, 0}, rates[i], 4, &gaps);
        EXPECT_EQ(gaps, std::vector<int>(4, expected[i]));
    }
}

TEST(PreviewPace, ASlowerRateTakesEffectFromTheNextTick) {
    Preview p{0, 0xFF, 0};
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(festoon::PreviewTick(p, 0));
    EXPECT_TRUE(festoon::PreviewTick(p, 4)); // already past the fast rate's single tick
}

TEST(PreviewModes, PatternsOverSteps) {
    fake::ScriptedRandom random({0x00, 0x01, 0xFF, 0x20});
    struct Case {
        const char* name;
        int mode;
        int start;
        std::vector<int> painted;
    };
    const Case cases[] = {
        {"None stays lit", 0, 0x00, {0xFF, 0xFF, 0xFF}},
        {"All Together blinks", 2, 0xFF, {0x00, 0xFF, 0x00}},
        {"Alternating swaps halves", 4, 0x55, {0xAA, 0x55, 0xAA}},
        {"Chase runs two bulbs four apart", 3, 0x11, {0x11, 0x22, 0x44, 0x88, 0x11, 0x22}},
        // Random bytes 0x00, 0x01, 0xFF, 0x20 with bits 1, 3, 4, 6, 7 forced on.
        {"Some Flash twinkles three bulbs", 5, 0x00, {0xDA, 0xDB, 0xFF, 0xFA}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Painted(Preview{c.mode, static_cast<std::uint8_t>(c.start), 0}, 4,
                          static_cast<int>(c.painted.size())),
                  c.painted);
    }
}

TEST(PreviewModes, RandomDrawsAByteEachStep) {
    fake::ScriptedRandom random({0x12, 0x34});
    EXPECT_EQ(Painted(Preview{1, 0, 0}, 4, 2), (std::vector<int>{0x12, 0x34}));
    EXPECT_EQ(random.bounds, (std::vector<int>{256, 256}));
}
