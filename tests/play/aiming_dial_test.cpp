// The aiming dial: degrees from the pointer, the drawing, and the handshake of
// a plasma shot under the virtual clock.
#include "play/aiming_dial.h"

#include "play/shot_playback.h"
#include "play/shot_fixture.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

TEST(DialAngle, DegreesCountCounterClockwiseFromTheRight) {
    // A 150 x 130 dial: centre (75, 65).
    EXPECT_EQ(DialAngle(150, 130, 75, 65), 45) << "at the centre both distances are tiny and equal";
    EXPECT_EQ(DialAngle(150, 130, 140, 65), 0);
    EXPECT_EQ(DialAngle(150, 130, 75, 5), 90);
    EXPECT_EQ(DialAngle(150, 130, 10, 65), 180);
    EXPECT_EQ(DialAngle(150, 130, 75, 120), 270);
    EXPECT_EQ(DialAngle(150, 130, 140, 65.3), 360) << "just below the right-hand axis";
    EXPECT_EQ(DialAngle(150, 130, 140, 64.7), 0) << "just above it";
    // The centre lines count as right of and above the centre.
    EXPECT_EQ(DialAngle(150, 130, 75, 30), 90);
    EXPECT_EQ(DialAngle(150, 130, 20, 65), 180);
    EXPECT_EQ(DialAngle(150, 130, 130, 10), 45);
    EXPECT_EQ(DialAngle(150, 130, 20, 10), 135);
    EXPECT_EQ(DialAngle(150, 130, 20, 120), 225);
    EXPECT_EQ(DialAngle(150, 130, 130, 120), 315);
    // 3.14159 instead of pi: atan(1) is 45.0000077 degrees, still 45.
    EXPECT_EQ(DialAngle(150, 130, 95, 45), 45);
}

class DialTest : public ShotTest {
protected:
    platform::Element& Dial() { return *gfx().PicAngle; }
    int ChangedPixels(int x1, int y1, int x2, int y2) {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) n += Dial().canvas().pixel(x, y) != Dial().picture().pixel(x, y);
        return n;
    }
    // The dial's handshake and the plasma shot of the unit in (5, 2), whose
    // centre is board pixel (330, 150), at the angle the dial gives.
    void AimAndFly() {
        ChooseAngle(g());
        g().show.Then([this] { Perform(g(), Action::FireAt({5, 2}, {11, 3}, ctx.GameState.AimAngle)); });
        g().Advance();
        Settle();
    }
};

TEST_F(DialTest, ThePointerAndTheDegreesFollowTheMouse) {
    AngleMouseMove(g(), 130, 120);
    EXPECT_EQ(ctx.GameState.AimAngle, 315);
    // The pointer line is 3 pixels wide in (200, 200, 0), from the centre.
    EXPECT_EQ(Dial().canvas().pixel(100, 90), platform::Color(200, 200, 0).rgb());
    EXPECT_EQ(Dial().canvas().pixel(100, 91), platform::Color(200, 200, 0).rgb());
    // The degrees start 25 pixels up and left of the pointer: (105, 95).
    EXPECT_GT(ChangedPixels(105, 95, 130, 108), 10);
    EXPECT_EQ(ChangedPixels(40, 95, 90, 108), 0);

    // A new position wipes the old pointer and text.
    AngleMouseMove(g(), 10, 65);
    EXPECT_EQ(ctx.GameState.AimAngle, 180);
    EXPECT_EQ(Dial().canvas().pixel(100, 90), Dial().picture().pixel(100, 90));
    EXPECT_EQ(ChangedPixels(105, 95, 130, 108), 0);

    // Near the top-left edge the text begins outside the dial and is clipped.
    AngleMouseMove(g(), 12, 8);
    EXPECT_EQ(ctx.GameState.AimAngle, 138);
}

TEST_F(DialTest, TheShotWaitsForTheClickWhileThePointerFollows) {
    int16_t hitX = -7, hitY = -7;
    bool hit = true;
    std::vector<int16_t> anglesSeen;
    auto step = std::make_shared<int>(0);
    Driver(*plat).setIdleHook([this, step, &anglesSeen] {
        if (*step >= 4) return;  // the flight's own waits
        ASSERT_EQ(g().phase, GamePhase::Aiming) << "nothing goes on before the click";
        EXPECT_TRUE(Dial().look().visible);
        EXPECT_FALSE(gfx().PicPlasma->look().visible);
        const double x = Dial().bounds().x, y = Dial().bounds().y;
        switch ((*step)++) {
            case 0: Driver(*plat).injectMouseMove(x + 140, y + 65); break;
            case 1:
                anglesSeen.push_back(ctx.GameState.AimAngle);
                // Board and buttons stay idle while the dial waits.
                Driver(*plat).injectClick(15 + CellX(7), CellY(2));
                Driver(*plat).injectMouseMove(gfx().PicButtonNormal[1]->bounds().x + 5, gfx().PicButtonNormal[1]->bounds().y + 5);
                break;
            case 2:
                EXPECT_FALSE(ctx.GameState.hasSelection());
                EXPECT_FALSE(gfx().PicButtonOver[1]->look().visible);
                Driver(*plat).injectMouseMove(x + 75, y + 5);
                break;
            case 3:
                anglesSeen.push_back(ctx.GameState.AimAngle);
                Driver(*plat).injectClick(x + 75, y + 65);  // a click alone keeps the angle
                break;
            default: break;
        }
    });
    AimAndFly();
    Driver(*plat).setIdleHook(nullptr);
    hit = g().lastOutcome.hit;
    if (hit) {
        hitX = g().lastOutcome.struck.x;
        hitY = g().lastOutcome.struck.y;
    }
    EXPECT_EQ(anglesSeen, (std::vector<int16_t>{0, 90}));
    EXPECT_EQ(ctx.GameState.AimAngle, 90);
    EXPECT_FALSE(Dial().look().visible);
    EXPECT_EQ(ChangedPixels(0, 0, 149, 129), 0) << "the dial's drawing is cleared";
    // Straight up from (5, 2) leaves the board: a miss, the cell untouched.
    EXPECT_FALSE(hit);
    EXPECT_EQ(hitX, -7);
    EXPECT_EQ(hitY, -7);
    EXPECT_EQ(Sounds(), std::vector<int>{5});
}

TEST_F(DialTest, TheFlightIsPacedAndTheAngleOutlivesTheGame) {
    ctx.GameState.AimAngle = 90;
    ctx.GameState.SpeedDelay = 3;
    AnswerWaits();
    const uint64_t t0 = clock.elapsedMs();
    AimAndFly();
    const FlightOutcome o = RunFlight(ctx.World, 1, 330, 150, 90);
    // Every flying step shows a frame for 10 ms plus the measured delay.
    EXPECT_GE(clock.elapsedMs() - t0, static_cast<uint64_t>(o.steps - 1) * 13u);
    game.reset();
    Start();
    EXPECT_EQ(ctx.GameState.AimAngle, 90) << "a new game keeps the last angle";
}

}  // namespace
}  // namespace sd::test
