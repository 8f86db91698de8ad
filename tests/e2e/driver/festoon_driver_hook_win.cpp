// festoon_driver_hook.dll: lets festoon_driver read a popup menu that belongs to
// another process. A menu handle is only usable inside the process that made it
// (Wine refuses it elsewhere), so the driver hooks the menu window's thread with this
// DLL and asks it, through a registered message, to write the items into shared memory.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "driver_hook.h"

namespace {

#ifndef MN_GETHMENU
constexpr UINT MN_GETHMENU = 0x01E1;
#endif

// Appends formatted text to the shared block, never past its end.
struct Writer {
    char* text;
    size_t used;

    void Add(const char* item) {
        const size_t room = kMenuDumpBytes - 1 - used;
        const size_t length = std::strlen(item);
        const size_t copied = length < room ? length : room;
        std::memcpy(text + used, item, copied);
        used += copied;
        text[used] = '\0';
    }
};

void DumpMenu(HWND menuWindow) {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, kMenuDumpMapping);
    if (!mapping) return;
    char* block = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, kMenuDumpBytes));
    if (block) {
        Writer out{block, 0};
        out.text[0] = '\0';
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
        const int count = menu ? GetMenuItemCount(menu) : -1;
        char line[400];
        std::snprintf(line, sizeof(line), "%d\n", count);
        out.Add(line);
        for (int i = 0; i < count; ++i) {
            char label[256] = {};
            MENUITEMINFOA info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
            info.dwTypeData = label;
            info.cch = sizeof(label) - 1;
            if (!GetMenuItemInfoA(menu, i, TRUE, &info)) break;
            const char* state = (info.fType & MFT_SEPARATOR) ? "separator"
                                : (info.fState & MFS_GRAYED) ? "grayed"
                                                             : "enabled";
            RECT rect = {};
            GetMenuItemRect(nullptr, menu, i, &rect);
            std::snprintf(line, sizeof(line), "%d\t%u\t%s%s\t%ld %ld %ld %ld\t%s\n", i + 1,
                          info.wID, state, (info.fState & MFS_CHECKED) ? ",checked" : "", rect.left,
                          rect.top, rect.right, rect.bottom,
                          (info.fType & MFT_SEPARATOR) ? "" : label);
            out.Add(line);
        }
        UnmapViewOfFile(block);
    }
    CloseHandle(mapping);
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    DriverCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == RegisterWindowMessageA(kMenuDumpMessage)) DumpMenu(call->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
