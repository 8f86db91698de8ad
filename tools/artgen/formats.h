// Byte-exact writers for the file formats the resources ship in: Windows icon and
// cursor files, device-independent bitmaps, PCM wave files and PNG (for the contact
// sheet). Every writer is deterministic: no timestamps, no dependence on the host.
#pragma once

#include "tools/artgen/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace art {

using Bytes = std::vector<uint8_t>;

// An icon file holding, for every given image (32x32, and 16x16 where wanted), a
// 256-colour version and a 32-bit version with the same AND mask.
Bytes WriteIco(const std::vector<Image>& sizes);
// A cursor file with one 32x32 monochrome image that shows nothing.
Bytes WriteBlankCursor();
// A 24-bit bottom-up BMP; transparent pixels must already be flattened.
Bytes WriteBmp(const Image& img);
// 8-bit stereo PCM at the given rate; `frames` interleaved left/right samples.
Bytes WriteWav8Stereo(const std::vector<uint8_t>& samples, int rate);
// An RGB PNG compressed with a small LZ77 + fixed-Huffman deflate.
Bytes WritePng(const Image& img);

// Reduces the opaque pixels of an image to at most `maxColours` colours (median cut)
// and returns the palette and one index per pixel. Transparent pixels get index 0,
// which is always black so that the icon's XOR image leaves the screen untouched.
struct Indexed {
    std::vector<Pixel> palette; // palette[0] is black
    std::vector<uint8_t> index;
};
Indexed Quantize(const Image& img, int maxColours = 256);

uint32_t Crc32(const uint8_t* data, size_t n, uint32_t crc = 0);

} // namespace art
