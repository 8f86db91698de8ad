// List lines and the event editor's checks, kept apart from the dialogs so
// that they can be tested on their own.
#include "calendar/event_list.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace festoon {

namespace {

constexpr int kEditorMonthLength[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A decimal number as atoi reads it, from at most len characters of p.
int ReadDigits(const char* p, std::size_t len) {
    char buf[4] = {};
    std::size_t n = 0;
    while (n < len && n < sizeof buf - 1 && p[n] != '\0') {
        buf[n] = p[n];
        ++n;
    }
    return std::atoi(buf);
}

} // namespace

void FormatListLine(const CustomEvent& ev, char* out, std::size_t size) {
    if (size == 0) return;
    // A tab in a hand-edited name would end the name early when the line is
    // read back, and the date with it.
    char name[kNameChars + 1];
    TidyEventName(ev.name, name, sizeof name);
    std::snprintf(out, size, "%s\t%.2d-%.2d", name, ev.month, ev.day);
}

CustomEvent ParseListLine(const char* line) {
    CustomEvent ev;
    ev.month = 0;
    ev.day = 0;
    if (line == nullptr) return ev;
    const char* tab = std::strchr(line, '\t');
    if (tab == nullptr) return ev;
    std::size_t nameLen = static_cast<std::size_t>(tab - line);
    if (nameLen > kNameChars) nameLen = kNameChars;
    std::memcpy(ev.name, line, nameLen);
    ev.name[nameLen] = '\0';
    const char* date = tab + 1;
    const std::size_t rest = std::strlen(date);
    ev.month = ReadDigits(date, 2);
    ev.day = rest > 3 ? ReadDigits(date + 3, 2) : 0;
    return ev;
}

int EditorMonthLength(int month) {
    return month >= 1 && month <= 12 ? kEditorMonthLength[month - 1] : 0;
}

EventProblem CheckEvent(const char* name, int month, int day) {
    if (name == nullptr || name[0] == '\0') return EventProblem::NoName;
    if (std::strchr(name, '#') != nullptr) return EventProblem::NameHasHash;
    if (month < 1 || month > 12) return EventProblem::NoMonth;
    if (day < 1 || day > 31) return EventProblem::NoDay;
    if (day > EditorMonthLength(month)) return EventProblem::DayNotInMonth;
    return EventProblem::None;
}

const char* EventProblemText(EventProblem problem) {
    switch (problem) {
    case EventProblem::NoName:
        return "Please enter a description for this custom event.";
    case EventProblem::NameHasHash:
        return "A description cannot contain the # character.  Please enter a different "
               "description.";
    case EventProblem::NoMonth:
        return "Please select a month from the list.";
    case EventProblem::NoDay:
        return "Please select a day from the list.";
    case EventProblem::DayNotInMonth:
        return "You have selected a day which does not fall in that month.  Please select a "
               "different day.";
    case EventProblem::None:
        break;
    }
    return nullptr;
}

void TidyEventName(const char* typed, char* out, std::size_t size) {
    if (size == 0) return;
    std::size_t n = 0;
    for (; typed != nullptr && typed[n] != '\0' && n < kNameChars && n + 1 < size; ++n) {
        const unsigned char c = static_cast<unsigned char>(typed[n]);
        out[n] = c < 0x20 || c == 0x7F ? ' ' : typed[n];
    }
    out[n] = '\0';
}

} // namespace festoon
