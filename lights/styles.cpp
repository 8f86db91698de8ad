// Colour patterns and the icon naming rule for every bulb style.
#include "lights/styles.h"

#include <cstdio>

#include "lights/random.h"

namespace festoon {

namespace {

enum class NameForm { LitColor, ColorLit, LitOnly, Holly, Tree };

struct StyleName {
    const char* prefix;
    NameForm form;
    int litOffset; // added to the lit digit (Round and Snow Flakes share "Light")
};

// Indexed by style 1..24; style 0 (and 25, 26) use the Normal rule.
const StyleName kStyleNames[kStyleCount] = {
    {"Light", NameForm::LitColor, 0},     // 0 Normal
    {"Light", NameForm::LitColor, 5},     // 1 Round
    {"Cactus", NameForm::LitOnly, 0},     // 2
    {"Light", NameForm::LitColor, 3},     // 3 Snow Flakes
    {"Bell", NameForm::LitColor, 0},      // 4
    {"Fish", NameForm::LitColor, 0},      // 5
    {"CandyCane", NameForm::LitColor, 0}, // 6
    {"Heart", NameForm::LitOnly, 0},      // 7
    {"USFlag", NameForm::LitOnly, 0},     // 8
    {"Hebrew", NameForm::LitOnly, 0},     // 9 Star of David
    {"Egg", NameForm::ColorLit, 0},       // 10 Easter Eggs
    {"Pumpkin", NameForm::LitOnly, 0},    // 11
    {"Smiley", NameForm::LitOnly, 0},     // 12
    {"Shamrock", NameForm::LitOnly, 0},   // 13
    {"Lantern", NameForm::ColorLit, 0},   // 14
    {"Pepper", NameForm::LitColor, 0},    // 15 Hot Peppers
    {"Small", NameForm::LitColor, 0},     // 16
    {"Trans", NameForm::LitColor, 0},     // 17 Transparent
    {"Tree", NameForm::Tree, 0},          // 18 XMas Trees
    {"Sock", NameForm::LitColor, 0},      // 19 Stockings
    {"Holly", NameForm::Holly, 0},        // 20
    {"Snowman", NameForm::LitOnly, 0},    // 21
    {"Star", NameForm::LitColor, 0},      // 22
    {"Mitten", NameForm::LitColor, 0},    // 23
    {"Umbrella", NameForm::LitColor, 0},  // 24
};

} // namespace

int ChooseEffectiveStyle(int bulbType) { return bulbType == -1 ? R(kRandomStylePool) : bulbType; }

ColorPattern StartColorPattern(int style) {
    ColorPattern p;
    p.cycler = style == kStyleHotPeppers ? 2 : 0;
    return p;
}

int NextColorIndex(ColorPattern& p, int color, int style) {
    const bool peppers = style == kStyleHotPeppers;
    int index = color;
    if (peppers) {
        // Peppers come in red, yellow and green only.
        if (index == 2)
            index = 0;
        else if (index == 3)
            index = 2;
        else if (index == 4)
            index = 1;
    }
    p.alternator = 1 - p.alternator;
    if (peppers) {
        if (++p.cycler > 4) p.cycler = 2;
    } else {
        p.cycler = (p.cycler + 1) % 6;
    }

    switch (color) {
    case kColorRandom:
        do {
            index = R(7);
        } while (index == p.previous);
        break;
    case kColorRedGreen:
        index = peppers ? 2 * p.alternator : p.alternator + 2;
        break;
    case kColorMulti:
        index = peppers ? p.cycler - 2 : p.cycler;
        break;
    case kColorBlues:
        index = 4 * p.alternator + 1;
        break;
    default:
        break;
    }
    if (peppers && color != kColorRedGreen)
        while (index > 2) index -= 2;
    p.previous = index;
    return index;
}

void IconName(int style, int k, int lit, int broken, char* out, std::size_t size) {
    if (size == 0) return;
    if (style >= 1 && style < kStyleCount) {
        const StyleName& n = kStyleNames[style];
        switch (n.form) {
        case NameForm::LitColor:
            std::snprintf(out, size, "%s%d%d", n.prefix, lit + n.litOffset, k);
            return;
        case NameForm::ColorLit:
            std::snprintf(out, size, "%s%d%d", n.prefix, k, lit);
            return;
        case NameForm::LitOnly:
            std::snprintf(out, size, "%s%d", n.prefix, lit);
            return;
        case NameForm::Holly:
            std::snprintf(out, size, "%s%d%d", n.prefix, ((k % 2) + 2) % 2, lit);
            return;
        case NameForm::Tree:
            std::snprintf(out, size, "%s%d%d", n.prefix, lit, 0);
            return;
        }
    }
    // Normal, and the out-of-table values 25 and 26, which show as Normal.
    if (broken == 1)
        std::snprintf(out, size, "Light2%d", k);
    else
        std::snprintf(out, size, "Light%d%d", lit, k);
}

} // namespace festoon
