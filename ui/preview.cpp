// Pattern rules of the options dialog's flashing preview.
#include "ui/preview.h"

#include "lights/random.h"

namespace festoon {

namespace {

enum { kNone = 0, kRandom = 1, kAllTogether = 2, kChase = 3, kAlternating = 4, kSomeFlash = 5 };

std::uint8_t RandomByte() { return static_cast<std::uint8_t>(R(256)); }

} // namespace

std::uint8_t PatternForMode(int mode, std::uint8_t current) {
    switch (mode) {
    case kNone:
    case kAllTogether:
        return 0xFF;
    case kRandom:
        return RandomByte();
    case kChase:
        return 0x11;
    case kAlternating:
        return 0x55;
    default:
        return current;
    }
}

int PreviewTicksPerStep(int rate) {
    if (rate < 0) rate = 0;
    if (rate > 4) rate = 4;
    const int ticks = 3 * (4 - rate);
    return ticks < 1 ? 1 : ticks;
}

bool PreviewTick(Preview& p, int rate) {
    if (++p.ticks < PreviewTicksPerStep(rate)) return false;
    p.ticks = 0;
    switch (p.mode) {
    case kNone:
        p.pattern = 0xFF;
        break;
    case kRandom:
        p.pattern = RandomByte();
        break;
    case kAllTogether:
    case kAlternating:
        p.pattern = static_cast<std::uint8_t>(~p.pattern);
        break;
    case kSomeFlash:
        // Bulbs 1, 3, 4, 6 and 7 stay lit; 0, 2 and 5 twinkle.
        p.pattern = static_cast<std::uint8_t>(RandomByte() | 0xDA);
        break;
    default: // Chase: shown as it is, moved on after painting
        break;
    }
    return true;
}

void PreviewAfterPaint(Preview& p) {
    if (p.mode != kChase) return;
    p.pattern = static_cast<std::uint8_t>(p.pattern << 1);
    if (p.pattern == 0x10) p.pattern = 0x11; // 0x88 wraps round to the start
}

} // namespace festoon
