#include "combat/computer_search.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "combat/firing.h"
#include "combat/flight_paths.h"
#include "combat/movement.h"
#include "combat/plasma_flight.h"
#include "data/board_geometry.h"

namespace sd::search {

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

void Keep(std::optional<Shot>& best, const Shot& candidate, ShotOrder better) {
    if (!best || better(candidate, *best)) best = candidate;
}

// The beam at every enemy within two cells, when the unit has the energy.
void EachBeamShot(const WorldRecord& w, int16_t player, CellPos u, const ShotSink& sink) {
    const Thing& t = w.thing(w.CellMap(u.x, u.y));
    if (long{t.Energie} - w.EnergiePoints < 0) return;
    for (int x = u.x - kBeamReach; x <= u.x + kBeamReach; ++x) {
        for (int y = u.y - kBeamReach; y <= u.y + kBeamReach; ++y) {
            if (!OnBoard(w, x, y) || !IsEnemy(w, player, x, y)) continue;
            Shot s = MakeShot(w, u, {static_cast<int16_t>(x), static_cast<int16_t>(y)}, kBeam, w.HitPoints2);
            s.window = kAngles;
            sink(s);
        }
    }
}

// The plasma shot at every whole angle, when the unit has a charge. Angles
// that strike the same enemy side by side form a window; each window offers
// its middle angle.
void EachPlasmaShot(const WorldRecord& w, int16_t player, CellPos u, const ShotSink& sink) {
    if (long{w.thing(w.CellMap(u.x, u.y)).Plasma} - 1 < 0) return;
    const PixelPoint launch = CellCentre(w, u.x, u.y);
    // The struck cell per angle, as x * 256 + y + 1; 0 for a miss.
    std::array<int32_t, kAngles> struck{};
    FlightPaths& paths = ThreadFlightPaths();
    paths.BindTo(w);
    for (int16_t a = 0; a < kAngles; ++a) {
        const FlightOutcome o = paths.Fly(w, player, launch.x, launch.y, a);
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
            sink(s);
        }
        i += length;
    }
}

void BeamShots(const WorldRecord& w, int16_t player, CellPos u, std::optional<Shot>& best, ShotOrder better) {
    EachBeamShot(w, player, u, [&](const Shot& s) { Keep(best, s, better); });
}

void PlasmaShots(const WorldRecord& w, int16_t player, CellPos u, std::optional<Shot>& best, ShotOrder better) {
    EachPlasmaShot(w, player, u, [&](const Shot& s) { Keep(best, s, better); });
}

// The best shot of one unit from where it stands.
std::optional<Shot> BestShotOf(const WorldRecord& w, int16_t player, CellPos u, ShotOrder better) {
    std::optional<Shot> best;
    BeamShots(w, player, u, best, better);
    PlasmaShots(w, player, u, best, better);
    return best;
}

std::vector<Shot> ShotsAtEachEnemy(const WorldRecord& w, int16_t player, CellPos u, ShotOrder better) {
    std::vector<Shot> shots;
    const ShotSink keepPerTarget = [&](const Shot& s) {
        for (Shot& kept : shots) {
            if (kept.target.x != s.target.x || kept.target.y != s.target.y) continue;
            if (better(s, kept)) kept = s;
            return;
        }
        shots.push_back(s);
    };
    EachBeamShot(w, player, u, keepPerTarget);
    EachPlasmaShot(w, player, u, keepPerTarget);
    return shots;
}

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

}  // namespace sd::search
