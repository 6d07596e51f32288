// The firing command played back on the game screen: refusals, the beam, the
// plasma shot, damage, destruction and victory, under the virtual clock.
// Test world: blue 14 at (5,2), blue 15 at (7,2), sun 1 at (0,3), red 17 at
// (11,3), asteroid 2 (owner -1) at (1,4), planet 3 at (3,4).
#include "play/shot_fixture.h"

#include "play/hit_animations.h"
#include "play/turn_cycle.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

using Vec = std::vector<int>;

class ShootTest : public ShotTest {
protected:
    // Red 17 moved next to the blue unit, beam selected.
    void BeamSetUp(int targetX, int targetY) {
        ctx.World.CellMap.set(11, 3, 0);
        ctx.World.CellMap.set(targetX, targetY, 17);
        ctx.World.thing(14).Weapon = sd::Weapon::Beam;
        RepaintBoard(g());
    }
    // Every value a refusal must leave alone.
    struct Snapshot {
        int16_t energie, plasma, schild14, schild17;
        uint64_t ms;
    };
    Snapshot Take() {
        return {ctx.World.thing(14).Energie, ctx.World.thing(14).Plasma, ctx.World.thing(14).Schild,
                ctx.World.thing(17).Schild, clock.elapsedMs()};
    }
};

TEST_F(ShootTest, RefusalsPlayTheirSoundAndChangeNothing) {
    struct Case {
        const char* what;
        int16_t weapon, plasma, energie;
        int targetX, targetY;
        int sound;
    };
    const Case cases[] = {
        {"no plasma charge", 0, 0, 100, 7, 4, 14},
        {"energy one short of the beam", 1, 5, 49, 6, 3, 14},
        {"beam three cells to the right", 1, 5, 100, 8, 2, 13},
        {"beam three cells down", 1, 5, 100, 5, 5, 13},
    };
    for (const Case& c : cases) {
        ctx.World.CellMap.set(11, 3, 0);
        ctx.World.CellMap.set(c.targetX, c.targetY, 17);
        Thing& t = ctx.World.thing(14);
        t.Weapon = static_cast<Weapon>(c.weapon);
        t.Plasma = c.plasma;
        t.Energie = c.energie;
        const platform::Surface before = board().clone();
        const Snapshot s = Take();
        Shoot(g(), 5, 2, static_cast<int16_t>(c.targetX), static_cast<int16_t>(c.targetY));
        Settle();
        EXPECT_EQ(Sounds(), Vec{c.sound}) << c.what;
        const Snapshot after = Take();
        EXPECT_EQ(after.energie, s.energie) << c.what;
        EXPECT_EQ(after.plasma, s.plasma) << c.what;
        EXPECT_EQ(after.schild17, s.schild17) << c.what;
        EXPECT_EQ(after.ms, s.ms) << c.what << ": no pause";
        EXPECT_EQ(g().phase, GamePhase::Idle) << c.what;
        EXPECT_EQ(board().pixel(c.targetX * 60 + 30, c.targetY * 60), before.pixel(c.targetX * 60 + 30, c.targetY * 60));
        ctx.World.CellMap.set(c.targetX, c.targetY, 0);
    }
}

TEST_F(ShootTest, BeamReachesTwoCellsDiagonallyChargesAndDamages) {
    BeamSetUp(7, 4);
    ctx.World.thing(14).Plasma = 0;  // no charge: the beam does not need one
    Shoot(g(), 5, 2, 7, 4);
    Settle();
    EXPECT_EQ(Sounds(), (Vec{12, 6, 15}));
    EXPECT_EQ(ctx.World.thing(14).Energie, 50);
    EXPECT_EQ(ctx.World.thing(17).Schild, 60);
    EXPECT_EQ(ctx.World.thing(14).Plasma, 0);
    // The energy line of the info panel, in the green font, with a space after.
    EXPECT_EQ(ReadCodedText(panel(), 520, 20, 12, kTagGreen), "Energie: 50");
    EXPECT_EQ(g().phase, GamePhase::Idle);
}

TEST_F(ShootTest, TheBeamDrawnTwiceLeavesEveryBoardPixelAsBefore) {
    BeamSetUp(7, 4);
    std::optional<platform::Surface> atStart, whileOn, atEnd;
    audio.onPlay = [&](const std::string& file) {
        const int n = std::stoi(file.substr(file.size() - 7, 3)) - 1;
        if (n == 12) atStart = board().clone();
        if (n == 6) whileOn = board().clone();
        if (n == 15 && !atEnd) atEnd = board().clone();
    };
    Shoot(g(), 5, 2, 7, 4);
    Settle();
    audio.onPlay = nullptr;
    ASSERT_TRUE(atStart && whileOn && atEnd);
    // While it is on, the line runs from centre (330, 150) to centre (450, 270).
    EXPECT_NE(whileOn->pixel(390, 210), atStart->pixel(390, 210));
    int differing = 0;
    for (int y = 0; y < atStart->height(); ++y)
        for (int x = 0; x < atStart->width(); ++x) differing += atStart->pixel(x, y) != atEnd->pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(ShootTest, ShieldOf40GoesWithOneBeamAnd41SurvivesWith1) {
    BeamSetUp(6, 3);
    ctx.World.thing(17).Schild = 41;
    Shoot(g(), 5, 2, 6, 3);
    Settle();
    EXPECT_EQ(ctx.World.thing(17).Schild, 1);
    EXPECT_EQ(ctx.World.CellMap(6, 3), 17);
    EXPECT_EQ(Sounds(), (Vec{12, 6, 15}));

    ctx.World.thing(14).Energie = 100;
    ctx.World.thing(17).Schild = 40;
    ctx.World.CellMap.set(0, 0, 17);  // a second red thing keeps the game going
    Shoot(g(), 5, 2, 6, 3);
    Settle();
    EXPECT_EQ(Sounds(), (Vec{12, 6, 15, 4, 11}));
    EXPECT_EQ(ctx.World.CellMap(6, 3), 0) << "the cell is emptied";
    EXPECT_EQ(ctx.World.thing(17).Schild, 0) << "the record stays";
    EXPECT_EQ(ctx.World.thing(17).Text, "Roter Jaeger");
    // The board is repainted from the clean background: the explosion is gone.
    EXPECT_EQ(board().pixel(6 * 60 + 30, 3 * 60 + 30), gfx().PicBackTmp.pixel(6 * 60 + 30, 3 * 60 + 30));
    EXPECT_FALSE(gfx().PicWin->look().visible);
}

TEST_F(ShootTest, APlasmaShotStrikesTheFirstEnemyOnItsPath) {
    ctx.World.thing(15).Besitzer = 2;  // blue 15 at (7,2) turns red and stands in the way
    const std::optional<int16_t> angle = AngleFor(5, 2, FlightEnd::Hit, 7, 2);
    ASSERT_TRUE(angle) << "no angle from (5,2) strikes (7,2)";
    ctx.GameState.AimAngle = *angle;
    AnswerWaits();
    Shoot(g(), 5, 2, 11, 3);
    Settle();  // the clicked target is 17 at (11,3)
    EXPECT_EQ(Sounds(), (Vec{12, 5, 15}));
    EXPECT_EQ(ctx.World.thing(15).Schild, 120 - 20);
    EXPECT_EQ(ctx.World.thing(17).Schild, 100) << "the clicked target is untouched";
    EXPECT_EQ(ctx.World.thing(14).Plasma, 4);
    EXPECT_EQ(ReadCodedText(panel(), 520, 48, 12, kTagGreen), "Plasma:  4");
    EXPECT_FALSE(gfx().PicPlasma->look().visible);
    EXPECT_FALSE(gfx().PicAngle->look().visible);
    EXPECT_EQ(g().phase, GamePhase::Idle);
}

TEST_F(ShootTest, APlasmaMissChargesNothing) {
    const std::optional<int16_t> angle = AngleFor(5, 2, FlightEnd::OffBoard);
    ASSERT_TRUE(angle);
    ctx.GameState.AimAngle = *angle;
    AnswerWaits();
    Shoot(g(), 5, 2, 11, 3);
    Settle();
    EXPECT_EQ(Sounds(), (Vec{12, 5}));
    EXPECT_EQ(ctx.World.thing(14).Plasma, 5);
    EXPECT_EQ(ctx.World.thing(17).Schild, 100);
    EXPECT_EQ(ctx.World.CellMap(11, 3), 17);
}

TEST_F(ShootTest, DestroyingTheLastEnemyShowsTheVictoryPanelAndEndsTheGame) {
    BeamSetUp(6, 3);
    ctx.World.thing(17).Schild = 40;
    answerVictory = false;
    AnswerWaits();
    // While the panel waits, the board, the buttons and the weapon switch are idle.
    auto probe = std::make_shared<int>(0);
    Driver(*plat).setIdleHook([this, probe] {
        if (g().phase != GamePhase::Victory) return;
        if ((*probe)++ == 0) {
            Driver(*plat).injectClick(15 + CellX(7), CellY(2));  // the other blue unit
            const platform::Element& grid = *gfx().PicButtonNormal[0];
            Driver(*plat).injectMouseMove(grid.bounds().x + 10, grid.bounds().y + 10);
            return;
        }
        EXPECT_TRUE(ctx.GameState.SelectedX == 5 && ctx.GameState.SelectedY == 2) << "board ignored";
        EXPECT_FALSE(gfx().PicButtonOver[0]->look().visible) << "buttons ignored";
        EXPECT_TRUE(gfx().PicWin->look().visible);
        EXPECT_FALSE(ctx.GameState.GameOver);
        const platform::Element& win = *gfx().PicWin;
        Driver(*plat).injectClick(win.bounds().x + 20, win.bounds().y + 20);
    });
    Click(5, 2);
    Sounds();
    Click(6, 3);  // fires through the board click, as a player does
    EXPECT_EQ(Sounds(), (Vec{12, 6, 15, 4, 11}));
    EXPECT_GE(*probe, 2);
    EXPECT_TRUE(ctx.GameState.GameOver);
    EXPECT_TRUE(game->IsClosed()) << "the board click leaves for the title screen";
}

TEST_F(ShootTest, TheVictoryLinesAreWrittenOnThePanel) {
    BeamSetUp(6, 3);
    ctx.World.thing(17).Schild = 10;
    answerVictory = false;
    std::vector<uint32_t> rows;
    AnswerWaits();
    Driver(*plat).setIdleHook([this, &rows] {
        if (g().phase != GamePhase::Victory) return;
        // Each of the four lines leaves text pixels in its row band.
        const platform::Surface& p = gfx().PicWin->canvas();
        const platform::Surface& bare = gfx().PicWin->picture();
        for (int top : {5, 30, 50, 70}) {
            uint32_t changed = 0;
            for (int y = top; y < top + 14; ++y)
                for (int x = 10; x < 200; ++x) changed += p.pixel(x, y) != bare.pixel(x, y);
            rows.push_back(changed);
        }
        Driver(*plat).injectClick(gfx().PicWin->bounds().x + 20, gfx().PicWin->bounds().y + 20);
    });
    Shoot(g(), 5, 2, 6, 3);
    Settle();
    ASSERT_EQ(rows.size(), 4u);
    for (uint32_t r : rows) EXPECT_GT(r, 20u);
    EXPECT_TRUE(ctx.GameState.GameOver);
}

TEST_F(ShootTest, AnimationsTakeTheirTime) {
    uint64_t t0 = clock.elapsedMs();
    DoHit(g(), 100, 100);
    Settle();
    EXPECT_EQ(clock.elapsedMs() - t0, 500u);
    // The last rings are black and stay: radius 4 to the right of the centre.
    EXPECT_EQ(board().pixel(104, 100), 0u);
    EXPECT_EQ(board().pixel(100, 100), 0u) << "radius 0 is the centre pixel";

    t0 = clock.elapsedMs();
    DoBlink(g(), 5, 2);
    Settle();
    EXPECT_EQ(clock.elapsedMs() - t0, 1200u);
    EXPECT_EQ(TopEdge(5, 2), 0u) << "the blink ends black";

    t0 = clock.elapsedMs();
    Sounds();
    Explosion(g(), 5, 2);
    Settle();
    EXPECT_EQ(clock.elapsedMs() - t0, 16u * 150u + 80u);
    EXPECT_EQ(Sounds(), Vec{11});
    // The last frame stays at the cell's corner, at its own size.
    const platform::Surface last = gfx().PicClipExplosion.cell(15);
    EXPECT_EQ(board().pixel(5 * 60 + 30, 2 * 60 + 30), last.pixel(30, 30));
}

TEST_F(ShootTest, ClosingTheWindowDuringAShotEndsItCleanly) {
    BeamSetUp(6, 3);
    auto once = std::make_shared<bool>(false);
    Driver(*plat).setIdleHook([this, once] {
        if (!*once && g().phase == GamePhase::Animating) {
            *once = true;
            Driver(*plat).injectCloseRequest();
        }
    });
    const uint64_t t0 = clock.elapsedMs();
    Shoot(g(), 5, 2, 6, 3);
    Settle();
    EXPECT_TRUE(game->IsClosed());
    EXPECT_TRUE(plat->quitRequested());
    EXPECT_LT(clock.elapsedMs() - t0, 800u) << "the shot stops at the close";
}

}  // namespace
}  // namespace sd::test
