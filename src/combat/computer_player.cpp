#include "combat/computer_player.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

#include "base/rounding.h"
#include "combat/computer_search.h"
#include "combat/computer_strong.h"
#include "combat/firing.h"
#include "combat/movement.h"
#include "combat/plasma_flight.h"
#include "data/board_geometry.h"

namespace sd {

namespace {

using namespace search;

int16_t MisjudgedAngle(int16_t angle, std::mt19937& rng) {
    // The generator's raw numbers are the same on every system; a library
    // distribution would not promise that.
    const int error = static_cast<int>(rng() % (2 * kLightAimError + 1)) - kLightAimError;
    return static_cast<int16_t>((angle + error + kAngles) % kAngles);
}

ComputerAction ShootWith(const Shot& s, ComputerStrength strength, std::mt19937& rng) {
    ComputerAction a;
    a.kind = ComputerActionKind::Shoot;
    a.unit = s.unit;
    a.target = s.target;
    a.weapon = s.weapon;
    a.aimedAngle = s.angle;
    a.angle = s.weapon == kPlasma && strength == ComputerStrength::Light ? MisjudgedAngle(s.angle, rng) : s.angle;
    return a;
}

ComputerAction MoveTo(CellPos unit, CellPos target) {
    ComputerAction a;
    a.kind = ComputerActionKind::Move;
    a.unit = unit;
    a.target = target;
    return a;
}

}  // namespace

std::vector<Action> ActionsFor(const ComputerAction& a, const WorldRecord& w, const GameStateRecord& s) {
    if (a.kind == ComputerActionKind::EndTurn) return {Action::EndOfTurn()};
    std::vector<Action> actions;
    // A click on the selected unit would drop it again.
    if (s.SelectedX != a.unit.x || s.SelectedY != a.unit.y) actions.push_back(Action::SelectUnit(a.unit));
    if (a.kind == ComputerActionKind::Move) {
        actions.push_back(Action::MoveTo(a.unit, a.target));
        actions.push_back(Action::SelectUnit(a.target));
        return actions;
    }
    if (w.thing(w.CellMap(a.unit.x, a.unit.y)).Weapon != a.weapon) actions.push_back(Action::Switch(a.unit, a.weapon));
    actions.push_back(Action::FireAt(a.unit, a.target, a.angle));
    return actions;
}

void ComputerTurnMemory::ShotFired(int16_t t, bool hit, ComputerStrength strength) {
    if ((strength == ComputerStrength::Light || !hit) && !IsResting(t)) resting.push_back(t);
}

bool ComputerTurnMemory::IsResting(int16_t t) const {
    return std::find(resting.begin(), resting.end(), t) != resting.end();
}

ComputerAction DecideComputerAction(const WorldRecord& w, int16_t player, ComputerStrength strength,
                                    const ComputerTurnMemory& memory, std::mt19937& rng, const SearchYield& yield) {
    if (strength == ComputerStrength::Strong) return DecideStrongAction(w, player, memory, yield);
    const auto keepGoing = [&yield] { return !yield || yield(); };
    std::vector<CellPos> units;
    for (const CellPos& u : UnitsOf(w, player)) {
        if (!memory.IsResting(w.CellMap(u.x, u.y))) units.push_back(u);
    }

    // 1. A shot from where the units stand.
    std::optional<Shot> best;
    for (const CellPos& u : units) {
        if (const std::optional<Shot> s = BestShotOf(w, player, u)) Keep(best, *s, Better);
        if (!keepGoing()) return {};
    }
    if (best) return ShootWith(*best, strength, rng);

    // 2. A move that opens a shot; the shorter move wins a tie, keeping
    //    energy for the beam.
    WorldRecord work = w;
    std::optional<Shot> bestAfterMove;
    CellPos moveFrom{-1, -1}, moveTo{-1, -1};
    int shortest = 0;
    for (const CellPos& u : units) {
        for (const CellPos& c : MoveTargets(work, u)) {
            const int length = std::abs(u.x - c.x) + std::abs(u.y - c.y);
            std::optional<Shot> s;
            {
                TrialMove trial(work, u, c);
                s = BestShotOf(work, player, c);
            }
            if (s && (!bestAfterMove || Better(*s, *bestAfterMove) ||
                      (!Better(*bestAfterMove, *s) && length < shortest))) {
                bestAfterMove = s;
                moveFrom = u;
                moveTo = c;
                shortest = length;
            }
            if (!keepGoing()) return {};
        }
    }
    if (bestAfterMove) return MoveTo(moveFrom, moveTo);

    // 3. Closer to the enemy; again the shorter move wins a tie.
    std::optional<Distance> nearest;
    for (const CellPos& u : units) {
        const Distance now = ToNearestEnemy(w, player, u);
        for (const CellPos& c : MoveTargets(w, u)) {
            const Distance d = ToNearestEnemy(w, player, c);
            const int length = std::abs(u.x - c.x) + std::abs(u.y - c.y);
            if (d < now && (!nearest || d < *nearest || (!(*nearest < d) && length < shortest))) {
                nearest = d;
                moveFrom = u;
                moveTo = c;
                shortest = length;
            }
        }
    }
    if (nearest) return MoveTo(moveFrom, moveTo);

    return {};
}

}  // namespace sd
