#include "data/world_model.h"

#include <gtest/gtest.h>

#include "data/context.h"
TEST(WorldModel, ThingNumbersOutsideTheTableReadAsNobody) {
    sd::WorldRecord w;
    w.Things.resize(3);
    w.Things[2].Besitzer = 2;
    w.CellMap.reset(1, 1);
    w.CellMap.set(1, 1, 2);
    w.CellMap.set(5, 5, 2);  // outside: ignored
    EXPECT_EQ(w.ownerAt(1, 1), 2);
    EXPECT_EQ(w.ownerAt(5, 5), 0);
    w.thing(99).Besitzer = 1;  // a write to nobody's record leaves no trace
    EXPECT_EQ(w.thing(99).Besitzer, 0);
    EXPECT_EQ(std::as_const(w).thing(-1).Besitzer, 0);
    w.CellMap.reset(-1, 3);
    EXPECT_TRUE(w.CellMap.empty());
    EXPECT_FALSE(w.CellMap.contains(0, 0));
}

TEST(WorldModel, ResetGameStateStartsANewGame) {
    sd::Context ctx;
    std::tm now{};
    now.tm_year = 99;
    now.tm_hour = 13;
    EXPECT_EQ(ctx.GameState.SelectedX, 0);  // before the first game
    ctx.GameState = {3, 4, 5, 2, 9, {}, true, true, 45, 7};
    sd::ResetGameState(ctx, now);
    const sd::GameStateRecord& g = ctx.GameState;
    EXPECT_EQ(g.SelectedX, -1);
    EXPECT_EQ(g.SelectedY, -1);
    EXPECT_FALSE(g.hasSelection());
    EXPECT_EQ(g.CurrentPlayer, 1);
    EXPECT_EQ(g.TurnCounter, 1);
    EXPECT_FALSE(g.GridVisible);
    EXPECT_FALSE(g.GameOver);
    EXPECT_EQ(g.StartTime.tm_hour, 13);
    EXPECT_EQ(g.WorldNumber, 3);
    EXPECT_EQ(g.AimAngle, 45);
    EXPECT_EQ(g.SpeedDelay, 7);
}
