// Flashing modes and the animation step: how the lit states move.
#pragma once

#include <cstdint>

#include "lights/bulbs.h"

namespace festoon {

enum Mode {
    kModeNone = 0,
    kModeRandom,
    kModeAllTogether,
    kModeChase,
    kModeAlternating,
    kModeSomeFlash
};

// Main-window timer interval for the rate (100 ms in Random mode).
int TimerInterval(int rate, int mode);
// Pace of the idle-time path.
int StepInterval(int rate);
// A fresh random flash interval from the rate's range.
int FlashInterval(int rate);

int ChaseSpacing(int count);
void LayChase(LightString& s);

// Initial lit value and flasher flag of position i at build time.
void InitialState(LightString& s, int i, int mode);

// One animation step. A gated step only runs once the rate's step interval
// has passed since the last one. Returns 1 when the step ran (the caller then
// updates the keyboard lights and draws), 0 when the gate held it back.
int AdvanceStep(LightString& s, const Settings& settings, bool gated);

// True when the timed style change is due at this step.
bool StyleChangeDue(const LightString& s, const Settings& settings, std::uint32_t now);

// Mirrors positions 0-2 on Num Lock, Caps Lock and Scroll Lock in a 256-byte
// keyboard state table.
void ApplyKeyLights(const LightString& s, unsigned char keys[256]);

} // namespace festoon
