// Day counting works on day numbers (days since a fixed origin), so a year
// boundary, a leap day or a day past a month's end need no special case.
#include "calendar/events.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace festoon {

const FixedHoliday kFixedHolidays[kCalendarCount] = {
    {12, 25}, // Christmas
    {10, 31}, // Halloween
    {3, 17},  // St. Patrick's Day
    {2, 14},  // Valentine's Day
    {7, 4},   // 4th of July
};

namespace {

constexpr int kCommonMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days from 1 January of year 1 to 1 January of the given year.
long DaysBeforeYear(int year) {
    const long y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400;
}

// Day number of the given month's day; day may run past the month's end.
long DayNumber(int year, int month, int day) {
    long n = DaysBeforeYear(year);
    for (int m = 1; m < month; ++m) n += MonthLength(year, m);
    return n + day - 1;
}

// Appends to the text without ever writing past its end.
class TextBuffer {
  public:
    TextBuffer(char* out, std::size_t size) : out_(out), size_(size) {
        if (size_ > 0) out_[0] = '\0';
    }
    void Append(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        if (used_ + 1 >= size_) return;
        va_list args;
        va_start(args, format);
        const int n = std::vsnprintf(out_ + used_, size_ - used_, format, args);
        va_end(args);
        if (n < 0) return;
        used_ += static_cast<std::size_t>(n);
        if (used_ >= size_) used_ = size_ - 1; // cut off: the terminator stands at the end
    }

  private:
    char* out_;
    std::size_t size_;
    std::size_t used_ = 0;
};

} // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int MonthLength(int year, int month) {
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return kCommonMonthLength[month - 1];
}

int DaysUntil(const Date& today, int month, int day) {
    const bool passed = month < today.month || (month == today.month && day < today.day);
    const int year = passed ? today.year + 1 : today.year;
    return static_cast<int>(DayNumber(year, month, day) -
                            DayNumber(today.year, today.month, today.day));
}

bool IsListedEvent(const CustomEvent& ev) {
    return ev.month >= 1 && ev.month <= 12 && ev.day >= 1 && ev.day <= 31;
}

bool AnyCalendarEvent(const Settings& s) {
    for (int flag : s.Calendar)
        if (flag != 0) return true;
    for (const CustomEvent& ev : s.Events)
        if (IsListedEvent(ev)) return true;
    return false;
}

void ClearCustomEvents(Settings& s) {
    for (CustomEvent& ev : s.Events) ev = CustomEvent{};
}

void BuildCalendarText(const Settings& s, const Date& today,
                       const char* const names[kCalendarCount], const char* noEvents, char* out,
                       std::size_t size) {
    TextBuffer text(out, size);
    if (!AnyCalendarEvent(s)) {
        text.Append("%s", noEvents ? noEvents : "");
        return;
    }
    for (int i = 0; i < kCalendarCount; ++i) {
        if (s.Calendar[i] == 0) continue;
        const char* name = names && names[i] ? names[i] : "";
        const int days = DaysUntil(today, kFixedHolidays[i].month, kFixedHolidays[i].day);
        if (days == 0)
            text.Append("%.*s is TODAY\r\n", kNameChars, name);
        else
            text.Append("Days until %.*s = %d\r\n", kNameChars, name, days);
    }
    text.Append("\r\n");
    for (const CustomEvent& ev : s.Events) {
        if (!IsListedEvent(ev)) continue;
        text.Append("Days until %.*s (%d/%d) = %d\r\n", kNameChars, ev.name, ev.month, ev.day,
                    DaysUntil(today, ev.month, ev.day));
    }
}

} // namespace festoon
