#pragma once
// The pieces of the computer's search that both strengths share: every shot a
// unit can fire from where it stands, flown in its head with the game's own
// flight, and trial moves on a working copy of the world.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "base/geometry.h"
#include "combat/movement.h"
#include "data/world_model.h"

namespace sd::search {

inline constexpr Weapon kPlasma = Weapon::Plasma;
inline constexpr Weapon kBeam = Weapon::Beam;
inline constexpr int kBeamReach = 2;
inline constexpr int kAngles = 360;

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

// True when a is the better shot; on a tie the shot found first stays.
using ShotOrder = bool (*)(const Shot& a, const Shot& b);

// One that destroys, then the enemy with the lowest shield, then the harder
// blow, then the safer aim.
bool Better(const Shot& a, const Shot& b);

bool IsEnemy(const WorldRecord& w, int16_t player, int x, int y);
Shot MakeShot(const WorldRecord& w, CellPos unit, CellPos target, Weapon weapon, int16_t damage);
// Keeps the better of best and candidate in best.
void Keep(std::optional<Shot>& best, const Shot& candidate, ShotOrder better);
// Receives each shot a search finds.
using ShotSink = std::function<void(const Shot&)>;

// The beam at every enemy within two cells, when the unit has the energy.
void EachBeamShot(const WorldRecord& w, int16_t player, CellPos u, const ShotSink& sink);
// The plasma shot at every whole angle, when the unit has a charge. Angles
// that strike the same enemy side by side form a window; each window offers
// its middle angle.
void EachPlasmaShot(const WorldRecord& w, int16_t player, CellPos u, const ShotSink& sink);
// The same, keeping only the better shot in best.
void BeamShots(const WorldRecord& w, int16_t player, CellPos u, std::optional<Shot>& best, ShotOrder better);
void PlasmaShots(const WorldRecord& w, int16_t player, CellPos u, std::optional<Shot>& best, ShotOrder better);
// The best shot of one unit from where it stands.
std::optional<Shot> BestShotOf(const WorldRecord& w, int16_t player, CellPos u, ShotOrder better = Better);
// The best shot of one unit at each enemy it can strike from where it stands.
std::vector<Shot> ShotsAtEachEnemy(const WorldRecord& w, int16_t player, CellPos u, ShotOrder better = Better);

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

Distance ToNearestEnemy(const WorldRecord& w, int16_t player, CellPos c);

}  // namespace sd::search
