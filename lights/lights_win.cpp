// Icons, stepping and the animation timer of the light string.
//
// Each build loads the icons it names into a fresh set (one handle per
// distinct name) and only then destroys the previous build's set, so timed
// style changes running for hours hold no more icons than one build needs.
#include "lights/lights_win.h"

#include <cstring>
#include <vector>

#include "app/globals_win.h"
#include "app/resource_count_win.h"
#include "lights/flashing.h"
#include "saver/saver_win.h"

namespace {

struct NamedIcon {
    char name[festoon::kIconNameSize];
    HICON icon;
};

std::vector<NamedIcon> gIconSet; // icons of the current build
long gBuilds;
long gSteps;

festoon::IconHandle LoadForBuild(void* context, const char* name) {
    auto* set = static_cast<std::vector<NamedIcon>*>(context);
    for (const NamedIcon& n : *set)
        if (lstrcmpiA(n.name, name) == 0) return n.icon;
    NamedIcon n = {};
    lstrcpynA(n.name, name, sizeof n.name);
    n.icon = LoadCountedIcon(name, festoon::kBulbSize);
    set->push_back(n);
    return n.icon;
}

void DestroySet(std::vector<NamedIcon>& set) {
    for (NamedIcon& n : set) DestroyCountedIcon(n.icon);
    set.clear();
}

void UpdateKeyLights() {
    BYTE keys[256];
    if (!GetKeyboardState(keys)) return;
    festoon::ApplyKeyLights(gLights, keys);
    SetKeyboardState(keys);
}

} // namespace

void InitLightString(int screenWidth) {
    FreeStringIcons();
    festoon::ResetString(gLights, screenWidth);
}

void BuildTheString() {
    std::vector<NamedIcon> fresh;
    festoon::IconLoader loader;
    loader.load = LoadForBuild;
    loader.context = &fresh;
    festoon::BuildString(gLights, gSettings, loader);
    DestroySet(gIconSet);
    gIconSet.swap(fresh);
    ++gBuilds;
}

void FreeStringIcons() {
    for (festoon::Bulb& b : gLights.bulbs) b.icon[0] = b.icon[1] = nullptr;
    DestroySet(gIconSet);
}

void StartAnimationTimer() {
    SetTimer(gMainWnd, kAnimationTimer, festoon::TimerInterval(gSettings.Rate, gSettings.Mode), nullptr);
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
