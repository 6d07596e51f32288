// The remembered paths end every shot exactly as flying it does, on a shipped
// world full of masses, after things have moved, and once a mass is added.
#include <gtest/gtest.h>

#include "combat/flight_paths.h"
#include "combat/shot_survey.h"
#include "data/board_geometry.h"
#include "shipped_worlds.h"

namespace {

// Every unit of both teams at every angle: the remembered outcome is the flown one.
void ExpectSameAsFlown(sd::FlightPaths& paths, const sd::WorldRecord& w, const char* what) {
    paths.BindTo(w);
    int hits = 0;
    for (int16_t player = 1; player <= 2; ++player) {
        for (const sd::CellPos& u : sd::UnitsOf(w, player)) {
            const sd::PixelPoint p = sd::CellCentre(w, u.x, u.y);
            for (int16_t a = 0; a < 360; ++a) {
                const sd::FlightOutcome flown = sd::RunFlight(w, player, p.x, p.y, a);
                const sd::FlightOutcome kept = paths.Fly(w, player, p.x, p.y, a);
                ASSERT_EQ(kept.end, flown.end) << what << ", unit " << u.x << ' ' << u.y << ", angle " << a;
                ASSERT_EQ(kept.cellX, flown.cellX) << what << ", angle " << a;
                ASSERT_EQ(kept.cellY, flown.cellY) << what << ", angle " << a;
                ASSERT_EQ(kept.steps, flown.steps) << what << ", angle " << a;
                hits += flown.end == sd::FlightEnd::Hit ? 1 : 0;
            }
        }
    }
    EXPECT_GT(hits, 0) << what << ": some shots strike, so the ends are compared, not only the misses";
}

TEST(FlightPaths, EndEveryShotAsTheFlightDoes) {
    const sd::test::ShippedWorld shipped = sd::test::LoadShippedWorld(9);
    ASSERT_EQ(shipped.problem, "");
    sd::WorldRecord w = shipped.world;
    sd::FlightPaths paths;
    ExpectSameAsFlown(paths, w, "as loaded");

    // Two units change places with empty cells; the paths stay, their ends move.
    const std::vector<sd::CellPos> blue = sd::UnitsOf(w, 1), red = sd::UnitsOf(w, 2);
    w.CellMap.set(6, 4, w.CellMap(blue[0].x, blue[0].y));
    w.CellMap.set(blue[0].x, blue[0].y, 0);
    w.CellMap.set(5, 3, w.CellMap(red[0].x, red[0].y));
    w.CellMap.set(red[0].x, red[0].y, 0);
    ExpectSameAsFlown(paths, w, "after moves");

    // A new mass bends every shot: the paths kept for the old masses must go.
    w.CellMap.set(6, 3, 1);
    ExpectSameAsFlown(paths, w, "with a sun more");
}

}  // namespace
