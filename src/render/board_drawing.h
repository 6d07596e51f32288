#pragma once
// Drawing the board: things, grid lines and cell frames. Every pixel position
// comes from the raster of the loaded world; nothing here knows the rules.
#include <cstdint>

#include "platform/color.h"
#include "platform/surface.h"
#include "render/game_graphics.h"

namespace sd {
struct Context;

// Entry i of the colour table as a colour; black for an entry the table lacks.
platform::Color TableColor(const Context& ctx, int i);

// Paints the picture of every non-empty cell, column by column.
void DrawAllCells(const Context& ctx, const GameGraphics& gfx, platform::Surface& surface);
// Paints the picture of cell (x, y) if it holds a thing.
void DrawCell(const Context& ctx, const GameGraphics& gfx, int16_t x, int16_t y, platform::Surface& surface);
// All grid lines in the colour, then the frame of the selected cell in colour 2.
void DrawGrid(const Context& ctx, platform::Surface& surface, platform::Color color);
// One-pixel outline of cell (x, y), lying on the cell's grid lines.
void DrawCellFrame(const Context& ctx, platform::Surface& surface, int16_t x, int16_t y, platform::Color color);

}  // namespace sd
