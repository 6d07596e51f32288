#pragma once
// The strong computer's judgement: it aims as well as the search can, and
// plans past the shot in hand. It puts every blow on the enemy nearest to
// breaking, fires the beam before it spends a plasma charge, moves in for the
// beam when its plasma cannot finish the enemy, and ends its turn where the
// enemy's beams cannot reach it next turn when it can.
#include <cstdint>

#include "combat/computer_player.h"
#include "data/world_model.h"

namespace sd {

ComputerAction DecideStrongAction(const WorldRecord& w, int16_t player, const ComputerTurnMemory& memory,
                                  const SearchYield& yield);

}  // namespace sd
