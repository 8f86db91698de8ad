// Sprite strips for the light string; see the header for why they exist.
#include "lights/sprites_win.h"

#include <cctype>
#include <cstring>
#include <map>
#include <string>

#include "lights/bulbs.h"
#include "lights/gdi_win.h"

namespace {

constexpr int kCell = festoon::kBulbSize;
constexpr DWORD kRgb = 0x00FFFFFF;

void Fill(DWORD* p, int count, DWORD value) {
    for (int i = 0; i < count; ++i) p[i] = value;
}

} // namespace

int Dib32::Create(int w, int h) {
    Free();
    if (w <= 0 || h <= 0) return 0;
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return 0;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* p = nullptr;
    bmp_ = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    if (bmp_) CountAcquired(kResGdi);
    dc_ = CreateCompatibleDC(screen);
    if (dc_) CountAcquired(kResDc);
    ReleaseDC(nullptr, screen);
    if (bmp_ == nullptr || dc_ == nullptr || p == nullptr) {
        Free();
        return 0;
    }
    old_ = SelectObject(dc_, bmp_);
    bits_ = static_cast<DWORD*>(p);
    width_ = w;
    height_ = h;
    return 1;
}

void Dib32::Free() {
    if (old_) SelectObject(dc_, old_);
    if (dc_ && DeleteDC(dc_)) CountReleased(kResDc);
    if (bmp_ && DeleteObject(bmp_)) CountReleased(kResGdi);
    dc_ = nullptr;
    bmp_ = nullptr;
    old_ = nullptr;
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
}

struct IconCell {
    DWORD mask[kCell * kCell];
    DWORD colors[kCell * kCell];
};

namespace {

// Rendered pictures by upper-case name; a null cell stands for a name with
// no icon, so it is not looked for again either.
std::map<std::string, std::unique_ptr<IconCell>> gCells;

// Draws the icon once over black and once over white: a pixel that comes out
// the same on both is part of the picture, one that differs is transparent.
// That yields the mask whatever form the icon is stored in.
std::unique_ptr<IconCell> RenderIcon(const char* name) {
    HICON icon = LoadCountedIcon(name, kCell);
    if (icon == nullptr) return nullptr;
    auto cell = std::make_unique<IconCell>();
    Dib32 black;
    Dib32 white;
    int ok = black.Create(kCell) && white.Create(kCell);
    if (ok) {
        const int n = kCell * kCell;
        Fill(black.bits(), n, 0);
        Fill(white.bits(), n, kRgb);
        DrawIconEx(black.dc(), 0, 0, icon, kCell, kCell, 0, nullptr, DI_NORMAL);
        DrawIconEx(white.dc(), 0, 0, icon, kCell, kCell, 0, nullptr, DI_NORMAL);
        GdiFlush();
        for (int i = 0; i < n; ++i) {
            const DWORD c = black.bits()[i];
            const bool clear = (c & kRgb) != (white.bits()[i] & kRgb);
            cell->mask[i] = clear ? kRgb : 0;
            cell->colors[i] = clear ? 0 : c;
        }
    }
    DestroyCountedIcon(icon);
    return ok ? std::move(cell) : nullptr;
}

const IconCell* CellFor(const char* name) {
    std::string key(name);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto it = gCells.find(key);
    if (it == gCells.end()) it = gCells.emplace(key, RenderIcon(name)).first;
    return it->second.get();
}

} // namespace

void FreeIconCells() { gCells.clear(); }

const Sprite* SpriteSheet::Load(const char* name) {
    for (const auto& e : entries_)
        if (lstrcmpiA(e->name, name) == 0) return e->cell ? &e->sprite : nullptr;
    auto e = std::make_unique<Entry>();
    lstrcpynA(e->name, name, sizeof e->name);
    e->cell = CellFor(name);
    e->sprite.index = e->cell ? cells_++ : -1;
    const Sprite* result = e->cell ? &e->sprite : nullptr;
    entries_.push_back(std::move(e));
    return result;
}

int SpriteSheet::Finish() {
    const int width = (cells_ > 0 ? cells_ : 1) * kCell;
    if (!color_.Create(width) || !mask_.Create(width)) {
        color_.Free();
        mask_.Free();
        return 0;
    }
    Fill(color_.bits(), width * kCell, 0);
    Fill(mask_.bits(), width * kCell, kRgb);
    for (const auto& e : entries_) {
        if (!e->cell) continue;
        const int x = e->sprite.index * kCell;
        for (int row = 0; row < kCell; ++row) {
            std::memcpy(mask_.bits() + row * width + x, e->cell->mask + row * kCell,
                        kCell * sizeof(DWORD));
            std::memcpy(color_.bits() + row * width + x, e->cell->colors + row * kCell,
                        kCell * sizeof(DWORD));
        }
    }
    return 1;
}

void SpriteSheet::CopyCell(Dib32& mask, Dib32& colors, int x, const Sprite* sprite) const {
    if (x < 0 || x + kCell > mask.width() || x + kCell > colors.width()) return;
    const bool clear = sprite == nullptr || color_.bits() == nullptr;
    const int sx = clear ? 0 : sprite->index * kCell;
    for (int row = 0; row < kCell; ++row) {
        DWORD* m = mask.bits() + row * mask.width() + x;
        DWORD* c = colors.bits() + row * colors.width() + x;
        if (clear) {
            Fill(m, kCell, kRgb);
            Fill(c, kCell, 0);
        } else {
            std::memcpy(m, mask_.bits() + row * mask_.width() + sx, kCell * sizeof(DWORD));
            std::memcpy(c, color_.bits() + row * color_.width() + sx, kCell * sizeof(DWORD));
        }
    }
}
