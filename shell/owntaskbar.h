// The own taskbar's dealings with the shell, kept free of the platform: the
// order of the appbar messages, the rectangle it asks for, the z-order it
// takes, and the colour that fills it. The Win32 side answers the small
// AppBarShell interface with SHAppBarMessage and SetWindowPos; tests record.
#pragma once

#include <cstdint>

#include "lights/layout.h"

namespace festoon {

constexpr unsigned kAppBarCallback = 1863; // the shell's notifications arrive as this message
constexpr int kBarThickness = 32;

// Appbar messages and edges, numbered as the shell numbers them.
enum AppBarMessage {
    kAbmNew = 0,
    kAbmRemove = 1,
    kAbmQueryPos = 2,
    kAbmSetPos = 3,
    kAbmActivate = 6,
    kAbmWindowPosChanged = 9,
};
constexpr int kEdgeTop = 1;

// Notification codes (the callback message's wParam).
enum AppBarNotification {
    kAbnStateChange = 0,
    kAbnPosChanged = 1,
    kAbnFullScreenApp = 2,
    kAbnWindowArrange = 3,
};

enum class BarLayer { Topmost, NotTopmost, Bottom };

class AppBarShell {
  public:
    virtual ~AppBarShell() = default;
    // Sends one appbar message about the bar; the shell may rewrite *rect.
    virtual std::uintptr_t Send(AppBarMessage message, int edge, Area* rect, long param) = 0;
    // Moves and sizes the bar without touching its z-order, and repaints it.
    virtual void Move(const Area& rect) = 0;
    virtual void Restack(BarLayer layer) = 0;
};

// Set afresh each time the bar is created.
struct AppBarState {
    int edge = kEdgeTop;
    int thickness = kBarThickness;
    long fullScreenApp = 0; // as the shell last reported it
};

// What a dock needs to know of the world at that moment.
struct DockContext {
    int screenWidth = 0;
    int screenHeight = 0;
    int onTop = 0; // the OnTop setting
};

// Registers the bar and docks it at once, so that the strip is reserved from
// the start rather than after the shell's first position notice.
void AppBarRegister(AppBarState& state, AppBarShell& shell, const DockContext& context);
// Asks the shell for the top strip, takes it, and restacks the bar: below
// everything while a full-screen program runs, else as OnTop says.
void AppBarDock(const AppBarState& state, AppBarShell& shell, const DockContext& context);
// The callback message. Returns the message's result (0).
long AppBarOnNotify(AppBarState& state, AppBarShell& shell, unsigned code, long param,
                    const DockContext& context);
void AppBarOnWindowPosChanged(AppBarShell& shell);
void AppBarOnActivate(AppBarShell& shell);
// Gives the strip back to the work area (the bar is being destroyed).
void AppBarUnregister(AppBarShell& shell);

// The colour filling the bar for a BackColor value, as 0x00BBGGRR. Values
// without a colour of their own (0, or anything outside 1-6 in the file) take
// the desktop's colour.
std::uint32_t BackgroundColour(int backColor, std::uint32_t desktopColour);

} // namespace festoon
