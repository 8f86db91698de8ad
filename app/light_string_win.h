// The program's light string: built from the settings, stepped by the
// animation timer or the idle loop, and drawn on its target, which is the
// screen saver while it runs, the own taskbar when the bulbs live there, and
// the desktop otherwise.
#pragma once

#include <windows.h>

constexpr UINT_PTR kAnimationTimer = 5;

// Clears the string for the screen width (start-up).
void InitLightString(int screenWidth);
// Builds every position from the settings with fresh random choices.
void BuildTheString();
// Releases every picture the string holds (exit).
void FreeStringIcons();

void StartAnimationTimer();
void StopAnimationTimer();
// One animation step; gated steps wait for the rate's step interval.
void StepLights(bool gated);

// Draws the string on its current target.
void DrawTheString();
// Makes the desktop repaint itself, which wipes bulbs drawn on it.
void RepaintDesktop();
void RepaintSystemTaskbar();

// Counters for the diagnostics.
long StringBuilds();
long StringSteps();
