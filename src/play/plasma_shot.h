#pragma once
// One plasma shot on the game screen: the aiming dial, then the ball flying
// step by step as the rules core computes it, with its sounds and pauses.
#include <cstdint>

#include "play/game_screen_impl.h"

namespace sd {

// Fires from the board pixel (XL1, YL1), the centre of the firing cell. Hit is
// always written: true only when a thing of the other team was struck, and
// then xZelleHit, yZelleHit hold its cell (otherwise they keep what the caller
// put there). False when the game screen closed during the shot.
bool DoPlasmaShoot(GameScreen& g, int16_t XL1, int16_t YL1, int16_t& xZelleHit, int16_t& yZelleHit, bool& Hit);

}  // namespace sd
