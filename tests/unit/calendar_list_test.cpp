// The calendar dialog's list lines, the event editor's checks, and where a
// window whose rectangle cannot be seen is moved.
#include <gtest/gtest.h>

#include <cstdio>

#include "calendar/event_list.h"
#include "calendar/placement_fit.h"

using festoon::EventProblem;

namespace {

TEST(CalendarListLine, FormatsAndParsesBack) {
    const struct {
        const char* name;
        int month, day;
        const char *line, *nameBack;
    } cases[] = {
        {"Birthday", 3, 7, "Birthday\t03-07", "Birthday"},
        {"Thirty-one characters long name", 12, 31, "Thirty-one characters long name\t12-31",
         "Thirty-one characters long name"},
        {"Tab\tbed", 2, 29, "Tab bed\t02-29", "Tab bed"}, // a tab would split the line
    };
    for (const auto& c : cases) {
        festoon::CustomEvent ev;
        ev.month = c.month;
        ev.day = c.day;
        std::snprintf(ev.name, sizeof ev.name, "%s", c.name);
        char line[festoon::kListLineSize];
        festoon::FormatListLine(ev, line, sizeof line);
        EXPECT_STREQ(line, c.line);
        const festoon::CustomEvent back = festoon::ParseListLine(line);
        EXPECT_STREQ(back.name, c.nameBack);
        EXPECT_EQ(back.month, c.month);
        EXPECT_EQ(back.day, c.day);
    }
}

TEST(CalendarListLine, OddLinesParseSafely) {
    const struct {
        const char *line, *name;
        int month, day;
    } cases[] = {{"No tab", "", 0, 0},
                 {"Short\t3", "Short", 3, 0},
                 {"An overlong name of forty characters!!!!\t01-02",
                  "An overlong name of forty chara", 1, 2}};
    for (const auto& c : cases) {
        const festoon::CustomEvent ev = festoon::ParseListLine(c.line);
        EXPECT_STREQ(ev.name, c.name) << c.line;
        EXPECT_EQ(ev.month, c.month) << c.line;
        EXPECT_EQ(ev.day, c.day) << c.line;
    }
}

TEST(CalendarEditor, ChecksInOrder) {
    const struct {
        const char* name;
        int month, day;
        EventProblem expected;
    } cases[] = {
        {"", 2, 30, EventProblem::NoName},
        {"Party #2", 3, 7, EventProblem::NameHasHash},
        {"Party", 0, 5, EventProblem::NoMonth},
        {"Party", 2, 0, EventProblem::NoDay},
        {"Party", 2, 29, EventProblem::None},
        {"Party", 2, 30, EventProblem::DayNotInMonth},
        {"Party", 4, 31, EventProblem::DayNotInMonth},
        {"Party", 12, 31, EventProblem::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(festoon::CheckEvent(c.name, c.month, c.day), c.expected)
            << c.name << " " << c.month << "/" << c.day;
}

TEST(CalendarEditor, TypedNamesAreCutAndControlCharactersBlanked) {
    char out[festoon::kNameChars + 1];
    festoon::TidyEventName("0123456789012345678901234567890123456789", out, sizeof out);
    EXPECT_STREQ(out, "0123456789012345678901234567890");
    festoon::TidyEventName("Line\r\nbreak", out, sizeof out);
    EXPECT_STREQ(out, "Line  break");
}

TEST(CalendarPlacement, MovesOntoTheWorkArea) {
    const festoon::PlacementRect work{0, 0, 1024, 748};
    const struct {
        festoon::PlacementRect in, out;
    } cases[] = {
        {{100, 100, 300, 250}, {100, 100, 300, 250}}, // on screen: kept
        {{5000, 5000, 5220, 5150}, {804, 598, 1024, 748}},
        {{-3000, -900, -2780, -750}, {0, 0, 220, 150}},
        {{-2147483647, -2147483647, 2147483647, 2147483647}, {0, 0, 1024, 748}},
    };
    for (const auto& c : cases) {
        const festoon::PlacementRect r = festoon::MoveOntoArea(c.in, work);
        EXPECT_EQ(r.left, c.out.left);
        EXPECT_EQ(r.top, c.out.top);
        EXPECT_EQ(r.right, c.out.right);
        EXPECT_EQ(r.bottom, c.out.bottom);
    }
}

} // namespace
