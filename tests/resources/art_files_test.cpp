// Checks the committed icon, bitmap and cursor files against the rules the light
// string depends on: both colour depths in every icon, one-bit transparency, the
// same silhouette for the unlit and lit image of a bulb, and one wire strand that
// joins from icon to icon.
#include "expected_names.h"
#include "icon_reader.h"
#include "lights/styles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

using namespace restest;

namespace {

std::string FileFor(const std::string& name, const char* numberPrefix, const char* ext) {
    std::string lower;
    for (char c : name) lower += char(std::tolower(static_cast<unsigned char>(c)));
    bool number = lower.find_first_not_of("0123456789") == std::string::npos;
    return std::string(FESTOON_ART_DIR) + "/" + (number ? numberPrefix : "") + lower + ext;
}

struct LoadedIcon {
    std::vector<IconImage> images;
    const IconImage* Find(int size, int bits) const {
        for (const auto& i : images)
            if (i.w == size && i.h == size && i.bits == bits) return &i;
        return nullptr;
    }
};

// Icons are read once; the tests below look at the same files many times.
const LoadedIcon* Icon(const std::string& name) {
    static std::map<std::string, LoadedIcon> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        LoadedIcon li;
        if (auto imgs = ParseIcoFile(ReadFileBytes(FileFor(name, "icon", ".ico").c_str())))
            li.images = *imgs;
        it = cache.emplace(name, li).first;
    }
    return it->second.images.empty() ? nullptr : &it->second;
}

const IconImage* Icon32(const std::string& name) {
    const LoadedIcon* li = Icon(name);
    return li ? li->Find(32, 32) : nullptr;
}

int Luminance(uint32_t rgb) {
    return int(((rgb >> 16) & 0xFF) * 30 + ((rgb >> 8) & 0xFF) * 59 + (rgb & 0xFF) * 11) / 100;
}

bool Greenish(uint32_t rgb) {
    int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return g > r + 30 && g > b + 30;
}

// Both depths, one mask, alpha only 0 or 255 and in step with the mask, and a
// 256-colour image whose colours stay close to the true-colour one.
void ExpectWellFormed(const LoadedIcon& icon, int size) {
    const IconImage* deep = icon.Find(size, 32);
    const IconImage* pal = icon.Find(size, 8);
    ASSERT_NE(deep, nullptr) << size << "x" << size << " 32-bit image";
    ASSERT_NE(pal, nullptr) << size << "x" << size << " 256-colour image";
    EXPECT_EQ(deep->clear, pal->clear) << "the two depths have different masks";
    int far = 0;
    for (size_t i = 0; i < deep->clear.size(); ++i) {
        ASSERT_TRUE(deep->alpha[i] == 0 || deep->alpha[i] == 255) << "soft alpha at pixel " << i;
        EXPECT_EQ(deep->alpha[i] == 0, bool(deep->clear[i]))
            << "alpha and mask disagree at pixel " << i;
        if (deep->clear[i]) {
            // Transparent pixels must leave the screen untouched when XORed.
            EXPECT_EQ(deep->rgb[i], 0u);
            EXPECT_EQ(pal->rgb[i], 0u);
            continue;
        }
        for (int s = 0; s < 24; s += 8) {
            int a = (deep->rgb[i] >> s) & 0xFF, b = (pal->rgb[i] >> s) & 0xFF;
            if (a - b > 40 || b - a > 40) ++far;
        }
    }
    EXPECT_LE(far, 8) << "the 256-colour image strays far from the 32-bit one";
}

} // namespace

TEST(BulbIcons, EveryIconHasBothDepthsWithOneHardMask) {
    for (const std::string& name : AllBulbIcons()) {
        SCOPED_TRACE(name);
        const LoadedIcon* icon = Icon(name);
        ASSERT_NE(icon, nullptr) << "missing or unreadable icon file";
        ExpectWellFormed(*icon, 32);
    }
}

TEST(BulbIcons, UnlitAndLitImagesCoverEachOther) {
    for (const IconPair& p : BulbIconPairs()) {
        SCOPED_TRACE(p.unlit + " / " + p.lit);
        const LoadedIcon* a = Icon(p.unlit);
        const LoadedIcon* b = Icon(p.lit);
        ASSERT_TRUE(a && b);
        for (int bits : {8, 32}) {
            ASSERT_TRUE(a->Find(32, bits) && b->Find(32, bits));
            EXPECT_EQ(a->Find(32, bits)->clear, b->Find(32, bits)->clear)
                << bits << "-bit masks differ";
        }
    }
}

TEST(BulbIcons, LitImageIsBrighterThanUnlit) {
    for (const IconPair& p : BulbIconPairs()) {
        SCOPED_TRACE(p.unlit + " / " + p.lit);
        const IconImage* a = Icon32(p.unlit);
        const IconImage* b = Icon32(p.lit);
        ASSERT_TRUE(a && b);
        long sumA = 0, sumB = 0, n = 0;
        for (int y = 10; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (a->Opaque(x, y)) {
                    sumA += Luminance(a->At(x, y));
                    sumB += Luminance(b->At(x, y));
                    ++n;
                }
        ASSERT_GT(n, 30) << "the figure is nearly empty";
        EXPECT_GT(sumB / n, sumA / n + 25) << "the lit figure hardly differs from the unlit one";
    }
}

TEST(BulbIcons, WireRowsAreTheSameInEveryBulbIcon) {
    const IconImage* ref = Icon32("NOLIGHT");
    ASSERT_NE(ref, nullptr);
    for (const std::string& name : AllBulbIcons()) {
        SCOPED_TRACE(name);
        const LoadedIcon* icon = Icon(name);
        ASSERT_NE(icon, nullptr);
        for (int bits : {8, 32}) {
            const IconImage* img = icon->Find(32, bits);
            ASSERT_NE(img, nullptr);
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 32; ++x) {
                    ASSERT_EQ(img->Opaque(x, y), ref->Opaque(x, y)) << "mask at " << x << "," << y;
                    if (bits == 32 && ref->Opaque(x, y)) {
                        ASSERT_EQ(img->At(x, y), ref->At(x, y)) << "colour at " << x << "," << y;
                    }
                }
        }
    }
}

TEST(BulbIcons, WireSagsFromCornerToCornerAndJoinsItsNeighbours) {
    const IconImage* w = Icon32("NOLIGHT");
    ASSERT_NE(w, nullptr);
    auto top = [&](int x) {
        for (int y = 0; y < 32; ++y)
            if (w->Opaque(x, y)) return y;
        return -1;
    };
    auto bottom = [&](int x) {
        for (int y = 31; y >= 0; --y)
            if (w->Opaque(x, y)) return y;
        return -1;
    };
    EXPECT_EQ(top(0), 0) << "enters at the top-left corner";
    EXPECT_EQ(top(31), 0) << "leaves at the top-right corner";
    EXPECT_EQ(bottom(15), 6) << "lowest point six rows below the top";
    EXPECT_EQ(bottom(16), 6);
    int lowest = 0, pure = 0, total = 0;
    for (int x = 0; x < 32; ++x) {
        ASSERT_GE(top(x), 0) << "gap in the wire at column " << x;
        lowest = std::max(lowest, bottom(x));
        if (x > 0) { // neighbouring columns touch, so the strand is continuous
            EXPECT_LE(top(x), bottom(x - 1) + 1) << "column " << x;
            EXPECT_LE(top(x - 1), bottom(x) + 1) << "column " << x;
        }
        for (int y = 0; y < 32; ++y)
            if (w->Opaque(x, y)) {
                ++total;
                pure += w->At(x, y) == 0x008000;
            }
    }
    EXPECT_EQ(lowest, 6);
    EXPECT_GT(pure * 4, total * 3) << "the wire should be mostly RGB(0, 128, 0)";
    // The right edge of one icon meets the left edge of the next.
    EXPECT_LE(top(0), bottom(31) + 1);
    EXPECT_LE(top(31), bottom(0) + 1);
}

TEST(BulbIcons, SocketHangsUnderTheWireExceptOnBareWire) {
    for (const std::string& name : AllBulbIcons()) {
        SCOPED_TRACE(name);
        const IconImage* img = Icon32(name);
        ASSERT_NE(img, nullptr);
        bool bare = name == "NOLIGHT";
        int below = 0;
        for (int y = 7; y < 32; ++y)
            for (int x = 0; x < 32; ++x) below += img->Opaque(x, y);
        if (bare) {
            EXPECT_EQ(below, 0) << "bare wire has nothing below the wire";
            continue;
        }
        int greenSocket = 0;
        for (int y = 7; y < 10; ++y)
            for (int x = 12; x < 20; ++x) {
                EXPECT_TRUE(img->Opaque(x, y)) << "socket pixel " << x << "," << y;
                greenSocket += Greenish(img->At(x, y));
            }
        EXPECT_GE(greenSocket, 20) << "the socket is green";
        if (name == "MISSING") {
            int hanging = 0;
            for (int y = 10; y < 32; ++y)
                for (int x = 0; x < 32; ++x) hanging += img->Opaque(x, y);
            EXPECT_EQ(hanging, 0) << "an empty socket holds no bulb";
        } else {
            int figure = 0;
            for (int y = 10; y < 32; ++y)
                for (int x = 0; x < 32; ++x) figure += img->Opaque(x, y);
            EXPECT_GE(figure, 40) << "a bulb or figure hangs from the socket";
        }
    }
}

TEST(BulbIcons, EveryNameTheProgramFormsHasAnIcon) {
    char name[festoon::kIconNameSize];
    for (int style = 0; style <= 26; ++style)
        // Hot peppers only ever get colour indexes 0-2 (the colour pattern folds them).
        for (int k = 0; k < (style == festoon::kStyleHotPeppers ? 3 : 7); ++k)
            for (int lit = 0; lit < 2; ++lit)
                for (int broken = 0; broken < 2; ++broken) {
                    festoon::IconName(style, k, lit, broken, name, sizeof name);
                    SCOPED_TRACE(name);
                    EXPECT_NE(Icon(Upper(name)), nullptr);
                }
    for (const std::string& n : ListPreviewIcons()) EXPECT_NE(Icon(Upper(n)), nullptr) << n;
}

TEST(ProgramIcons, HaveBothDepthsAndSmallImagesWhereNeeded) {
    for (const ProgramIcon& p : ProgramIcons()) {
        SCOPED_TRACE(p.name);
        const LoadedIcon* icon = Icon(p.name);
        ASSERT_NE(icon, nullptr);
        ExpectWellFormed(*icon, 32);
        if (p.small) ExpectWellFormed(*icon, 16);
    }
}

namespace {

struct Bmp {
    int w = 0, h = 0, bits = 0;
    std::vector<uint8_t> bytes;
    uint32_t At(int x, int y) const { // 24-bit, bottom-up
        size_t row = size_t((w * 3 + 3) / 4 * 4);
        const uint8_t* p = &bytes[54 + row * size_t(h - 1 - y) + 3 * size_t(x)];
        return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    }
};

std::optional<Bmp> ReadBmp(const std::string& path) {
    Bmp b;
    b.bytes = ReadFileBytes(path.c_str());
    auto u32 = [&](size_t at) {
        return uint32_t(b.bytes[at]) | uint32_t(b.bytes[at + 1]) << 8 |
               uint32_t(b.bytes[at + 2]) << 16 | uint32_t(b.bytes[at + 3]) << 24;
    };
    if (b.bytes.size() < 54 || b.bytes[0] != 'B' || b.bytes[1] != 'M' || u32(2) != b.bytes.size() ||
        u32(14) != 40)
        return std::nullopt;
    b.w = int(u32(18));
    b.h = int(u32(22));
    b.bits = b.bytes[28];
    if (b.bits != 24 || u32(10) != 54 ||
        54 + size_t((b.w * 3 + 3) / 4 * 4) * size_t(b.h) != b.bytes.size())
        return std::nullopt;
    return b;
}

} // namespace

TEST(Bitmaps, HaveTheirSizes) {
    for (const ExpectedBitmap& want : Bitmaps()) {
        SCOPED_TRACE(want.name);
        auto bmp = ReadBmp(FileFor(want.name, "bitmap", ".bmp"));
        ASSERT_TRUE(bmp.has_value()) << "missing or not a plain 24-bit bitmap";
        if (want.w) {
            EXPECT_EQ(bmp->w, want.w);
            EXPECT_EQ(bmp->h, want.h);
        } else {
            EXPECT_GE(bmp->w, 16);
            EXPECT_GE(bmp->h, 16);
        }
    }
}

TEST(Bitmaps, SaverPicturesStandOnBlackAndReachTheBottom) {
    for (const char* name : {"130", "131"}) {
        SCOPED_TRACE(name);
        auto bmp = ReadBmp(FileFor(name, "bitmap", ".bmp"));
        ASSERT_TRUE(bmp.has_value());
        EXPECT_EQ(bmp->At(0, 0), 0u);
        EXPECT_EQ(bmp->At(bmp->w - 1, 0), 0u);
        int lit = 0;
        for (int x = 0; x < bmp->w; ++x) lit += bmp->At(x, bmp->h - 1) != 0;
        EXPECT_GT(lit, 10) << "the picture stands on the bottom edge";
    }
}

TEST(Bitmaps, PreviewCellsAreGreenAboveRedAndLitOnTheRight) {
    auto bmp = ReadBmp(FileFor("BULBSEQ", "bitmap", ".bmp"));
    ASSERT_TRUE(bmp.has_value());
    // Average each 11x10 cell's colour, ignoring the grey background.
    auto cell = [&](int cx, int cy, int channel) {
        long sum = 0, n = 0;
        for (int y = cy * 10 + 2; y < cy * 10 + 10; ++y)
            for (int x = cx * 11; x < cx * 11 + 11; ++x) {
                uint32_t p = bmp->At(x, y);
                if (p == 0xC0C0C0) continue;
                sum += (p >> channel) & 0xFF;
                ++n;
            }
        return n ? sum / n : 0;
    };
    for (int col = 0; col < 2; ++col) {
        EXPECT_GT(cell(col, 0, 8), cell(col, 0, 16)) << "top row green";
        EXPECT_GT(cell(col, 1, 16), cell(col, 1, 8)) << "bottom row red";
    }
    EXPECT_GT(cell(1, 0, 8), cell(0, 0, 8) + 40) << "lit green brighter";
    EXPECT_GT(cell(1, 1, 16), cell(0, 1, 16) + 40) << "lit red brighter";
}

TEST(Cursor, NullCursorShowsNothing) {
    std::vector<uint8_t> f =
        ReadFileBytes((std::string(FESTOON_ART_DIR) + "/nullcursor.cur").c_str());
    ASSERT_GE(f.size(), 6u + 16u + 40u);
    EXPECT_EQ(f[2], 2) << "a cursor file";
    EXPECT_EQ(f[6], 32);
    EXPECT_EQ(f[7], 32);
    size_t at = f[18] | f[19] << 8;
    size_t bits = at + 40 + 8; // header and two palette entries
    size_t plane = 32 * 4;     // 32 rows of 4 bytes
    ASSERT_EQ(f.size(), bits + 2 * plane);
    for (size_t i = 0; i < plane; ++i) {
        EXPECT_EQ(f[bits + i], 0x00) << "XOR plane draws nothing";
        EXPECT_EQ(f[bits + plane + i], 0xFF) << "AND plane keeps the screen";
    }
}
