#include "combat/movement.h"

#include <cstdlib>

#include "base/rounding.h"
#include "data/board_geometry.h"

namespace sd {

namespace {

constexpr int kDirections[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

// Walks from u in each direction up to the unit's range; stopAtOccupied ends
// a direction at the first cell that is not empty.
std::vector<CellPos> Walk(const WorldRecord& w, CellPos u, bool stopAtOccupied) {
    std::vector<CellPos> cells;
    const int16_t n = ThingRange(w, w.CellMap(u.x, u.y));
    for (const auto& d : kDirections) {
        for (int i = 1; i <= n; ++i) {
            const int x = u.x + d[0] * i;
            const int y = u.y + d[1] * i;
            if (!OnBoard(w, x, y)) break;
            const CellPos c{static_cast<int16_t>(x), static_cast<int16_t>(y)};
            if (CanMove(w, u.x, u.y, c.x, c.y)) {
                cells.push_back(c);
            } else if (stopAtOccupied) {
                break;
            }
        }
    }
    return cells;
}

}  // namespace

bool OnBoard(const WorldRecord& w, int x, int y) {
    return x >= 0 && y >= 0 && x < w.Raster_max_x && y < w.Raster_max_y;
}

bool CanMove(const WorldRecord& w, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY) {
    const int16_t n = ThingRange(w, w.CellMap(fromX, fromY));
    const int dx = std::abs(fromX - toX);
    const int dy = std::abs(fromY - toY);
    return OnBoard(w, toX, toY) && w.CellMap(toX, toY) == 0 && (fromX == toX || fromY == toY) && dx <= n && dy <= n;
}

int16_t MoveThing(WorldRecord& w, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY) {
    const int16_t t = w.CellMap(fromX, fromY);
    w.CellMap.set(toX, toY, t);
    w.CellMap.set(fromX, fromY, 0);
    // Along a row or a column one of the two distances is 0.
    const long cells = std::abs(std::abs(fromX - toX) - std::abs(fromY - toY));
    const int16_t cost = Sat16(cells * w.EnergiePoints);
    Thing& moving = w.thing(t);
    moving.Energie = Sat16(long{moving.Energie} - cells * w.EnergiePoints);
    return cost;
}

std::vector<CellPos> MoveTargets(const WorldRecord& w, CellPos u) { return Walk(w, u, false); }

std::vector<CellPos> FramedReach(const WorldRecord& w, CellPos u) { return Walk(w, u, true); }

}  // namespace sd
