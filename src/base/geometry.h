#pragma once
// The one point, size and rectangle of the game. Cells and pixels are 16-bit
// as the world model holds them; the flying shot keeps its position in float
// and the aiming dial reads the pointer in fractional pixels, so the point
// takes its number type as a parameter.
#include <cstdint>

namespace sd {

template <typename T>
struct Point {
    T x{};
    T y{};
    friend bool operator==(const Point&, const Point&) = default;
};

using CellPos = Point<int16_t>;     // a cell of the board, column x and row y
using PixelPoint = Point<int16_t>;  // a pixel of the board surface
using FlightPoint = Point<float>;   // where a flying plasma shot is
using DialPoint = Point<double>;    // a point of the aiming dial, in its own pixels

struct Size {
    int width = 0;
    int height = 0;
};

// A rectangle given by its corners, both included.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(double x, double y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

}  // namespace sd
