// The program's own icons: festoonIcon (window class), AAAIcon (options dialog),
// trayIcon (notification area, drawn to be readable at 16x16), 105 (warnings) and
// 129 (the custom holiday list). They are drawn in a 32-unit space and rendered at
// 16x16 as well by scaling that space.
#include "tools/artgen/bulbs.h"
#include "tools/artgen/shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

std::vector<Layer> Scaled(const std::vector<Layer>& in, float k) {
    std::vector<Layer> out;
    for (const Layer& l : in) {
        InFn f = l.in;
        ColFn c = l.col;
        out.push_back({[f, k](float x, float y) { return f(x * k, y * k); },
                       [c, k](float x, float y) { return c(x * k, y * k); }});
    }
    return out;
}

Image RenderAt(const std::vector<Layer>& layers, int size, float outline) {
    Image img(size, size);
    Render(img, size == 32 ? layers : Scaled(layers, 32.0f / size), 4);
    Outline(img, outline);
    return img;
}

ColFn Ribbed(float y0, float pitch) {
    return [=](float x, float y) {
        int r = int((y - y0) / pitch);
        Rgb c = r % 2 ? RgbOf(0, 110, 0) : RgbOf(40, 170, 40);
        return Scale(c, 0.8f + 0.3f * std::cos((x - 13.0f) * 0.3f));
    };
}

// A big lit bulb with its socket at the top, filling the square.
std::vector<Layer> BigBulb(int hue, float x0, float scale) {
    auto hw = [](float y) {
        const float top = 9.0f, shoulder = 17.5f, tip = 31.6f, wmax = 10.2f;
        if (y < top) return 0.0f;
        if (y < shoulder) {
            float t = (shoulder - y) / (shoulder - top + 0.8f);
            return std::max(4.5f, wmax * std::sqrt(std::max(0.0f, 1 - t * t)));
        }
        float t = (y - shoulder) / (tip - shoulder);
        if (t >= 1) return 0.0f;
        return wmax * std::pow(1 - std::pow(t, 1.8f), 0.6f);
    };
    std::vector<Layer> l;
    l.push_back({Profile(16.0f, 8.5f, 31.9f, hw),
                 Glass(Look{HueOf(hue), true}, 16.0f, 20.0f, 10.5f, 12.0f)});
    l.push_back({Rect(10.5f, 0.5f, 21.5f, 9.5f), Ribbed(0.5f, 2.25f)});
    for (Layer& layer : l) {
        InFn f = layer.in;
        ColFn c = layer.col;
        layer.in = [=](float x, float y) { return f((x - x0) / scale + 16.0f, y / scale); };
        layer.col = [=](float x, float y) { return c((x - x0) / scale + 16.0f, y / scale); };
    }
    return l;
}

std::vector<Layer> Garland() {
    // Three lit bulbs on a sagging wire.
    std::vector<Layer> l;
    Path wire;
    for (int i = 0; i <= 32; ++i) {
        float x = float(i);
        float u = (x - 16.0f) / 16.0f;
        wire.To(x, 2.0f + 7.0f * (1 - u * u));
    }
    const int hues[3] = {2, 4, 1};
    const float xs[3] = {6.5f, 16.0f, 25.5f};
    for (int b = 0; b < 3; ++b) {
        float u = (xs[b] - 16.0f) / 16.0f;
        float top = 2.0f + 7.0f * (1 - u * u);
        float cx = xs[b], cy = top + 11.0f;
        InFn glass = Union(Ellipse(cx, cy, 4.6f, 5.4f),
                           Polygon({cx - 4.0f, cy + 2.0f, cx + 4.0f, cy + 2.0f, cx, cy + 10.5f}));
        l.push_back({glass, Glass(Look{HueOf(hues[b]), true}, cx, cy + 1.5f, 4.8f, 7.0f)});
        l.push_back({Rect(cx - 2.6f, top, cx + 2.6f, top + 5.6f), Ribbed(top, 1.4f)});
    }
    l.push_back({wire.Stroke(1.1f, 1.1f), Solid(RgbOf(0, 128, 0))});
    return l;
}

std::vector<Layer> WarningBulb() {
    std::vector<Layer> l = BigBulb(4, 16.0f, 1.0f);
    InFn mark = Union(Polygon({14.2f, 12.5f, 17.8f, 12.5f, 17.0f, 23.2f, 15.0f, 23.2f}),
                      Ellipse(16.0f, 26.4f, 1.8f, 1.8f));
    l.push_back({mark, Solid(RgbOf(20, 20, 20))});
    return l;
}

std::vector<Layer> CalendarPage() {
    std::vector<Layer> l;
    InFn page = Rect(3.5f, 5.5f, 28.5f, 30.5f);
    InFn header = Rect(3.5f, 5.5f, 28.5f, 12.0f);
    l.push_back({Rect(5.0f, 7.0f, 30.0f, 32.0f), Solid(RgbOf(90, 90, 90))}); // shadow
    l.push_back({page, [](float x, float y) {
                     // Grid of days: light squares with thin grey gaps.
                     bool gap =
                         std::fmod(x - 3.5f, 5.0f) < 0.7f || std::fmod(y - 12.0f, 4.6f) < 0.7f;
                     return gap && y > 12.0f ? RgbOf(190, 190, 200) : RgbOf(255, 255, 255);
                 }});
    l.push_back({header, [](float, float y) {
                     return Mix(RgbOf(235, 40, 40), RgbOf(160, 0, 0), (y - 5.5f) / 6.5f);
                 }});
    l.push_back(
        {Union(Capsule(10.0f, 2.5f, 10.0f, 8.0f, 1.3f), Capsule(22.0f, 2.5f, 22.0f, 8.0f, 1.3f)),
         Solid(RgbOf(70, 70, 80))});
    // The day circled in green.
    l.push_back({Minus(Ellipse(21.0f, 23.2f, 4.6f, 3.8f), Ellipse(21.0f, 23.2f, 3.3f, 2.6f)),
                 Solid(RgbOf(0, 150, 40))});
    return l;
}

NamedIcon Make(const char* name, const std::vector<Layer>& layers, bool small,
               float outline = 0.75f) {
    NamedIcon icon{name, {RenderAt(layers, 32, outline)}};
    if (small) icon.images.push_back(RenderAt(layers, 16, outline));
    return icon;
}

} // namespace

std::vector<NamedIcon> ProgramIcons() {
    std::vector<NamedIcon> out;
    out.push_back(Make("FESTOONICON", Garland(), true));
    out.push_back(Make("AAAICON", Garland(), true));
    out.push_back(Make("TRAYICON", BigBulb(2, 16.0f, 1.0f), true));
    out.push_back(Make("105", WarningBulb(), false));
    out.push_back(Make("129", CalendarPage(), false, 0.8f));
    return out;
}

} // namespace art
