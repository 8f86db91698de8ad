// Resource names by the rules of the bulb style table: the lit digit (or row) and
// the colour digit in the order each style's format gives them.
#include "expected_names.h"

#include <cctype>
#include <cstdio>

namespace restest {

namespace {

std::string Two(const char* prefix, int a, int b) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%d%d", prefix, a, b);
    return buf;
}

} // namespace

std::string Upper(std::string s) {
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::vector<IconPair> BulbIconPairs() {
    std::vector<IconPair> out;
    // Styles named "<prefix><lit row><colour>".
    struct Rowed {
        const char* prefix;
        int unlitRow, litRow, colours;
    };
    const Rowed rowed[] = {
        {"LIGHT", 0, 1, 7},  {"LIGHT", 5, 6, 7},     {"LIGHT", 3, 4, 7},  {"BELL", 0, 1, 7},
        {"FISH", 0, 1, 7},   {"CANDYCANE", 0, 1, 7}, {"SMALL", 0, 1, 7},  {"TRANS", 0, 1, 7},
        {"SOCK", 0, 1, 7},   {"STAR", 0, 1, 7},      {"MITTEN", 0, 1, 7}, {"UMBRELLA", 0, 1, 7},
        {"PEPPER", 0, 1, 3},
    };
    for (const Rowed& r : rowed)
        for (int k = 0; k < r.colours; ++k)
            out.push_back({Two(r.prefix, r.unlitRow, k), Two(r.prefix, r.litRow, k)});
    // Colour (or variant) first, lit digit last.
    for (int k = 0; k < 7; ++k) {
        out.push_back({Two("EGG", k, 0), Two("EGG", k, 1)});
        out.push_back({Two("LANTERN", k, 0), Two("LANTERN", k, 1)});
    }
    for (int v = 0; v < 2; ++v) out.push_back({Two("HOLLY", v, 0), Two("HOLLY", v, 1)});
    out.push_back({"TREE00", "TREE10"});
    for (const char* s :
         {"CACTUS", "HEART", "USFLAG", "HEBREW", "PUMPKIN", "SMILEY", "SHAMROCK", "SNOWMAN"})
        out.push_back({std::string(s) + "0", std::string(s) + "1"});
    return out;
}

std::vector<std::string> BrokenBulbIcons() {
    std::vector<std::string> out;
    for (int k = 0; k < 7; ++k) out.push_back(Two("LIGHT", 2, k));
    return out;
}

std::vector<std::string> AllBulbIcons() {
    std::vector<std::string> out;
    for (const IconPair& p : BulbIconPairs()) {
        out.push_back(p.unlit);
        out.push_back(p.lit);
    }
    for (const std::string& b : BrokenBulbIcons()) out.push_back(b);
    for (const char* s :
         {"MISSING", "NOLIGHT", "LIGHTRANDOM", "REDGREEN", "MULTICOLOR", "THEBLUES"})
        out.push_back(s);
    return out;
}

std::vector<std::string> ListPreviewIcons() {
    return {"LightRandom", "Light10", "Light11",  "Light12",    "Light13", "Light14",
            "Light15",     "Light16", "RedGreen", "MultiColor", "TheBlues"};
}

std::vector<ProgramIcon> ProgramIcons() {
    return {{"FESTOONICON", true},
            {"TRAYICON", true},
            {"AAAICON", false},
            {"105", false},
            {"129", false}};
}

std::vector<ExpectedBitmap> Bitmaps() {
    return {{"BULBSEQ", 22, 20}, {"P1400", 32, 48}, {"P1401", 32, 48}, {"118", 0, 0},
            {"130", 120, 206},   {"131", 120, 222}, {"1300", 0, 0},    {"1301", 0, 0},
            {"1302", 0, 0},      {"1500", 0, 0},    {"1501", 0, 0},    {"1502", 0, 0}};
}

} // namespace restest
