#pragma once
// The pieces of the firing rule: whether a shot may be fired, what it costs,
// what it does to the thing it strikes, and when that thing is gone. The
// game's rules (game_rules.cpp) put them together in their one order.
//
// All arithmetic is 16-bit and saturates at the 16-bit bounds.
#include <cstdint>

#include "combat/refusal.h"
#include "data/world_model.h"

namespace sd {

// A shot is refused for NoCharge, NoEnergy or OutOfRange, or may be fired (None).
using ShotRefusal = Refusal;

// The refusals, tested in the game's order on the thing in (XSource, YSource).
// The tests look for the plasma shot and the beam exactly; a thing with any
// other Weapon value passes all three and fires as a beam, since the firing
// command only tells "plasma" from "not plasma".
ShotRefusal CheckShot(const WorldRecord& w, int16_t XSource, int16_t YSource, int16_t XDest, int16_t YDest);

// True when the thing in (x, y) fires the plasma shot, false for the beam.
bool FiresPlasma(const WorldRecord& w, int16_t x, int16_t y);

// The beam's cost: Energie -= EnergiePoints of the thing in (XSource, YSource).
void ChargeBeam(WorldRecord& w, int16_t XSource, int16_t YSource);
// A plasma hit's cost: Plasma -= 1 of the thing in (XSource, YSource).
void ChargePlasmaHit(WorldRecord& w, int16_t XSource, int16_t YSource);
// A shield after a hit of points, and whether a shield that low is broken:
// the one damage rule, which the computer's search also judges its shots by.
int16_t ShieldAfterHit(int16_t schild, int16_t points);
bool ShieldBroken(int16_t schild);

// Schild -= points of the thing in (cx, cy). Things of one number share one
// record, so the damage shows on all of them.
void Damage(WorldRecord& w, int16_t cx, int16_t cy, int16_t points);

// The charge and damage functions leave an empty cell alone: empty space reads
// the table's entry 0, which must stay all zero for every other empty cell.

// True when the damaged cell (cx, cy) holds a thing whose Schild is below 1.
// After a plasma miss the cell examined is the clicked target, whose shield the
// miss did not touch: it goes only if its shield was below 1 already. An empty
// cell never explodes (its entry-0 shield of 0 would otherwise read as
// destroyed).
bool IsDestroyed(const WorldRecord& w, int16_t cx, int16_t cy);

// Takes the thing off the board: its cell becomes empty space. The record
// stays in the table, so other cells with the same number keep it.
void RemoveThing(WorldRecord& w, int16_t cx, int16_t cy);

}  // namespace sd
