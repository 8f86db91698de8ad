// Shared parts of every bulb icon (colours, shading, wire, socket), the glass bulb
// styles, and the list of all bulb icons under their resource names.
#include "tools/artgen/bulbs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace art {

const Hue& HueOf(int k) {
    static const Hue kHues[7] = {
        {RgbOf(128, 0, 128), RgbOf(255, 0, 255)},    // Purple
        {RgbOf(0, 0, 128), RgbOf(0, 0, 255)},        // Blue
        {RgbOf(128, 0, 0), RgbOf(255, 0, 0)},        // Red
        {RgbOf(0, 128, 0), RgbOf(0, 255, 0)},        // Green
        {RgbOf(128, 128, 0), RgbOf(255, 255, 0)},    // Yellow
        {RgbOf(0, 128, 128), RgbOf(0, 255, 255)},    // Indigo
        {RgbOf(150, 150, 150), RgbOf(255, 255, 255)} // White
    };
    return kHues[k];
}

Rgb White() { return RgbOf(255, 255, 255); }

Rgb Glowing(Rgb bright, float t) { return Mix(bright, White(), std::clamp(t, 0.0f, 1.0f)); }

ColFn Glass(Look look, float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        float shade = SphereShade(x, y, cx, cy, rx, ry);
        float shine = Spot(x, y, cx - rx * 0.38f, cy - ry * 0.42f, std::min(rx, ry) * 0.42f);
        if (!look.lit) {
            Rgb c = Scale(look.hue.dark, 0.35f + 0.6f * shade);
            return Mix(c, RgbOf(190, 190, 200), 0.55f * shine);
        }
        // Lit glass: saturated at the rim, a white-hot core a little below the middle.
        float core = Spot(x, y, cx, cy + ry * 0.12f, std::max(rx, ry) * 0.95f);
        Rgb c = Scale(look.hue.bright, 0.80f + 0.2f * std::min(1.0f, shade));
        c = Glowing(c, 0.62f * core);
        return Mix(c, White(), 0.9f * shine);
    };
}

ColFn Paint(Look look, float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        float shade = SphereShade(x, y, cx, cy, rx, ry);
        float shine = Spot(x, y, cx - rx * 0.4f, cy - ry * 0.4f, std::min(rx, ry) * 0.35f);
        if (!look.lit) {
            Rgb c = Scale(look.hue.dark, 0.45f + 0.5f * shade);
            return Mix(c, RgbOf(170, 170, 170), 0.35f * shine);
        }
        float core = Spot(x, y, cx, cy, std::max(rx, ry) * 1.1f);
        Rgb c = Scale(look.hue.bright, 0.82f + 0.18f * std::min(1.0f, shade));
        c = Glowing(c, 0.35f * core);
        return Mix(c, White(), 0.8f * shine);
    };
}

void DrawWire(Image& img) {
    const Rgb wire = RgbOf(0, 128, 0), twist = RgbOf(0, 88, 0);
    for (int x = 0; x < 32; ++x) {
        float u = (x + 0.5f - 16.0f) / 16.0f;
        int top = int(std::lround(5.0f * (1.0f - u * u)));
        img.Set(x, top, wire);
        // A darker pixel on the underside every fourth column reads as a twisted cord.
        img.Set(x, top + 1, (x % 4 == 1) ? twist : wire);
    }
}

void DrawSocket(Image& img, bool empty) {
    // Three ribbed rows: light, mid, dark; the ends of each row a shade darker.
    const Rgb rows[3] = {RgbOf(40, 176, 40), RgbOf(0, 136, 0), RgbOf(0, 96, 0)};
    for (int r = 0; r < 3; ++r) {
        for (int x = 12; x < 20; ++x) {
            Rgb c = rows[r];
            if (x == 12) c = Mix(c, RgbOf(120, 220, 120), 0.3f);
            if (x == 19) c = Scale(c, 0.7f);
            img.Set(x, 7 + r, c);
        }
    }
    if (empty) {
        // The open mouth of the socket with its contact at the bottom.
        for (int x = 14; x < 18; ++x) img.Set(x, 9, RgbOf(16, 24, 16));
        img.Set(15, 9, RgbOf(150, 130, 60));
        img.Set(16, 9, RgbOf(150, 130, 60));
    }
}

Image BulbIcon(const std::vector<Layer>& figure, float outline, bool socket) {
    Image img(32, 32);
    if (!figure.empty()) {
        Render(img, figure);
        // Nothing of a figure may reach the wire rows: neighbours must join cleanly.
        for (int y = 0; y < kWireRows; ++y)
            for (int x = 0; x < 32; ++x) img.at(x, y) = Pixel{};
        Outline(img, outline);
    }
    if (socket) DrawSocket(img, figure.empty());
    DrawWire(img);
    return img;
}

// ---- Glass bulbs --------------------------------------------------------------

namespace {

float NormalHalfWidth(float y) {
    // A cone-shaped bulb: a short neck, a round shoulder, a rounded point.
    const float top = 10.0f, shoulder = 17.0f, tip = 30.6f, wmax = 6.9f;
    if (y < top) return 0;
    if (y < shoulder) {
        float t = (shoulder - y) / (shoulder - top + 0.6f);
        return std::max(3.4f, wmax * std::sqrt(std::max(0.0f, 1 - t * t)));
    }
    float t = (y - shoulder) / (tip - shoulder);
    if (t >= 1) return 0;
    return wmax * std::pow(1 - std::pow(t, 1.8f), 0.62f);
}

InFn NormalShape() { return Profile(16.0f, 9.5f, 31.0f, NormalHalfWidth); }

} // namespace

std::vector<Layer> NormalBulb(Look look) {
    return {{NormalShape(), Glass(look, 16.0f, 19.5f, 7.2f, 10.5f)}};
}

namespace {

// The broken edge: an irregular row of shards, highest at a few points.
float BrokenEdge(float x) {
    // High on the right, where the glass broke away; long on the left.
    static const float kHeights[] = {27.0f, 25.5f, 28.0f, 23.5f, 25.0f, 20.5f, 22.0f,
                                     17.5f, 19.5f, 15.5f, 17.0f, 14.5f, 16.0f};
    float u = std::clamp((x - 8.5f) / 1.25f, 0.0f, 11.999f);
    int i = int(u);
    return kHeights[i] + (kHeights[i + 1] - kHeights[i]) * (u - float(i));
}

} // namespace

std::vector<Layer> BrokenBulb(Look look) {
    // The top of the glass is left, its lower edge a ragged row of shards; the two
    // filament supports hang out of it, one still holding a scrap of filament.
    InFn shell = Intersect(NormalShape(), [](float x, float y) { return y < BrokenEdge(x); });
    ColFn glass = [look](float x, float y) {
        Rgb c = Glass(look, 16.0f, 19.5f, 7.2f, 10.5f)(x, y);
        bool crack = std::fabs((x - 12.5f) - 0.45f * (y - 12.0f)) < 0.35f && y > 12.5f && y < 17.5f;
        if (crack) c = Mix(c, RgbOf(20, 20, 20), 0.6f);
        // Broken edges catch the light.
        return BrokenEdge(x) - y < 0.9f ? Mix(c, RgbOf(230, 230, 235), 0.5f) : c;
    };
    InFn supports =
        Union(Capsule(14.2f, 12.5f, 13.4f, 25.8f, 0.5f), Capsule(17.8f, 12.5f, 18.8f, 25.0f, 0.5f));
    InFn filament = Union(Capsule(13.4f, 25.8f, 15.0f, 27.0f, 0.55f),
                          Capsule(15.0f, 27.0f, 15.6f, 25.8f, 0.55f));
    return {{Union(supports, filament),
             [](float, float y) { return y > 25.2f ? RgbOf(110, 100, 80) : RgbOf(150, 150, 155); }},
            {shell, glass}};
}

std::vector<Layer> RoundBulb(Look look) {
    InFn shape = Union(Rect(12.5f, 9.5f, 19.5f, 14.0f), Ellipse(16.0f, 21.0f, 8.9f, 8.9f));
    return {{shape, Glass(look, 16.0f, 21.0f, 8.9f, 8.9f)},
            {Rect(12.5f, 9.5f, 19.5f, 12.5f), [look](float x, float y) {
                 // The round bulb's collar, a band of the glass colour in shadow.
                 Rgb c = look.lit ? Scale(look.hue.bright, 0.75f) : Scale(look.hue.dark, 0.6f);
                 return Scale(c, 0.85f + 0.3f * (1 - std::fabs(x - 15.0f) / 4.0f) - 0.02f * y);
             }}};
}

std::vector<Layer> SmallBulb(Look look) {
    auto hw = [](float y) {
        if (y < 10) return 0.0f;
        if (y < 13) return 2.3f;
        float t = (y - 13) / 12.5f;
        if (t >= 1) return 0.0f;
        return 4.0f * std::pow(std::sin(3.14159f * std::pow(t, 0.75f)), 0.75f) + 0.6f * (1 - t);
    };
    InFn shape = Profile(16.0f, 9.5f, 26.0f, hw);
    return {{shape, Glass(look, 16.0f, 18.5f, 4.0f, 7.0f)}};
}

std::vector<Layer> ClearBulb(Look look) {
    // Clear glass tinted with the colour: pale inside, the tint deepening towards
    // the rim, and the filament on its two supports showing through.
    InFn shape = NormalShape();
    ColFn glass = [look](float x, float y) {
        float v = (y - 19.5f) / 10.5f;
        float rim =
            std::clamp(std::sqrt(std::pow((x - 16.0f) / 7.0f, 2.0f) + 0.35f * v * v), 0.0f, 1.0f);
        float shine = Spot(x, y, 13.3f, 14.8f, 2.4f);
        Rgb pale = look.lit ? Mix(look.hue.bright, White(), 0.7f)
                            : Mix(look.hue.dark, RgbOf(205, 205, 210), 0.72f);
        Rgb edge = look.lit ? look.hue.bright : look.hue.dark;
        Rgb c = Mix(pale, edge, std::pow(rim, 3.0f));
        if (look.lit) c = Glowing(c, 0.5f * Spot(x, y, 16.0f, 19.5f, 6.0f));
        return Mix(c, White(), 0.85f * shine);
    };
    InFn filament = Union(Union(Capsule(14.3f, 11.5f, 14.6f, 19.5f, 0.42f),
                                Capsule(17.7f, 11.5f, 17.4f, 19.5f, 0.42f)),
                          Capsule(14.6f, 19.5f, 17.4f, 19.5f, 0.6f));
    ColFn hot = [look](float x, float y) {
        if (!look.lit) return y > 19.0f ? RgbOf(60, 55, 50) : RgbOf(110, 110, 115);
        return Mix(RgbOf(255, 220, 120), White(), Spot(x, y, 16.0f, 19.5f, 3.0f));
    };
    return {{shape, glass}, {Intersect(shape, filament), hot}};
}

// ---- Colour-list previews -------------------------------------------------------

namespace {

// A lit normal bulb whose glass is divided into bands of the given colours.
std::vector<Layer> BandedBulb(std::vector<int> colours, bool diagonal) {
    ColFn col = [colours, diagonal](float x, float y) {
        float u = diagonal ? (x - 9.0f + (y - 10.0f) * 0.45f) / 23.0f : (x - 9.1f) / 13.8f;
        int n = int(colours.size());
        int i = std::clamp(int(u * n), 0, n - 1);
        return Glass(Look{HueOf(colours[size_t(i)]), true}, 16.0f, 19.5f, 7.2f, 10.5f)(x, y);
    };
    return {{NormalShape(), col}};
}

std::vector<Layer> QuestionBulb() {
    std::vector<Layer> l = BandedBulb({2, 4, 3, 1, 0}, true);
    // A dark question mark, which stands out on the bright glass: an open ring, a
    // stem and a dot.
    InFn ring = Minus(Ellipse(16.0f, 15.6f, 4.0f, 3.6f), Ellipse(16.0f, 15.6f, 1.7f, 1.4f));
    InFn hook = Minus(ring, Polygon({11.0f, 15.4f, 16.0f, 16.2f, 16.0f, 21.0f, 11.0f, 21.0f}));
    InFn q =
        Union(Union(hook, Rect(14.8f, 18.0f, 17.2f, 22.0f)), Ellipse(16.0f, 25.0f, 1.5f, 1.5f));
    l.push_back({q, Solid(RgbOf(40, 20, 70))});
    return l;
}

std::string Fmt(const char* f, int a, int b) {
    char buf[32];
    std::snprintf(buf, sizeof buf, f, a, b);
    return buf;
}

void Add(std::vector<NamedIcon>& out, const std::string& name, Image img) {
    out.push_back(NamedIcon{name, {std::move(img)}});
}

std::vector<std::string> gMismatches;

// Adds an unlit and a lit icon, checking that either one fully covers the other.
void AddPair(std::vector<NamedIcon>& out, const std::string& unlitName, Image unlit,
             const std::string& litName, Image lit) {
    for (size_t i = 0; i < unlit.px.size(); ++i)
        if ((unlit.px[i].a != 0) != (lit.px[i].a != 0)) {
            gMismatches.push_back(unlitName + "/" + litName);
            break;
        }
    Add(out, unlitName, std::move(unlit));
    Add(out, litName, std::move(lit));
}

} // namespace

std::vector<NamedIcon> BulbIcons() {
    std::vector<NamedIcon> out;
    using Builder = std::vector<Layer> (*)(Look);
    struct Coloured {
        const char* format; // %d lit digit (or row), %d colour
        Builder draw;
        int litRow[2];
    };
    const Coloured coloured[] = {
        {"LIGHT%d%d", NormalBulb, {0, 1}}, {"LIGHT%d%d", SnowFlake, {3, 4}},
        {"LIGHT%d%d", RoundBulb, {5, 6}},  {"BELL%d%d", Bell, {0, 1}},
        {"FISH%d%d", Fish, {0, 1}},        {"CANDYCANE%d%d", CandyCane, {0, 1}},
        {"SMALL%d%d", SmallBulb, {0, 1}},  {"TRANS%d%d", ClearBulb, {0, 1}},
        {"SOCK%d%d", Stocking, {0, 1}},    {"STAR%d%d", Star, {0, 1}},
        {"MITTEN%d%d", Mitten, {0, 1}},    {"UMBRELLA%d%d", Umbrella, {0, 1}},
    };
    for (const auto& s : coloured)
        for (int k = 0; k < 7; ++k)
            AddPair(out, Fmt(s.format, s.litRow[0], k), BulbIcon(s.draw(Look{HueOf(k), false})),
                    Fmt(s.format, s.litRow[1], k), BulbIcon(s.draw(Look{HueOf(k), true})));
    for (int k = 0; k < 7; ++k)
        Add(out, Fmt("LIGHT2%d", k, 0), BulbIcon(BrokenBulb(Look{HueOf(k), false})));
    // Colour digit first for eggs and lanterns.
    for (int k = 0; k < 7; ++k) {
        AddPair(out, Fmt("EGG%d%d", k, 0), BulbIcon(Egg(Look{HueOf(k), false})),
                Fmt("EGG%d%d", k, 1), BulbIcon(Egg(Look{HueOf(k), true})));
        AddPair(out, Fmt("LANTERN%d%d", k, 0), BulbIcon(Lantern(Look{HueOf(k), false})),
                Fmt("LANTERN%d%d", k, 1), BulbIcon(Lantern(Look{HueOf(k), true})));
    }
    for (int k = 0; k < 3; ++k)
        AddPair(out, Fmt("PEPPER0%d", k, 0), BulbIcon(Pepper(k, false)), Fmt("PEPPER1%d", k, 0),
                BulbIcon(Pepper(k, true)));
    for (int v = 0; v < 2; ++v)
        AddPair(out, Fmt("HOLLY%d0", v, 0), BulbIcon(Holly(v, false)), Fmt("HOLLY%d1", v, 0),
                BulbIcon(Holly(v, true)));
    AddPair(out, "TREE00", BulbIcon(XmasTree(false)), "TREE10", BulbIcon(XmasTree(true)));
    using Single = std::vector<Layer> (*)(bool);
    const std::pair<const char*, Single> singles[] = {
        {"CACTUS", Cactus},   {"HEART", Heart},   {"USFLAG", UsFlag},     {"HEBREW", StarOfDavid},
        {"PUMPKIN", Pumpkin}, {"SMILEY", Smiley}, {"SHAMROCK", Shamrock}, {"SNOWMAN", Snowman}};
    for (const auto& s : singles)
        AddPair(out, std::string(s.first) + "0", BulbIcon(s.second(false)),
                std::string(s.first) + "1", BulbIcon(s.second(true)));
    Add(out, "MISSING", BulbIcon({}, 1.0f, true));
    Add(out, "NOLIGHT", BulbIcon({}, 1.0f, false));
    Add(out, "LIGHTRANDOM", BulbIcon(QuestionBulb()));
    Add(out, "REDGREEN", BulbIcon(BandedBulb({2, 3}, false)));
    Add(out, "MULTICOLOR", BulbIcon(BandedBulb({1, 2, 3, 4, 5, 0}, false)));
    Add(out, "THEBLUES", BulbIcon(BandedBulb({5, 1}, false)));
    return out;
}

std::vector<std::string> ShapeMismatches() { return gMismatches; }

} // namespace art
