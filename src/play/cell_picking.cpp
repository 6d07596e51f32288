#include "play/cell_picking.h"

#include "base/rounding.h"
#include "data/board_geometry.h"
#include "data/context.h"
#include "play/cursor.h"
#include "play/perform.h"
#include "play/status_report.h"
#include "render/board_drawing.h"

namespace sd {

void BoardHover(GameScreen& g, double x, double y) {
    Context& ctx = g.ctx;
    const GameStateRecord& s = ctx.GameState;

    int16_t cx = RoundEven16(x);
    int16_t cy = RoundEven16(y);
    GetMouseZelle_Koordinates(ctx.World, cx, cy);
    const int16_t owner = ctx.World.ownerAt(cx, cy);

    if (owner == s.CurrentPlayer || owner == -1) SetMouseCursor(ctx, 1);

    if (ctx.World.Raster_width == 0 || ctx.World.Raster_height == 0) {
        g.LastHoverX = 0;
        g.LastHoverY = 0;
    }
    // Within one cell nothing is drawn.
    if (cx == g.LastHoverX && cy == g.LastHoverY) return;

    BoardView view;
    view.eraseValid = g.LastHoverX > -1 && g.LastHoverY > -1;
    view.erase = {g.LastHoverX, g.LastHoverY};
    if (!s.hasSelection()) {
        g.info.ShowCellInfo(ctx, g.gfx, cx, cy, *g.gfx.PicDisplay1, *g.gfx.PicMMC);
    } else {
        // The info panel keeps the selected thing; its frames are repaired.
        view.selectionValid = true;
        view.selection = {s.SelectedX, s.SelectedY};
        if (owner != s.CurrentPlayer && owner > 0) SetMouseCursor(ctx, 2);
    }
    view.hoverValid = true;
    view.hover = {cx, cy};
    DrawFrames(g, view);
    // With a unit selected, a unit under the pointer tells its shield.
    ReportTarget(g, s.hasSelection() ? TargetLine(ctx.World, {cx, cy}) : std::string{});
    g.LastHoverX = cx;
    g.LastHoverY = cy;
}

}  // namespace sd
