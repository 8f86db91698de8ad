// The light string on Windows: loading its icons, stepping it from the timer
// or the idle loop, and painting it.
#pragma once

#include <windows.h>

constexpr UINT_PTR kAnimationTimer = 5;

// Clears the string for the screen width (start-up).
void InitLightString(int screenWidth);
// Builds every position from the settings, loading fresh icons and releasing
// the previous build's.
void BuildTheString();
// Releases every icon the string holds (exit).
void FreeStringIcons();

void StartAnimationTimer();
void StopAnimationTimer();
// One animation step; gated steps wait for the rate's step interval.
void StepLights(bool gated);

void DrawTheString();
void RepaintDesktop();
void RepaintSystemTaskbar();
void ApplyBackgroundColor();

// Counters for the test hook.
long StringBuilds();
long StringSteps();
