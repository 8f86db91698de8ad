// The own taskbar's conversation with the shell, recorded through its seam:
// the order of the appbar messages, the rectangles asked for and taken, the
// z-order chosen, and the colour that fills the bar.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "shell/owntaskbar.h"

using Log = std::vector<std::string>;

namespace {

std::string Text(const festoon::Area& r) {
    return " " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom);
}

// Records every call; narrows the rectangle as a shell with other bars would.
struct RecordingShell : festoon::AppBarShell {
    Log log;
    int queryTop = 0;   // top of the free space QUERYPOS reports
    int setPosTrim = 0; // what SETPOS takes off the bottom
    std::uintptr_t Send(festoon::AppBarMessage m, int edge, festoon::Area* rect,
                        long param) override {
        const char* names[10] = {"NEW", "REMOVE",   "QUERYPOS", "SETPOS", "",
                                 "",    "ACTIVATE", "",         "",       "WINDOWPOSCHANGED"};
        log.push_back(names[m] + (rect ? Text(*rect) : "") + (edge == 1 && !param ? "" : " ?"));
        if (m == festoon::kAbmQueryPos) rect->top = queryTop;
        if (m == festoon::kAbmSetPos) rect->bottom -= setPosTrim;
        return 1;
    }
    void Move(const festoon::Area& r) override { log.push_back("move" + Text(r)); }
    void Restack(festoon::BarLayer layer) override {
        const char* names[3] = {"topmost", "not topmost", "bottom"};
        log.push_back(names[static_cast<int>(layer)]);
    }
};

festoon::DockContext Screen(int width, int height, int onTop) {
    festoon::DockContext c;
    c.screenWidth = width;
    c.screenHeight = height;
    c.onTop = onTop;
    return c;
}

} // namespace

TEST(AppBarProtocol, ALifeFromRegistrationToRemoval) {
    RecordingShell shell;
    festoon::AppBarState state;
    state.fullScreenApp = 1; // left from an earlier bar: a new one starts afresh
    festoon::AppBarRegister(state, shell, Screen(1024, 768, 1));
    festoon::AppBarOnWindowPosChanged(shell);
    festoon::AppBarOnActivate(shell);
    festoon::AppBarUnregister(shell);
    EXPECT_EQ(shell.log,
              (Log{"NEW", "QUERYPOS 0,0,1024,768", "SETPOS 0,0,1024,32", "move 0,0,1024,32",
                   "topmost", "ACTIVATE", "WINDOWPOSCHANGED", "ACTIVATE", "REMOVE", "ACTIVATE"}));
    EXPECT_EQ(state.fullScreenApp, 0);
}

TEST(AppBarProtocol, TheShellsAnswersPlaceTheBar) {
    struct {
        int queryTop, setPosTrim;
        const char *setPos, *move;
    } const cases[] = {
        {0, 0, "SETPOS 0,0,1920,32", "move 0,0,1920,32"},
        {28, 0, "SETPOS 0,28,1920,60", "move 0,28,1920,60"}, // below a taskbar at the top
        {28, 4, "SETPOS 0,28,1920,60", "move 0,28,1920,56"}, // SETPOS trims it: taken as is
        {INT_MAX - 10, 0, "SETPOS 0,2147483637,1920,2147483647",
         "move 0,2147483637,1920,2147483647"}, // a wild top does not wrap round
    };
    for (const auto& c : cases) {
        RecordingShell shell;
        shell.queryTop = c.queryTop;
        shell.setPosTrim = c.setPosTrim;
        festoon::AppBarDock(festoon::AppBarState{}, shell, Screen(1920, 1080, 1));
        EXPECT_EQ(shell.log,
                  (Log{"QUERYPOS 0,0,1920,1080", c.setPos, c.move, "topmost", "ACTIVATE"}));
    }
}

TEST(AppBarProtocol, NotificationsAndTheirAnswers) {
    struct {
        long fullScreenBefore;
        int onTop;
        unsigned code;
        long param;
        const char* layer; // null: the bar must not dock
        long fullScreenAfter;
    } const cases[] = {
        {0, 1, festoon::kAbnPosChanged, 0, "topmost", 0},
        {0, 0, festoon::kAbnPosChanged, 0, "not topmost", 0}, // OnTop off stays off
        {1, 1, festoon::kAbnPosChanged, 0, "bottom", 1},      // a full-screen program is open
        {0, 1, festoon::kAbnFullScreenApp, 1, "bottom", 1},
        {1, 1, festoon::kAbnFullScreenApp, 0, "topmost", 0},
        {1, 0, festoon::kAbnFullScreenApp, 0, "not topmost", 0},
        {0, 1, festoon::kAbnStateChange, 0, nullptr, 0},
        {1, 1, festoon::kAbnWindowArrange, 1, nullptr, 1},
        {0, 1, 77, 5, nullptr, 0},
    };
    for (const auto& c : cases) {
        RecordingShell shell;
        festoon::AppBarState state;
        state.fullScreenApp = c.fullScreenBefore;
        EXPECT_EQ(festoon::AppBarOnNotify(state, shell, c.code, c.param, Screen(800, 600, c.onTop)),
                  0);
        const Log docked = {"QUERYPOS 0,0,800,600", "SETPOS 0,0,800,32", "move 0,0,800,32",
                            c.layer ? c.layer : "", "ACTIVATE"};
        EXPECT_EQ(shell.log, c.layer ? docked : Log{}) << "notification " << c.code;
        EXPECT_EQ(state.fullScreenApp, c.fullScreenAfter);
    }
}

TEST(BackgroundColour, TableAndValuesWithoutAColour) {
    const std::uint32_t desktop = 0xA05030;
    const std::uint32_t expected[] = {desktop,  0x000000, 0x7F7F7F, 0xC0C0C0,
                                      0xFFFFFF, 0x7F0000, 0xFF0000, desktop};
    for (int i = 0; i <= 7; ++i) EXPECT_EQ(festoon::BackgroundColour(i, desktop), expected[i]);
    for (int bad : {-1, INT_MAX, INT_MIN})
        EXPECT_EQ(festoon::BackgroundColour(bad, desktop), desktop);
}
