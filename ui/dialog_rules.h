// Rules of the options dialog and its small companions that need no window:
// which string names a rate or the power state, which bulb choices allow
// "Broken" and "Change Bulbs", the colour list's entries, the help topics'
// colours and the background colour swatches.
#pragma once

#include <cstddef>
#include <cstdint>

namespace festoon {

constexpr int kRateNameFirst = 4000;  // string ids 4000-4004
constexpr int kPowerNameFirst = 3600; // 3600 "OFF", 3601 "ON"
constexpr int kRateCount = 5;

int ClampRate(int rate);
int RateNameId(int rate);   // 4000 + the clamped rate
int PowerNameId(int power); // 3601 when on, else 3600

// Item i of the bulb style list stands for BulbType i - 1 (item 0 "Random").
// "Broken" is offered only for Random and Normal, "Change Bulbs" only for
// Random.
bool BrokenAllowed(int styleItem);
bool ChangeBulbsAllowed(int styleItem);

// The colour list: "icon name:label", item i standing for Color i - 1.
constexpr int kColorEntryCount = 11;
extern const char* const kColorEntries[kColorEntryCount];

// Splits a colour entry at its first colon: the icon name before it, and the
// text shown after it with a leading blank. Without a colon there is no icon
// and the text is the whole entry. Both outputs are always terminated and
// cut to their size. Returns true when an icon name was found.
bool SplitColorEntry(const char* entry, char* icon, std::size_t iconSize, char* label,
                     std::size_t labelSize);

// Play-list keys MIDI1 ... MIDIn: how many to read back for a stored
// NumEntries. A damaged file must not make the dialog read for ever.
constexpr int kMaxPlayListEntries = 999;
int PlayListReadCount(int numEntries);

// Text colour of help topic t on the black panel, as 0x00BBGGRR.
std::uint32_t HelpTopicColor(int topic);

// Background colour swatch k (0-5) of the background colour dialog shows
// BackColor k + 1; as 0x00BBGGRR, black for k outside 0-5.
constexpr int kSwatchCount = 6;
std::uint32_t SwatchColor(int swatch);

} // namespace festoon
