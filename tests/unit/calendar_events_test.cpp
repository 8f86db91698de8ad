// The holiday calendar's day count on dated examples, leap years by the
// Gregorian rule, and the wording of the calendar text.
#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <string>

#include "calendar/events.h"

using festoon::Date;

namespace {

TEST(CalendarDaysUntil, DatedExamples) {
    const struct {
        Date today;
        int month, day, expected;
    } cases[] = {
        {{2026, 12, 26}, 12, 25, 364}, {{2027, 12, 26}, 12, 25, 365}, // 29 Feb 2028 between
        {{2027, 1, 1}, 3, 17, 75},     {{2028, 1, 1}, 3, 17, 76},
        {{2028, 2, 15}, 2, 14, 365},   {{2028, 2, 29}, 2, 14, 351},
        {{2027, 1, 10}, 2, 29, 50},    {{2027, 2, 28}, 2, 29, 1}, // 29 Feb counts as 1 March
        {{2027, 3, 1}, 2, 29, 365},    {{2026, 12, 25}, 12, 25, 0},
        {{2026, 12, 31}, 1, 1, 1},     {{2026, 12, 1}, 2, 3, 64},
        {{2100, 1, 1}, 3, 17, 75},     {{2000, 1, 1}, 3, 17, 76}, // 2100 is no leap year
        {{2099, 12, 26}, 12, 25, 364}, {{2100, 2, 28}, 2, 29, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(festoon::DaysUntil(c.today, c.month, c.day), c.expected)
            << c.today.year << "-" << c.today.month << "-" << c.today.day << " to " << c.month
            << "/" << c.day;
}

TEST(CalendarDaysUntil, LeapYearsFollowTheGregorianRule) {
    const struct {
        int year;
        bool leap;
    } cases[] = {{2026, false}, {2028, true}, {1900, false}, {2000, true}, {2100, false}};
    for (const auto& c : cases) EXPECT_EQ(festoon::MonthLength(c.year, 2), c.leap ? 29 : 28);
}

const char* const kNames[festoon::kCalendarCount] = {"Christmas", "Halloween", "St. Patrick's Day",
                                                     "Valentine's Day", "4th of July"};

festoon::CustomEvent Event(const char* name, int month, int day) {
    festoon::CustomEvent ev;
    ev.month = month;
    ev.day = day;
    std::snprintf(ev.name, sizeof ev.name, "%s", name);
    return ev;
}

TEST(CalendarText, Wording) {
    const struct {
        const char* what;
        int flags[festoon::kCalendarCount];
        festoon::CustomEvent events[2];
        Date today;
        const char* expected;
    } cases[] = {
        {"holiday and custom event",
         {1, 0, 0, 0, 0},
         {Event("Birthday", 2, 3)},
         {2026, 12, 1},
         "Days until Christmas = 24\r\n\r\nDays until Birthday (2/3) = 64\r\n"},
        {"holiday today", {1, 0, 0, 0, 0}, {}, {2026, 12, 25}, "Christmas is TODAY\r\n\r\n"},
        {"custom events only, one today",
         {0, 0, 0, 0, 0},
         {Event("Zoe", 1, 9), Event("Party", 12, 8)},
         {2026, 12, 8},
         "\r\nDays until Zoe (1/9) = 32\r\nDays until Party (12/8) = 0\r\n"},
        {"every holiday in order",
         {1, 1, 1, 1, -3},
         {},
         {2026, 12, 8},
         "Days until Christmas = 17\r\nDays until Halloween = 327\r\nDays until St. Patrick's "
         "Day = 99\r\nDays until Valentine's Day = 68\r\nDays until 4th of July = 208\r\n\r\n"},
        {"nothing followed", {0, 0, 0, 0, 0}, {}, {2026, 12, 8}, "<No calendar events defined>"},
        {"malformed slots are no events",
         {0, 0, 0, 0, 0},
         {Event("Zero", 0, 0), Event("Month13", 13, 1)},
         {2026, 12, 8},
         "<No calendar events defined>"},
    };
    for (const auto& c : cases) {
        festoon::Settings s;
        for (int i = 0; i < festoon::kCalendarCount; ++i) s.Calendar[i] = c.flags[i];
        s.Events[3] = c.events[0];
        s.Events[7] = c.events[1];
        char out[festoon::kCalendarTextSize];
        festoon::BuildCalendarText(s, c.today, kNames, "<No calendar events defined>", out,
                                   sizeof out);
        EXPECT_STREQ(out, c.expected) << c.what;
    }
}

TEST(CalendarText, ASmallBufferIsNeverOverrun) {
    festoon::Settings s;
    s.Calendar[0] = 1;
    char out[16];
    std::fill(out, out + sizeof out, 'x');
    festoon::BuildCalendarText(s, {2026, 12, 1}, kNames, "", out, 10);
    EXPECT_EQ(std::string(out), "Days unti");
    EXPECT_EQ(out[10], 'x');
}

} // namespace
