// The gravity step: the numbers players learned to aim by.
#include <gtest/gtest.h>

#include "combat/gravity.h"
#include "combat_world.h"

namespace {

struct Move {
    int dx, dy;
};

// The displacement of one step from (x, y).
Move StepFrom(const sd::WorldRecord& w, float x, float y, int16_t aim) {
    const float x0 = x, y0 = y;
    sd::CalcGravity(w, x, y, sd::kLaunchForce, sd::LaunchAngle(aim));
    return {static_cast<int>(x - x0), static_cast<int>(y - y0)};
}

TEST(Gravity, MasslessBoardGivesTheFiveConstantSteps) {
    CombatWorld c;
    c.place(6, 3, 0, 0.001);  // mass nearest(0.5) = 0: in the list, pulls nothing
    const struct {
        int16_t aim;
        Move step;
    } cases[] = {{0, {2, 0}}, {45, {1, -2}}, {90, {0, -2}}, {180, {-3, -1}}, {270, {-1, 1}}};
    for (const auto& k : cases) {
        float x = 300, y = 200;
        for (int i = 1; i <= 3; ++i) {
            sd::CalcGravity(c.w, x, y, sd::kLaunchForce, sd::LaunchAngle(k.aim));
            EXPECT_EQ(x, 300 + i * k.step.dx) << k.aim << " step " << i;
            EXPECT_EQ(y, 200 + i * k.step.dy) << k.aim << " step " << i;
        }
    }
}

TEST(Gravity, MassListIsColumnMajorFromCellCornersWithEvenHalves) {
    CombatWorld c(4, 3, 50, 15, 7);
    c.place(2, 0, 0, 0.003);  // 1.5 -> 2
    c.place(0, 2, 0, 0.005);  // 2.5 -> 2
    c.place(0, 1, -1, 0.007);  // obstacles attract too: 3.5 -> 4
    c.place(1, 1, 1, 0.0);     // no pull: not in the list
    c.place(3, 0, 2, -1.0);    // hidden gravity: not in the list
    c.place(4, 3, 0, 1.0);     // the extra column and row count
    c.place(1, 2, 2, 100.0);   // 50000 is held at 16 bits
    const sd::MassList m = sd::BuildMassList(c.w);
    ASSERT_EQ(m.size(), 5u);
    const sd::Mass expected[] = {{15, 57, 4}, {15, 107, 2}, {65, 107, 32767}, {115, 7, 2}, {215, 157, 500}};
    for (size_t i = 0; i < m.size(); ++i) {
        EXPECT_EQ(m[i].x, expected[i].x) << i;
        EXPECT_EQ(m[i].y, expected[i].y) << i;
        EXPECT_EQ(m[i].mass, expected[i].mass) << i;
    }
}

TEST(Gravity, PushIsAlwaysRightAndDownWhateverSideTheMassIsOn) {
    // One mass of 500 whose corner lies 25 px away on the shot's line: the pull
    // of 20 adds to vx, 120 / 40 = 3 instead of 2, from either side.
    CombatWorld c;
    c.place(5, 3, 0, 1.0);  // corner (300, 180)
    EXPECT_EQ(StepFrom(c.w, 275, 180, 0).dx, 3);
    EXPECT_EQ(StepFrom(c.w, 325, 180, 0).dx, 3);
    EXPECT_EQ(StepFrom(c.w, 275, 180, 0).dy, 0);
    // Straight below or above the corner (dx = 0) the push is on y only:
    // mass 750 at dy 5 gives 150, so y moves by 2 while x keeps its 2.
    CombatWorld v;
    v.place(5, 3, 0, 1.5);
    for (float y : {175.0f, 185.0f}) {
        const Move m = StepFrom(v.w, 300, y, 0);
        EXPECT_EQ(m.dx, 2) << y;
        EXPECT_EQ(m.dy, 2) << y;
    }
}

TEST(Gravity, PullFallsWithTheFirstPowerOfDistance) {
    // Mass 2000 at 100 px: pull 20 (an inverse square would give 0.2).
    CombatWorld c;
    c.place(5, 3, 0, 4.0);
    EXPECT_EQ(StepFrom(c.w, 200, 180, 0).dx, 3);
    // The pushes of all masses add up.
    c.place(7, 3, 0, 4.0);  // corner (420, 180): 220 px, pull 9
    c.place(8, 3, 0, 4.0);  // corner (480, 180): 280 px, pull 7
    EXPECT_EQ(StepFrom(c.w, 200, 180, 0).dx, 3);  // 100 + 20 + 9 + 7 = 136
    c.place(9, 3, 0, 20.0);  // corner (540, 180): 340 px, pull 29
    EXPECT_EQ(StepFrom(c.w, 200, 180, 0).dx, 4);  // 165 / 40
}

TEST(Gravity, StepOntoAReferencePointIsFlungAwayNotWrapped) {
    // dx = dy = 0 makes the pull enormous; each component is held at 32767.
    CombatWorld c;
    c.place(5, 3, 0, 1.0);
    const Move m = StepFrom(c.w, 300, 180, 0);
    EXPECT_EQ(m.dx, 821);  // floor((100 + 32767) / 40)
    EXPECT_EQ(m.dy, 546);  // floor(32767 / 60)
}

TEST(Gravity, EmptyMassListMovesByTheLaunchVectorAlone) {
    CombatWorld c;
    EXPECT_TRUE(sd::BuildMassList(c.w).empty());
    const Move m = StepFrom(c.w, 300, 200, 45);
    EXPECT_EQ(m.dx, 1);
    EXPECT_EQ(m.dy, -2);
}

}  // namespace
