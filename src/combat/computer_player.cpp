#include "combat/computer_player.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <utility>

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

// A number below n. The generator's raw numbers are the same on every
// system; a library distribution would not promise that.
size_t Pick(size_t n, std::mt19937& rng) { return static_cast<size_t>(rng() % n); }

int16_t MisjudgedAngle(int16_t angle, std::mt19937& rng) {
    const int error = static_cast<int>(Pick(2 * kLightAimError + 1, rng)) - kLightAimError;
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

// The wider window first: the aim a beginner would rather try.
bool Wider(const Shot& a, const Shot& b) { return a.window > b.window; }

// A shot the misjudgement strikes at least as often as not: the beam, or a
// plasma window as wide as the misjudgement either way.
bool Easy(const Shot& s) { return s.window > kLightAimError; }

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

    // 1. A shot from where the units stand: one that destroys if there is
    //    one, otherwise at any enemy in sight -- a beginner does not focus
    //    his fire, and that is what makes his games differ. First only
    //    the easy shots, wide enough that the misjudgement still strikes
    //    as often as not; then 2. a move to such a shot; only then 3. the
    //    hard shots and 4. the moves to them: a beginner who kept trying a
    //    hopeless angle from where he stands would never finish a game.
    WorldRecord work = w;
    for (const bool easyOnly : {true, false}) {
        for (const CellPos& u : units) {
            std::vector<Shot> shots = ShotsAtEachEnemy(w, player, u, Wider);
            if (!keepGoing()) return {};
            if (easyOnly) std::erase_if(shots, [](const Shot& s) { return !Easy(s); });
            if (shots.empty()) continue;
            std::vector<Shot> destroying;
            std::copy_if(shots.begin(), shots.end(), std::back_inserter(destroying), [](const Shot& s) { return s.destroys; });
            const std::vector<Shot>& pool = destroying.empty() ? shots : destroying;
            return ShootWith(pool[Pick(pool.size(), rng)], strength, rng);
        }
        std::vector<std::pair<CellPos, CellPos>> moves;
        for (const CellPos& u : units) {
            for (const CellPos& c : MoveTargets(work, u)) {
                std::optional<Shot> s;
                {
                    TrialMove trial(work, u, c);
                    s = BestShotOf(work, player, c, Wider);
                }
                if (s && (!easyOnly || Easy(*s))) moves.emplace_back(u, c);
                if (!keepGoing()) return {};
            }
        }
        if (!moves.empty()) {
            const auto& [from, to] = moves[Pick(moves.size(), rng)];
            return MoveTo(from, to);
        }
    }

    // 5. Otherwise any move that brings a unit closer to the enemy.
    std::vector<std::pair<CellPos, CellPos>> moves;
    for (const CellPos& u : units) {
        const Distance now = ToNearestEnemy(w, player, u);
        for (const CellPos& c : MoveTargets(w, u)) {
            if (ToNearestEnemy(w, player, c) < now) moves.emplace_back(u, c);
        }
    }
    // 6. Otherwise a step of one cell anywhere: where walls of obstacles
    //    keep every unit from getting closer, wandering finds the way round.
    if (moves.empty()) {
        for (const CellPos& u : units) {
            for (const CellPos& c : MoveTargets(w, u)) {
                if (std::abs(u.x - c.x) + std::abs(u.y - c.y) == 1) moves.emplace_back(u, c);
            }
        }
    }
    if (moves.empty()) return {};
    const auto& [from, to] = moves[Pick(moves.size(), rng)];
    return MoveTo(from, to);
}

}  // namespace sd
