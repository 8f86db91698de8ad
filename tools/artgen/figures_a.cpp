// Figures of the first half of the styles: snow flakes, bells, fish, candy canes,
// cactus, hearts, the flag, the Star of David, eggs, the pumpkin, the smiley face
// and the shamrock. Every figure hangs from the socket (rows 7-9) and fills rows
// 10-31; coordinates are in pixels of the 32x32 icon.
#include "tools/artgen/bulbs.h"
#include "tools/artgen/shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {
constexpr float kPi = 3.14159265f;

// Matte colouring for flat-painted parts that still respond to lit/unlit.
ColFn Flat(Rgb unlit, Rgb lit, bool on) { return Solid(on ? lit : unlit); }
} // namespace

std::vector<Layer> SnowFlake(Look look) {
    const float cx = 16.0f, cy = 20.6f, R = 10.0f;
    InFn shape = Ellipse(cx, cy, 2.3f, 2.3f);
    for (int a = 0; a < 6; ++a) {
        float th = (-90.0f + 60.0f * a) * kPi / 180.0f;
        float ux = std::cos(th), uy = std::sin(th);
        float len = a == 0 ? R + 1.0f : R; // the top arm reaches the socket
        shape = Union(shape, Capsule(cx, cy, cx + ux * len, cy + uy * len, 0.95f));
        for (float at : {0.52f, 0.78f}) {
            float bx = cx + ux * R * at, by = cy + uy * R * at;
            float bl = at < 0.6f ? 3.3f : 2.2f;
            for (float sgn : {-1.0f, 1.0f}) {
                float bt = th + sgn * 55.0f * kPi / 180.0f;
                shape = Union(
                    shape, Capsule(bx, by, bx + std::cos(bt) * bl, by + std::sin(bt) * bl, 0.7f));
            }
        }
    }
    ColFn col = [=](float x, float y) {
        float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / R;
        if (!look.lit) {
            Rgb c = Scale(look.hue.dark, 1.05f - 0.35f * d);
            return Mix(c, RgbOf(180, 180, 200), 0.25f * std::max(0.0f, 1 - 2.5f * d));
        }
        return Glowing(look.hue.bright, 0.85f * std::pow(std::max(0.0f, 1 - d), 1.3f) + 0.1f);
    };
    return {{shape, col}};
}

std::vector<Layer> Bell(Look look) {
    auto hw = [](float y) {
        if (y < 9.8f) return 0.0f;
        if (y < 11.2f) return 1.6f; // the loop it hangs by
        if (y < 15.0f) {
            float t = (15.0f - y) / 4.2f;
            return std::max(1.6f, 5.3f * std::sqrt(std::max(0.0f, 1 - t * t)));
        }
        if (y < 21.5f) return 5.3f + (y - 15.0f) * 0.14f;
        if (y < 26.8f) {
            float t = (y - 21.5f) / 5.3f;
            return 6.2f + 5.2f * t * t;
        }
        return y < 28.0f ? 11.4f - (y - 26.8f) * 0.8f : 0.0f;
    };
    InFn body = Profile(16.0f, 9.8f, 28.0f, hw);
    InFn clapper = Ellipse(16.0f, 29.4f, 2.2f, 2.1f);
    ColFn metal = [=](float x, float y) {
        float w = std::max(1.0f, hw(y));
        float u = std::clamp((x - 16.0f) / w, -1.0f, 1.0f);
        float shade = 0.55f + 0.5f * std::cos((u + 0.3f) * kPi / 2.6f);
        float shine = std::exp(-std::pow((u + 0.5f) / 0.16f, 2.0f)) * (y > 12.5f ? 1.0f : 0.3f);
        if (y > 25.6f) shade *= 0.8f; // the lip
        if (!look.lit) {
            Rgb c = Scale(look.hue.dark, 0.35f + 0.65f * shade);
            return Mix(c, RgbOf(200, 200, 200), 0.45f * shine);
        }
        Rgb c = Scale(look.hue.bright, 0.62f + 0.4f * shade);
        c = Glowing(c, 0.25f * (1 - std::fabs(u)));
        return Mix(c, White(), 0.9f * shine);
    };
    ColFn gold = [=](float x, float y) {
        float s = SphereShade(x, y, 16.0f, 29.4f, 2.2f, 2.1f);
        return look.lit ? Scale(RgbOf(255, 215, 90), 0.6f + 0.45f * s)
                        : Scale(RgbOf(120, 100, 50), 0.55f + 0.45f * s);
    };
    return {{clapper, gold}, {body, metal}};
}

std::vector<Layer> Fish(Look look) {
    InFn body = Ellipse(14.6f, 21.2f, 9.6f, 5.7f);
    InFn tail = Polygon({22.0f, 21.2f, 30.4f, 14.8f, 27.6f, 21.2f, 30.4f, 27.6f});
    InFn dorsal = Polygon({10.8f, 16.6f, 15.2f, 10.0f, 19.6f, 11.0f, 21.0f, 17.2f});
    InFn ventral = Polygon({12.2f, 25.8f, 17.0f, 25.8f, 14.6f, 29.4f});
    InFn gill = Intersect(Minus(Ellipse(8.0f, 21.2f, 4.4f, 4.6f), Ellipse(8.0f, 21.2f, 3.4f, 3.7f)),
                          Rect(9.0f, 0, 32, 32));
    InFn eye = Ellipse(8.6f, 19.6f, 1.7f, 1.7f);
    InFn pupil = Ellipse(8.3f, 19.7f, 0.85f, 0.95f);
    InFn mouth = Capsule(5.0f, 22.3f, 6.6f, 22.0f, 0.45f);

    ColFn skin = [=](float x, float y) {
        float shade = SphereShade(x, y, 14.6f, 21.2f, 9.6f, 5.7f);
        float belly = std::clamp((y - 21.5f) / 5.0f, 0.0f, 1.0f);
        // Rows of scales as a gentle wave of shading.
        float scale = 0.92f + 0.08f * std::cos((x * 1.6f + std::fabs(y - 21.2f) * 1.2f));
        Rgb base = look.lit ? Scale(look.hue.bright, 0.72f + 0.3f * shade)
                            : Scale(look.hue.dark, 0.45f + 0.55f * shade);
        base = Scale(base, scale);
        base = Mix(base, look.lit ? RgbOf(255, 255, 230) : RgbOf(150, 150, 140), 0.45f * belly);
        if (look.lit) base = Glowing(base, 0.3f * Spot(x, y, 14.0f, 20.5f, 8.0f));
        return Mix(base, look.lit ? White() : RgbOf(180, 180, 190),
                   0.7f * Spot(x, y, 12.0f, 17.8f, 2.4f));
    };
    ColFn fin = [=](float x, float y) {
        float ray = 0.85f + 0.15f * std::cos((x + y) * 2.2f);
        Rgb c = look.lit ? Glowing(look.hue.bright, 0.35f)
                         : Mix(look.hue.dark, RgbOf(60, 60, 60), 0.2f);
        return Scale(c, ray);
    };
    return {{Union(Union(tail, dorsal), ventral), fin},
            {body, skin},
            {gill, Solid(look.lit ? Scale(look.hue.bright, 0.6f) : Scale(look.hue.dark, 0.55f))},
            {eye, Solid(look.lit ? White() : RgbOf(185, 185, 185))},
            {pupil, Solid(RgbOf(10, 10, 10))},
            {mouth, Solid(RgbOf(30, 10, 10))}};
}

std::vector<Layer> CandyCane(Look look) {
    Path p;
    p.To(19.3f, 31.5f).To(19.3f, 15.8f);
    p.Arc(14.9f, 15.8f, 4.4f, 0.0f, -180.0f);
    p.To(10.5f, 19.0f);
    const float r = 2.45f;
    InFn shape = p.Stroke(r, r);
    bool white = look.hue.bright.r > 250 && look.hue.bright.g > 250 && look.hue.bright.b > 250;
    Rgb stripeLit = white ? RgbOf(170, 200, 255) : look.hue.bright;
    Rgb stripeDark = white ? RgbOf(90, 100, 125) : look.hue.dark;
    ColFn col = [=](float x, float y) {
        PathHit h = p.Nearest(x, y);
        float across = h.d / r; // -1..1
        float total = p.Length();
        bool stripe = std::fmod(total - h.s + 0.9f * h.d + 40.0f, 5.0f) < 2.2f;
        float shade = 1.0f - 0.38f * (across + 0.25f) * (across + 0.25f);
        float shine = std::exp(-std::pow((across + 0.4f) / 0.22f, 2.0f));
        Rgb c;
        if (look.lit)
            c = stripe ? stripeLit : RgbOf(255, 255, 250);
        else
            c = stripe ? stripeDark : RgbOf(165, 165, 160);
        c = Scale(c, shade);
        return Mix(c, White(), (look.lit ? 0.7f : 0.3f) * shine);
    };
    return {{shape, col}};
}

std::vector<Layer> Cactus(bool lit) {
    // A saguaro in a clay pot, arms raised, a flower on its crown.
    InFn trunk = Capsule(16.0f, 12.8f, 16.0f, 27.0f, 3.3f);
    InFn left =
        Union(Capsule(16.0f, 22.6f, 9.4f, 22.6f, 1.9f), Capsule(9.4f, 22.6f, 9.4f, 15.6f, 1.9f));
    InFn right =
        Union(Capsule(16.0f, 19.4f, 22.6f, 19.4f, 1.9f), Capsule(22.6f, 19.4f, 22.6f, 13.6f, 1.9f));
    InFn pot = Union(Polygon({10.8f, 27.4f, 21.2f, 27.4f, 19.9f, 31.7f, 12.1f, 31.7f}),
                     Rect(9.8f, 26.2f, 22.2f, 28.2f));
    InFn flower = Union(Ellipse(16.0f, 11.2f, 2.9f, 1.5f), Ellipse(16.0f, 10.9f, 1.4f, 1.9f));
    InFn centre = Ellipse(16.0f, 11.4f, 0.9f, 0.9f);
    // Shading across the nearest stem gives every arm its own roundness.
    auto across = [](float x, float y) {
        if (y > 20.6f && y < 24.6f && x < 13.0f && x > 10.8f) return 0.0f; // elbow, left
        if (x < 12.0f) return (x - 9.4f) / 1.9f;
        if (x > 20.0f) return (x - 22.6f) / 1.9f;
        if (std::fabs(x - 16.0f) <= 3.3f) return (x - 16.0f) / 3.3f;
        return 0.0f;
    };
    ColFn green = [lit, across](float x, float y) {
        float u = std::clamp(across(x, y), -1.0f, 1.0f);
        float shade = 1.0f - 0.45f * (u + 0.3f) * (u + 0.3f);
        bool rib = std::fabs(x - 16.0f) < 3.0f && std::fabs(std::fabs(x - 16.0f) - 1.4f) < 0.3f;
        Rgb c = lit ? RgbOf(80, 210, 95) : RgbOf(25, 100, 45);
        c = Scale(c, shade * (rib ? 0.82f : 1.0f));
        if (lit) c = Glowing(c, 0.2f * Spot(x, y, 15.0f, 18.0f, 6.0f));
        bool spine = (int(x * 2.0f) * 7 + int(y * 2.0f) * 3) % 23 == 0 && !rib;
        return spine ? (lit ? RgbOf(255, 255, 220) : RgbOf(150, 160, 140)) : c;
    };
    ColFn clay = [lit](float x, float y) {
        float s = 0.75f + 0.3f * std::cos((x - 14.0f) * 0.25f);
        if (y < 28.2f) s *= 1.12f;
        return Scale(lit ? RgbOf(225, 115, 60) : RgbOf(120, 60, 32), s);
    };
    return {{Union(trunk, Union(left, right)), green},
            {pot, clay},
            {flower, Flat(RgbOf(128, 40, 80), RgbOf(255, 110, 190), lit)},
            {centre, Flat(RgbOf(128, 110, 0), RgbOf(255, 240, 80), lit)}};
}

std::vector<Layer> Heart(bool lit) {
    InFn shape = Union(Union(Ellipse(12.3f, 15.4f, 4.8f, 4.8f), Ellipse(19.7f, 15.4f, 4.8f, 4.8f)),
                       Polygon({7.6f, 16.8f, 24.4f, 16.8f, 16.0f, 30.2f}));
    Look look{Hue{RgbOf(128, 0, 0), RgbOf(255, 0, 0)}, lit};
    ColFn col = [=](float x, float y) {
        Rgb c = Paint(look, 15.0f, 18.0f, 9.5f, 10.0f)(x, y);
        if (lit) c = Mix(c, RgbOf(255, 150, 180), 0.4f * Spot(x, y, 16.0f, 19.0f, 6.0f));
        return Mix(c, lit ? White() : RgbOf(200, 160, 160),
                   (lit ? 0.9f : 0.4f) * Spot(x, y, 11.2f, 13.8f, 2.2f));
    };
    return {{shape, col}};
}

std::vector<Layer> UsFlag(bool lit) {
    InFn pole = Union(Rect(3.0f, 10.0f, 29.0f, 11.6f),
                      Union(Ellipse(3.0f, 10.8f, 1.4f, 1.4f), Ellipse(29.0f, 10.8f, 1.4f, 1.4f)));
    InFn flag = Rect(4.5f, 11.6f, 27.5f, 25.6f);
    InFn canton = Rect(4.5f, 11.6f, 14.5f, 19.6f);
    ColFn gold = [lit](float, float y) {
        return Scale(lit ? RgbOf(250, 205, 90) : RgbOf(125, 100, 45), y < 10.8f ? 1.15f : 0.85f);
    };
    ColFn stripes = [lit](float x, float y) {
        int i = int((y - 11.6f) / 2.0f);
        float fold = 0.86f + 0.14f * std::sin((x - 4.5f) * 0.55f);
        Rgb c = (i % 2 == 0) ? (lit ? RgbOf(255, 35, 35) : RgbOf(128, 0, 0))
                             : (lit ? RgbOf(255, 255, 255) : RgbOf(160, 160, 160));
        return Scale(c, fold);
    };
    ColFn stars = [lit](float x, float y) {
        float fold = 0.86f + 0.14f * std::sin((x - 4.5f) * 0.55f);
        Rgb blue = lit ? RgbOf(50, 60, 230) : RgbOf(0, 0, 110);
        // Staggered rows of stars, sampled finely enough to show as light dots.
        float gx = std::fmod(x - 5.2f + ((int((y - 12.0f) / 2.0f) % 2) ? 1.25f : 0.0f), 2.5f);
        float gy = std::fmod(y - 12.3f, 2.0f);
        bool star = gx > 0.2f && gx < 1.1f && gy > 0.1f && gy < 0.9f && x < 13.9f && y < 19.2f;
        Rgb c = star ? (lit ? White() : RgbOf(170, 170, 170)) : blue;
        return Scale(c, fold);
    };
    return {{flag, stripes}, {canton, stars}, {pole, gold}};
}

std::vector<Layer> StarOfDavid(bool lit) {
    const float cx = 16.0f, cy = 20.9f, R = 10.0f;
    InFn shape = [](float, float) { return false; };
    for (int tri = 0; tri < 2; ++tri) {
        float base = tri == 0 ? -90.0f : 90.0f;
        for (int e = 0; e < 3; ++e) {
            float a0 = (base + 120.0f * e) * kPi / 180.0f,
                  a1 = (base + 120.0f * (e + 1)) * kPi / 180.0f;
            shape = Union(shape, Capsule(cx + R * std::cos(a0), cy + R * std::sin(a0),
                                         cx + R * std::cos(a1), cy + R * std::sin(a1), 1.2f));
        }
    }
    ColFn col = [=](float x, float y) {
        float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / R;
        float side = 0.85f + 0.2f * ((cx - x) + (cy - y)) / (2 * R);
        if (!lit) return Scale(RgbOf(20, 40, 150), side);
        return Glowing(Scale(RgbOf(60, 130, 255), side), 0.55f * (1 - d) + 0.1f);
    };
    return {{shape, col}};
}

std::vector<Layer> Egg(Look look) {
    const float cx = 16.0f, cy = 21.0f, ry = 9.8f;
    InFn shape = [=](float x, float y) {
        float v = (y - cy) / ry;
        float rx = 7.3f * (1.0f + 0.13f * v);
        float u = (x - cx) / rx;
        return u * u + v * v <= 1.0f;
    };
    // An accent colour that stands out from the egg's own.
    bool whiteEgg = look.hue.bright.r > 250 && look.hue.bright.g > 250 && look.hue.bright.b > 250;
    Rgb accentLit = whiteEgg ? RgbOf(255, 60, 120) : RgbOf(255, 255, 255);
    Rgb accentDark = whiteEgg ? RgbOf(120, 20, 60) : RgbOf(165, 165, 165);
    Rgb dotLit = whiteEgg ? RgbOf(60, 120, 255) : RgbOf(255, 230, 60);
    Rgb dotDark = whiteEgg ? RgbOf(20, 50, 120) : RgbOf(120, 105, 20);
    ColFn col = [=](float x, float y) {
        Rgb c = Paint(look, cx, cy, 7.3f, ry)(x, y);
        float zig = 1.5f * std::fabs(std::fmod(x + 40.0f, 4.0f) - 2.0f);
        bool band = y > 18.4f + zig && y < 21.0f + zig;
        bool line = (y > 15.0f && y < 16.0f) || (y > 26.0f && y < 27.0f);
        float dx = std::fmod(x + 40.0f, 3.6f) - 1.8f, dy = y - 23.6f;
        bool dot = dx * dx + dy * dy < 0.9f;
        float shade = SphereShade(x, y, cx, cy, 7.3f, ry);
        if (band || line) c = Scale(look.lit ? accentLit : accentDark, 0.55f + 0.5f * shade);
        if (dot) c = Scale(look.lit ? dotLit : dotDark, 0.6f + 0.45f * shade);
        return Mix(c, look.lit ? White() : RgbOf(190, 190, 190),
                   (look.lit ? 0.8f : 0.35f) * Spot(x, y, 13.3f, 15.4f, 2.4f));
    };
    return {{shape, col}};
}

std::vector<Layer> Pumpkin(bool lit) {
    InFn body = Union(Ellipse(16.0f, 22.6f, 6.2f, 7.8f),
                      Union(Ellipse(11.0f, 23.2f, 5.4f, 6.9f), Ellipse(21.0f, 23.2f, 5.4f, 6.9f)));
    Path stemPath;
    stemPath.To(15.6f, 16.5f).To(16.2f, 12.6f).To(17.8f, 10.2f);
    InFn stem = stemPath.Stroke(1.35f, 1.0f);
    InFn eyes = Union(Polygon({9.8f, 21.0f, 13.9f, 21.0f, 12.2f, 17.9f}),
                      Polygon({18.1f, 21.0f, 22.2f, 21.0f, 19.8f, 17.9f}));
    InFn nose = Polygon({14.7f, 23.6f, 17.3f, 23.6f, 16.0f, 21.6f});
    InFn mouth = Minus(Polygon({9.0f, 24.6f, 23.0f, 24.6f, 21.2f, 28.0f, 10.8f, 28.0f}),
                       Union(Rect(12.6f, 24.5f, 14.4f, 25.9f), Rect(17.6f, 26.6f, 19.4f, 28.1f)));
    ColFn skin = [lit](float x, float y) {
        float rib = 0.82f + 0.18f * std::fabs(std::cos((x - 16.0f) * 0.55f));
        float shade = SphereShade(x, y, 16.0f, 22.8f, 11.0f, 7.8f);
        Rgb c = lit ? Scale(RgbOf(255, 140, 10), 0.72f + 0.3f * shade)
                    : Scale(RgbOf(150, 70, 0), 0.5f + 0.5f * shade);
        return Scale(c, rib);
    };
    ColFn face = [lit](float x, float y) {
        if (!lit) return RgbOf(45, 22, 4);
        return Mix(RgbOf(255, 200, 40), RgbOf(255, 255, 190), Spot(x, y, 16.0f, 23.0f, 6.0f));
    };
    ColFn stemCol = [lit](float x, float) {
        Rgb c = lit ? RgbOf(110, 160, 40) : RgbOf(50, 75, 20);
        return Scale(c, x < 16.2f ? 1.1f : 0.85f);
    };
    return {{body, skin}, {stem, stemCol}, {Union(Union(eyes, nose), mouth), face}};
}

std::vector<Layer> Smiley(bool lit) {
    const float cx = 16.0f, cy = 20.7f, r = 9.9f;
    InFn face = Ellipse(cx, cy, r, r);
    InFn eyes = Union(Ellipse(12.7f, 17.6f, 1.35f, 2.2f), Ellipse(19.3f, 17.6f, 1.35f, 2.2f));
    InFn smile = Intersect(Minus(Ellipse(cx, 20.0f, 6.6f, 6.7f), Ellipse(cx, 19.0f, 6.5f, 6.3f)),
                           Rect(0, 21.5f, 32, 32));
    Look look{Hue{RgbOf(128, 128, 0), RgbOf(255, 235, 0)}, lit};
    ColFn skin = [=](float x, float y) {
        Rgb c = Paint(look, cx, cy, r, r)(x, y);
        if (lit)
            c = Mix(c, RgbOf(255, 150, 60),
                    0.35f * (Spot(x, y, 10.8f, 22.8f, 2.4f) + Spot(x, y, 21.2f, 22.8f, 2.4f)));
        return c;
    };
    return {{face, skin}, {Union(eyes, smile), Solid(lit ? RgbOf(70, 35, 0) : RgbOf(25, 25, 0))}};
}

std::vector<Layer> Shamrock(bool lit) {
    const float cx = 16.0f, cy = 19.6f;
    InFn leaf = Union(Union(Ellipse(14.0f, 13.6f, 3.3f, 3.3f), Ellipse(18.0f, 13.6f, 3.3f, 3.3f)),
                      Polygon({10.9f, 14.6f, 21.1f, 14.6f, 16.0f, 19.9f}));
    InFn leaves = Union(leaf, Union(Rotated(leaf, cx, cy, 120.0f), Rotated(leaf, cx, cy, -120.0f)));
    Path stemPath;
    stemPath.To(16.0f, 20.0f).To(16.8f, 25.0f).To(19.6f, 30.6f);
    InFn stem = stemPath.Stroke(1.0f, 0.8f);
    ColFn col = [=](float x, float y) {
        float dx = x - cx, dy = y - cy;
        float d = std::sqrt(dx * dx + dy * dy);
        // A light vein down the middle of each leaf.
        float a = std::atan2(dy, dx) * 180.0f / kPi;
        float off = 1e9f;
        for (float va : {-90.0f, 30.0f, 150.0f})
            off = std::min(off, std::fabs(std::remainder(a - va, 360.0f)));
        bool vein = d > 1.5f && d < 6.5f && off * d * kPi / 180.0f < 0.45f;
        // A dark crease where two leaves meet.
        float gap = 1e9f;
        for (float ga : {-30.0f, 90.0f, 210.0f})
            gap = std::min(gap, std::fabs(std::remainder(a - ga, 360.0f)));
        bool crease = d > 2.2f && gap * d * kPi / 180.0f < 0.55f;
        float shade = 0.75f + 0.3f * std::min(1.0f, d / 7.0f) * (dx < 0 ? 1.0f : 0.7f);
        Rgb c = lit ? RgbOf(50, 215, 70) : RgbOf(0, 96, 20);
        c = Scale(c, shade);
        if (lit) c = Glowing(c, 0.35f * Spot(x, y, cx, cy, 5.0f));
        if (vein) c = Mix(c, lit ? RgbOf(220, 255, 200) : RgbOf(80, 150, 80), 0.55f);
        if (crease) c = Scale(c, 0.55f);
        return c;
    };
    return {{stem, Solid(lit ? RgbOf(40, 170, 50) : RgbOf(0, 80, 20))}, {leaves, col}};
}

} // namespace art
