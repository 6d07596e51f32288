// The running game's record on the game screen: written line by line as the
// actions are applied, continued to the same pixels, filed away when over,
// and a folder that cannot be written never stops the game.
#include <cstdlib>

#include "combat/record_check.h"
#include "play/game_recorder.h"
#include "play/shot_fixture.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

class RecordPlayTest : public ShotTest {
protected:
    void SetUp() override {
        ShotTest::SetUp();
        state = dir / "state";
        ::setenv("XDG_STATE_HOME", state.c_str(), 1);
        ctx.recordsOn = true;
    }
    void TearDown() override {
        ::setenv("XDG_STATE_HOME", SD_OUT_DIR "/../test-state", 1);
        ShotTest::TearDown();
    }
    std::string RecordText() {
        std::ifstream in(UnfinishedRecordPath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<uint32_t> Pixels() {
        const platform::Surface shot = Driver(*plat).snapshot();
        std::vector<uint32_t> px;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) px.push_back(shot.pixel(x, y));
        return px;
    }
    fs::path state;
};

const std::vector<Action> kActions = {
    Action::SelectUnit({5, 2}),
    Action::Switch({5, 2}, Weapon::Beam),
    Action::FireAt({5, 2}, {11, 3}, 0),  // out of the beam's reach: refused
    Action::MoveTo({5, 2}, {5, 4}),
    Action::Switch({5, 4}, Weapon::Plasma),
    Action::FireAt({5, 4}, {11, 3}, 10),
    Action::EndOfTurn(),
    Action::SelectUnit({11, 3}),
    Action::MoveTo({11, 3}, {9, 3}),
    Action::EndOfTurn(),
    Action::SelectUnit({7, 2}),
};

TEST_F(RecordPlayTest, EveryActionIsOnDiskAtOnceAndTheGameContinuesToTheSamePixels) {
    AnswerWaits();
    Start();
    std::string expected = RecordText();
    EXPECT_EQ(expected.rfind("SDGAME 1\nworld 0 ", 0), 0u) << expected;
    for (const Action& a : kActions) {
        game->Play(a);
        Settle();
        expected += FormatAction(a, g().lastOutcome.refused());
        ASSERT_EQ(RecordText(), expected);
    }
    EXPECT_NE(expected.find("fire 5 2 11 3 0 refused\n"), std::string::npos);
    const std::vector<uint32_t> before = Pixels();
    const WorldRecord world = ctx.World;
    const GameStateRecord was = ctx.GameState;

    // The program ends without the game being over: it stays to be continued.
    game.reset();
    OpenedRecord opened = OpenRecord(UnfinishedRecordPath(), {ctx.path("worlds.dat"), ctx.path("settings.dat")});
    ASSERT_EQ(opened.problem, "");
    ctx.GameState = GameStateRecord{};
    game = std::make_unique<FrmMain>(ctx);
    game->Continue(opened.record);
    Settle();
    ASSERT_FALSE(game->IsClosed());
    EXPECT_EQ(ctx.GameState.TurnCounter, was.TurnCounter);
    EXPECT_EQ(ctx.GameState.CurrentPlayer, was.CurrentPlayer);
    EXPECT_EQ(ctx.GameState.SelectedX, was.SelectedX);
    for (size_t t = 0; t < world.Things.size(); ++t) EXPECT_EQ(ctx.World.Things[t].Schild, world.Things[t].Schild);
    EXPECT_TRUE(Pixels() == before) << "the continued game looks different";

    // Recorded on; leaving it files it away with its result, not to be offered again.
    game->Play(Action::DropSelection());
    Settle();
    EXPECT_EQ(RecordText(), expected + "select -1 -1\n");
    ctx.GameState.GameOver = true;
    g().CloseGameScreen();
    EXPECT_FALSE(fs::exists(UnfinishedRecordPath()));
    const fs::directory_iterator filed(state / "sternenduell" / "games");
    ASSERT_NE(filed, fs::directory_iterator());
    std::ifstream in(filed->path());
    const std::string text(std::istreambuf_iterator<char>(in), {});
    EXPECT_NE(text.find("select -1 -1\nresult 0 3 "), std::string::npos) << text;
}

TEST_F(RecordPlayTest, AFolderThatCannotBeWrittenIsReportedOnceAndTheGamePlaysOn) {
    std::ofstream(dir / "state") << "a file where the folder should be";
    Start();
    game->Play(Action::SelectUnit({5, 2}));
    Settle();
    game.reset();
    Start();
    game->Play(Action::SelectUnit({5, 2}));
    Settle();
    EXPECT_EQ(ctx.GameState.SelectedX, 5);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("ohne Aufzeichnung"), std::string::npos);
    // "-NORECORD": nothing is written at all.
    fs::remove(dir / "state");
    ctx.recordsOn = false;
    game.reset();
    Start();
    game->Play(Action::SelectUnit({5, 2}));
    Settle();
    EXPECT_FALSE(fs::exists(dir / "state"));
}

TEST_F(RecordPlayTest, FinishedGamesKeepTheNewestHundred) {
    fs::create_directories(state / "sternenduell");
    for (int i = 0; i < kRecordsKept + 3; ++i) {
        std::ofstream(UnfinishedRecordPath()) << i;
        ASSERT_TRUE(FileAway(UnfinishedRecordPath()));
    }
    std::vector<fs::path> kept;
    for (const auto& e : fs::directory_iterator(state / "sternenduell" / "games")) kept.push_back(e.path());
    std::sort(kept.begin(), kept.end());
    ASSERT_EQ(kept.size(), static_cast<size_t>(kRecordsKept));
    std::ifstream oldest(kept.front());
    int first = -1;
    oldest >> first;
    EXPECT_EQ(first, 3);
}

}  // namespace
}  // namespace sd::test
