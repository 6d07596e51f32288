#include "combat/computer_player.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

#include "base/rounding.h"
#include "combat/firing.h"
#include "combat/movement.h"
#include "combat/plasma_flight.h"
#include "data/board_geometry.h"

namespace sd {

namespace {

constexpr Weapon kPlasma = Weapon::Plasma;
constexpr Weapon kBeam = Weapon::Beam;
constexpr int kBeamReach = 2;
constexpr int kAngles = 360;

// A shot the search has seen strike an enemy.
struct Shot {
    CellPos unit{-1, -1};
    CellPos target{-1, -1};
    Weapon weapon = kPlasma;
    int16_t angle = 0;
    // How many neighbouring angles strike the same enemy: the middle of the
    // widest window is the safest aim. A beam cannot miss.
    int16_t window = 0;
    bool destroys = false;
    int16_t shield = 0;  // the enemy's shield before the shot
    int16_t damage = 0;
};

// True when a is the better shot: one that destroys, then the enemy with the
// lowest shield, then the harder blow, then the safer aim. On a tie the shot
// found first stays.
bool Better(const Shot& a, const Shot& b) {
    if (a.destroys != b.destroys) return a.destroys;
    if (a.shield != b.shield) return a.shield < b.shield;
    if (a.damage != b.damage) return a.damage > b.damage;
    return a.window > b.window;
}

bool IsEnemy(const WorldRecord& w, int16_t player, int x, int y) {
    const int16_t owner = w.ownerAt(x, y);
    return owner > 0 && owner != player;
}

Shot MakeShot(const WorldRecord& w, CellPos unit, CellPos target, Weapon weapon, int16_t damage) {
    Shot s;
    s.unit = unit;
    s.target = target;
    s.weapon = weapon;
    s.damage = damage;
    s.shield = w.thing(w.CellMap(target.x, target.y)).Schild;
    s.destroys = ShieldBroken(ShieldAfterHit(s.shield, damage));
    return s;
}

// Keeps the better of best and candidate in best.
void Keep(std::optional<Shot>& best, const Shot& candidate) {
    if (!best || Better(candidate, *best)) best = candidate;
}

// The beam at every enemy within two cells, when the unit has the energy.
void BeamShots(const WorldRecord& w, int16_t player, CellPos u, std::optional<Shot>& best) {
    const Thing& t = w.thing(w.CellMap(u.x, u.y));
    if (long{t.Energie} - w.EnergiePoints < 0) return;
    for (int x = u.x - kBeamReach; x <= u.x + kBeamReach; ++x) {
        for (int y = u.y - kBeamReach; y <= u.y + kBeamReach; ++y) {
            if (!OnBoard(w, x, y) || !IsEnemy(w, player, x, y)) continue;
            Shot s = MakeShot(w, u, {static_cast<int16_t>(x), static_cast<int16_t>(y)}, kBeam, w.HitPoints2);
            s.window = kAngles;
            Keep(best, s);
        }
    }
}

// The plasma shot at every whole angle, when the unit has a charge. Angles
// that strike the same enemy side by side form a window; each window offers
// its middle angle.
void PlasmaShots(const WorldRecord& w, int16_t player, CellPos u, std::optional<Shot>& best) {
    if (long{w.thing(w.CellMap(u.x, u.y)).Plasma} - 1 < 0) return;
    const PixelPoint launch = CellCentre(w, u.x, u.y);
    // The struck cell per angle, as x * 256 + y + 1; 0 for a miss.
    std::array<int32_t, kAngles> struck{};
    for (int16_t a = 0; a < kAngles; ++a) {
        const FlightOutcome o = RunFlight(w, player, launch.x, launch.y, a);
        if (o.end == FlightEnd::Hit) struck[a] = int32_t{o.cellX} * 256 + o.cellY + 1;
    }
    // Start at a change, so that a window across 359 -> 0 is seen whole.
    int start = 0;
    while (start < kAngles && struck[start] == struck[(start + kAngles - 1) % kAngles]) ++start;
    if (start == kAngles) start = 0;  // one outcome all round
    for (int i = 0; i < kAngles;) {
        const int32_t cell = struck[(start + i) % kAngles];
        int length = 1;
        while (i + length < kAngles && struck[(start + i + length) % kAngles] == cell) ++length;
        if (cell != 0) {
            const CellPos target{static_cast<int16_t>((cell - 1) / 256), static_cast<int16_t>((cell - 1) % 256)};
            Shot s = MakeShot(w, u, target, kPlasma, w.HitPoints1);
            s.angle = static_cast<int16_t>((start + i + length / 2) % kAngles);
            s.window = static_cast<int16_t>(length);
            Keep(best, s);
        }
        i += length;
    }
}

// The best shot of one unit from where it stands.
std::optional<Shot> BestShotOf(const WorldRecord& w, int16_t player, CellPos u) {
    std::optional<Shot> best;
    BeamShots(w, player, u, best);
    PlasmaShots(w, player, u, best);
    return best;
}

// Moves the thing of from to to in the working world as the game does, and
// back again when it goes out of scope.
class TrialMove {
public:
    TrialMove(WorldRecord& w, CellPos from, CellPos to) : w_(w), from_(from), to_(to), t_(w.CellMap(from.x, from.y)) {
        energie_ = w.thing(t_).Energie;
        MoveThing(w, from.x, from.y, to.x, to.y);
    }
    ~TrialMove() {
        w_.CellMap.set(from_.x, from_.y, t_);
        w_.CellMap.set(to_.x, to_.y, 0);
        w_.thing(t_).Energie = energie_;
    }
    TrialMove(const TrialMove&) = delete;
    TrialMove& operator=(const TrialMove&) = delete;

private:
    WorldRecord& w_;
    CellPos from_, to_;
    int16_t t_;
    int16_t energie_ = 0;
};

// How far cell c is from the nearest enemy: in moves of the beam's reach
// (the larger of the two distances), then as the crow flies.
struct Distance {
    int steps = 1 << 30;
    int squared = 1 << 30;
    bool operator<(const Distance& o) const { return steps != o.steps ? steps < o.steps : squared < o.squared; }
};

Distance ToNearestEnemy(const WorldRecord& w, int16_t player, CellPos c) {
    Distance best;
    for (int x = 0; x < w.Raster_max_x; ++x) {
        for (int y = 0; y < w.Raster_max_y; ++y) {
            if (!IsEnemy(w, player, x, y)) continue;
            const int dx = std::abs(x - c.x), dy = std::abs(y - c.y);
            best = std::min(best, Distance{std::max(dx, dy), dx * dx + dy * dy});
        }
    }
    return best;
}

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
    const auto keepGoing = [&yield] { return !yield || yield(); };
    std::vector<CellPos> units;
    for (const CellPos& u : UnitsOf(w, player)) {
        if (!memory.IsResting(w.CellMap(u.x, u.y))) units.push_back(u);
    }

    // 1. A shot from where the units stand.
    std::optional<Shot> best;
    for (const CellPos& u : units) {
        if (const std::optional<Shot> s = BestShotOf(w, player, u)) Keep(best, *s);
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
