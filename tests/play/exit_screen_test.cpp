// The exit screen on its own: layout and the three handlers.
#include "play/exit_screen.h"

#include "play/game_fixture.h"
#include "platform/input/screen.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

using Vec = std::vector<int>;

class ExitScreenTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        exitScreen = std::make_unique<FrmExit>(ctx);
        ASSERT_TRUE(exitScreen->Load());
        s = exitScreen->screen();
        ASSERT_NE(s, nullptr);
    }
    void TearDown() override {
        exitScreen.reset();
        GameTest::TearDown();
    }
    platform::Element& Look(const char* name, int k) { return *s->find(name, k); }
    std::unique_ptr<FrmExit> exitScreen;
    platform::Screen* s = nullptr;
};

TEST_F(ExitScreenTest, LoadsCentredWithBothButtonsNormal) {
    EXPECT_EQ(s->caption(), "eXIT");
    EXPECT_EQ(s->bounds().w, 251);
    EXPECT_EQ(s->bounds().h, 200);
    EXPECT_NEAR(s->bounds().x, (800 - 251) / 2.0, 0.5);
    EXPECT_EQ(s->bounds().y, 200);
    for (int k = 0; k < 2; ++k) {
        for (const char* n : {"PicBtNormal", "PicBtOver", "PicBtClick"}) {
            EXPECT_EQ(Look(n, k).bounds().x, 54);
            EXPECT_EQ(Look(n, k).bounds().y, k == 0 ? 91 : 135);
        }
        EXPECT_TRUE(Look("PicBtNormal", k).look().visible);
        EXPECT_FALSE(Look("PicBtOver", k).look().visible);
        EXPECT_FALSE(Look("PicBtClick", k).look().visible);
    }
}

TEST_F(ExitScreenTest, HoverAndBackground) {
    exitScreen->ButtonHover(0);
    exitScreen->ButtonHover(1);
    // Hovering button 1 shows both normal looks first, then swaps its own:
    // button 0's hover look keeps its state.
    EXPECT_TRUE(Look("PicBtOver", 0).look().visible);
    EXPECT_TRUE(Look("PicBtNormal", 0).look().visible);
    EXPECT_TRUE(Look("PicBtOver", 1).look().visible);
    EXPECT_FALSE(Look("PicBtNormal", 1).look().visible);
    exitScreen->BackgroundMove();
    for (int k = 0; k < 2; ++k) {
        EXPECT_TRUE(Look("PicBtNormal", k).look().visible);
        EXPECT_FALSE(Look("PicBtOver", k).look().visible);
    }
}

TEST_F(ExitScreenTest, FirstButtonSetsGameOverSecondDoesNot) {
    exitScreen->ButtonHover(1);
    exitScreen->ButtonClick(1);
    while (!exitScreen->closed()) plat->waitEvents(-1);  // the pressed look's pause
    EXPECT_FALSE(ctx.GameState.GameOver);
    EXPECT_TRUE(exitScreen->closed());
    EXPECT_GE(clock.elapsedMs(), 200u);
    EXPECT_EQ(Sounds(), Vec{0});

    FrmExit second(ctx);
    ASSERT_TRUE(second.Load());
    second.ButtonHover(0);
    second.ButtonClick(0);
    EXPECT_TRUE(ctx.GameState.GameOver);
    EXPECT_EQ(Sounds(), Vec{1});
}

TEST_F(ExitScreenTest, WithoutSoundTheButtonsBehaveTheSame) {
    ctx.SoundOn = false;
    exitScreen->ButtonHover(0);
    exitScreen->ButtonClick(0);
    EXPECT_TRUE(ctx.GameState.GameOver);
    EXPECT_TRUE(audio.played.empty());
}

TEST_F(ExitScreenTest, ClicksOnTheNormalOrPressedLookDoNothing) {
    plat->showScreen(*s);
    plat->processPendingEvents();
    Sounds();
    for (const char* look : {"PicBtNormal", "PicBtClick"}) {
        for (int k = 0; k < 2; ++k) {
            exitScreen->BackgroundMove();
            platform::Element& e = Look(look, k);
            e.setVisible(true);
            s->bringToFront(e);
            Driver(*plat).injectClick(s->bounds().x + e.bounds().x + 20, s->bounds().y + e.bounds().y + 10);
            plat->processPendingEvents();
            EXPECT_FALSE(ctx.GameState.GameOver) << look << " " << k;
            EXPECT_FALSE(exitScreen->closed()) << look << " " << k;
            EXPECT_EQ(Sounds(), Vec{}) << look << " " << k;
        }
    }
}

}  // namespace
}  // namespace sd::test
