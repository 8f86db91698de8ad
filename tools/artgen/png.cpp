// A small PNG writer for the contact sheet. The image data is compressed with LZ77
// and the fixed Huffman code of deflate, which keeps the committed sheet small
// without needing a compression library.
#include "tools/artgen/formats.h"

#include <cstring>

namespace art {

namespace {

class BitWriter {
  public:
    explicit BitWriter(Bytes& out) : out_(out) {}
    void Bits(uint32_t value, int count) { // least significant bit first
        for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
    }
    void Code(uint32_t code, int len) { // Huffman codes go most significant bit first
        for (int i = len - 1; i >= 0; --i) Bit((code >> i) & 1);
    }
    void Flush() {
        if (used_) out_.push_back(acc_);
        acc_ = 0;
        used_ = 0;
    }

  private:
    void Bit(uint32_t b) {
        acc_ |= uint8_t(b << used_);
        if (++used_ == 8) Flush();
    }
    Bytes& out_;
    uint8_t acc_ = 0;
    int used_ = 0;
};

const int kLenBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                          31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const int kLenExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const int kDistBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                           33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                           1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const int kDistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void Literal(BitWriter& bw, int sym) {
    if (sym < 144)
        bw.Code(uint32_t(0x30 + sym), 8);
    else if (sym < 256)
        bw.Code(uint32_t(0x190 + sym - 144), 9);
    else if (sym < 280)
        bw.Code(uint32_t(sym - 256), 7);
    else
        bw.Code(uint32_t(0xC0 + sym - 280), 8);
}

void Match(BitWriter& bw, int len, int dist) {
    int li = 28;
    while (kLenBase[li] > len) --li;
    Literal(bw, 257 + li);
    bw.Bits(uint32_t(len - kLenBase[li]), kLenExtra[li]);
    int di = 29;
    while (kDistBase[di] > dist) --di;
    bw.Code(uint32_t(di), 5);
    bw.Bits(uint32_t(dist - kDistBase[di]), kDistExtra[di]);
}

Bytes Deflate(const Bytes& in) {
    Bytes out;
    BitWriter bw(out);
    bw.Bits(1, 1); // final block
    bw.Bits(1, 2); // fixed Huffman codes
    const int kHashSize = 1 << 15, kWindow = 32768, kMaxChain = 48;
    std::vector<int> head(kHashSize, -1), prev(in.size(), -1);
    auto hash = [&](size_t i) {
        return ((in[i] << 10) ^ (in[i + 1] << 5) ^ in[i + 2]) & (kHashSize - 1);
    };
    size_t i = 0;
    while (i < in.size()) {
        int bestLen = 0, bestDist = 0;
        if (i + 2 < in.size()) {
            int h = hash(i);
            int cand = head[size_t(h)];
            for (int chain = 0; cand >= 0 && chain < kMaxChain; ++chain) {
                int dist = int(i) - cand;
                if (dist > kWindow) break;
                int len = 0;
                while (len < 258 && i + size_t(len) < in.size() &&
                       in[size_t(cand + len)] == in[i + size_t(len)])
                    ++len;
                if (len > bestLen) {
                    bestLen = len;
                    bestDist = dist;
                    if (len == 258) break;
                }
                cand = prev[size_t(cand)];
            }
        }
        size_t step = bestLen >= 3 ? size_t(bestLen) : 1;
        if (bestLen >= 3)
            Match(bw, bestLen, bestDist);
        else
            Literal(bw, in[i]);
        for (size_t k = 0; k < step; ++k, ++i) {
            if (i + 2 < in.size()) {
                int h = hash(i);
                prev[i] = head[size_t(h)];
                head[size_t(h)] = int(i);
            }
        }
    }
    Literal(bw, 256);
    bw.Flush();
    return out;
}

uint32_t Adler32(const Bytes& d) {
    uint32_t a = 1, b = 0;
    for (uint8_t v : d) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutBE32(Bytes& b, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(uint8_t(v >> s));
}

void Chunk(Bytes& png, const char* type, const Bytes& data) {
    PutBE32(png, uint32_t(data.size()));
    size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBE32(png, Crc32(png.data() + start, png.size() - start));
}

} // namespace

Bytes WritePng(const Image& img) {
    // Each row uses the "up" filter: the sheet repeats a lot vertically.
    Bytes raw;
    raw.reserve(size_t(img.h) * (1 + 3 * size_t(img.w)));
    for (int y = 0; y < img.h; ++y) {
        raw.push_back(2);
        for (int x = 0; x < img.w; ++x) {
            const Pixel& p = img.at(x, y);
            Pixel up = y > 0 ? img.at(x, y - 1) : Pixel{};
            raw.push_back(uint8_t(p.r - up.r));
            raw.push_back(uint8_t(p.g - up.g));
            raw.push_back(uint8_t(p.b - up.b));
        }
    }
    Bytes z = {0x78, 0x01};
    Bytes d = Deflate(raw);
    z.insert(z.end(), d.begin(), d.end());
    PutBE32(z, Adler32(raw));

    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes ihdr;
    PutBE32(ihdr, uint32_t(img.w));
    PutBE32(ihdr, uint32_t(img.h));
    ihdr.push_back(8); // bits per channel
    ihdr.push_back(2); // RGB
    ihdr.push_back(0);
    ihdr.push_back(0);
    ihdr.push_back(0);
    Chunk(png, "IHDR", ihdr);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", Bytes());
    return png;
}

} // namespace art
