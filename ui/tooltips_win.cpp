// Tooltips of the dialogs. A dialog's controls get their mouse messages
// themselves, so the tooltip never sees them unless they are relayed: a
// WH_GETMESSAGE hook of the user-interface thread does that for each set.
// A hook procedure carries no context, so each slot has its own procedure.
#include "ui/tooltips_win.h"

#include <commctrl.h>

#include "app/globals_win.h"

namespace {

constexpr int kSlots = 4;
TooltipSet* gSlots[kSlots];

template <int Slot> LRESULT CALLBACK RelayHook(int code, WPARAM wParam, LPARAM lParam) {
    const TooltipSet* set = gSlots[Slot];
    if (code >= 0 && set && set->tip) {
        const MSG* m = reinterpret_cast<const MSG*>(lParam);
        switch (m->message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            if (IsChild(set->dialog, m->hwnd)) {
                MSG copy = *m;
                SendMessageA(set->tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
            }
            break;
        default:
            break;
        }
    }
    return CallNextHookEx(set ? set->hook : nullptr, code, wParam, lParam);
}

const HOOKPROC kHookProcs[kSlots] = {RelayHook<0>, RelayHook<1>, RelayHook<2>, RelayHook<3>};

BOOL CALLBACK AddTool(HWND child, LPARAM param) {
    TooltipSet* set = reinterpret_cast<TooltipSet*>(param);
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "STATIC") == 0) return TRUE;
    TOOLINFOA ti = {};
    // The record size of the platform the program is built for: the 32-bit
    // record is smaller than a 64-bit one.
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = GetParent(child);
    ti.uId = reinterpret_cast<UINT_PTR>(child);
    ti.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(set->tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    return TRUE;
}

} // namespace

int CreateTooltips(TooltipSet* set, HWND dialog, const festoon::TipText* table, int count) {
    RemoveTooltips(set);
    set->tip =
        CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, gInstance, nullptr);
    if (set->tip == nullptr) return 0;
    set->dialog = dialog;
    set->table = table;
    set->count = count;
    EnumChildWindows(dialog, AddTool, reinterpret_cast<LPARAM>(set));
    for (int slot = 0; slot < kSlots; ++slot) {
        if (gSlots[slot]) continue;
        set->hook =
            SetWindowsHookExA(WH_GETMESSAGE, kHookProcs[slot], nullptr, GetCurrentThreadId());
        if (set->hook) gSlots[slot] = set;
        break;
    }
    return set->hook != nullptr;
}

void RemoveTooltips(TooltipSet* set) {
    if (set == nullptr) return;
    if (set->hook) {
        UnhookWindowsHookEx(set->hook);
        set->hook = nullptr;
    }
    for (TooltipSet*& slot : gSlots)
        if (slot == set) slot = nullptr;
    if (set->tip) {
        DestroyWindow(set->tip);
        set->tip = nullptr;
    }
    set->dialog = nullptr;
}

int SupplyTipText(const TooltipSet* set, LPARAM nmhdr) {
    NMHDR* hdr = reinterpret_cast<NMHDR*>(nmhdr);
    if (set == nullptr || hdr == nullptr || hdr->code != TTN_NEEDTEXTA) return 0;
    if (set->tip == nullptr || hdr->hwndFrom != set->tip) return 0;
    NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(nmhdr);
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(hdr->idFrom));
    // The table's texts live for the whole run, so pointing at them is safe.
    info->lpszText = const_cast<char*>(festoon::TipFor(set->table, set->count, id));
    return 1;
}
