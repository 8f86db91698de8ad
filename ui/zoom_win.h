// The zoom effects of the dialogs, drawn straight onto the screen with
// inverting and XOR operations, so that the screen is left as it was.
//
// For a dialog:
//   WM_INITDIALOG, once placed: ZoomOpenDialog(dlg);
//   just before EndDialog:      ZoomCloseDialog(dlg);
// Both do nothing while the Zoom setting is off. Each takes about a second
// and sleeps between its 50-ms frames.
#pragma once

#include <windows.h>

// An outline turning half a turn as it grows from an 8 x 8 square around the
// cursor to the dialog's window rectangle, in 18 steps.
void ZoomOpenDialog(HWND dlg);
// A trail of dotted rectangles shrinking to the dialog's centre, 18 steps.
void ZoomCloseDialog(HWND dlg);

// The effects themselves, whatever the setting: n + 1 frames from `from` to
// `to` (direction non-zero turns the other way), and n + 4 frames closing.
void ZoomOpen(const RECT& from, const RECT& to, int n, int direction);
void ZoomClose(HWND window, int n);
