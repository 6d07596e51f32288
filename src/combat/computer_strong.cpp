#include "combat/computer_strong.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "combat/computer_search.h"
#include "combat/movement.h"
#include "combat/shot_survey.h"

namespace sd {

namespace {

using namespace search;

// Every unit has this much energy when its team's turn begins.
constexpr int16_t kTurnEnergy = 100;

// The strong order: a shot that destroys; then the enemy with the lowest
// shield, so that blows add up on one unit; then the beam, which costs only
// energy that comes back every turn, before a plasma charge, which never
// comes back; then the safer aim.
bool Focused(const Shot& a, const Shot& b) {
    if (a.destroys != b.destroys) return a.destroys;
    if (a.shield != b.shield) return a.shield < b.shield;
    if (a.weapon != b.weapon) return a.weapon == kBeam;
    return a.window > b.window;
}

// How many beams the enemy could fire into each cell in its next turn: from
// every cell it could move to with energy left for a beam. Cells taken by
// others count as free, so the danger is never underrated.
class Danger {
public:
    Danger(const WorldRecord& w, int16_t player) : w_(w), beams_(size_t(w.Raster_max_x) * size_t(w.Raster_max_y), 0) {
        if (w.EnergiePoints <= 0) return;
        const int most = kTurnEnergy / w.EnergiePoints;
        for (const CellPos& e : UnitsOf(w, static_cast<int16_t>(3 - player))) {
            std::vector<int> mine(beams_.size(), 0);
            for (int moves = 0; moves < most; ++moves) {
                for (int dx = -moves; dx <= moves; ++dx) {
                    const int dy = moves - std::abs(dx);
                    for (const int y : {e.y - dy, e.y + dy}) Cover(e.x + dx, y, most - moves, mine);
                }
            }
            for (size_t i = 0; i < beams_.size(); ++i) beams_[i] += mine[i];
        }
    }
    int at(CellPos c) const { return beams_[Index(c.x, c.y)]; }

private:
    size_t Index(int x, int y) const { return size_t(y) * size_t(w_.Raster_max_x) + size_t(x); }
    void Cover(int cx, int cy, int beams, std::vector<int>& mine) const {
        if (!OnBoard(w_, cx, cy)) return;
        for (int x = cx - kBeamReach; x <= cx + kBeamReach; ++x) {
            for (int y = cy - kBeamReach; y <= cy + kBeamReach; ++y) {
                if (OnBoard(w_, x, y)) mine[Index(x, y)] = std::max(mine[Index(x, y)], beams);
            }
        }
    }
    const WorldRecord& w_;
    std::vector<int> beams_;
};

struct Totals {
    long shield = 0;  // all units' shields together
    long plasma = 0;  // the damage all their charges could still do
};

Totals TotalsOf(const WorldRecord& w, int16_t player) {
    Totals t;
    for (const CellPos& u : UnitsOf(w, player)) {
        const Thing& thing = w.thing(w.CellMap(u.x, u.y));
        t.shield += thing.Schild;
        t.plasma += long{std::max<int16_t>(thing.Plasma, 0)} * w.HitPoints1;
    }
    return t;
}

ComputerAction Act(ComputerActionKind kind, CellPos unit, CellPos target, const Shot* shot = nullptr) {
    ComputerAction a;
    a.kind = kind;
    a.unit = unit;
    a.target = target;
    if (shot != nullptr) {
        a.weapon = shot->weapon;
        a.angle = a.aimedAngle = shot->angle;
    }
    return a;
}

int Length(CellPos a, CellPos b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y); }

// A move the search considers, and what it is good for.
struct Step {
    CellPos from{-1, -1}, to{-1, -1};
    std::optional<Shot> shot;
    int danger = 0;
    int length = 0;
    Distance distance;
};

// The better move to a shot: one that destroys, then a safe cell, then the
// better shot, then the shorter way (energy kept for the beam).
bool BetterShotStep(const Step& a, const Step& b) {
    if (a.shot->destroys != b.shot->destroys) return a.shot->destroys;
    if ((a.danger == 0) != (b.danger == 0)) return a.danger == 0;
    if (Focused(*a.shot, *b.shot) != Focused(*b.shot, *a.shot)) return Focused(*a.shot, *b.shot);
    return a.length < b.length;
}

}  // namespace

ComputerAction DecideStrongAction(const WorldRecord& w, int16_t player, const ComputerTurnMemory& memory,
                                  const SearchYield& yield) {
    const auto keepGoing = [&yield] { return !yield || yield(); };
    std::vector<CellPos> units;
    for (const CellPos& u : UnitsOf(w, player)) {
        if (!memory.IsResting(w.CellMap(u.x, u.y))) units.push_back(u);
    }

    // 1. A shot from where the units stand.
    std::optional<Shot> best;
    for (const CellPos& u : units) {
        if (const std::optional<Shot> s = BestShotOf(w, player, u, Focused)) Keep(best, *s, Focused);
        if (!keepGoing()) return {};
    }
    if (best) return Act(ComputerActionKind::Shoot, best->unit, best->target, &*best);

    const Danger danger(w, player);
    const Totals own = TotalsOf(w, player), enemy = TotalsOf(w, static_cast<int16_t>(3 - player));
    // Plasma alone cannot break every enemy: the beams have to come in.
    const bool closeIn = own.plasma < enemy.shield;
    // Into the enemy's reach only when not the weaker side; otherwise wait
    // for the enemy to come. The stronger side holds its ground there: were
    // it to step back as well, the two would circle for ever.
    const bool braveDanger = own.shield >= enemy.shield;
    const bool holdGround = own.shield > enemy.shield;

    // 2. A move that opens a shot.
    WorldRecord work = w;
    std::optional<Step> shotStep;
    for (const CellPos& u : units) {
        for (const CellPos& c : MoveTargets(work, u)) {
            Step s{u, c, std::nullopt, danger.at(c), Length(u, c), {}};
            {
                TrialMove trial(work, u, c);
                s.shot = BestShotOf(work, player, c, Focused);
            }
            if (!s.shot || (s.danger > 0 && !s.shot->destroys && !closeIn)) continue;
            if (!shotStep || BetterShotStep(s, *shotStep)) shotStep = s;
            if (!keepGoing()) return {};
        }
    }
    if (shotStep) return Act(ComputerActionKind::Move, shotStep->from, shotStep->to);

    // 3. Out of the enemy's reach, or at least into less of it, staying as
    //    near to the enemy as that allows.
    std::optional<Step> escape;
    for (const CellPos& u : units) {
        const int now = danger.at(u);
        if (now == 0 || holdGround) continue;
        for (const CellPos& c : MoveTargets(w, u)) {
            const Step s{u, c, std::nullopt, danger.at(c), Length(u, c), ToNearestEnemy(w, player, c)};
            if (s.danger >= now) continue;
            if (!escape || s.danger < escape->danger ||
                (s.danger == escape->danger && (s.distance < escape->distance ||
                                                (!(escape->distance < s.distance) && s.length < escape->length)))) {
                escape = s;
            }
        }
    }
    if (escape) return Act(ComputerActionKind::Move, escape->from, escape->to);

    // 4. Closer to the enemy when the beams have to decide: through safe
    //    cells, or into the enemy's reach when not the weaker side.
    std::optional<Step> approach;
    for (const CellPos& u : units) {
        const Distance now = ToNearestEnemy(w, player, u);
        for (const CellPos& c : MoveTargets(w, u)) {
            const Step s{u, c, std::nullopt, danger.at(c), Length(u, c), ToNearestEnemy(w, player, c)};
            if (!(s.distance < now) || (s.danger > 0 && !braveDanger)) continue;
            if (!approach || (s.danger == 0) > (approach->danger == 0) ||
                ((s.danger == 0) == (approach->danger == 0) &&
                 (s.distance < approach->distance || (!(approach->distance < s.distance) && s.length < approach->length)))) {
                approach = s;
            }
        }
    }
    if (approach) return Act(ComputerActionKind::Move, approach->from, approach->to);
    return {};
}

}  // namespace sd
