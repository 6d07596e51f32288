// Board drawing on a plain surface with the loaded test world.
#include "render/board_drawing.h"

#include "play/game_fixture.h"

namespace sd::test {
namespace {

class BoardDrawingTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Start();
        ASSERT_FALSE(game->IsClosed());
    }
    const Color kMark{1, 2, 3};
    const Color kPaper{200, 200, 200};
};

TEST_F(BoardDrawingTest, GridLinesLieOnTheCellBordersAndTheSelectionOnTop) {
    platform::Surface s(721, 421, kPaper);
    DrawGrid(ctx, s, kMark);
    for (int k = 0; k <= 12; ++k) EXPECT_EQ(s.pixel(k * 60, 33), kMark.rgb()) << k;
    for (int k = 0; k <= 7; ++k) EXPECT_EQ(s.pixel(33, k * 60), kMark.rgb()) << k;
    EXPECT_EQ(s.pixel(31, 33), kPaper.rgb());

    ctx.GameState.SelectedX = 2;
    ctx.GameState.SelectedY = 1;
    DrawGrid(ctx, s, kMark);
    EXPECT_EQ(s.pixel(150, 60), Entry(2));
    EXPECT_EQ(s.pixel(180, 90), Entry(2));
    EXPECT_EQ(s.pixel(150, 180), kMark.rgb());
}

TEST_F(BoardDrawingTest, OffsetGridIsShiftedAndCutAtTheFarEnd) {
    ctx.World.Raster_x = 10;
    ctx.World.Raster_y = 5;
    platform::Surface s(800, 500, kPaper);
    DrawGrid(ctx, s, kMark);
    EXPECT_EQ(s.pixel(10, 40), kMark.rgb());
    EXPECT_EQ(s.pixel(70, 40), kMark.rgb());
    EXPECT_EQ(s.pixel(40, 65), kMark.rgb());
    // The loops stop at (max + 1) * size without the offset: no line at 10 + 13 * 60.
    EXPECT_EQ(s.pixel(10 + 13 * 60, 40), kPaper.rgb());
}

TEST_F(BoardDrawingTest, ZeroCellSizeDrawsNoGridAndDoesNotHang) {
    ctx.World.Raster_height = 0;
    platform::Surface s(100, 100, kPaper);
    DrawGrid(ctx, s, kMark);
    EXPECT_EQ(s.pixel(0, 0), kPaper.rgb());
    ctx.World.Raster_height = 60;
    ctx.World.Raster_width = -60;
    DrawGrid(ctx, s, kMark);
    EXPECT_EQ(s.pixel(0, 30), kPaper.rgb());
}

TEST_F(BoardDrawingTest, CellsArePaintedOpaqueAndEmptyCellsLeaveTheSurface) {
    platform::Surface s(721, 421, kPaper);
    CellGrid saved = ctx.World.CellMap;
    ctx.World.CellMap.reset(12, 7);
    DrawAllCells(ctx, gfx(), s);
    EXPECT_EQ(s.pixel(330, 150), kPaper.rgb());
    ctx.World.CellMap = saved;
    DrawAllCells(ctx, gfx(), s);
    const platform::Surface cell = gfx().PicClipThing.cell(14);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{59, 59}, std::pair{30, 10}})
        EXPECT_EQ(s.pixel(300 + x, 120 + y), cell.pixel(x, y));
    // The extra column lies off the surface.
    ctx.World.CellMap.set(12, 0, 14);
    platform::Surface before = s.clone();
    DrawCell(ctx, gfx(), 12, 0, s);
    EXPECT_EQ(s.pixel(719, 30), before.pixel(719, 30));
}

TEST_F(BoardDrawingTest, FrameIsTheCellOutlineWithBothCorners) {
    platform::Surface s(721, 421, kPaper);
    DrawCellFrame(ctx, s, 1, 1, kMark);
    EXPECT_EQ(s.pixel(60, 60), kMark.rgb());
    EXPECT_EQ(s.pixel(120, 120), kMark.rgb());
    EXPECT_EQ(s.pixel(90, 120), kMark.rgb());
    EXPECT_EQ(s.pixel(90, 90), kPaper.rgb());
    EXPECT_EQ(TableColor(ctx, 99).rgb(), 0u);
}

}  // namespace
}  // namespace sd::test
