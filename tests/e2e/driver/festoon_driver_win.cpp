// festoon_driver: a small console program that the end-to-end tests run under Wine,
// on the same virtual desktop as festoon.exe, to look at the program from outside:
// find its windows, send it messages, read its popup menu, press buttons, click and
// capture the screen. Every subcommand prints plain text and exits 0 on success,
// 1 when the thing asked for is not there and 2 on a usage error.
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver_hook.h"

namespace {

constexpr int kOk = 0;
constexpr int kNotFound = 1;
constexpr int kUsage = 2;

// Popup menus are windows of this class.
constexpr char kMenuClass[] = "#32768";

struct MessageName {
    const char* name;
    UINT value;
};

constexpr MessageName kMessageNames[] = {
    {"WM_CLOSE", WM_CLOSE},
    {"WM_COMMAND", WM_COMMAND},
    {"WM_SYSCOMMAND", WM_SYSCOMMAND},
    {"WM_TIMER", WM_TIMER},
    {"WM_QUIT", WM_QUIT},
    {"WM_LBUTTONDOWN", WM_LBUTTONDOWN},
    {"WM_LBUTTONUP", WM_LBUTTONUP},
    {"WM_RBUTTONDOWN", WM_RBUTTONDOWN},
    {"WM_RBUTTONUP", WM_RBUTTONUP},
    {"WM_KEYDOWN", WM_KEYDOWN},
    {"WM_KEYUP", WM_KEYUP},
    {"WM_CANCELMODE", WM_CANCELMODE},
};

// Accepts decimal, 0x-hex and negative numbers; the whole text must be a number.
bool ParseNumber(const char* text, long long* value) {
    if (!text || !*text) return false;
    char* end = nullptr;
    *value = std::strtoll(text, &end, 0);
    return end && *end == '\0';
}

bool ParseMessage(const char* text, UINT* message) {
    for (const MessageName& m : kMessageNames) {
        if (_stricmp(text, m.name) == 0) {
            *message = m.value;
            return true;
        }
    }
    long long value = 0;
    if (!ParseNumber(text, &value)) return false;
    *message = static_cast<UINT>(value);
    return true;
}

struct ClassSearch {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectByClass(HWND hwnd, LPARAM param) {
    ClassSearch* search = reinterpret_cast<ClassSearch*>(param);
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (_stricmp(name, search->className) == 0) search->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopLevelWindowsOfClass(const char* className) {
    ClassSearch search{className, {}};
    EnumWindows(CollectByClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

// FindWindowA looks the class name up as a global atom, and under Wine it misses
// classes registered by other processes (the taskbar's, for one); enumerating and
// comparing names finds every top-level window.
HWND FindTopLevel(const char* className, const char* title) {
    for (HWND hwnd : TopLevelWindowsOfClass(className)) {
        if (!title || WindowText(hwnd) == title) return hwnd;
    }
    return nullptr;
}

// A target is either a window handle in decimal or a class name.
HWND ResolveTarget(const char* text) {
    long long value = 0;
    if (ParseNumber(text, &value)) {
        HWND hwnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(value));
        return IsWindow(hwnd) ? hwnd : nullptr;
    }
    return FindTopLevel(text, nullptr);
}

unsigned long long HandleValue(const void* handle) {
    return static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(handle));
}

int CmdFind(int argc, char** argv) {
    if (argc < 1) return kUsage;
    const char* title = argc >= 2 ? argv[1] : nullptr;
    HWND hwnd = FindTopLevel(argv[0], title);
    if (!hwnd) return kNotFound;
    std::printf("%llu\n", HandleValue(hwnd));
    return kOk;
}

int CmdCount(int argc, char** argv) {
    if (argc < 1) return kUsage;
    std::printf("%u\n", static_cast<unsigned>(TopLevelWindowsOfClass(argv[0]).size()));
    return kOk;
}

int CmdWait(int argc, char** argv, bool untilGone) {
    long long timeout = 0;
    if (argc < 2 || !ParseNumber(argv[1], &timeout)) return kUsage;
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = FindTopLevel(argv[0], nullptr);
        if (!untilGone && hwnd) {
            std::printf("%llu\n", HandleValue(hwnd));
            return kOk;
        }
        if (untilGone && !hwnd) return kOk;
        if (GetTickCount() - start >= static_cast<DWORD>(timeout)) return kNotFound;
        Sleep(50);
    }
}

// Long enough for a burst of test-hook work on a loaded machine, short enough
// that a hung program fails the test before the harness gives up on the driver.
constexpr UINT kSendTimeoutMs = 25000;

// SendMessage with a timeout, so that a hung or busy program cannot hang the test
// run with it; prints the result.

int SendAndPrint(HWND hwnd, UINT message, long long wParam, long long lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, message, static_cast<WPARAM>(wParam),
                             static_cast<LPARAM>(lParam), SMTO_NORMAL, kSendTimeoutMs, &result)) {
        return kNotFound;
    }
    std::printf("%lld\n", static_cast<long long>(static_cast<LONG_PTR>(result)));
    return kOk;
}

int CmdMessage(int argc, char** argv, bool send) {
    UINT message = 0;
    long long wParam = 0, lParam = 0;
    if (argc < 4 || !ParseMessage(argv[1], &message) || !ParseNumber(argv[2], &wParam) ||
        !ParseNumber(argv[3], &lParam)) {
        return kUsage;
    }
    HWND hwnd = ResolveTarget(argv[0]);
    if (!hwnd) return kNotFound;
    if (!send) {
        return PostMessageA(hwnd, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam))
                   ? kOk
                   : kNotFound;
    }
    // An optional count repeats the message in one run, for tests that look
    // for a leak over hundreds of repetitions.
    long long count = 1;
    if (argc >= 5 && (!ParseNumber(argv[4], &count) || count < 1)) return kUsage;
    for (long long i = 1; i < count; ++i) {
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutA(hwnd, message, static_cast<WPARAM>(wParam),
                                 static_cast<LPARAM>(lParam), SMTO_NORMAL, kSendTimeoutMs,
                                 &ignored)) {
            return kNotFound;
        }
    }
    return SendAndPrint(hwnd, message, wParam, lParam);
}

int CmdSendRegistered(int argc, char** argv) {
    long long wParam = 0, lParam = 0;
    if (argc < 4 || !ParseNumber(argv[2], &wParam) || !ParseNumber(argv[3], &lParam)) {
        return kUsage;
    }
    HWND hwnd = ResolveTarget(argv[0]);
    if (!hwnd) return kNotFound;
    UINT message = RegisterWindowMessageA(argv[1]);
    if (!message) return kNotFound;
    return SendAndPrint(hwnd, message, wParam, lParam);
}

// Takes a window's tray icon away, as a restarting shell forgets every icon.
int CmdTrayDelete(int argc, char** argv) {
    long long id = 0;
    if (argc < 2 || !ParseNumber(argv[1], &id)) return kUsage;
    HWND hwnd = ResolveTarget(argv[0]);
    if (!hwnd) return kNotFound;
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hwnd;
    nid.uID = static_cast<UINT>(id);
    return Shell_NotifyIconA(NIM_DELETE, &nid) ? kOk : kNotFound;
}

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

void PrintWindowLine(HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    std::printf("%llu\t%s\t%s\t%ld %ld %ld %ld\t%s\n", HandleValue(hwnd), ClassOf(hwnd).c_str(),
                WindowText(hwnd).c_str(), rect.left, rect.top, rect.right, rect.bottom,
                IsWindowVisible(hwnd) ? "visible" : "hidden");
}

BOOL CALLBACK CollectAll(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

// One line per top-level window: handle, class, title, rectangle, visibility.
int CmdWindows(int argc, char** argv) {
    const bool all = argc >= 1 && std::strcmp(argv[0], "all") == 0;
    std::vector<HWND> windows;
    EnumWindows(CollectAll, reinterpret_cast<LPARAM>(&windows));
    for (HWND hwnd : windows) {
        if (all || IsWindowVisible(hwnd)) PrintWindowLine(hwnd);
    }
    return kOk;
}

// Child windows of a dialog or other window, same format as `windows`.
int CmdChildren(int argc, char** argv) {
    if (argc < 1) return kUsage;
    HWND parent = ResolveTarget(argv[0]);
    if (!parent) return kNotFound;
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectAll, reinterpret_cast<LPARAM>(&children));
    for (HWND hwnd : children) PrintWindowLine(hwnd);
    return kOk;
}

// The window's style and extended style in hex: WS_EX_TOPMOST tells whether it
// stays above ordinary windows.
int CmdStyle(int argc, char** argv) {
    if (argc < 1) return kUsage;
    HWND hwnd = ResolveTarget(argv[0]);
    if (!hwnd) return kNotFound;
    std::printf("0x%08lx 0x%08lx\n", static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_EXSTYLE)));
    return kOk;
}

// Where a new desktop toolbar on the top edge would go: registers a bar of the
// driver's own for a moment, asks the shell, and prints the rectangle it offers
// (left top right bottom). Bars that other programs hold push it down.
int CmdAppBarQuery(int, char**) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "festoonDriverBar";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1,
                                nullptr, nullptr, wc.hInstance, nullptr);
    if (!hwnd) return kNotFound;
    APPBARDATA abd = {};
    abd.cbSize = sizeof abd;
    abd.hWnd = hwnd;
    abd.uCallbackMessage = WM_APP;
    int status = kNotFound;
    if (SHAppBarMessage(ABM_NEW, &abd)) {
        abd.uEdge = ABE_TOP;
        abd.rc = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SHAppBarMessage(ABM_QUERYPOS, &abd);
        std::printf("%ld %ld %ld %ld\n", abd.rc.left, abd.rc.top, abd.rc.right, abd.rc.bottom);
        SHAppBarMessage(ABM_REMOVE, &abd);
        status = kOk;
    }
    DestroyWindow(hwnd);
    return status;
}

HWND VisibleMenuWindow() {
    for (HWND hwnd : TopLevelWindowsOfClass(kMenuClass)) {
        if (IsWindowVisible(hwnd)) return hwnd;
    }
    return nullptr;
}

// Reads the menu through the hook DLL inside the thread that owns the menu window.
// Prints what the DLL wrote: the item count, then one line per item.
int MenuItemsThroughHook(HWND menuWindow) {
    char dllPath[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, dllPath, MAX_PATH);
    char* slash = std::strrchr(dllPath, '\\');
    if (!slash || std::strlen(kHookDll) >= static_cast<size_t>(dllPath + MAX_PATH - slash - 1)) {
        return kNotFound;
    }
    std::strcpy(slash + 1, kHookDll);
    HMODULE dll = LoadLibraryA(dllPath);
    if (!dll) {
        std::fprintf(stderr, "cannot load %s\n", dllPath);
        return kNotFound;
    }
    HOOKPROC proc =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, kHookProc)));
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        kMenuDumpBytes, kMenuDumpMapping);
    char* block =
        mapping
            ? static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, kMenuDumpBytes))
            : nullptr;
    int status = kNotFound;
    if (proc && block) {
        block[0] = '\0';
        const DWORD thread = GetWindowThreadProcessId(menuWindow, nullptr);
        HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, proc, dll, thread);
        if (hook) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(menuWindow, RegisterWindowMessageA(kMenuDumpMessage), 0, 0,
                                SMTO_NORMAL, 5000, &ignored);
            UnhookWindowsHookEx(hook);
            block[kMenuDumpBytes - 1] = '\0';
            if (block[0] && block[0] != '-') {
                std::fputs(block, stdout);
                status = kOk;
            }
        }
    }
    if (block) UnmapViewOfFile(block);
    if (mapping) CloseHandle(mapping);
    FreeLibrary(dll);
    return status;
}

// First line: the item count. Then one line per item: position, id, state, the
// item's screen rectangle (left top right bottom) and its text. A menu handle is
// only usable inside the process that made it (Wine refuses it elsewhere; Windows
// merely tolerates it), so the menu is always read from inside, through the hook.
int CmdMenuItems() {
    HWND menuWindow = VisibleMenuWindow();
    return menuWindow ? MenuItemsThroughHook(menuWindow) : kNotFound;
}

bool WriteBmp(const char* path, int width, int height, const void* bits) {
    const DWORD stride = static_cast<DWORD>(width) * 4;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + imageSize;
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = -height; // top-down rows, so readers need not flip
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = imageSize;
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    bool ok = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
              std::fwrite(&info, sizeof(info), 1, out) == 1 &&
              std::fwrite(bits, imageSize, 1, out) == 1;
    return std::fclose(out) == 0 && ok;
}

// A 32-bpp top-down DIB section selected into a memory DC compatible with the
// screen, with its pixels at hand for WriteBmp; everything is released on exit.
struct DibCanvas {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP dib = nullptr;
    HGDIOBJ old = nullptr;
    void* bits = nullptr;

    DibCanvas(int width, int height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (dc && dib) old = SelectObject(dc, dib);
    }
    ~DibCanvas() {
        if (old) SelectObject(dc, old);
        if (dib) DeleteObject(dib);
        if (dc) DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    bool ok() const { return old != nullptr && bits != nullptr; }
};

// Copies a rectangle of the screen (the whole virtual desktop by default) to a
// 32-bpp top-down BMP. The alpha bytes come back 0 from the screen; readers ignore them.
int CmdCapture(int argc, char** argv) {
    if (argc < 1) return kUsage;
    long long x = 0, y = 0, w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    if (argc >= 5 && !(ParseNumber(argv[1], &x) && ParseNumber(argv[2], &y) &&
                       ParseNumber(argv[3], &w) && ParseNumber(argv[4], &h))) {
        return kUsage;
    }
    if (w <= 0 || h <= 0) return kUsage;
    DibCanvas canvas(static_cast<int>(w), static_cast<int>(h));
    if (!canvas.ok()) return kNotFound;
    if (!BitBlt(canvas.dc, 0, 0, static_cast<int>(w), static_cast<int>(h), canvas.screen,
                static_cast<int>(x), static_cast<int>(y), SRCCOPY)) {
        return kNotFound;
    }
    GdiFlush();
    return WriteBmp(argv[0], static_cast<int>(w), static_cast<int>(h), canvas.bits) ? kOk
                                                                                    : kNotFound;
}

// Absolute SendInput coordinates run from 0 to 65535 across the primary screen.
LONG ToAbsolute(long long pixel, int extent) {
    if (extent <= 1) return 0;
    return static_cast<LONG>((pixel * 65535 + (extent - 1) / 2) / (extent - 1));
}

int CmdClick(int argc, char** argv) {
    long long x = 0, y = 0;
    if (argc < 2 || !ParseNumber(argv[0], &x) || !ParseNumber(argv[1], &y)) return kUsage;
    const bool right = argc >= 3 && std::strcmp(argv[2], "right") == 0;
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) input.type = INPUT_MOUSE;
    inputs[0].mi.dx = ToAbsolute(x, GetSystemMetrics(SM_CXSCREEN));
    inputs[0].mi.dy = ToAbsolute(y, GetSystemMetrics(SM_CYSCREEN));
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    return SendInput(3, inputs, sizeof(INPUT)) == 3 ? kOk : kNotFound;
}

// Button captions carry '&' mnemonics; compare without them and without case.
std::string WithoutMnemonics(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

struct ButtonSearch {
    std::string caption;
    HWND found;
};

BOOL CALLBACK FindButton(HWND hwnd, LPARAM param) {
    ButtonSearch* search = reinterpret_cast<ButtonSearch*>(param);
    if (_stricmp(ClassOf(hwnd).c_str(), "Button") != 0) return TRUE;
    if (_stricmp(WithoutMnemonics(WindowText(hwnd)).c_str(), search->caption.c_str()) != 0) {
        return TRUE;
    }
    search->found = hwnd;
    return FALSE;
}

// Presses a button of a dialog the way a click would: BM_CLICK, posted so that a
// modal loop started by the press does not block the driver.
int CmdPressButton(int argc, char** argv) {
    if (argc < 2) return kUsage;
    HWND dialog = ResolveTarget(argv[0]);
    if (!dialog) {
        // Dialogs of the standard class are most easily named by their caption.
        dialog = FindTopLevel("#32770", argv[0]);
    }
    if (!dialog) return kNotFound;
    ButtonSearch search{WithoutMnemonics(argv[1]), nullptr};
    EnumChildWindows(dialog, FindButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return kNotFound;
    return PostMessageA(search.found, BM_CLICK, 0, 0) ? kOk : kNotFound;
}

// A dialog named by handle, by class or, for the standard dialog class, by caption.
// A dialog named by its handle, or by its caption: a visible dialog of that
// caption first, then any window ResolveTarget knows by that name.
HWND ResolveDialog(const char* text) {
    long long value = 0;
    if (!ParseNumber(text, &value))
        for (HWND hwnd : TopLevelWindowsOfClass("#32770"))
            if (WindowText(hwnd) == text && IsWindowVisible(hwnd)) return hwnd;
    HWND dialog = ResolveTarget(text);
    return dialog ? dialog : FindTopLevel("#32770", text);
}

// A control of a dialog: DIALOG and ID as the two arguments.
HWND ResolveControl(int argc, char** argv) {
    long long id = 0;
    if (argc < 2 || !ParseNumber(argv[1], &id)) return nullptr;
    HWND dialog = ResolveDialog(argv[0]);
    return dialog ? GetDlgItem(dialog, static_cast<int>(id)) : nullptr;
}

// Text on one line: backslash, tab, CR and LF written as \\, \t, \r and \n.
void PrintEscaped(const char* text) {
    for (const char* p = text; *p; ++p) {
        switch (*p) {
        case '\\':
            std::fputs("\\\\", stdout);
            break;
        case '\t':
            std::fputs("\\t", stdout);
            break;
        case '\r':
            std::fputs("\\r", stdout);
            break;
        case '\n':
            std::fputs("\\n", stdout);
            break;
        default:
            std::fputc(*p, stdout);
            break;
        }
    }
    std::fputc('\n', stdout);
}

bool SendWithTimeout(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
    return SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs,
                               result) != 0;
}

// The text of a dialog's control, escaped onto one line.
int CmdItemText(int argc, char** argv) {
    if (argc < 2) return kUsage;
    HWND control = ResolveControl(argc, argv);
    if (!control) return kNotFound;
    static char text[16384];
    DWORD_PTR ignored = 0;
    text[0] = '\0';
    if (!SendWithTimeout(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                         &ignored)) {
        return kNotFound;
    }
    text[sizeof text - 1] = '\0';
    PrintEscaped(text);
    return kOk;
}

int CmdSetText(int argc, char** argv) {
    if (argc < 3) return kUsage;
    HWND control = ResolveControl(argc, argv);
    if (!control) return kNotFound;
    DWORD_PTR ignored = 0;
    return SendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]), &ignored)
               ? kOk
               : kNotFound;
}

bool IsListBox(HWND control) { return _stricmp(ClassOf(control).c_str(), "ListBox") == 0; }

// First line: the item count and the selected index (-1 for none). Then one line
// per item, escaped. Works for list boxes and combo boxes.
int CmdListItems(int argc, char** argv) {
    HWND control = ResolveControl(argc, argv);
    if (!control) return kNotFound;
    const bool list = IsListBox(control);
    DWORD_PTR count = 0, selected = 0;
    if (!SendWithTimeout(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0, &count) ||
        !SendWithTimeout(control, list ? LB_GETCURSEL : CB_GETCURSEL, 0, 0, &selected)) {
        return kNotFound;
    }
    std::printf("%d %d\n", static_cast<int>(count), static_cast<int>(selected));
    // Asked in UTF-16: Wine hands an ANSI caller of another process the item text in
    // UTF-16 all the same.
    for (int i = 0; i < static_cast<int>(count); ++i) {
        DWORD_PTR len = 0;
        if (!SendMessageTimeoutW(control, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0, SMTO_NORMAL,
                                 kSendTimeoutMs, &len) ||
            len >= 4096) {
            len = 0;
        }
        std::vector<wchar_t> wide(static_cast<size_t>(len) + 1, L'\0');
        DWORD_PTR ignored = 0;
        if (len > 0)
            SendMessageTimeoutW(control, list ? LB_GETTEXT : CB_GETLBTEXT, i,
                                reinterpret_cast<LPARAM>(wide.data()), SMTO_NORMAL, kSendTimeoutMs,
                                &ignored);
        wide.back() = L'\0';
        char text[4 * 4096] = {};
        WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text, sizeof text, nullptr, nullptr);
        PrintEscaped(text);
    }
    return kOk;
}

// Selects an item of a list or combo box and tells the dialog, as a click would
// (a programmatic selection sends no notification). "double" adds the double click.
int CmdSelectItem(int argc, char** argv) {
    long long index = 0;
    if (argc < 3 || !ParseNumber(argv[2], &index)) return kUsage;
    HWND control = ResolveControl(argc, argv);
    if (!control) return kNotFound;
    const bool list = IsListBox(control);
    DWORD_PTR ignored = 0;
    if (!SendWithTimeout(control, list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0,
                         &ignored)) {
        return kNotFound;
    }
    const WORD id = static_cast<WORD>(GetDlgCtrlID(control));
    const LPARAM from = reinterpret_cast<LPARAM>(control);
    HWND parent = GetParent(control);
    PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, list ? LBN_SELCHANGE : CBN_SELCHANGE), from);
    if (list && argc >= 4 && std::strcmp(argv[3], "double") == 0)
        PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), from);
    return kOk;
}

// "enabled|disabled checked|unchecked|indeterminate visible|hidden L T R B"; the
// check state is that of a button, "unchecked" for any other control; the
// rectangle is in screen coordinates.
int CmdItemState(int argc, char** argv) {
    HWND control = ResolveControl(argc, argv);
    if (!control) return kNotFound;
    DWORD_PTR check = 0;
    if (_stricmp(ClassOf(control).c_str(), "Button") == 0)
        SendWithTimeout(control, BM_GETCHECK, 0, 0, &check);
    RECT rect = {};
    GetWindowRect(control, &rect);
    std::printf("%s %s %s %ld %ld %ld %ld\n", IsWindowEnabled(control) ? "enabled" : "disabled",
                check == BST_CHECKED         ? "checked"
                : check == BST_INDETERMINATE ? "indeterminate"
                                             : "unchecked",
                IsWindowVisible(control) ? "visible" : "hidden", rect.left, rect.top, rect.right,
                rect.bottom);
    return kOk;
}

// The control id of the window that has the keyboard focus in the thread of
// the given window (0 when the focus is on no control).
int CmdFocus(int argc, char** argv) {
    if (argc < 1) return kUsage;
    HWND hwnd = ResolveDialog(argv[0]);
    if (!hwnd) return kNotFound;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info)) return kNotFound;
    std::printf("%d\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
    return kOk;
}

// The system's foreground window and the active window of the given window's
// thread, as handles.
int CmdActive(int argc, char** argv) {
    if (argc < 1) return kUsage;
    HWND hwnd = ResolveDialog(argv[0]);
    if (!hwnd) return kNotFound;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info)) return kNotFound;
    std::printf("%llu %llu\n", HandleValue(GetForegroundWindow()), HandleValue(info.hwndActive));
    return kOk;
}

// Draws an icon of an executable's resources over a solid background, as a tray or
// a window would show it, and writes the result as BMP. The icon image is chosen for
// LOADSIZE (default SIZE) and drawn at SIZE, so "32 loaded, 16 drawn" shows what a
// 32x32 icon handle looks like shrunk into the tray.
int CmdRenderIcon(int argc, char** argv) {
    long long size = 0, red = 0, green = 0, blue = 0;
    if (argc < 7 || !ParseNumber(argv[2], &size) || !ParseNumber(argv[3], &red) ||
        !ParseNumber(argv[4], &green) || !ParseNumber(argv[5], &blue) || size <= 0) {
        return kUsage;
    }
    HMODULE module = LoadLibraryExA(argv[0], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return kNotFound;
    long long loadSize = size;
    if (argc >= 8 && (!ParseNumber(argv[7], &loadSize) || loadSize <= 0)) {
        FreeLibrary(module);
        return kUsage;
    }
    HICON icon = static_cast<HICON>(LoadImageA(
        module, argv[1], IMAGE_ICON, static_cast<int>(loadSize), static_cast<int>(loadSize), 0));
    int status = kNotFound;
    if (icon) {
        const int side = static_cast<int>(size);
        DibCanvas canvas(side, side);
        if (canvas.ok()) {
            HBRUSH background = CreateSolidBrush(RGB(red, green, blue));
            RECT all = {0, 0, side, side};
            FillRect(canvas.dc, &all, background);
            DeleteObject(background);
            if (DrawIconEx(canvas.dc, 0, 0, icon, side, side, 0, nullptr, DI_NORMAL)) {
                GdiFlush();
                status = WriteBmp(argv[6], side, side, canvas.bits) ? kOk : kNotFound;
            }
        }
        DestroyIcon(icon);
    }
    FreeLibrary(module);
    return status;
}

// ---------------------------------------------------------------- dialogs


int ControlId(HWND hwnd) { return static_cast<short>(GetDlgCtrlID(hwnd)); }

// Direct children only, in the order of the template.
std::vector<HWND> DirectChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        children.push_back(c);
    return children;
}

// One line per control: id, class, text, style (hex), enabled, visible, check
// state (buttons; "-" otherwise), its screen rectangle and its handle.
int CmdControls(int argc, char** argv) {
    if (argc < 1) return kUsage;
    HWND dialog = ResolveDialog(argv[0]);
    if (!dialog) return kNotFound;
    for (HWND c : DirectChildren(dialog)) {
        RECT r = {};
        GetWindowRect(c, &r);
        const std::string cls = ClassOf(c);
        char check[8] = "-";
        if (_stricmp(cls.c_str(), "Button") == 0)
            std::snprintf(check, sizeof check, "%d",
                          static_cast<int>(SendMessageA(c, BM_GETCHECK, 0, 0)));
        std::printf(
            "%d\t%s\t%s\t%08lx\t%s\t%s\t%s\t%ld %ld %ld %ld\t%llu\n", ControlId(c), cls.c_str(),
            WindowText(c).c_str(), static_cast<unsigned long>(GetWindowLongA(c, GWL_STYLE)),
            IsWindowEnabled(c) ? "enabled" : "disabled", IsWindowVisible(c) ? "visible" : "hidden",
            check, r.left, r.top, r.right, r.bottom, HandleValue(c));
    }
    return kOk;
}

HWND DialogControl(const char* dialogText, const char* idText) {
    long long id = 0;
    HWND dialog = ResolveDialog(dialogText);
    if (!dialog || !ParseNumber(idText, &id)) return nullptr;
    return GetDlgItem(dialog, static_cast<int>(id));
}

bool IsComboBox(HWND hwnd) { return _stricmp(ClassOf(hwnd).c_str(), "ComboBox") == 0; }

// First line: item count and the current selection (-1 for none). Then one
// line per item: index, 1 when selected, text.
int CmdListEntries(int argc, char** argv) {
    if (argc < 2) return kUsage;
    HWND list = DialogControl(argv[0], argv[1]);
    if (!list) return kNotFound;
    const bool combo = IsComboBox(list);
    const LRESULT count = SendMessageA(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    const LRESULT current = SendMessageA(list, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    std::printf("%ld\t%ld\n", static_cast<long>(count), static_cast<long>(current));
    for (LRESULT i = 0; i < count; ++i) {
        // Asked for in UTF-16: Wine hands item texts across processes as wide
        // strings whatever the sender asked for.
        wchar_t wide[1024] = L"";
        const LRESULT len = SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0);
        if (len >= 0 && len < 1024)
            SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                         reinterpret_cast<LPARAM>(wide));
        char text[2048] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        const int selected =
            combo ? (i == current) : (SendMessageA(list, LB_GETSEL, i, 0) > 0 ? 1 : 0);
        std::printf("%ld\t%d\t%s\n", static_cast<long>(i), selected, text);
    }
    return kOk;
}

// Chooses an item as a user would: a combo box selects it, a multiple-choice
// list toggles it; the dialog hears of the change as from the user.
int CmdSelect(int argc, char** argv) {
    long long index = 0;
    if (argc < 3 || !ParseNumber(argv[2], &index)) return kUsage;
    HWND list = DialogControl(argv[0], argv[1]);
    if (!list) return kNotFound;
    const int id = GetDlgCtrlID(list);
    if (IsComboBox(list)) {
        if (SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0) == CB_ERR)
            return kNotFound;
        PostMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        return kOk;
    }
    const LRESULT selected = SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(index), 0);
    if (selected == LB_ERR) return kNotFound;
    SendMessageA(list, LB_SETSEL, selected ? FALSE : TRUE, static_cast<LPARAM>(index));
    PostMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return kOk;
}

// A window's text asked for in UTF-16, which reaches controls of other
// processes that keep their text as wide strings (tooltips, for one).
int CmdText(int argc, char** argv) {
    if (argc < 1) return kUsage;
    HWND hwnd = ResolveTarget(argv[0]);
    if (!hwnd) return kNotFound;
    wchar_t wide[1024] = L"";
    DWORD_PTR got = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide), SMTO_NORMAL, 5000,
                        &got);
    wide[1023] = L'\0';
    char text[2048] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    std::printf("%s\n", text);
    return kOk;
}

// Clicks a control by id (BM_CLICK, posted: a modal loop it starts must not
// hold the driver).
int CmdClickControl(int argc, char** argv) {
    if (argc < 2) return kUsage;
    HWND control = DialogControl(argv[0], argv[1]);
    if (!control) return kNotFound;
    return PostMessageA(control, BM_CLICK, 0, 0) ? kOk : kNotFound;
}

// Moves a trackbar's thumb and tells its dialog, as a drag would.
int CmdSetTrackbar(int argc, char** argv) {
    long long pos = 0;
    if (argc < 3 || !ParseNumber(argv[2], &pos)) return kUsage;
    HWND bar = DialogControl(argv[0], argv[1]);
    if (!bar) return kNotFound;
    SendMessageA(bar, TBM_SETPOS, TRUE, static_cast<LPARAM>(pos));
    PostMessageA(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, pos),
                 reinterpret_cast<LPARAM>(bar));
    return kOk;
}

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(freq.QuadPart);
}

// Watches the screen pixels of a control for DURATION_MS and prints the time
// (ms from the start) of every change seen, one per line. The screen is read
// every few milliseconds, from inside the desktop, so the times are close.
int CmdWatch(int argc, char** argv) {
    long long duration = 0;
    if (argc < 3 || !ParseNumber(argv[2], &duration)) return kUsage;
    HWND control = DialogControl(argv[0], argv[1]);
    if (!control) return kNotFound;
    RECT r;
    GetWindowRect(control, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return kNotFound;
    DibCanvas canvas(w, h);
    if (!canvas.ok()) return kNotFound;
    const size_t bytes = static_cast<size_t>(w) * h * 4;
    std::vector<unsigned char> last(bytes);
    BitBlt(canvas.dc, 0, 0, w, h, canvas.screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::memcpy(last.data(), canvas.bits, bytes);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    timeBeginPeriod(1);
    while (MillisecondsSince(start) < static_cast<double>(duration)) {
        BitBlt(canvas.dc, 0, 0, w, h, canvas.screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        if (std::memcmp(last.data(), canvas.bits, bytes) != 0) {
            std::memcpy(last.data(), canvas.bits, bytes);
            std::printf("%.1f\n", MillisecondsSince(start));
        }
        Sleep(2);
    }
    timeEndPeriod(1);
    return kOk;
}

HWND WaitDialog(const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND d = ResolveDialog(title)) return d;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(5);
    }
}

bool WaitGone(HWND hwnd, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(hwnd)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(5);
    }
    return true;
}

// Opens the options dialog N times through the main window's command 1001,
// lets it run HOLD_MS, and closes it in turn with Cancel, OK and Apply + OK.
// Prints the number of completed cycles.
int CmdCycleOptions(int argc, char** argv) {
    long long count = 0, hold = 0;
    if (argc < 2 || !ParseNumber(argv[0], &count) || !ParseNumber(argv[1], &hold)) return kUsage;
    HWND main = FindTopLevel("festoonWClass", nullptr);
    if (!main) return kNotFound;
    long long done = 0;
    for (; done < count; ++done) {
        PostMessageA(main, WM_SYSCOMMAND, 1001, 0);
        HWND dialog = WaitDialog("Options", 10000);
        if (!dialog) break;
        Sleep(static_cast<DWORD>(hold));
        if (done % 3 == 2) PostMessageA(dialog, WM_COMMAND, 156, 0);
        PostMessageA(dialog, WM_COMMAND, done % 3 == 0 ? IDCANCEL : IDOK, 0);
        if (!WaitGone(dialog, 10000)) break;
    }
    std::printf("%lld\n", done);
    return done == count ? kOk : kNotFound;
}

// Time from posting the open command to the dialog's first complete paint:
// its preview (control 161) showing bulbs. Prints milliseconds.
int CmdTimeOpen(int, char**) {
    HWND main = FindTopLevel("festoonWClass", nullptr);
    if (!main) return kNotFound;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    PostMessageA(main, WM_SYSCOMMAND, 1001, 0);
    HWND dialog = WaitDialog("Options", 10000);
    if (!dialog) return kNotFound;
    HWND preview = GetDlgItem(dialog, 161);
    if (!preview) return kNotFound;
    RECT r;
    GetWindowRect(preview, &r);
    HDC screen = GetDC(nullptr);
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    bool painted = false;
    while (!painted && MillisecondsSince(start) < 10000) {
        // The preview's middle row: red or green bulbs, lit or dark, never grey.
        for (int x = cx - 44; x < cx + 44 && !painted; ++x) {
            const COLORREF c = GetPixel(screen, x, cy);
            const int red = GetRValue(c), green = GetGValue(c), blue = GetBValue(c);
            painted =
                (red > green + 60 && red > blue + 60) || (green > red + 60 && green > blue + 60);
        }
        if (!painted) Sleep(1);
    }
    ReleaseDC(nullptr, screen);
    if (!painted) return kNotFound;
    std::printf("%.1f\n", MillisecondsSince(start));
    return kOk;
}

// Changes the display's size, as docking a laptop to a larger monitor does; under
// Wine this resizes the virtual desktop. Prints the size the system then reports.
int CmdDisplayMode(int argc, char** argv) {
    long long width = 0, height = 0;
    if (argc < 2 || !ParseNumber(argv[0], &width) || !ParseNumber(argv[1], &height) || width <= 0 ||
        height <= 0) {
        return kUsage;
    }
    DEVMODEA mode = {};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsA(&mode, 0);
    std::printf("%ld %d %d\n", result, GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN));
    return result == DISP_CHANGE_SUCCESSFUL ? kOk : kNotFound;
}

int Usage() {
    std::fputs("usage: festoon_driver COMMAND ...\n"
               "  find CLASS [TITLE]                  print the window handle\n"
               "  count CLASS                         number of top-level windows of CLASS\n"
               "  wait CLASS TIMEOUT_MS               wait for a window of CLASS\n"
               "  wait-gone CLASS TIMEOUT_MS          wait until no window of CLASS is left\n"
               "  post HWND|CLASS MSG WPARAM LPARAM   PostMessage (MSG a number or WM_ name)\n"
               "  send HWND|CLASS MSG WPARAM LPARAM [COUNT]\n"
               "                                      SendMessage (COUNT times), print the result\n"
               "  send-registered HWND|CLASS NAME WPARAM LPARAM\n"
               "  menu-items                          items of the open popup menu\n"
               "  windows [all]                       top-level windows\n"
               "  children HWND|CLASS                 child windows\n"
               "  style HWND|CLASS                    style and extended style\n"
               "  appbar-query                        rectangle the shell offers a new top bar\n"
               "  capture FILE.bmp [X Y W H]          screen capture\n"
               "  click X Y [right]                   mouse click through SendInput\n"
               "  press-button DIALOG TEXT            BM_CLICK a dialog's button\n"
               "  item-text DIALOG ID                 a control's text, escaped on one line\n"
               "  set-text DIALOG ID TEXT             WM_SETTEXT to a control\n"
               "  list-items DIALOG ID                count and selection, then the items\n"
               "  select-item DIALOG ID INDEX [double] select a list item and notify\n"
               "  item-state DIALOG ID                enabled, checked, visible, rectangle\n"
               "  focus DIALOG                        id of the control with the focus\n"
               "  active HWND|CLASS|CAPTION           foreground and active window handles\n"
               "  render-icon EXE NAME SIZE R G B FILE.bmp [LOADSIZE]\n"
               "  tray-delete HWND|CLASS ID           remove that window's tray icon\n"
               "  controls DIALOG                     a dialog's controls (DIALOG: handle or caption)\n"
               "  list-entries DIALOG ID              items of a list or combo box, with selection\n"
               "  select DIALOG ID INDEX              choose (or toggle) a list item\n"
               "  click-control DIALOG ID             BM_CLICK a control by id\n"
               "  set-trackbar DIALOG ID POS          move a trackbar as a drag would\n"
               "  watch DIALOG ID DURATION_MS         times at which a control's pixels change\n"
               "  cycle-options N HOLD_MS             open and close the options dialog N times\n"
               "  time-open                           ms from command 1001 to the options' first paint\n"

               "  display-mode WIDTH HEIGHT           change the display's size\n",
               stderr);
    return kUsage;
}

int CmdWaitFor(int argc, char** argv) { return CmdWait(argc, argv, false); }
int CmdWaitGone(int argc, char** argv) { return CmdWait(argc, argv, true); }
int CmdPost(int argc, char** argv) { return CmdMessage(argc, argv, false); }
int CmdSend(int argc, char** argv) { return CmdMessage(argc, argv, true); }
int CmdMenu(int, char**) { return CmdMenuItems(); }

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
};

constexpr Command kCommands[] = {
    {"find", CmdFind},
    {"count", CmdCount},
    {"wait", CmdWaitFor},
    {"wait-gone", CmdWaitGone},
    {"post", CmdPost},
    {"send", CmdSend},
    {"send-registered", CmdSendRegistered},
    {"menu-items", CmdMenu},
    {"windows", CmdWindows},
    {"children", CmdChildren},
    {"style", CmdStyle},
    {"appbar-query", CmdAppBarQuery},
    {"capture", CmdCapture},
    {"click", CmdClick},
    {"press-button", CmdPressButton},
    {"item-text", CmdItemText},
    {"set-text", CmdSetText},
    {"list-items", CmdListItems},
    {"select-item", CmdSelectItem},
    {"item-state", CmdItemState},
    {"focus", CmdFocus},
    {"active", CmdActive},
    {"render-icon", CmdRenderIcon},
    {"tray-delete", CmdTrayDelete},
    {"controls", CmdControls},
    {"text", CmdText},
    {"list-entries", CmdListEntries},
    {"select", CmdSelect},
    {"click-control", CmdClickControl},
    {"set-trackbar", CmdSetTrackbar},
    {"watch", CmdWatch},
    {"cycle-options", CmdCycleOptions},
    {"time-open", CmdTimeOpen},
    {"display-mode", CmdDisplayMode},
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    int status = kUsage;
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) status = command.run(argc - 2, argv + 2);
    }
    if (status == kUsage) Usage();
    std::fflush(stdout);
    return status;
}
