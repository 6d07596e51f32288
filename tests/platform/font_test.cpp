// Fonts: any face opens, sizes in points at 96 dpi, text drawn without background.
#include <gtest/gtest.h>

#include "platform/draw/font.h"
#include "platform/draw/surface.h"

using namespace sd::platform;

TEST(Font, ArialIsServedAndMeasuresLikeIt) {
    const Font arial = Font::open("Arial", 18, true);
    ASSERT_TRUE(arial.valid()) << arial.error();
    // 18 pt at 96 dpi is 24 pixels; the line height is a little more.
    EXPECT_GE(arial.textHeight("V"), 24);
    EXPECT_LE(arial.textHeight("V"), 30);
    EXPECT_GT(arial.textWidth("Spiel starten"), arial.textWidth("Spiel"));
    EXPECT_EQ(arial.textWidth(""), 0);

    const Font other = Font::open("NoSuchFace", 18, true);
    ASSERT_TRUE(other.valid());
    EXPECT_EQ(other.textWidth("Beenden"), arial.textWidth("Beenden")) << "every face maps to the same family";
}

TEST(Font, FractionalSizesLieBetweenTheWholeOnes) {
    const Font small = Font::open("Arial", 7, false), mid = Font::open("Arial", 7.8, false),
               big = Font::open("Arial", 9, false);
    ASSERT_TRUE(mid.valid());
    const std::string text = "Andromeda Nebel Weltraum";
    EXPECT_LT(small.textWidth(text), mid.textWidth(text));
    EXPECT_LT(mid.textWidth(text), big.textWidth(text));

    EXPECT_FALSE(Font::open("Arial", 0).valid());
    EXPECT_FALSE(Font::open("Arial", -3).valid());
    Font none;
    EXPECT_FALSE(none.valid());
    EXPECT_FALSE(none.error().empty());
    EXPECT_EQ(none.textWidth("x"), 0);
}

TEST(Font, Windows1252TextIsConvertedAndBlendedOverThePicture) {
    const Font f = Font::open("Arial", 12);
    ASSERT_TRUE(f.valid());
    // "Grüße" in Windows-1252: the umlaut bytes must measure as letters, not as nothing.
    const std::string bytes = "Gr\xFC\xDF" "e";
    EXPECT_GT(f.textWidth(bytes), f.textWidth("Gre"));
    EXPECT_GT(f.textWidth("\x80"), 0) << "the euro sign of Windows-1252";

    Surface s(100, 30, Color{0, 0, 100});
    s.drawText(f, 2, 2, bytes, Color{255, 255, 0});
    int ink = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) {
            const uint32_t p = s.pixel(x, y);
            if (p != 0x000064u) ++ink;
        }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(s.pixel(99, 29), 0x000064u) << "no background box";
    s.drawText(f, 2, 2, "", Color{});
    s.drawText(Font(), 2, 2, "x", Color{});
}
