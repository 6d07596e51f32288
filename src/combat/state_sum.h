#pragma once
// A checksum of everything the rules decide: two games that applied the same
// actions to the same world have the same sum, and a game that went another
// way has a different one (with the odds of a 32-bit hash).
#include <cstdint>

#include "data/world_model.h"

namespace sd::net {

// Leaves out what only one screen has: the grid switch, the dial's resting
// angle, whether the victory panel has been seen, the start time.
uint32_t StateSum(const WorldRecord& w, const GameStateRecord& s);

}  // namespace sd::net
