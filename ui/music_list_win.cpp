// See music_list_win.h. File names are read and written whole: a play-list
// entry longer than 31 characters must still match its file next time.
#include "ui/music_list_win.h"

#include <cstdio>
#include <cstdlib>

#include "settings/settings_win.h"
#include "ui/dialog_rules.h"

namespace {

const char kMusic[] = "Music";
constexpr int kNameSize = MAX_PATH + 1;

} // namespace

int FillMusicList(HWND dlg, int listId) {
    // The program's folder and "*.mid"; DlgDirListA may write a path back,
    // so the buffer leaves room beyond the longest module path.
    char pattern[MAX_PATH + 16];
    if (!ProgramFolderAnsi(pattern, MAX_PATH)) return 0;
    lstrcatA(pattern, "*.mid");
    DlgDirListA(dlg, pattern, listId, 0, DDL_READONLY);
    const LRESULT count = SendDlgItemMessageA(dlg, listId, LB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

void SelectPlayList(HWND dlg, int listId) {
    HWND list = GetDlgItem(dlg, listId);
    char text[16];
    ReadProfileText(kMusic, "NumEntries", text, sizeof text);
    const int entries = festoon::PlayListReadCount(std::atoi(text));
    for (int k = 1; k <= entries; ++k) {
        char key[16];
        char name[kNameSize];
        std::snprintf(key, sizeof key, "MIDI%d", k);
        ReadProfileText(kMusic, key, name, sizeof name);
        if (name[0] == '\0') continue;
        const LRESULT item = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(name));
        if (item != LB_ERR) SendMessageA(list, LB_SETSEL, TRUE, item);
    }
    int first = 0;
    if (SendMessageA(list, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&first)) != 1) first = 0;
    SendMessageA(list, LB_SETTOPINDEX, first, 0);
}

int WritePlayList(HWND dlg, int listId) {
    HWND list = GetDlgItem(dlg, listId);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    int n = 0;
    for (LRESULT i = 0; i < count; ++i) {
        if (SendMessageA(list, LB_GETSEL, i, 0) <= 0) continue;
        char name[kNameSize];
        const LRESULT len = SendMessageA(list, LB_GETTEXTLEN, i, 0);
        if (len < 0 || len >= kNameSize) continue;
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
        char key[16];
        std::snprintf(key, sizeof key, "MIDI%d", ++n);
        WriteProfileKey(kMusic, key, name);
    }
    char value[16];
    std::snprintf(value, sizeof value, "%d", n);
    WriteProfileKey(kMusic, "NumEntries", value);
    return n;
}
