// The screen saver's pictures on black: bitmap 130, a snowman with a black top hat
// and a blue scarf (120x206), and bitmap 131, a decorated tree on a red stand
// (120x222). They stand on the bottom edge of the screen, so both reach it.
#include "tools/artgen/pictures.h"

#include "tools/artgen/bulbs.h"
#include "tools/artgen/shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr float kPi = 3.14159265f;

ColFn SnowBall(float cx, float cy, float r) {
    return [=](float x, float y) {
        float s = SphereShade(x, y, cx, cy, r, r);
        // Faint sparkle in the snow.
        unsigned hx = unsigned(x * 3) * 2654435761u ^ unsigned(y * 3) * 97u;
        Rgb c = Mix(RgbOf(120, 140, 190), RgbOf(255, 255, 255), std::min(1.0f, s));
        return (hx >> 9) % 61 == 0 ? RgbOf(255, 255, 255) : c;
    };
}

Image SnowmanPicture() {
    std::vector<Layer> l;
    // Snow on the ground.
    l.push_back({[](float x, float y) { return y > 196.0f + 3.0f * std::sin(x * 0.06f); },
                 [](float, float y) {
                     return Mix(RgbOf(240, 245, 255), RgbOf(150, 165, 210), (y - 194.0f) / 12.0f);
                 }});
    // Stick arms behind the body.
    InFn arms = Union(
        Union(Capsule(36.0f, 104.0f, 8.0f, 80.0f, 2.2f), Capsule(16.0f, 87.0f, 10.0f, 74.0f, 1.6f)),
        Union(Capsule(84.0f, 104.0f, 112.0f, 80.0f, 2.2f),
              Capsule(104.0f, 87.0f, 112.0f, 73.0f, 1.6f)));
    l.push_back({arms, [](float x, float) {
                     return Scale(RgbOf(130, 80, 35), 0.8f + 0.2f * std::sin(x));
                 }});
    l.push_back({Ellipse(60.0f, 164.0f, 40.0f, 37.0f), SnowBall(60.0f, 164.0f, 40.0f)});
    l.push_back({Ellipse(60.0f, 104.0f, 29.0f, 27.0f), SnowBall(60.0f, 104.0f, 29.0f)});
    l.push_back({Ellipse(60.0f, 58.0f, 21.0f, 20.0f), SnowBall(60.0f, 58.0f, 21.0f)});
    // Coal eyes, smile and buttons.
    InFn coal = Union(Ellipse(52.0f, 53.0f, 2.8f, 3.0f), Ellipse(68.0f, 53.0f, 2.8f, 3.0f));
    for (int i = 0; i < 5; ++i) {
        float a = (30.0f + 30.0f * i) * kPi / 180.0f;
        coal = Union(coal,
                     Ellipse(60.0f + 11.0f * std::cos(a), 60.0f + 8.0f * std::sin(a), 1.6f, 1.6f));
    }
    for (float by : {98.0f, 112.0f, 150.0f, 168.0f})
        coal = Union(coal, Ellipse(60.0f, by, 3.2f, 3.2f));
    l.push_back({coal, [](float x, float y) {
                     return Mix(RgbOf(20, 20, 25), RgbOf(90, 90, 100),
                                Spot(x, y, std::round(x) - 1.0f, std::round(y) - 1.0f, 2.0f));
                 }});
    // Carrot nose.
    l.push_back({Polygon({60.0f, 56.0f, 60.0f, 63.0f, 84.0f, 61.5f}), [](float, float y) {
                     return y < 59.5f ? RgbOf(255, 150, 40) : RgbOf(215, 100, 10);
                 }});
    // Blue scarf: a band round the neck and a tail with fringes.
    InFn scarf = Union(Capsule(40.0f, 78.0f, 80.0f, 78.0f, 5.0f),
                       Polygon({66.0f, 80.0f, 78.0f, 79.0f, 84.0f, 118.0f, 72.0f, 120.0f}));
    InFn fringe = [](float x, float y) {
        return y > 118.0f && y < 125.0f && x > 72.0f && x < 85.0f && std::fmod(x, 3.0f) < 1.6f &&
               y < 126.0f - (x - 72.0f) * 0.15f;
    };
    l.push_back({Union(scarf, fringe), [](float x, float y) {
                     bool stripe = (y > 100.0f && y < 104.0f) || (y > 108.0f && y < 112.0f);
                     Rgb c = Mix(RgbOf(60, 120, 255), RgbOf(10, 40, 170), (x - 40.0f) / 45.0f);
                     return stripe ? RgbOf(230, 240, 255) : c;
                 }});
    // The black top hat: brim and crown, with a grey sheen so it reads on black.
    InFn hat = Union(Capsule(34.0f, 39.0f, 86.0f, 39.0f, 3.2f), Rect(42.0f, 4.0f, 78.0f, 39.0f));
    l.push_back({hat, [](float x, float y) {
                     float sheen =
                         std::exp(-std::pow((x - 49.0f) / 4.0f, 2.0f)) * (y < 36.0f ? 1.0f : 0.0f);
                     bool edge = x < 43.5f || x > 76.5f || y < 5.5f || y > 38.5f;
                     Rgb c = Mix(RgbOf(22, 22, 28), RgbOf(110, 110, 125), 0.8f * sheen);
                     return edge ? RgbOf(85, 85, 95) : c;
                 }});
    l.push_back({Rect(42.0f, 28.0f, 78.0f, 34.0f),
                 Solid(RgbOf(40, 90, 220))}); // hat band matching the scarf
    return Picture(120, 206, RgbOf(0, 0, 0), l, 3);
}

Image TreePicture() {
    std::vector<Layer> l;
    // Red stand and trunk.
    l.push_back({Polygon({34.0f, 221.5f, 86.0f, 221.5f, 80.0f, 198.0f, 40.0f, 198.0f}),
                 [](float x, float y) {
                     Rgb c = Mix(RgbOf(240, 40, 40), RgbOf(140, 0, 0), (x - 34.0f) / 52.0f);
                     return y < 202.0f ? Mix(c, White(), 0.35f) : c;
                 }});
    l.push_back({Rect(52.0f, 180.0f, 68.0f, 199.0f), [](float x, float) {
                     return Scale(RgbOf(120, 70, 30), 0.7f + 0.4f * (68.0f - x) / 16.0f);
                 }});
    // Four tiers of branches with drooping, jagged lower edges.
    struct Tier {
        float top, bottom, half;
    };
    const Tier tiers[4] = {{22, 70, 24}, {44, 112, 36}, {76, 152, 48}, {110, 188, 58}};
    InFn tree = [](float, float) { return false; };
    for (const Tier& t : tiers) {
        tree = Union(tree, [t](float x, float y) {
            if (y < t.top) return false;
            float hw = t.half * (y - t.top) / (t.bottom - t.top);
            float droop = 3.5f * std::fabs(std::sin((x - 60.0f) * 0.22f));
            return std::fabs(x - 60.0f) <= hw &&
                   y <= t.bottom - droop + 2.0f * (1 - std::fabs(x - 60.0f) / t.half);
        });
    }
    l.push_back({tree, [](float x, float y) {
                     float shade = 0.7f + 0.35f * std::cos((x - 48.0f) * 0.03f) +
                                   0.08f * std::sin(x * 0.9f + y * 0.5f);
                     return Scale(RgbOf(20, 130, 50), shade);
                 }});
    // Gold tinsel swags.
    InFn tinsel = [](float, float) { return false; };
    const float swagY[4] = {60.0f, 98.0f, 136.0f, 172.0f};
    for (int i = 0; i < 4; ++i) {
        Path p;
        float hw = 20.0f + 11.0f * i;
        for (int s = 0; s <= 20; ++s) {
            float u = -1.0f + s / 10.0f;
            p.To(60.0f + u * hw, swagY[i] - 12.0f + 10.0f * (1 - u * u) + 6.0f * u);
        }
        tinsel = Union(tinsel, p.Stroke(1.3f, 1.3f));
    }
    l.push_back({Intersect(tinsel, tree), [](float x, float y) {
                     return std::fmod(x + y, 4.0f) < 2.0f ? RgbOf(255, 230, 110)
                                                          : RgbOf(210, 160, 30);
                 }});
    // Baubles.
    struct Ball {
        float x, y, r;
        int hue;
    };
    const Ball balls[] = {
        {52, 52, 4, 2},     {70, 62, 3.5f, 1}, {44, 82, 4, 4},     {66, 90, 4.5f, 0},
        {82, 102, 4, 2},    {36, 108, 4, 1},   {58, 120, 5, 5},    {30, 140, 4, 3},
        {76, 134, 4.5f, 4}, {95, 145, 4, 0},   {48, 150, 4.5f, 2}, {22, 176, 4, 4},
        {66, 168, 5, 1},    {100, 178, 4, 2},  {40, 180, 3.5f, 0}, {84, 160, 3.5f, 5}};
    for (const Ball& b : balls) {
        Rgb base = b.hue == 3 ? RgbOf(255, 140, 0) : HueOf(b.hue).bright;
        l.push_back({Ellipse(b.x, b.y, b.r, b.r), [=](float x, float y) {
                         float s = SphereShade(x, y, b.x, b.y, b.r, b.r);
                         Rgb c = Scale(base, 0.45f + 0.6f * s);
                         return Mix(
                             c, White(),
                             0.9f * Spot(x, y, b.x - b.r * 0.4f, b.y - b.r * 0.4f, b.r * 0.45f));
                     }});
    }
    // Small white lights.
    for (int i = 0; i < 26; ++i) {
        float y = 40.0f + i * 5.6f;
        float frac = std::fmod(i * 0.618f, 1.0f);
        float hw = 6.0f + (y - 30.0f) * 0.33f;
        float x = 60.0f + (frac * 2 - 1) * hw;
        l.push_back({Intersect(Ellipse(x, y, 1.6f, 1.6f), tree), [=](float px, float py) {
                         return Mix(RgbOf(255, 240, 160), White(), Spot(px, py, x, y, 1.6f));
                     }});
    }
    // The star on top.
    std::vector<float> star;
    for (int i = 0; i < 10; ++i) {
        float a = (-90.0f + 36.0f * i) * kPi / 180.0f;
        float r = i % 2 ? 6.0f : 14.5f;
        star.push_back(60.0f + r * std::cos(a));
        star.push_back(18.0f + r * std::sin(a));
    }
    l.push_back({Polygon(star), [](float x, float y) {
                     return Mix(RgbOf(255, 255, 210), RgbOf(255, 190, 20),
                                std::min(1.0f, std::hypot(x - 60.0f, y - 18.0f) / 13.0f));
                 }});
    return Picture(120, 222, RgbOf(0, 0, 0), l, 3);
}

} // namespace

std::vector<NamedBitmap> SaverBitmaps() {
    return {{"130", SnowmanPicture()}, {"131", TreePicture()}};
}

} // namespace art
