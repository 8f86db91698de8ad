// Dialog bitmaps: the flash preview strip cells "BulbSeq", the power switch P1400 and
// P1401, the small logo 118, the decorations 1300-1302 of the options dialog and the
// about dialog's pictures 1500-1502. They sit on the dialogs' grey unless they are
// pictures with a background of their own.
#include "tools/artgen/pictures.h"

#include "tools/artgen/bulbs.h"
#include "tools/artgen/font.h"
#include "tools/artgen/shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

std::vector<NamedBitmap> SaverBitmaps(); // saver.cpp

namespace {

const Rgb kDialogGrey = {192, 192, 192};

// Moves and scales a layer set: unit (x, y) of the source lands at (x0 + k x, y0 + k y).
std::vector<Layer> Place(const std::vector<Layer>& in, float x0, float y0, float k) {
    std::vector<Layer> out;
    for (const Layer& l : in) {
        InFn f = l.in;
        ColFn c = l.col;
        out.push_back({[=](float x, float y) { return f((x - x0) / k, (y - y0) / k); },
                       [=](float x, float y) { return c((x - x0) / k, (y - y0) / k); }});
    }
    return out;
}

void Append(std::vector<Layer>& to, const std::vector<Layer>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// A small round lit or unlit bulb hanging from a wire at the top of its cell.
std::vector<Layer> MiniBulb(float cx, float top, float size, int hue, bool lit) {
    float k = size / 10.0f;
    InFn glass = Union(Ellipse(cx, top + 5.6f * k, 3.2f * k, 3.6f * k),
                       Polygon({cx - 2.6f * k, top + 6.6f * k, cx + 2.6f * k, top + 6.6f * k, cx,
                                top + 10.0f * k}));
    InFn socket = Rect(cx - 1.6f * k, top + 0.6f * k, cx + 1.6f * k, top + 2.6f * k);
    return {{glass, Glass(Look{HueOf(hue), lit}, cx, top + 6.0f * k, 3.4f * k, 4.4f * k)},
            {socket, Solid(RgbOf(0, 120, 0))}};
}

Image BulbSeq() {
    Image img(22, 20);
    img.Fill(kDialogGrey);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            Image cell = Picture(11, 10, kDialogGrey,
                                 MiniBulb(5.5f, 0.0f, 10.0f, row == 0 ? 3 : 2, col == 1));
            for (int x = 0; x < 11; ++x) cell.Set(x, 0, RgbOf(0, 128, 0));
            Blit(img, cell, col * 11, row * 10);
        }
    }
    return img;
}

Image PowerSwitch(bool on) {
    std::vector<Layer> l;
    // Raised plate in the dialog's grey with a bevel.
    l.push_back({Rect(0, 0, 32, 48), [](float x, float y) {
                     if (x < 1.5f || y < 1.5f) return RgbOf(255, 255, 255);
                     if (x > 30.5f || y > 46.5f) return RgbOf(64, 64, 64);
                     if (x > 29.5f || y > 45.5f) return RgbOf(128, 128, 128);
                     return RgbOf(192, 192, 192);
                 }});
    // The yellow switch body.
    l.push_back({Rect(5.0f, 4.0f, 27.0f, 44.0f), [](float x, float y) {
                     float e =
                         std::min(std::min(x - 5.0f, 27.0f - x), std::min(y - 4.0f, 44.0f - y));
                     Rgb c = RgbOf(230, 200, 20);
                     if (e < 1.2f) c = (x < 8 || y < 7) ? RgbOf(255, 240, 120) : RgbOf(150, 120, 0);
                     return c;
                 }});
    // Red lamp.
    l.push_back({Ellipse(16.0f, 10.5f, 4.0f, 4.0f), Solid(RgbOf(60, 0, 0))});
    l.push_back(
        {Ellipse(16.0f, 10.5f, 3.0f, 3.0f), Glass(Look{HueOf(2), on}, 16.0f, 10.5f, 3.0f, 3.0f)});
    // Rocker well and the rocker: the raised half catches the light, the pressed half
    // lies in shadow.
    l.push_back({Rect(8.5f, 17.0f, 23.5f, 41.5f), Solid(RgbOf(110, 90, 0))});
    l.push_back({Rect(9.5f, 18.0f, 22.5f, 40.5f), [on](float x, float y) {
                     bool upper = y < 29.25f;
                     bool raised = on ? !upper : upper; // the pressed half lies in shadow
                     float t = upper ? (y - 18.0f) / 11.25f : (y - 29.25f) / 11.25f;
                     Rgb c = raised ? Mix(RgbOf(255, 245, 140), RgbOf(235, 205, 30), t)
                                    : Mix(RgbOf(170, 140, 0), RgbOf(205, 175, 10), t);
                     if (x < 10.5f) c = Mix(c, White(), 0.3f);
                     if (x > 21.5f) c = Scale(c, 0.75f);
                     return c;
                 }});
    // Marks: "I" on the upper half, "O" on the lower.
    l.push_back({Rect(15.0f, 21.0f, 17.0f, 27.0f), Solid(RgbOf(90, 70, 0))});
    l.push_back({Minus(Ellipse(16.0f, 35.0f, 3.0f, 3.0f), Ellipse(16.0f, 35.0f, 1.7f, 1.7f)),
                 Solid(RgbOf(90, 70, 0))});
    return Picture(32, 48, kDialogGrey, l);
}

// A round dark badge with a swag of three lit bulbs and a star: the small logo.
Image Logo() {
    std::vector<Layer> l;
    l.push_back({Ellipse(20.0f, 20.0f, 19.5f, 19.5f), [](float, float y) {
                     float t = std::clamp((y - 2.0f) / 36.0f, 0.0f, 1.0f);
                     return Mix(RgbOf(20, 30, 110), RgbOf(5, 5, 40), t);
                 }});
    l.push_back({Minus(Ellipse(20.0f, 20.0f, 19.5f, 19.5f), Ellipse(20.0f, 20.0f, 17.8f, 17.8f)),
                 [](float x, float y) {
                     return Mix(RgbOf(255, 230, 120), RgbOf(170, 120, 20), (x + y) / 80.0f);
                 }});
    Path wire;
    for (int i = 0; i <= 28; ++i) {
        float x = 6.0f + i;
        float u = (x - 20.0f) / 14.0f;
        wire.To(x, 11.0f + 6.0f * (1 - u * u));
    }
    l.push_back({wire.Stroke(0.8f, 0.8f), Solid(RgbOf(0, 150, 0))});
    const float xs[3] = {11.0f, 20.0f, 29.0f};
    const int hues[3] = {2, 4, 1};
    for (int i = 0; i < 3; ++i) {
        float u = (xs[i] - 20.0f) / 14.0f;
        Append(l, MiniBulb(xs[i], 10.5f + 6.0f * (1 - u * u), 14.0f, hues[i], true));
    }
    std::vector<float> star;
    for (int i = 0; i < 10; ++i) {
        float a = (-90.0f + 36.0f * i) * 3.14159265f / 180.0f;
        float r = i % 2 ? 1.5f : 3.6f;
        star.push_back(20.0f + r * std::cos(a));
        star.push_back(32.0f + r * std::sin(a));
    }
    l.push_back({Polygon(star), Solid(RgbOf(255, 240, 150))});
    return Picture(40, 40, kDialogGrey, l);
}

// Holly sprig with berries, on the dialog grey.
Image HollySprig() {
    std::vector<Layer> l = Place(Holly(0, true), -0.0f, -8.0f, 1.5f);
    return Picture(48, 32, kDialogGrey, l);
}

// A wrapped present with a bow.
Image Present() {
    std::vector<Layer> l;
    l.push_back({Rect(6.0f, 14.0f, 34.0f, 38.0f),
                 [](float x, float) { return Scale(RgbOf(200, 20, 30), x < 20 ? 1.0f : 0.8f); }});
    l.push_back({Rect(4.0f, 10.0f, 36.0f, 16.0f), Solid(RgbOf(230, 40, 50))});
    l.push_back({Union(Rect(17.5f, 10.0f, 22.5f, 38.0f), Rect(4.0f, 12.0f, 36.0f, 15.0f)),
                 [](float x, float y) {
                     return Mix(RgbOf(255, 235, 120), RgbOf(200, 150, 20), (x + y) / 70.0f);
                 }});
    l.push_back({Union(EllipseRot(14.5f, 7.0f, 5.5f, 3.0f, 20.0f),
                       EllipseRot(25.5f, 7.0f, 5.5f, 3.0f, -20.0f)),
                 Solid(RgbOf(240, 200, 40))});
    l.push_back({Ellipse(20.0f, 9.0f, 2.4f, 2.2f), Solid(RgbOf(200, 150, 10))});
    return Picture(40, 40, kDialogGrey, l);
}

// The banner across the top of the options dialog: a night sky with a swag of lights
// and the program's name.
Image Banner() {
    const int w = 480, h = 44;
    std::vector<Layer> l;
    l.push_back({Rect(0, 0, float(w), float(h)), [](float x, float y) {
                     float t = y / 44.0f;
                     Rgb c = Mix(RgbOf(10, 20, 80), RgbOf(40, 60, 150), t);
                     // Scattered stars.
                     unsigned hx = unsigned(x) * 2654435761u ^ unsigned(y) * 40503u;
                     if ((hx >> 7) % 97 == 0) c = RgbOf(230, 230, 255);
                     return c;
                 }});
    // Snow along the bottom edge.
    l.push_back({[](float x, float y) {
                     return y > 39.0f + 1.5f * std::sin(x * 0.07f) + std::sin(x * 0.23f);
                 },
                 [](float, float y) {
                     return Mix(RgbOf(255, 255, 255), RgbOf(190, 200, 230), (y - 38.0f) / 6.0f);
                 }});
    Path wire;
    for (int i = 0; i <= w; i += 2) {
        float phase = std::fmod(float(i), 96.0f) / 96.0f;
        wire.To(float(i), 2.0f + 8.0f * std::sin(phase * 3.14159265f));
    }
    l.push_back({wire.Stroke(0.8f, 0.8f), Solid(RgbOf(0, 140, 0))});
    const int hues[6] = {1, 2, 3, 4, 5, 0};
    for (int i = 0; i < 20; ++i) {
        float x = 12.0f + 24.0f * i;
        float phase = std::fmod(x, 96.0f) / 96.0f;
        float top = 1.5f + 8.0f * std::sin(phase * 3.14159265f);
        Append(l, MiniBulb(x, top, 12.0f, hues[i % 6], true));
    }
    Image img = Picture(w, h, RgbOf(0, 0, 0), l);
    const std::string text = "FESTOON OPTIONS";
    int tx = (w - TextWidth(text, 2)) / 2;
    DrawText(img, text, tx + 2, 25, 2, RgbOf(20, 10, 0));
    DrawText(img, text, tx, 23, 2, RgbOf(255, 215, 80));
    return img;
}

// The product title: the name spelled in light bulbs on a dark sign.
Image Title() {
    const std::string name = "FESTOON";
    const float pitch = 5.0f;
    const int w = 224, h = 52;
    std::vector<Layer> l;
    l.push_back({[](float x, float y) {
                     float dx = std::max(0.0f, std::max(6.0f - x, x - 218.0f));
                     float dy = std::max(0.0f, std::max(6.0f - y, y - 46.0f));
                     return dx * dx + dy * dy <= 36.0f;
                 },
                 [](float x, float y) {
                     bool rim = x < 2.5f || y < 2.5f || x > 221.5f || y > 49.5f;
                     return rim ? Mix(RgbOf(255, 225, 110), RgbOf(170, 120, 20), (x + y) / 270.0f)
                                : Mix(RgbOf(25, 20, 70), RgbOf(8, 6, 30), y / 52.0f);
                 }});
    float x0 = (w - (name.size() * 6 - 1) * pitch) / 2.0f, y0 = (h - 7 * pitch) / 2.0f;
    const int hues[6] = {2, 4, 3, 1, 5, 0};
    int n = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        const uint8_t* g = Glyph(name[i]);
        for (int r = 0; r < 7; ++r)
            for (int k = 0; k < 5; ++k)
                if (g[r] & (0x10 >> k)) {
                    float cx = x0 + (i * 6 + k) * pitch + pitch / 2,
                          cy = y0 + r * pitch + pitch / 2;
                    int hue = hues[i % 6];
                    (void)n;
                    l.push_back({Ellipse(cx, cy, 2.3f, 2.3f),
                                 Glass(Look{HueOf(hue), true}, cx, cy, 2.3f, 2.3f)});
                    ++n;
                }
    }
    return Picture(w, h, kDialogGrey, l);
}

// A string of lit bulbs on the dialog grey, made of the real bulb icons.
Image LightString(const std::vector<NamedIcon>& icons) {
    Image img(256, 32);
    img.Fill(kDialogGrey);
    const int colours[8] = {1, 2, 3, 4, 5, 0, 1, 2};
    for (int i = 0; i < 8; ++i) {
        std::string want = std::string("LIGHT1") + char('0' + colours[i]);
        for (const auto& ic : icons)
            if (ic.name == want) Blit(img, ic.images[0], 32 * i, 0);
    }
    return img;
}

Image MusicNote() {
    std::vector<Layer> l;
    InFn heads = Union(EllipseRot(6.5f, 19.0f, 3.4f, 2.5f, -25.0f),
                       EllipseRot(17.5f, 16.5f, 3.4f, 2.5f, -25.0f));
    InFn stems = Union(Rect(8.9f, 5.0f, 10.4f, 18.5f), Rect(19.9f, 2.5f, 21.4f, 16.0f));
    InFn beam = Polygon({8.9f, 5.0f, 21.4f, 2.5f, 21.4f, 6.0f, 8.9f, 8.5f});
    l.push_back({Union(Union(heads, stems), beam), [](float x, float y) {
                     return Mix(RgbOf(30, 40, 150), RgbOf(0, 0, 60), (x + y) / 40.0f);
                 }});
    return Picture(24, 24, kDialogGrey, l);
}

} // namespace

Image Picture(int w, int h, Rgb bg, const std::vector<Layer>& layers, int ss) {
    std::vector<Layer> all;
    all.push_back({Rect(-1, -1, float(w + 1), float(h + 1)), Solid(bg)});
    all.insert(all.end(), layers.begin(), layers.end());
    Image img(w, h);
    Render(img, all, ss);
    return img;
}

std::vector<NamedBitmap> Bitmaps(const std::vector<NamedIcon>& bulbs) {
    std::vector<NamedBitmap> out;
    out.push_back({"BULBSEQ", BulbSeq()});
    out.push_back({"P1400", PowerSwitch(false)});
    out.push_back({"P1401", PowerSwitch(true)});
    out.push_back({"118", Logo()});
    out.push_back({"1300", HollySprig()});
    out.push_back({"1301", Present()});
    out.push_back({"1302", Banner()});
    out.push_back({"1500", Title()});
    out.push_back({"1501", LightString(bulbs)});
    out.push_back({"1502", MusicNote()});
    for (auto& b : SaverBitmaps()) out.push_back(b);
    return out;
}

} // namespace art
