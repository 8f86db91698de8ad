// The calendar window: the day counts of the followed holidays and events in
// a small resizable tool window, created hidden at start-up and then only
// shown and hidden. It keeps the rectangle the settings file gave it.
#pragma once

#include <windows.h>

#include "settings/settings.h"

// The window and what it remembers, for the whole run.
struct CalendarWindowState {
    HWND hwnd;                    // null until created, and after it is destroyed
    int placementKnown;           // a rectangle came from the settings file
    festoon::PlacementRect place; // where every show puts the window
    int dialogOpen;               // the calendar dialog runs: its menu item is greyed
    HWND dialog;                  // that dialog once it has initialised
};
extern CalendarWindowState gCalendar;

// Creates the window hidden if it does not exist; returns it or null.
HWND CreateCalendarWindow();
HWND CalendarWindow();
// Shows it in front at the remembered rectangle, with the text rebuilt for
// today; creates it first if needed.
void ShowCalendarWindow();
void HideCalendarWindow();
// Rebuilds the text (after the calendar dialog has changed the events).
void RefreshCalendarWindow();
// Remembers a rectangle from the settings file and moves the window there.
void ApplyCalendarPlacement(const festoon::PlacementRect& r);
// The window's current normal-position rectangle, as the next save writes it.
void ReadCalendarPlacement(festoon::PlacementRect* r);
