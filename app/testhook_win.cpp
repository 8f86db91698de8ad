// Diagnostics for the tests. The shipped program only answers questions;
// the operations that change its behaviour (timers, bursts of steps) are
// compiled into the test build alone.
#include "app/testhook_win.h"

#include "app/globals_win.h"
#include "app/light_string_win.h"
#include "app/testhook_ops.h"
#include "lights/gdi_win.h"
#include "settings/settings_win.h"
#include "shell/owntaskbar_win.h"

namespace {

#ifdef FESTOON_TEST_BUILD
LRESULT TimeDraws(LPARAM count) {
    LARGE_INTEGER freq, start, end;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    for (LPARAM i = 0; i < count; ++i) DrawTheString();
    QueryPerformanceCounter(&end);
    return static_cast<LRESULT>((end.QuadPart - start.QuadPart) * 1000000 / freq.QuadPart);
}

LRESULT OnTestOperation(WPARAM op, LPARAM arg) {
    switch (op) {
    case kHookSetStyleInterval:
        gLights.styleChangeInterval = static_cast<DWORD>(arg);
        return 1;
    case kHookTimeDraws:
        return TimeDraws(arg);
    case kHookRunSteps:
        for (LPARAM i = 0; i < arg; ++i) StepLights(false);
        return StringSteps();
    case kHookBuildString:
        for (LPARAM i = 0; i < arg; ++i) BuildTheString();
        return StringBuilds();
    case kHookRepaintDesktop:
        for (LPARAM i = 0; i < arg; ++i) RepaintDesktop();
        return 1;
    case kHookAnimationTimer:
        if (arg) {
            StartAnimationTimer();
        } else {
            StopAnimationTimer();
        }
        return 1;
    case kHookSetOwnWindow:
        // What the options dialog's apply step does when the value changed.
        gSettings.OwnWindow = arg ? 1 : 0;
        ApplyOwnTaskbarSetting();
        return OwnTaskbar() != nullptr;
    case kHookReloadSettings:
        LoadSettingsFile();
        return 1;
    default:
        return 0;
    }
}
#else
LRESULT OnTestOperation(WPARAM, LPARAM) { return 0; }
#endif

} // namespace

UINT TestHookMessage() {
    static UINT msg = RegisterWindowMessageA(FESTOON_TEST_HOOK_MESSAGE);
    return msg;
}

LRESULT OnTestHook(WPARAM op, LPARAM arg) {
    switch (op) {
    case kHookLiveIcons:
        return LiveCount(kResIcon);
    case kHookLiveGdiObjects:
        return LiveCount(kResGdi);
    case kHookLiveDcs:
        return LiveCount(kResDc);
    case kHookStringBuilds:
        return StringBuilds();
    case kHookAnimationSteps:
        return StringSteps();
    case kHookIconLoads:
        return IconLoads();
    default:
        return OnTestOperation(op, arg);
    }
}
