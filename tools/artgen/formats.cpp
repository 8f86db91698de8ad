// Icon, cursor, bitmap and wave writers, and the palette reduction for the 256-colour
// icon images.
#include "tools/artgen/formats.h"

#include <algorithm>
#include <map>

namespace art {

namespace {

void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutTag(Bytes& b, const char* tag) { b.insert(b.end(), tag, tag + 4); }

int RowBytes(int w, int bits) { return ((w * bits + 31) / 32) * 4; }

void PutInfoHeader(Bytes& b, int w, int h, int bits, uint32_t imageSize) {
    Put32(b, 40);
    Put32(b, uint32_t(w));
    Put32(b, uint32_t(h));
    Put16(b, 1);
    Put16(b, uint32_t(bits));
    Put32(b, 0); // BI_RGB
    Put32(b, imageSize);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
}

// The AND mask of an icon image: one bit per pixel, 1 where the screen shows through.
void PutAndMask(Bytes& b, const Image& img) {
    int rb = RowBytes(img.w, 1);
    for (int y = img.h - 1; y >= 0; --y) {
        Bytes row(size_t(rb), 0);
        for (int x = 0; x < img.w; ++x)
            if (img.at(x, y).a == 0) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
}

Bytes IconImage8(const Image& img) {
    Indexed q = Quantize(img);
    int rb = RowBytes(img.w, 8);
    uint32_t size = uint32_t(rb * img.h + RowBytes(img.w, 1) * img.h);
    Bytes b;
    PutInfoHeader(b, img.w, img.h * 2, 8, size);
    for (int i = 0; i < 256; ++i) {
        Pixel p = i < int(q.palette.size()) ? q.palette[size_t(i)] : Pixel{};
        b.push_back(p.b);
        b.push_back(p.g);
        b.push_back(p.r);
        b.push_back(0);
    }
    for (int y = img.h - 1; y >= 0; --y) {
        Bytes row(size_t(rb), 0);
        for (int x = 0; x < img.w; ++x) row[size_t(x)] = q.index[size_t(y) * img.w + x];
        b.insert(b.end(), row.begin(), row.end());
    }
    PutAndMask(b, img);
    return b;
}

Bytes IconImage32(const Image& img) {
    uint32_t size = uint32_t(img.w * 4 * img.h + RowBytes(img.w, 1) * img.h);
    Bytes b;
    PutInfoHeader(b, img.w, img.h * 2, 32, size);
    for (int y = img.h - 1; y >= 0; --y) {
        for (int x = 0; x < img.w; ++x) {
            Pixel p = img.at(x, y);
            if (p.a == 0) p = Pixel{};
            b.push_back(p.b);
            b.push_back(p.g);
            b.push_back(p.r);
            b.push_back(p.a);
        }
    }
    PutAndMask(b, img);
    return b;
}

struct Box {
    std::vector<std::pair<Pixel, int>> colours; // colour and how many pixels have it
    int Range(int ch) const {
        int lo = 255, hi = 0;
        for (auto& c : colours) {
            int v = ch == 0 ? c.first.r : ch == 1 ? c.first.g : c.first.b;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return hi - lo;
    }
    long Weight() const {
        long n = 0;
        for (auto& c : colours) n += c.second;
        return n;
    }
};

} // namespace

uint32_t Crc32(const uint8_t* data, size_t n, uint32_t crc) {
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

Indexed Quantize(const Image& img, int maxColours) {
    auto key = [](Pixel p) { return (uint32_t(p.r) << 16) | (uint32_t(p.g) << 8) | p.b; };
    std::map<uint32_t, int> counts;
    for (auto& p : img.px)
        if (p.a) ++counts[key(p)];

    Indexed out;
    out.palette.push_back(Pixel{0, 0, 0, 255});
    const size_t slots = size_t(maxColours - 1);
    if (counts.size() <= slots) {
        for (auto& kv : counts)
            if (kv.first != 0)
                out.palette.push_back(
                    Pixel{uint8_t(kv.first >> 16), uint8_t(kv.first >> 8), uint8_t(kv.first), 255});
    } else {
        std::vector<Box> boxes(1);
        for (auto& kv : counts)
            boxes[0].colours.push_back(
                {Pixel{uint8_t(kv.first >> 16), uint8_t(kv.first >> 8), uint8_t(kv.first), 255},
                 kv.second});
        while (boxes.size() < slots) {
            // Split the box with the widest spread of colours, weighted by use.
            size_t best = boxes.size();
            long bestScore = 0;
            for (size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].colours.size() < 2) continue;
                int range = std::max({boxes[i].Range(0), boxes[i].Range(1), boxes[i].Range(2)});
                long score = long(range) * (1 + boxes[i].Weight());
                if (score > bestScore) {
                    bestScore = score;
                    best = i;
                }
            }
            if (best == boxes.size()) break;
            Box& b = boxes[best];
            int r[3] = {b.Range(0), b.Range(1), b.Range(2)};
            int ch = r[0] >= r[1] && r[0] >= r[2] ? 0 : (r[1] >= r[2] ? 1 : 2);
            std::sort(b.colours.begin(), b.colours.end(), [ch, &key](auto& x, auto& y) {
                int vx = ch == 0 ? x.first.r : ch == 1 ? x.first.g : x.first.b;
                int vy = ch == 0 ? y.first.r : ch == 1 ? y.first.g : y.first.b;
                return vx != vy ? vx < vy : key(x.first) < key(y.first);
            });
            long half = b.Weight() / 2, run = 0;
            size_t cut = 1;
            for (size_t i = 0; i + 1 < b.colours.size(); ++i) {
                run += b.colours[i].second;
                cut = i + 1;
                if (run >= half) break;
            }
            Box other;
            other.colours.assign(b.colours.begin() + long(cut), b.colours.end());
            b.colours.resize(cut);
            boxes.push_back(other);
        }
        for (auto& b : boxes) {
            double sr = 0, sg = 0, sb = 0, n = 0;
            for (auto& c : b.colours) {
                sr += c.first.r * double(c.second);
                sg += c.first.g * double(c.second);
                sb += c.first.b * double(c.second);
                n += c.second;
            }
            out.palette.push_back(
                Pixel{uint8_t(sr / n + 0.5), uint8_t(sg / n + 0.5), uint8_t(sb / n + 0.5), 255});
        }
    }

    std::map<uint32_t, uint8_t> memo;
    out.index.resize(img.px.size(), 0);
    for (size_t i = 0; i < img.px.size(); ++i) {
        const Pixel& p = img.px[i];
        if (!p.a) continue;
        auto it = memo.find(key(p));
        if (it != memo.end()) {
            out.index[i] = it->second;
            continue;
        }
        int best = 0;
        long bestD = -1;
        for (size_t k = 0; k < out.palette.size(); ++k) {
            const Pixel& c = out.palette[k];
            long d = long(c.r - p.r) * (c.r - p.r) + long(c.g - p.g) * (c.g - p.g) +
                     long(c.b - p.b) * (c.b - p.b);
            if (bestD < 0 || d < bestD) {
                bestD = d;
                best = int(k);
            }
        }
        memo[key(p)] = uint8_t(best);
        out.index[i] = uint8_t(best);
    }
    return out;
}

Bytes WriteIco(const std::vector<Image>& sizes) {
    std::vector<Bytes> images;
    std::vector<std::pair<int, int>> dims; // size, bits
    for (auto& img : sizes) {
        images.push_back(IconImage8(img));
        dims.push_back({img.w, 8});
        images.push_back(IconImage32(img));
        dims.push_back({img.w, 32});
    }
    Bytes b;
    Put16(b, 0);
    Put16(b, 1); // icon
    Put16(b, uint32_t(images.size()));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        b.push_back(uint8_t(dims[i].first));
        b.push_back(uint8_t(dims[i].first));
        b.push_back(0); // 256 colours or more
        b.push_back(0);
        Put16(b, 1);
        Put16(b, uint32_t(dims[i].second));
        Put32(b, uint32_t(images[i].size()));
        Put32(b, offset);
        offset += uint32_t(images[i].size());
    }
    for (auto& img : images) b.insert(b.end(), img.begin(), img.end());
    return b;
}

Bytes WriteBlankCursor() {
    const int w = 32, h = 32;
    uint32_t size = uint32_t(RowBytes(w, 1) * h * 2);
    Bytes img;
    PutInfoHeader(img, w, h * 2, 1, size);
    Put32(img, 0x00000000);                                  // black
    Put32(img, 0x00FFFFFF);                                  // white
    img.insert(img.end(), size_t(RowBytes(w, 1) * h), 0x00); // XOR: nothing drawn
    img.insert(img.end(), size_t(RowBytes(w, 1) * h), 0xFF); // AND: all transparent
    Bytes b;
    Put16(b, 0);
    Put16(b, 2); // cursor
    Put16(b, 1);
    b.push_back(w);
    b.push_back(h);
    b.push_back(2);
    b.push_back(0);
    Put16(b, 0); // hot spot x
    Put16(b, 0); // hot spot y
    Put32(b, uint32_t(img.size()));
    Put32(b, 6 + 16);
    b.insert(b.end(), img.begin(), img.end());
    return b;
}

Bytes WriteBmp(const Image& img) {
    int rb = RowBytes(img.w, 24);
    uint32_t imageSize = uint32_t(rb * img.h);
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    Put32(b, 14 + 40 + imageSize);
    Put32(b, 0);
    Put32(b, 14 + 40);
    PutInfoHeader(b, img.w, img.h, 24, imageSize);
    for (int y = img.h - 1; y >= 0; --y) {
        Bytes row(size_t(rb), 0);
        for (int x = 0; x < img.w; ++x) {
            const Pixel& p = img.at(x, y);
            row[size_t(3 * x)] = p.b;
            row[size_t(3 * x + 1)] = p.g;
            row[size_t(3 * x + 2)] = p.r;
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

Bytes WriteWav8Stereo(const std::vector<uint8_t>& samples, int rate) {
    Bytes b;
    PutTag(b, "RIFF");
    Put32(b, uint32_t(36 + samples.size()));
    PutTag(b, "WAVE");
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, 1); // PCM
    Put16(b, 2);
    Put32(b, uint32_t(rate));
    Put32(b, uint32_t(rate * 2)); // bytes per second
    Put16(b, 2);                  // block align
    Put16(b, 8);
    PutTag(b, "data");
    Put32(b, uint32_t(samples.size()));
    b.insert(b.end(), samples.begin(), samples.end());
    return b;
}

} // namespace art
