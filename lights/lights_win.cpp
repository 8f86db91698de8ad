// Icons of the light string and the keyboard lights.
//
// Each build lays the pictures it names into a fresh sprite sheet (one cell
// per distinct name) and only then frees the previous build's sheet, so timed
// style changes running for hours hold no more than one build needs beside
// the pictures rendered once per run.
#include "lights/lights_win.h"

#include <memory>

#include "lights/draw_win.h"
#include "lights/flashing.h"
#include "lights/sprites_win.h"

namespace {

std::unique_ptr<SpriteSheet> gSheet; // pictures of the current build

festoon::IconHandle LoadForBuild(void* context, const char* name) {
    return static_cast<SpriteSheet*>(context)->Load(name);
}

} // namespace

void ResetLightString(festoon::LightString& lights, int screenWidth) {
    FreeLightPictures(lights);
    festoon::ResetString(lights, screenWidth);
}

void BuildLightString(festoon::LightString& lights, const festoon::Settings& settings) {
    auto fresh = std::make_unique<SpriteSheet>();
    festoon::IconLoader loader;
    loader.load = LoadForBuild;
    loader.context = fresh.get();
    festoon::BuildString(lights, settings, loader);
    fresh->Finish();
    gSheet = std::move(fresh);
}

void FreeLightPictures(festoon::LightString& lights) {
    for (festoon::Bulb& b : lights.bulbs) b.icon[0] = b.icon[1] = nullptr;
    gSheet.reset();
    FreeIconCells();
    FreeLightDrawing();
}

void ComposeBulbs(const festoon::LightString& lights, Dib32& maskStrip, Dib32& colorStrip) {
    if (!gSheet) return;
    GdiFlush(); // the previous draw may still be reading the strips
    for (const festoon::Bulb& b : lights.bulbs)
        gSheet->CopyCell(maskStrip, colorStrip, b.x,
                         static_cast<const Sprite*>(b.icon[b.lit ? 1 : 0]));
}

int MirrorKeyLights(const festoon::LightString& lights, BYTE keys[256]) {
    if (!GetKeyboardState(keys)) return 0;
    festoon::ApplyKeyLights(lights, keys);
    return SetKeyboardState(keys) ? 1 : 0;
}
