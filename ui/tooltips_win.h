// Tooltips for a dialog's controls: one tooltip window per dialog, a message
// hook that passes the mouse messages of the dialog's controls on to it, and
// the tip texts supplied on demand from a table of {control id, text}.
//
// Usage, for any dialog (the options dialog, the screen saver setup dialog):
//   static TooltipSet tips;                                // one per dialog
//   WM_INITDIALOG: CreateTooltips(&tips, dlg, table, count);
//   WM_NOTIFY:     if (SupplyTipText(&tips, lParam)) return TRUE;
//   closing:       RemoveTooltips(&tips);                  // before EndDialog
// Several sets may be alive at once (a dialog opened from another), each
// serving its own dialog.
#pragma once

#include <windows.h>

#include "ui/tooltip_text.h"

struct TooltipSet {
    HWND tip = nullptr;    // the "tooltips_class32" window
    HWND dialog = nullptr; // the dialog whose controls are the tools
    HHOOK hook = nullptr;
    const festoon::TipText* table = nullptr;
    int count = 0;
};

// Registers every control of the dialog except static ones. Returns 1 when
// the tips work; 0 leaves the dialog fully usable without them.
int CreateTooltips(TooltipSet* set, HWND dialog, const festoon::TipText* table, int count);
// Safe to call when nothing was created, and more than once.
void RemoveTooltips(TooltipSet* set);
// Answers TTN_NEEDTEXTA for the set's tooltip; returns 1 when it did.
int SupplyTipText(const TooltipSet* set, LPARAM nmhdr);
