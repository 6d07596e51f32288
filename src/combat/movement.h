#pragma once
// The move rule: a thing goes along its row or its column, as many cells as
// its range allows, onto an empty cell; it may pass over other things on the
// way. Each cell of the way costs EnergiePoints of its energy.
#include <cstdint>

#include "data/world_model.h"

namespace sd {

// True when the thing in (fromX, fromY) may move to (toX, toY).
bool CanMove(const WorldRecord& w, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY);
// Moves it there and charges the energy (16-bit, saturating). Call only after CanMove.
void MoveThing(WorldRecord& w, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY);

}  // namespace sd
