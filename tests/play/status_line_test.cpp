// The status line read back from the info panel's pixels, and the trail of
// the last plasma shot read back from the screen.
#include "base/layout.h"
#include "play/shot_fixture.h"
#include "render/status_line.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

class StatusLineTest : public ShotTest {
protected:
    // The strip as the panel shows it, against the line drawn afresh.
    void ExpectStatus(const std::string& turn, int16_t team, const std::string& event) {
        platform::Surface expected(800, 170);
        DrawStatusLine(gfx(), expected, {turn, TeamColor(team), event});
        constexpr Rect r = layout::kStatusLine;
        int differing = 0, lettering = 0;
        for (int y = r.top; y <= r.bottom; ++y) {
            for (int x = r.left; x <= r.right; ++x) {
                differing += expected.pixel(x, y) != panel().pixel(x, y);
                lettering += panel().pixel(x, y) != 0;
            }
        }
        EXPECT_EQ(differing, 0) << "\"" << turn << "\" \"" << event << "\"";
        EXPECT_GT(lettering, 50) << "the line shows something";
    }
    void Play(const Action& a) {
        game->Play(a);
        Settle();
    }
};

TEST_F(StatusLineTest, TurnRefusalsMissHitAndDestructionAreWrittenFromTheOutcomes) {
    AnswerWaits();
    ExpectStatus("Zug 1 · Blau am Zug", 1, "");
    Play(Action::SelectUnit({5, 2}));
    Play(Action::Switch({5, 2}, Weapon::Beam));
    Play(Action::FireAt({5, 2}, {11, 3}, 0));
    ExpectStatus("Zug 1 · Blau am Zug", 1, "Strahl reicht nur 2 Felder");
    Play(Action::MoveTo({5, 2}, {5, 6}));
    ExpectStatus("Zug 1 · Blau am Zug", 1, "Zu wenig Energie");
    ctx.World.thing(15).Plasma = 0;
    Play(Action::FireAt({7, 2}, {11, 3}, 0));
    ExpectStatus("Zug 1 · Blau am Zug", 1, "Kein Plasma mehr");

    Play(Action::Switch({5, 2}, Weapon::Plasma));
    const std::optional<int16_t> miss = AngleFor(5, 2, FlightEnd::OffBoard);
    ASSERT_TRUE(miss);
    Play(Action::FireAt({5, 2}, {11, 3}, *miss));
    ExpectStatus("Zug 1 · Blau am Zug", 1, "Fehlschuss");

    ctx.World.CellMap.set(11, 3, 0);
    ctx.World.CellMap.set(6, 3, 17);
    Play(Action::Switch({5, 2}, Weapon::Beam));
    Play(Action::FireAt({5, 2}, {6, 3}, 0));
    ExpectStatus("Zug 1 · Blau am Zug", 1, "Treffer: Roter Jaeger (rot), Schild 100 → 60");
    ctx.World.thing(17).Schild = 30;
    Play(Action::FireAt({5, 2}, {6, 3}, 0));
    ExpectStatus("Zug 1 · Blau am Zug", 1, "Roter Jaeger (rot) zerstört · Blau gewinnt");
}

TEST_F(StatusLineTest, TheTurnHandedToTheComputerSaysSo) {
    ctx.opponent = Opponent::ComputerStrong;
    Play(Action::EndOfTurn());
    ExpectStatus("Zug 2 · Rot am Zug (Computer)", 2, "Zug beendet");
}

TEST_F(StatusLineTest, WithAUnitSelectedTheUnitUnderThePointerTellsItsShield) {
    Click(5, 2);
    Hover(11, 3);
    ExpectStatus("Zug 1 · Blau am Zug", 1, "Ziel: Roter Jaeger (rot), Schild 100");
    Hover(3, 3);
    ExpectStatus("Zug 1 · Blau am Zug", 1, "");
}

// After a miss the dots lie along the flight; the same side's next shot takes
// them away and the screen under them is exactly as it was.
TEST_F(StatusLineTest, TheTrailShowsTheLastShotAndLeavesNoMark) {
    std::vector<int16_t> misses;
    const PixelPoint c = CellCentre(ctx.World, 5, 2);
    for (int16_t a = 0; a < 360 && misses.size() < 2; a += 7) {
        if (RunFlight(ctx.World, 1, c.x, c.y, a).end == FlightEnd::OffBoard) misses.push_back(a);
    }
    ASSERT_EQ(misses.size(), 2u);
    plat->refresh();
    const platform::Surface before = Driver(*plat).snapshot();

    Play(Action::FireAt({5, 2}, {11, 3}, misses[0]));
    std::vector<std::pair<int, int>> dots;
    for (const platform::Element* dot : g().trailDots[1]) {
        if (dot->look().visible) dots.push_back({static_cast<int>(dot->bounds().x) + 1, static_cast<int>(dot->bounds().y) + 1});
    }
    ASSERT_GE(dots.size(), 3u);
    platform::Surface shown = Driver(*plat).snapshot();
    for (const auto& [x, y] : dots) EXPECT_EQ(shown.pixel(x, y), TeamColor(1).rgb()) << x << "," << y;

    Play(Action::FireAt({5, 2}, {11, 3}, misses[1]));
    shown = Driver(*plat).snapshot();
    int restored = 0;
    for (const auto& [x, y] : dots) {
        bool coveredAgain = false;
        for (const platform::Element* dot : g().trailDots[1]) {
            coveredAgain = coveredAgain || (dot->look().visible && std::abs(dot->bounds().x + 1 - x) <= 2 && std::abs(dot->bounds().y + 1 - y) <= 2);
        }
        if (coveredAgain) continue;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) EXPECT_EQ(shown.pixel(x + dx, y + dy), before.pixel(x + dx, y + dy));
        }
        ++restored;
    }
    EXPECT_GE(restored, 3);
}

}  // namespace
}  // namespace sd::test
