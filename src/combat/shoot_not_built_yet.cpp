// Firing is not built yet: a click on an enemy thing reaches Shoot, which does
// nothing for now. The board click redraws its frames around it as it will once
// the beam and the plasma shot exist.
#include "combat/shoot.h"

namespace sd {

void Shoot(GameScreen& /*g*/, int16_t /*XSource*/, int16_t /*YSource*/, int16_t /*XDest*/, int16_t /*YDest*/) {}

}  // namespace sd
