#pragma once
// Cells and pixels of the board surface. Cell (x, y) covers the pixels from
// (Raster_x + x * Raster_width, Raster_y + y * Raster_height) one cell size
// further, both corners included. Pure arithmetic over the loaded world, used
// alike by the pointer, the flying plasma shot and the firing command.
#include <cstdint>

#include "base/geometry.h"
#include "data/world_model.h"

namespace sd {

// On entry X, Y are a pixel of the board surface; on return the cell under it,
// clamped onto 0 .. Raster_max_x - 1 and 0 .. Raster_max_y - 1.
void GetMouseZelle_Koordinates(const WorldRecord& w, int16_t& X, int16_t& Y);

// Centre pixel of cell (cx, cy): the halving in double precision, rounded to
// the nearest pixel with ties to even.
PixelPoint CellCentre(const WorldRecord& w, int16_t cx, int16_t cy);

// Top-left pixel of cell (cx, cy) on the board surface.
PixelPoint CellCorner(const WorldRecord& w, int16_t cx, int16_t cy);

// How many cells thing t can still move: Energie / EnergiePoints, rounded to
// the nearest integer with ties to even. 0 when EnergiePoints is 0.
int16_t ThingRange(const WorldRecord& w, int16_t t);

}  // namespace sd
