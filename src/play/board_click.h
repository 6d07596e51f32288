#pragma once
// Selecting, moving and (through Shoot) firing with the things on the board.
#include <cstdint>

#include "play/game_screen_impl.h"

namespace sd {
struct Context;

// How many cells thing t can still move: Energie / EnergiePoints, rounded to
// the nearest integer with ties to even. 0 when EnergiePoints is 0.
int16_t ThingRange(const Context& ctx, int16_t t);

// Frames, in colour table entry 3, the cells the thing in (X1, Y1) can reach:
// along its row and column, up to its range, stopping at the first occupied cell.
void Zeige_fahrbare_Zellen(GameScreen& g, const int16_t& X1, const int16_t& Y1);

// Release of a mouse button over the board (x, y fractional board pixels).
void BoardClick(GameScreen& g, int button, int shift, double x, double y);

}  // namespace sd
