// Software drawing on a 32-bit pixel buffer. Erasing by drawing again in
// black only works when the same call always sets the same pixels, so every
// shape here is computed from its arguments alone, in integer steps.
#include "saver/canvas.h"

#include <cmath>
#include <cstdlib>

namespace festoon {

namespace {

// COLORREF keeps red in the low byte, a DIB pixel keeps blue there.
std::uint32_t ToPixel(Color c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
Color FromPixel(std::uint32_t p) { return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF); }

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

constexpr int kMaxBezierSegments = 512;
constexpr double kPi = 3.14159265358979323846;

} // namespace

PixelCanvas::PixelCanvas(std::uint32_t* pixels, int width, int height, int stride)
    : pixels_(pixels), width_(0), height_(0), stride_(stride < width ? width : stride) {
    if (pixels && width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide) {
        width_ = width;
        height_ = height;
    }
}

void PixelCanvas::SetPixel(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * stride_ + x] = ToPixel(c);
    Band& b = bands_[y / kBandRows];
    if (b.right <= b.left) {
        b.left = x;
        b.right = x + 1;
    } else if (x < b.left) {
        b.left = x;
    } else if (x >= b.right) {
        b.right = x + 1;
    }
}

Color PixelCanvas::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kInvalidColor;
    return FromPixel(pixels_[static_cast<std::size_t>(y) * stride_ + x] & 0xFFFFFFu);
}

void PixelCanvas::FillRect(int left, int top, int right, int bottom, Color c) {
    left = Clamp(left, 0, width_);
    right = Clamp(right, 0, width_);
    top = Clamp(top, 0, height_);
    bottom = Clamp(bottom, 0, height_);
    if (left >= right || top >= bottom) return;
    const std::uint32_t p = ToPixel(c);
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* row = pixels_ + static_cast<std::size_t>(y) * stride_;
        for (int x = left; x < right; ++x) row[x] = p;
    }
    MarkDirty(left, top, right, bottom);
}

void PixelCanvas::Overlay(const std::uint32_t* mask, const std::uint32_t* colour, int stripWidth,
                          int rows) {
    if (!mask || !colour || stripWidth <= 0) return;
    const int w = stripWidth < width_ ? stripWidth : width_;
    const int h = rows < height_ ? rows : height_;
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = pixels_ + static_cast<std::size_t>(y) * stride_;
        const std::uint32_t* m = mask + static_cast<std::size_t>(y) * stripWidth;
        const std::uint32_t* c = colour + static_cast<std::size_t>(y) * stripWidth;
        for (int x = 0; x < w; ++x) row[x] = (row[x] & m[x]) | c[x];
    }
    MarkDirty(0, 0, w, h);
}

void PixelCanvas::Line(int x0, int y0, int x1, int y1, Color c) {
    // Both ends are drawn; a line wholly off the picture still costs its
    // length, which the callers keep within a few screens.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        SetPixel(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void PixelCanvas::Bezier(const Point p[4], Color c) {
    double length = 0;
    for (int i = 0; i < 3; ++i)
        length += std::hypot(double(p[i + 1].x - p[i].x), double(p[i + 1].y - p[i].y));
    int segments = static_cast<int>(length / 6) + 1;
    if (segments > kMaxBezierSegments) segments = kMaxBezierSegments;
    int px = p[0].x, py = p[0].y;
    for (int k = 1; k <= segments; ++k) {
        const double t = double(k) / segments, u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
        const int x =
            static_cast<int>(std::lround(a * p[0].x + b * p[1].x + d * p[2].x + e * p[3].x));
        const int y =
            static_cast<int>(std::lround(a * p[0].y + b * p[1].y + d * p[2].y + e * p[3].y));
        Line(px, py, x, y, c);
        px = x;
        py = y;
    }
}

void PixelCanvas::Ellipse(int left, int top, int right, int bottom, Color c) {
    const int w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0 || w > 4 * width_ + 8 || h > 4 * height_ + 8) return;
    const double cx = left + (w - 1) / 2.0, cy = top + (h - 1) / 2.0;
    const double a = (w - 1) / 2.0, b = (h - 1) / 2.0;
    // Enough points that neighbours touch: no gaps in the outline.
    const int n = 8 + 4 * (w + h);
    for (int k = 0; k < n; ++k) {
        const double t = 2 * kPi * k / n;
        SetPixel(static_cast<int>(std::lround(cx + a * std::cos(t))),
                 static_cast<int>(std::lround(cy + b * std::sin(t))), c);
    }
}

void PixelCanvas::MarkDirty(int left, int top, int right, int bottom) {
    left = Clamp(left, 0, width_);
    right = Clamp(right, 0, width_);
    top = Clamp(top, 0, height_);
    bottom = Clamp(bottom, 0, height_);
    if (left >= right || top >= bottom) return;
    for (int i = top / kBandRows; i <= (bottom - 1) / kBandRows; ++i) {
        Band& b = bands_[i];
        if (b.right <= b.left) {
            b = Band{left, right};
            continue;
        }
        if (left < b.left) b.left = left;
        if (right > b.right) b.right = right;
    }
}

bool PixelCanvas::IsDirty(int top, int bottom) const {
    top = Clamp(top, 0, height_);
    bottom = Clamp(bottom, 0, height_);
    for (int i = top / kBandRows; top < bottom && i <= (bottom - 1) / kBandRows; ++i)
        if (bands_[i].right > bands_[i].left) return true;
    return false;
}

bool PixelCanvas::TakeDirty(int* left, int* top, int* right, int* bottom) {
    const int bands = (height_ + kBandRows - 1) / kBandRows;
    int i = 0;
    while (i < bands && bands_[i].right <= bands_[i].left) ++i;
    if (i == bands) return false;
    int l = bands_[i].left, r = bands_[i].right;
    const int first = i;
    for (; i < bands && bands_[i].right > bands_[i].left; ++i) {
        if (bands_[i].left < l) l = bands_[i].left;
        if (bands_[i].right > r) r = bands_[i].right;
        bands_[i] = Band{};
    }
    *left = l;
    *right = r;
    *top = first * kBandRows;
    *bottom = i * kBandRows < height_ ? i * kBandRows : height_;
    return true;
}

} // namespace festoon
