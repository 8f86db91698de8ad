// See dialog_rules.h.
#include "ui/dialog_rules.h"

namespace festoon {

namespace {

constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

void CopyCut(char* out, std::size_t size, const char* from, std::size_t count) {
    if (size == 0) return;
    std::size_t n = count < size - 1 ? count : size - 1;
    for (std::size_t i = 0; i < n; ++i) out[i] = from[i];
    out[n] = '\0';
}

std::size_t Length(const char* s) {
    std::size_t n = 0;
    while (s[n]) ++n;
    return n;
}

} // namespace

const char* const kColorEntries[kColorEntryCount] = {
    "LightRandom:Random",   "Light10:Purple",        "Light11:Blue",   "Light12:Red",
    "Light13:Green",        "Light14:Yellow",        "Light15:Indigo", "Light16:White",
    "RedGreen:Red & Green", "MultiColor:MultiColor", "TheBlues:Blues",
};

int ClampRate(int rate) { return rate < 0 ? 0 : rate >= kRateCount ? kRateCount - 1 : rate; }
int RateNameId(int rate) { return kRateNameFirst + ClampRate(rate); }
int PowerNameId(int power) { return kPowerNameFirst + (power ? 1 : 0); }

bool BrokenAllowed(int styleItem) { return styleItem < 2; }
bool ChangeBulbsAllowed(int styleItem) { return styleItem == 0; }

bool SplitColorEntry(const char* entry, char* icon, std::size_t iconSize, char* label,
                     std::size_t labelSize) {
    if (entry == nullptr) entry = "";
    const char* colon = entry;
    while (*colon && *colon != ':') ++colon;
    if (*colon == '\0') {
        CopyCut(icon, iconSize, "", 0);
        CopyCut(label, labelSize, entry, Length(entry));
        return false;
    }
    CopyCut(icon, iconSize, entry, static_cast<std::size_t>(colon - entry));
    if (labelSize > 0) {
        label[0] = ' ';
        label[labelSize > 1 ? 1 : 0] = '\0';
        if (labelSize > 1) CopyCut(label + 1, labelSize - 1, colon + 1, Length(colon + 1));
    }
    return true;
}

int PlayListReadCount(int numEntries) {
    if (numEntries < 0) return 0;
    return numEntries > kMaxPlayListEntries ? kMaxPlayListEntries : numEntries;
}

std::uint32_t HelpTopicColor(int topic) {
    static const std::uint32_t kColors[4] = {Rgb(255, 255, 0), Rgb(0, 255, 255), Rgb(255, 0, 255),
                                             Rgb(0, 255, 0)};
    const int k = topic % 4;
    return kColors[k < 0 ? k + 4 : k];
}

std::uint32_t SwatchColor(int swatch) {
    static const std::uint32_t kSwatches[kSwatchCount] = {Rgb(0, 0, 0),       Rgb(127, 127, 127),
                                                          Rgb(192, 192, 192), Rgb(255, 255, 255),
                                                          Rgb(0, 0, 127),     Rgb(0, 0, 255)};
    return (swatch >= 0 && swatch < kSwatchCount) ? kSwatches[swatch] : 0;
}

} // namespace festoon
