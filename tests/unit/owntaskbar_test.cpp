// The own taskbar's conversation with the shell, recorded through its seam:
// which appbar messages go out in which order, the rectangles it asks for and
// takes, the z-order it chooses, and the colour that fills it.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "shell/owntaskbar.h"

using festoon::Area;
using festoon::DockContext;

namespace {

std::string Text(const Area& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// Records every call; can narrow the rectangle as a shell with other bars
// on the top edge would.
class RecordingShell : public festoon::AppBarShell {
  public:
    std::vector<std::string> log;
    int queryTop = 0;          // top of the free space the shell reports
    int setPosBottomShift = 0; // how much the shell trims off the bottom on SETPOS

    std::uintptr_t Send(festoon::AppBarMessage message, int edge, Area* rect, long param) override {
        std::string entry = Name(message);
        if (message == festoon::kAbmQueryPos || message == festoon::kAbmSetPos) {
            EXPECT_EQ(edge, festoon::kEdgeTop);
            EXPECT_NE(rect, nullptr);
            entry += " " + Text(*rect);
            if (message == festoon::kAbmQueryPos) rect->top = queryTop;
            if (message == festoon::kAbmSetPos) rect->bottom -= setPosBottomShift;
        }
        EXPECT_EQ(param, 0);
        log.push_back(entry);
        return 1;
    }
    void Move(const Area& rect) override { log.push_back("move " + Text(rect)); }
    void Restack(festoon::BarLayer layer) override {
        log.push_back(layer == festoon::BarLayer::Topmost      ? "topmost"
                      : layer == festoon::BarLayer::NotTopmost ? "not topmost"
                                                               : "bottom");
    }

  private:
    static std::string Name(festoon::AppBarMessage m) {
        switch (m) {
        case festoon::kAbmNew:
            return "NEW";
        case festoon::kAbmRemove:
            return "REMOVE";
        case festoon::kAbmQueryPos:
            return "QUERYPOS";
        case festoon::kAbmSetPos:
            return "SETPOS";
        case festoon::kAbmActivate:
            return "ACTIVATE";
        case festoon::kAbmWindowPosChanged:
            return "WINDOWPOSCHANGED";
        }
        return "?";
    }
};

using Log = std::vector<std::string>;

DockContext Screen(int width, int height, int onTop) {
    DockContext c;
    c.screenWidth = width;
    c.screenHeight = height;
    c.onTop = onTop;
    return c;
}

} // namespace

TEST(AppBarProtocol, RegisteringDocksAtTheTopAtOnce) {
    RecordingShell shell;
    festoon::AppBarState state;
    festoon::AppBarRegister(state, shell, Screen(1024, 768, 1));
    EXPECT_EQ(shell.log, (Log{"NEW", "QUERYPOS (0,0,1024,768)", "SETPOS (0,0,1024,32)",
                              "move (0,0,1024,32)", "topmost", "ACTIVATE"}));
}

TEST(AppBarProtocol, TheShellsAnswersPlaceTheBar) {
    struct Case {
        const char* what;
        int queryTop, setPosShift;
        const char* setPos;
        const char* move;
    } const cases[] = {
        {"free edge", 0, 0, "SETPOS (0,0,1920,32)", "move (0,0,1920,32)"},
        {"below a taskbar at the top", 28, 0, "SETPOS (0,28,1920,60)", "move (0,28,1920,60)"},
        {"below another bar", 32, 0, "SETPOS (0,32,1920,64)", "move (0,32,1920,64)"},
        {"trimmed by SETPOS", 28, 4, "SETPOS (0,28,1920,60)", "move (0,28,1920,56)"},
        {"a wild top does not wrap", INT_MAX - 10, 0, "SETPOS (0,2147483637,1920,2147483647)",
         "move (0,2147483637,1920,2147483647)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingShell shell;
        shell.queryTop = c.queryTop;
        shell.setPosBottomShift = c.setPosShift;
        festoon::AppBarState state;
        festoon::AppBarDock(state, shell, Screen(1920, 1080, 1));
        EXPECT_EQ(shell.log,
                  (Log{"QUERYPOS (0,0,1920,1080)", c.setPos, c.move, "topmost", "ACTIVATE"}));
    }
}

TEST(AppBarProtocol, NotificationsAndTheirAnswers) {
    const Log dockTop = {"QUERYPOS (0,0,800,600)", "SETPOS (0,0,800,32)", "move (0,0,800,32)"};
    struct Case {
        const char* what;
        long fullScreenBefore;
        int onTop;
        unsigned code;
        long param;
        const char* layer; // null when the bar must not dock
        long fullScreenAfter;
    } const cases[] = {
        {"position changed", 0, 1, festoon::kAbnPosChanged, 0, "topmost", 0},
        {"position changed, OnTop off", 0, 0, festoon::kAbnPosChanged, 0, "not topmost", 0},
        {"position changed during a full-screen program", 1, 1, festoon::kAbnPosChanged, 0,
         "bottom", 1},
        {"full-screen program opens", 0, 1, festoon::kAbnFullScreenApp, 1, "bottom", 1},
        {"full-screen program closes", 1, 1, festoon::kAbnFullScreenApp, 0, "topmost", 0},
        {"full-screen program closes, OnTop off", 1, 0, festoon::kAbnFullScreenApp, 0,
         "not topmost", 0},
        {"taskbar state changed", 0, 1, festoon::kAbnStateChange, 0, nullptr, 0},
        {"windows arranged", 1, 1, festoon::kAbnWindowArrange, 1, nullptr, 1},
        {"unknown notification", 0, 1, 77, 5, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingShell shell;
        festoon::AppBarState state;
        state.fullScreenApp = c.fullScreenBefore;
        EXPECT_EQ(festoon::AppBarOnNotify(state, shell, c.code, c.param, Screen(800, 600, c.onTop)),
                  0);
        Log expected;
        if (c.layer) {
            expected = dockTop;
            expected.push_back(c.layer);
            expected.push_back("ACTIVATE");
        }
        EXPECT_EQ(shell.log, expected);
        EXPECT_EQ(state.fullScreenApp, c.fullScreenAfter);
    }
}

TEST(AppBarProtocol, ANewBarForgetsTheFullScreenProgram) {
    RecordingShell shell;
    festoon::AppBarState state;
    state.fullScreenApp = 1;
    state.thickness = 7;
    festoon::AppBarRegister(state, shell, Screen(640, 480, 1));
    EXPECT_EQ(state.fullScreenApp, 0);
    EXPECT_EQ(state.thickness, festoon::kBarThickness);
    EXPECT_EQ(shell.log.at(4), "topmost");
}

TEST(AppBarProtocol, WindowMessagesAndDestruction) {
    RecordingShell shell;
    festoon::AppBarOnWindowPosChanged(shell);
    festoon::AppBarOnActivate(shell);
    festoon::AppBarUnregister(shell);
    EXPECT_EQ(shell.log, (Log{"WINDOWPOSCHANGED", "ACTIVATE", "REMOVE", "ACTIVATE"}));
}

TEST(BackgroundColour, TableAndOutOfRangeValues) {
    const std::uint32_t desktop = 0x00A05030;
    struct Case {
        int backColor;
        std::uint32_t colour;
    } const cases[] = {
        {0, desktop},  {1, 0x000000},      {2, 0x7F7F7F},      {3, 0xC0C0C0},
        {4, 0xFFFFFF}, {5, 0x7F0000},      {6, 0xFF0000},      {7, desktop},
        {-1, desktop}, {INT_MAX, desktop}, {INT_MIN, desktop},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(festoon::BackgroundColour(c.backColor, desktop), c.colour)
            << "BackColor " << c.backColor;
    }
}
