#pragma once
// The one rounding rule of the game: to the nearest integer, a half going to the
// even neighbour (2.5 -> 2, 3.5 -> 4). Everything that turns a floating-point
// value into a game integer goes through here; std::round (halves away from
// zero) would shift ranges, cell picks and previews by one in the tie cases.
#include <cmath>
#include <cstdint>
#include <limits>

namespace sd {

// Nearest integer, ties to even, under the default rounding mode.
inline double RoundEven(double v) { return std::nearbyint(v); }

// Nearest 16-bit integer, ties to even; saturates at the 16-bit bounds and maps
// NaN to 0 so that no conversion has undefined behaviour.
inline int16_t RoundEven16(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(v);
    if (r <= std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    if (r >= std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(r);
}

// 16-bit game arithmetic: the result saturates instead of wrapping, so an energy
// driven far below zero stays a large negative number and never turns positive.
inline int16_t Sat16(long v) {
    if (v < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    if (v > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(v);
}

}  // namespace sd
