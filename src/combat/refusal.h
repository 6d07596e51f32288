#pragma once
// Why an action changed nothing, and the sound a player hears for it.
#include <cstdint>

namespace sd {

enum class Refusal : int16_t {
    None,
    GameOver,    // the battle is decided
    NotOwnUnit,  // the cell holds no unit of the team on turn
    CannotMove,  // not along a row or column, or the target is not an empty board cell
    TooFar,      // along a row or column to an empty cell, but beyond what the unit's energy reaches
    NotEnemy,    // a shot at a cell without an enemy unit
    NoCharge,    // the plasma shot and no charge left
    NoEnergy,    // the beam and less energy than a beam costs
    OutOfRange,  // the beam and a target more than two cells away
};

// The sound number that answers a refusal: 14 for a missing charge or energy,
// 13 for a beam target out of reach, 8 for a move the unit cannot make or
// reach; -1
// where the game stays silent.
int16_t RefusalSound(Refusal r);

}  // namespace sd
