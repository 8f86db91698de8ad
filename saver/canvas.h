// What the screen saver effects draw on: a handful of drawing operations over
// colours in the Windows COLORREF layout (0x00BBGGRR). The saver window gives
// the effects a pixel buffer in memory; the unit tests give them the same.
#pragma once

#include <cstdint>

namespace festoon {

using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr Color kBlack = 0;
constexpr Color kWhite = Rgb(255, 255, 255);
// What a read outside the picture returns; effects treat it as occupied.
constexpr Color kInvalidColor = 0xFFFFFFFFu;

struct Point {
    int x = 0;
    int y = 0;
};

class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Points outside the picture are ignored (set) or kInvalidColor (get).
    virtual void SetPixel(int x, int y, Color c) = 0;
    virtual Color GetPixel(int x, int y) const = 0;
    // The rectangle from (left, top) up to but not including (right, bottom).
    virtual void FillRect(int left, int top, int right, int bottom, Color c) = 0;
    // A one-pixel cubic Bezier curve through p[0] and p[3], pulled by p[1], p[2].
    virtual void Bezier(const Point p[4], Color c) = 0;
    // The one-pixel outline of the ellipse in the box from (left, top) up to
    // but not including (right, bottom).
    virtual void Ellipse(int left, int top, int right, int bottom, Color c) = 0;
};

// A canvas over 32-bit pixels in memory (0x00RRGGBB, rows top-down, as in a
// 32-bit DIB). It remembers which parts changed since they were last taken,
// in bands of rows, so the window copies only those to the screen.
class PixelCanvas : public Canvas {
  public:
    static constexpr int kMaxSide = 16384;
    static constexpr int kBandRows = 16;

    // The buffer holds height rows of stride pixels; the canvas does not own
    // it. A buffer larger than kMaxSide either way gives an empty canvas.
    PixelCanvas(std::uint32_t* pixels, int width, int height, int stride);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPixel(int x, int y, Color c) override;
    Color GetPixel(int x, int y) const override;
    void FillRect(int left, int top, int right, int bottom, Color c) override;
    void Bezier(const Point p[4], Color c) override;
    void Ellipse(int left, int top, int right, int bottom, Color c) override;

    void Line(int x0, int y0, int x1, int y1, Color c);
    // Lays a strip over the top rows through its mask: each pixel becomes
    // (pixel AND mask) OR colour, as two mask blits would make it.
    void Overlay(const std::uint32_t* mask, const std::uint32_t* colour, int stripWidth, int rows);
    // Marks a rectangle as changed by something drawn behind the canvas's
    // back (text, bitmaps).
    void MarkDirty(int left, int top, int right, int bottom);
    // True when anything in rows [top, bottom) changed since it was last taken.
    bool IsDirty(int top, int bottom) const;
    // The next changed rectangle (neighbouring changed bands joined), which
    // then counts as clean; false when nothing is left.
    bool TakeDirty(int* left, int* top, int* right, int* bottom);

  private:
    struct Band {
        int left = 0, right = 0; // right <= left: clean
    };
    static constexpr int kMaxBands = kMaxSide / kBandRows;

    std::uint32_t* pixels_;
    int width_;
    int height_;
    int stride_;
    Band bands_[kMaxBands];
};

} // namespace festoon
