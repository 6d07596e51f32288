#pragma once
// The rules of the firing command: whether a shot may be fired, what it costs,
// what it does to the thing it strikes, and when that thing is gone. The
// playback (sounds, beam line, blinking, explosion) calls these in its order:
//
//   refused = CheckShot(...); if refused: play RefusalSound(refused), stop.
//   beam:   ChargeBeam(source); Damage(dest, HitPoints2); damaged cell = dest
//   plasma: on a hit: ChargePlasmaHit(source); Damage(struck, HitPoints1);
//           damaged cell = struck; on a miss: damaged cell = dest, no damage
//   if IsDestroyed(damaged cell): explosion, RemoveThing(damaged cell)
//   then IsVictory (victory.h).
//
// All arithmetic is 16-bit and saturates at the 16-bit bounds.
#include <cstdint>

#include "data/world_model.h"

namespace sd {

enum class ShotRefusal {
    None,        // the shot may be fired
    NoCharge,    // plasma selected and no plasma charge left
    NoEnergy,    // beam selected and less energy than a beam costs
    OutOfRange,  // beam selected and the target more than two cells away
};

// The refusals, tested in the game's order on the thing in (XSource, YSource).
// The tests look for Weapon 0 (plasma) and Weapon 1 (beam) exactly; a thing
// with any other Weapon passes all three and fires as a beam, since the firing
// command only tells "plasma" from "not plasma".
ShotRefusal CheckShot(const WorldRecord& w, int16_t XSource, int16_t YSource, int16_t XDest, int16_t YDest);

// The sound that answers a refusal: 14 for a missing charge or energy, 13 for a
// target out of reach; -1 for None.
int16_t RefusalSound(ShotRefusal r);

// True when the thing in (x, y) fires the plasma shot (Weapon 0), false for the beam.
bool FiresPlasma(const WorldRecord& w, int16_t x, int16_t y);

// The beam's cost: Energie -= EnergiePoints of the thing in (XSource, YSource).
void ChargeBeam(WorldRecord& w, int16_t XSource, int16_t YSource);
// A plasma hit's cost: Plasma -= 1 of the thing in (XSource, YSource).
void ChargePlasmaHit(WorldRecord& w, int16_t XSource, int16_t YSource);
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
