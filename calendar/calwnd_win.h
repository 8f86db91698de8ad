// The calendar window: the day counts of the followed holidays and events.
#pragma once

#include <windows.h>

#include "settings/settings.h"

// Creates the window hidden if it does not exist; returns it or null.
HWND CreateCalendarWindow();
HWND CalendarWindow();
void ShowCalendarWindow();
void ApplyCalendarPlacement(const festoon::PlacementRect& r);
void ReadCalendarPlacement(festoon::PlacementRect* r);
