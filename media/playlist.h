// The play list of the background music, section "Music" of garland.ini:
// which entry comes next, how its numbers read, and the MCI command strings
// that open and play a piece. Platform-free, so the rules are tested alone.
#pragma once

#include <cstddef>

namespace festoon {

// More entries than anyone selects; it bounds the work of one skip over
// missing files when NumEntries holds junk.
constexpr int kMaxPlayListEntries = 1000;
// Longest path the ANSI file calls take (MAX_PATH), terminator included.
constexpr std::size_t kPathChars = 260;

// A number as the list stores it: leading blanks, an optional sign, then the
// leading digits; anything else reads as 0. Out-of-range values saturate.
int ParsePlayListNumber(const char* text);

// NumEntries as the player uses it: 0 .. kMaxPlayListEntries.
int PlayListLength(int numEntries);

// The entry after `last` on a list of `count`: entry 1 after the last one,
// and also when `last` is none (0) or not on the list at all.
int NextPlayListEntry(int last, int count);

// "<folder><name>"; false when the name is empty or the result does not fit.
bool JoinProgramPath(const char* folder, const char* name, char* out, std::size_t size);

// "open sequencer!<path> alias <alias>". A path with a blank (no short name
// exists for it) is quoted in the element form MCI parses instead, since the
// device!element form ends at the first blank. False when it does not fit.
bool FormatOpenCommand(const char* shortPath, const char* alias, char* out, std::size_t size);

} // namespace festoon
