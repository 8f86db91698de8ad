// The light string on Windows: loading its icons, stepping it from the timer
// or the idle loop, and painting it.
#pragma once

#include <windows.h>

constexpr UINT_PTR kAnimationTimer = 5;

struct Dib32;

// Clears the string for the screen width (start-up).
void InitLightString(int screenWidth);
// Builds every position from the settings, loading fresh icons and releasing
// the previous build's.
void BuildTheString();
// Releases every picture the string holds (exit).
void FreeStringIcons();
// Lays every position's current picture into a mask strip and a colour strip
// (position i at x = 32 i).
void ComposeBulbs(Dib32& maskStrip, Dib32& colorStrip);

void StartAnimationTimer();
void StopAnimationTimer();
// One animation step; gated steps wait for the rate's step interval.
void StepLights(bool gated);

void DrawTheString();
// Frees the drawing buffers (part of FreeStringIcons).
void FreeStringDrawing();
void RepaintDesktop();
void RepaintSystemTaskbar();
void ApplyBackgroundColor();

// Counters for the test hook.
long StringBuilds();
long StringSteps();
