// Painting the string: it is assembled in memory from the build's sprite
// strips and laid on the target through its mask.
#include "lights/draw_win.h"

#include "lights/layout.h"
#include "lights/lights_win.h"
#include "lights/sprites_win.h"

namespace {

// The string's mask and colours, assembled in memory at every draw, and a
// copy of the screen for the flicker-free path. Kept between draws (memory
// DCs are costly to make) and freed at exit.
Dib32 gMaskStrip;
Dib32 gColorStrip;
Dib32 gWorkStrip;

constexpr int kBlitChunk = 32 * festoon::kBulbSize;

int EnsureStripBuffers(int width) {
    if (gWorkStrip.width() == width) return 1;
    if (gMaskStrip.Create(width) && gColorStrip.Create(width) && gWorkStrip.Create(width)) return 1;
    FreeLightDrawing();
    return 0;
}

} // namespace

void DrawLightString(HDC hdc, int x, int y, int visibleWidth, const festoon::LightString& lights,
                     int flickerFree) {
    if (hdc == nullptr || !lights.built || lights.Count() == 0) return;
    const int full = lights.Count() * festoon::kBulbSize;
    if (!EnsureStripBuffers(full)) return;
    ComposeBulbs(lights, gMaskStrip, gColorStrip);
    HDC mask = gMaskStrip.dc();
    HDC colors = gColorStrip.dc();
    const int h = festoon::kBulbSize;

    if (flickerFree) {
        // Copy what the target shows in the band, lay the bulbs over it in
        // memory and put the band back in one piece.
        const int width = visibleWidth < full ? visibleWidth : full;
        if (width <= 0) return;
        HDC work = gWorkStrip.dc();
        BitBlt(work, 0, 0, width, h, hdc, x, y, SRCCOPY);
        BitBlt(work, 0, 0, width, h, mask, 0, 0, SRCAND);
        BitBlt(work, 0, 0, width, h, colors, 0, 0, SRCPAINT);
        BitBlt(hdc, x, y, width, h, work, 0, 0, SRCCOPY);
    } else {
        // Every bulb straight through its mask onto the target, a screen's
        // width at a time: under Wine a mask blit much wider than 1024 pixels
        // takes a slow path, several times slower than two narrower ones.
        for (int cx = 0; cx < full; cx += kBlitChunk) {
            const int w = full - cx < kBlitChunk ? full - cx : kBlitChunk;
            BitBlt(hdc, x + cx, y, w, h, mask, cx, 0, SRCAND);
            BitBlt(hdc, x + cx, y, w, h, colors, cx, 0, SRCPAINT);
        }
    }
}

void FreeLightDrawing() {
    gMaskStrip.Free();
    gColorStrip.Free();
    gWorkStrip.Free();
}
