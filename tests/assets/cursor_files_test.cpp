// The two pointer icons: 32 x 32, 32-bit with alpha and AND mask, painted
// where the game puts their hot spots (the arrow's tip, the cross's centre).
#include <gtest/gtest.h>

#include "asset_readers.h"

using namespace asset_test;

namespace {

bool opaque(const Ico& ico, int x, int y) { return (ico.at(x, y) >> 24) == 0xFF && !ico.transparent[y * ico.w + x]; }

void expectWellFormed(const Ico& ico) {
    ASSERT_TRUE(ico.ok) << ico.why;
    EXPECT_EQ(ico.w, 32);
    EXPECT_EQ(ico.h, 32);
    EXPECT_EQ(ico.heightField, 64) << "the DIB height counts colour and mask rows";
    // The AND mask agrees with the alpha channel.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_EQ(ico.transparent[y * 32 + x], (ico.at(x, y) >> 24) == 0) << x << "," << y;
}

}  // namespace

TEST(CursorFiles, ArrowHasItsTipAtTheTopLeftPixel) {
    Ico arrow = parseIco(readFile(fxPath("c1.ico")));
    expectWellFormed(arrow);
    ASSERT_TRUE(arrow.ok);
    EXPECT_TRUE(opaque(arrow, 0, 0));
    EXPECT_TRUE(opaque(arrow, 0, 10)) << "the arrow's left edge runs down from the tip";
    EXPECT_TRUE(opaque(arrow, 5, 10)) << "filled body";
    EXPECT_FALSE(opaque(arrow, 10, 0));
    EXPECT_FALSE(opaque(arrow, 31, 31));
}

TEST(CursorFiles, TargetCrossIsCentredOnItsHotSpot) {
    Ico cross = parseIco(readFile(fxPath("c2.ico")));
    expectWellFormed(cross);
    ASSERT_TRUE(cross.ok);
    EXPECT_TRUE(opaque(cross, 15, 15));
    // Symmetric arms around (15, 15).
    for (int d : {6, 9, 12}) {
        EXPECT_TRUE(opaque(cross, 15, 15 - d)) << d;
        EXPECT_TRUE(opaque(cross, 15, 15 + d)) << d;
        EXPECT_TRUE(opaque(cross, 15 - d, 15)) << d;
        EXPECT_TRUE(opaque(cross, 15 + d, 15)) << d;
    }
    EXPECT_FALSE(opaque(cross, 0, 0));
    EXPECT_FALSE(opaque(cross, 31, 31));
}
