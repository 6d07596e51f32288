#include "combat/firing.h"

#include <cstdlib>

#include "base/rounding.h"

namespace sd {

namespace {

constexpr int kBeamReach = 2;  // cells in each direction, diagonals included

// The record of the thing in a cell, or null for empty space (or a cell off
// the map), which must not be charged or damaged.
Thing* ThingIn(WorldRecord& w, int16_t x, int16_t y) {
    const int16_t n = w.CellMap(x, y);
    if (n <= 0 || static_cast<size_t>(n) >= w.Things.size()) return nullptr;
    return &w.Things[static_cast<size_t>(n)];
}

}  // namespace

ShotRefusal CheckShot(const WorldRecord& w, int16_t XSource, int16_t YSource, int16_t XDest, int16_t YDest) {
    const Thing& source = w.thing(w.CellMap(XSource, YSource));
    if (long{source.Plasma} - 1 < 0 && source.Weapon == Weapon::Plasma) return ShotRefusal::NoCharge;
    if (long{source.Energie} - w.EnergiePoints < 0 && source.Weapon == Weapon::Beam) return ShotRefusal::NoEnergy;
    const bool farAway = std::labs(long{XSource} - XDest) > kBeamReach || std::labs(long{YSource} - YDest) > kBeamReach;
    if (farAway && source.Weapon == Weapon::Beam) return ShotRefusal::OutOfRange;
    return ShotRefusal::None;
}

int16_t RefusalSound(Refusal r) {
    switch (r) {
        case Refusal::NoCharge:
        case Refusal::NoEnergy:
            return 14;
        case Refusal::OutOfRange:
            return 13;
        case Refusal::CannotMove:
        case Refusal::TooFar:
            return 8;
        default:
            break;
    }
    return -1;
}

bool FiresPlasma(const WorldRecord& w, int16_t x, int16_t y) { return w.thing(w.CellMap(x, y)).Weapon == Weapon::Plasma; }

void ChargeBeam(WorldRecord& w, int16_t XSource, int16_t YSource) {
    if (Thing* t = ThingIn(w, XSource, YSource)) t->Energie = Sat16(long{t->Energie} - w.EnergiePoints);
}

void ChargePlasmaHit(WorldRecord& w, int16_t XSource, int16_t YSource) {
    if (Thing* t = ThingIn(w, XSource, YSource)) t->Plasma = Sat16(long{t->Plasma} - 1);
}

int16_t ShieldAfterHit(int16_t schild, int16_t points) { return Sat16(long{schild} - points); }

bool ShieldBroken(int16_t schild) { return schild < 1; }

void Damage(WorldRecord& w, int16_t cx, int16_t cy, int16_t points) {
    if (Thing* t = ThingIn(w, cx, cy)) t->Schild = ShieldAfterHit(t->Schild, points);
}

bool IsDestroyed(const WorldRecord& w, int16_t cx, int16_t cy) {
    const int16_t n = w.CellMap(cx, cy);
    return n != 0 && ShieldBroken(w.thing(n).Schild);
}

void RemoveThing(WorldRecord& w, int16_t cx, int16_t cy) { w.CellMap.set(cx, cy, 0); }

}  // namespace sd
