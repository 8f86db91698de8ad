// The custom events as the calendar dialog handles them: one list box line
// per event ("name<tab>MM-DD", so the sorted list reads in name order), and
// the checks the event editor makes before it accepts a name and a date.
#pragma once

#include <cstddef>

#include "settings/settings.h"

namespace festoon {

// Longest list line: a 31-character name, a tab and "MM-DD" with room for
// a sign should a stored value be out of range.
constexpr std::size_t kListLineSize = 64;

// "name\tMM-DD"; always terminated, never longer than size.
void FormatListLine(const CustomEvent& ev, char* out, std::size_t size);

// The reverse of FormatListLine. A line without a tab gives month 0, day 0
// and an empty name.
CustomEvent ParseListLine(const char* line);

// Why the event editor refuses its input, in the order it checks.
enum class EventProblem {
    None,
    NoName,        // the name is empty
    NameHasHash,   // "#" ends the name in the stored form
    NoMonth,       // no month chosen
    NoDay,         // no day chosen
    DayNotInMonth, // e.g. 30 February
};

// The editor allows 29 February in any year: the event repeats every year.
int EditorMonthLength(int month);

// name as typed (already cut to 31 characters); month and day are 1-based,
// or 0 when nothing is chosen.
EventProblem CheckEvent(const char* name, int month, int day);

// The editor's message for a problem, word for word; null for None.
const char* EventProblemText(EventProblem problem);

// Copies a typed name into a record's name: at most 31 characters, with tabs
// and other control characters turned into blanks, since a tab would split
// the list line and a line break the stored value.
void TidyEventName(const char* typed, char* out, std::size_t size);

} // namespace festoon
