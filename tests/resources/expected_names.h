// The names of the resources the program looks up, derived from the style table
// (not from the generator), shared by the file tests and the in-exe check.
#pragma once

#include <string>
#include <vector>

namespace restest {

struct IconPair {
    std::string unlit, lit;
};

// Every unlit/lit pair of bulb icons: 7-colour styles, eggs and lanterns (colour
// digit first), peppers, holly, trees and the single-image styles.
std::vector<IconPair> BulbIconPairs();
// LIGHT20-LIGHT26: broken bulbs, shown in both states.
std::vector<std::string> BrokenBulbIcons();
// Every icon that hangs on the wire: the pairs, the broken bulbs, MISSING, NOLIGHT
// and the colour-list previews.
std::vector<std::string> AllBulbIcons();
// Icons the colour list names before its colon, and the style list's previews.
std::vector<std::string> ListPreviewIcons();

struct ProgramIcon {
    std::string name;
    bool small; // also has 16x16 images
};
std::vector<ProgramIcon> ProgramIcons();

struct ExpectedBitmap {
    std::string name; // resource name, or a number
    int w, h;         // 0: any size
};
std::vector<ExpectedBitmap> Bitmaps();

std::string Upper(std::string s);

} // namespace restest
