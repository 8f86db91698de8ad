// Sprite strips for the light string; see the header for why they exist.
#include "lights/sprites_win.h"

#include <cstring>

#include "lights/bulbs.h"
#include "lights/gdi_win.h"

namespace {

constexpr int kCell = festoon::kBulbSize;
constexpr DWORD kRgb = 0x00FFFFFF;

void Fill(DWORD* p, int count, DWORD value) {
    for (int i = 0; i < count; ++i) p[i] = value;
}

} // namespace

int Dib32::Create(int w) {
    Free();
    if (w <= 0) return 0;
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return 0;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -kCell;
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
}

SpriteSheet::~SpriteSheet() {
    for (auto& e : entries_) DestroyCountedIcon(e->icon);
}

const Sprite* SpriteSheet::Load(const char* name) {
    for (const auto& e : entries_)
        if (lstrcmpiA(e->name, name) == 0) return e->icon ? &e->sprite : nullptr;
    auto e = std::make_unique<Entry>();
    lstrcpynA(e->name, name, sizeof e->name);
    e->icon = LoadCountedIcon(name, kCell);
    e->sprite.index = e->icon ? cells_++ : -1;
    const Sprite* result = e->icon ? &e->sprite : nullptr;
    entries_.push_back(std::move(e));
    return result;
}

int SpriteSheet::Finish() {
    const int width = (cells_ > 0 ? cells_ : 1) * kCell;
    Dib32 white; // scratch: the icons drawn over white
    int ok = color_.Create(width) && mask_.Create(width) && white.Create(width);
    if (ok) {
        // Each icon is drawn once over black and once over white: a pixel
        // that comes out the same on both is part of the picture, one that
        // differs is transparent. That yields the mask whatever form the icon
        // is stored in.
        const int n = width * kCell;
        Fill(color_.bits(), n, 0);
        Fill(white.bits(), n, kRgb);
        for (const auto& e : entries_) {
            if (!e->icon) continue;
            const int x = e->sprite.index * kCell;
            DrawIconEx(color_.dc(), x, 0, e->icon, kCell, kCell, 0, nullptr, DI_NORMAL);
            DrawIconEx(white.dc(), x, 0, e->icon, kCell, kCell, 0, nullptr, DI_NORMAL);
        }
        GdiFlush();
        DWORD* colors = color_.bits();
        DWORD* mask = mask_.bits();
        const DWORD* overWhite = white.bits();
        for (int i = 0; i < n; ++i) {
            const bool clear = (colors[i] & kRgb) != (overWhite[i] & kRgb);
            mask[i] = clear ? kRgb : 0;
            if (clear) colors[i] = 0;
        }
    } else {
        color_.Free();
        mask_.Free();
    }
    for (auto& e : entries_) {
        DestroyCountedIcon(e->icon);
        e->icon = nullptr;
    }
    return ok;
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
