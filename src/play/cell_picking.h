#pragma once
// The hover over the board: the frame under the pointer, the info panel and
// the cursor rules.
#include "play/game_screen_impl.h"

namespace sd {

// Pointer movement over the board (x, y fractional board pixels).
void BoardHover(GameScreen& g, double x, double y);

}  // namespace sd
