// Icon checks of festoon_rescheck. Each icon is examined twice: its group
// directory and images as stored (FindResourceA of RT_GROUP_ICON and RT_ICON), and
// as the program sees it, loaded with LoadImageA by a lower-case name and drawn
// with DrawIconEx over white and over black, which shows exactly what the mask
// lets through. The string is drawn without erasing, so the key check draws a lit
// bulb and then the unlit one over it and expects the unlit picture alone.
#include "rescheck.h"

#include "expected_names.h"
#include "icon_reader.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <vector>

namespace rescheck {

namespace {

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

LPCSTR ResName(const std::string& name) {
    bool number = name.find_first_not_of("0123456789") == std::string::npos;
    return number ? MAKEINTRESOURCEA(std::atoi(name.c_str())) : name.c_str();
}

std::string Lower(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The stored images of one icon group, keyed by (size, bits).
std::map<std::pair<int, int>, restest::IconImage> StoredImages(HMODULE exe,
                                                               const std::string& name) {
    std::map<std::pair<int, int>, restest::IconImage> out;
    HRSRC grp = FindResourceA(exe, ResName(name), MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    if (!Check(grp != nullptr, "icon group " + name + " exists")) return out;
    const uint8_t* dir = static_cast<const uint8_t*>(LockResource(LoadResource(exe, grp)));
    if (!dir) return out;
    WORD count = *reinterpret_cast<const WORD*>(dir + 4);
    for (WORD i = 0; i < count; ++i) {
        GroupEntry e;
        memcpy(&e, dir + 6 + 14 * i, sizeof e);
        HRSRC img = FindResourceA(exe, MAKEINTRESOURCEA(e.id), MAKEINTRESOURCEA(3)); // RT_ICON
        if (!Check(img != nullptr, name + ": image " + std::to_string(e.id) + " exists")) continue;
        const uint8_t* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(exe, img)));
        auto parsed = restest::ParseIconDib(bytes, SizeofResource(exe, img));
        if (!Check(parsed.has_value(),
                   name + ": image " + std::to_string(e.id) + " is a readable icon image"))
            continue;
        Check(parsed->w == (e.width ? e.width : 256) && parsed->bits == e.bits,
              name + ": directory matches image");
        out[{parsed->w, parsed->bits}] = *parsed;
    }
    return out;
}

void CheckStored(HMODULE exe, const std::string& name, bool small) {
    auto images = StoredImages(exe, name);
    for (int size : small ? std::vector<int>{32, 16} : std::vector<int>{32}) {
        auto deep = images.find({size, 32}), pal = images.find({size, 8});
        std::string what = name + " " + std::to_string(size) + "x" + std::to_string(size);
        if (!Check(deep != images.end(), what + " has a 32-bit image") ||
            !Check(pal != images.end(), what + " has a 256-colour image"))
            continue;
        Check(deep->second.clear == pal->second.clear, what + ": both depths share one mask");
        bool hard = true;
        for (uint8_t a : deep->second.alpha) hard = hard && (a == 0 || a == 255);
        Check(hard, what + ": alpha is only 0 or 255");
    }
}

struct Drawn {
    std::vector<bool> opaque;
    std::vector<uint32_t> colour;
    bool ok = false;
};

class Canvas {
  public:
    Canvas() {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        dib_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr,
                                0);
        old_ = SelectObject(dc_, dib_);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(dib_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    void Clear(uint32_t c) {
        for (int i = 0; i < 32 * 32; ++i) bits_[i] = c;
    }
    void Draw(HICON icon) {
        DrawIconEx(dc_, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
        GdiFlush();
    }
    std::vector<uint32_t> Pixels() const {
        std::vector<uint32_t> p(bits_, bits_ + 32 * 32);
        for (auto& v : p) v &= 0xFFFFFF;
        return p;
    }

  private:
    HDC dc_;
    HBITMAP dib_;
    HGDIOBJ old_;
    uint32_t* bits_ = nullptr;
};

HICON LoadByName(HMODULE exe, const std::string& name) {
    return static_cast<HICON>(
        LoadImageA(exe, Lower(name).c_str(), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
}

Drawn DrawIcon(Canvas& c, HMODULE exe, const std::string& name) {
    Drawn d;
    HICON icon = LoadByName(exe, name);
    if (!Check(icon != nullptr, "icon \"" + Lower(name) + "\" loads with LoadImageA")) return d;
    c.Clear(0xFFFFFF);
    c.Draw(icon);
    std::vector<uint32_t> onWhite = c.Pixels();
    c.Clear(0x000000);
    c.Draw(icon);
    std::vector<uint32_t> onBlack = c.Pixels();
    DestroyIcon(icon);
    d.opaque.resize(32 * 32);
    d.colour = onBlack;
    bool hard = true;
    for (int i = 0; i < 32 * 32; ++i) {
        d.opaque[i] = onWhite[i] != 0xFFFFFF || onBlack[i] != 0;
        if (d.opaque[i] && onWhite[i] != onBlack[i]) hard = false;
    }
    Check(hard, name + ": every drawn pixel is either fully covered or left alone");
    d.ok = true;
    return d;
}

// Draws `first` and then `second` over a background, as two steps of the string do.
std::vector<uint32_t> Overdraw(Canvas& c, HMODULE exe, const std::string& first,
                               const std::string& second) {
    HICON a = LoadByName(exe, first), b = LoadByName(exe, second);
    c.Clear(0x3A6EA5);
    if (a) c.Draw(a);
    if (b) c.Draw(b);
    if (a) DestroyIcon(a);
    if (b) DestroyIcon(b);
    return c.Pixels();
}

} // namespace

void CheckIcons(HMODULE exe) {
    for (const std::string& name : restest::AllBulbIcons()) CheckStored(exe, name, false);
    for (const restest::ProgramIcon& p : restest::ProgramIcons()) CheckStored(exe, p.name, p.small);

    Canvas canvas;
    std::map<std::string, Drawn> drawn;
    for (const std::string& name : restest::AllBulbIcons())
        drawn[name] = DrawIcon(canvas, exe, name);

    const Drawn& wire = drawn["NOLIGHT"];
    if (wire.ok) {
        for (const auto& kv : drawn) {
            if (!kv.second.ok) continue;
            bool same = true;
            for (int i = 0; i < 7 * 32; ++i)
                same = same && kv.second.opaque[i] == wire.opaque[i] &&
                       (!wire.opaque[i] || kv.second.colour[i] == wire.colour[i]);
            Check(same, kv.first + ": the wire in rows 0-6 matches every other bulb icon");
        }
    }

    for (const restest::IconPair& p : restest::BulbIconPairs()) {
        const Drawn& u = drawn[p.unlit];
        const Drawn& l = drawn[p.lit];
        if (!u.ok || !l.ok) continue;
        Check(u.opaque == l.opaque, p.unlit + " and " + p.lit + " have the same silhouette");
        std::vector<uint32_t> alone = Overdraw(canvas, exe, p.unlit, p.unlit);
        Check(Overdraw(canvas, exe, p.lit, p.unlit) == alone, p.unlit + " fully covers " + p.lit);
        alone = Overdraw(canvas, exe, p.lit, p.lit);
        Check(Overdraw(canvas, exe, p.unlit, p.lit) == alone, p.lit + " fully covers " + p.unlit);
    }

    for (const std::string& name : restest::ListPreviewIcons()) {
        HICON icon =
            static_cast<HICON>(LoadImageA(exe, name.c_str(), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
        Check(icon != nullptr, "colour list icon \"" + name + "\" loads");
        if (icon) DestroyIcon(icon);
    }
    for (const char* name : {"festoonIcon", "trayIcon", "AAAIcon"}) {
        HICON icon = LoadIconA(exe, name);
        Check(icon != nullptr, std::string("LoadIconA finds \"") + name + "\"");
    }
    HICON small =
        static_cast<HICON>(LoadImageA(exe, "trayIcon", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (Check(small != nullptr, "trayIcon loads at 16x16")) {
        ICONINFO info{};
        BITMAP bm{};
        if (GetIconInfo(small, &info)) {
            GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
            Check(bm.bmWidth == 16, "trayIcon's small image is 16 pixels wide");
            if (info.hbmColor) DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        DestroyIcon(small);
    }
}

} // namespace rescheck
