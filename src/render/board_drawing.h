#pragma once
// Drawing the board: things, grid lines and cell frames. Every pixel position
// comes from the raster of the loaded world; nothing here knows the rules.
#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "platform/draw/color.h"
#include "platform/draw/surface.h"
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

// Colour of the grid: colour table entry 0 while the grid is shown, else black.
platform::Color GridColor(const Context& ctx);

// Frames, in colour table entry 3, the cells a unit can reach, as the rules
// give them.
void Zeige_fahrbare_Zellen(const Context& ctx, platform::Surface& board, const std::vector<CellPos>& reach);

// What the frames on the board show, as the handlers ask for it. Drawn in this
// order, so that later frames win on shared edges: the grid (with the frame of
// the selection as the state has it), the old hover frame erased to the grid
// colour, the reach and the frame of the selection, the new hover frame.
struct BoardView {
    bool grid = false;
    bool eraseValid = false;
    CellPos erase;       // a frame that goes back to the grid colour
    bool selectionValid = false;
    CellPos selection;   // its reach in colour 3, itself in colour 2
    std::vector<CellPos> reach;
    bool hoverValid = false;
    CellPos hover;       // the cell under the pointer (or the target), colour 1
};
void DrawBoardFrames(const Context& ctx, platform::Surface& board, const BoardView& view);

}  // namespace sd
