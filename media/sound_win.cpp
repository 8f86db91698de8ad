// Sound effects from WAVE resources. The resource of the last sound stays
// loaded while it may still be playing and is let go only when the next
// sound has stopped it.
#include "media/sound_win.h"

#include <windows.h>
#include <mmsystem.h>

#include "app/globals_win.h"

namespace {

HGLOBAL gHeldSound;
#ifdef FESTOON_TEST_BUILD
long gStarted;
#endif

} // namespace

void PlaySoundEffect(const char* name) {
    if (!gSettings.Sound) return;
    if (gHeldSound) {
        sndPlaySoundA(nullptr, SND_NODEFAULT | SND_MEMORY);
        FreeResource(gHeldSound);
        gHeldSound = nullptr;
    }
    HRSRC found = FindResourceA(gInstance, name, "WAVE");
    if (found == nullptr) return;
    HGLOBAL loaded = LoadResource(gInstance, found);
    if (loaded == nullptr) return;
    if (const void* data = LockResource(loaded)) {
        sndPlaySoundA(static_cast<const char*>(data), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
#ifdef FESTOON_TEST_BUILD
        ++gStarted;
#endif
    }
    gHeldSound = loaded;
}

#ifdef FESTOON_TEST_BUILD
long SoundEffectsStarted() { return gStarted; }
#endif
