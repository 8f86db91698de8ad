// The own taskbar: a 32-pixel strip docked at the top as a desktop toolbar,
// which the bulbs hang in while OwnWindow is on. It keeps its own window
// handle and background brush.
#pragma once

#include <windows.h>

// Creates and registers the bar; null when it cannot.
HWND CreateOwnTaskbar(HINSTANCE instance);
void DestroyOwnTaskbar();
// The bar while it exists, else null.
HWND OwnTaskbar();

// Creates and shows the bar when OwnWindow is on and it does not exist yet,
// destroys it when OwnWindow is off; then repaints the desktop.
void ApplyOwnTaskbarSetting();
// Makes the bar topmost or not from OnTop (only while OwnWindow is on).
void ApplyOnTopSetting();
// Fills the bar with the BackColor colour.
void ApplyBackgroundColor();
// Destroys the bar and frees its brush (exit).
void FreeOwnTaskbar();
