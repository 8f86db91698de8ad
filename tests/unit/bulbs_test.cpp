// Building the string: positions for every screen width, gaps, defects and
// the icon each position shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"
#include "lights/bulbs.h"
#include "lights/flashing.h"

using festoon::LightString;
using festoon::Settings;

namespace {

Settings Plain() {
    Settings st;
    st.NotSoMany = 0;
    st.Mode = festoon::kModeNone;
    st.Color = 3;
    return st;
}

LightString Built(int width, const Settings& st) {
    LightString s;
    festoon::ResetString(s, width);
    festoon::BuildString(s, st, fake::NameLoader());
    return s;
}

std::string Icon(const LightString& s, int i, int k) { return fake::NameOf(s.bulbs[i].icon[k]); }

} // namespace

TEST(Layout, OnePositionPer32PixelsOfAnyWidth) {
    struct Case {
        int width, count;
    } cases[] = {{640, 20},  {800, 25},  {1024, 32},  {1280, 40},
                 {1366, 42}, {2560, 80}, {3840, 120}, {7680, 240},
                 {31, 0},    {0, 0},     {-5, 0},     {1 << 30, festoon::kMaxBulbs}};
    for (const Case& c : cases) EXPECT_EQ(festoon::BulbCountForWidth(c.width), c.count) << c.width;
}

TEST(Layout, EveryPositionOfAWideScreenIsBuilt) {
    fake::ScriptedRandom rng;
    fake::Clock clock;
    for (int width : {640, 1024, 3840, 7680}) {
        LightString s = Built(width, Plain());
        ASSERT_EQ(s.Count(), width / 32);
        EXPECT_EQ(s.built, 1);
        for (int i = 0; i < s.Count(); ++i) {
            EXPECT_EQ(s.bulbs[i].x, 32 * i);
            EXPECT_EQ(s.bulbs[i].y, 0);
            EXPECT_EQ(Icon(s, i, 0), "Light03");
            EXPECT_EQ(Icon(s, i, 1), "Light13");
        }
    }
}

TEST(Layout, NotSoManyLeavesBareWireAtOddPositions) {
    fake::ScriptedRandom rng;
    fake::Clock clock;
    Settings st = Plain();
    st.NotSoMany = 1;
    st.Color = 8; // MultiColor numbers the built bulbs: 1, 2, 3, 4, 5, 0, ...
    LightString s = Built(800, st);
    ASSERT_EQ(s.Count(), 25);
    int bulbs = 0;
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(s.bulbs[i].x, 32 * i);
        if (i % 2) {
            EXPECT_EQ(Icon(s, i, 0), "NoLight");
            EXPECT_EQ(Icon(s, i, 1), "NoLight");
            EXPECT_EQ(s.bulbs[i].lit, 0);
        } else {
            ++bulbs;
            const int built = i / 2; // the bulb built for position k ends at 2k
            EXPECT_EQ(s.bulbs[i].color, (built + 1) % 6) << i;
            EXPECT_EQ(Icon(s, i, 1), "Light1" + std::to_string((built + 1) % 6));
        }
    }
    EXPECT_EQ(bulbs, 13);
}

TEST(Layout, GapAtTheEdgesIsSafe) {
    fake::ScriptedRandom rng;
    fake::Clock clock;
    LightString s = Built(128, Plain());
    festoon::InsertGap(s, 0, fake::NameLoader());
    festoon::InsertGap(s, 4, fake::NameLoader());
    EXPECT_EQ(Icon(s, 0, 0), "Light03") << "position 0 never becomes a gap";
    festoon::InsertGap(s, 3, fake::NameLoader());
    EXPECT_EQ(Icon(s, 3, 1), "NoLight");
    EXPECT_EQ(s.Count(), 4);

    LightString tiny = Built(40, Plain()); // one position: nothing to insert
    Settings st = Plain();
    st.NotSoMany = 1;
    festoon::BuildString(tiny, st, fake::NameLoader());
    EXPECT_EQ(Icon(tiny, 0, 1), "Light13");
}

TEST(Defects, PowerOffShowsTheUnlitImageInBothStates) {
    fake::ScriptedRandom rng;
    fake::Clock clock;
    Settings st = Plain();
    st.Power = 0;
    LightString s = Built(640, st);
    for (int i = 0; i < s.Count(); ++i) {
        EXPECT_EQ(s.bulbs[i].powered, 0);
        EXPECT_EQ(Icon(s, i, 1), "Light03");
    }
}

TEST(Defects, DrawOrderIsFixed) {
    fake::Clock clock;
    Settings st = Plain();
    st.Color = -1;
    st.BulbType = -1;
    st.Mode = festoon::kModeRandom;
    st.Rate = 0;
    st.BurnedOut = st.Broken = st.MissingBulbs = 1;
    // Style 0; colour 3; intervals; odd draw (lit); burned out (yes); broken
    // (no); unlit icon missing (no); lit icon missing (yes).
    fake::ScriptedRandom rng({0, 3, 10, 20, 1, 5, 50, 90, 19});
    LightString s;
    festoon::ResetString(s, 32);
    festoon::BuildString(s, st, fake::NameLoader());
    EXPECT_EQ(rng.bounds, (std::vector<int>{22, 7, 701, 701, 2, 101, 101, 101, 101}));
    const festoon::Bulb& b = s.bulbs[0];
    EXPECT_EQ(b.color, 3);
    EXPECT_EQ(b.flashInterval1, 2010);
    EXPECT_EQ(b.flashInterval2, 2020);
    EXPECT_EQ(b.nextToggleTick, clock.ticks + 2010);
    EXPECT_EQ(b.lit, 1);
    EXPECT_EQ(b.flasher, 1);
    EXPECT_EQ(b.powered, 0);
    EXPECT_EQ(b.broken, 0);
    EXPECT_EQ(Icon(s, 0, 0), "Light03");
    EXPECT_EQ(Icon(s, 0, 1), "MISSING");
}

TEST(Defects, OddsOverManyBuilds) {
    fake::Clock clock;
    fake::ScriptedRandom rng({}, 31337);
    Settings st = Plain();
    st.BurnedOut = st.Broken = st.MissingBulbs = 1;
    long bulbs = 0, burned = 0, broken = 0, missing = 0;
    for (int n = 0; n < 300; ++n) {
        LightString s = Built(1280, st);
        for (int i = 0; i < s.Count(); ++i) {
            ++bulbs;
            burned += s.bulbs[i].powered == 0;
            broken += s.bulbs[i].broken;
            missing += Icon(s, i, 1) == "MISSING";
            if (s.bulbs[i].broken && Icon(s, i, 0) != "MISSING") {
                EXPECT_EQ(Icon(s, i, 0).substr(0, 6), "Light2") << "broken Normal bulbs";
            }
        }
    }
    auto share = [&](long n) { return static_cast<double>(n) / bulbs; };
    EXPECT_NEAR(share(burned), 20.0 / 101, 0.02);
    EXPECT_NEAR(share(broken), 16.0 / 101, 0.02);
    EXPECT_NEAR(share(missing), 20.0 / 101, 0.02);
}

TEST(Defects, BrokenNeedsTheNormalStyle) {
    fake::Clock clock;
    fake::ScriptedRandom rng({}, 5);
    Settings st = Plain();
    st.Broken = 1;
    st.BulbType = 1; // Round
    LightString s = Built(1280, st);
    for (int i = 0; i < s.Count(); ++i) {
        EXPECT_NE(Icon(s, i, 0).substr(0, 6), "Light2");
        EXPECT_NE(Icon(s, i, 1).substr(0, 6), "Light2");
    }
}

TEST(Build, ChaseLaysThePatternAndSurvivesRebuilds) {
    fake::Clock clock;
    fake::ScriptedRandom rng;
    Settings st = Plain();
    st.Mode = festoon::kModeChase;
    LightString s;
    festoon::ResetString(s, 1024);
    s.chasePosition = 3;
    festoon::BuildString(s, st, fake::NameLoader());
    std::vector<int> lit;
    for (int i = 0; i < s.Count(); ++i)
        if (s.bulbs[i].lit) lit.push_back(i);
    EXPECT_EQ(lit, (std::vector<int>{3, 11, 19, 27}));
    EXPECT_EQ(s.chasePosition, 3);
}

TEST(Build, NullIconsAreTolerated) {
    fake::Clock clock;
    fake::ScriptedRandom rng;
    LightString s;
    festoon::ResetString(s, 256);
    festoon::BuildString(s, Plain(), festoon::IconLoader{});
    EXPECT_EQ(s.built, 1);
    EXPECT_EQ(s.bulbs[0].icon[1], nullptr);
    EXPECT_STREQ(s.bulbs[0].iconName[1], "Light13");
}
