// Painting the light string onto whatever DC it is given. Choosing the
// window to paint on is left to the caller.
#pragma once

#include <windows.h>

#include "lights/bulbs.h"

// Draws every position of the built string with its top-left corner at
// (x, y) of hdc. With flickerFree, the visibleWidth pixels of the band that
// the target shows are read back, composed in memory and written in one
// piece, so the screen never shows a half-drawn string.
void DrawLightString(HDC hdc, int x, int y, int visibleWidth, const festoon::LightString& lights,
                     int flickerFree);
// Frees the buffers the drawing keeps between draws.
void FreeLightDrawing();
