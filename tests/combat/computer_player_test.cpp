// The computer's judgement on small boards built in code. Without masses a
// plasma shot flies straight: at 0 degrees along its row to the right.
#include <gtest/gtest.h>

#include <set>

#include "combat/computer_duel.h"
#include "combat/computer_player.h"
#include "combat/plasma_flight.h"
#include "data/board_geometry.h"
#include "combat_world.h"

namespace {

using sd::ComputerAction;
using sd::ComputerActionKind;
using sd::ComputerStrength;

constexpr int16_t kObstacle = -1;

class ComputerPlayer : public ::testing::Test {
protected:
    ComputerAction Decide(ComputerStrength strength = ComputerStrength::Strong) {
        return sd::DecideComputerAction(c.w, 1, strength, memory, rng);
    }
    // Where the decided shot really goes.
    sd::FlightOutcome Flight(const ComputerAction& a) {
        const sd::PixelPoint p = sd::CellCentre(c.w, a.unit.x, a.unit.y);
        return sd::RunFlight(c.w, 1, p.x, p.y, a.angle);
    }
    int16_t Blue(int x, int y, int16_t energie, int16_t plasma) {
        const int16_t n = c.place(x, y, 1, -1.0, 100);
        c.w.Things[n].Energie = energie;
        c.w.Things[n].Plasma = plasma;
        return n;
    }

    CombatWorld c;
    sd::ComputerTurnMemory memory;
    std::mt19937 rng{1};
};

TEST_F(ComputerPlayer, ADestroyingShotComesFirstThenTheLowestShield) {
    // Red A two cells up and right (in the beam's reach), red C far along row 3
    // (only the plasma shot gets there).
    Blue(2, 3, 100, 3);
    const int16_t a = c.place(4, 1, 2, -1.0, 35);
    const int16_t cc = c.place(9, 3, 2, -1.0, 25);

    // The beam's 40 destroys A; plasma's 20 would only bring C down to 5.
    ComputerAction d = Decide();
    ASSERT_EQ(d.kind, ComputerActionKind::Shoot);
    EXPECT_EQ(d.weapon, sd::Weapon::Beam);
    EXPECT_EQ(d.target.x, 4);
    EXPECT_EQ(d.target.y, 1);

    // Nothing destroys: the lowest shield is the target, hit by plasma.
    c.w.Things[a].Schild = 100;
    c.w.Things[cc].Schild = 60;
    d = Decide();
    ASSERT_EQ(d.kind, ComputerActionKind::Shoot);
    EXPECT_EQ(d.weapon, sd::Weapon::Plasma);
    EXPECT_EQ(d.target.x, 9);
    EXPECT_EQ(d.target.y, 3);
    const sd::FlightOutcome o = Flight(d);
    EXPECT_EQ(o.end, sd::FlightEnd::Hit);
    EXPECT_EQ(o.cellX, 9);
    EXPECT_EQ(o.cellY, 3);

    // Without the energy for the beam, A (35) is now only a plasma target and C
    // (25) the lower shield.
    c.w.Things[a].Schild = 35;
    c.w.Things[cc].Schild = 25;
    c.w.Things[c.w.CellMap(2, 3)].Energie = 49;
    d = Decide();
    ASSERT_EQ(d.kind, ComputerActionKind::Shoot);
    EXPECT_EQ(d.weapon, sd::Weapon::Plasma);
    EXPECT_EQ(d.target.x, 9);

    // A sun bends every shot: the angle chosen still strikes what it aimed at.
    c.place(5, 5, 0, 5.0);
    d = Decide();
    ASSERT_EQ(d.kind, ComputerActionKind::Shoot);
    EXPECT_EQ(Flight(d).end, sd::FlightEnd::Hit);
    EXPECT_EQ(Flight(d).cellX, d.target.x);
    EXPECT_EQ(Flight(d).cellY, d.target.y);
}

TEST_F(ComputerPlayer, NoShotThatMissesAndAMoveWhereOneHits) {
    // Blue in the corner, boxed in by obstacles: every shot from there ends on
    // them or off the board. It can jump over them to a cell in the open.
    Blue(0, 0, 100, 3);
    for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {1, 1}}) c.place(x, y, kObstacle);
    c.place(6, 0, 2, -1.0, 100);

    ComputerAction d = Decide();
    ASSERT_EQ(d.kind, ComputerActionKind::Move);
    EXPECT_EQ(d.unit.x, 0);
    EXPECT_EQ(d.unit.y, 0);
    EXPECT_FALSE(sd::ApplyComputerAction(c.w, 1, d));
    EXPECT_EQ(c.w.CellMap(0, 0), 0) << "it went";

    d = Decide();
    ASSERT_EQ(d.kind, ComputerActionKind::Shoot);
    EXPECT_EQ(Flight(d).end, sd::FlightEnd::Hit);

    // Without energy it cannot get out: it ends the turn instead of firing
    // into the obstacles.
    CombatWorld boxed;
    c = boxed;
    Blue(0, 0, 0, 3);
    for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {1, 1}}) c.place(x, y, kObstacle);
    c.place(6, 0, 2, -1.0, 100);
    EXPECT_EQ(Decide().kind, ComputerActionKind::EndTurn);
}

TEST_F(ComputerPlayer, WithNothingInReachItClosesInUntilTheBeamReaches) {
    // No plasma: only the beam, and the enemy six cells away.
    Blue(0, 3, 100, 0);
    c.place(8, 3, 2, -1.0, 40);
    ComputerAction d = Decide();
    ASSERT_EQ(d.kind, ComputerActionKind::Move);
    EXPECT_EQ(d.target.x, 2) << "as close as its energy takes it";
    EXPECT_EQ(d.target.y, 3);

    // Turn by turn (energy back to 100 each time) until the beam destroys it.
    // Two cells a turn to (6, 3), then the beam: four turns.
    int16_t player = 1, turn = 1;
    int turns = 0;
    while (turns < 10 && c.w.CellMap(8, 3) != 0) {
        sd::PlayComputerTurnHeadless(c.w, 1, ComputerStrength::Strong, rng);
        sd::HandOverTurn(c.w, player, turn);
        sd::HandOverTurn(c.w, player, turn);
        ++turns;
    }
    EXPECT_EQ(c.w.CellMap(8, 3), 0);
    EXPECT_EQ(turns, 4);
}

TEST_F(ComputerPlayer, AUnitAtRestFiresNoMore) {
    const int16_t t = Blue(2, 3, 100, 3);
    c.place(9, 3, 2, -1.0, 100);
    // The light computer's unit rests after any shot, the strong one's only
    // after a shot that went astray.
    memory.ShotFired(t, true, ComputerStrength::Strong);
    EXPECT_EQ(Decide().kind, ComputerActionKind::Shoot);
    memory.ShotFired(t, true, ComputerStrength::Light);
    EXPECT_EQ(Decide(ComputerStrength::Light).kind, ComputerActionKind::EndTurn);
    sd::ComputerTurnMemory fresh;
    memory = fresh;
    memory.ShotFired(t, false, ComputerStrength::Strong);
    EXPECT_EQ(Decide().kind, ComputerActionKind::EndTurn);
}

TEST_F(ComputerPlayer, TheLightSettingMisjudgesByAFewDegreesRepeatablyFromItsSeed) {
    c.place(5, 5, 0, 5.0);
    Blue(1, 2, 100, 3);
    c.place(10, 2, 2, -1.0, 100);
    const int16_t aimed = Decide().angle;

    auto angles = [this, aimed](uint32_t seed) {
        std::mt19937 r(seed);
        std::vector<int16_t> out;
        for (int i = 0; i < 40; ++i) {
            const ComputerAction d = sd::DecideComputerAction(c.w, 1, ComputerStrength::Light, memory, r);
            EXPECT_EQ(d.aimedAngle, aimed);
            out.push_back(d.angle);
        }
        return out;
    };
    const std::vector<int16_t> first = angles(7);
    EXPECT_EQ(angles(7), first);
    EXPECT_NE(angles(8), first);
    std::set<int> errors;
    for (int16_t a : first) {
        const int error = (a - aimed + 540) % 360 - 180;
        EXPECT_LE(std::abs(error), sd::kLightAimError);
        errors.insert(error);
    }
    EXPECT_GE(errors.size(), 5u) << "it misjudges either way, not by one fixed amount";
}

TEST_F(ComputerPlayer, TheLightSettingSpreadsItsFireUnlessItCanDestroy) {
    // Without energy the unit can neither move nor beam; its plasma reaches
    // both red units (every shot drifts down onto row 3 or far up to row
    // 0). The strong one always picks the lower shield.
    Blue(1, 3, 0, 3);
    c.place(9, 3, 2, -1.0, 100);
    const int16_t weak = c.place(8, 0, 2, -1.0, 80);
    EXPECT_EQ(Decide().target.y, 0);
    auto lightTargets = [this] {
        std::set<int> rows;
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            std::mt19937 r(seed);
            const ComputerAction d = sd::DecideComputerAction(c.w, 1, ComputerStrength::Light, memory, r);
            EXPECT_EQ(d.kind, ComputerActionKind::Shoot);
            rows.insert(d.target.y);
        }
        return rows;
    };
    EXPECT_EQ(lightTargets(), (std::set<int>{0, 3})) << "either enemy, by the seed";
    c.w.Things[weak].Schild = 20;
    EXPECT_EQ(lightTargets(), (std::set<int>{0})) << "a blow that destroys is never passed over";
}

TEST_F(ComputerPlayer, TheSearchCanBeAbandoned) {
    Blue(2, 3, 100, 3);
    c.place(9, 3, 2, -1.0, 100);
    int calls = 0;
    const ComputerAction d = sd::DecideComputerAction(c.w, 1, ComputerStrength::Strong, memory, rng, [&calls] {
        ++calls;
        return false;
    });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(d.kind, ComputerActionKind::EndTurn);
}

}  // namespace
