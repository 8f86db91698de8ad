// The tip texts of the dialogs' tooltips, by control id. A tooltip shows
// "&&" as one ampersand.
#pragma once

namespace festoon {

struct TipText {
    int id;
    const char* text;
};

extern const TipText kOptionsTips[];
extern const int kOptionsTipCount;
extern const TipText kSaverSetupTips[];
extern const int kSaverSetupTipCount;

// The text for a control id, or "" (the tooltip then shows nothing).
const char* TipFor(const TipText* table, int count, int id);

} // namespace festoon
