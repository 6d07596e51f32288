// What the game draws on top of or cuts out of the bitmaps: glyph cells only
// where the glyph table has characters, a picture for every thing, black
// where the game writes, calm where the title screen puts its boxes and text.
#include <gtest/gtest.h>

#include <set>

#include "asset_readers.h"

using namespace asset_test;

namespace {

std::set<int> glyphCells() {
    std::set<int> cells;
    for (int c = 0; c < 26; ++c) cells.insert(c);       // a-z
    for (int c = 26; c < 52; ++c) cells.insert(c);      // A-Z
    for (int c = 52; c < 61; ++c) cells.insert(c);      // 1-9
    for (int c : {61, 62, 66, 85, 88, 90}) cells.insert(c);  // 0 ! % : , .
    return cells;
}

}  // namespace

TEST(BitmapContent, FontsHaveGlyphsExactlyAtTheTableCellsInAllThreeColours) {
    const std::set<int> used = glyphCells();
    Bmp ref = loadBmpFile("font_r.bmp");
    ASSERT_TRUE(ref.ok);
    for (const char* name : {"font_r.bmp", "font_g.bmp", "font_b.bmp"}) {
        SCOPED_TRACE(name);
        Bmp font = loadBmpFile(name);
        ASSERT_TRUE(font.ok);
        for (int cell = 0; cell < 160; ++cell) {
            const int x0 = (cell % 16) * 8, y0 = (cell / 16) * 12;
            int ink = inkIn(font, x0, y0, 8, 12, 0);
            if (used.count(cell)) {
                EXPECT_GT(ink, 1) << "glyph cell " << cell << " is empty";
                // The shape is the same in every colour: ink where red has ink.
                for (int y = y0; y < y0 + 12; ++y)
                    for (int x = x0; x < x0 + 8; ++x)
                        ASSERT_EQ(font.at(x, y) == 0, ref.at(x, y) == 0) << "cell " << cell << " at " << x << "," << y;
            } else {
                EXPECT_EQ(ink, 0) << "unused cell " << cell << " is not black";
            }
        }
    }
}

TEST(BitmapContent, FontColoursAreDistinctAndBright) {
    // The "A" cell (26): its brightest pixel shows the font's colour.
    auto brightest = [](const Bmp& f) {
        uint32_t best = 0;
        for (int y = 12; y < 24; ++y)
            for (int x = 80; x < 88; ++x)
                if (brightness(f.at(x, y)) > brightness(best)) best = f.at(x, y);
        return best;
    };
    uint32_t r = brightest(loadBmpFile("font_r.bmp")), g = brightest(loadBmpFile("font_g.bmp")),
             b = brightest(loadBmpFile("font_b.bmp"));
    EXPECT_GT((r >> 16) & 0xFF, 200u);
    EXPECT_GT((r >> 16) & 0xFF, ((r >> 8) & 0xFF) + 60);
    EXPECT_GT((g >> 8) & 0xFF, 200u);
    EXPECT_GT((g >> 8) & 0xFF, ((g >> 16) & 0xFF) + 60);
    EXPECT_GT(b & 0xFF, 200u);
    EXPECT_GT(b & 0xFF, ((b >> 16) & 0xFF) + 60);
}

TEST(BitmapContent, EveryThingHasAPictureAndCellZeroIsBlank) {
    Bmp t0 = loadBmpFile("t0.bmp");
    ASSERT_TRUE(t0.ok);
    EXPECT_EQ(inkIn(t0, 0, 0, 60, 60, 0), 0);
    for (int n = 1; n < 28; ++n) {
        const int x0 = (n % 7) * 60, y0 = (n / 7) * 60;
        EXPECT_GT(inkIn(t0, x0, y0, 60, 60), 40) << "thing " << n;
        // Cells are pasted opaquely over the board: their rims must be black
        // so no cell shows a hard edge.
        for (int i = 0; i < 60; ++i) {
            EXPECT_LT(brightness(t0.at(x0 + i, y0)), 8) << "thing " << n;
            EXPECT_LT(brightness(t0.at(x0 + i, y0 + 59)), 8) << "thing " << n;
            EXPECT_LT(brightness(t0.at(x0, y0 + i)), 8) << "thing " << n;
            EXPECT_LT(brightness(t0.at(x0 + 59, y0 + i)), 8) << "thing " << n;
        }
    }
}

TEST(BitmapContent, TeamShipsShowTheirTeamColour) {
    Bmp t0 = loadBmpFile("t0.bmp");
    ASSERT_TRUE(t0.ok);
    auto bias = [&](int n) {  // sum of (blue - red) over the cell
        long sum = 0;
        for (int y = (n / 7) * 60; y < (n / 7) * 60 + 60; ++y)
            for (int x = (n % 7) * 60; x < (n % 7) * 60 + 60; ++x) {
                uint32_t p = t0.at(x, y);
                sum += static_cast<long>(p & 0xFF) - static_cast<long>((p >> 16) & 0xFF);
            }
        return sum;
    };
    for (int n : {14, 15, 16}) EXPECT_GT(bias(n), 0) << "blue unit " << n;
    for (int n : {17, 18, 19}) EXPECT_LT(bias(n), 0) << "red unit " << n;
}

TEST(BitmapContent, StripsHaveNoEmptyCells) {
    Bmp anim = loadBmpFile("t0i.bmp");
    ASSERT_TRUE(anim.ok);
    for (int cell = 0; cell < 6; ++cell)
        EXPECT_GT(inkIn(anim, (cell % 2) * 150, (cell / 2) * 130, 150, 130), 2000) << "portrait " << cell;
    Bmp expl = loadBmpFile("expl.bmp");
    ASSERT_TRUE(expl.ok);
    for (int frame = 0; frame < 15; ++frame)
        EXPECT_GT(inkIn(expl, (frame % 4) * 60, (frame / 4) * 60, 60, 60), 20) << "explosion frame " << frame;
    Bmp weapon = loadBmpFile("weapon.bmp");
    ASSERT_TRUE(weapon.ok);
    EXPECT_GT(inkIn(weapon, 0, 0, 229, 20), 100);
    EXPECT_GT(inkIn(weapon, 0, 20, 229, 20), 100);
    Bmp plasma = loadBmpFile("plasma.bmp");
    ASSERT_TRUE(plasma.ok);
    EXPECT_GT(brightness(plasma.at(4, 4)), 600);
    EXPECT_EQ(plasma.at(0, 0), 0u);
}

TEST(BitmapContent, InfoPanelIsBlackWhereTheGameWritesAndShowsThePortrait) {
    Bmp panel = loadBmpFile("screen1.bmp");
    ASSERT_TRUE(panel.ok);
    EXPECT_EQ(inkIn(panel, 175, 8, 461, 133, 0), 0) << "text display (175,8)-(635,140)";
    EXPECT_EQ(inkIn(panel, 640, 9, 150, 130, 0), 0) << "portrait bay";
    EXPECT_EQ(inkIn(panel, 175, 154, 461, 14, 0), 0) << "status line (175,154)-(635,167)";
    // And the panel around them is not black: a visible console.
    EXPECT_GT(meanBrightness(panel, 0, 143, 800, 27), 10.0);
}

TEST(BitmapContent, ButtonLooksDifferAsHoverAndPress) {
    for (const char* b : {"butt1", "butt2", "butt3", "butt4", "butt5"}) {
        SCOPED_TRACE(b);
        Bmp normal = loadBmpFile(std::string(b) + "_a.bmp"), hover = loadBmpFile(std::string(b) + "_b.bmp"),
            pressed = loadBmpFile(std::string(b) + "_c.bmp");
        ASSERT_TRUE(normal.ok && hover.ok && pressed.ok);
        double n = meanBrightness(normal, 0, 0, normal.w, normal.h);
        EXPECT_GT(meanBrightness(hover, 0, 0, hover.w, hover.h), n + 5);
        EXPECT_LT(meanBrightness(pressed, 0, 0, pressed.w, pressed.h), n - 2);
        EXPECT_GT(inkIn(normal, 20, 5, normal.w - 30, normal.h - 10, 400), 30) << "lettering";
    }
}

TEST(BitmapContent, TitlePictureKeepsThePreviewAndMenuBandsCalm) {
    Bmp title = loadBmpFile("main.bmp");
    ASSERT_TRUE(title.ok);
    EXPECT_LT(meanBrightness(title, 0, 285, 800, 190), 25.0);
    EXPECT_LT(meanBrightness(title, 0, 534, 800, 46), 25.0);
    // The upper part carries the picture.
    EXPECT_GT(meanBrightness(title, 0, 0, 800, 260), 25.0);
}

TEST(BitmapContent, InfoPictureLeavesTheVersionCornerFree) {
    Bmp info = loadBmpFile("info.bmp");
    ASSERT_TRUE(info.ok);
    // Where the game writes "V 1.0.0": no lettering, only faint space.
    EXPECT_EQ(inkIn(info, 8, info.h - 24, 140, 20, 330), 0);
    EXPECT_LT(meanBrightness(info, 8, info.h - 24, 140, 20), 30.0);
}

TEST(BitmapContent, BoardBackgroundIsDarkSpaceWithStars) {
    Bmp back = loadBmpFile("back.bmp");
    ASSERT_TRUE(back.ok);
    EXPECT_LT(meanBrightness(back, 0, 0, 800, 440), 30.0);
    EXPECT_GT(inkIn(back, 0, 0, 800, 440, 400), 100) << "bright stars";
}
