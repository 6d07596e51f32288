// The computer's turn played back on the game screen under the virtual clock.
// The headless game of the rules core predicts every turn; the screen must
// arrive at the same board through the person's own handlers.
// Test world: blue 14 at (5,2), blue 15 at (7,2), sun 1 at (0,3), red 17 at
// (11,3), asteroid 2 (owner -1) at (1,4), planet 3 at (3,4).
#include <memory>
#include <set>

#include "combat/computer_duel.h"
#include "play/aiming_dial.h"
#include "play/command_buttons.h"
#include "play/computer_turn.h"
#include "play/exit_screen.h"
#include "play/game_fixture.h"
#include "platform/input/screen.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

using Vec = std::vector<int>;

class ComputerTurnTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Begin(Opponent::ComputerStrong);
    }
    void TearDown() override {
        if (plat) Driver(*plat).setIdleHook(nullptr);
        GameTest::TearDown();
    }

    void Begin(Opponent o) {
        game.reset();
        ctx.opponent = o;
        Start();
        ASSERT_FALSE(game->IsClosed());
        Sounds();
    }

    // The board after the person's "Zug beenden" and one turn of the computer,
    // as the headless game plays it with the same generator.
    WorldRecord Predicted() {
        WorldRecord w = ctx.World;
        int16_t player = ctx.GameState.CurrentPlayer, turn = ctx.GameState.TurnCounter;
        std::mt19937 rng = ctx.computerRandom;
        HandOverTurn(w, player, turn);
        const ComputerStrength s =
            ctx.opponent == Opponent::ComputerLight ? ComputerStrength::Light : ComputerStrength::Strong;
        PlayComputerTurnHeadless(w, kComputerPlayer, s, rng);
        HandOverTurn(w, player, turn);
        return w;
    }

    // Every cell and every value a turn can change.
    static void ExpectSameBoard(const WorldRecord& a, const WorldRecord& b) {
        for (int x = 0; x <= a.CellMap.maxX(); ++x)
            for (int y = 0; y <= a.CellMap.maxY(); ++y) EXPECT_EQ(a.CellMap(x, y), b.CellMap(x, y)) << x << "," << y;
        ASSERT_EQ(a.Things.size(), b.Things.size());
        for (size_t t = 0; t < a.Things.size(); ++t) {
            EXPECT_EQ(a.Things[t].Schild, b.Things[t].Schild) << "thing " << t;
            EXPECT_EQ(a.Things[t].Plasma, b.Things[t].Plasma) << "thing " << t;
            EXPECT_EQ(a.Things[t].Energie, b.Things[t].Energie) << "thing " << t;
        }
    }

    static int Count(const Vec& v, int sound) { return static_cast<int>(std::count(v.begin(), v.end(), sound)); }

    // A pointer move onto an element of the game screen, and a click there.
    void PointAt(const platform::Element& e, double x = 10, double y = 10) { Driver(*plat).injectMouseMove(e.bounds().x + x, e.bounds().y + y); }
    void ClickAt(const platform::Element& e, double x = 10, double y = 10) { Driver(*plat).injectClick(e.bounds().x + x, e.bounds().y + y); }
    void ClickCell(int x, int y) { Driver(*plat).injectClick(15 + CellX(x), CellY(y)); }
};

TEST_F(ComputerTurnTest, AfterThePersonsTurnTheComputerPlaysItsOwnThroughTheGamesPaths) {
    const WorldRecord expected = Predicted();
    std::set<int16_t> dialAngles;
    bool dialShown = false;
    Driver(*plat).setIdleHook([&] {
        if (g().phase != GamePhase::Aiming) return;
        dialShown = dialShown || gfx().PicAngle->look().visible;
        dialAngles.insert(ctx.GameState.AimAngle);
    });
    const uint64_t before = clock.elapsedMs();
    ButtonPress(g(), 1);
    Settle();

    ExpectSameBoard(ctx.World, expected);
    EXPECT_EQ(ctx.GameState.CurrentPlayer, 1);
    EXPECT_EQ(ctx.GameState.TurnCounter, 3);
    EXPECT_FALSE(ctx.GameState.hasSelection());
    const Vec sounds = Sounds();
    // Its unit selected, a shot begun and launched, and "Zug beenden" pressed
    // once by the person and once by the computer.
    EXPECT_GE(Count(sounds, 2), 1);
    EXPECT_GE(Count(sounds, 12), 1);
    EXPECT_GE(Count(sounds, 5), 1);
    EXPECT_EQ(Count(sounds, 1), 2);
    EXPECT_EQ(sounds.back(), 1);
    // The dial's pointer travelled over several angles to the one fired.
    EXPECT_TRUE(dialShown);
    EXPECT_GE(dialAngles.size(), 5u);
    EXPECT_FALSE(gfx().PicAngle->look().visible);
    // Half a second between actions at the least: selecting, pointing, firing, ending.
    EXPECT_GE(clock.elapsedMs() - before, 2000u);

    // The person plays on.
    Click(5, 2);
    EXPECT_TRUE(ctx.GameState.SelectedX == 5 && ctx.GameState.SelectedY == 2);
}

TEST_F(ComputerTurnTest, TheLightComputerReplaysFromItsSeed) {
    Begin(Opponent::ComputerLight);
    ctx.computerRandom.seed(42);
    const WorldRecord expected = Predicted();
    ButtonPress(g(), 1);
    Settle();
    ExpectSameBoard(ctx.World, expected);
    EXPECT_EQ(ctx.GameState.CurrentPlayer, 1);
}

TEST_F(ComputerTurnTest, ThePersonsInputIsIgnoredAllThroughTheComputersTurn) {
    const WorldRecord expected = Predicted();
    int noise = 0;
    uint64_t last = 0;
    Driver(*plat).setIdleHook([&] {
        // Every 50 ms of the turn a different thing a person might do (not at
        // every idle moment, or the clock would never move on).
        if (!ComputersTurn(g()) || clock.elapsedMs() < last + 50) return;
        last = clock.elapsedMs();
        if (g().phase == GamePhase::Aiming) {  // turn the dial the other way
            PointAt(*gfx().PicAngle, 5, 5);
            ++noise;
            return;
        }
        switch (noise++ % 4) {
            case 0: ClickCell(11, 3); ClickCell(10, 3); break;         // select and move red
            case 1: PointAt(*gfx().PicButtonNormal[0]); break;         // the grid button ...
            case 2: ClickAt(*gfx().PicButtonOver[0]); break;           // ... and its click
            case 3: ClickAt(*gfx().PicDisplay1, 300, 110); break;      // the weapon switch
        }
    });
    ButtonPress(g(), 1);
    Settle();
    EXPECT_GE(noise, 20);
    ExpectSameBoard(ctx.World, expected);
    EXPECT_FALSE(ctx.GameState.GridVisible);
    EXPECT_EQ(ctx.GameState.CurrentPlayer, 1);
}

// Leaves through "Verlassen" as soon as the computer's plasma ball flies:
// onto the button, a click on it, then the exit screen's answer.
void LeaveWhileTheBallFlies(platform::Platform& plat, GameScreen& g, int answer, int& step) {
    Driver(plat).setIdleHook([&plat, &g, answer, &step] {
        if (g.closed) return;
        const platform::Element& normal = *g.gfx.PicButtonNormal[2];
        const platform::Element& over = *g.gfx.PicButtonOver[2];
        if (step == 0 && g.phase == GamePhase::Flying && ComputersTurn(g)) {
            Driver(plat).injectMouseMove(normal.bounds().x + 10, normal.bounds().y + 10);
            ++step;
        } else if (step == 1) {
            Driver(plat).injectClick(over.bounds().x + 10, over.bounds().y + 10);
            ++step;
        } else if (step >= 2 && g.exitScreen != nullptr && g.exitScreen->screen() != nullptr) {
            const platform::Screen& s = *g.exitScreen->screen();
            const double x = s.bounds().x + 54 + 20, y = s.bounds().y + (answer == 0 ? 91 : 135) + 10;
            if (step == 2) Driver(plat).injectMouseMove(x, y);
            if (step == 3) Driver(plat).injectClick(x, y);
            ++step;
        }
    });
}

TEST_F(ComputerTurnTest, VerlassenWorksInTheMiddleOfTheComputersShot) {
    // Back to the game: the computer finishes its turn as if nothing happened.
    const WorldRecord expected = Predicted();
    int step = 0;
    LeaveWhileTheBallFlies(*plat, g(), 1, step);
    ButtonPress(g(), 1);
    Settle();
    EXPECT_GE(step, 4);
    EXPECT_FALSE(game->IsClosed());
    ExpectSameBoard(ctx.World, expected);
    EXPECT_EQ(ctx.GameState.CurrentPlayer, 1);

    // Leaving: everything stops and the game screen closes.
    Begin(Opponent::ComputerStrong);
    step = 0;
    LeaveWhileTheBallFlies(*plat, g(), 0, step);
    ButtonPress(g(), 1);
    Settle();
    EXPECT_GE(step, 4);
    EXPECT_TRUE(ctx.GameState.GameOver);
    EXPECT_TRUE(game->IsClosed());
    EXPECT_EQ(ctx.GameState.CurrentPlayer, 2) << "the computer did not go on to end its turn";
}

TEST_F(ComputerTurnTest, ClosingTheWindowWhileTheDialTurnsStopsTheTurn) {
    bool closed = false;
    Driver(*plat).setIdleHook([&] {
        if (!closed && g().phase == GamePhase::Aiming) {
            closed = true;
            Driver(*plat).injectCloseRequest();
        }
    });
    ButtonPress(g(), 1);
    Settle();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(game->IsClosed());
    EXPECT_TRUE(plat->quitRequested());
    EXPECT_EQ(ctx.GameState.CurrentPlayer, 2);
}

TEST_F(ComputerTurnTest, TheComputersWinningShotShowsTheVictoryPanelAndEndsTheGame) {
    ctx.World.thing(14).Schild = 20;
    ctx.World.thing(15).Schild = 20;
    bool panelSeen = false;
    Driver(*plat).setIdleHook([&] {
        if (g().closed || g().phase != GamePhase::Victory) return;
        panelSeen = gfx().PicWin->look().visible;
        ClickAt(*gfx().PicWin, 20, 20);  // the person's click
    });
    ButtonPress(g(), 1);
    Settle();
    EXPECT_TRUE(panelSeen);
    EXPECT_TRUE(ctx.GameState.GameOver);
    EXPECT_TRUE(game->IsClosed());
    EXPECT_TRUE(UnitsOf(ctx.World, 1).empty());
}

TEST_F(ComputerTurnTest, TheComputerNeverActsOutOfTurn) {
    // The person's own turn: nothing happens, not even a pause.
    const WorldRecord before = ctx.World;
    const uint64_t t0 = clock.elapsedMs();
    PlayComputerTurn(g());
    Settle();
    ExpectSameBoard(ctx.World, before);
    EXPECT_EQ(clock.elapsedMs(), t0);
    EXPECT_EQ(Sounds(), Vec{});

    // Two people: "Zug beenden" hands red's turn to the second person.
    Begin(Opponent::Person);
    const WorldRecord start = ctx.World;
    ButtonPress(g(), 1);
    Settle();
    EXPECT_EQ(ctx.GameState.CurrentPlayer, 2);
    EXPECT_EQ(Sounds(), Vec{1});
    EXPECT_EQ(ctx.World.CellMap(11, 3), start.CellMap(11, 3));
    EXPECT_EQ(ctx.World.thing(17).Plasma, start.thing(17).Plasma);
    Click(11, 3);
    EXPECT_TRUE(ctx.GameState.SelectedX == 11 && ctx.GameState.SelectedY == 3) << "the second person plays red";
}

TEST_F(ComputerTurnTest, AfterTheComputersTurnAClickOnTheRestingPointerEndsTheTurnAgain) {
    const platform::Element& normal = *gfx().PicButtonNormal[1];
    const double x = normal.bounds().x + 20, y = normal.bounds().y + 10;
    Driver(*plat).injectMouseMove(x, y);
    Driver(*plat).injectClick(x, y);
    plat->processPendingEvents();
    Settle();
    ASSERT_EQ(ctx.GameState.TurnCounter, 3);
    ASSERT_EQ(ctx.GameState.CurrentPlayer, 1);
    Driver(*plat).injectClick(x, y);  // the pointer has not moved since
    plat->processPendingEvents();
    Settle();
    EXPECT_EQ(ctx.GameState.TurnCounter, 5) << "the person's click ended the turn and the computer played its own";
    EXPECT_EQ(ctx.GameState.CurrentPlayer, 1);
}

TEST_F(ComputerTurnTest, TheDialReadsEveryWholeAngleAtItsPoint) {
    const int W = gfx().PicAngle->bounds().w, H = gfx().PicAngle->bounds().h;
    ASSERT_GT(W, 0);
    for (int16_t a = 0; a < 360; ++a) {
        const DialPoint p = DialPointFor(W, H, a);
        EXPECT_EQ(DialAngle(W, H, p.x, p.y), a);
        EXPECT_TRUE(p.x >= 0 && p.x < W && p.y >= 0 && p.y < H) << a;
    }
}

}  // namespace
}  // namespace sd::test
