// Icons, stepping and the animation timer of the light string.
//
// Each build loads the icons it names into a fresh sprite sheet (one cell per
// distinct name) and only then frees the previous build's sheet, so timed
// style changes running for hours hold no more than one build needs.
#include "lights/lights_win.h"

#include <memory>

#include "app/globals_win.h"
#include "lights/flashing.h"
#include "lights/sprites_win.h"
#include "saver/saver_win.h"

namespace {

std::unique_ptr<SpriteSheet> gSheet; // pictures of the current build
long gBuilds;
long gSteps;

festoon::IconHandle LoadForBuild(void* context, const char* name) {
    return static_cast<SpriteSheet*>(context)->Load(name);
}

void UpdateKeyLights() {
    BYTE keys[256];
    if (!GetKeyboardState(keys)) return;
    festoon::ApplyKeyLights(gLights, keys);
    if (SetKeyboardState(keys)) NoteOwnKeyWrite(keys);
}

} // namespace

void InitLightString(int screenWidth) {
    FreeStringIcons();
    festoon::ResetString(gLights, screenWidth);
}

void BuildTheString() {
    auto fresh = std::make_unique<SpriteSheet>();
    festoon::IconLoader loader;
    loader.load = LoadForBuild;
    loader.context = fresh.get();
    festoon::BuildString(gLights, gSettings, loader);
    fresh->Finish();
    gSheet = std::move(fresh);
    ++gBuilds;
}

void FreeStringIcons() {
    for (festoon::Bulb& b : gLights.bulbs) b.icon[0] = b.icon[1] = nullptr;
    gSheet.reset();
    FreeStringDrawing();
}

void ComposeBulbs(Dib32& maskStrip, Dib32& colorStrip) {
    if (!gSheet) return;
    GdiFlush(); // the previous draw may still be reading the strips
    for (const festoon::Bulb& b : gLights.bulbs)
        gSheet->CopyCell(maskStrip, colorStrip, b.x,
                         static_cast<const Sprite*>(b.icon[b.lit ? 1 : 0]));
}

void StartAnimationTimer() {
    SetTimer(gMainWnd, kAnimationTimer, festoon::TimerInterval(gSettings.Rate, gSettings.Mode),
             nullptr);
}

void StopAnimationTimer() { KillTimer(gMainWnd, kAnimationTimer); }

void StepLights(bool gated) {
    if (!festoon::AdvanceStep(gLights, gSettings, gated)) return;
    ++gSteps;
    if (gSettings.KeyLights && gSettings.Power) UpdateKeyLights();
    DrawTheString();
    const DWORD now = GetTickCount();
    if (festoon::StyleChangeDue(gLights, gSettings, now)) {
        BuildTheString();
        RepaintDesktop();
        gLights.lastStyleChangeTick = now;
    }
}

long StringBuilds() { return gBuilds; }
long StringSteps() { return gSteps; }
