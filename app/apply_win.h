// What OK and Apply of the options dialog do once the settings record holds
// the new values: the one place that puts changed settings into effect.
#pragma once

#include "settings/settings.h"

// Saves the record, rebuilds and redraws the string, restarts the animation
// timer for the new rate, restarts the music when Music or Power differ from
// `before` or the play list changed, and brings the own taskbar in line with
// OwnWindow when that differs from `before`.
void ApplySettings(const festoon::Settings& before, int playListChanged);
