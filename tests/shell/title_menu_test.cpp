#include "shell/title_menu.h"

#include "title_fixture.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

using TitleMenuTest = TitleFixture;

platform::Color ColorOf(FrmStartup& t, int k) { return t.menuLabel(k).look().textColor; }

TEST_F(TitleMenuTest, HoverHighlightFollowsThePointer) {
    FrmStartup& t = Start();
    EXPECT_EQ(t.highlightedButton(), -1);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ColorOf(t, k), kLabelNormal);

    Move(LabelX(0), LabelY());
    EXPECT_EQ(ColorOf(t, 0), kLabelHighlighted);
    // Straight from one label to the next.
    Move(LabelX(1), LabelY());
    EXPECT_EQ(ColorOf(t, 0), kLabelNormal);
    EXPECT_EQ(ColorOf(t, 1), kLabelHighlighted);
    EXPECT_EQ(t.highlightedButton(), 1);
    // A preview box changes nothing; the title panel clears the highlight.
    Move(BoxX(0), BoxY(0));
    EXPECT_EQ(ColorOf(t, 1), kLabelHighlighted);
    Move(400, 100);
    EXPECT_EQ(ColorOf(t, 1), kLabelNormal);
    EXPECT_EQ(t.highlightedButton(), -1);
}

TEST_F(TitleMenuTest, InformationShowsThePanelWithTheVersionAndAClickHidesIt) {
    FrmStartup& t = Start();
    audio.played.clear();
    const uint32_t before = clock.elapsedMs();
    Click(LabelX(1), LabelY());
    // The press shows for 400 ms with the menu sound.
    EXPECT_GE(clock.elapsedMs() - before, 400u);
    ASSERT_EQ(audio.played.size(), 1u);
    EXPECT_NE(audio.played[0].find("001.wav"), std::string::npos);
    EXPECT_EQ(ColorOf(t, 1), kLabelPressed);

    platform::Element& info = t.infoPanel();
    ASSERT_TRUE(info.look().visible);
    EXPECT_NEAR(info.bounds().x + info.bounds().w / 2.0, 400, 1);
    EXPECT_NEAR(info.bounds().y + info.bounds().h / 2.0, 300, 1);
    // The version text stands in the panel's colour near its bottom left corner.
    bool versionFound = false;
    for (int y = info.bounds().h - 30; y < info.bounds().h && !versionFound; ++y)
        for (int x = 10; x < 60 && !versionFound; ++x)
            versionFound = info.canvas().pixel(x, y) == (platform::Color{128, 128, 0}.rgb());
    EXPECT_TRUE(versionFound);
    EXPECT_TRUE(messages.shown.empty());

    // The pressed colour stays while the pointer stays on the label.
    Move(LabelX(1) + 5, LabelY());
    EXPECT_EQ(ColorOf(t, 1), kLabelPressed);

    Click(info.bounds().x + info.bounds().w / 2.0, info.bounds().y + info.bounds().h / 2.0);
    EXPECT_FALSE(info.look().visible);
    EXPECT_EQ(audio.played.size(), 2u);
}

TEST_F(TitleMenuTest, ClicksDuringThePressedPauseAreDropped) {
    Start();
    audio.played.clear();
    const uint64_t before = clock.elapsedMs();
    // Fifty quick clicks on "Information" reach the queue before the first is handled.
    for (int i = 0; i < 50; ++i) Driver(*platform).injectClick(LabelX(1), LabelY());
    platform->processPendingEvents();
    platform->processPendingEvents();
    EXPECT_LT(clock.elapsedMs() - before, 1000u) << "one pause, not fifty";
    EXPECT_EQ(audio.played.size(), 1u);
}

TEST_F(TitleMenuTest, BeendenEndsTheProgram) {
    FrmStartup& t = Start();
    Click(LabelX(2), LabelY());
    EXPECT_TRUE(t.Ended());
    EXPECT_FALSE(platform->anyScreenVisible());
    EXPECT_EQ(pointer.CurrentCursor, -1);
}

TEST_F(TitleMenuTest, ProgramEndRestoresTheDisplayModeUnlessNoscreen) {
    ctx.commandLine = "-nosound";
    FrmStartup& t = Start();
    EXPECT_TRUE(platform->window().displayMode().taken());
    EXPECT_FALSE(ctx.SoundOn);
    const bool switched = platform->window().displayMode().isFullscreen();
    Click(LabelX(2), LabelY());
    EXPECT_TRUE(t.Ended());
    EXPECT_FALSE(platform->window().displayMode().isFullscreen()) << "fullscreen during the run: " << switched;
}

TEST_F(TitleMenuTest, WindowCloseEndsTheProgramLikeBeenden) {
    FrmStartup& t = Start();
    Driver(*platform).injectCloseRequest();
    platform->processPendingEvents();
    EXPECT_TRUE(t.Ended());
    EXPECT_EQ(pointer.CurrentCursor, -1);
}

TEST_F(TitleMenuTest, MissingTitlePictureIsReportedByName) {
    UseWorlds("");
    std::filesystem::remove(tempDir / "fx");
    std::filesystem::create_directory(tempDir / "fx");
    title = std::make_unique<FrmStartup>(ctx);
    EXPECT_FALSE(title->Load());
    EXPECT_TRUE(title->Ended());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Error");
    EXPECT_NE(messages.shown[0].text.find("main.bmp"), std::string::npos);
}

}  // namespace
}  // namespace sd::test
