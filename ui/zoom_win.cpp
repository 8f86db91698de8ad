// Zoom effects on a DC for the whole display. Frames are paced by the
// multimedia clock; between frames the thread sleeps rather than polling
// the clock, which used to keep a core busy for a second at every opening.
#include "ui/zoom_win.h"

#include <mmsystem.h>

#include "app/globals_win.h"
#include "lights/gdi_win.h"
#include "ui/zoom.h"

namespace {

festoon::ZoomRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Waits until a frame's 50 ms have passed since `start`.
void Pause(DWORD start) {
    for (;;) {
        const DWORD left = festoon::PauseRemaining(start, timeGetTime(), festoon::kZoomFrameMs);
        if (left == 0) return;
        Sleep(left);
    }
}

// Finer sleeps while an effect runs, so that a frame is not 15 ms late.
class FineClock {
  public:
    FineClock() : ok_(timeBeginPeriod(1) == TIMERR_NOERROR) {}
    ~FineClock() {
        if (ok_) timeEndPeriod(1);
    }
    FineClock(const FineClock&) = delete;
    FineClock& operator=(const FineClock&) = delete;

  private:
    bool ok_;
};

void DrawOutline(HDC hdc, const festoon::ZoomOutline& o) {
    POINT pts[5];
    for (int k = 0; k < 5; ++k) pts[k] = POINT{o.p[k].x, o.p[k].y};
    const int old = SetROP2(hdc, R2_NOT);
    Polyline(hdc, pts, 5);
    SetROP2(hdc, old);
}

} // namespace

void ZoomOpen(const RECT& from, const RECT& to, int n, int direction) {
    const auto outlines = festoon::ZoomOpenOutlines(FromRect(from), FromRect(to), n, direction);
    if (outlines.empty()) return;
    FineClock clock;
    LockWindowUpdate(GetDesktopWindow());
    {
        DisplayDC dc;
        if (dc.get()) {
            Selection brush(dc.get(), GetStockObject(NULL_BRUSH));
            for (std::size_t i = 0; i < outlines.size(); ++i) {
                const DWORD start = timeGetTime();
                DrawOutline(dc.get(), outlines[i]);
                if (i > 0) DrawOutline(dc.get(), outlines[i - 1]);
                if (i + 1 == outlines.size()) DrawOutline(dc.get(), outlines[i]);
                Pause(start);
            }
        }
    }
    LockWindowUpdate(nullptr);
}

void ZoomClose(HWND window, int n) {
    RECT w;
    if (!GetWindowRect(window, &w)) return;
    FineClock clock;
    DisplayDC dc;
    if (dc.get() == nullptr) return;
    Selection brush(dc.get(), GetStockObject(NULL_BRUSH));
    for (const auto& frame : festoon::ZoomCloseFrames(n)) {
        const DWORD start = timeGetTime();
        for (int i : frame) {
            const festoon::ZoomRect z = festoon::ZoomCloseRect(FromRect(w), n, i);
            const RECT r = {z.left, z.top, z.right, z.bottom};
            DrawFocusRect(dc.get(), &r);
        }
        Pause(start);
    }
}

void ZoomOpenDialog(HWND dlg) {
    if (!gSettings.Zoom) return;
    POINT p;
    RECT to;
    if (!GetCursorPos(&p) || !GetWindowRect(dlg, &to)) return;
    const RECT from = {p.x - 4, p.y - 4, p.x + 4, p.y + 4};
    ZoomOpen(from, to, festoon::kZoomSteps, 1);
}

void ZoomCloseDialog(HWND dlg) {
    if (gSettings.Zoom) ZoomClose(dlg, festoon::kZoomSteps);
}
