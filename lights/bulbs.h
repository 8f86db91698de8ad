// The light string: one record per 32-pixel position along the top of the
// screen, and the build that fills every record from the settings.
// Icons are opaque handles here; the Win32 side supplies the loader.
#pragma once

#include <cstdint>
#include <vector>

#include "lights/styles.h"
#include "settings/settings.h"

namespace festoon {

constexpr int kBulbSize = 32;
// Guards the table against absurd screen metrics; real screens (even several
// 8K monitors side by side) stay far below it.
constexpr int kMaxBulbs = 4096;

using IconHandle = const void*;

struct Bulb {
    int x = 0;
    int y = 0;
    int lit = 0;
    int color = 0;
    std::uint32_t builtTick = 0;
    std::uint32_t nextToggleTick = 0;
    int flashInterval1 = 0;
    int flashInterval2 = 0;
    int powered = 1;
    int broken = 0;
    int flasher = 0;
    char iconName[2][kIconNameSize] = {}; // 0 unlit, 1 lit
    IconHandle icon[2] = {};
};

// Loads one icon by resource name; may return null for an unknown name.
struct IconLoader {
    IconHandle (*load)(void* context, const char* name) = nullptr;
    void* context = nullptr;
};

struct LightString {
    std::vector<Bulb> bulbs; // bulb count records
    int built = 0;           // drawing waits for the first build
    int style = 0;           // effective style of the last build
    int chasePosition = 0;
    std::uint32_t lastStepTick = 0;
    std::uint32_t lastStyleChangeTick = 0;
    std::uint32_t styleChangeInterval = 300000;

    int Count() const { return static_cast<int>(bulbs.size()); }
};

// Positions for a screen of the given width: width / 32, within [0, kMaxBulbs].
int BulbCountForWidth(int screenWidth);
void ResetString(LightString& s, int screenWidth);

void BuildString(LightString& s, const Settings& settings, const IconLoader& loader);
// Turns position a into bare wire, shifting the bulbs from a on one place right.
void InsertGap(LightString& s, int a, const IconLoader& loader);

} // namespace festoon
