// The main window's diagnostics message: live handle counts and the string's
// build and step counters, read by the end-to-end tests and benchmarks.
#pragma once

#include <windows.h>

// The registered message number (0 if registration failed).
UINT TestHookMessage();
LRESULT OnTestHook(WPARAM op, LPARAM arg);
