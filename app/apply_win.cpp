// Settings applied in one place: the options dialog's OK and Apply call this
// after reading their controls into the record.
#include "app/apply_win.h"

#include <windows.h>

#include "app/globals_win.h"
#include "app/light_string_win.h"
#include "media/midi_win.h"
#include "settings/settings_win.h"
#include "shell/owntaskbar_win.h"

void ApplySettings(const festoon::Settings& before, int playListChanged) {
    SaveSettingsFile();
    BuildTheString();
    RepaintDesktop();
    DrawTheString();
    StopAnimationTimer();
    StartAnimationTimer();
    if (gSettings.Music != before.Music || gSettings.Power != before.Power || playListChanged) {
        MIDIStop();
        if (gSettings.Music && gSettings.Power) {
            WriteProfileKey("Music", "Current", nullptr); // the play list starts again
            MIDIPlayNext(gMainWnd);
        }
    }
    if (gSettings.OwnWindow != before.OwnWindow) ApplyOwnTaskbarSetting();
}
