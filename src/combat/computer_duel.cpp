#include "combat/computer_duel.h"

#include "combat/movement.h"

#include <algorithm>
#include <cstdlib>

#include "base/rounding.h"
#include "combat/firing.h"
#include "combat/plasma_flight.h"
#include "combat/victory.h"
#include "data/board_geometry.h"

namespace sd {

namespace {

// A turn of the computer ends long before this; the bound only guards
// against a turn that would never end.
constexpr int kMostActionsPerTurn = 200;

bool Shoot(WorldRecord& w, int16_t player, const ComputerAction& a) {
    const CellPos u = a.unit;
    Thing& source = w.thing(w.CellMap(u.x, u.y));
    source.Weapon = a.weapon;
    if (CheckShot(w, u.x, u.y, a.target.x, a.target.y) != ShotRefusal::None) return false;
    int16_t damagedX = a.target.x, damagedY = a.target.y;
    bool hit = true;
    if (FiresPlasma(w, u.x, u.y)) {
        const PixelPoint launch = CellCentre(w, u.x, u.y);
        const FlightOutcome o = RunFlight(w, player, launch.x, launch.y, a.angle);
        hit = o.end == FlightEnd::Hit;
        if (hit) {
            ChargePlasmaHit(w, u.x, u.y);
            Damage(w, o.cellX, o.cellY, w.HitPoints1);
            damagedX = o.cellX;
            damagedY = o.cellY;
        }
    } else {
        ChargeBeam(w, u.x, u.y);
        Damage(w, a.target.x, a.target.y, w.HitPoints2);
    }
    if (IsDestroyed(w, damagedX, damagedY)) RemoveThing(w, damagedX, damagedY);
    return hit;
}

void Move(WorldRecord& w, const ComputerAction& a) {
    if (CanMove(w, a.unit.x, a.unit.y, a.target.x, a.target.y)) MoveThing(w, a.unit.x, a.unit.y, a.target.x, a.target.y);
}

void CountWhatIsLeft(const WorldRecord& w, DuelResult& r) {
    for (int16_t player = 1; player <= 2; ++player) {
        for (const CellPos& u : UnitsOf(w, player)) {
            ++r.unitsLeft[player];
            r.shieldLeft[player] += w.thing(w.CellMap(u.x, u.y)).Schild;
        }
    }
}

}  // namespace

bool ApplyComputerAction(WorldRecord& w, int16_t player, const ComputerAction& a) {
    if (a.kind == ComputerActionKind::Shoot) return Shoot(w, player, a);
    if (a.kind == ComputerActionKind::Move) Move(w, a);
    return false;
}

void HandOverTurn(WorldRecord& w, int16_t& currentPlayer, int16_t& turnCounter) {
    currentPlayer = currentPlayer == 1 ? int16_t{2} : int16_t{1};
    turnCounter = Sat16(long{turnCounter} + 1);
    for (Thing& t : w.Things) {
        if (t.Besitzer > 0) t.Energie = 100;
    }
}

bool PlayComputerTurnHeadless(WorldRecord& w, int16_t player, ComputerStrength strength, std::mt19937& rng) {
    ComputerTurnMemory memory;
    for (int i = 0; i < kMostActionsPerTurn; ++i) {
        const ComputerAction a = DecideComputerAction(w, player, strength, memory, rng);
        if (a.kind == ComputerActionKind::EndTurn) return false;
        const int16_t t = w.CellMap(a.unit.x, a.unit.y);
        const bool hit = ApplyComputerAction(w, player, a);
        if (a.kind == ComputerActionKind::Shoot) {
            memory.ShotFired(t, hit, strength);
            if (IsVictory(w, player)) return true;
        }
    }
    return false;
}

DuelResult PlayDuel(WorldRecord w, DuelSide blue, DuelSide red, std::mt19937& rng, int16_t maxTurns) {
    DuelResult r;
    int16_t player = 1;
    int16_t turn = 1;
    while (turn <= maxTurns) {
        const DuelSide& side = player == 1 ? blue : red;
        if (side && PlayComputerTurnHeadless(w, player, *side, rng)) {
            r.winner = player;
            break;
        }
        HandOverTurn(w, player, turn);
    }
    r.turns = std::min(turn, maxTurns);
    CountWhatIsLeft(w, r);
    return r;
}

}  // namespace sd
