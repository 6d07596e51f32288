// Board drawing. Positions are computed in int: for every world the loader
// accepts they equal the 16-bit values, and a hostile one cannot wrap around.
#include "render/board_drawing.h"

#include "data/board_geometry.h"
#include "data/context.h"

namespace sd {

using platform::Color;
using platform::Surface;

Color TableColor(const Context& ctx, int i) {
    if (i < 0 || i >= static_cast<int>(ctx.ColorTable.size())) return Color{};
    const ColorEntry& e = ctx.ColorTable[static_cast<size_t>(i)];
    return platform::MakeColor(e.R, e.G, e.B);
}

void DrawAllCells(const Context& ctx, const GameGraphics& gfx, Surface& surface) {
    const WorldRecord& w = ctx.World;
    for (int x = 0; x <= w.Raster_max_x; ++x) {
        for (int y = 0; y <= w.Raster_max_y; ++y) {
            DrawCell(ctx, gfx, static_cast<int16_t>(x), static_cast<int16_t>(y), surface);
        }
    }
}

void DrawCell(const Context& ctx, const GameGraphics& gfx, int16_t x, int16_t y, Surface& surface) {
    const WorldRecord& w = ctx.World;
    const int16_t n = w.CellMap(x, y);
    if (n == 0) return;
    // A number without a picture (outside the strip) paints nothing.
    gfx.PicClipThing.paintCell(n, surface, w.Raster_x + x * w.Raster_width, w.Raster_y + y * w.Raster_height);
}

void DrawGrid(const Context& ctx, Surface& surface, Color color) {
    const WorldRecord& w = ctx.World;
    // A cell size of 0 (or less) would step the loops nowhere: then there is no grid to draw.
    if (w.Raster_width > 0 && w.Raster_height > 0) {
        const int right = w.Raster_x + w.Raster_width * w.Raster_max_x;
        const int bottom = w.Raster_y + w.Raster_height * w.Raster_max_y;
        for (int yy = w.Raster_y; yy <= (w.Raster_max_y + 1) * w.Raster_height; yy += w.Raster_height) {
            surface.line(w.Raster_x, yy, right, yy, color);
        }
        for (int xx = w.Raster_x; xx <= (w.Raster_max_x + 1) * w.Raster_width; xx += w.Raster_width) {
            surface.line(xx, w.Raster_y, xx, bottom, color);
        }
    }
    const GameStateRecord& s = ctx.GameState;
    if (s.SelectedX > -1 && s.SelectedY != -1) {
        DrawCellFrame(ctx, surface, s.SelectedX, s.SelectedY, TableColor(ctx, 2));
    }
}

Color GridColor(const Context& ctx) {
    return ctx.GameState.GridVisible ? TableColor(ctx, 0) : Color{0, 0, 0};
}

void Zeige_fahrbare_Zellen(const Context& ctx, Surface& board, const std::vector<CellPos>& reach) {
    const Color color = TableColor(ctx, 3);
    for (const CellPos& c : reach) DrawCellFrame(ctx, board, c.x, c.y, color);
}

void DrawBoardFrames(const Context& ctx, Surface& board, const BoardView& v) {
    if (v.grid) DrawGrid(ctx, board, GridColor(ctx));
    if (v.eraseValid) DrawCellFrame(ctx, board, v.erase.x, v.erase.y, GridColor(ctx));
    if (v.selectionValid) {
        Zeige_fahrbare_Zellen(ctx, board, v.reach);
        DrawCellFrame(ctx, board, v.selection.x, v.selection.y, TableColor(ctx, 2));
    }
    if (v.hoverValid) DrawCellFrame(ctx, board, v.hover.x, v.hover.y, TableColor(ctx, 1));
}

void DrawCellFrame(const Context& ctx, Surface& surface, int16_t x, int16_t y, Color color) {
    const WorldRecord& w = ctx.World;
    const int left = w.Raster_x + x * w.Raster_width;
    const int top = w.Raster_y + y * w.Raster_height;
    surface.rect(left, top, left + w.Raster_width, top + w.Raster_height, color);
}

}  // namespace sd
