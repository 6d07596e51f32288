#pragma once
// Turning pointer positions into cells, and the hover over the board.
#include <cstdint>

#include "play/game_screen_impl.h"

namespace sd {
struct Context;

// On entry X, Y are a pixel of the board surface; on return the cell under it,
// clamped onto the board.
void GetMouseZelle_Koordinates(const Context& ctx, int16_t& X, int16_t& Y);

// Pointer movement over the board (x, y fractional board pixels).
void BoardHover(GameScreen& g, double x, double y);

}  // namespace sd
