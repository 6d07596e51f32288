// Game start, file errors at the start, and the turn cycle.
#include "platform/draw/bitmap_files.h"
#include "play/game_fixture.h"

#include "platform/input/screen.h"
#include "play/command_buttons.h"
#include "play/turn_cycle.h"
#include "render/board_drawing.h"

namespace sd::test {
namespace {

using Vec = std::vector<int>;

TEST_F(GameTest, StartShowsTheBoardWithoutGridFramesOrTurnMessage) {
    ctx.GameState.SelectedX = 0;  // leftovers of an earlier game
    ctx.GameState.CurrentPlayer = 2;
    ctx.GameState.GameOver = true;
    Start();
    ASSERT_FALSE(game->IsClosed()) << (messages.shown.empty() ? "" : messages.shown[0].text);
    EXPECT_TRUE(messages.shown.empty());
    const GameStateRecord& s = ctx.GameState;
    EXPECT_EQ(s.CurrentPlayer, 1);
    EXPECT_EQ(s.TurnCounter, 1);
    EXPECT_FALSE(s.hasSelection());
    EXPECT_FALSE(s.GameOver);
    EXPECT_EQ(pointer.CurrentCursor, 1);
    EXPECT_TRUE(g().screen->visible());

    // Layout from the raster: 721 x 421 board at (15, 0), panel at the bottom.
    EXPECT_EQ(gfx().PicBack->bounds().x, 15);
    EXPECT_EQ(gfx().PicBack->bounds().w, 721);
    EXPECT_EQ(gfx().PicBack->bounds().h, 421);
    EXPECT_EQ(gfx().PicDisplay1->bounds().y, 600 - gfx().PicDisplay1->bounds().h);
    EXPECT_EQ(gfx().PicMMC->bounds().y, gfx().PicDisplay1->bounds().y + 9);
    EXPECT_EQ(gfx().PicMMC->bounds().x, gfx().PicDisplay1->bounds().w - 160);
    EXPECT_EQ(gfx().PicAngle->bounds().x, gfx().PicMMC->bounds().x);
    EXPECT_FALSE(gfx().PicAngle->look().visible);
    EXPECT_FALSE(gfx().PicWin->look().visible);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(gfx().PicButtonNormal[i]->look().visible);
        EXPECT_FALSE(gfx().PicButtonOver[i]->look().visible);
        EXPECT_FALSE(gfx().PicButtonClick[i]->look().visible);
        EXPECT_EQ(gfx().PicButtonNormal[i]->bounds().x, 16);
    }
    EXPECT_EQ(gfx().PicButtonNormal[1]->bounds().y, gfx().PicDisplay1->bounds().y + 59);

    // Background where no thing is, including where grid lines would be; things drawn.
    for (auto [x, y] : {std::pair{60, 100}, std::pair{125, 180}, std::pair{400, 60}})
        EXPECT_EQ(board().pixel(x, y), gfx().PicBackTmp.pixel(x, y)) << x << "," << y;
    platform::Surface thing14 = gfx().PicClipThing.cell(14);
    EXPECT_EQ(board().pixel(5 * 60 + 30, 2 * 60 + 30), thing14.pixel(30, 30));
    EXPECT_EQ(ReadCodedText(panel(), 195, 20, 10, kTagRed), "");
}

TEST_F(GameTest, MissingBitmapClosesTheScreenWithAMessage) {
    GameOptions o;
    o.missingFx = {"t0.bmp"};
    Prepare(o);
    Start();
    EXPECT_TRUE(game->IsClosed());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Error");
    EXPECT_NE(messages.shown[0].text.find("t0.bmp"), std::string::npos);
    EXPECT_TRUE(game->IsClosed());
}

TEST_F(GameTest, StripThatDoesNotDivideIsReported) {
    GameOptions o;
    o.missingFx = {"weapon.bmp"};
    Prepare(o);
    ASSERT_TRUE(platform::SaveBmp(platform::Surface(229, 41, Color{1, 1, 1}), (dir / "fx" / "weapon.bmp").string()));
    Start();
    EXPECT_TRUE(game->IsClosed());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("weapon.bmp"), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find("229 x 41"), std::string::npos);
}

TEST_F(GameTest, PicturesOfTheWrongSizeAreRefusedWithTheSizes) {
    struct Case {
        const char* file;
        int width, height;
        const char* found;   // as the message gives it
        const char* wanted;
    };
    const Case cases[] = {
        {"screen1.bmp", 10, 10, "ist 10 x 10 Pixel", "800 x 170 Pixel"},
        {"screen1.bmp", 2000, 2000, "ist 2000 x 2000 Pixel", "800 x 170 Pixel"},
        {"t0.bmp", 7, 4, "sind 1 x 1 Pixel", "60 x 60 bis 120 x 120 Pixel"},
        {"t0.bmp", 7000, 4000, "sind 1000 x 1000 Pixel", "60 x 60 bis 120 x 120 Pixel"},
        {"font_r.bmp", 16, 10, "sind 1 x 1 Pixel", "8 x 12 Pixel"},
        {"t0i.bmp", 2, 3, "sind 1 x 1 Pixel", "150 x 130 Pixel"},
        {"butt2_b.bmp", 150, 80, "ist 150 x 80 Pixel", "40 x 20 bis 160 x 38 Pixel"},
    };
    for (const Case& c : cases) {
        GameOptions o;
        o.missingFx = {c.file};
        o.codedFonts = std::string(c.file) != "font_r.bmp";
        Prepare(o);
        ASSERT_TRUE(platform::SaveBmp(platform::Surface(c.width, c.height, Color{9, 9, 9}), (dir / "fx" / c.file).string()));
        Start();
        EXPECT_TRUE(game->IsClosed()) << c.file;
        ASSERT_EQ(messages.shown.size(), 1u) << c.file;
        const std::string& m = messages.shown[0].text;
        EXPECT_NE(m.find(c.file), std::string::npos) << m;
        EXPECT_NE(m.find(c.found), std::string::npos) << m;
        EXPECT_NE(m.find(std::string("gebraucht werden ") + c.wanted), std::string::npos) << m;
    }
}

TEST_F(GameTest, ABoardWithAnOffsetShowsItsLastColumnAndRow) {
    std::string worlds = kTestWorlds;
    worlds.replace(worlds.find("Raster_x=0"), 10, "Raster_x=20");
    worlds.replace(worlds.find("Raster_y=0"), 10, "Raster_y=9");
    GameOptions o;
    o.worlds = worlds.c_str();
    Prepare(o);
    Start();
    ASSERT_FALSE(game->IsClosed());
    EXPECT_EQ(gfx().PicBack->bounds().w, 20 + 12 * 60 + 1);
    EXPECT_EQ(gfx().PicBack->bounds().h, 9 + 7 * 60 + 1);
    // The grid's last lines lie on the board.
    ctx.GameState.GridVisible = true;
    DrawGrid(ctx, board(), TableColor(ctx, 0));
    EXPECT_EQ(board().pixel(20 + 720, 9 + 30), Entry(0));
    EXPECT_EQ(board().pixel(20 + 30, 9 + 420), Entry(0));
}

TEST_F(GameTest, MissingWorldFileStopsTheStartAfterOneMessage) {
    GameOptions o;
    o.worlds = nullptr;
    Prepare(o);
    Start();
    EXPECT_TRUE(game->IsClosed());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "DAT-Dateien nicht vorhanden! \"" + ctx.path("worlds.dat") + "\": nicht gefunden");
    EXPECT_TRUE(game->IsClosed());
}

class TurnTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Start();
        ASSERT_FALSE(game->IsClosed());
    }
};

TEST_F(TurnTest, EndTurnRefillsEveryPlayersThingsAndWritesTheMessage) {
    ctx.World.thing(14).Energie = 30;
    ctx.World.thing(17).Energie = 0;
    ctx.World.thing(3).Energie = 30;  // owner 0 keeps its energy
    ctx.World.thing(15).Plasma = 2;
    EXPECT_EQ(ctx.World.thing(15).Energie, 250);  // the world's value holds for turn 1
    Perform(g(), Action::EndOfTurn());
    EXPECT_EQ(ctx.GameState.CurrentPlayer, 2);
    EXPECT_EQ(ctx.GameState.TurnCounter, 2);
    EXPECT_EQ(ctx.World.thing(14).Energie, 100);
    EXPECT_EQ(ctx.World.thing(15).Energie, 100);
    EXPECT_EQ(ctx.World.thing(17).Energie, 100);
    EXPECT_EQ(ctx.World.thing(3).Energie, 30);
    EXPECT_EQ(ctx.World.thing(1).Energie, -1);
    EXPECT_EQ(ctx.World.thing(15).Plasma, 2);
    EXPECT_EQ(ReadCodedText(panel(), 195, 20, 10, kTagRed), "Zug 2");
    EXPECT_EQ(ReadCodedText(panel(), 195, 40, 40, kTagBlue), "Spieler 2 kann nun mir seinen");
    EXPECT_EQ(ReadCodedText(panel(), 195, 55, 40, kTagBlue), "Entscheidungen beginnen.");
    Perform(g(), Action::EndOfTurn());
    EXPECT_EQ(ctx.GameState.CurrentPlayer, 1);
    EXPECT_EQ(ReadCodedText(panel(), 195, 20, 10, kTagRed), "Zug 3");
    EXPECT_EQ(ReadCodedText(panel(), 195, 40, 40, kTagBlue), "Spieler 1 kann nun mir seinen");
}

TEST_F(TurnTest, EndTurnWithSelectionAndGridLeavesOnlyTheGrid) {
    Click(5, 2);
    ToggleGrid(g());
    Hover(3, 3);
    Perform(g(), Action::EndOfTurn());
    EXPECT_FALSE(ctx.GameState.hasSelection());
    for (auto [x, y] : {std::pair{5, 2}, std::pair{5, 1}, std::pair{3, 3}, std::pair{0, 0}}) {
        EXPECT_EQ(TopEdge(x, y), Entry(0));
        EXPECT_EQ(LeftEdge(x, y), Entry(0));
    }
}

TEST_F(TurnTest, TheEndOfTurnSoundStartsBeforeTheTurnMessage) {
    std::string textWhenTheSoundStarted = "(no sound)";
    audio.onPlay = [this, &textWhenTheSoundStarted](const std::string&) {
        textWhenTheSoundStarted = ReadCodedText(panel(), 195, 20, 6, kTagRed);
    };
    ButtonHover(g(), 1);
    ButtonPress(g(), 1);
    Settle();
    audio.onPlay = nullptr;
    EXPECT_EQ(textWhenTheSoundStarted, "");
    EXPECT_EQ(ReadCodedText(panel(), 195, 20, 6, kTagRed), "Zug 2");
}

TEST_F(GameTest, TheVictoryPanelIsCentredWithHalvesRoundedToEven) {
    GameOptions o;
    o.missingFx = {"screen4.bmp"};
    Prepare(o);
    ASSERT_TRUE(platform::SaveBmp(platform::Surface(301, 200, Color{0, 0, 90}), (dir / "fx" / "screen4.bmp").string()));
    Start();
    ASSERT_FALSE(game->IsClosed());
    EXPECT_EQ(gfx().PicWin->bounds().w, 301);
    EXPECT_EQ(gfx().PicWin->bounds().x, 250) << "(800 - 301) / 2 = 249.5, to the even 250";
    EXPECT_EQ(gfx().PicWin->bounds().y, 200);
}

}  // namespace
}  // namespace sd::test
