// The appbar protocol of the own taskbar and its background colour table.
#include "shell/owntaskbar.h"

#include <climits>

namespace festoon {

namespace {

// The shell's answer is used as it comes; a wild top must not wrap round.
int BottomOf(int top, int thickness) {
    return top > INT_MAX - thickness ? INT_MAX : top + thickness;
}

BarLayer LayerFor(const AppBarState& state, const DockContext& context) {
    if (state.fullScreenApp) return BarLayer::Bottom;
    return context.onTop ? BarLayer::Topmost : BarLayer::NotTopmost;
}

const std::uint32_t kBackColors[7] = {
    0, // 0: the desktop's colour, given by the caller
    0x000000, 0x7F7F7F, 0xC0C0C0, 0xFFFFFF, 0x7F0000, 0xFF0000,
};

} // namespace

void AppBarRegister(AppBarState& state, AppBarShell& shell, const DockContext& context) {
    state = AppBarState{};
    shell.Send(kAbmNew, state.edge, nullptr, 0);
    AppBarDock(state, shell, context);
}

void AppBarDock(const AppBarState& state, AppBarShell& shell, const DockContext& context) {
    Area rect{0, 0, context.screenWidth, context.screenHeight};
    shell.Send(kAbmQueryPos, state.edge, &rect, 0);
    rect.bottom = BottomOf(rect.top, state.thickness);
    shell.Send(kAbmSetPos, state.edge, &rect, 0);
    shell.Move(rect);
    shell.Restack(LayerFor(state, context));
    shell.Send(kAbmActivate, state.edge, nullptr, 0);
}

long AppBarOnNotify(AppBarState& state, AppBarShell& shell, unsigned code, long param,
                    const DockContext& context) {
    switch (code) {
    case kAbnPosChanged:
        AppBarDock(state, shell, context);
        break;
    case kAbnFullScreenApp:
        state.fullScreenApp = param;
        AppBarDock(state, shell, context);
        break;
    default:
        // The bar keeps its place whatever the system taskbar's auto-hide or
        // always-on-top state, and cascading windows does not concern it.
        break;
    }
    return 0;
}

void AppBarOnWindowPosChanged(AppBarShell& shell) {
    shell.Send(kAbmWindowPosChanged, kEdgeTop, nullptr, 0);
}

void AppBarOnActivate(AppBarShell& shell) { shell.Send(kAbmActivate, kEdgeTop, nullptr, 0); }

void AppBarUnregister(AppBarShell& shell) {
    shell.Send(kAbmRemove, kEdgeTop, nullptr, 0);
    shell.Send(kAbmActivate, kEdgeTop, nullptr, 0);
}

std::uint32_t BackgroundColour(int backColor, std::uint32_t desktopColour) {
    if (backColor < 1 || backColor > 6) return desktopColour;
    return kBackColors[backColor];
}

} // namespace festoon
