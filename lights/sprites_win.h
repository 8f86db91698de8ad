// The pictures of one build of the string, prepared for fast drawing.
//
// DrawIconEx is slow on some systems (tens of microseconds per call under
// Wine, where it sets up scratch bitmaps every time), and the string draws
// every bulb at every step. So each build renders every distinct icon it uses
// once into two strips, a mask and a colour image. A draw then assembles the
// whole string's mask and colours in memory (plain row copies) and lays them
// on the screen with two large BitBlts (AND the mask, OR the colours): the
// same picture as every icon drawn through its mask, at a fraction of the cost.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "lights/styles.h"

// A 32-bit top-down DIB section (32 rows high unless asked otherwise),
// selected into its own memory DC, with its pixels reachable directly. It owns
// the bitmap and the DC and frees them when it goes, so it cannot be copied.
class Dib32 {
  public:
    Dib32() = default;
    ~Dib32() { Free(); }
    Dib32(const Dib32&) = delete;
    Dib32& operator=(const Dib32&) = delete;

    int Create(int w, int h = 32); // 1 on success; frees what it had first
    void Free();

    HDC dc() const { return dc_; }
    DWORD* bits() const { return bits_; }
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    HDC dc_ = nullptr;
    HBITMAP bmp_ = nullptr;
    HGDIOBJ old_ = nullptr;
    DWORD* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

struct Sprite {
    int index; // cell of the strips, 32 pixels per cell
};

// Every icon name's picture, rendered once per run into a mask and colours and
// kept: loading and destroying the same icons at every rebuild made the
// process grow under Wine by about 120 bytes per icon loaded, with no handle
// left behind. There are a few hundred names at most, 8 kB each.
struct IconCell;

class SpriteSheet {
  public:
    SpriteSheet() = default;
    SpriteSheet(const SpriteSheet&) = delete;
    SpriteSheet& operator=(const SpriteSheet&) = delete;

    // Takes the named icon into the sheet once (names compare without case).
    // Returns null when there is no such icon: such a bulb draws nothing.
    const Sprite* Load(const char* name);
    // Lays every loaded picture into the strips.
    // Returns 1 on success; on failure the sheet draws nothing.
    int Finish();
    // Copies a sprite's mask and colour cells to x of two strips; a null
    // sprite leaves a clear cell (white mask, black colour).
    void CopyCell(Dib32& mask, Dib32& colors, int x, const Sprite* sprite) const;

  private:
    struct Entry {
        char name[festoon::kIconNameSize];
        const IconCell* cell;
        Sprite sprite;
    };

    std::vector<std::unique_ptr<Entry>> entries_;
    int cells_ = 0;
    Dib32 color_;
    Dib32 mask_;
};

// Forgets every rendered picture (exit).
void FreeIconCells();
