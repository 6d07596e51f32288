// The command buttons, the weapon switch and leaving through the exit screen.
#include "play/game_fixture.h"

#include "play/command_buttons.h"
#include "play/turn_cycle.h"
#include "play/exit_screen.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

using Vec = std::vector<int>;

class ButtonTest : public StartedGameTest {
protected:
    bool ShowsOnly(int i, char look) {
        return gfx().PicButtonNormal[i]->look().visible == (look == 'n') && gfx().PicButtonOver[i]->look().visible == (look == 'o') &&
               gfx().PicButtonClick[i]->look().visible == (look == 'c');
    }
};

TEST_F(ButtonTest, HoverShowsOneHoverLookAndThePanelResetsThem) {
    ButtonHover(g(), 0);
    EXPECT_TRUE(ShowsOnly(0, 'o'));
    ButtonHover(g(), 2);
    EXPECT_TRUE(ShowsOnly(0, 'n'));
    EXPECT_TRUE(ShowsOnly(2, 'o'));
    // Through real pointer events: the info panel resets every button.
    Driver(*plat).injectMouseMove(400, gfx().PicDisplay1->bounds().y + 150);
    plat->processPendingEvents();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(ShowsOnly(i, 'n')) << i;
}

TEST_F(ButtonTest, GridButtonTwiceKeepsTheSelectionFrames) {
    Click(5, 2);
    Sounds();
    ButtonPress(g(), 0);
    Settle();
    EXPECT_TRUE(ctx.GameState.GridVisible);
    EXPECT_EQ(TopEdge(9, 5), Entry(0));
    EXPECT_EQ(TopEdge(5, 2), Entry(2));
    EXPECT_EQ(TopEdge(5, 1), Entry(3));
    EXPECT_TRUE(ShowsOnly(0, 'n'));
    ButtonPress(g(), 0);
    Settle();
    EXPECT_FALSE(ctx.GameState.GridVisible);
    EXPECT_EQ(TopEdge(9, 5), 0u);
    EXPECT_EQ(TopEdge(5, 2), Entry(2));
    EXPECT_EQ(TopEdge(5, 1), Entry(3));
    EXPECT_EQ(Sounds(), (Vec{1, 1}));
}

TEST_F(ButtonTest, EndTurnButtonPlaysBeforeTheTurnAndPausesPressed) {
    // During the pause the pressed look is shown.
    ButtonHover(g(), 1);
    bool pressedSeen = false;
    Driver(*plat).setIdleHook([&] { pressedSeen = pressedSeen || ShowsOnly(1, 'c'); });
    const uint64_t before = clock.elapsedMs();
    ButtonPress(g(), 1);
    Settle();
    Driver(*plat).setIdleHook(nullptr);
    EXPECT_TRUE(pressedSeen);
    EXPECT_GE(clock.elapsedMs() - before, 200u);
    EXPECT_EQ(Sounds(), Vec{1});
    EXPECT_EQ(ctx.GameState.TurnCounter, 2);
    EXPECT_TRUE(ShowsOnly(1, 'n'));
}

TEST_F(ButtonTest, ClickOnAHoveredButtonThroughPointerEvents) {
    const auto* b = gfx().PicButtonNormal[0];
    const double x = b->bounds().x + b->bounds().w / 2.0, y = b->bounds().y + b->bounds().h / 2.0;
    Driver(*plat).injectMouseMove(x, y);
    plat->processPendingEvents();
    EXPECT_TRUE(ShowsOnly(0, 'o'));
    Driver(*plat).injectClick(x, y);
    plat->processPendingEvents();
    EXPECT_TRUE(ctx.GameState.GridVisible);
    EXPECT_EQ(Sounds(), Vec{1});
}

TEST_F(ButtonTest, WeaponToggleBoundsAndSounds) {
    WeaponToggle(g(), 300, 110);  // no selection
    EXPECT_EQ(Sounds(), Vec{});
    Click(5, 2);
    Sounds();
    WeaponToggle(g(), 194, 98);
    EXPECT_EQ(ctx.World.thing(14).Weapon, sd::Weapon::Beam);
    EXPECT_EQ(panel().pixel(200, 105), gfx().PicClipWeaponSelect.cell(1).pixel(5, 5));
    WeaponToggle(g(), 424, 120);
    EXPECT_EQ(ctx.World.thing(14).Weapon, sd::Weapon::Plasma);
    WeaponToggle(g(), 193.5, 100);
    WeaponToggle(g(), 300, 120.5);
    EXPECT_EQ(ctx.World.thing(14).Weapon, sd::Weapon::Plasma);
    EXPECT_EQ(Sounds(), (Vec{9, 10}));
    // The weapon belongs to the thing: it is shown again when it is selected.
    WeaponToggle(g(), 300, 110);
    Click(7, 2);
    Click(5, 2);
    EXPECT_EQ(panel().pixel(200, 105), gfx().PicClipWeaponSelect.cell(1).pixel(5, 5));
}

TEST_F(ButtonTest, BusyBlocksButtonsAndWeaponButNotTheCursorReactions) {
    Click(5, 2);
    Sounds();
    ButtonHover(g(), 0);  // the grid button's hover look is up when the shot starts
    g().phase = GamePhase::Flying;
    // Real pointer events, through the screen's wiring where the gate sits.
    auto onto = [this](platform::Element* e, double x = 10, double y = 10) {
        return std::pair{e->bounds().x + x, e->bounds().y + y};
    };
    auto [nx, ny] = onto(gfx().PicButtonNormal[1]);
    Driver(*plat).injectMouseMove(nx, ny);
    plat->processPendingEvents();
    EXPECT_TRUE(ShowsOnly(1, 'n'));
    const uint64_t before = clock.elapsedMs();
    auto [ox, oy] = onto(gfx().PicButtonOver[0]);
    Driver(*plat).injectClick(ox, oy);
    auto [wx, wy] = onto(gfx().PicDisplay1, 300, 110);
    Driver(*plat).injectClick(wx, wy);
    plat->processPendingEvents();
    EXPECT_FALSE(ctx.GameState.GridVisible);
    EXPECT_EQ(ctx.World.thing(14).Weapon, sd::Weapon::Plasma);
    EXPECT_EQ(Sounds(), Vec{});
    EXPECT_EQ(clock.elapsedMs(), before);  // no pause either
}

// Answers the exit screen from the idle hook: first a pointer move onto the
// button's normal look, then a click on its hover look. (The platform calls a
// copy of the hook, so the step counter lives outside it.)
void AnswerExitScreen(platform::Platform& plat, GameScreen& g, int button, bool closeWindow = false) {
    auto step = std::make_shared<int>(0);
    Driver(plat).setIdleHook([&plat, &g, button, closeWindow, step] {
        if (g.exitScreen == nullptr || g.exitScreen->screen() == nullptr) return;
        platform::Screen& s = *g.exitScreen->screen();
        const double x = s.bounds().x + 54 + 20, y = s.bounds().y + (button == 0 ? 91 : 135) + 10;
        if (closeWindow) {
            if ((*step)++ == 0) Driver(plat).injectCloseRequest();
            return;
        }
        if (*step == 0) Driver(plat).injectMouseMove(x, y);
        if (*step == 1) Driver(plat).injectClick(x, y);
        ++*step;
    });
}

TEST_F(ButtonTest, LeavingConfirmedShowsTheTitleScreen) {
    AnswerExitScreen(*plat, g(), 0);
    ButtonPress(g(), 2);
    Settle();
    Driver(*plat).setIdleHook(nullptr);
    EXPECT_TRUE(ctx.GameState.GameOver);
    EXPECT_EQ(Sounds(), (Vec{1, 1}));  // the button, then the exit screen's first button
    EXPECT_TRUE(game->IsClosed());
    EXPECT_TRUE(game->IsClosed());
}

TEST_F(ButtonTest, LeavingCancelledReturnsToTheSameTurn) {
    Click(5, 2);
    Sounds();
    AnswerExitScreen(*plat, g(), 1);
    ButtonPress(g(), 2);
    Settle();
    Driver(*plat).setIdleHook(nullptr);
    EXPECT_FALSE(ctx.GameState.GameOver);
    EXPECT_EQ(Sounds(), (Vec{1, 0}));
    EXPECT_FALSE(game->IsClosed());
    EXPECT_TRUE(ctx.GameState.SelectedX == 5 && ctx.GameState.SelectedY == 2);
    EXPECT_EQ(ctx.GameState.TurnCounter, 1);
}

TEST_F(ButtonTest, ClosingTheWindowDuringTheExitScreenLeavesGameOverAlone) {
    // The window's close command ends the program: the dialog closes without
    // an answer and the game screen goes without bringing back the title.
    AnswerExitScreen(*plat, g(), 0, true);
    ButtonPress(g(), 2);
    Settle();
    Driver(*plat).setIdleHook(nullptr);
    EXPECT_TRUE(plat->quitRequested());
    EXPECT_FALSE(ctx.GameState.GameOver);
    EXPECT_TRUE(game->IsClosed());
    EXPECT_EQ(Sounds(), Vec{1});
}

TEST_F(GameTest, AMissingExitPictureIsReportedAtTheStartAndPlayGoesOn) {
    GameOptions o;
    o.missingFx = {"butt5_c.bmp"};
    Prepare(o);
    Start();
    ASSERT_FALSE(game->IsClosed()) << "the game can be played without the exit dialog";
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("butt5_c.bmp"), std::string::npos);

    // "Verlassen" says it again and the game goes on where it was.
    ButtonHover(g(), 2);
    ButtonPress(g(), 2);
    Settle();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_FALSE(ctx.GameState.GameOver);
    EXPECT_FALSE(game->IsClosed());
}

}  // namespace
}  // namespace sd::test

namespace sd::test {
namespace {

// The pointer rests on a button while its look goes back to normal: the next
// click there, without a move, still counts (hover and press in one).
TEST_F(ButtonTest, ASecondClickOnARestingPointerCountsForEveryButton) {
    // Until the pressed look's pause is over ("Verlassen" then waits on its question).
    auto pressAndWait = [this] {
        plat->processPendingEvents();
        while (!g().buttons.Empty()) plat->waitEvents(-1);
    };
    auto answerBack = [this] {
        ASSERT_NE(g().exitScreen, nullptr);
        EXPECT_FALSE(g().exitScreen->closed()) << "the exit screen asks";
        g().exitScreen->ButtonClick(1);
        Settle();
    };
    for (int i = 0; i < 3; ++i) {
        const platform::Element& normal = *gfx().PicButtonNormal[i];
        const double x = normal.bounds().x + 20, y = normal.bounds().y + 10;
        Driver(*plat).injectMouseMove(x, y);
        Driver(*plat).injectClick(x, y);
        pressAndWait();
        if (i == 2) answerBack();
        ASSERT_TRUE(ShowsOnly(i, 'n')) << i;
        Sounds();
        const bool grid = ctx.GameState.GridVisible;
        const int16_t turn = ctx.GameState.TurnCounter;
        Driver(*plat).injectClick(x, y);  // no move in between
        plat->processPendingEvents();
        EXPECT_TRUE(ShowsOnly(i, 'c')) << "button " << i << " shows its pressed look";
        pressAndWait();
        EXPECT_EQ(Sounds(), Vec{1}) << "button " << i;
        if (i == 0) {
            EXPECT_NE(ctx.GameState.GridVisible, grid);
        }
        if (i == 1) {
            EXPECT_EQ(ctx.GameState.TurnCounter, turn + 1);
        }
        if (i == 2) answerBack();
    }
}

}  // namespace
}  // namespace sd::test
