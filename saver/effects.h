// The seven screen saver effects: their tables and their init and step
// operations, drawn on a Canvas. Every random choice comes from R(n) in a
// fixed order, so a fixed seed (and a fixed clock for the effects that
// re-seed) always gives the same picture.
#pragma once

#include <cstdint>

#include "saver/canvas.h"

namespace festoon {

enum SaverType {
    kSaverSnow = 0,
    kSaverWarp = 1,
    kSaverFireworks = 2,
    kSaverCurves = 3,
    kSaverCaterpillar = 4,
    kSaverBlank = 5,
    kSaverSparks = 6,
    kSaverTypes = 7
};

// Falling Snow.
constexpr int kFlakes = 800;
struct Flake {
    bool active = false;
    bool falling = false;
    bool sliding = false;
    int x = 0, y = 0;
    int speed = 0;
    int side = 1;
    int otherSide = -1;
};
struct SnowState {
    Flake flakes[kFlakes];
};
void SnowInit(SnowState& s);
void SnowStep(SnowState& s, Canvas& c);

// Warp Drive.
constexpr int kStars = 250;
struct Star {
    int x = 0, y = 0, z = 0;
    int small = 0;
    Color colour = kBlack;
};
struct WarpState {
    Star stars[kStars];
    int speed = 6;
    int centreX = 0, centreY = 0;
};
Color StarPalette(int index); // black outside 0-15
void WarpInit(WarpState& s, int screenWidth, int screenHeight);
void WarpStep(WarpState& s, Canvas& c);
Point WarpProject(const WarpState& s, const Star& star);

// Exploding Fireworks.
constexpr int kBursts = 15;
constexpr int kBurstParticles = 40;
struct Particle {
    Color bright = kBlack, dim = kBlack;
    int x = 0, y = 0;
    float vx = 0, vy = 0;
    int life = 0;
    int size = 0;
    float fall = 0;
};
struct Burst {
    int count = 0;
    Particle particles[kBurstParticles];
};
struct FireworksState {
    bool started = false;
    int burstCount = 0;
    Burst bursts[kBursts];
};
void FireworksInit(FireworksState& s);
void FireworksStep(FireworksState& s, Canvas& c);
// One particle's move and new colour; false when its life has run out.
bool MoveParticle(Particle& p, Color* colour);

// Sparks!
constexpr int kSparks = 100;
struct Spark {
    bool active = false;
    int x = 0, y = 0;
    float vx = 0, vy = 0;
    int life = 0;
    int kind = 0;
    float fall = 0;
};
struct SparksState {
    bool started = false;
    Spark sparks[kSparks];
    int ex = 0, ey = 0;
    int right = 0, ground = 0;
};
void SparksInit(SparksState& s);
void SparksStep(SparksState& s, Canvas& c);

// Curves!
constexpr int kMaxCurves = 5;
struct Curve {
    Point start, end, control[2];
    int vx[2] = {}, vy[2] = {};
    Color colour = kBlack;
};
struct CurvesState {
    bool started = false;
    int count = 0;
    int maxX = 0, maxY = 0;
    Curve curves[kMaxCurves];
};
void CurvesInit(CurvesState& s);
void CurvesStep(CurvesState& s, Canvas& c);

// Caterpillar.
constexpr int kCaterpillars = 3;
constexpr int kMaxSegments = 15;
struct Caterpillar {
    int speed = 1;
    int size = 8;
    int count = 0;
    Point segments[kMaxSegments];
    int direction = 0;
    int dx = 0, dy = 0;
    int stepsLeft = 0;
    Color head = kBlack, body = kBlack;
};
struct CaterpillarState {
    bool started = false;
    int left = 0, top = 0, right = 0, bottom = 0; // the play area
    Caterpillar caterpillars[kCaterpillars];
};
void CaterpillarInit(CaterpillarState& s);
void CaterpillarStep(CaterpillarState& s, Canvas& c);
// A new direction; a caterpillar that already has one never reverses.
void ChooseDirection(Caterpillar& cat, bool first);

// Every effect's tables, and the dispatch by SSType. Blank Screen and any
// type outside 0-6 have no effect: the screen stays black.
struct SaverEffects {
    SnowState snow;
    WarpState warp;
    FireworksState fireworks;
    CurvesState curves;
    CaterpillarState caterpillar;
    SparksState sparks;
};
void EffectInit(SaverEffects& e, int type, int screenWidth, int screenHeight);
void EffectStep(SaverEffects& e, int type, Canvas& c);

// Fireworks, Sparks! and Curves! re-seed the generator from the calendar time
// in seconds when they start; tests fix it here (null: the real clock).
using CalendarFn = std::uint32_t (*)();
void SetCalendarSource(CalendarFn fn);
std::uint32_t CalendarSeconds();

// Where picture k (0 the snowman, 1 the tree) of the given size stands in a
// client area: on the bottom edge, centred on a quarter or three quarters of
// the width.
Point SaverPicturePosition(int k, int clientWidth, int clientHeight, int pictureWidth,
                           int pictureHeight);

} // namespace festoon
