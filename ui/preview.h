// The options dialog's flashing preview: eight bulbs that play the chosen
// flashing mode at the speed of the rate slider, one 50-ms tick at a time.
// Bit i of the pattern lit means preview bulb i (from the left) is lit.
#pragma once

#include <cstdint>

namespace festoon {

constexpr int kPreviewTickMs = 50;

// The pattern a mode starts from when it is chosen: None and All Together all
// lit, Random a random byte, Chase 0x11, Alternating 0x55, Some Flash (and
// anything else) the current pattern.
std::uint8_t PatternForMode(int mode, std::uint8_t current);

// Ticks between two preview steps for a rate 0-4 (out-of-range rates clamp):
// 12, 9, 6, 3 and 1, that is 600, 450, 300, 150 and 50 ms.
int PreviewTicksPerStep(int rate);

struct Preview {
    int mode = 3;
    std::uint8_t pattern = 0x01; // kept from one opening of the dialog to the next
    int ticks = 0;
};

// One 50-ms tick. Returns true when the preview stepped: `pattern` then holds
// the pattern to paint, and PreviewAfterPaint must follow the painting.
bool PreviewTick(Preview& p, int rate);
// Chase moves its two lit bulbs one place on after they have been shown.
void PreviewAfterPaint(Preview& p);

} // namespace festoon
