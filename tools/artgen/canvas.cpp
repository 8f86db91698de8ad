// Supersampled rendering of layered shapes into images with one-bit transparency,
// plus the small image operations the pictures and the contact sheet need.
#include "tools/artgen/canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

Rgb RgbOf(int r, int g, int b) { return Rgb{float(r), float(g), float(b)}; }

Rgb Mix(Rgb a, Rgb b, float t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, float k) { return Rgb{c.r * k, c.g * k, c.b * k}; }

static uint8_t Clamp8(float v) {
    if (v <= 0) return 0;
    if (v >= 255) return 255;
    return uint8_t(std::lround(v));
}

Pixel ToPixel(Rgb c) { return Pixel{Clamp8(c.r), Clamp8(c.g), Clamp8(c.b), 255}; }
Rgb ToRgb(Pixel p) { return RgbOf(p.r, p.g, p.b); }

void Image::Fill(Rgb c) {
    for (auto& p : px) p = ToPixel(c);
}

void Render(Image& img, const std::vector<Layer>& layers, int ss) {
    const int total = ss * ss;
    for (int y = 0; y < img.h; ++y) {
        for (int x = 0; x < img.w; ++x) {
            int covered = 0;
            Rgb sum;
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    float fx = x + (sx + 0.5f) / ss;
                    float fy = y + (sy + 0.5f) / ss;
                    for (size_t i = layers.size(); i-- > 0;) {
                        if (layers[i].in(fx, fy)) {
                            Rgb c = layers[i].col(fx, fy);
                            sum.r += c.r;
                            sum.g += c.g;
                            sum.b += c.b;
                            ++covered;
                            break;
                        }
                    }
                }
            }
            if (covered * 2 >= total) img.at(x, y) = ToPixel(Scale(sum, 1.0f / covered));
        }
    }
}

void Outline(Image& img, float k, const std::vector<bool>* only) {
    std::vector<bool> edge(img.px.size(), false);
    for (int y = 0; y < img.h; ++y) {
        for (int x = 0; x < img.w; ++x) {
            if (img.at(x, y).a == 0) continue;
            if (only && !(*only)[size_t(y) * img.w + x]) continue;
            const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (auto& o : d) {
                int nx = x + o[0], ny = y + o[1];
                if (!img.Inside(nx, ny) || img.at(nx, ny).a == 0) {
                    edge[size_t(y) * img.w + x] = true;
                    break;
                }
            }
        }
    }
    for (size_t i = 0; i < img.px.size(); ++i)
        if (edge[i]) img.px[i] = ToPixel(Scale(ToRgb(img.px[i]), k));
}

void Blit(Image& dst, const Image& src, int dx, int dy) {
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x)
            if (src.at(x, y).a && dst.Inside(dx + x, dy + y)) dst.at(dx + x, dy + y) = src.at(x, y);
}

Image ScaleUp(const Image& src, int k) {
    Image out(src.w * k, src.h * k);
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) out.at(x, y) = src.at(x / k, y / k);
    return out;
}

Image Flatten(const Image& src, Rgb bg) {
    Image out(src.w, src.h);
    out.Fill(bg);
    Blit(out, src, 0, 0);
    return out;
}

InFn Ellipse(float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        float dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0f;
    };
}

InFn Rect(float x0, float y0, float x1, float y1) {
    return [=](float x, float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

InFn Polygon(std::vector<float> xy) {
    return [xy](float x, float y) {
        bool inside = false;
        size_t n = xy.size() / 2;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    };
}

InFn Capsule(float x0, float y0, float x1, float y1, float r) {
    return [=](float x, float y) {
        float vx = x1 - x0, vy = y1 - y0;
        float len2 = vx * vx + vy * vy;
        float t = len2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / len2 : 0;
        t = std::clamp(t, 0.0f, 1.0f);
        float dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
        return dx * dx + dy * dy <= r * r;
    };
}

InFn Union(InFn a, InFn b) {
    return [a, b](float x, float y) { return a(x, y) || b(x, y); };
}
InFn Minus(InFn a, InFn b) {
    return [a, b](float x, float y) { return a(x, y) && !b(x, y); };
}
InFn Intersect(InFn a, InFn b) {
    return [a, b](float x, float y) { return a(x, y) && b(x, y); };
}
ColFn Solid(Rgb c) {
    return [c](float, float) { return c; };
}

float SphereShade(float x, float y, float cx, float cy, float rx, float ry) {
    float nx = (x - cx) / rx, ny = (y - cy) / ry;
    float d2 = std::min(1.0f, nx * nx + ny * ny);
    float nz = std::sqrt(1.0f - d2);
    // Light from the upper left and in front.
    const float lx = -0.45f, ly = -0.55f, lz = 0.70f;
    float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
    return 0.50f + 0.65f * diffuse;
}

float Spot(float x, float y, float hx, float hy, float r) {
    float dx = x - hx, dy = y - hy;
    float d = std::sqrt(dx * dx + dy * dy) / r;
    return d >= 1 ? 0.0f : (1 - d * d);
}

} // namespace art
