// A pixel picture for the screen saver tests: a PixelCanvas over its own
// buffer, with helpers to count what is drawn on it.
#pragma once

#include <cstdint>
#include <vector>

#include "saver/canvas.h"

struct TestPicture {
    TestPicture(int w, int h)
        : pixels(static_cast<std::size_t>(w) * h, 0u), canvas(pixels.data(), w, h, w) {}
    std::vector<std::uint32_t> pixels;
    festoon::PixelCanvas canvas;

    int CountNonBlack() const {
        int n = 0;
        for (std::uint32_t p : pixels) n += (p & 0xFFFFFF) != 0;
        return n;
    }
    int Count(festoon::Color c) const {
        int n = 0;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x) n += canvas.GetPixel(x, y) == c;
        return n;
    }
};
