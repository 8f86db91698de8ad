// The seven screen saver effects, run natively on a pixel picture: a fixed
// seed gives a fixed picture, and each effect's stated corner cases hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "fakes.h"
#include "lights/random.h"
#include "saver/effects.h"
#include "saver_test_util.h"

using festoon::Color;
using festoon::kBlack;
using festoon::kWhite;
using festoon::Rgb;

namespace {

std::uint32_t FixedCalendar() { return 1234567; }

struct FixedClock {
    FixedClock() { festoon::SetCalendarSource(FixedCalendar); }
    ~FixedClock() { festoon::SetCalendarSource(nullptr); }
};

std::vector<std::uint32_t> RunEffect(int type, std::uint32_t seed, int steps) {
    FixedClock clock;
    festoon::SeedRandom(seed);
    TestPicture pic(160, 120);
    auto fx = std::make_unique<festoon::SaverEffects>();
    festoon::EffectInit(*fx, type, 160, 120);
    for (int i = 0; i < steps; ++i) festoon::EffectStep(*fx, type, pic.canvas);
    return pic.pixels;
}

int NonBlack(const std::vector<std::uint32_t>& pixels) {
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(),
                                          [](std::uint32_t p) { return (p & 0xFFFFFF) != 0; }));
}

// Every slot busy but idle, so no flake spawns and only the one under test moves.
void FillSnowTable(festoon::SnowState& s) {
    for (festoon::Flake& f : s.flakes) {
        f = festoon::Flake{};
        f.active = true;
    }
}

} // namespace

TEST(SaverEffects, AFixedSeedGivesAFixedPicture) {
    const int animated[] = {festoon::kSaverSnow,        festoon::kSaverWarp,
                            festoon::kSaverFireworks,   festoon::kSaverCurves,
                            festoon::kSaverCaterpillar, festoon::kSaverSparks};
    for (int type : animated) {
        const auto a = RunEffect(type, 7, 30);
        EXPECT_GT(NonBlack(a), 0) << "type " << type << " drew nothing";
        EXPECT_EQ(a, RunEffect(type, 7, 30)) << "type " << type;
    }
    // Snow, Warp Drive and Caterpillar do not re-seed: another seed, another picture.
    for (int type : {festoon::kSaverSnow, festoon::kSaverWarp, festoon::kSaverCaterpillar})
        EXPECT_NE(RunEffect(type, 7, 30), RunEffect(type, 8, 30)) << "type " << type;
}

TEST(SaverEffects, BlankAndUnknownTypesDrawNothing) {
    for (int type : {static_cast<int>(festoon::kSaverBlank), -1, 7, 1000})
        EXPECT_EQ(NonBlack(RunEffect(type, 3, 20)), 0) << "type " << type;
}

TEST(FallingSnow, AFlakeComesToRestOnTheBottomRow) {
    TestPicture pic(20, 20);
    festoon::SnowState s;
    FillSnowTable(s);
    festoon::Flake& f = s.flakes[0];
    f.x = 10;
    f.y = 17;
    f.speed = 7;
    f.falling = true;
    fake::ScriptedRandom rng({1}); // straight down
    festoon::SnowStep(s, pic.canvas);
    EXPECT_EQ(pic.canvas.GetPixel(10, 19), kWhite);
    EXPECT_EQ(f.y, 19);
    EXPECT_FALSE(f.active) << "settled: the row below the screen is occupied";
    EXPECT_EQ(rng.bounds, std::vector<int>({3})) << "a full table spawns nothing";
}

TEST(FallingSnow, AFlakeInTheColumnPastTheEdgeClimbsAwayAndVanishes) {
    TestPicture pic(20, 20);
    festoon::SnowState s;
    FillSnowTable(s);
    festoon::Flake& f = s.flakes[0];
    f.x = 19;
    f.y = 5;
    f.speed = 3;
    f.falling = true;
    pic.canvas.SetPixel(19, 5, kWhite);
    fake::ScriptedRandom rng({2}); // drifts right, into x = width
    festoon::SnowStep(s, pic.canvas);
    EXPECT_FALSE(f.active);
    EXPECT_LT(f.y, 0);
    EXPECT_EQ(pic.CountNonBlack(), 0);
}

TEST(FallingSnow, ABlockedFlakeSlidesDownTheSlope) {
    TestPicture pic(20, 20);
    pic.canvas.FillRect(0, 10, 20, 20, Rgb(0, 127, 0)); // ground from row 10
    pic.canvas.FillRect(5, 9, 6, 10, Rgb(0, 127, 0));   // a bump at (5, 9)
    festoon::SnowState s;
    FillSnowTable(s);
    festoon::Flake& f = s.flakes[0];
    f.x = 5;
    f.y = 2;
    f.speed = 7;
    f.side = 1;
    f.otherSide = -1;
    f.falling = true;
    fake::ScriptedRandom rng({1});
    festoon::SnowStep(s, pic.canvas);
    EXPECT_EQ(pic.canvas.GetPixel(5, 8), kWhite) << "lands on the bump";
    EXPECT_TRUE(f.sliding);
    festoon::SnowStep(s, pic.canvas);
    EXPECT_EQ(pic.canvas.GetPixel(5, 8), kBlack);
    EXPECT_EQ(pic.canvas.GetPixel(6, 9), kWhite) << "one step down its side";
    EXPECT_FALSE(f.active) << "nothing free below or beside: settled";
}

TEST(WarpDrive, AStarAtTheNearestDepthEdgeIsFarOffTheScreen) {
    festoon::WarpState s;
    {
        fake::ScriptedRandom rng({0});
        festoon::WarpInit(s, 1024, 768);
    }
    festoon::Star star;
    star.x = 512;
    star.y = 0;
    star.z = 125;
    const festoon::Point p = festoon::WarpProject(s, star);
    EXPECT_EQ(p.x, 512 + 512 * 350 / 125); // 2.8 times the offset
    EXPECT_GT(p.x, 1024);
    EXPECT_EQ(festoon::StarPalette(8), Rgb(192, 192, 192));
    EXPECT_EQ(festoon::StarPalette(16), kBlack);
}

TEST(Fireworks, ParticlesFadeByLife) {
    struct Row {
        int lifeBefore;
        bool alive;
        Color colour;
    };
    const Row rows[] = {
        {12, true, Rgb(0, 0, 255)},    // life 11: bright
        {11, true, Rgb(0, 0, 127)},    // life 10: dim
        {8, true, Rgb(0, 0, 127)},     // life 7: dim
        {7, true, Rgb(127, 127, 127)}, // life 6: grey
        {4, true, Rgb(127, 127, 127)}, // life 3: grey
        {3, true, kBlack},             // life 2: black
        {1, false, kBlack},            // life 0: dead
    };
    for (const Row& row : rows) {
        festoon::Particle p;
        p.bright = Rgb(0, 0, 255);
        p.dim = Rgb(0, 0, 127);
        p.life = row.lifeBefore;
        Color c = Rgb(1, 2, 3);
        EXPECT_EQ(festoon::MoveParticle(p, &c), row.alive) << row.lifeBefore;
        if (row.alive) {
            EXPECT_EQ(c, row.colour) << row.lifeBefore;
        }
    }
}

TEST(Fireworks, SlowSidewaysSpeedIsTruncatedAway) {
    festoon::Particle p;
    p.life = 20;
    p.x = 50;
    p.y = 50;
    p.vx = 0.9f;
    p.vy = -2.5f;
    Color c;
    ASSERT_TRUE(festoon::MoveParticle(p, &c));
    EXPECT_EQ(p.x, 50);
    EXPECT_EQ(p.y, 48) << "vy -2.5 moves 2 up; no fall yet";
    EXPECT_FLOAT_EQ(p.fall, 0.8f);
    ASSERT_TRUE(festoon::MoveParticle(p, &c));
    EXPECT_EQ(p.y, 46) << "-2.4 moves 2 up, then 0.8 of fall truncates to nothing";
}

TEST(Fireworks, TheBurstCountIsDrawnBeforeTheReseed) {
    FixedClock clock;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        festoon::SeedRandom(seed);
        const int expected = festoon::R(8) + 8;
        TestPicture pic(50, 40);
        festoon::FireworksState s;
        festoon::FireworksInit(s);
        festoon::SeedRandom(seed);
        festoon::FireworksStep(s, pic.canvas);
        EXPECT_EQ(s.burstCount, expected) << "seed " << seed;
    }
}

TEST(Sparks, TheEmitterStaysOnTheScreenAndTheTableCapsTheSparks) {
    TestPicture pic(60, 40);
    festoon::SparksState s;
    festoon::SparksInit(s);
    FixedClock clock;
    int mostActive = 0;
    for (int i = 0; i < 400; ++i) {
        festoon::SparksStep(s, pic.canvas);
        ASSERT_GE(s.ex, 0);
        ASSERT_LE(s.ex, 60);
        ASSERT_GE(s.ey, 0);
        ASSERT_LE(s.ey, 39);
        int active = 0;
        for (const festoon::Spark& k : s.sparks) active += k.active;
        mostActive = std::max(mostActive, active);
        ASSERT_LE(pic.CountNonBlack(), festoon::kSparks);
    }
    EXPECT_EQ(mostActive, festoon::kSparks) << "three a tick for 32-48 ticks fill the table";
}

TEST(Curves, AControlPointOvershootsForOneTickThenTurns) {
    TestPicture pic(120, 100);
    festoon::CurvesState s;
    s.started = true;
    s.count = 1;
    s.maxX = 110;
    s.maxY = 90;
    festoon::Curve& c = s.curves[0];
    c.start = {5, 5};
    c.end = {100, 80};
    c.control[0] = {110, 40};
    c.vx[0] = 9;
    c.vy[0] = 4;
    c.control[1] = {30, 86};
    c.vx[1] = -4;
    c.vy[1] = 5;
    c.colour = Rgb(0, 0, 255);
    festoon::CurvesStep(s, pic.canvas);
    EXPECT_EQ(c.control[0].x, 119);
    EXPECT_EQ(c.vx[0], -9);
    EXPECT_EQ(c.control[1].y, 91);
    EXPECT_EQ(c.vy[1], -5);
    festoon::CurvesStep(s, pic.canvas);
    EXPECT_EQ(c.control[0].x, 110);
    EXPECT_EQ(c.control[1].y, 86);
}

TEST(Curves, OneCurveLeavesOnlyItselfAndItsEndCircles) {
    TestPicture pic(120, 100);
    festoon::CurvesState s;
    festoon::CurvesInit(s);
    fake::ScriptedRandom rng({0}, 5); // R(5) = 0: one curve
    for (int i = 0; i < 25; ++i) festoon::CurvesStep(s, pic.canvas);
    ASSERT_EQ(s.count, 1);
    const festoon::Curve& c = s.curves[0];
    TestPicture expect(120, 100);
    const festoon::Point p[4] = {c.start, c.control[0], c.control[1], c.end};
    expect.canvas.Bezier(p, Rgb(0, 0, 255));
    expect.canvas.Ellipse(c.start.x - 3, c.start.y - 3, c.start.x + 3, c.start.y + 3,
                          Rgb(0, 0, 255));
    expect.canvas.Ellipse(c.end.x - 3, c.end.y - 3, c.end.x + 3, c.end.y + 3, Rgb(0, 0, 255));
    EXPECT_EQ(pic.pixels, expect.pixels) << "every earlier position was erased";
}

TEST(Caterpillar, NeverReversesInOneTurn) {
    festoon::Caterpillar cat;
    cat.direction = 0; // moving right
    fake::ScriptedRandom rng({2, 2, 3, 0});
    festoon::ChooseDirection(cat, false);
    EXPECT_EQ(cat.direction, 3) << "left is drawn again";
    EXPECT_EQ(cat.dx, 0);
    EXPECT_EQ(cat.dy, -1);
    EXPECT_EQ(cat.stepsLeft, 8);
}

TEST(Caterpillar, StaysBelowTheStringAndInsideItsMargins) {
    TestPicture pic(200, 150);
    festoon::CaterpillarState s;
    festoon::CaterpillarInit(s);
    festoon::SeedRandom(5);
    festoon::CaterpillarStep(s, pic.canvas);
    for (int t = 0; t < 2000; ++t) {
        festoon::CaterpillarStep(s, pic.canvas);
        for (const festoon::Caterpillar& cat : s.caterpillars)
            for (int i = 0; i < cat.count; ++i) {
                ASSERT_GE(cat.segments[i].y, 42);
                ASSERT_LE(cat.segments[i].y, 140);
                ASSERT_GE(cat.segments[i].x, 10);
                ASSERT_LE(cat.segments[i].x, 190);
            }
    }
    // Nothing is drawn over the light string's 32 rows.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(pic.canvas.GetPixel(x, y), kBlack);
}
