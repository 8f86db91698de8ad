// The light string's pictures on Windows: loading the icons a build names,
// and mirroring the first bulbs on the keyboard's lock lights. Where the
// string is drawn and when it steps is the application's business.
#pragma once

#include <windows.h>

#include "lights/bulbs.h"
#include "settings/settings.h"

class Dib32;

// Clears the string for the screen width and releases its pictures.
void ResetLightString(festoon::LightString& lights, int screenWidth);
// Builds every position from the settings, loading fresh pictures and only
// then releasing the previous build's.
void BuildLightString(festoon::LightString& lights, const festoon::Settings& settings);
// Releases every picture the string holds and the drawing buffers (exit).
void FreeLightPictures(festoon::LightString& lights);
// Lays every position's current picture into a mask strip and a colour strip
// (position i at x = 32 i).
void ComposeBulbs(const festoon::LightString& lights, Dib32& maskStrip, Dib32& colorStrip);
// Sets the Num, Caps and Scroll Lock bytes from bulbs 0-2. Returns 1 when the
// keyboard state was written, with the bytes written in keys.
int MirrorKeyLights(const festoon::LightString& lights, BYTE keys[256]);
