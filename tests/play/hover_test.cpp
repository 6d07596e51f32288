// Cell picking, the hover frame and the cursor rules.
#include "play/game_fixture.h"
#include "data/board_geometry.h"

#include "play/turn_cycle.h"
#include "render/board_drawing.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

class HoverTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Start();
        ASSERT_FALSE(game->IsClosed());
    }
};

TEST_F(HoverTest, PickingClampsToTheBoardAndGivesLinesToTheLowerRightCell) {
    ctx.World.Raster_x = 10;
    ctx.World.Raster_max_x = 10;
    auto column = [&](int16_t px) {
        int16_t x = px, y = 30;
        GetMouseZelle_Koordinates(ctx.World, x, y);
        return x;
    };
    EXPECT_EQ(column(9), 0);
    EXPECT_EQ(column(10), 0);
    EXPECT_EQ(column(69), 0);
    EXPECT_EQ(column(70), 1);
    EXPECT_EQ(column(700), 9);
    EXPECT_EQ(column(32000), 9);
    EXPECT_EQ(column(-32000), 0);
    int16_t x = 100, y = 60;  // on the line between rows 0 and 1
    GetMouseZelle_Koordinates(ctx.World, x, y);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(x, 1);
}

TEST_F(HoverTest, ZeroCellSizeOrNoColumnsPicksCellZero) {
    ctx.World.Raster_width = 0;
    int16_t x = 500, y = 300;
    GetMouseZelle_Koordinates(ctx.World, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ctx.World.Raster_width = 60;
    ctx.World.Raster_max_x = 0;
    ctx.World.Raster_max_y = 0;
    x = 500, y = 300;
    GetMouseZelle_Koordinates(ctx.World, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    BoardHover(g(), 500, 300);  // must neither crash nor hang
    DrawGrid(ctx, board(), Color{1, 2, 3});
}

TEST_F(HoverTest, FrameFollowsThePointerAndTheInfoPanelFollowsWithoutSelection) {
    Hover(3, 4);
    EXPECT_EQ(TopEdge(3, 4), Entry(1));
    EXPECT_EQ(ReadCodedText(panel(), 195, 20, 10, kTagRed), "Planet");
    Hover(4, 4);
    EXPECT_EQ(TopEdge(3, 4), 0u);  // back to the hidden grid's black
    EXPECT_EQ(TopEdge(4, 4), Entry(1));
    EXPECT_EQ(LeftEdge(4, 4), Entry(1));  // shared edge: the new frame is drawn last
    EXPECT_EQ(ReadCodedText(panel(), 195, 20, 10, kTagRed), "Weltall");
    EXPECT_EQ(g().LastHoverX, 4);
    EXPECT_EQ(g().LastHoverY, 4);
}

TEST_F(HoverTest, MovingWithinOneCellDrawsNothing) {
    Hover(3, 4);
    board().setPixel(3 * 60 + 30, 4 * 60, Color{9, 9, 9});
    panel().setPixel(300, 30, Color{9, 9, 9});
    BoardHover(g(), CellX(3) + 20, CellY(4) - 20);
    EXPECT_EQ(board().pixel(3 * 60 + 30, 4 * 60), (Color{9, 9, 9}.rgb()));
    EXPECT_EQ(panel().pixel(300, 30), (Color{9, 9, 9}.rgb()));
}

TEST_F(HoverTest, WithSelectionFramesAreRepairedAndHoverIsDrawnLast) {
    Click(5, 2);
    const std::string info = ReadCodedText(panel(), 195, 20, 16, kTagRed);
    EXPECT_EQ(info, "Blauer Jaeger");
    Hover(5, 1);  // a reachable cell, right above the selection
    EXPECT_EQ(TopEdge(5, 1), Entry(1));
    EXPECT_EQ(TopEdge(5, 2), Entry(1));  // shared with the selection: hover on top
    EXPECT_EQ(LeftEdge(5, 2), Entry(2));
    Hover(5, 4);  // leaving (5,1) erases its frame; the reach frames come back
    EXPECT_EQ(TopEdge(5, 1), Entry(3));
    EXPECT_EQ(TopEdge(5, 2), Entry(2));
    EXPECT_EQ(ReadCodedText(panel(), 195, 20, 16, kTagRed), info);  // the panel keeps the selection
}

TEST_F(HoverTest, CursorRules) {
    EXPECT_EQ(pointer.CurrentCursor, 1);
    // Without a selection enemy things do not change the cursor.
    Hover(11, 3);
    EXPECT_EQ(pointer.CurrentCursor, 1);
    Click(5, 2);
    Hover(10, 2);
    Hover(11, 3);
    EXPECT_EQ(pointer.CurrentCursor, 2);
    Hover(10, 3);  // empty: keeps the target cursor
    EXPECT_EQ(pointer.CurrentCursor, 2);
    Hover(1, 4);   // owner -1
    EXPECT_EQ(pointer.CurrentCursor, 1);
    Hover(11, 3);
    Hover(7, 2);   // own thing
    EXPECT_EQ(pointer.CurrentCursor, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HoverTest, MissingCursorFileIsReportedOncePerRunAndTheGameGoesOn) {
    GameOptions o;
    o.missingFx = {"c2.ico"};
    Prepare(o);
    Start();
    ASSERT_FALSE(game->IsClosed());
    Click(5, 2);
    Hover(11, 3);
    Hover(10, 3);
    Hover(7, 2);
    Hover(11, 3);
    EXPECT_EQ(pointer.CurrentCursor, 2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Error");
    EXPECT_NE(messages.shown[0].text.find("c2.ico"), std::string::npos);
    EXPECT_FALSE(game->IsClosed());
}

TEST_F(HoverTest, BusyBlocksTheBoardHandlers) {
    Click(5, 2);
    g().phase = GamePhase::Animating;
    // Real pointer events (the board lies at (15, 0) on the canvas), through
    // the screen's wiring where the gate sits.
    Driver(*plat).injectMouseMove(15 + CellX(11), CellY(3));
    Driver(*plat).injectClick(15 + CellX(5), CellY(3));
    Driver(*plat).injectClick(15 + CellX(5), CellY(2));
    plat->processPendingEvents();
    EXPECT_EQ(pointer.CurrentCursor, 1);
    EXPECT_NE(TopEdge(11, 3), Entry(1));
    EXPECT_EQ(ctx.World.CellMap(5, 2), 14);
    EXPECT_TRUE(ctx.GameState.hasSelection());
}

TEST_F(HoverTest, PointerEventsReachTheBoardHandlers) {
    // Canvas coordinates: the board lies at (15, 0).
    Driver(*plat).injectMouseMove(15 + CellX(3), CellY(4));
    plat->processPendingEvents();
    EXPECT_EQ(g().LastHoverX, 3);
    EXPECT_EQ(g().LastHoverY, 4);
    Driver(*plat).injectClick(15 + CellX(5), CellY(2));
    plat->processPendingEvents();
    EXPECT_EQ(ctx.GameState.SelectedX, 5);
    EXPECT_EQ(ctx.GameState.SelectedY, 2);
}

TEST_F(HoverTest, CursorFileIsLoadedOncePerChangeAndAgainAfterMinusOne) {
    // The file goes away after the first load: asking for the same cursor
    // again must not touch it, asking after -1 must.
    SetMouseCursor(ctx, 2);
    ASSERT_TRUE(messages.shown.empty());
    fs::remove(dir / "fx" / "c2.ico");
    SetMouseCursor(ctx, 2);
    EXPECT_TRUE(messages.shown.empty()) << "loaded again without a change";
    SetMouseCursor(ctx, -1);
    EXPECT_TRUE(messages.shown.empty()) << "-1 only forgets the number";
    SetMouseCursor(ctx, 2);
    ASSERT_EQ(messages.shown.size(), 1u) << "after -1 the file is read again";
    EXPECT_NE(messages.shown[0].text.find("c2.ico"), std::string::npos);
    EXPECT_EQ(pointer.CurrentCursor, 2);
}

}  // namespace
}  // namespace sd::test
