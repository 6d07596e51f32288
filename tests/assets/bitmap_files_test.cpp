// Every bitmap of fx/ exists, has the size the game's layout relies on, and
// loads through the platform's own bitmap loader.
#include <gtest/gtest.h>

#include "asset_readers.h"
#include "platform/draw/bitmap_files.h"
#include "platform/draw/surface.h"

using namespace asset_test;

namespace {

struct Expected {
    const char* name;
    int w, h;
    int rows, columns;  // image strips: the grid their cells form
};

const Expected kBitmaps[] = {
    {"back.bmp", 800, 440, 1, 1},     {"screen1.bmp", 800, 170, 1, 1}, {"screen2.bmp", 251, 200, 1, 1},
    {"screen3.bmp", 150, 130, 1, 1},  {"screen4.bmp", 400, 110, 1, 1}, {"plasma.bmp", 9, 9, 1, 1},
    {"font_r.bmp", 128, 120, 10, 16}, {"font_g.bmp", 128, 120, 10, 16}, {"font_b.bmp", 128, 120, 10, 16},
    {"t0.bmp", 420, 240, 4, 7},       {"t0i.bmp", 300, 390, 3, 2},     {"weapon.bmp", 229, 40, 2, 1},
    {"expl.bmp", 240, 240, 4, 4},     {"main.bmp", 800, 600, 1, 1},    {"info.bmp", 400, 250, 1, 1},
    {"butt1_a.bmp", 150, 34, 1, 1},   {"butt1_b.bmp", 150, 34, 1, 1},  {"butt1_c.bmp", 150, 34, 1, 1},
    {"butt2_a.bmp", 150, 34, 1, 1},   {"butt2_b.bmp", 150, 34, 1, 1},  {"butt2_c.bmp", 150, 34, 1, 1},
    {"butt3_a.bmp", 150, 34, 1, 1},   {"butt3_b.bmp", 150, 34, 1, 1},  {"butt3_c.bmp", 150, 34, 1, 1},
    {"butt4_a.bmp", 143, 36, 1, 1},   {"butt4_b.bmp", 143, 36, 1, 1},  {"butt4_c.bmp", 143, 36, 1, 1},
    {"butt5_a.bmp", 143, 36, 1, 1},   {"butt5_b.bmp", 143, 36, 1, 1},  {"butt5_c.bmp", 143, 36, 1, 1},
};

}  // namespace

TEST(BitmapFiles, EveryBitmapHasItsDesignedSizeAndEvenStrips) {
    for (const Expected& e : kBitmaps) {
        SCOPED_TRACE(e.name);
        Bmp img = loadBmpFile(e.name);
        ASSERT_TRUE(img.ok) << img.why;
        EXPECT_EQ(img.w, e.w);
        EXPECT_EQ(img.h, e.h);
        EXPECT_EQ(img.w % e.columns, 0);
        EXPECT_EQ(img.h % e.rows, 0);
    }
}

TEST(BitmapFiles, FontCellsAreEightByTwelveAndThingCellsSixtySquare) {
    // The bitmap text moves its pen by 8 x 12 and the board cells are 60 x 60:
    // the art must match those steps.
    Bmp font = loadBmpFile("font_g.bmp");
    ASSERT_TRUE(font.ok);
    EXPECT_EQ(font.w / 16, 8);
    EXPECT_EQ(font.h / 10, 12);
    Bmp things = loadBmpFile("t0.bmp");
    ASSERT_TRUE(things.ok);
    EXPECT_EQ(things.w / 7, 60);
    EXPECT_EQ(things.h / 4, 60);
}

TEST(BitmapFiles, PlatformLoaderReadsEveryBitmapWithTheSamePixels) {
    for (const Expected& e : kBitmaps) {
        SCOPED_TRACE(e.name);
        std::string error;
        sd::platform::Surface s = sd::platform::LoadBmp(fxPath(e.name), &error);
        ASSERT_FALSE(s.empty()) << error;
        EXPECT_EQ(s.width(), e.w);
        EXPECT_EQ(s.height(), e.h);
        Bmp img = loadBmpFile(e.name);
        ASSERT_TRUE(img.ok);
        // A few probes across the picture agree with our own reading of the file.
        for (auto [x, y] : {std::pair{0, 0}, {e.w / 2, e.h / 2}, {e.w - 1, e.h - 1}, {e.w / 3, e.h - 1}})
            EXPECT_EQ(s.pixel(x, y), img.at(x, y)) << "at " << x << "," << y;
    }
}
