#pragma once
// What an action did, as the rules decided it: everything a screen needs to
// show it (sounds, the flight step by step, the values that changed) and a
// record needs to check it, without looking at the world again.
#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "combat/action.h"
#include "combat/plasma_flight.h"
#include "combat/refusal.h"

namespace sd {

struct Outcome {
    Action action;
    Refusal refusal = Refusal::None;
    bool refused() const { return refusal != Refusal::None; }

    // Select: the selection before the action.
    CellPos previousSelection = kNoCell;

    // Move: the energy it cost and what is left.
    int16_t moveCost = 0;
    // Move and the beam: the unit's energy afterwards.
    int16_t energyAfter = 0;

    // Fire.
    Weapon weapon = Weapon::Plasma;
    // The plasma shot: every position of the flight, the last one where it
    // ended, and how it ended; the cell it struck after Hit and Obstacle.
    std::vector<FlightPoint> flight;
    FlightEnd flightEnd = FlightEnd::None;
    CellPos struck = kNoCell;
    bool hit = false;          // an enemy took damage (the beam always, plasma on Hit)
    int16_t plasmaAfter = 0;   // the unit's charges after a plasma hit
    // The cell whose shield the shot is judged by: the struck enemy, or after a
    // plasma miss the clicked target, untouched.
    CellPos damaged = kNoCell;
    int16_t damagedThing = 0;  // its thing number (the record outlives the cell)
    int16_t damage = 0;
    int16_t shieldBefore = 0;
    int16_t shieldAfter = 0;
    bool destroyed = false;  // the thing in damaged is gone from the board

    // EndTurn: the team now on turn and the turn counter.
    int16_t player = 0;
    int16_t turn = 0;

    // The action decided the battle: the winning team (1 or 2) and the turn it
    // was won in.
    int16_t winner = 0;
    int16_t turns = 0;
};

}  // namespace sd
