// The ten worlds we ship, shot by shot: every unit of both teams at every
// dial angle. The push to the right and down favours blue on a mirror-image
// board, so fairness is measured here rather than drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "combat/shot_survey.h"
#include "data/board_geometry.h"
#include "shipped_worlds.h"

namespace {

struct TeamShots {
    int hits = 0;          // hitting (unit, angle) pairs
    int hittingUnits = 0;  // units with at least one hitting angle
};

struct WorldShots {
    TeamShots team[3];   // indexed by player 1 and 2
    double bend = 0.0;   // largest deviation of a hitting shot from its straight line, in cells
};

// How far, in cells, a shot strays from the line it would fly on an empty
// board, at its widest.
double Bend(const sd::WorldRecord& w, const sd::SurveyedShot& s, int16_t player) {
    const sd::PixelPoint launch = sd::CellCentre(w, s.unit.x, s.unit.y);
    std::vector<sd::FlightPoint> path;
    sd::RunFlight(w, player, launch.x, launch.y, s.angle, &path);
    float x = launch.x, y = launch.y;
    const sd::MassList nothing;
    double widest = 0.0;
    for (const sd::FlightPoint& p : path) {
        sd::GravityStep(nothing, x, y, sd::kLaunchForce, sd::LaunchAngle(s.angle));
        widest = std::max({widest, std::fabs(double{p.x} - x) / w.Raster_width, std::fabs(double{p.y} - y) / w.Raster_height});
    }
    return widest;
}

WorldShots Survey(const sd::WorldRecord& w) {
    WorldShots r;
    for (int16_t player = 1; player <= 2; ++player) {
        TeamShots& t = r.team[player];
        sd::CellPos lastUnit{-1, -1};
        bool unitCounted = false;
        for (const sd::SurveyedShot& s : sd::SurveyShots(w, player)) {
            if (s.unit.x != lastUnit.x || s.unit.y != lastUnit.y) {
                lastUnit = s.unit;
                unitCounted = false;
            }
            if (s.outcome.end != sd::FlightEnd::Hit) continue;
            ++t.hits;
            if (!unitCounted) ++t.hittingUnits;
            unitCounted = true;
            if (r.bend < 1.0) r.bend = std::max(r.bend, Bend(w, s, player));
        }
    }
    return r;
}

class ShippedWorlds : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (int16_t n = 0; n < 10; ++n) {
            const sd::test::ShippedWorld shipped = sd::test::LoadShippedWorld(n);
            problems[n] = shipped.problem;
            shots[n] = Survey(shipped.world);
        }
    }
    static std::string problems[10];
    static WorldShots shots[10];
};
std::string ShippedWorlds::problems[10];
WorldShots ShippedWorlds::shots[10];

TEST_F(ShippedWorlds, BothTeamsHitWithAtLeastTwoUnits) {
    for (int n = 0; n < 10; ++n) {
        ASSERT_EQ(problems[n], "") << "World" << n;
        for (int p = 1; p <= 2; ++p) EXPECT_GE(shots[n].team[p].hittingUnits, 2) << "World" << n << " player " << p;
    }
}

TEST_F(ShippedWorlds, HitCountsOfTheTeamsWithinAFactorOfTwo) {
    for (int n = 0; n < 10; ++n) {
        const int blue = shots[n].team[1].hits, red = shots[n].team[2].hits;
        EXPECT_LE(blue, 2 * red) << "World" << n << ": blue " << blue << ", red " << red;
        EXPECT_LE(red, 2 * blue) << "World" << n << ": blue " << blue << ", red " << red;
    }
}

TEST_F(ShippedWorlds, SomeHittingShotBendsByACell) {
    for (int n = 0; n < 10; ++n) EXPECT_GE(shots[n].bend, 1.0) << "World" << n;
}

}  // namespace
