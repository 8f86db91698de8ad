// The calendar dialog's list lines, the event editor's checks and messages,
// and where a window whose rectangle cannot be seen is moved.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "calendar/event_list.h"
#include "calendar/placement_fit.h"

using festoon::CustomEvent;
using festoon::EventProblem;

namespace {

CustomEvent Event(const char* name, int month, int day) {
    CustomEvent ev;
    ev.month = month;
    ev.day = day;
    std::snprintf(ev.name, sizeof ev.name, "%s", name);
    return ev;
}

std::string Line(const CustomEvent& ev) {
    char out[festoon::kListLineSize];
    festoon::FormatListLine(ev, out, sizeof out);
    return out;
}

TEST(CalendarListLine, FormatsNameTabAndTwoDigitDate) {
    EXPECT_EQ(Line(Event("Birthday", 3, 7)), "Birthday\t03-07");
    EXPECT_EQ(Line(Event("New Year's Eve", 12, 31)), "New Year's Eve\t12-31");
    EXPECT_EQ(Line(Event("Odd", -1, -1)), "Odd\t-01--01");
    // A tab from a hand-edited file must not split the line.
    const CustomEvent tabbed = festoon::ParseListLine(Line(Event("Tab\tbed", 3, 7)).c_str());
    EXPECT_STREQ(tabbed.name, "Tab bed");
    EXPECT_EQ(tabbed.month, 3);
    EXPECT_EQ(tabbed.day, 7);
}

TEST(CalendarListLine, ParsesWhatItFormats) {
    const CustomEvent cases[] = {Event("Birthday", 3, 7), Event("A", 12, 31),
                                 Event("Thirty-one characters long name", 2, 29),
                                 Event("With  two blanks", 10, 1)};
    for (const CustomEvent& ev : cases) {
        const CustomEvent back = festoon::ParseListLine(Line(ev).c_str());
        EXPECT_STREQ(back.name, ev.name);
        EXPECT_EQ(back.month, ev.month);
        EXPECT_EQ(back.day, ev.day);
    }
}

TEST(CalendarListLine, OddLinesParseSafely) {
    const struct {
        const char* line;
        const char* name;
        int month, day;
    } cases[] = {
        {"No tab here", "", 0, 0},
        {"", "", 0, 0},
        {"Short\t3", "Short", 3, 0},
        {"Short\t03-", "Short", 3, 0},
        {"Short\t03-7", "Short", 3, 7},
        {"\t05-06", "", 5, 6},
        {"Two\ttabs\t05-06", "Two", 0, 0},
        {"An overlong name of forty characters!!!!\t01-02", "An overlong name of forty chara", 1,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const CustomEvent ev = festoon::ParseListLine(c.line);
        EXPECT_STREQ(ev.name, c.name);
        EXPECT_EQ(ev.month, c.month);
        EXPECT_EQ(ev.day, c.day);
    }
    const CustomEvent none = festoon::ParseListLine(nullptr);
    EXPECT_EQ(none.month, 0);
}

TEST(CalendarEditor, ChecksInOrder) {
    const struct {
        const char* name;
        int month, day;
        EventProblem expected;
    } cases[] = {
        {"", 0, 0, EventProblem::NoName},
        {"", 2, 30, EventProblem::NoName},
        {"Party #2", 3, 7, EventProblem::NameHasHash},
        {"#", 3, 7, EventProblem::NameHasHash},
        {"Party", 0, 0, EventProblem::NoMonth},
        {"Party", 0, 5, EventProblem::NoMonth},
        {"Party", 2, 0, EventProblem::NoDay},
        {"Party", 2, 29, EventProblem::None},
        {"Party", 2, 30, EventProblem::DayNotInMonth},
        {"Party", 4, 31, EventProblem::DayNotInMonth},
        {"Party", 6, 31, EventProblem::DayNotInMonth},
        {"Party", 9, 31, EventProblem::DayNotInMonth},
        {"Party", 11, 31, EventProblem::DayNotInMonth},
        {"Party", 4, 30, EventProblem::None},
        {"Party", 1, 31, EventProblem::None},
        {"Party", 12, 31, EventProblem::None},
        {"Party", 13, 1, EventProblem::NoMonth},
        {"Party", 1, 32, EventProblem::NoDay},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.month) + "/" +
                     std::to_string(c.day));
        EXPECT_EQ(festoon::CheckEvent(c.name, c.month, c.day), c.expected);
    }
}

TEST(CalendarEditor, MessagesWordForWord) {
    EXPECT_STREQ(festoon::EventProblemText(EventProblem::NoName),
                 "Please enter a description for this custom event.");
    EXPECT_STREQ(festoon::EventProblemText(EventProblem::NoMonth),
                 "Please select a month from the list.");
    EXPECT_STREQ(festoon::EventProblemText(EventProblem::NoDay),
                 "Please select a day from the list.");
    EXPECT_STREQ(festoon::EventProblemText(EventProblem::DayNotInMonth),
                 "You have selected a day which does not fall in that month.  Please select a "
                 "different day.");
    EXPECT_NE(festoon::EventProblemText(EventProblem::NameHasHash), nullptr);
    EXPECT_EQ(festoon::EventProblemText(EventProblem::None), nullptr);
}

TEST(CalendarEditor, TidiesTypedNames) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"Birthday", "Birthday"},
        {"0123456789012345678901234567890123456789", "0123456789012345678901234567890"},
        {"Tab\there", "Tab here"},
        {"Line\r\nbreak", "Line  break"},
        {"", ""},
    };
    for (const auto& c : cases) {
        char out[festoon::kNameChars + 1];
        std::memset(out, 'x', sizeof out);
        festoon::TidyEventName(c.typed, out, sizeof out);
        EXPECT_STREQ(out, c.stored) << c.typed;
    }
    char tiny[4];
    festoon::TidyEventName("Birthday", tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "Bir");
}

TEST(CalendarPlacement, MovesOntoTheWorkArea) {
    const festoon::PlacementRect work{0, 0, 1024, 748};
    const struct {
        const char* what;
        festoon::PlacementRect in, out;
    } cases[] = {
        {"inside stays", {100, 100, 300, 250}, {100, 100, 300, 250}},
        {"far right and below", {5000, 5000, 5220, 5150}, {804, 598, 1024, 748}},
        {"far left and above", {-3000, -900, -2780, -750}, {0, 0, 220, 150}},
        {"right of a removed second monitor", {1500, 200, 1700, 400}, {824, 200, 1024, 400}},
        {"larger than the area", {-10, -10, 2000, 1000}, {0, 0, 1024, 748}},
        {"extreme values", {-2147483647, -2147483647, 2147483647, 2147483647}, {0, 0, 1024, 748}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const festoon::PlacementRect r = festoon::MoveOntoArea(c.in, work);
        EXPECT_EQ(r.left, c.out.left);
        EXPECT_EQ(r.top, c.out.top);
        EXPECT_EQ(r.right, c.out.right);
        EXPECT_EQ(r.bottom, c.out.bottom);
    }
    // A work area that does not start at the origin (a monitor left of the main one).
    const festoon::PlacementRect left{-1280, 0, 0, 1024};
    const festoon::PlacementRect r = festoon::MoveOntoArea({-5000, 100, -4800, 300}, left);
    EXPECT_EQ(r.left, -1280);
    EXPECT_EQ(r.right, -1080);
    EXPECT_EQ(r.top, 100);
}

} // namespace
