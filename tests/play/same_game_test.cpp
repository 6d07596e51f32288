// One list of actions, played headless by the rules alone and on the game
// screen with every pause, dial turn and animation: the two games must stay
// the same after every action. Records, replays and network play rely on it.
#include "combat/game_rules.h"
#include "play/shot_fixture.h"

namespace sd::test {
namespace {

using SameGameTest = ShotTest;

void ExpectSameGame(const WorldRecord& a, const GameStateRecord& sa, const WorldRecord& b, const GameStateRecord& sb,
                    size_t step) {
    for (int x = 0; x <= a.CellMap.maxX(); ++x) {
        for (int y = 0; y <= a.CellMap.maxY(); ++y) ASSERT_EQ(a.CellMap(x, y), b.CellMap(x, y)) << "after action " << step;
    }
    for (size_t t = 0; t < a.Things.size(); ++t) {
        const Thing& ta = a.Things[t];
        const Thing& tb = b.Things[t];
        ASSERT_TRUE(ta.Schild == tb.Schild && ta.Plasma == tb.Plasma && ta.Energie == tb.Energie &&
                    ta.Weapon == tb.Weapon)
            << "thing " << t << " after action " << step;
    }
    ASSERT_EQ(sa.CurrentPlayer, sb.CurrentPlayer) << "after action " << step;
    ASSERT_EQ(sa.TurnCounter, sb.TurnCounter) << "after action " << step;
    ASSERT_EQ(sa.SelectedX, sb.SelectedX) << "after action " << step;
    ASSERT_EQ(sa.SelectedY, sb.SelectedY) << "after action " << step;
    ASSERT_EQ(sa.Winner, sb.Winner) << "after action " << step;
}

TEST_F(SameGameTest, OneListOfActionsGivesTheSameGameHeadlessAndOnTheScreen) {
    AnswerWaits();
    HeadlessGame headless(ctx.World);
    const std::vector<Action> actions = {
        Action::SelectUnit({5, 2}),
        Action::Switch({5, 2}, Weapon::Beam),
        Action::FireAt({5, 2}, {11, 3}, 0),  // the beam reaches two cells: refused
        Action::MoveTo({5, 2}, {5, 4}),
        Action::SelectUnit({5, 4}),
        Action::MoveTo({5, 4}, {5, 0}),  // beyond its energy: refused
        Action::Switch({5, 4}, Weapon::Plasma),
        Action::FireAt({5, 4}, {11, 3}, 0),
        Action::FireAt({5, 4}, {11, 3}, 10),
        Action::FireAt({7, 2}, {11, 3}, 350),
        Action::EndOfTurn(),
        Action::SelectUnit({11, 3}),
        Action::FireAt({11, 3}, {7, 2}, 170),
        Action::MoveTo({11, 3}, {9, 3}),
        Action::Switch({9, 3}, Weapon::Beam),
        Action::FireAt({9, 3}, {7, 2}, 0),
        Action::EndOfTurn(),
        Action::SelectUnit({7, 2}),
        Action::DropSelection(),
        Action::EndOfTurn(),
    };
    for (size_t i = 0; i < actions.size(); ++i) {
        headless.Apply(actions[i]);
        game->Play(actions[i]);
        Settle();
        ASSERT_FALSE(game->IsClosed());
        ExpectSameGame(headless.world(), headless.state(), ctx.World, ctx.GameState, i);
    }
    EXPECT_EQ(game->Played(), headless.played());
    EXPECT_EQ(ctx.GameState.TurnCounter, 4);
}

}  // namespace
}  // namespace sd::test
