// Test-build hooks of the screen saver; see the header.
#include "saver/saver_test_win.h"

#ifdef FESTOON_TEST_BUILD

#include "app/globals_win.h"
#include "lights/random.h"
#include "saver/effects.h"
#include "saver/saver_win.h"
#include "saver/setup_dlg_win.h"

namespace {

enum SaverHookOp {
    kHookStart = 1,     // SSType = lParam, then start as the Test button does
    kHookEnd = 2,       // end it
    kHookRunning = 3,   // 1 while the saver window exists
    kHookOpenSetup = 4, // opens the setup dialog once this message has returned
    kHookRunSetup = 5,  // (posted by 4) runs the setup dialog
    kHookTimeTicks = 6, // runs lParam ticks at once, returns microseconds
    kHookFixSeed = 7,   // the generator and the effects' clock both start from lParam
    kHookMinute = 8,    // one minute of SSDelay lasts lParam ms (0: a real minute)
};

std::uint32_t gFixedCalendar;
std::uint32_t FixedCalendar() { return gFixedCalendar; }

} // namespace

UINT SaverTestHookMessage() {
    static UINT msg = RegisterWindowMessageA("FestoonSaverTestHook");
    return msg;
}

LRESULT OnSaverTestHook(HWND hwnd, WPARAM op, LPARAM arg) {
    switch (op) {
    case kHookStart:
        gSettings.SSType = static_cast<int>(arg);
        StartScreenSaver();
        return SaverWindow() != nullptr;
    case kHookEnd:
        EndScreenSaver();
        return SaverWindow() == nullptr;
    case kHookRunning:
        return SaverWindow() != nullptr;
    case kHookOpenSetup:
        // The dialog is modal: run it from a posted message, so the sender
        // is not kept waiting until it closes.
        return PostMessageA(hwnd, SaverTestHookMessage(), kHookRunSetup, 0);
    case kHookRunSetup:
        return RunSaverSetupDialog(hwnd);
    case kHookTimeTicks:
        return SaverTickMicroseconds(static_cast<int>(arg));
    case kHookFixSeed:
        gFixedCalendar = static_cast<std::uint32_t>(arg);
        festoon::SeedRandom(gFixedCalendar);
        festoon::SetCalendarSource(FixedCalendar);
        return 1;
    case kHookMinute:
        SetSaverMinuteForTests(static_cast<std::uint32_t>(arg));
        return 1;
    default:
        return 0;
    }
}

#endif
