// Figures of the second half of the styles: lanterns, hot peppers, trees,
// stockings, holly, the snowman, stars, mittens and umbrellas.
#include "tools/artgen/bulbs.h"
#include "tools/artgen/shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {
constexpr float kPi = 3.14159265f;

ColFn GoldTrim(bool lit) {
    return [lit](float x, float) {
        Rgb c = lit ? RgbOf(240, 190, 60) : RgbOf(115, 88, 25);
        return Scale(c, 0.8f + 0.3f * std::cos((x - 14.5f) * 0.35f));
    };
}

bool IsWhite(const Hue& h) { return h.bright.r > 250 && h.bright.g > 250 && h.bright.b > 250; }
} // namespace

std::vector<Layer> Lantern(Look look) {
    const float cx = 16.0f, cy = 19.8f, rx = 9.2f, ry = 7.4f;
    InFn body = Ellipse(cx, cy, rx, ry);
    InFn caps = Union(Rect(12.0f, 10.0f, 20.0f, 13.0f), Rect(12.4f, 26.2f, 19.6f, 28.4f));
    InFn tassel = Union(Rect(15.2f, 28.4f, 16.8f, 29.6f),
                        Polygon({14.2f, 31.8f, 17.8f, 31.8f, 16.9f, 29.4f, 15.1f, 29.4f}));
    ColFn paper = [=](float x, float y) {
        float v = (y - cy) / ry;
        float hw = rx * std::sqrt(std::max(0.02f, 1 - v * v));
        float u = (x - cx) / hw;
        bool rib = false;
        for (float r : {-0.72f, -0.36f, 0.0f, 0.36f, 0.72f}) rib = rib || std::fabs(u - r) < 0.075f;
        float shade = 0.7f + 0.35f * std::cos(u * kPi / 2.3f);
        if (!look.lit) {
            Rgb c = Scale(look.hue.dark, 0.5f + 0.5f * shade);
            return rib ? Scale(c, 0.65f) : c;
        }
        // Lit from within: the paper glows brightest in the middle.
        Rgb c = Glowing(Scale(look.hue.bright, 0.85f + 0.15f * shade),
                        0.7f * Spot(x, y, cx, cy + 0.5f, 8.0f));
        return rib ? Scale(c, 0.75f) : c;
    };
    return {{body, paper}, {caps, GoldTrim(look.lit)}, {tassel, GoldTrim(look.lit)}};
}

std::vector<Layer> Pepper(int kind, bool lit) {
    static const Hue kPepper[3] = {{RgbOf(128, 0, 0), RgbOf(255, 20, 10)},
                                   {RgbOf(150, 120, 0), RgbOf(255, 225, 0)},
                                   {RgbOf(0, 100, 0), RgbOf(60, 215, 40)}};
    const Hue& hue = kPepper[kind];
    Path p;
    p.To(16.0f, 13.6f).To(15.2f, 18.2f).To(15.7f, 22.8f).To(18.2f, 27.2f).To(22.8f, 30.6f);
    InFn body = Union(p.Stroke(4.4f, 0.7f), Ellipse(16.0f, 14.6f, 4.5f, 2.8f));
    InFn calyx =
        Union(Ellipse(16.0f, 12.5f, 4.6f, 1.9f), Capsule(16.0f, 12.0f, 17.2f, 9.4f, 1.05f));
    ColFn skin = [=](float x, float y) {
        PathHit h = p.Nearest(x, y);
        float r = 4.4f + (0.7f - 4.4f) * h.t;
        float across = std::clamp(h.d / r, -1.0f, 1.0f);
        float shade = 1.0f - 0.45f * (across + 0.2f) * (across + 0.2f);
        float shine =
            std::exp(-std::pow((across + 0.45f) / 0.2f, 2.0f)) * (h.t < 0.8f ? 1.0f : 0.3f);
        Rgb c =
            lit ? Scale(hue.bright, 0.65f + 0.35f * shade) : Scale(hue.dark, 0.45f + 0.6f * shade);
        return Mix(c, lit ? White() : RgbOf(190, 190, 190), (lit ? 0.8f : 0.35f) * shine);
    };
    Rgb stemLit = kind == 2 ? RgbOf(150, 170, 40) : RgbOf(40, 170, 40);
    Rgb stemDark = kind == 2 ? RgbOf(70, 80, 15) : RgbOf(10, 80, 10);
    ColFn stem = [=](float x, float) {
        return Scale(lit ? stemLit : stemDark, x < 16.0f ? 1.1f : 0.85f);
    };
    return {{body, skin}, {calyx, stem}};
}

std::vector<Layer> XmasTree(bool lit) {
    const InFn tier[3] = {Polygon({16.0f, 9.8f, 21.6f, 17.2f, 18.5f, 16.6f, 16.0f, 17.4f, 13.5f,
                                   16.6f, 10.4f, 17.2f}),
                          Polygon({16.0f, 12.8f, 24.2f, 22.6f, 20.0f, 21.8f, 16.0f, 22.8f, 12.0f,
                                   21.8f, 7.8f, 22.6f}),
                          Polygon({16.0f, 16.6f, 26.8f, 28.2f, 21.5f, 27.4f, 16.0f, 28.4f, 10.5f,
                                   27.4f, 5.2f, 28.2f})};
    const float tierTop[3] = {9.8f, 12.8f, 16.6f}, tierBottom[3] = {17.4f, 22.8f, 28.4f};
    InFn tiers = Union(Union(tier[0], tier[1]), tier[2]);
    InFn trunk = Rect(14.0f, 27.6f, 18.0f, 31.6f);
    struct Ball {
        float x, y;
        int hue;
    };
    const Ball balls[] = {{14.6f, 15.4f, 2}, {18.4f, 19.8f, 4}, {12.0f, 20.8f, 1},
                          {16.2f, 24.0f, 0}, {21.6f, 25.6f, 2}, {9.4f, 26.0f, 5},
                          {16.0f, 12.4f, 6}, {12.8f, 25.6f, 4}, {19.6f, 23.0f, 3}};
    InFn ornaments = [](float, float) { return false; };
    for (const Ball& b : balls) ornaments = Union(ornaments, Ellipse(b.x, b.y, 1.15f, 1.15f));
    // Each tier is lighter at its top and darker along its lower edge, so the
    // tiers read as boughs lying over one another.
    auto needles = [lit](float top, float bottom) -> ColFn {
        return [=](float x, float y) {
            float t = std::clamp((y - top) / (bottom - top), 0.0f, 1.0f);
            float shade = 1.05f - 0.4f * t * t + 0.12f * std::cos((x - 13.0f) * 0.3f);
            return Scale(lit ? RgbOf(30, 165, 60) : RgbOf(0, 84, 26), shade);
        };
    };
    ColFn baubles = [=](float x, float y) {
        for (const Ball& b : balls) {
            float dx = x - b.x, dy = y - b.y;
            if (dx * dx + dy * dy <= 1.5f) {
                Rgb base = b.hue == 3 ? (lit ? RgbOf(255, 140, 0) : RgbOf(128, 70, 0))
                                      : (lit ? HueOf(b.hue).bright : HueOf(b.hue).dark);
                return lit ? Glowing(base, 0.6f * Spot(x, y, b.x, b.y, 1.3f)) : base;
            }
        }
        return RgbOf(0, 0, 0);
    };
    ColFn bark = [lit](float x, float) {
        return Scale(lit ? RgbOf(150, 85, 35) : RgbOf(80, 45, 20), x < 16.0f ? 1.1f : 0.8f);
    };
    return {{trunk, bark},
            {tier[2], needles(tierTop[2], tierBottom[2])},
            {tier[1], needles(tierTop[1], tierBottom[1])},
            {tier[0], needles(tierTop[0], tierBottom[0])},
            {Intersect(ornaments, tiers), baubles}};
}

std::vector<Layer> Stocking(Look look) {
    InFn cuff = Union(Rect(10.2f, 10.0f, 21.8f, 15.2f), Capsule(10.4f, 12.6f, 21.6f, 12.6f, 2.6f));
    InFn leg = Rect(10.8f, 14.5f, 21.0f, 24.5f);
    InFn foot = Union(Ellipse(18.0f, 25.6f, 8.0f, 4.8f), Ellipse(14.6f, 24.6f, 3.8f, 5.4f));
    InFn sock = Union(leg, foot);
    bool white = IsWhite(look.hue);
    ColFn knit = [=](float x, float y) {
        float shade =
            0.78f + 0.28f * std::cos((x - 14.0f) * 0.22f) - 0.05f * (y > 24.5f ? 1.0f : 0.0f);
        bool toe = x > 22.5f || (x < 13.6f && y > 25.6f);
        bool stripe = y > 17.0f && y < 21.5f && int(std::floor((y - 17.0f) / 1.5f)) % 2 == 1;
        Rgb body = look.lit ? look.hue.bright : look.hue.dark;
        Rgb accent = white ? (look.lit ? RgbOf(255, 40, 40) : RgbOf(128, 0, 0))
                           : (look.lit ? RgbOf(255, 255, 255) : RgbOf(165, 165, 165));
        Rgb c = (toe || stripe) ? accent : body;
        c = Scale(c, shade);
        if (look.lit) c = Glowing(c, 0.25f * Spot(x, y, 15.0f, 19.0f, 6.0f));
        return c;
    };
    ColFn fur = [=](float x, float y) {
        float bump = 0.88f + 0.12f * std::sin(x * 2.1f) * std::sin(y * 2.3f);
        float shade = 0.85f + 0.2f * std::cos((x - 13.0f) * 0.25f);
        Rgb c = look.lit ? RgbOf(255, 255, 255) : RgbOf(170, 170, 175);
        if (white) c = look.lit ? RgbOf(60, 200, 80) : RgbOf(20, 90, 30);
        return Scale(c, bump * shade);
    };
    return {{sock, knit}, {cuff, fur}};
}

namespace {

// A holly leaf from (x0, y0) to (x1, y1): a pointed oval with bites taken out of
// both edges, which leaves the spikes.
InFn HollyLeaf(float x0, float y0, float x1, float y1, float width) {
    float vx = x1 - x0, vy = y1 - y0, len = std::sqrt(vx * vx + vy * vy);
    float ux = vx / len, uy = vy / len;
    return [=](float x, float y) {
        float along = ((x - x0) * ux + (y - y0) * uy) / len;
        float across = -(x - x0) * uy + (y - y0) * ux;
        if (along < 0 || along > 1) return false;
        float hw = width * std::pow(std::sin(kPi * along), 0.7f);
        if (std::fabs(across) > hw) return false;
        for (float b : {0.3f, 0.55f, 0.8f}) {
            float bw = width * std::pow(std::sin(kPi * b), 0.7f) + 0.7f;
            float da = (along - b) * len, dc = std::fabs(across) - bw;
            if (da * da + dc * dc < 1.7f * 1.7f) return false;
        }
        return true;
    };
}

ColFn LeafColour(bool lit, float x0, float y0, float x1, float y1) {
    return [=](float x, float y) {
        float vx = x1 - x0, vy = y1 - y0, len = std::sqrt(vx * vx + vy * vy);
        float across = (-(x - x0) * vy + (y - y0) * vx) / len;
        bool vein = std::fabs(across) < 0.45f;
        float shade = across < 0 ? 1.05f : 0.82f;
        Rgb c = Scale(lit ? RgbOf(30, 175, 60) : RgbOf(0, 82, 25), shade);
        if (vein) c = Mix(c, lit ? RgbOf(200, 255, 190) : RgbOf(70, 130, 70), 0.5f);
        return c;
    };
}

ColFn Berry(bool lit, std::vector<std::pair<float, float>> at) {
    return [=](float x, float y) {
        float best = 1e9f, bx = 0, by = 0;
        for (auto& p : at) {
            float d = (x - p.first) * (x - p.first) + (y - p.second) * (y - p.second);
            if (d < best) {
                best = d;
                bx = p.first;
                by = p.second;
            }
        }
        float s = SphereShade(x, y, bx, by, 2.1f, 2.1f);
        float shine = Spot(x, y, bx - 0.8f, by - 0.8f, 0.9f);
        Rgb c = lit ? Scale(RgbOf(255, 30, 30), 0.75f + 0.3f * s)
                    : Scale(RgbOf(125, 0, 0), 0.5f + 0.5f * s);
        if (best > 1.3f * 1.3f) c = Scale(c, 0.6f); // each berry's own rim
        return Mix(c, lit ? White() : RgbOf(200, 150, 150), (lit ? 0.9f : 0.4f) * shine);
    };
}

} // namespace

std::vector<Layer> Holly(int variant, bool lit) {
    std::vector<Layer> l;
    std::vector<std::pair<float, float>> berries;
    if (variant == 0) {
        l.push_back({HollyLeaf(14.8f, 14.0f, 2.6f, 24.0f, 3.6f),
                     LeafColour(lit, 14.8f, 14.0f, 2.6f, 24.0f)});
        l.push_back({HollyLeaf(17.2f, 14.0f, 29.4f, 24.0f, 3.6f),
                     LeafColour(lit, 17.2f, 14.0f, 29.4f, 24.0f)});
        berries = {{13.4f, 12.8f}, {18.6f, 12.8f}, {16.0f, 17.2f}};
    } else {
        l.push_back({HollyLeaf(14.6f, 14.5f, 6.0f, 29.6f, 3.5f),
                     LeafColour(lit, 14.6f, 14.5f, 6.0f, 29.6f)});
        l.push_back({HollyLeaf(17.4f, 14.5f, 26.0f, 29.6f, 3.5f),
                     LeafColour(lit, 17.4f, 14.5f, 26.0f, 29.6f)});
        berries = {{16.0f, 12.6f}, {13.5f, 16.8f}, {18.5f, 16.8f}};
    }
    InFn b = [](float, float) { return false; };
    for (auto& p : berries) b = Union(b, Ellipse(p.first, p.second, 2.1f, 2.1f));
    l.push_back({b, Berry(lit, berries)});
    return l;
}

std::vector<Layer> Snowman(bool lit) {
    InFn body = Ellipse(16.0f, 26.0f, 6.6f, 5.8f);
    InFn head = Ellipse(16.0f, 17.4f, 4.5f, 4.2f);
    InFn hat = Union(Rect(12.8f, 9.6f, 19.2f, 13.2f), Rect(10.6f, 12.8f, 21.4f, 14.2f));
    InFn band = Rect(12.8f, 11.8f, 19.2f, 12.9f);
    InFn scarf = Union(Capsule(11.8f, 21.2f, 20.2f, 21.2f, 1.05f),
                       Polygon({18.0f, 21.6f, 20.6f, 21.6f, 21.6f, 26.2f, 19.3f, 26.2f}));
    InFn nose = Polygon({16.0f, 17.5f, 16.0f, 18.9f, 20.2f, 18.5f});
    InFn coal =
        Union(Union(Ellipse(14.4f, 16.3f, 0.75f, 0.75f), Ellipse(17.6f, 16.3f, 0.75f, 0.75f)),
              Union(Ellipse(16.0f, 24.6f, 0.85f, 0.85f), Ellipse(16.0f, 27.6f, 0.85f, 0.85f)));
    InFn arms = Union(
        Union(Capsule(10.2f, 24.0f, 5.2f, 19.8f, 0.55f), Capsule(6.6f, 21.0f, 5.0f, 21.6f, 0.5f)),
        Union(Capsule(21.8f, 24.0f, 26.8f, 19.8f, 0.55f),
              Capsule(25.4f, 21.0f, 27.0f, 21.6f, 0.5f)));
    ColFn snow = [lit](float x, float y) {
        bool inHead = y < 21.5f;
        float s = inHead ? SphereShade(x, y, 16.0f, 17.4f, 4.5f, 4.2f)
                         : SphereShade(x, y, 16.0f, 26.0f, 6.6f, 5.8f);
        return lit ? Mix(RgbOf(170, 195, 235), RgbOf(255, 255, 255), std::min(1.0f, s))
                   : Mix(RgbOf(80, 85, 100), RgbOf(165, 168, 178), std::min(1.0f, s));
    };
    ColFn hatCol = [](float x, float y) {
        // Black, with a grey sheen along the left so it shows against dark screens.
        float sheen = (x < 14.0f && y < 12.8f) || (y > 12.8f && y < 13.4f) ? 1.0f : 0.0f;
        return Mix(RgbOf(20, 20, 24), RgbOf(95, 95, 105), sheen);
    };
    ColFn scarfCol = [lit](float x, float y) {
        bool stripe = std::fmod(x + y + 40.0f, 3.0f) < 1.0f;
        Rgb c = lit ? RgbOf(40, 110, 255) : RgbOf(0, 30, 120);
        return stripe ? Scale(c, 0.75f) : c;
    };
    return {{arms, Solid(lit ? RgbOf(140, 90, 40) : RgbOf(75, 48, 20))},
            {Union(body, head), snow},
            {coal, Solid(RgbOf(20, 20, 20))},
            {nose, Solid(lit ? RgbOf(255, 130, 20) : RgbOf(140, 65, 10))},
            {scarf, scarfCol},
            {hat, hatCol},
            {band, Solid(lit ? RgbOf(230, 30, 30) : RgbOf(110, 10, 10))}};
}

std::vector<Layer> Star(Look look) {
    const float cx = 16.0f, cy = 21.2f, R = 10.4f, r = 4.2f;
    std::vector<float> pts;
    for (int i = 0; i < 10; ++i) {
        float a = (-90.0f + 36.0f * i) * kPi / 180.0f;
        float rad = i % 2 ? r : R;
        pts.push_back(cx + rad * std::cos(a));
        pts.push_back(cy + rad * std::sin(a));
    }
    InFn shape = Polygon(pts);
    ColFn col = [=](float x, float y) {
        // Bevelled arms: the half of each arm facing the upper left is lighter.
        float a = std::atan2(y - cy, x - cx) * 180.0f / kPi + 90.0f;
        float rel = std::remainder(a, 72.0f); // -36..36 around the nearest arm
        float armAngle = (std::round(a / 72.0f) * 72.0f - 90.0f) * kPi / 180.0f;
        float light = std::cos(armAngle + (rel < 0 ? -1.0f : 1.0f) * kPi / 2 - (-2.36f));
        float shade = 0.82f + 0.22f * light;
        float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / R;
        if (!look.lit) return Scale(look.hue.dark, 0.45f + 0.55f * shade);
        Rgb c = Scale(look.hue.bright, 0.65f + 0.35f * shade);
        return Glowing(c, 0.9f * std::pow(std::max(0.0f, 1 - d * 1.4f), 1.2f));
    };
    return {{shape, col}};
}

std::vector<Layer> Mitten(Look look) {
    // Cuff up, fingers down; the thumb stands off the left side with a notch
    // between it and the hand, and a little snowflake is knitted on the back.
    InFn cuff = Union(Rect(10.8f, 10.0f, 22.2f, 15.4f), Capsule(11.0f, 12.2f, 22.0f, 12.2f, 2.1f));
    InFn palm = Union(Rect(11.4f, 15.0f, 22.0f, 24.0f), Ellipse(16.7f, 24.2f, 5.3f, 6.9f));
    InFn thumb =
        Minus(Union(EllipseRot(9.3f, 22.6f, 2.3f, 4.4f, 24.0f), Rect(10.2f, 17.0f, 12.0f, 21.0f)),
              Polygon({10.9f, 27.5f, 11.5f, 21.6f, 12.1f, 27.5f}));
    InFn hand = Union(palm, thumb);
    bool white = IsWhite(look.hue);
    ColFn wool = [=](float x, float y) {
        float shade = SphereShade(x, y, 16.0f, 22.0f, 8.5f, 9.5f);
        Rgb c = look.lit ? Scale(look.hue.bright, 0.7f + 0.3f * shade)
                         : Scale(look.hue.dark, 0.5f + 0.5f * shade);
        // The snowflake: three short crossing strokes.
        float dx = x - 17.0f, dy = y - 22.5f;
        bool flake = dx * dx + dy * dy < 7.3f &&
                     (std::fabs(dx) < 0.5f || std::fabs(dy - 0.58f * dx) < 0.5f ||
                      std::fabs(dy + 0.58f * dx) < 0.5f);
        if (flake)
            c = white ? (look.lit ? RgbOf(255, 40, 40) : RgbOf(128, 0, 0))
                      : (look.lit ? White() : RgbOf(170, 170, 170));
        if (look.lit) c = Glowing(c, 0.2f * Spot(x, y, 16.0f, 23.0f, 6.0f));
        return c;
    };
    ColFn ribbing = [=](float x, float) {
        bool rib = std::fmod(x + 40.0f, 2.0f) < 0.8f;
        Rgb c = white ? (look.lit ? RgbOf(255, 40, 40) : RgbOf(128, 0, 0))
                      : (look.lit ? RgbOf(255, 255, 255) : RgbOf(170, 170, 170));
        return Scale(c, rib ? 0.82f : 1.0f);
    };
    return {{hand, wool}, {cuff, ribbing}};
}

std::vector<Layer> Umbrella(Look look) {
    const float cx = 16.0f, cy = 22.0f, rx = 13.8f, ry = 10.6f;
    InFn canopy = Intersect(Ellipse(cx, cy, rx, ry), Rect(0, 0, 32, cy + 0.6f));
    for (float sx : {5.6f, 12.4f, 19.6f, 26.4f})
        canopy = Minus(canopy, Ellipse(sx, cy + 1.6f, 3.4f, 2.4f));
    InFn tip = Capsule(16.0f, 9.8f, 16.0f, 12.0f, 0.8f);
    Path handle;
    handle.To(16.0f, 21.0f).To(16.0f, 28.2f).Arc(13.8f, 28.2f, 2.2f, 0.0f, 180.0f).To(11.6f, 27.2f);
    InFn stick = handle.Stroke(0.75f, 0.75f);
    ColFn cloth = [=](float x, float y) {
        float a = std::atan2(y - (cy - ry), x - cx); // from the tip
        float deg = a * 180.0f / kPi;                // 0 right .. 180 left
        int panel = int((180.0f - deg) / 36.0f);
        float within = std::fmod(180.0f - deg, 36.0f) / 36.0f;
        float shade = 0.78f + 0.28f * std::sin(within * kPi) - 0.1f * (y - 12.0f) / 10.0f;
        bool alt = panel % 2 == 1;
        Rgb c = look.lit ? look.hue.bright : look.hue.dark;
        if (alt)
            c = IsWhite(look.hue) ? (look.lit ? RgbOf(255, 60, 60) : RgbOf(120, 10, 10))
                                  : Mix(c, look.lit ? White() : RgbOf(170, 170, 170), 0.55f);
        c = Scale(c, shade);
        if (look.lit) c = Glowing(c, 0.3f * Spot(x, y, cx, cy - 3.0f, 8.0f));
        return c;
    };
    ColFn wood = [look](float, float) {
        return look.lit ? RgbOf(160, 100, 45) : RgbOf(85, 52, 22);
    };
    return {{stick, wood},
            {canopy, cloth},
            {tip, Solid(look.lit ? RgbOf(230, 230, 230) : RgbOf(120, 120, 120))}};
}

} // namespace art
