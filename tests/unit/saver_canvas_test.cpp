// The screen saver's pixel canvas: colour layout, clipping, the shapes the
// effects erase by drawing again in black, the string overlay and the record
// of what changed.
#include <gtest/gtest.h>

#include "saver/canvas.h"
#include "saver_test_util.h"

using festoon::Color;
using festoon::kBlack;
using festoon::Rgb;

TEST(PixelCanvas, StoresColoursAsDibPixels) {
    TestPicture pic(4, 3);
    pic.canvas.SetPixel(1, 2, Rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(pic.pixels[2 * 4 + 1], 0x123456u) << "red in the high byte of a DIB pixel";
    EXPECT_EQ(pic.canvas.GetPixel(1, 2), Rgb(0x12, 0x34, 0x56));
    pic.pixels[0] = 0xFF000000u; // alpha left by GDI does not make a pixel occupied
    EXPECT_EQ(pic.canvas.GetPixel(0, 0), kBlack);
}

TEST(PixelCanvas, OutsideReadsInvalidAndWritesNothing) {
    TestPicture pic(4, 3);
    const int outside[][2] = {{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {100000, 5}};
    for (const auto& p : outside) {
        pic.canvas.SetPixel(p[0], p[1], festoon::kWhite);
        EXPECT_EQ(pic.canvas.GetPixel(p[0], p[1]), festoon::kInvalidColor);
    }
    EXPECT_EQ(pic.CountNonBlack(), 0);
}

TEST(PixelCanvas, FillRectLeavesRightAndBottomOutAndClips) {
    TestPicture pic(10, 10);
    pic.canvas.FillRect(-1, -1, 1, 1, festoon::kWhite); // a star box at a corner
    EXPECT_EQ(pic.CountNonBlack(), 1);
    pic.canvas.FillRect(4, 4, 6, 6, festoon::kWhite);
    EXPECT_EQ(pic.CountNonBlack(), 5);
    EXPECT_EQ(pic.canvas.GetPixel(6, 6), kBlack);
}

TEST(PixelCanvas, EllipseOutlineStaysInItsBoxAndIsClosed) {
    const int radii[] = {3, 4, 10};
    for (int r : radii) {
        TestPicture pic(40, 40);
        pic.canvas.Ellipse(20 - r, 20 - r, 20 + r, 20 + r, festoon::kWhite);
        int drawn = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                if (pic.canvas.GetPixel(x, y) == kBlack) continue;
                ++drawn;
                EXPECT_TRUE(x >= 20 - r && x < 20 + r && y >= 20 - r && y < 20 + r) << r;
                int neighbours = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if ((dx || dy) && pic.canvas.GetPixel(x + dx, y + dy) != kBlack)
                            ++neighbours;
                EXPECT_GE(neighbours, 2) << "a gap in the outline at " << x << "," << y;
            }
        EXPECT_EQ(pic.canvas.GetPixel(20, 20), kBlack) << "only the outline";
        EXPECT_GT(drawn, 4 * r);
        // Erasing by drawing again in black leaves nothing behind.
        pic.canvas.Ellipse(20 - r, 20 - r, 20 + r, 20 + r, kBlack);
        EXPECT_EQ(pic.CountNonBlack(), 0) << r;
    }
}

TEST(PixelCanvas, BezierJoinsItsEndsAndErasesCleanly) {
    TestPicture pic(100, 80);
    const festoon::Point p[4] = {{5, 70}, {20, -30}, {90, 120}, {95, 10}};
    pic.canvas.Bezier(p, Rgb(0, 0, 255));
    EXPECT_EQ(pic.canvas.GetPixel(5, 70), Rgb(0, 0, 255));
    EXPECT_EQ(pic.canvas.GetPixel(95, 10), Rgb(0, 0, 255));
    EXPECT_GT(pic.CountNonBlack(), 90);
    pic.canvas.Bezier(p, kBlack);
    EXPECT_EQ(pic.CountNonBlack(), 0);
}

TEST(PixelCanvas, OverlayKeepsWhatShowsThroughTheMask) {
    TestPicture pic(3, 2);
    pic.canvas.FillRect(0, 0, 3, 2, festoon::kWhite);
    // Column 0 transparent, 1 opaque red, 2 opaque black; the strip is wider
    // than the picture and must not be read past its width per row.
    const std::uint32_t mask[8] = {0xFFFFFF, 0, 0, 0, 0xFFFFFF, 0, 0, 0};
    const std::uint32_t colour[8] = {0, 0xFF0000, 0, 0, 0, 0xFF0000, 0, 0};
    pic.canvas.Overlay(mask, colour, 4, 32);
    EXPECT_EQ(pic.canvas.GetPixel(0, 0), festoon::kWhite);
    EXPECT_EQ(pic.canvas.GetPixel(1, 0), Rgb(255, 0, 0));
    EXPECT_EQ(pic.canvas.GetPixel(2, 0), kBlack);
    EXPECT_EQ(pic.canvas.GetPixel(1, 1), Rgb(255, 0, 0));
}

TEST(PixelCanvas, ReportsChangedBandsAndForgetsThemOnceTaken) {
    TestPicture pic(200, 100);
    int l, t, r, b;
    EXPECT_FALSE(pic.canvas.TakeDirty(&l, &t, &r, &b));
    pic.canvas.SetPixel(5, 3, festoon::kWhite);
    pic.canvas.SetPixel(50, 20, festoon::kWhite); // the next band: joined
    pic.canvas.MarkDirty(100, 90, 150, 95);       // a band further down: apart
    EXPECT_TRUE(pic.canvas.IsDirty(0, 1));
    EXPECT_FALSE(pic.canvas.IsDirty(40, 80));
    ASSERT_TRUE(pic.canvas.TakeDirty(&l, &t, &r, &b));
    EXPECT_EQ(l, 5);
    EXPECT_EQ(r, 51);
    EXPECT_EQ(t, 0);
    EXPECT_EQ(b, 32);
    ASSERT_TRUE(pic.canvas.TakeDirty(&l, &t, &r, &b));
    EXPECT_EQ(l, 100);
    EXPECT_EQ(r, 150);
    EXPECT_EQ(t, 80);
    EXPECT_EQ(b, 96);
    EXPECT_FALSE(pic.canvas.TakeDirty(&l, &t, &r, &b));
    EXPECT_FALSE(pic.canvas.IsDirty(0, 100));
}
