#include "combat/turn_bound.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <set>
#include <utility>

#include "base/rounding.h"
#include "combat/game_rules.h"
#include "combat/movement.h"
#include "combat/plasma_flight.h"
#include "combat/shot_survey.h"
#include "data/board_geometry.h"

namespace sd {

namespace {

constexpr int kBeamReach = 2;
constexpr int kAngles = 360;

struct Reach {
    CellPos cell;
    int16_t energy = 0;
};

// Every (cell, energy) a unit can be in during a turn, whatever stands in its
// way: a move goes along a row or column as far as ThingRange allows and
// costs EnergiePoints a cell. Cells taken by others count as free, so this is
// more than the unit can really reach, never less.
std::vector<Reach> Reachable(const WorldRecord& w, CellPos from, int16_t energy) {
    std::vector<Reach> seen{{from, energy}};
    for (size_t i = 0; i < seen.size(); ++i) {
        const Reach r = seen[i];
        if (w.EnergiePoints <= 0) break;  // unlimited moves: every cell, see below
        const int range = RoundEven16(static_cast<double>(r.energy) / w.EnergiePoints);
        for (int d = -range; d <= range; ++d) {
            if (d == 0) continue;
            const int16_t left = Sat16(long{r.energy} - long{std::abs(d)} * w.EnergiePoints);
            for (const CellPos c : {CellPos{static_cast<int16_t>(r.cell.x + d), r.cell.y},
                                    CellPos{r.cell.x, static_cast<int16_t>(r.cell.y + d)}}) {
                if (!OnBoard(w, c.x, c.y)) continue;
                const bool known = std::any_of(seen.begin(), seen.end(), [&](const Reach& s) {
                    return s.cell == c && s.energy >= left;
                });
                if (!known) seen.push_back({c, left});
            }
        }
    }
    if (w.EnergiePoints <= 0) {
        for (int16_t x = 0; x < w.Raster_max_x; ++x)
            for (int16_t y = 0; y < w.Raster_max_y; ++y) seen.push_back({{x, y}, energy});
    }
    return seen;
}

// The cells each enemy may stand on: within moves cells along rows and
// columns (and its own cell).
std::set<std::pair<int, int>> EnemyCells(const WorldRecord& w, int16_t player, int moves) {
    std::set<std::pair<int, int>> cells;
    for (const CellPos& e : UnitsOf(w, static_cast<int16_t>(3 - player))) {
        for (int dx = -moves; dx <= moves; ++dx) {
            for (int dy = -moves; dy <= moves; ++dy) {
                if (std::abs(dx) + std::abs(dy) > moves || !OnBoard(w, e.x + dx, e.y + dy)) continue;
                cells.insert({e.x + dx, e.y + dy});
            }
        }
    }
    return cells;
}

// Whether a plasma shot from cell c passes any of the cells, on a board w
// without enemies.
bool PlasmaCanStrike(const WorldRecord& w, int16_t player, CellPos c, const std::set<std::pair<int, int>>& cells) {
    const PixelPoint launch = CellCentre(w, c.x, c.y);
    for (int16_t a = 0; a < kAngles; ++a) {
        PlasmaFlight flight(w, player, launch.x, launch.y, a);
        while (flight.Step() == FlightEnd::None) {
            if (cells.count({flight.cellX(), flight.cellY()}) != 0) return true;
        }
    }
    return false;
}

bool BeamReaches(CellPos c, const std::set<std::pair<int, int>>& cells) {
    return std::any_of(cells.begin(), cells.end(), [&](const std::pair<int, int>& e) {
        return std::abs(e.first - c.x) <= kBeamReach && std::abs(e.second - c.y) <= kBeamReach;
    });
}

}  // namespace

TurnBound OneTurnDamageBound(const WorldRecord& w, int16_t player, int enemyMoves) {
    TurnBound bound;
    const int16_t enemy = static_cast<int16_t>(3 - player);
    for (const CellPos& e : UnitsOf(w, enemy)) bound.enemyShield += std::max<long>(w.thing(w.CellMap(e.x, e.y)).Schild, 0);
    const std::set<std::pair<int, int>> targets = EnemyCells(w, player, enemyMoves);
    WorldRecord open = w;
    for (const CellPos& e : UnitsOf(w, enemy)) open.CellMap.set(e.x, e.y, 0);

    for (const CellPos& u : UnitsOf(w, player)) {
        const Thing& t = w.thing(w.CellMap(u.x, u.y));
        const std::vector<Reach> reach = Reachable(w, u, t.Energie);
        long beams = 0;
        for (const Reach& r : reach) {
            if (!BeamReaches(r.cell, targets)) continue;
            // Every beam costs EnergiePoints and needs that much left; moves never give energy back.
            beams = std::max<long>(beams, w.EnergiePoints > 0 ? std::max(0, r.energy / w.EnergiePoints) : LONG_MAX / 4);
        }
        bound.damage += std::min<long>(beams, LONG_MAX / 4) * w.HitPoints2;
        if (t.Plasma <= 0) continue;
        std::set<std::pair<int, int>> tried;
        for (const Reach& r : reach) {
            if (!tried.insert({r.cell.x, r.cell.y}).second) continue;
            // Units pull nothing, so the unit itself need not be moved there.
            if (PlasmaCanStrike(open, player, r.cell, targets)) {
                bound.damage += long{t.Plasma} * w.HitPoints1;
                break;
            }
        }
    }
    return bound;
}

FirstTurnBounds FirstTurnDamageBounds(const WorldRecord& w) {
    FirstTurnBounds b;
    b.side[1] = OneTurnDamageBound(w, 1, 0);
    int blueMoves = 0;
    for (const CellPos& u : UnitsOf(w, 1)) {
        for (const Reach& r : Reachable(w, u, w.thing(w.CellMap(u.x, u.y)).Energie))
            blueMoves = std::max(blueMoves, std::abs(r.cell.x - u.x) + std::abs(r.cell.y - u.y));
    }
    // Red's turn begins as the rules hand it over: every unit refilled.
    HeadlessGame game(w);
    game.Apply(Action::EndOfTurn());
    b.side[2] = OneTurnDamageBound(game.world(), 2, blueMoves);
    return b;
}

}  // namespace sd
