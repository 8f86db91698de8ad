// Building the string: positions, colours, flash timing, defects and icons,
// with every random draw in a fixed order so that a seeded run repeats.
#include "lights/bulbs.h"

#include <cstdio>
#include <cstring>

#include "lights/flashing.h"
#include "lights/random.h"

namespace festoon {

namespace {

constexpr int kBurnedOutOdds = 20; // in 101
constexpr int kBrokenOdds = 16;    // in 101
constexpr int kMissingOdds = 20;   // in 101, per icon

const char kMissingIcon[] = "MISSING";
const char kGapIcon[] = "NoLight";

IconHandle Load(const IconLoader& loader, const char* name) {
    return loader.load ? loader.load(loader.context, name) : nullptr;
}

void SetIcon(Bulb& b, int k, const char* name, const IconLoader& loader) {
    std::snprintf(b.iconName[k], kIconNameSize, "%s", name);
    b.icon[k] = Load(loader, b.iconName[k]);
}

void LayOut(LightString& s) {
    for (int i = 0; i < s.Count(); ++i) {
        s.bulbs[i].x = kBulbSize * i;
        s.bulbs[i].y = 0;
    }
}

} // namespace

int BulbCountForWidth(int screenWidth) {
    if (screenWidth <= 0) return 0;
    int count = screenWidth / kBulbSize;
    return count > kMaxBulbs ? kMaxBulbs : count;
}

void ResetString(LightString& s, int screenWidth) {
    s.bulbs.assign(static_cast<std::size_t>(BulbCountForWidth(screenWidth)), Bulb{});
    s.built = 0;
    s.chasePosition = 0;
}

void BuildString(LightString& s, const Settings& st, const IconLoader& loader) {
    s.style = ChooseEffectiveStyle(st.BulbType);
    ColorPattern pattern = StartColorPattern(s.style);

    for (int i = 0; i < s.Count(); ++i) {
        Bulb& b = s.bulbs[i];
        b.x = kBulbSize * i;
        b.y = 0;
        b.color = NextColorIndex(pattern, st.Color, s.style);
        b.builtTick = Now();
        b.flashInterval1 = FlashInterval(st.Rate);
        b.flashInterval2 = FlashInterval(st.Rate);
        b.nextToggleTick = Now() + static_cast<std::uint32_t>(b.flashInterval1);
        b.lit = 0;
        InitialState(s, i, st.Mode);

        b.powered = 1;
        b.broken = 0;
        if (st.BurnedOut && R(101) < kBurnedOutOdds) b.powered = 0;
        if (st.Broken && R(101) < kBrokenOdds) b.broken = 1;
        if (!st.Power) b.powered = 0;

        for (int k = 0; k < 2; ++k) {
            char name[kIconNameSize];
            IconName(s.style, b.color, k * b.powered, b.broken, name, sizeof name);
            if (st.MissingBulbs && R(101) < kMissingOdds) std::strcpy(name, kMissingIcon);
            SetIcon(b, k, name, loader);
        }
    }

    if (st.NotSoMany)
        for (int a = 1; a < s.Count(); a += 2) InsertGap(s, a, loader);

    s.built = 1;
}

void InsertGap(LightString& s, int a, const IconLoader& loader) {
    if (a < 1 || a >= s.Count()) return;
    for (int k = s.Count() - 1; k >= a; --k) s.bulbs[k] = s.bulbs[k - 1];
    Bulb& gap = s.bulbs[a];
    SetIcon(gap, 0, kGapIcon, loader);
    SetIcon(gap, 1, kGapIcon, loader);
    gap.lit = 0;
    LayOut(s);
}

} // namespace festoon
