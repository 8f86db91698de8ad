// festoon_rescheck: loads festoon.exe as a data file and checks every resource the
// program names through the real resource calls (FindResourceA, LoadImageA,
// LoadStringA), then opens xmastune.mid with the MCI sequencer and prints its
// length. Usage: festoon_rescheck [path\festoon.exe]; by default the festoon.exe
// beside this program. Exit code 0 when every check passes.
#include "rescheck.h"

#include "expected_names.h"
#include "media_reader.h"

#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace rescheck {

namespace {
int gChecks = 0, gFailures = 0;
}

bool Check(bool ok, const std::string& what) {
    ++gChecks;
    if (!ok) {
        ++gFailures;
        std::printf("FAIL: %s\n", what.c_str());
    }
    return ok;
}

int Failures() { return gFailures; }

} // namespace rescheck

using namespace rescheck;

namespace {

// Wine passes Unix paths through unchanged; its Z: drive is the Unix root.
std::string WindowsPath(std::string p) {
    if (!p.empty() && p[0] == '/') p = "Z:" + p;
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

std::string Dir(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string LoadText(HMODULE exe, UINT id) {
    char buf[4096];
    int n = LoadStringA(exe, id, buf, sizeof buf);
    return n > 0 ? std::string(buf, size_t(n)) : std::string();
}

void CheckStrings(HMODULE exe) {
    struct Fixed {
        UINT id;
        const char* text;
    };
    const Fixed fixed[] = {
        {3000, "<No calendar events defined>"},
        {3600, "OFF"},
        {3601, "ON"},
        {3800, "Falling Snow"},
        {3801, "Warp Drive"},
        {3802, "Exploding Fireworks"},
        {3803, "Curves!"},
        {3804, "Caterpillar"},
        {3805, "Blank Screen"},
        {3806, "Sparks!"},
        {4000, "Very Slow"},
        {4001, "Slow"},
        {4002, "Medium"},
        {4003, "Fast"},
        {4004, "Very Fast"},
        {4500, "Festoon"},
        {4999, "Random"},
        {5000, "Normal"},
        {5003, "Snow Flakes"},
        {5008, "U.S. Flag"},
        {5009, "Star of David"},
        {5018, "XMas Trees"},
        {5024, "Umbrellas"},
        {5999, "LightRandom"},
        {6000, "Light10"},
        {6014, "Lantern21"},
        {6024, "umbrella13"},
        {9000, "2.21"},
        {14500, "Christmas"},
        {14501, "Halloween"},
        {14502, "St. Patrick's Day"},
        {14503, "Valentine's Day"},
        {14504, "4th of July"},
        {2000, "Introduction"},
        {2001, "Flashing Mode"},
        {2002, "Flash Rate"},
        {2003, "Bulbs"},
        {2004, "Color"},
        {2005, "Music"},
        {2006, "Screen Saver"},
        {2007, "Power"},
        {2008, "Misc"},
        {2009, "Credits"},
    };
    for (const Fixed& f : fixed)
        Check(LoadText(exe, f.id) == f.text,
              "string " + std::to_string(f.id) + " reads \"" + f.text + "\"");
    // Lists are read until the first missing string: each run must be unbroken and end.
    const UINT runs[][2] = {{2000, 2010}, {2500, 2510}, {3800, 3807},
                            {4000, 4005}, {4999, 5025}, {5999, 6025}};
    for (const auto& r : runs) {
        for (UINT id = r[0]; id < r[1]; ++id)
            Check(!LoadText(exe, id).empty(), "string " + std::to_string(id) + " exists");
        Check(LoadText(exe, r[1]).empty(), "string " + std::to_string(r[1]) + " ends its list");
    }
    for (UINT id = 2500; id < 2510; ++id) {
        std::string t = LoadText(exe, id);
        Check(t.size() > 150 && t.size() < 1024,
              "help text " + std::to_string(id) + " fits the 1023-character buffer");
    }
    Check(LoadText(exe, 2500).find("pply (or OK)") != std::string::npos,
          "the introduction says to click Apply (or OK)");
    // Every style list entry names an icon that loads, as the list painter asks for it.
    for (UINT id = 5999; id <= 6024; ++id) {
        std::string name = LoadText(exe, id);
        HANDLE h = LoadImageA(exe, name.c_str(), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR);
        Check(h != nullptr, "style preview icon \"" + name + "\" loads");
        if (h) DestroyIcon(static_cast<HICON>(h));
    }
}

void CheckBitmaps(HMODULE exe) {
    for (const restest::ExpectedBitmap& b : restest::Bitmaps()) {
        bool number = b.name.find_first_not_of("0123456789") == std::string::npos;
        LPCSTR id = number ? MAKEINTRESOURCEA(std::atoi(b.name.c_str())) : b.name.c_str();
        HBITMAP bmp =
            static_cast<HBITMAP>(LoadImageA(exe, id, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (!Check(bmp != nullptr, "bitmap " + b.name + " loads")) continue;
        BITMAP info{};
        GetObjectA(bmp, sizeof info, &info);
        if (b.w)
            Check(info.bmWidth == b.w && info.bmHeight == b.h,
                  "bitmap " + b.name + " is " + std::to_string(b.w) + "x" + std::to_string(b.h) +
                      ", found " + std::to_string(info.bmWidth) + "x" +
                      std::to_string(info.bmHeight));
        else
            Check(info.bmWidth >= 16 && info.bmHeight >= 16, "bitmap " + b.name + " has a picture");
        DeleteObject(bmp);
    }
    // The power switch is painted by name in lower case.
    for (const char* n : {"p1400", "p1401", "BulbSeq"}) {
        HBITMAP bmp = static_cast<HBITMAP>(LoadImageA(exe, n, IMAGE_BITMAP, 0, 0, 0));
        Check(bmp != nullptr, std::string("bitmap \"") + n + "\" loads by that spelling");
        if (bmp) DeleteObject(bmp);
    }
}

void CheckCursorAndSound(HMODULE exe) {
    HCURSOR cur =
        static_cast<HCURSOR>(LoadImageA(exe, "NullCursor", IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    if (Check(cur != nullptr, "cursor NullCursor loads")) {
        // Drawn over white and over black, a blank cursor changes nothing.
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, dib);
        bool blank = true;
        for (uint32_t bg : {0x00FFFFFFu, 0x00000000u}) {
            uint32_t* p = static_cast<uint32_t*>(bits);
            for (int i = 0; i < 32 * 32; ++i) p[i] = bg;
            DrawIconEx(dc, 0, 0, cur, 32, 32, 0, nullptr, DI_NORMAL);
            GdiFlush();
            for (int i = 0; i < 32 * 32; ++i) blank = blank && (p[i] & 0xFFFFFF) == bg;
        }
        Check(blank, "NullCursor draws nothing");
        SelectObject(dc, old);
        DeleteObject(dib);
        DeleteDC(dc);
        DestroyCursor(cur);
    }

    HRSRC res = FindResourceA(exe, "Keyclick", "WAVE");
    if (!Check(res != nullptr, "WAVE resource Keyclick exists")) return;
    HGLOBAL mem = LoadResource(exe, res);
    const uint8_t* data = mem ? static_cast<const uint8_t*>(LockResource(mem)) : nullptr;
    DWORD size = SizeofResource(exe, res);
    if (!Check(data != nullptr, "Keyclick loads")) return;
    auto w = restest::ParseWave(data, size);
    Check(w.has_value(), "Keyclick is a RIFF/WAVE file");
    if (w)
        Check(w->format == 1 && w->channels == 2 && w->rate == 22050 && w->bits == 8 &&
                  w->samples.size() == 2000,
              "Keyclick is PCM, 2 channels, 22050 Hz, 8 bits, 2000 bytes");
}

void CheckTune(const std::string& midPath) {
    char shortPath[MAX_PATH];
    DWORD n = GetShortPathNameA(midPath.c_str(), shortPath, sizeof shortPath);
    if (!Check(n > 0 && n < sizeof shortPath, "xmastune.mid exists beside festoon.exe: " + midPath))
        return;
    char reply[256] = "";
    std::string open = std::string("open sequencer!") + shortPath + " alias rescheck_tune";
    MCIERROR err = mciSendStringA(open.c_str(), reply, sizeof reply - 1, nullptr);
    if (!Check(err == 0, "MCI opens xmastune.mid (error " + std::to_string(err) + ")")) return;
    reply[0] = 0;
    err = mciSendStringA("status rescheck_tune length", reply, sizeof reply - 1, nullptr);
    long ms = std::atol(reply);
    std::printf("xmastune.mid: MCI length %s ms\n", reply);
    Check(err == 0 && ms > 60000, "the tune lasts more than a minute");
    mciSendStringA("close rescheck_tune", nullptr, 0, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    std::string exePath;
    if (argc > 1) {
        exePath = WindowsPath(argv[1]);
    } else {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, sizeof self);
        exePath = Dir(self) + "festoon.exe";
    }
    HMODULE exe = LoadLibraryExA(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!exe) {
        std::printf("FAIL: cannot load %s (error %lu)\n", exePath.c_str(), GetLastError());
        return 2;
    }
    CheckIcons(exe);
    CheckStrings(exe);
    CheckBitmaps(exe);
    CheckCursorAndSound(exe);
    CheckTune(Dir(exePath) + "xmastune.mid");
    FreeLibrary(exe);
    std::printf("festoon_rescheck: %d failure(s)\n", Failures());
    return Failures() ? 1 : 0;
}
