#pragma once
// The three short animations on the board that show what a shot did. They
// change no game data; each runs to its end (or until the game screen closes)
// before the shot goes on.
#include <cstdint>

#include "play/game_screen_impl.h"

namespace sd {

// Where a plasma ball struck, at board pixel (X, Y): five orange rings growing,
// then five black ones shrinking, 50 ms each. The black rings stay on the board
// until it is next repainted.
void DoHit(GameScreen& g, int16_t X, int16_t Y);
// The frame of cell (X, Y) blinks three times in colour table entry 4 and
// black, 200 ms each; it ends black.
void DoBlink(GameScreen& g, int16_t X, int16_t Y);
// The 16 explosion frames over cell (XZelle, YZelle), at their own size from
// the cell's corner, 150 ms each; then 80 ms and the bang.
void Explosion(GameScreen& g, int16_t XZelle, int16_t YZelle);

}  // namespace sd
