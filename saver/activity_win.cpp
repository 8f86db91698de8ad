// The activity monitor on Windows: polls the cursor, this thread's keyboard
// state and the system's last-input time, and tells the callers when the
// screen saver is due.
#include <windows.h>

#include "app/globals_win.h"
#include "saver/monitor.h"
#include "saver/saver_test_win.h"
#include "saver/saver_win.h"

namespace {

festoon::ActivityMonitor gMonitor;
std::uint32_t gMinuteMs = 60000; // shorter only in the test build

short AsyncKey(int vk) { return GetAsyncKeyState(vk); }

} // namespace

void RecordActivity() { festoon::NoteActivity(gMonitor, GetTickCount()); }

void CheckActivity() {
    if (gSettings.ScreenSaver && SaverWindow()) return;
    festoon::ActivitySample sample;
    POINT pt;
    if (GetCursorPos(&pt)) {
        sample.x = pt.x;
        sample.y = pt.y;
    } else {
        // No cursor to read (a locked workstation): not a move.
        sample.x = gMonitor.x;
        sample.y = gMonitor.y;
    }
    BYTE keys[256];
    if (GetKeyboardState(keys)) sample.keys = keys;
    LASTINPUTINFO input = {};
    input.cbSize = sizeof input;
    if (GetLastInputInfo(&input)) {
        sample.haveInputTick = true;
        sample.inputTick = input.dwTime;
    }
    festoon::PollActivity(gMonitor, sample, GetTickCount());
}

int ScreenSaverDue() {
    // With the power switched off the screen saver stays away, as the lights
    // and the music do.
    const bool enabled = gSettings.ScreenSaver && gSettings.Power;
    return festoon::SaverDue(gMonitor, enabled, festoon::SaverDelayMs(gSettings.SSDelay, gMinuteMs),
                             SaverWindow() != nullptr, GetTickCount(), AsyncKey);
}

void NoteOwnKeyWrite(const BYTE keys[256]) { festoon::NoteOwnKeyWrite(gMonitor, keys); }

#ifdef FESTOON_TEST_BUILD
void SetSaverMinuteForTests(std::uint32_t ms) { gMinuteMs = ms ? ms : 60000; }
#endif
