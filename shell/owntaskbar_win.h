// The own taskbar: a 32-pixel strip docked at the top as a desktop toolbar.
#pragma once

#include <windows.h>

// Creates and registers the bar; null when it cannot.
HWND CreateOwnTaskbar(HINSTANCE instance);
void DestroyOwnTaskbar();
HWND OwnTaskbar();
