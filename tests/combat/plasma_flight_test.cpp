// Whole plasma flights: where they end and what they report.
#include <gtest/gtest.h>

#include "combat/plasma_flight.h"
#include "combat_world.h"
#include "data/board_geometry.h"

namespace {

using sd::FlightEnd;

// A shot of player from the centre of cell (cx, cy).
sd::FlightOutcome ShootFrom(const sd::WorldRecord& w, int16_t player, int16_t cx, int16_t cy, int16_t aim,
                            std::vector<sd::FlightPoint>* path = nullptr) {
    const sd::PixelPoint p = sd::CellCentre(w, cx, cy);
    return sd::RunFlight(w, player, p.x, p.y, aim, path);
}

TEST(PlasmaFlight, OnlyObstaclesAndTheOtherTeamStopTheShot) {
    // Along row 3 from column 1, straight right (2 px a step, no mass).
    CombatWorld c;
    c.place(1, 3, 1);
    c.place(3, 3, 1);   // own team
    c.place(5, 3, 0);   // nobody's
    c.place(7, 3, 2);   // enemy
    sd::FlightOutcome o = ShootFrom(c.w, 1, 1, 3, 0);
    EXPECT_EQ(o.end, FlightEnd::Hit);
    EXPECT_EQ(o.cellX, 7);
    EXPECT_EQ(o.cellY, 3);

    c.place(6, 3, -1);  // an obstacle in front of the enemy
    o = ShootFrom(c.w, 1, 1, 3, 0);
    EXPECT_EQ(o.end, FlightEnd::Obstacle);
    EXPECT_EQ(o.cellX, 6);

    // Seen from player 2 the units of player 1 are the enemy; an owner above 2
    // is everybody's enemy.
    c.w.CellMap.set(6, 3, 0);
    c.w.CellMap.set(1, 3, 0);
    o = ShootFrom(c.w, 2, 1, 3, 0);
    EXPECT_EQ(o.end, FlightEnd::Hit);
    EXPECT_EQ(o.cellX, 3);
    c.at(3, 3).Besitzer = 3;
    o = ShootFrom(c.w, 1, 1, 3, 0);
    EXPECT_EQ(o.cellX, 3);
}

TEST(PlasmaFlight, MissesReportNoCell) {
    CombatWorld c;
    c.place(1, 3, 1);
    c.place(11, 2, 2);
    for (int16_t aim : {90, 180, 270}) {
        std::vector<sd::FlightPoint> path;
        const sd::FlightOutcome o = ShootFrom(c.w, 1, 1, 3, aim, &path);
        EXPECT_EQ(o.end, FlightEnd::OffBoard) << aim;
        EXPECT_EQ(o.cellX, -1) << aim;
        EXPECT_EQ(o.cellY, -1) << aim;
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(static_cast<int>(path.size()), o.steps);
    }
    // Upward 2 px a step from y = 210: the 106th step reaches -2 and is the last one.
    std::vector<sd::FlightPoint> path;
    ShootFrom(c.w, 1, 1, 3, 90, &path);
    EXPECT_EQ(path.size(), 106u);
    EXPECT_EQ(path.back().y, -2);
}

TEST(PlasmaFlight, BoardTestIgnoresTheGridOffsetAndPicksTheNearestCell) {
    // Grid from x = 100: positions left of it still pass the board test and
    // strike column 0.
    CombatWorld c(5, 3, 60, 100, 0);
    c.place(1, 1, 1);        // launch at (190, 90), 3 px left and 1 up per step
    c.place(0, 0, 2);        // reached only at (97, 59), left of the grid
    sd::PlasmaFlight f(c.w, 1, 190, 90, 180);
    while (f.Step() == FlightEnd::None) {
    }
    EXPECT_EQ(f.end(), FlightEnd::Hit);
    EXPECT_EQ(f.x(), 97);
    EXPECT_EQ(f.y(), 59);
    EXPECT_EQ(f.cellX(), 0);
    EXPECT_EQ(f.cellY(), 0);

    // The board test ends at Raster_width * Raster_max_x = 300, wherever the
    // grid starts, so a shot along row 1 never reaches column 4 at 340..400.
    c.place(4, 1, 2);
    EXPECT_EQ(sd::RunFlight(c.w, 1, 190, 90, 0).end, FlightEnd::OffBoard);

    // Without offset a thing in the extra column is never struck: the last
    // position on the board picks the last board column.
    CombatWorld e(4, 2);
    e.place(4, 0, 2);
    const sd::FlightOutcome o = sd::RunFlight(e.w, 1, 30, 30, 0);
    EXPECT_EQ(o.end, FlightEnd::OffBoard);
}

TEST(PlasmaFlight, StepsThatDoNotMoveStall) {
    // A first step onto (0, 0) equals the previous position, which starts there.
    CombatWorld c;
    sd::PlasmaFlight f(c.w, 1, 3, 1, 180);
    EXPECT_EQ(f.Step(), FlightEnd::Stalled);
    EXPECT_EQ(f.steps(), 1);
    EXPECT_EQ(f.cellX(), -1);

    // Straight up from 8 px above the corner of a mass of 1000: the push of 125
    // down cancels the launch vector of 100 up.
    CombatWorld up;
    up.place(2, 1, 0, 2.0);  // corner (120, 60)
    sd::PlasmaFlight g(up.w, 1, 120, 52, 90);
    EXPECT_EQ(g.Step(), FlightEnd::None);  // (120, 52): the previous position is still (0, 0)
    EXPECT_EQ(g.y(), 52);
    EXPECT_EQ(g.Step(), FlightEnd::Stalled);
    EXPECT_FALSE(g.hit());
    // A lighter mass lets the same shot climb.
    up.at(2, 1).Grav = 0.5;
    EXPECT_EQ(sd::RunFlight(up.w, 1, 120, 52, 90).end, FlightEnd::OffBoard);
}

TEST(PlasmaFlight, ShotThatCirclesEndsAsLoop) {
    // Straight up from 1 px below the corner of a mass of 180: pushed down to
    // 2 px below (180 - 100 = 80 -> +1), where the push of 90 lets it climb back.
    CombatWorld c;
    c.place(4, 2, 0, 0.36);  // corner (240, 120), owner 0: the shot passes its cell
    sd::PlasmaFlight f(c.w, 1, 240, 121, 90);
    EXPECT_EQ(f.Step(), FlightEnd::None);
    EXPECT_EQ(f.y(), 122);
    EXPECT_EQ(f.Step(), FlightEnd::None);
    EXPECT_EQ(f.y(), 121);
    EXPECT_EQ(f.Step(), FlightEnd::Loop);
    EXPECT_EQ(f.y(), 122);
    EXPECT_FALSE(f.hit());
    // The end is final.
    EXPECT_EQ(f.Step(), FlightEnd::Loop);
    EXPECT_EQ(f.steps(), 3);
    EXPECT_EQ(sd::RunFlight(c.w, 1, 240, 121, 90).cellX, -1);
}

TEST(PlasmaFlight, FiringThingsOwnGravityBendsItsShot) {
    // At launch the shot sits half a cell right of and below its own cell's
    // corner: 5000 / 42.4 = 118 splits into 83 + 83, so the first step is
    // (4, 1) instead of (2, 0).
    CombatWorld c;
    c.place(1, 3, 1, 10.0);
    std::vector<sd::FlightPoint> path;
    ShootFrom(c.w, 1, 1, 3, 0, &path);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path[0].x, 94);
    EXPECT_EQ(path[0].y, 211);
}

}  // namespace
