#pragma once
// Every plasma shot a team can fire from where its units stand: for world
// authors, who have to see whether a world is fair before they ship it. The
// push of the gravity to the right and down makes mirror-image worlds favour
// one side, so fairness has to be measured, not drawn.
#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "combat/plasma_flight.h"
#include "data/world_model.h"

namespace sd {

// The board cells (the ones a player can select) holding a thing of owner
// player, column by column.
std::vector<CellPos> UnitsOf(const WorldRecord& w, int16_t player);

struct SurveyedShot {
    CellPos unit;
    int16_t angle = 0;
    FlightOutcome outcome;
};

// For every unit of player and every dial angle 0..359, the outcome of a
// plasma shot from the centre of the unit's cell, unit by unit.
std::vector<SurveyedShot> SurveyShots(const WorldRecord& w, int16_t player);

}  // namespace sd
