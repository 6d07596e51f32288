// The info panel: value lines, the memory of the cell shown last, portraits.
#include "render/info_panel.h"

#include "play/game_fixture.h"
#include "play/turn_cycle.h"

namespace sd::test {
namespace {

class InfoPanelTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Start();
        ASSERT_FALSE(game->IsClosed());
    }
    void Show(int x, int y) {
        g().info.ShowCellInfo(ctx, gfx(), static_cast<int16_t>(x), static_cast<int16_t>(y), *gfx().PicDisplay1,
                              *gfx().PicMMC);
    }
    std::string Line(int y, uint8_t tag = kTagGreen, int x = 520) { return ReadCodedText(panel(), x, y, 30, tag); }
};

TEST_F(InfoPanelTest, GravIsWrittenWithFifteenDigitsAndNoTrailingZeros) {
    EXPECT_EQ(GravText(5), "5");
    EXPECT_EQ(GravText(0.25), "0.25");
    EXPECT_EQ(GravText(2.50), "2.5");
    EXPECT_EQ(GravText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(GravText(123456789.125), "123456789.125");
    EXPECT_EQ(GravText(-0.5), "-0.5");
    EXPECT_EQ(GravText(0), "0");
}

TEST_F(InfoPanelTest, ValueLinesOfAUnit) {
    Show(5, 2);  // Blauer Jaeger: 100 / 100 / 5 / 0.25, one remark line
    EXPECT_EQ(Line(20, kTagRed, 195), "Blauer Jaeger");
    EXPECT_EQ(Line(40, kTagGreen, 195), "Schnell.");
    EXPECT_EQ(Line(20), "Energie: 100");
    EXPECT_EQ(Line(34), "Schild:  100");
    EXPECT_EQ(Line(48), "Plasma:  5");
    EXPECT_EQ(Line(62), "Grav:    0.25");
    // The values start 72 pixels right of the labels.
    EXPECT_EQ(ReadCodedText(panel(), 520 + 72, 34, 3, kTagGreen), "100");
}

TEST_F(InfoPanelTest, NegativeValuesAreHiddenButGravMinusHalfShows) {
    Show(0, 3);  // Gelbe Sonne: -1, -1, -1, Grav 5, two remark lines
    EXPECT_EQ(Line(20, kTagRed, 195), "Gelbe Sonne");
    EXPECT_EQ(Line(40, kTagGreen, 195), "Ein Stern.");
    EXPECT_EQ(Line(52, kTagGreen, 195), "Zieht stark.");
    EXPECT_EQ(Line(20), "");
    EXPECT_EQ(Line(34), "");
    EXPECT_EQ(Line(48), "");
    EXPECT_EQ(Line(62), "Grav:    5");
    Show(1, 4);  // Asteroid: Grav -1 hidden
    EXPECT_EQ(Line(62), "");
    Show(3, 4);  // Planet: Energie 30, Grav -0.5 shown (no glyph for the minus)
    EXPECT_EQ(Line(20), "Energie: 30");
    EXPECT_EQ(Line(62), "Grav:     0.5");
}

TEST_F(InfoPanelTest, SameCellTwiceRedrawsNothingButANewGameForgetsTheCell) {
    Show(5, 2);
    ctx.World.thing(14).Energie = 7;
    Show(5, 2);
    EXPECT_EQ(Line(20), "Energie: 100");

    // A new game screen starts with the panel empty and shows the cell again.
    game.reset();
    Start();
    ASSERT_FALSE(game->IsClosed());
    Show(5, 2);
    EXPECT_EQ(Line(20, kTagRed, 195), "Blauer Jaeger");
    EXPECT_EQ(Line(20), "Energie: 100");
}

TEST_F(InfoPanelTest, CellZeroIsShownTheFirstTime) {
    ctx.World.CellMap.set(0, 0, 14);
    Show(0, 0);
    EXPECT_EQ(Line(20, kTagRed, 195), "Blauer Jaeger");
}

TEST_F(InfoPanelTest, AnyOtherTextInTheAreaMakesTheSameCellDrawAgain) {
    Show(5, 2);
    g().info.ClearText(*gfx().PicDisplay1);
    Show(5, 2);
    EXPECT_EQ(Line(20, kTagRed, 195), "Blauer Jaeger");

    // The turn message, then the same unit selected again: its values, not "Zug 2".
    Click(5, 2);
    Perform(g(), Action::EndOfTurn());
    Perform(g(), Action::EndOfTurn());
    EXPECT_EQ(Line(20, kTagRed, 195), "Zug 3");
    Click(5, 2);
    EXPECT_EQ(Line(20, kTagRed, 195), "Blauer Jaeger");
    EXPECT_EQ(Line(20), "Energie: 100");

    // A value line rewritten after a shot counts as other text too.
    g().info.WriteValue(gfx(), *gfx().PicDisplay1, 20, "Energie: 50 ");
    EXPECT_EQ(Line(20), "Energie: 50");
    g().info.ShowCellInfo(ctx, gfx(), 5, 2, *gfx().PicDisplay1, *gfx().PicMMC);
    EXPECT_EQ(Line(20), "Energie: 100");
}

TEST_F(InfoPanelTest, PortraitFollowsUnitsAndClearsOnEmptySpace) {
    Show(5, 2);  // unit 14: hover look, cell 1
    ASSERT_FALSE(gfx().PicMMC->picture().empty());
    EXPECT_EQ(gfx().PicMMC->picture().pixel(75, 65), gfx().PicClipAnim.cell(1).pixel(75, 65));
    Show(3, 4);  // thing 3 keeps the unit's portrait
    EXPECT_FALSE(gfx().PicMMC->picture().empty());
    Show(4, 4);  // empty space clears it
    EXPECT_TRUE(gfx().PicMMC->picture().empty());
}

TEST_F(InfoPanelTest, CrossingEmptySpaceDrawsNothingUntilAThingComesUnderThePointer) {
    Show(4, 4);
    ASSERT_EQ(ctx.World.CellMap(4, 4), 0);
    int16_t ex = -1;  // a second empty cell
    for (int16_t x = 0; x < ctx.World.Raster_max_x && ex < 0; ++x)
        if (x != 4 && ctx.World.CellMap(x, 4) == 0) ex = x;
    ASSERT_GE(ex, 0);
    // A mark in the text area that only a redraw would wipe.
    constexpr Rect r = layout::kInfoText;
    gfx().PicDisplay1->canvas().setPixel(r.left + 1, r.top + 1, platform::Color{9, 8, 7});
    Show(ex, 4);
    EXPECT_EQ(panel().pixel(r.left + 1, r.top + 1), 0x090807u);
    Show(5, 2);
    EXPECT_EQ(Line(20, kTagRed, 195), "Blauer Jaeger");
    Show(4, 4);  // from a thing back to empty space: drawn again
    EXPECT_EQ(Line(20, kTagRed, 195), "Weltall");
    EXPECT_TRUE(gfx().PicMMC->picture().empty());
}

}  // namespace
}  // namespace sd::test
