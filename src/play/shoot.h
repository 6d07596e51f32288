#pragma once
// The firing command: the unit in (XSource, YSource) fires at the enemy in
// (XDest, YDest). A refused shot answers with its sound and changes nothing;
// otherwise the shot begins (sound 12 and a pause), the aiming dial asks for
// the plasma shot's direction, and the rules decide the shot with it.
#include <cstdint>

#include "play/game_screen_impl.h"

namespace sd {

void Shoot(GameScreen& g, int16_t XSource, int16_t YSource, int16_t XDest, int16_t YDest);

}  // namespace sd
