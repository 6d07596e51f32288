// The firing command. Until the beam and the plasma shot are played back here,
// a click on an enemy thing reaches Shoot, which changes nothing; the board
// click redraws its frames around it as it will once they exist.
#include "play/shoot.h"

namespace sd {

void Shoot(GameScreen& /*g*/, int16_t /*XSource*/, int16_t /*YSource*/, int16_t /*XDest*/, int16_t /*YDest*/) {}

}  // namespace sd
