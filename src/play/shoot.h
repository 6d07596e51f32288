#pragma once
// The firing command: the selected thing in (XSource, YSource) fires its
// current weapon at the thing in (XDest, YDest).
#include <cstdint>

#include "play/game_screen_impl.h"

namespace sd {

void Shoot(GameScreen& g, int16_t XSource, int16_t YSource, int16_t XDest, int16_t YDest);

}  // namespace sd
