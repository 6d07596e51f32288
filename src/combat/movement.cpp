#include "combat/movement.h"

#include <cstdlib>

#include "base/rounding.h"
#include "data/board_geometry.h"

namespace sd {

bool CanMove(const WorldRecord& w, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY) {
    const int16_t n = ThingRange(w, w.CellMap(fromX, fromY));
    const int dx = std::abs(fromX - toX);
    const int dy = std::abs(fromY - toY);
    return w.CellMap(toX, toY) == 0 && (fromX == toX || fromY == toY) && dx <= n && dy <= n;
}

void MoveThing(WorldRecord& w, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY) {
    const int16_t t = w.CellMap(fromX, fromY);
    w.CellMap.set(toX, toY, t);
    w.CellMap.set(fromX, fromY, 0);
    // Along a row or a column one of the two distances is 0.
    const long cells = std::abs(std::abs(fromX - toX) - std::abs(fromY - toY));
    Thing& moving = w.thing(t);
    moving.Energie = Sat16(long{moving.Energie} - cells * w.EnergiePoints);
}

}  // namespace sd
