// Choosing the computer as the opponent: the title screen's label and the
// "-COMPUTER" switch.
#include "play/game_screen.h"
#include "play/game_screen_impl.h"
#include "shell/title_fixture.h"

namespace sd::test {
namespace {

using ComputerChoiceTest = TitleFixture;

struct Rect {
    int left, top, right, bottom;  // right and bottom excluded
};
Rect RectOf(const platform::Element& e) {
    const platform::Rect b = e.bounds();
    return {b.x, b.y, b.right(), b.bottom()};
}
bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST_F(ComputerChoiceTest, TheLabelCyclesThroughTheOpponentsAndTheNetworkWithTheMenuSound) {
    FrmStartup& t = Start();
    platform::Element& label = t.opponentLabel();
    EXPECT_EQ(label.look().text, "Gegner: Mensch");
    EXPECT_EQ(ctx.opponent, Opponent::Person);

    const struct {
        const char* caption;
        Opponent opponent;
    } cycle[] = {{"Gegner: Computer (leicht)", Opponent::ComputerLight},
                 {"Gegner: Computer (stark)", Opponent::ComputerStrong},
                 {"Gegner: Netzwerk (warten)", Opponent::Person},
                 {"Gegner: Netzwerk (verbinden)", Opponent::Person},
                 {"Gegner: Mensch", Opponent::Person}};
    for (const auto& step : cycle) {
        audio.played.clear();
        // The label changes its width with the caption: click its middle.
        Click(label.bounds().x + label.bounds().w / 2.0, label.bounds().y + label.bounds().h / 2.0);
        EXPECT_EQ(label.look().text, step.caption);
        EXPECT_EQ(ctx.opponent, step.opponent);
        ASSERT_EQ(audio.played.size(), 1u);
        EXPECT_NE(audio.played[0].find("001.wav"), std::string::npos);
    }
}

TEST_F(ComputerChoiceTest, TheLabelHasTheMenusColoursAndCoversNoPreviewNorMenuLabel) {
    FrmStartup& t = Start();
    platform::Element& label = t.opponentLabel();
    for (int k = 0; k < 5; ++k) {
        // Its widest caption too.
        for (int n = 0; n < 10; ++n) EXPECT_FALSE(Overlap(RectOf(label), RectOf(t.worldBox(n)))) << label.look().text << n;
        for (int m = 0; m < 3; ++m) EXPECT_FALSE(Overlap(RectOf(label), RectOf(t.menuLabel(m)))) << label.look().text << m;
        EXPECT_GE(label.bounds().x, 0);
        EXPECT_GE(label.bounds().w, label.look().font.textWidth(label.look().text)) << "the whole caption shows";
        t.OpponentLabelClick();
    }

    EXPECT_EQ(label.look().textColor, kLabelNormal);
    Move(label.bounds().x + 5, label.bounds().y + label.bounds().h / 2.0);
    EXPECT_EQ(label.look().textColor, kLabelHighlighted);
    // Straight onto a menu label, and onto the title panel: back to normal.
    Move(LabelX(0), LabelY());
    EXPECT_EQ(label.look().textColor, kLabelNormal);
    EXPECT_EQ(t.menuLabel(0).look().textColor, kLabelHighlighted);
    Move(label.bounds().x + 5, label.bounds().y + label.bounds().h / 2.0);
    EXPECT_EQ(t.menuLabel(0).look().textColor, kLabelNormal);
    Move(400, 100);
    EXPECT_EQ(label.look().textColor, kLabelNormal);
}

TEST_F(ComputerChoiceTest, TheSwitchStartsWithTheStrongComputerInAnyLetterCase) {
    for (const char* line : {"-NOSCREEN -computer", "-NOSCREEN -Computer", "-NOSCREEN -COMPUTER"}) {
        ctx.opponent = Opponent::Person;
        ctx.commandLine = line;
        FrmStartup& t = Start();
        EXPECT_EQ(ctx.opponent, Opponent::ComputerStrong) << line;
        EXPECT_EQ(t.opponentLabel().look().text, "Gegner: Computer (stark)") << line;
        title.reset();
    }
    ctx.opponent = Opponent::Person;
    ctx.commandLine = "-NOSCREEN COMPUTER";  // without the dash it is no switch
    Start();
    EXPECT_EQ(ctx.opponent, Opponent::Person);
}

TEST_F(ComputerChoiceTest, TheChoiceIsKeptFromGameToGame) {
    FrmStartup& t = Start();
    t.OpponentLabelClick();
    t.LabelClick(0);  // "Spiel starten"
    ASSERT_NE(t.game(), nullptr);
    EXPECT_EQ(t.game()->impl().ctx.opponent, Opponent::ComputerLight);
    t.game()->impl().CloseGameScreen();
    t.CollectClosedGames();
    EXPECT_EQ(t.opponentLabel().look().text, "Gegner: Computer (leicht)");
    EXPECT_EQ(ctx.opponent, Opponent::ComputerLight);
}

}  // namespace
}  // namespace sd::test
