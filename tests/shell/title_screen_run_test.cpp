// A whole headless run: start, choose a world, play into the game screen,
// leave it through the exit screen, find the title screen as it was, quit.
#include "play/game_screen.h"
#include "play/game_screen_impl.h"
#include "play/exit_screen.h"
#include "title_fixture.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

using TitleRunTest = TitleFixture;

TEST_F(TitleRunTest, ChooseWorldPlayLeaveAndQuit) {
    FrmStartup& t = Start();
    EXPECT_TRUE(t.screen().visible());
    EXPECT_EQ(pointer.CurrentCursor, 1);
    ASSERT_NE(t.worldBox(3).tag, "0");

    Click(BoxX(3), BoxY(3));
    EXPECT_EQ(ctx.GameState.WorldNumber, 3);

    Move(LabelX(0), LabelY());
    Click(LabelX(0), LabelY());
    ASSERT_NE(t.game(), nullptr);
    EXPECT_FALSE(t.game()->IsClosed());
    EXPECT_FALSE(t.screen().visible());
    EXPECT_TRUE(messages.shown.empty());

    // The modal exit screen is answered from the idle hook: onto its first
    // button, then a click on it.
    FrmMain::Impl& game = t.game()->impl();
    int answered = 0;
    Driver(*platform).setIdleHook([&] {
        if (game.exitScreen == nullptr || game.exitScreen->screen() == nullptr || answered >= 2) return;
        const platform::Screen& exitScreen = *game.exitScreen->screen();
        const double x = exitScreen.bounds().x + 54 + 40, y = exitScreen.bounds().y + 91 + 15;
        if (answered++ == 0) {
            Driver(*platform).injectMouseMove(x, y);
        } else {
            Driver(*platform).injectClick(x, y);
        }
    });
    // "Verlassen": button 2 at (16, 97) of the info panel, whose top is 430.
    Move(16 + 40, 430 + 97 + 15);
    Click(16 + 40, 430 + 97 + 15);
    // The main loop plays the button's pause and the dialog's answer.
    for (int i = 0; i < 1000 && !t.game()->IsClosed(); ++i) platform->waitEvents(-1);
    Driver(*platform).setIdleHook(nullptr);
    EXPECT_EQ(answered, 2);

    ASSERT_TRUE(t.game()->IsClosed());
    EXPECT_TRUE(ctx.GameState.GameOver);
    // The main loop's safe point frees the game and brings the title back.
    t.CollectClosedGames();
    EXPECT_TRUE(t.screen().visible());
    EXPECT_EQ(t.game(), nullptr);

    // The title screen as it was left: world 3 still framed and chosen.
    EXPECT_EQ(ctx.GameState.WorldNumber, 3);
    const platform::Surface shot = Driver(*platform).snapshot();
    EXPECT_EQ(shot.pixel(60 + 140 * 3 + 1 + 30, 290 + 1), 0xC8C800u);
    EXPECT_EQ(shot.pixel(60 + 1 + 30, 290 + 1), 0x000000u);

    Move(LabelX(2), LabelY());
    Click(LabelX(2), LabelY());
    EXPECT_TRUE(t.Ended());
    EXPECT_FALSE(platform->anyScreenVisible());
}

TEST_F(TitleRunTest, FailedGameStartBringsTheTitleScreenBack) {
    UseWorlds("[World0]\nName=X\n1=15 18\n");
    FrmStartup& t = Start();
    std::filesystem::remove(tempDir / "worlds.dat");  // gone before the game reads it
    Click(LabelX(0), LabelY());
    ASSERT_NE(t.game(), nullptr);
    EXPECT_TRUE(t.game()->IsClosed());
    EXPECT_TRUE(t.screen().visible());
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown[0].text, "DAT-Dateien nicht vorhanden! \"" + ctx.path("worlds.dat") + "\": nicht gefunden");
    // A second try while the first game still waits to be freed.
    Click(LabelX(0), LabelY());
    EXPECT_TRUE(t.screen().visible());
    t.CollectClosedGames();
    EXPECT_EQ(t.game(), nullptr);
}

TEST_F(TitleRunTest, WindowCloseDuringAGameEndsTheProgram) {
    FrmStartup& t = Start();
    Click(LabelX(0), LabelY());
    ASSERT_NE(t.game(), nullptr);
    Driver(*platform).injectCloseRequest();
    platform->processPendingEvents();
    EXPECT_TRUE(t.Ended());
    EXPECT_EQ(pointer.CurrentCursor, -1);
    EXPECT_FALSE(platform->anyScreenVisible());
}

}  // namespace
}  // namespace sd::test
