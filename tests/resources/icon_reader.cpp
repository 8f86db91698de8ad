// Icon decoding: 8-bit palette and 32-bit images with their AND masks.
#include "icon_reader.h"

#include <cstdio>

namespace restest {

namespace {

uint32_t Get16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Get32(const uint8_t* p) { return Get16(p) | Get16(p + 2) << 16; }
size_t RowBytes(int w, int bits) { return size_t((w * bits + 31) / 32) * 4; }

} // namespace

std::optional<IconImage> ParseIconDib(const uint8_t* data, size_t size) {
    if (size < 40 || Get32(data) != 40) return std::nullopt;
    IconImage img;
    img.w = int(Get32(data + 4));
    int fullHeight = int(Get32(data + 8));
    img.h = fullHeight / 2;
    img.bits = int(Get16(data + 14));
    uint32_t compression = Get32(data + 16);
    uint32_t used = Get32(data + 32);
    if (img.w <= 0 || img.h <= 0 || fullHeight != 2 * img.h || compression != 0)
        return std::nullopt;
    if (img.bits != 8 && img.bits != 32) return std::nullopt;

    size_t offset = 40;
    std::vector<uint32_t> palette;
    if (img.bits == 8) {
        size_t entries = used ? used : 256;
        if (offset + 4 * entries > size) return std::nullopt;
        for (size_t i = 0; i < entries; ++i) {
            const uint8_t* q = data + offset + 4 * i;
            palette.push_back(uint32_t(q[2]) << 16 | uint32_t(q[1]) << 8 | q[0]);
        }
        offset += 4 * entries;
    }
    size_t xorRow = RowBytes(img.w, img.bits), andRow = RowBytes(img.w, 1);
    if (offset + xorRow * img.h + andRow * img.h > size) return std::nullopt;

    size_t n = size_t(img.w) * img.h;
    img.rgb.assign(n, 0);
    img.clear.assign(n, false);
    if (img.bits == 32) img.alpha.assign(n, 0);
    for (int row = 0; row < img.h; ++row) {
        int y = img.h - 1 - row; // stored bottom-up
        const uint8_t* x8 = data + offset + xorRow * row;
        const uint8_t* a1 = data + offset + xorRow * img.h + andRow * row;
        for (int x = 0; x < img.w; ++x) {
            size_t i = size_t(y) * img.w + x;
            if (img.bits == 8) {
                if (x8[x] >= palette.size()) return std::nullopt;
                img.rgb[i] = palette[x8[x]];
            } else {
                const uint8_t* q = x8 + 4 * x;
                img.rgb[i] = uint32_t(q[2]) << 16 | uint32_t(q[1]) << 8 | q[0];
                img.alpha[i] = q[3];
            }
            img.clear[i] = (a1[x / 8] >> (7 - x % 8)) & 1;
        }
    }
    return img;
}

std::optional<std::vector<IconImage>> ParseIcoFile(const std::vector<uint8_t>& file) {
    if (file.size() < 6 || Get16(file.data()) != 0 || Get16(file.data() + 2) != 1)
        return std::nullopt;
    size_t count = Get16(file.data() + 4);
    if (6 + 16 * count > file.size()) return std::nullopt;
    std::vector<IconImage> out;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = file.data() + 6 + 16 * i;
        uint32_t bytes = Get32(e + 8), at = Get32(e + 12);
        if (size_t(at) + bytes > file.size()) return std::nullopt;
        auto img = ParseIconDib(file.data() + at, bytes);
        if (!img) return std::nullopt;
        int dirW = e[0] ? e[0] : 256;
        if (dirW != img->w || int(Get16(e + 6)) != img->bits) return std::nullopt;
        out.push_back(*img);
    }
    return out;
}

std::vector<uint8_t> ReadFileBytes(const char* path) {
    std::vector<uint8_t> out;
    FILE* f = std::fopen(path, "rb");
    if (!f) return out;
    uint8_t buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
    std::fclose(f);
    return out;
}

} // namespace restest
