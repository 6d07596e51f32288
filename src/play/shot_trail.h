#pragma once
// The trail of a team's last plasma shot: faint dots along the path the ball
// was seen to fly, so the next try can be corrected instead of guessed. The
// dots are small elements over the board, not pixels in it: taking them away
// shows exactly what lies under them, whatever was drawn there meanwhile.
#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "play/game_screen_impl.h"

namespace sd {

// Makes the dots (hidden) right above the board; call once when the screen is built.
void CreateTrailDots(GameScreen& g);
// Shows team's trail along the ball's positions (the last one, where it
// struck or left, is not dotted), replacing the team's earlier trail.
void ShowTrail(GameScreen& g, int16_t team, const std::vector<FlightPoint>& path);
void ClearTrail(GameScreen& g, int16_t team);

}  // namespace sd
