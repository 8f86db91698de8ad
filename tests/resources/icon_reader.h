// Reads Windows icon images: whole .ico files, and the bare DIB images that an
// executable's RT_ICON resources hold. Used by the tests to look at pixels and
// masks without trusting the code that wrote them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace restest {

struct IconImage {
    int w = 0, h = 0, bits = 0;
    std::vector<uint32_t> rgb;  // 0xRRGGBB per pixel, top row first
    std::vector<uint8_t> alpha; // 32-bit images only; empty otherwise
    std::vector<bool> clear;    // AND mask: true where the screen shows through
    bool Opaque(int x, int y) const { return !clear[size_t(y) * w + x]; }
    uint32_t At(int x, int y) const { return rgb[size_t(y) * w + x]; }
};

// One image from BITMAPINFOHEADER onwards (height counts XOR and AND halves).
std::optional<IconImage> ParseIconDib(const uint8_t* data, size_t size);
// All images of an .ico file, in directory order.
std::optional<std::vector<IconImage>> ParseIcoFile(const std::vector<uint8_t>& file);

std::vector<uint8_t> ReadFileBytes(const char* path);

} // namespace restest
