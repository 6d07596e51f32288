// Glyph placement of the bitmap fonts, read back through the coded test fonts.
#include "render/bitmap_text.h"

#include "play/game_fixture.h"

namespace sd::test {
namespace {

class BitmapTextTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Start();
        ASSERT_FALSE(game->IsClosed());
    }
    // Glyph cell and font tag painted at (x, y), or -1 for no glyph.
    static int CellAt(const platform::Surface& s, int x, int y, uint8_t tag) {
        const uint32_t p = s.pixel(x, y);
        if ((p & 0xFF) != kFontMark || ((p >> 8) & 0xFF) != tag) return -1;
        return static_cast<int>(p >> 16);
    }
};

TEST_F(BitmapTextTest, PenMovesEightRightAndCarriageReturnStartsANewLine) {
    platform::Surface s(100, 50);
    DrawFontText(gfx(), 10, 10, "Ab\rc", s, true, false, false);
    EXPECT_EQ(CellAt(s, 10, 10, kTagRed), 26);
    EXPECT_EQ(CellAt(s, 17, 21, kTagRed), 26);  // the whole 8 x 12 cell
    EXPECT_EQ(CellAt(s, 18, 10, kTagRed), 1);
    EXPECT_EQ(CellAt(s, 10, 22, kTagRed), 2);
    EXPECT_EQ(s.pixel(26, 10), 0u);
    EXPECT_EQ(s.pixel(18, 22), 0u);
}

TEST_F(BitmapTextTest, CharactersWithoutGlyphLeaveAGap) {
    platform::Surface s(100, 20, Color{5, 5, 5});
    DrawFontText(gfx(), 0, 0, "a b-c\xE4" "d", s, false, true, false);
    EXPECT_EQ(ReadCodedText(s, 0, 0, 7, kTagGreen), "a b c d");
    EXPECT_EQ(s.pixel(12, 5), (Color{5, 5, 5}.rgb()));  // the blank paints nothing
}

TEST_F(BitmapTextTest, FlagsChooseTheFontsAndTheLastOneCovers) {
    platform::Surface s(40, 20, Color{5, 5, 5});
    DrawFontText(gfx(), 0, 0, "x", s, false, false, false);
    DrawFontText(gfx(), 8, 0, "", s, true, true, true);
    EXPECT_EQ(s.pixel(3, 3), (Color{5, 5, 5}.rgb()));
    EXPECT_EQ(s.pixel(11, 3), (Color{5, 5, 5}.rgb()));
    DrawFontText(gfx(), 0, 0, "x", s, true, false, true);
    EXPECT_EQ(CellAt(s, 3, 3, kTagBlue), 23);
    DrawFontText(gfx(), 0, 0, "x", s, true, true, false);
    EXPECT_EQ(CellAt(s, 3, 3, kTagGreen), 23);
}

}  // namespace
}  // namespace sd::test
