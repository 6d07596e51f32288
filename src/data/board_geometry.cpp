#include "data/board_geometry.h"

#include <algorithm>
#include <cmath>

#include "base/rounding.h"

namespace sd {

namespace {

// floor(offset / size) as a 16-bit value; the quotient of two 16-bit values always fits.
int16_t CellIndex(int16_t pixel, int16_t origin, int16_t size) {
    const int16_t offset = Sat16(long{pixel} - origin);
    return Sat16(static_cast<long>(std::floor(static_cast<double>(offset) / static_cast<double>(size))));
}

}  // namespace

void GetMouseZelle_Koordinates(const WorldRecord& w, int16_t& X, int16_t& Y) {
    int16_t column = 0;
    int16_t row = 0;
    if (w.Raster_width != 0 && w.Raster_height != 0) {
        column = CellIndex(X, w.Raster_x, w.Raster_width);
        row = CellIndex(Y, w.Raster_y, w.Raster_height);
    }
    if (column < 0) column = 0;
    if (row < 0) row = 0;
    if (column >= w.Raster_max_x) column = static_cast<int16_t>(w.Raster_max_x - 1);
    if (row >= w.Raster_max_y) row = static_cast<int16_t>(w.Raster_max_y - 1);
    // A board without columns or rows has no cell to pick; cell (0, 0) reads as empty space.
    X = std::max<int16_t>(column, 0);
    Y = std::max<int16_t>(row, 0);
}

int16_t ThingRange(const WorldRecord& w, int16_t t) {
    // A world without a movement cost cannot give a range: nothing moves.
    if (w.EnergiePoints == 0) return 0;
    return RoundEven16(static_cast<double>(w.thing(t).Energie) / static_cast<double>(w.EnergiePoints));
}

PixelPoint CellCorner(const WorldRecord& w, int16_t cx, int16_t cy) {
    return {Sat16(long{cx} * w.Raster_width + w.Raster_x), Sat16(long{cy} * w.Raster_height + w.Raster_y)};
}

PixelPoint CellCentre(const WorldRecord& w, int16_t cx, int16_t cy) {
    const PixelPoint corner = CellCorner(w, cx, cy);
    return {RoundEven16(w.Raster_width / 2.0 + corner.x), RoundEven16(w.Raster_height / 2.0 + corner.y)};
}

}  // namespace sd
