// The options dialog's owner-drawn controls: the bulb style and colour lists
// with their icons, the music list whose selection shows as check boxes, the
// power switch, and the flashing preview drawn from "BulbSeq". Every painter
// leaves the DC it is given with nothing of its own selected.
#pragma once

#include <windows.h>

#include <cstdint>

// Each item painter returns at once for a control type that is not its own,
// so the dialog can hand every WM_DRAWITEM to all of them.
void PaintPictureListItem(const DRAWITEMSTRUCT* dis);
void PaintMusicListItem(const DRAWITEMSTRUCT* dis);
// `power` picks the picture: "p1401" when on, "p1400" when off. A picture
// that cannot be loaded is reported once per value of *reported (the caller
// clears it when the dialog opens), not at every repaint.
void PaintPowerSwitch(HWND dlg, const DRAWITEMSTRUCT* dis, int power, int* reported);
// A framed box, crossed when checked, grey when disabled.
void DrawCheckBox(HDC hdc, int x, int y, int w, int h, int checked, int enabled);
// Eight preview bulbs for `pattern`, centred in control `id` of the dialog.
void PaintPreview(HWND dlg, int id, std::uint8_t pattern);
// A child's client rectangle in the dialog's client coordinates.
void MapChildRect(HWND dlg, HWND child, RECT* r);
