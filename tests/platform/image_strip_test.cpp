// Image strips: cell numbering row by row, clipping, unusable grids.
#include <gtest/gtest.h>

#include "platform/draw/image_strip.h"

using namespace sd::platform;

namespace {

// A 3 x 2 grid (rows x columns) of 4 x 5 cells; cell i is filled with colour i+1.
ImageStrip NumberedStrip() {
    Surface bmp(2 * 4, 3 * 5);
    for (int i = 0; i < 6; ++i) {
        const int col = i % 2, row = i / 2;
        bmp.fillRect(col * 4, row * 5, col * 4 + 3, row * 5 + 4, Color{static_cast<uint8_t>(i + 1), 0, 0});
    }
    ImageStrip strip;
    strip.setBitmap(std::move(bmp));
    strip.setGrid(3, 2);
    return strip;
}

}  // namespace

TEST(ImageStrip, CellsAreNumberedRowByRow) {
    const ImageStrip strip = NumberedStrip();
    ASSERT_TRUE(strip.valid());
    EXPECT_EQ(strip.cellWidth(), 4);
    EXPECT_EQ(strip.cellHeight(), 5);
    EXPECT_EQ(strip.cellCount(), 6);
    for (int i = 0; i < 6; ++i) {
        Surface dst(10, 10);
        strip.paintCell(i, dst, 1, 2);
        EXPECT_EQ(dst.pixel(1, 2), uint32_t(i + 1) << 16) << i;
        EXPECT_EQ(dst.pixel(4, 6), uint32_t(i + 1) << 16) << i;
        EXPECT_EQ(dst.pixel(5, 6), 0u);
        EXPECT_EQ(dst.pixel(4, 7), 0u);
        const Surface c = strip.cell(i);
        EXPECT_EQ(c.width(), 4);
        EXPECT_EQ(c.pixel(3, 4), uint32_t(i + 1) << 16);
    }
}

TEST(ImageStrip, CellsPartlyOutsideArePaintedClipped) {
    const ImageStrip strip = NumberedStrip();
    Surface dst(6, 6, Color{0, 9, 0});
    strip.paintCell(3, dst, -2, -3);  // only the bottom-right 2 x 2 shows
    EXPECT_EQ(dst.pixel(0, 0), 0x040000u);
    EXPECT_EQ(dst.pixel(1, 1), 0x040000u);
    EXPECT_EQ(dst.pixel(2, 0), 0x000900u);
    EXPECT_EQ(dst.pixel(0, 2), 0x000900u);
    strip.paintCell(5, dst, 4, 4);  // only the top-left 2 x 2 shows
    EXPECT_EQ(dst.pixel(5, 5), 0x060000u);
    EXPECT_EQ(dst.pixel(3, 5), 0x000900u);
    strip.paintCell(0, dst, 100, -100);  // wholly outside: nothing
}

TEST(ImageStrip, OutOfRangeCellsAndBadGridsPaintNothing) {
    ImageStrip strip = NumberedStrip();
    Surface dst(10, 10, Color{0, 0, 7});
    strip.paintCell(6, dst, 0, 0);
    strip.paintCell(-1, dst, 0, 0);
    EXPECT_TRUE(strip.cell(6).empty());
    strip.setGrid(4, 2);  // 15 rows of pixels do not divide by 4
    EXPECT_FALSE(strip.valid());
    strip.paintCell(0, dst, 0, 0);
    strip.setGrid(0, 2);
    EXPECT_FALSE(strip.valid());
    EXPECT_EQ(strip.cellWidth(), 0);
    strip.paintCell(0, dst, 0, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(dst.pixel(x, y), 7u);

    ImageStrip missing;
    std::string error;
    EXPECT_FALSE(missing.load("/nonexistent/fx/t0.bmp", &error));
    EXPECT_NE(error.find("t0.bmp"), std::string::npos);
    EXPECT_FALSE(missing.valid());
}
