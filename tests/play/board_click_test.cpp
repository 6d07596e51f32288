// Selecting, moving and the click decision table, on the test world:
// blue 14 at (5,2), blue 15 at (7,2), sun 1 (owner 0) at (0,3), red 17 at
// (11,3), asteroid 2 (owner -1) at (1,4), planet 3 (owner 0) at (3,4).
#include "combat/movement.h"
#include "play/game_fixture.h"

#include "data/board_geometry.h"
#include "play/board_click.h"
#include "render/board_drawing.h"
#include "play/turn_cycle.h"

namespace sd::test {
namespace {

using Vec = std::vector<int>;

class BoardClickTest : public StartedGameTest {
protected:
    const GameStateRecord& S() const { return ctx.GameState; }
    bool Selected(int x, int y) const { return S().SelectedX == x && S().SelectedY == y; }
    Thing& ThingAt(int x, int y) { return ctx.World.thing(ctx.World.CellMap(x, y)); }
    // A cell framed as reachable: the middles of its four edges are in entry 3
    // (or entry 2 where the selected neighbour's frame was drawn over them).
    bool Framed(int x, int y) {
        if (ctx.World.CellMap(x, y) != 0) return false;  // reachable cells are empty
        const platform::Surface& b = board();
        const uint32_t edges[4] = {b.pixel(x * 60 + 30, y * 60), b.pixel(x * 60 + 30, y * 60 + 60),
                                   b.pixel(x * 60, y * 60 + 30), b.pixel(x * 60 + 60, y * 60 + 30)};
        for (uint32_t e : edges)
            if (e != Entry(3) && e != Entry(2)) return false;
        return true;
    }
    int ReachFrames() {
        int n = 0;
        for (int x = 0; x < 12; ++x)
            for (int y = 0; y < 7; ++y) n += Framed(x, y) ? 1 : 0;
        return n;
    }
};

TEST_F(BoardClickTest, WithoutSelectionOnlyOwnThingsAreSelected) {
    Click(2, 2);  // empty
    Click(11, 3); // enemy
    Click(0, 3);  // nobody
    Click(1, 4);  // nobody, stops plasma
    EXPECT_EQ(Sounds(), Vec{});
    EXPECT_FALSE(S().hasSelection());

    Click(5, 2);
    EXPECT_EQ(Sounds(), Vec{2});
    EXPECT_TRUE(Selected(5, 2));
    EXPECT_EQ(TopEdge(5, 2), Entry(2));
    // The selected look of unit 14 is portrait cell 0; the weapon picture is drawn.
    EXPECT_FALSE(gfx().PicMMC->picture().empty());
    EXPECT_EQ(gfx().PicMMC->picture().pixel(75, 65), gfx().PicClipAnim.cell(0).pixel(75, 65));
    EXPECT_EQ(panel().pixel(200, 105), gfx().PicClipWeaponSelect.cell(0).pixel(5, 5));
}

TEST_F(BoardClickTest, ClickingTheSelectionTogglesIt) {
    Click(5, 2);
    Click(5, 2);
    EXPECT_FALSE(S().hasSelection());
    EXPECT_TRUE(gfx().PicMMC->picture().empty());
    EXPECT_EQ(TopEdge(5, 2), Entry(1));  // the pointer is still on it
    EXPECT_EQ(ReachFrames(), 0);
    Click(5, 2);
    EXPECT_EQ(Sounds(), (Vec{2, 3, 2}));
    EXPECT_TRUE(Selected(5, 2));
}

TEST_F(BoardClickTest, MoveInLineAndRangeThenSelectAtTheNewCell) {
    Click(5, 2);
    Click(5, 0);  // two up, Energie 100 -> range 2
    EXPECT_EQ(Sounds(), (Vec{2, 2}));
    EXPECT_TRUE(Selected(5, 0));
    EXPECT_EQ(ctx.World.CellMap(5, 0), 14);
    EXPECT_EQ(ctx.World.CellMap(5, 2), 0);
    EXPECT_EQ(ctx.World.thing(14).Energie, 0);
    EXPECT_EQ(TopEdge(5, 0), Entry(2));
    EXPECT_EQ(ReachFrames(), 0);  // range 0 is left
    // The board was repainted: the thing's old cell shows the background again.
    EXPECT_EQ(board().pixel(5 * 60 + 30, 2 * 60 + 30), gfx().PicBackTmp.pixel(5 * 60 + 30, 2 * 60 + 30));
}

TEST_F(BoardClickTest, RefusedMovesPlaySound8AndChangeNothing) {
    Click(5, 2);
    Sounds();
    Click(6, 3);  // diagonal, one cell
    Click(5, 5);  // three down, range 2
    EXPECT_EQ(Sounds(), (Vec{8, 8}));
    EXPECT_TRUE(Selected(5, 2));
    EXPECT_EQ(ctx.World.CellMap(5, 2), 14);
    EXPECT_EQ(ctx.World.thing(14).Energie, 100);
}

TEST_F(BoardClickTest, SelectionMovesToAnotherOwnThingAndStaysOnNobodysThings) {
    Click(5, 2);
    Click(7, 2);
    EXPECT_TRUE(Selected(7, 2));
    EXPECT_EQ(TopEdge(5, 2), 0u);  // old selection frame gone (grid hidden)
    EXPECT_EQ(TopEdge(7, 2), Entry(2));
    Click(0, 3);
    Click(1, 4);
    EXPECT_EQ(Sounds(), (Vec{2, 2}));
    EXPECT_TRUE(Selected(7, 2));
}

TEST_F(BoardClickTest, ClickOnEnemyFiresAndRedrawsTheFrames) {
    ctx.World.CellMap.set(11, 3, 0);
    ctx.World.CellMap.set(5, 4, 17);
    ctx.World.thing(14).Plasma = 0;  // the shot is refused: only its sound, then the frames
    RepaintBoard(g());
    Click(5, 2);
    Sounds();
    Click(5, 4);
    EXPECT_EQ(Sounds(), Vec{14});
    EXPECT_TRUE(Selected(5, 2));
    EXPECT_FALSE(game->IsClosed());
    EXPECT_EQ(TopEdge(5, 2), Entry(2));
    EXPECT_EQ(LeftEdge(5, 4), Entry(1));  // the target
    EXPECT_EQ(LeftEdge(5, 3), Entry(3));  // reach, stopped by the target below
    EXPECT_TRUE(Framed(4, 2));
    EXPECT_FALSE(Framed(5, 4));
}

TEST_F(BoardClickTest, RangesRoundHalvesToEven) {
    struct Case { int16_t energie; int frames; };
    // Thing 14 alone in row 2 at (5,2) after 15 has gone; column 5 is free.
    ctx.World.CellMap.set(7, 2, 0);
    for (const Case c : {Case{25, 0}, Case{75, 8}, Case{100, 8}, Case{125, 8}, Case{150, 11}, Case{-30, 0}}) {
        ctx.World.thing(14).Energie = c.energie;
        RepaintBoard(g());
        Zeige_fahrbare_Zellen(ctx, board(), FramedReach(ctx.World, {5, 2}));
        EXPECT_EQ(ReachFrames(), c.frames) << "Energie " << c.energie;
    }
    ctx.World.EnergiePoints = 0;  // never reaches play; still no division by zero
    EXPECT_EQ(ThingRange(ctx.World, 14), 0);
}

TEST_F(BoardClickTest, MoveOf75LeavesNegativeEnergyAndNoRange) {
    ctx.World.thing(14).Energie = 75;
    Click(5, 2);
    Click(3, 2);
    EXPECT_TRUE(Selected(3, 2));
    EXPECT_EQ(ctx.World.thing(14).Energie, -25);
    EXPECT_EQ(ThingRange(ctx.World, 14), 0);
    Click(2, 2);
    EXPECT_EQ(Sounds(), (Vec{2, 2, 8}));

    ctx.World.thing(15).Energie = 25;
    Click(7, 2);
    Click(7, 1);
    EXPECT_EQ(Sounds(), (Vec{2, 8}));
}

TEST_F(BoardClickTest, FramesStopAtThingsButMovesPassThem) {
    ctx.World.thing(14).Energie = 150;  // range 3
    Click(5, 2);
    for (int x : {4, 3, 2, 6}) EXPECT_TRUE(Framed(x, 2)) << x;
    for (int y : {1, 0, 3, 4, 5}) EXPECT_TRUE(Framed(5, y)) << y;
    EXPECT_EQ(ReachFrames(), 9);
    Click(8, 2);  // past the thing in (7,2)
    EXPECT_TRUE(Selected(8, 2));
    EXPECT_EQ(ctx.World.CellMap(8, 2), 14);
    EXPECT_EQ(ctx.World.CellMap(7, 2), 15);
    EXPECT_EQ(ctx.World.thing(14).Energie, 0);
}

TEST_F(BoardClickTest, EdgesOfTheBoardGetNoFrames) {
    ctx.World.CellMap.set(5, 2, 0);
    ctx.World.CellMap.set(0, 0, 14);
    RepaintBoard(g());
    Click(0, 0);
    EXPECT_EQ(ReachFrames(), 4);  // two right, two down
    ctx.World.CellMap.set(0, 0, 0);
    ctx.World.CellMap.set(11, 6, 14);
    RepaintBoard(g());
    Click(11, 6);
    EXPECT_EQ(ReachFrames(), 4);  // two left, two up
}

TEST_F(BoardClickTest, MovedHoldsOnlyWithinTheClickThatMoved) {
    Click(5, 2);
    Click(5, 3);
    EXPECT_TRUE(Selected(5, 3));
    Click(5, 3);  // a new click on the moved thing deselects it
    EXPECT_EQ(Sounds(), (Vec{2, 2, 3}));
    EXPECT_FALSE(S().hasSelection());
}

TEST_F(BoardClickTest, SharedThingNumberSpendsEnergyOfBoth) {
    ctx.World.CellMap.set(2, 6, 14);
    Click(5, 2);
    Click(5, 3);
    EXPECT_EQ(ctx.World.thing(ctx.World.CellMap(2, 6)).Energie, 50);
}

TEST_F(BoardClickTest, FractionalPositionsRoundTiesToEvenBeforePicking) {
    // 59.5 rounds to 60 (even): cell 1; 58.5 rounds to 58: cell 0.
    ctx.World.CellMap.set(1, 0, 14);
    BoardClick(g(), 1, 0, 59.5, 10);
    EXPECT_TRUE(Selected(1, 0));
    BoardClick(g(), 1, 0, 58.5, 10);  // empty cell (0,0): a move left by one
    EXPECT_TRUE(Selected(0, 0));
}

TEST_F(BoardClickTest, AfterAOneCellMoveTheReachIsShownFromTheNewCell) {
    // Energy 100 is range 2; one cell costs 50 and leaves range 1.
    ctx.World.CellMap.set(7, 2, 0);
    Click(5, 2);
    EXPECT_EQ(ReachFrames(), 8);
    Click(5, 3);
    ASSERT_TRUE(Selected(5, 3));
    EXPECT_EQ(ThingAt(5, 3).Energie, 50);
    EXPECT_TRUE(Framed(4, 3) && Framed(6, 3) && Framed(5, 2) && Framed(5, 4));
    EXPECT_EQ(ReachFrames(), 4) << "range 1 around (5, 3), nothing of the old reach";
}

}  // namespace
}  // namespace sd::test
