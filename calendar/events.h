// The holiday calendar's arithmetic and its text: the five fixed holidays,
// the day count to the next occurrence of a month and day, and the text the
// calendar window shows. Today's date is always passed in, so that the count
// can be checked on any date.
#pragma once

#include <cstddef>

#include "settings/settings.h"

namespace festoon {

struct Date {
    int year;
    int month; // 1-12
    int day;   // 1-31
};

struct FixedHoliday {
    int month;
    int day;
};

// Christmas, Halloween, St. Patrick's Day, Valentine's Day, 4th of July: the
// order of the Calendar1..5 flags and of the name strings.
extern const FixedHoliday kFixedHolidays[kCalendarCount];

// Gregorian: every fourth year, but not the centuries that 400 does not divide.
bool IsLeapYear(int year);
int MonthLength(int year, int month);

// Days from today to the next occurrence of month/day, 0 when it is today.
// A day the month lacks (29 February in a common year) counts as the day
// after the month's end. month must be 1-12 and day 1-31.
int DaysUntil(const Date& today, int month, int day);

// Whether the calendar window lists this custom slot. Only real dates are:
// a hand-edited file can hold any numbers, and they must not reach the count.
bool IsListedEvent(const CustomEvent& ev);

bool AnyCalendarEvent(const Settings& s);
void ClearCustomEvents(Settings& s);

// The size of the calendar text buffer; the longest possible text (five
// holiday lines, a blank line and ten custom lines) fits with room to spare.
constexpr std::size_t kCalendarTextSize = 4096;

// Composes the calendar text into out (always terminated, never longer than
// size). names are the five holiday names in table order; noEvents is the
// text shown when nothing is followed.
void BuildCalendarText(const Settings& s, const Date& today,
                       const char* const names[kCalendarCount], const char* noEvents, char* out,
                       std::size_t size);

} // namespace festoon
