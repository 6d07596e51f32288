#pragma once
// How a shot is shown, from its outcome: the beam or the plasma ball's flight,
// the rings and blinking where it strikes, the explosion of a destroyed thing
// and the victory panel. Everything is queued on the game screen's show, so
// the handler that fired returns at once.
#include <cstdint>

#include "combat/outcome.h"
#include "play/game_screen_impl.h"

namespace sd {

// The whole shot after the rules decided it.
void ShowShot(GameScreen& g, const Outcome& o);

// The plasma ball's flight: every position of the outcome for a step's time,
// then how it ended (sound 15 and rings where it struck, the blinking frame of
// an obstacle); a miss off the board, a stalled or circling shot ends silently.
void DoPlasmaShoot(GameScreen& g, const Outcome& o);

}  // namespace sd
