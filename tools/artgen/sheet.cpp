// Lays out the contact sheet. Each style gets a row of its unlit and lit icons at
// twice their size on a light and on a dark background, and below it a strip of
// 20 neighbouring positions (MultiColor order, alternately lit) at twice their size
// on a desktop colour, which shows whether the wire joins into one strand.
#include "tools/artgen/sheet.h"

#include "tools/artgen/font.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

namespace art {

namespace {

const Rgb kPage = {236, 236, 236};
const Rgb kLight = {212, 208, 200};
const Rgb kDark = {12, 12, 32};
const Rgb kDesktop = {0, 128, 128};
const Rgb kInk = {20, 20, 40};
const int kZoom = 2;
const int kCell = 32 * kZoom;

struct Row {
    std::string label;
    int colours;                               // columns shown
    std::function<std::string(int, int)> name; // (lit, colour) -> resource name
};

std::string F(const char* fmt, int a, int b) {
    char buf[32];
    std::snprintf(buf, sizeof buf, fmt, a, b);
    return buf;
}

std::vector<Row> Rows() {
    auto pair = [](const char* fmt, int unlitRow, int litRow) {
        return [=](int lit, int k) { return F(fmt, lit ? litRow : unlitRow, k); };
    };
    auto single = [](const char* fmt) { return [=](int lit, int) { return F(fmt, lit, 0); }; };
    return {
        {"Normal", 7, pair("LIGHT%d%d", 0, 1)},
        {"Normal, broken", 7, [](int, int k) { return F("LIGHT2%d", k, 0); }},
        {"Round", 7, pair("LIGHT%d%d", 5, 6)},
        {"Cactus", 1, single("CACTUS%d")},
        {"Snow Flakes", 7, pair("LIGHT%d%d", 3, 4)},
        {"Bells", 7, pair("BELL%d%d", 0, 1)},
        {"Fish", 7, pair("FISH%d%d", 0, 1)},
        {"Candy Canes", 7, pair("CANDYCANE%d%d", 0, 1)},
        {"Hearts", 1, single("HEART%d")},
        {"U.S. Flag", 1, single("USFLAG%d")},
        {"Star of David", 1, single("HEBREW%d")},
        {"Easter Eggs", 7, [](int lit, int k) { return F("EGG%d%d", k, lit); }},
        {"Pumpkin", 1, single("PUMPKIN%d")},
        {"Smiley Face", 1, single("SMILEY%d")},
        {"Shamrock", 1, single("SHAMROCK%d")},
        {"Lanterns", 7, [](int lit, int k) { return F("LANTERN%d%d", k, lit); }},
        {"Hot Peppers", 3, pair("PEPPER%d%d", 0, 1)},
        {"Small Bulbs", 7, pair("SMALL%d%d", 0, 1)},
        {"Transparent", 7, pair("TRANS%d%d", 0, 1)},
        {"XMas Trees", 1, [](int lit, int) { return F("TREE%d0", lit, 0); }},
        {"Stockings", 7, pair("SOCK%d%d", 0, 1)},
        {"Holly", 2, [](int lit, int k) { return F("HOLLY%d%d", k, lit); }},
        {"Snowman", 1, single("SNOWMAN%d")},
        {"Stars", 7, pair("STAR%d%d", 0, 1)},
        {"Mittens", 7, pair("MITTEN%d%d", 0, 1)},
        {"Umbrellas", 7, pair("UMBRELLA%d%d", 0, 1)},
    };
}

void Fill(Image& img, int x, int y, int w, int h, Rgb c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) img.Set(i, j, c);
}

void PutIcon(Image& page, const Image& icon, int x, int y, int zoom) {
    Blit(page, ScaleUp(icon, zoom), x, y);
}

} // namespace

Image ContactSheet(const std::vector<NamedIcon>& bulbs, const std::vector<NamedIcon>& program,
                   const std::vector<NamedBitmap>& bitmaps) {
    std::map<std::string, const Image*> icon;
    for (const auto& b : bulbs) icon[b.name] = &b.images[0];
    auto get = [&](const std::string& n) {
        auto it = icon.find(n);
        return it == icon.end() ? nullptr : it->second;
    };

    const std::vector<Row> rows = Rows();
    const int margin = 12, panelW = 14 * kCell + 16, labelH = 22;
    const int rowH = labelH + kCell + 8 + 6 + kCell + 18;
    const int width = margin * 3 + 2 * panelW;
    int extraH = 3 * (labelH + kCell + 24) + 900;
    Image page(width, margin + int(rows.size()) * rowH + extraH);
    page.Fill(kPage);
    DrawText(page, "FESTOON ARTWORK - UNLIT AND LIT, ON LIGHT AND DARK", margin, margin, 3, kInk);
    int y = margin + 34;

    for (const Row& row : rows) {
        DrawText(page, row.label, margin, y, 2, kInk);
        int py = y + labelH;
        for (int side = 0; side < 2; ++side) {
            int px = margin + side * (panelW + margin);
            int used = (row.label == "Normal, broken" ? 1 : 2) * row.colours * kCell + 16;
            Fill(page, px, py, used, kCell + 8, side == 0 ? kLight : kDark);
            int x = px + 8;
            for (int lit = 0; lit < (row.label == "Normal, broken" ? 1 : 2); ++lit)
                for (int k = 0; k < row.colours; ++k, x += kCell)
                    if (const Image* im = get(row.name(lit, k)))
                        PutIcon(page, *im, x, py + 4, kZoom);
        }
        // The strip: 20 positions in MultiColor order, alternately lit.
        int sy = py + kCell + 14;
        Fill(page, margin, sy, 20 * kCell, kCell, kDesktop);
        for (int i = 0; i < 20; ++i) {
            int k = (i + 1) % 6;
            if (row.colours == 3) k = (i + 1) % 3;
            if (row.colours == 2) k = i % 2;
            if (row.colours == 1) k = 0;
            int lit = row.label == "Normal, broken" ? 0 : i % 2;
            if (const Image* im = get(row.name(lit, k)))
                PutIcon(page, *im, margin + i * kCell, sy, kZoom);
        }
        y += rowH;
    }

    // Special positions: a Normal string with missing bulbs and bare wire between.
    DrawText(page, "Missing bulbs, bare wire (NoLight) and the colour list previews", margin, y, 2,
             kInk);
    int sy = y + labelH;
    Fill(page, margin, sy, 20 * kCell, kCell, kDesktop);
    for (int i = 0; i < 20; ++i) {
        std::string n =
            i % 2 ? "NOLIGHT" : (i % 6 == 4 ? "MISSING" : F("LIGHT1%d", (i / 2) % 7, 0));
        if (const Image* im = get(n)) PutIcon(page, *im, margin + i * kCell, sy, kZoom);
    }
    int x = margin + 20 * kCell + 24;
    for (const char* n : {"LIGHTRANDOM", "REDGREEN", "MULTICOLOR", "THEBLUES"}) {
        Fill(page, x, sy, kCell, kCell, kLight);
        if (const Image* im = get(n)) PutIcon(page, *im, x, sy, kZoom);
        x += kCell + 8;
    }
    y = sy + kCell + 24;

    DrawText(page, "Program icons: festoonIcon, AAAIcon, trayIcon (32 and 16), 105, 129", margin, y,
             2, kInk);
    sy = y + labelH;
    x = margin;
    for (const auto& ic : program) {
        for (const Image& im : ic.images) {
            for (int side = 0; side < 2; ++side) {
                Fill(page, x, sy, im.w * kZoom + 8, kCell + 8, side == 0 ? kLight : kDark);
                PutIcon(page, im, x + 4, sy + 4, kZoom);
                x += im.w * kZoom + 12;
            }
        }
        x += 16;
    }
    y = sy + kCell + 32;

    DrawText(
        page,
        "Bitmaps: BulbSeq (4x), P1400, P1401, 118, 1300, 1301, 1500, 1502, 1501, 1302, 130, 131",
        margin, y, 2, kInk);
    y += labelH;
    x = margin;
    int lineH = 0;
    for (const auto& b : bitmaps) {
        int zoom = b.name == "BULBSEQ" ? 4 : (b.img.w <= 48 ? 2 : 1);
        int w = b.img.w * zoom, h = b.img.h * zoom;
        if (x + w > width - margin) {
            x = margin;
            y += lineH + 12;
            lineH = 0;
        }
        PutIcon(page, b.img, x, y, zoom);
        x += w + 16;
        lineH = std::max(lineH, h);
    }
    y += lineH + margin;

    Image out(page.w, std::min(page.h, y));
    for (int j = 0; j < out.h; ++j)
        for (int i = 0; i < out.w; ++i) out.at(i, j) = page.at(i, j);
    return out;
}

} // namespace art
