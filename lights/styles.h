// Bulb styles and colour schemes: which icon each position of the string
// shows. Pure rules; loading the named icons is the Win32 side's job.
#pragma once

#include <cstddef>

namespace festoon {

constexpr int kStyleCount = 25;      // 0..24
constexpr int kRandomStylePool = 22; // the random style never picks 22..24
constexpr int kStyleHotPeppers = 15;
constexpr int kColorRandom = -1;
constexpr int kColorRedGreen = 7;
constexpr int kColorMulti = 8;
constexpr int kColorBlues = 9;
constexpr std::size_t kIconNameSize = 16; // longest name "CandyCane12" plus room

// BulbType, or a random style from 0..21 when BulbType is -1.
int ChooseEffectiveStyle(int bulbType);

// Counters that carry the colour pattern along the string; reset per build.
struct ColorPattern {
    int alternator = 0; // 1 at even positions, 0 at odd ones once advanced
    int cycler = 0;
    int previous = 0;
};

ColorPattern StartColorPattern(int style);
// Colour index of the next position, for the Color setting and the style.
int NextColorIndex(ColorPattern& pattern, int color, int style);

// Resource name of an icon: style, colour index k, lit digit L, broken flag.
void IconName(int style, int k, int lit, int broken, char* out, std::size_t size);

} // namespace festoon
