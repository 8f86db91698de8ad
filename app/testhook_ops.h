// The diagnostics message the main window answers, and its operations. The
// end-to-end tests read this file for the numbers, so keep one operation per
// line in the form "kHookName = number,".
#pragma once

#define FESTOON_TEST_HOOK_MESSAGE "FestoonTestHook"

enum TestHookOp {
    // Read-only, answered by every build.
    kHookLiveIcons = 1,
    kHookLiveGdiObjects = 2,
    kHookLiveDcs = 3,
    kHookStringBuilds = 5,
    kHookAnimationSteps = 6,
    kHookIconLoads = 12,
    // Operations that change what the program does: test build only.
    kHookSetStyleInterval = 4, // lParam: ms between timed style changes
    kHookTimeDraws = 7,        // draws the string lParam times, returns microseconds
    kHookRunSteps = 8,         // makes lParam ungated animation steps at once
    kHookAnimationTimer = 9,   // lParam 0 stops the animation timer, 1 starts it
    kHookSetOwnWindow = 13,    // sets OwnWindow to lParam and applies it; 1 when a bar exists
    kHookReloadSettings = 14,  // reads garland.ini again without applying it (as Cancel does)
    kHookBuildString = 10,     // builds the string lParam times, returns the build count
    kHookRepaintDesktop = 11,  // wipes the desktop's bulbs lParam times
};
