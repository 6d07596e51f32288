#include "play/board_click.h"

#include <cstdlib>

#include "combat/shoot.h"
#include "data/context.h"
#include "data/rounding.h"
#include "platform/element.h"
#include "play/cell_picking.h"
#include "play/turn_cycle.h"
#include "render/board_drawing.h"
#include "render/info_panel.h"
#include "shell/sound.h"

namespace sd {

int16_t ThingRange(const Context& ctx, int16_t t) {
    const int16_t points = ctx.World.EnergiePoints;
    // A world without a movement cost cannot give a range: nothing moves.
    if (points == 0) return 0;
    return RoundEven16(static_cast<double>(ctx.World.thing(t).Energie) / static_cast<double>(points));
}

void Zeige_fahrbare_Zellen(GameScreen& g, const int16_t& X1, const int16_t& Y1) {
    const Context& ctx = g.ctx;
    const WorldRecord& w = ctx.World;
    platform::Surface& board = g.gfx.PicBack->canvas();
    const platform::Color reach = TableColor(ctx, 3);
    const int16_t n = ThingRange(ctx, w.CellMap(X1, Y1));

    auto walk = [&](int stepX, int stepY) {
        for (int i = 1; i <= n; ++i) {
            const int x = X1 + stepX * i;
            const int y = Y1 + stepY * i;
            if (x < 0 || y < 0 || x > w.Raster_max_x - 1 || y > w.Raster_max_y - 1) continue;
            if (w.CellMap(x, y) != 0) break;
            DrawCellFrame(ctx, board, static_cast<int16_t>(x), static_cast<int16_t>(y), reach);
        }
    };
    walk(-1, 0);  // left
    walk(1, 0);   // right
    walk(0, -1);  // up
    walk(0, 1);   // down
}

void BoardClick(GameScreen& g, int /*button*/, int /*shift*/, double x, double y) {
    if (g.Busy) return;
    Context& ctx = g.ctx;
    WorldRecord& w = ctx.World;
    GameStateRecord& s = ctx.GameState;
    GameGraphics& gfx = g.gfx;

    int16_t cx = RoundEven16(x);
    int16_t cy = RoundEven16(y);
    GetMouseZelle_Koordinates(ctx, cx, cy);
    bool Moved = false;

    if (s.SelectedX > -1 && s.SelectedY > -1 && (cx != s.SelectedX || cy != s.SelectedY)) {
        if (w.CellMap(cx, cy) == 0) {
            const int16_t t = w.CellMap(s.SelectedX, s.SelectedY);
            const int16_t n = ThingRange(ctx, t);
            const int dx = std::abs(s.SelectedX - cx);
            const int dy = std::abs(s.SelectedY - cy);
            // Only the target must be free: a thing may pass over others on its way.
            const bool allowed = (cx == s.SelectedX || cy == s.SelectedY) && dx <= n && dy <= n;
            if (!allowed) {
                PlaySoundEffect(ctx, 8, 1);
            } else {
                w.CellMap.set(cx, cy, t);
                w.CellMap.set(s.SelectedX, s.SelectedY, 0);
                Thing& moving = w.thing(t);
                moving.Energie = Sat16(long{moving.Energie} - long{std::abs(dx - dy)} * w.EnergiePoints);
                s.SelectedX = cx;
                s.SelectedY = cy;
                RepaintBoard(g);
                Moved = true;
                ShowCellInfo(ctx, gfx, cx, cy, *gfx.PicDisplay1, *gfx.PicMMC);
            }
        } else {
            const int16_t o = w.ownerAt(cx, cy);
            if (o != s.CurrentPlayer && o > 0) {
                Shoot(g, s.SelectedX, s.SelectedY, cx, cy);
                if (g.closed) return;
                platform::Surface& board = gfx.PicBack->canvas();
                DrawGrid(ctx, board, GridColor(ctx));
                Zeige_fahrbare_Zellen(g, s.SelectedX, s.SelectedY);
                DrawCellFrame(ctx, board, s.SelectedX, s.SelectedY, TableColor(ctx, 2));
                DrawCellFrame(ctx, board, cx, cy, TableColor(ctx, 1));
            }
        }
    }

    if (s.GameOver) {
        g.CloseGameScreen();
        return;
    }

    if (w.ownerAt(cx, cy) != s.CurrentPlayer) return;

    platform::Surface& board = gfx.PicBack->canvas();
    if (cx == s.SelectedX && cy == s.SelectedY && !Moved) {
        PlaySoundEffect(ctx, 3, 1);
        DrawGrid(ctx, board, GridColor(ctx));
        DrawCellFrame(ctx, board, cx, cy, TableColor(ctx, 1));
        gfx.PicMMC->clearPicture();
        s.SelectedX = -1;
        s.SelectedY = -1;
        return;
    }

    PlaySoundEffect(ctx, 2, 1);
    DrawGrid(ctx, board, GridColor(ctx));
    if (s.SelectedX > -1 && s.SelectedY > -1) DrawCellFrame(ctx, board, s.SelectedX, s.SelectedY, GridColor(ctx));
    s.SelectedX = cx;
    s.SelectedY = cy;
    Zeige_fahrbare_Zellen(g, cx, cy);
    ShowCellInfo(ctx, gfx, cx, cy, *gfx.PicDisplay1, *gfx.PicMMC);
    DrawCellFrame(ctx, board, cx, cy, TableColor(ctx, 2));

    const int16_t t = w.CellMap(cx, cy);
    const int portrait = PortraitCell(t, false);
    if (portrait >= 0) gfx.PicMMC->setPicture(gfx.PicClipAnim.cell(portrait));
    gfx.PicClipWeaponSelect.paintCell(w.thing(t).Weapon, gfx.PicDisplay1->canvas(), 195, 100);
}

}  // namespace sd
