#pragma once
// Selecting, moving and (through Shoot) firing with the things on the board.
#include "play/game_screen_impl.h"

namespace sd {

// Release of a mouse button over the board (x, y fractional board pixels).
void BoardClick(GameScreen& g, int button, int shift, double x, double y);

}  // namespace sd
