#pragma once
// The player units of the game. Worlds may place any thing, but these numbers
// are the two teams' ships: their portraits and the art are made for them.
#include <cstdint>

namespace sd::units {

// The player units: blue 14..16, red 17..19. Their portraits pair up by rank
// (14 with 17, 15 with 18, 16 with 19).
constexpr int16_t kFirstBlue = 14;
constexpr int16_t kLastBlue = 16;
constexpr int16_t kFirstRed = 17;
constexpr int16_t kLastRed = 19;

// Rank 0..2 of a player unit, -1 for any other thing number.
constexpr int Rank(int16_t t) {
    if (t >= kFirstBlue && t <= kLastBlue) return t - kFirstBlue;
    if (t >= kFirstRed && t <= kLastRed) return t - kFirstRed;
    return -1;
}

}  // namespace sd::units
