// Play-list rules and MCI command texts.
#include "media/playlist.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace festoon {

int ParsePlayListNumber(const char* text) {
    if (text == nullptr) return 0;
    while (*text == ' ' || *text == '\t') ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        if (value <= INT_MAX) value = value * 10 + (*text - '0');
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int PlayListLength(int numEntries) {
    if (numEntries < 0) return 0;
    return numEntries > kMaxPlayListEntries ? kMaxPlayListEntries : numEntries;
}

int NextPlayListEntry(int last, int count) {
    // Written so that no junk value of `last` can overflow.
    return (last >= 1 && last < count) ? last + 1 : 1;
}

bool JoinProgramPath(const char* folder, const char* name, char* out, std::size_t size) {
    if (size == 0) return false;
    out[0] = '\0';
    if (name == nullptr || name[0] == '\0') return false;
    const int n = std::snprintf(out, size, "%s%s", folder, name);
    if (n < 0 || static_cast<std::size_t>(n) >= size) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool FormatOpenCommand(const char* shortPath, const char* alias, char* out, std::size_t size) {
    const char* format = std::strchr(shortPath, ' ') ? "open \"%s\" type sequencer alias %s"
                                                     : "open sequencer!%s alias %s";
    const int n = std::snprintf(out, size, format, shortPath, alias);
    return n >= 0 && static_cast<std::size_t>(n) < size;
}

} // namespace festoon
