// The bulb icons: the wire and socket every bulb shares, the surface shading used by
// the figures, and the drawing of each bulb style. A style's figure is one set of
// shapes; only the colours depend on whether the bulb is lit, so the unlit and lit
// images always have the same silhouette.
#pragma once

#include "tools/artgen/canvas.h"

#include <string>
#include <vector>

namespace art {

struct Hue {
    Rgb dark, bright;
};

// Colour indexes 0-6: Purple, Blue, Red, Green, Yellow, Indigo, White.
const Hue& HueOf(int k);
Rgb White();

struct Look {
    Hue hue;
    bool lit;
    Rgb Pick() const { return lit ? hue.bright : hue.dark; }
};

// Surface shaders. Glass and paint are unlit: the colour's dark shade with soft
// light from the upper left and a dim reflection; lit: the bright shade with a
// white-hot core and highlight.
ColFn Glass(Look look, float cx, float cy, float rx, float ry);
ColFn Paint(Look look, float cx, float cy, float rx, float ry);
Rgb Glowing(Rgb bright, float t); // bright shade moved towards white by t (0..1)

// Half-width profile shape symmetric about x = cx.
template <class F> InFn Profile(float cx, float y0, float y1, F hw) {
    return [=](float x, float y) {
        if (y < y0 || y > y1) return false;
        float d = x - cx;
        float h = hw(y);
        return h > 0 && d * d <= h * h;
    };
}

// The strand: 2-pixel green wire from the top-left corner, lowest (row 6) at the
// centre, to the top-right corner. Rows 0-6 of every bulb icon hold the wire only.
void DrawWire(Image& img);
// The 8x3 socket in rows 7-9 under the wire's lowest point; `empty` shows its hole.
void DrawSocket(Image& img, bool empty);
constexpr int kWireRows = 7;

// Renders a figure below the socket and finishes it as a bulb icon.
Image BulbIcon(const std::vector<Layer>& figure, float outline = 0.72f, bool socket = true);

struct NamedIcon {
    std::string name;          // resource name, upper case
    std::vector<Image> images; // 32x32 first, then any smaller sizes
};

// Every bulb style's icons, MISSING, NOLIGHT and the colour-list previews.
std::vector<NamedIcon> BulbIcons();
// Unlit/lit pairs among BulbIcons() whose silhouettes differ (must be none).
std::vector<std::string> ShapeMismatches();
// Program icons: festoonIcon, trayIcon, AAAIcon, 105, 129.
std::vector<NamedIcon> ProgramIcons();

// Figure builders, one per style (lit selects the colours only).
std::vector<Layer> NormalBulb(Look look);
std::vector<Layer> BrokenBulb(Look look);
std::vector<Layer> RoundBulb(Look look);
std::vector<Layer> SmallBulb(Look look);
std::vector<Layer> ClearBulb(Look look);
std::vector<Layer> SnowFlake(Look look);
std::vector<Layer> Bell(Look look);
std::vector<Layer> Fish(Look look);
std::vector<Layer> CandyCane(Look look);
std::vector<Layer> Cactus(bool lit);
std::vector<Layer> Heart(bool lit);
std::vector<Layer> UsFlag(bool lit);
std::vector<Layer> StarOfDavid(bool lit);
std::vector<Layer> Egg(Look look);
std::vector<Layer> Pumpkin(bool lit);
std::vector<Layer> Smiley(bool lit);
std::vector<Layer> Shamrock(bool lit);
std::vector<Layer> Lantern(Look look);
std::vector<Layer> Pepper(int kind, bool lit);
std::vector<Layer> XmasTree(bool lit);
std::vector<Layer> Stocking(Look look);
std::vector<Layer> Holly(int variant, bool lit);
std::vector<Layer> Snowman(bool lit);
std::vector<Layer> Star(Look look);
std::vector<Layer> Mitten(Look look);
std::vector<Layer> Umbrella(Look look);

} // namespace art
