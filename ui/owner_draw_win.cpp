// Painters of the options dialog's owner-drawn controls and its preview.
#include "ui/owner_draw_win.h"

#include <cstdio>

#include "app/globals_win.h"
#include "lights/gdi_win.h"
#include "resource.h"
#include "ui/dialog_rules.h"

namespace {

constexpr UINT kItemText = DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;
// Wide enough for any file name the music list can hold.
constexpr int kItemTextSize = MAX_PATH + 1;

HBITMAP LoadBitmapNamed(const char* name) {
    return static_cast<HBITMAP>(LoadImageA(gInstance, name, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

} // namespace

void PaintPictureListItem(const DRAWITEMSTRUCT* dis) {
    if (dis->CtlType != ODT_COMBOBOX) return;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    const COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    GdiObject brush(CreateSolidBrush(back));
    HDC hdc = dis->hDC;
    const COLORREF oldText =
        SetTextColor(hdc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const COLORREF oldBack = SetBkColor(hdc, back);
    RECT r = dis->rcItem;

    char text[kItemTextSize] = "";
    char shown[kItemTextSize] = "";
    char iconName[64] = "";
    const int index = static_cast<int>(dis->itemID);
    if (index >= 0) {
        const LRESULT len = SendMessageA(dis->hwndItem, CB_GETLBTEXTLEN, index, 0);
        if (len >= 0 && len < kItemTextSize)
            SendMessageA(dis->hwndItem, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        if (dis->CtlID == IDC_OPT_STYLE) {
            LoadStringA(gInstance, IDS_STYLE_ICON_FIRST + index, iconName, sizeof iconName);
            lstrcpynA(shown, text, sizeof shown);
        } else if (dis->CtlID == IDC_OPT_COLOR) {
            festoon::SplitColorEntry(text, iconName, sizeof iconName, shown, sizeof shown);
        } else {
            lstrcpynA(shown, text, sizeof shown);
        }
    }
    LoadedIcon icon(iconName[0] ? iconName : nullptr, 32);

    if (dis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        FillRect(hdc, &r, static_cast<HBRUSH>(brush.get()));
        if (index >= 0) {
            r.left += 3;
            if (icon.get()) {
                DrawIconEx(hdc, r.left, r.top + 2, icon.get(), 32, 32, 0, nullptr, DI_NORMAL);
                r.left += 35;
            }
            DrawTextA(hdc, shown, -1, &r, kItemText);
        }
    } else if (dis->itemAction & ODA_FOCUS) {
        DrawFocusRect(hdc, &dis->rcItem);
    }
    SetTextColor(hdc, oldText);
    SetBkColor(hdc, oldBack);
}

void DrawCheckBox(HDC hdc, int x, int y, int w, int h, int checked, int enabled) {
    RECT box = {x, y, x + w + 1, y + h + 1};
    GdiObject grey(enabled ? nullptr : CreateSolidBrush(GetSysColor(COLOR_GRAYTEXT)));
    FrameRect(hdc, &box,
              enabled ? static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))
                      : static_cast<HBRUSH>(grey.get()));
    if (!checked) return;
    GdiObject greyPen(enabled ? nullptr : CreatePen(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT)));
    Selection pen(hdc, enabled ? GetStockObject(BLACK_PEN) : greyPen.get());
    MoveToEx(hdc, x, y, nullptr);
    LineTo(hdc, x + w, y + h);
    MoveToEx(hdc, x + w, y, nullptr);
    LineTo(hdc, x, y + h);
}

void PaintMusicListItem(const DRAWITEMSTRUCT* dis) {
    if (dis->CtlType != ODT_LISTBOX) return;
    HDC hdc = dis->hDC;
    if (static_cast<int>(dis->itemID) < 0) {
        // An empty list still shows where the focus is.
        if (dis->itemAction & ODA_FOCUS) {
            RECT all;
            GetClientRect(dis->hwndItem, &all);
            DrawFocusRect(hdc, &all);
        }
        return;
    }
    const int checked = (dis->itemState & ODS_SELECTED) != 0;
    const int enabled = IsWindowEnabled(dis->hwndItem) ? 1 : 0;
    const COLORREF back = GetSysColor(COLOR_WINDOW);
    GdiObject brush(CreateSolidBrush(back));
    const COLORREF oldText =
        SetTextColor(hdc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    const COLORREF oldBack = SetBkColor(hdc, back);
    const RECT& item = dis->rcItem;
    const int s = (item.bottom - item.top) - 8;

    char text[kItemTextSize] = "";
    const LRESULT len = SendMessageA(dis->hwndItem, LB_GETTEXTLEN, dis->itemID, 0);
    if (len >= 0 && len < kItemTextSize)
        SendMessageA(dis->hwndItem, LB_GETTEXT, dis->itemID, reinterpret_cast<LPARAM>(text));

    if (dis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        FillRect(hdc, &item, static_cast<HBRUSH>(brush.get()));
        DrawCheckBox(hdc, item.left + 2, item.top + 4, s, s, checked, enabled);
        RECT r = item;
        r.left += s + 6;
        DrawTextA(hdc, text, -1, &r, kItemText);
    } else if (dis->itemAction & ODA_FOCUS) {
        DrawFocusRect(hdc, &item);
    }
    SetTextColor(hdc, oldText);
    SetBkColor(hdc, oldBack);
}

void PaintPowerSwitch(HWND dlg, const DRAWITEMSTRUCT* dis, int power, int* reported) {
    if (dis->CtlType != ODT_BUTTON) return;
    char name[16];
    std::snprintf(name, sizeof name, "p%d", 1400 + (power ? 1 : 0));
    GdiObject picture(LoadBitmapNamed(name));
    if (picture.get() == nullptr) {
        // Once per state: a message box from inside a paint would otherwise
        // bring the next repaint, and the next box, without end.
        const int bit = power ? 2 : 1;
        if (reported && !(*reported & bit)) {
            *reported |= bit;
            char text[64] = "could not load bitmap";
            LoadStringA(gInstance, IDS_NO_BITMAP, text, sizeof text);
            MessageBoxA(dlg, text, name, MB_OK);
        }
    }
    HDC hdc = dis->hDC;
    if (dis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        if (picture.get()) {
            MemoryDC mem(hdc);
            Selection sel(mem.get(), picture.get());
            BitBlt(hdc, 0, 0, dis->rcItem.right - dis->rcItem.left,
                   dis->rcItem.bottom - dis->rcItem.top, mem.get(), 0, 0, SRCCOPY);
        }
    } else if (dis->itemAction & ODA_FOCUS) {
        RECT r = dis->rcItem;
        InflateRect(&r, -2, -2);
        DrawFocusRect(hdc, &r);
    }
}

void MapChildRect(HWND dlg, HWND child, RECT* r) {
    POINT corners[2] = {{r->left, r->top}, {r->right, r->bottom}};
    for (POINT& p : corners) {
        ClientToScreen(child, &p);
        ScreenToClient(dlg, &p);
    }
    *r = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void PaintPreview(HWND dlg, int id, std::uint8_t pattern) {
    HWND frame = GetDlgItem(dlg, id);
    if (frame == nullptr) return;
    RECT r;
    GetClientRect(frame, &r);
    MapChildRect(dlg, frame, &r);

    WindowDC dc(dlg);
    if (dc.get() == nullptr) return;
    MemoryDC strip(dc.get());
    MemoryDC cells(dc.get());
    GdiObject bulbs(LoadBitmapNamed("BulbSeq"));
    BITMAP info;
    if (!strip.get() || !cells.get() || !bulbs.get() ||
        !GetObjectA(bulbs.get(), sizeof info, &info))
        return;
    const int cw = info.bmWidth / 2;
    const int ch = info.bmHeight / 2;
    GdiObject stripBitmap(CreateCompatibleBitmap(dc.get(), 8 * cw, ch));
    if (stripBitmap.get() == nullptr) return;
    Selection stripSel(strip.get(), stripBitmap.get());
    Selection cellSel(cells.get(), bulbs.get());
    for (int i = 0; i < 8; ++i) {
        // Even places show the red bulb (bottom row), odd ones the green.
        const int sx = (pattern >> i) & 1 ? cw : 0;
        const int sy = i % 2 == 0 ? ch : 0;
        BitBlt(strip.get(), i * cw, 0, cw, ch, cells.get(), sx, sy, SRCCOPY);
    }
    const int x = (r.left + r.right) / 2 - 4 * cw;
    const int y = (r.top + r.bottom) / 2 - ch / 2;
    BitBlt(dc.get(), x, y, 8 * cw, ch, strip.get(), 0, 0, SRCCOPY);
}
