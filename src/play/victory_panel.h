#pragma once
// The victory panel PicWin: who won, in how many minutes and turns; it waits
// for its click and ends the game.
#include <cstdint>

#include "play/game_screen_impl.h"

namespace sd {

// Writes the four lines for team iPlayer on the panel, shows it, waits for its
// click and sets GameOver. False when the game screen closed meanwhile.
void Winning(GameScreen& g, int16_t iPlayer);

}  // namespace sd
