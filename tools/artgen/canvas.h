// Pixel canvases and the supersampled shape renderer that all artwork is drawn with.
// Shapes are point-in-shape tests in floating-point pixel coordinates; a pixel is
// opaque when at least half of its subsamples fall inside a shape, so every picture
// gets a hard one-bit edge while colours inside it are still smoothly blended.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Rgb {
    float r = 0, g = 0, b = 0;
};

struct Pixel {
    uint8_t r = 0, g = 0, b = 0, a = 0; // a is 0 or 255 in every icon
};

inline bool operator==(const Pixel& x, const Pixel& y) {
    return x.r == y.r && x.g == y.g && x.b == y.b && x.a == y.a;
}
inline bool operator!=(const Pixel& x, const Pixel& y) { return !(x == y); }

Rgb RgbOf(int r, int g, int b);
Rgb Mix(Rgb a, Rgb b, float t); // t = 0 gives a, 1 gives b
Rgb Scale(Rgb c, float k);
Pixel ToPixel(Rgb c);
Rgb ToRgb(Pixel p);

struct Image {
    int w = 0, h = 0;
    std::vector<Pixel> px;

    Image() = default;
    Image(int width, int height) : w(width), h(height), px(size_t(width) * height) {}
    Pixel& at(int x, int y) { return px[size_t(y) * w + x]; }
    const Pixel& at(int x, int y) const { return px[size_t(y) * w + x]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    void Set(int x, int y, Rgb c) {
        if (Inside(x, y)) at(x, y) = ToPixel(c);
    }
    void Fill(Rgb c);
};

using InFn = std::function<bool(float, float)>;
using ColFn = std::function<Rgb(float, float)>;

// One shape of a picture: where it is and what colour it has at each point.
struct Layer {
    InFn in;
    ColFn col;
};

// Layers later in the list lie on top. Pixels already opaque in `img` are kept where no
// layer covers them; covered pixels are replaced.
void Render(Image& img, const std::vector<Layer>& layers, int ss = 4);

// Darkens opaque pixels that touch a transparent one (4-neighbourhood), which keeps a
// figure readable on light and dark desktops alike. Only pixels selected by `only`
// (when given) are considered, so wire and socket keep their own edges.
void Outline(Image& img, float k, const std::vector<bool>* only = nullptr);

// Copies opaque pixels of `src` onto `dst` at (dx, dy).
void Blit(Image& dst, const Image& src, int dx, int dy);
Image ScaleUp(const Image& src, int k);
// Composites an icon over a solid background (for the contact sheet and bitmaps).
Image Flatten(const Image& src, Rgb bg);

// Shape helpers; coordinates are pixel units with (0, 0) the top-left corner of pixel 0.
InFn Ellipse(float cx, float cy, float rx, float ry);
InFn Rect(float x0, float y0, float x1, float y1);
InFn Polygon(std::vector<float> xy);                           // even-odd, xy pairs
InFn Capsule(float x0, float y0, float x1, float y1, float r); // thick line with round ends
InFn Union(InFn a, InFn b);
InFn Minus(InFn a, InFn b);
InFn Intersect(InFn a, InFn b);
ColFn Solid(Rgb c);

// Simple lighting from the upper left, used for glass, metal and painted surfaces.
// Returns the shade factor of a sphere-like surface at (x, y): about 0.55 at the far
// lower-right edge, 1.15 near the highlight side.
float SphereShade(float x, float y, float cx, float cy, float rx, float ry);
// 0..1 brightness of a specular spot centred at (hx, hy) with radius r.
float Spot(float x, float y, float hx, float hy, float r);

} // namespace art
