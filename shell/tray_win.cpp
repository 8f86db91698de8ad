// Tray icon and its menu. The icon is added once at start-up, removed at
// exit, and added again whenever the shell restarts (TaskbarCreated), since
// a restarted shell forgets every icon and would leave the user no way in.
#include "shell/tray_win.h"

#include <shellapi.h>

#include "app/globals_win.h"
#include "resource.h"

namespace {

char gTip[32];
HICON gTrayIcon;

NOTIFYICONDATAA TrayRecord(HWND owner, UINT flags) {
    NOTIFYICONDATAA nid = {};
    // The original small record: every shell version accepts it.
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = owner;
    nid.uID = IDI_TRAY_ID;
    nid.uFlags = flags;
    nid.uCallbackMessage = WM_TRAYICON;
    nid.hIcon = gTrayIcon;
    lstrcpynA(nid.szTip, gTip, sizeof gTip);
    return nid;
}

void ShowTrayMenu(HWND owner) {
    POINT pt;
    GetCursorPos(&pt);
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return;
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, "&About Festoon...");
    AppendMenuA(menu, MF_STRING | (gDialogs.options.open ? MF_GRAYED : 0u), IDM_OPTIONS,
                "&Options...");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_CALENDAR, "Show Calendar Events...");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_EXIT, "&Remove Lights");
    // The owner must be in the foreground, or the menu stays open when the
    // user clicks elsewhere.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, 0, pt.x, pt.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

} // namespace

void LoadTrayResources() {
    gTip[0] = '\0';
    LoadStringA(gInstance, IDS_TRAY_TIP, gTip, sizeof gTip);
    gTrayIcon = LoadIconA(gInstance, "trayIcon");
}

void AddTrayIcon(HWND owner) {
    NOTIFYICONDATAA nid = TrayRecord(owner, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    Shell_NotifyIconA(NIM_ADD, &nid);
}

void RemoveTrayIcon(HWND owner) {
    NOTIFYICONDATAA nid = TrayRecord(owner, 0);
    Shell_NotifyIconA(NIM_DELETE, &nid);
}

void OnTrayMouse(HWND owner, UINT iconId, UINT mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN && iconId == IDI_TRAY_ID)
        PostMessageA(owner, WM_SYSCOMMAND, IDM_OPTIONS, 0);
    else if (mouseMessage == WM_RBUTTONDOWN)
        ShowTrayMenu(owner);
}

UINT TaskbarCreatedMessage() {
    static UINT msg = RegisterWindowMessageA("TaskbarCreated");
    return msg;
}
