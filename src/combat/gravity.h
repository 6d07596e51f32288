#pragma once
// The gravity step of a plasma shot.
//
// The game's gravity is its own, not Newton's, and the trajectories players
// learn depend on every detail of it:
//  - every attracting thing pushes the shot toward larger x and larger y
//    (right and down), whichever side of the shot it stands on: distances are
//    taken as absolute values, so the force components are never negative;
//  - the pull falls with the first power of the distance;
//  - nothing carries over from one step to the next: each step moves the shot
//    by the fixed launch vector plus the pull at its current position.
// So the arithmetic is kept exactly as the game always did it: intermediates in
// double, rounded to float or to 16 bits only where the game stores a value as
// such, halves to even, and the constants 3.14159, 500, 0.000001, 40 and 60.
#include <cstdint>
#include <vector>

#include "data/world_model.h"

namespace sd {

// One attracting cell: its reference point (the cell's top-left pixel) and
// its mass, all 16-bit as the game holds them.
struct Mass {
    int16_t x = 0;
    int16_t y = 0;
    int16_t mass = 0;
};
using MassList = std::vector<Mass>;

// The attracting cells of the world, column by column (x outer, y inner),
// over the whole cell map including its extra column and row: every cell that
// holds a thing with Grav > 0, whatever its owner. mass = nearest(Grav * 500).
// Values beyond 16 bits are clamped to the 16-bit bounds.
MassList BuildMassList(const WorldRecord& w);

// One step from (XL1, YL1) with the given mass list; the new position replaces
// the old one and is always a whole number.
void GravityStep(const MassList& masses, float& XL1, float& YL1, float Force, float Angle);

// One step over the world as it is now: builds the mass list and steps.
void CalcGravity(const WorldRecord& w, float& XL1, float& YL1, float Force, float Angle);

// The launch direction in radians for a dial angle in degrees: counter-clockwise
// on the dial, while the board's y grows downward, hence the factor -1.
float LaunchAngle(int16_t AimAngle);

// The force every plasma shot is launched with.
constexpr float kLaunchForce = 100.0f;

}  // namespace sd
