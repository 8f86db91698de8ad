// festoon_driver: a small console program that the end-to-end tests run under Wine,
// on the same virtual desktop as festoon.exe, to look at the program from outside:
// find its windows, send it messages, read its popup menu, press buttons, click and
// capture the screen. Every subcommand prints plain text and exits 0 on success,
// 1 when the thing asked for is not there and 2 on a usage error.
#include <windows.h>
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
               "  send HWND|CLASS MSG WPARAM LPARAM   SendMessage, print the result\n"
               "  send-registered HWND|CLASS NAME WPARAM LPARAM\n"
               "  menu-items                          items of the open popup menu\n"
               "  windows [all]                       top-level windows\n"
               "  children HWND|CLASS                 child windows\n"
               "  capture FILE.bmp [X Y W H]          screen capture\n"
               "  click X Y [right]                   mouse click through SendInput\n"
               "  press-button DIALOG TEXT            BM_CLICK a dialog's button\n"
               "  render-icon EXE NAME SIZE R G B FILE.bmp [LOADSIZE]\n"
               "  tray-delete HWND|CLASS ID           remove that window's tray icon\n"
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
    {"capture", CmdCapture},
    {"click", CmdClick},
    {"press-button", CmdPressButton},
    {"render-icon", CmdRenderIcon},
    {"tray-delete", CmdTrayDelete},
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
