#pragma once
// The aiming dial PicAngle over the portrait: while a plasma shot waits for
// its direction, the pointer line follows the mouse and the degrees show
// beside it; a click confirms the last angle shown.
#include <cstdint>
#include <optional>

#include "play/game_screen_impl.h"

namespace sd {

// Whole degrees, counter-clockwise from the rightward direction, of the
// pointer at (X, Y) on a dial of outer size W x H: 0 (and 360) right, 90 up,
// 180 left, 270 down. The centre itself gives 45; the centre lines count as
// right of and above the centre.
int16_t DialAngle(int W, int H, double X, double Y);

// Mouse movement over the dial (X, Y in the dial's own pixels): redraws the
// pointer and the degrees, and sets AimAngle.
void AngleMouseMove(GameScreen& g, double X, double Y);

// Connects the dial's mouse events; its click ends the aiming phase.
void WireAimingDial(GameScreen& g);

// The handshake of a plasma shot, queued on the show: shows the dial, waits
// for its click while the pointer follows the mouse (or the computer turns it
// to its angle), then clears and hides it.
void ChooseAngle(GameScreen& g, std::optional<int16_t> preset = std::nullopt);

}  // namespace sd
