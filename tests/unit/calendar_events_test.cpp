// The holiday calendar's day count and text: dated examples, leap years by
// the Gregorian rule, a check of every day of several years against the C
// library's own date arithmetic, and the text's wording.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "calendar/events.h"

using festoon::Date;

namespace {

struct DatedCount {
    Date today;
    int month, day;
    int expected;
};

const DatedCount kDatedCounts[] = {
    {{2026, 12, 26}, 12, 25, 364}, // Christmas
    {{2027, 12, 26}, 12, 25, 365}, // 29 February 2028 lies between
    {{2027, 1, 1}, 3, 17, 75},     // St. Patrick's Day
    {{2028, 1, 1}, 3, 17, 76},
    {{2028, 2, 15}, 2, 14, 365}, // Valentine's Day
    {{2028, 2, 29}, 2, 14, 351},
    {{2027, 1, 10}, 2, 29, 50}, // 29 February in a common year is 1 March
    {{2027, 2, 28}, 2, 29, 1},
    {{2027, 3, 1}, 2, 29, 365},
    {{2026, 12, 25}, 12, 25, 0},
    {{2026, 12, 1}, 12, 25, 24},
    {{2026, 12, 1}, 2, 3, 64},
    {{2026, 10, 30}, 10, 31, 1},
    {{2026, 12, 31}, 1, 1, 1},
    {{2026, 1, 1}, 12, 31, 364},
    // Centuries: 2100 has no 29 February, 2000 had one.
    {{2100, 1, 1}, 3, 17, 75},
    {{2000, 1, 1}, 3, 17, 76},
    {{2099, 12, 26}, 12, 25, 364},
    {{2100, 2, 28}, 2, 29, 1},
    {{2099, 3, 1}, 2, 29, 365},
    {{2100, 3, 1}, 2, 29, 365},
};

TEST(CalendarDaysUntil, DatedExamples) {
    for (const DatedCount& c : kDatedCounts) {
        SCOPED_TRACE(std::to_string(c.today.year) + "-" + std::to_string(c.today.month) + "-" +
                     std::to_string(c.today.day) + " to " + std::to_string(c.month) + "/" +
                     std::to_string(c.day));
        EXPECT_EQ(festoon::DaysUntil(c.today, c.month, c.day), c.expected);
    }
}

TEST(CalendarDaysUntil, LeapYearsFollowTheGregorianRule) {
    const struct {
        int year;
        bool leap;
    } years[] = {{2024, true}, {2026, false}, {2028, true}, {1900, false},
                 {2000, true}, {2100, false}, {2400, true}, {2200, false}};
    for (const auto& y : years) {
        EXPECT_EQ(festoon::IsLeapYear(y.year), y.leap) << y.year;
        EXPECT_EQ(festoon::MonthLength(y.year, 2), y.leap ? 29 : 28) << y.year;
    }
    EXPECT_EQ(festoon::MonthLength(2026, 0), 0);
    EXPECT_EQ(festoon::MonthLength(2026, 13), 0);
}

// Days between two dates by the C library, which rolls a day past a month's
// end into the next month just as the calendar does.
long ReferenceDays(const Date& from, int year, int month, int day) {
    std::tm a = {};
    a.tm_year = from.year - 1900;
    a.tm_mon = from.month - 1;
    a.tm_mday = from.day;
    a.tm_hour = 12;
    std::tm b = a;
    b.tm_year = year - 1900;
    b.tm_mon = month - 1;
    b.tm_mday = day;
    return static_cast<long>((timegm(&b) - timegm(&a)) / 86400);
}

TEST(CalendarDaysUntil, AgreesWithTheCLibraryOnEveryDay) {
    const int years[] = {2026, 2027, 2028, 2099, 2100};
    const int targets[][2] = {{12, 25}, {10, 31}, {3, 17},  {2, 14}, {7, 4},
                              {2, 29},  {1, 1},   {12, 31}, {4, 31}};
    for (int year : years) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= festoon::MonthLength(year, month); ++day) {
                const Date today{year, month, day};
                for (const auto& t : targets) {
                    const bool passed = t[0] < month || (t[0] == month && t[1] < day);
                    const long expected =
                        ReferenceDays(today, passed ? year + 1 : year, t[0], t[1]);
                    ASSERT_EQ(festoon::DaysUntil(today, t[0], t[1]), expected)
                        << year << "-" << month << "-" << day << " to " << t[0] << "/" << t[1];
                }
            }
        }
    }
}

const char* const kNames[festoon::kCalendarCount] = {"Christmas", "Halloween", "St. Patrick's Day",
                                                     "Valentine's Day", "4th of July"};
const char kNoEvents[] = "<No calendar events defined>";

festoon::CustomEvent Event(const char* name, int month, int day) {
    festoon::CustomEvent ev;
    ev.month = month;
    ev.day = day;
    std::snprintf(ev.name, sizeof ev.name, "%s", name);
    return ev;
}

std::string Text(const festoon::Settings& s, const Date& today) {
    char out[festoon::kCalendarTextSize];
    festoon::BuildCalendarText(s, today, kNames, kNoEvents, out, sizeof out);
    return out;
}

struct TextCase {
    const char* what;
    int flags[festoon::kCalendarCount];
    festoon::CustomEvent events[3];
    Date today;
    const char* expected;
};

const TextCase kTextCases[] = {
    {"a holiday and a custom event",
     {1, 0, 0, 0, 0},
     {Event("Birthday", 2, 3)},
     {2026, 12, 1},
     "Days until Christmas = 24\r\n\r\nDays until Birthday (2/3) = 64\r\n"},
    {"the holiday is today", {1, 0, 0, 0, 0}, {}, {2026, 12, 25}, "Christmas is TODAY\r\n\r\n"},
    {"a custom event today is not TODAY",
     {0, 0, 0, 0, 0},
     {Event("Party", 12, 25)},
     {2026, 12, 25},
     "\r\nDays until Party (12/25) = 0\r\n"},
    {"only custom events: the blank line comes first",
     {0, 0, 0, 0, 0},
     {Event("Zoe", 1, 9), Event("Adam", 11, 20)},
     {2026, 12, 8},
     "\r\nDays until Zoe (1/9) = 32\r\nDays until Adam (11/20) = 347\r\n"},
    {"every holiday, in table order",
     {1, 1, 1, 1, 7},
     {},
     {2026, 12, 8},
     "Days until Christmas = 17\r\nDays until Halloween = 327\r\n"
     "Days until St. Patrick's Day = 99\r\nDays until Valentine's Day = 68\r\n"
     "Days until 4th of July = 208\r\n\r\n"},
    {"nothing followed", {0, 0, 0, 0, 0}, {}, {2026, 12, 8}, "<No calendar events defined>"},
    {"a month of 0 is neither listed nor counted as an event",
     {0, 0, 0, 0, 0},
     {Event("Broken", 0, 0)},
     {2026, 12, 8},
     "<No calendar events defined>"},
    {"dates no calendar has are left out",
     {0, 0, 0, 0, 0},
     {Event("Month13", 13, 1), Event("Day0", 3, 0), Event("Day40", 3, 40)},
     {2026, 12, 8},
     "<No calendar events defined>"},
    {"a bad slot beside a good one",
     {0, 0, 0, 0, 0},
     {Event("Month13", 13, 1), Event("Good", 12, 9)},
     {2026, 12, 8},
     "\r\nDays until Good (12/9) = 1\r\n"},
};

TEST(CalendarText, Wording) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.what);
        festoon::Settings s;
        for (int i = 0; i < festoon::kCalendarCount; ++i) s.Calendar[i] = c.flags[i];
        for (int i = 0; i < 3; ++i)
            if (c.events[i].name[0]) s.Events[i + 4] = c.events[i];
        EXPECT_EQ(Text(s, c.today), c.expected);
    }
}

TEST(CalendarText, LongestTextFitsAndASmallBufferIsNeverOverrun) {
    festoon::Settings s;
    for (int& flag : s.Calendar) flag = 1;
    for (festoon::CustomEvent& ev : s.Events) ev = Event("NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN", 12, 31);
    const std::string full = Text(s, {2026, 1, 1});
    EXPECT_LT(full.size(), festoon::kCalendarTextSize - 1);
    const std::string last = "Days until NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN (12/31) = 364\r\n";
    ASSERT_GT(full.size(), last.size());
    EXPECT_EQ(full.substr(full.size() - last.size()), last);

    char small[40];
    std::memset(small, 'x', sizeof small);
    festoon::BuildCalendarText(s, {2026, 1, 1}, kNames, kNoEvents, small, 30);
    EXPECT_EQ(std::string(small), full.substr(0, 29));
    EXPECT_EQ(small[30], 'x');
}

TEST(CalendarText, MissingNamesLeaveTheLineWithAnEmptyName) {
    festoon::Settings s;
    s.Calendar[0] = 1;
    char out[128];
    festoon::BuildCalendarText(s, {2026, 12, 1}, nullptr, kNoEvents, out, sizeof out);
    EXPECT_STREQ(out, "Days until  = 24\r\n\r\n");
}

TEST(CalendarEvents, ClearEmptiesEverySlot) {
    festoon::Settings s;
    for (festoon::CustomEvent& ev : s.Events) ev = Event("X", 5, 6);
    festoon::ClearCustomEvents(s);
    for (const festoon::CustomEvent& ev : s.Events) {
        EXPECT_EQ(ev.month, -1);
        EXPECT_EQ(ev.day, -1);
        EXPECT_STREQ(ev.name, "");
    }
    EXPECT_FALSE(festoon::AnyCalendarEvent(s));
    s.Calendar[3] = -2; // any non-zero flag counts
    EXPECT_TRUE(festoon::AnyCalendarEvent(s));
}

} // namespace
