// The calendar window is not built yet: no window is created, so the
// settings code leaves the stored placement alone.
#include "calendar/calwnd_win.h"

HWND CreateCalendarWindow() { return nullptr; }
HWND CalendarWindow() { return nullptr; }
void ShowCalendarWindow() {}

void ApplyCalendarPlacement(const festoon::PlacementRect& r) {
    HWND hwnd = CalendarWindow();
    if (hwnd == nullptr) return;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (!GetWindowPlacement(hwnd, &wp)) return;
    wp.rcNormalPosition = RECT{r.left, r.top, r.right, r.bottom};
    // Only the rectangle moves; a hidden window must stay hidden.
    if (!IsWindowVisible(hwnd)) wp.showCmd = SW_HIDE;
    SetWindowPlacement(hwnd, &wp);
}

void ReadCalendarPlacement(festoon::PlacementRect* r) {
    HWND hwnd = CalendarWindow();
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (hwnd == nullptr || !GetWindowPlacement(hwnd, &wp)) return;
    *r = festoon::PlacementRect{wp.rcNormalPosition.left, wp.rcNormalPosition.top,
                                wp.rcNormalPosition.right, wp.rcNormalPosition.bottom};
}
