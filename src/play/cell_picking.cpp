#include "play/cell_picking.h"

#include <algorithm>
#include <cmath>

#include "data/context.h"
#include "data/rounding.h"
#include "play/board_click.h"
#include "play/cursor.h"
#include "play/turn_cycle.h"
#include "render/board_drawing.h"
#include "render/info_panel.h"

namespace sd {

namespace {

// floor(offset / size) as a 16-bit value; the quotient of two 16-bit values always fits.
int16_t CellIndex(int16_t pixel, int16_t origin, int16_t size) {
    const int16_t offset = Sat16(long{pixel} - origin);
    return Sat16(static_cast<long>(std::floor(static_cast<double>(offset) / static_cast<double>(size))));
}

}  // namespace

void GetMouseZelle_Koordinates(const Context& ctx, int16_t& X, int16_t& Y) {
    const WorldRecord& w = ctx.World;
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

void BoardHover(GameScreen& g, double x, double y) {
    if (g.Busy) return;
    Context& ctx = g.ctx;
    const GameStateRecord& s = ctx.GameState;

    int16_t cx = RoundEven16(x);
    int16_t cy = RoundEven16(y);
    GetMouseZelle_Koordinates(ctx, cx, cy);
    const int16_t owner = ctx.World.ownerAt(cx, cy);

    if (owner == s.CurrentPlayer || owner == -1) SetMouseCursor(ctx, 1);

    if (ctx.World.Raster_width == 0 || ctx.World.Raster_height == 0) {
        g.LastHoverX = 0;
        g.LastHoverY = 0;
    }
    // Within one cell nothing is drawn.
    if (cx == g.LastHoverX && cy == g.LastHoverY) return;

    platform::Surface& board = g.gfx.PicBack->canvas();
    if (g.LastHoverX > -1 && g.LastHoverY > -1) DrawCellFrame(ctx, board, g.LastHoverX, g.LastHoverY, GridColor(ctx));

    if (s.SelectedX < 0 || s.SelectedY < 0) {
        ShowCellInfo(ctx, g.gfx, cx, cy, *g.gfx.PicDisplay1, *g.gfx.PicMMC);
    } else {
        // The info panel keeps the selected thing; its frames are repaired.
        int16_t selX = s.SelectedX;
        int16_t selY = s.SelectedY;
        Zeige_fahrbare_Zellen(g, selX, selY);
        DrawCellFrame(ctx, board, selX, selY, TableColor(ctx, 2));
        if (owner != s.CurrentPlayer && owner > 0) SetMouseCursor(ctx, 2);
    }

    DrawCellFrame(ctx, board, cx, cy, TableColor(ctx, 1));
    g.LastHoverX = cx;
    g.LastHoverY = cy;
}

}  // namespace sd
