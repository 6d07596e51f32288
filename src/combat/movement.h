#pragma once
// The move rule: a thing goes along its row or its column, as many cells as
// its range allows (Energie / EnergiePoints), onto an empty board cell; it may
// pass over other things on the way. Each cell of the way costs EnergiePoints
// of its energy.
#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "data/world_model.h"

namespace sd {

// True when (x, y) is a cell a player can click: the cell map's extra column
// and row are not part of the board.
bool OnBoard(const WorldRecord& w, int x, int y);

// True when the thing in (fromX, fromY) may move to (toX, toY).
bool CanMove(const WorldRecord& w, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY);
// Moves it there and returns the energy it cost (16-bit, saturating). Call only after CanMove.
int16_t MoveThing(WorldRecord& w, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY);

// Every cell the unit in u may move to: left, right, up, down, nearest first.
std::vector<CellPos> MoveTargets(const WorldRecord& w, CellPos u);
// The cells the board frames as the unit's reach: in each direction the
// targets up to the first occupied cell. A unit may go further by passing
// over that cell, but the frames have always stopped there.
std::vector<CellPos> FramedReach(const WorldRecord& w, CellPos u);

}  // namespace sd
