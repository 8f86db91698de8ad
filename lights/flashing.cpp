// The six flashing modes, the chase pattern and the rate tables.
#include "lights/flashing.h"

#include "lights/random.h"

namespace festoon {

namespace {

struct RateRow {
    int timer;     // ms between WM_TIMER steps
    int step;      // ms between idle-path steps
    int flashBase; // flash interval = base + R(spread)
    int flashSpread;
};

const RateRow kRates[5] = {
    {1320, 1200, 2000, 701}, // Very Slow
    {970, 800, 1600, 601},   // Slow
    {520, 500, 1000, 601},   // Medium
    {270, 350, 200, 801},    // Fast
    {120, 220, 50, 451},     // Very Fast
};

constexpr int kRandomModeTimer = 100;

const RateRow& Row(int rate) {
    if (rate < 0) rate = 0;
    if (rate > 4) rate = 4;
    return kRates[rate];
}

int RandomOdd() { return R(2) == 1; }

} // namespace

int TimerInterval(int rate, int mode) {
    return mode == kModeRandom ? kRandomModeTimer : Row(rate).timer;
}

int StepInterval(int rate) { return Row(rate).step; }

int FlashInterval(int rate) {
    const RateRow& r = Row(rate);
    return r.flashBase + R(r.flashSpread);
}

int ChaseSpacing(int count) {
    switch (count) {
    case 20:
        return 4;
    case 25:
        return 5;
    case 32:
    case 40:
        return 8;
    default:
        return 2;
    }
}

void LayChase(LightString& s) {
    const int count = s.Count();
    for (Bulb& b : s.bulbs) b.lit = 0;
    if (count == 0) return;
    const int spacing = ChaseSpacing(count);
    const int n = count / spacing;
    int e = s.chasePosition;
    if (e < 0 || e >= count) e = 0;
    for (int k = 0; k < n; ++k) {
        s.bulbs[e].lit = 1;
        e += spacing;
        if (e >= count) e -= count;
    }
}

void InitialState(LightString& s, int i, int mode) {
    Bulb& b = s.bulbs[i];
    switch (mode) {
    case kModeNone:
        b.lit = 1;
        break;
    case kModeRandom:
        b.flasher = 1;
        b.lit = RandomOdd();
        break;
    case kModeAllTogether:
        b.lit = 0;
        break;
    case kModeChase:
        LayChase(s);
        break;
    case kModeAlternating:
        b.lit = i % 2;
        break;
    case kModeSomeFlash:
        b.flasher = R(51) < 15;
        b.lit = b.flasher ? RandomOdd() : 1;
        break;
    default:
        break;
    }
}

int AdvanceStep(LightString& s, const Settings& st, bool gated) {
    if (gated) {
        if (s.lastStepTick == 0) s.lastStepTick = Now();
        if (!TickPassed(s.lastStepTick, static_cast<std::uint32_t>(StepInterval(st.Rate)), Now()))
            return 0;
    }
    s.lastStepTick = Now();

    switch (st.Mode) {
    case kModeRandom:
    case kModeSomeFlash:
        for (Bulb& b : s.bulbs) {
            if (b.flasher) {
                if (TickAfter(Now(), b.nextToggleTick)) {
                    b.lit = 1 - b.lit;
                    b.nextToggleTick = Now() + static_cast<std::uint32_t>(FlashInterval(st.Rate));
                }
            } else {
                b.lit = 1;
            }
        }
        break;
    case kModeAllTogether:
    case kModeAlternating:
        for (Bulb& b : s.bulbs) b.lit = 1 - b.lit;
        break;
    case kModeChase:
        if (++s.chasePosition >= s.Count()) s.chasePosition = 0;
        LayChase(s);
        break;
    default:
        break;
    }
    return 1;
}

bool StyleChangeDue(const LightString& s, const Settings& st, std::uint32_t now) {
    return st.ChangeLights && st.BulbType == -1 &&
           TickPassed(s.lastStyleChangeTick, s.styleChangeInterval, now);
}

void ApplyKeyLights(const LightString& s, unsigned char keys[256]) {
    // Virtual-key codes of the three lock keys, in bulb order.
    static const int kLockKeys[3] = {0x90 /*NUMLOCK*/, 0x14 /*CAPITAL*/, 0x91 /*SCROLL*/};
    for (int i = 0; i < 3 && i < s.Count(); ++i) keys[kLockKeys[i]] = s.bulbs[i].lit ? 0x81 : 0x00;
}

} // namespace festoon
