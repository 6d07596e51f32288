#include "play/board_click.h"

#include <cstdlib>

#include "base/layout.h"
#include "base/rounding.h"
#include "combat/movement.h"
#include "data/board_geometry.h"
#include "data/context.h"
#include "platform/element.h"
#include "play/shoot.h"
#include "play/sound.h"
#include "play/turn_cycle.h"
#include "render/board_drawing.h"
#include "render/info_panel.h"

namespace sd {

namespace {

// Moves the selected thing to the free cell (cx, cy) if it can go there: along
// its row or column, within its range. Only the target must be free: a thing
// may pass over others on its way. True when it moved.
bool TryMove(GameScreen& g, int16_t cx, int16_t cy) {
    Context& ctx = g.ctx;
    GameStateRecord& s = ctx.GameState;
    if (!CanMove(ctx.World, s.SelectedX, s.SelectedY, cx, cy)) {
        PlaySoundEffect(ctx, Sfx::MoveRefused);
        return false;
    }
    MoveThing(ctx.World, s.SelectedX, s.SelectedY, cx, cy);
    s.SelectedX = cx;
    s.SelectedY = cy;
    RepaintBoard(g);
    g.info.ShowCellInfo(ctx, g.gfx, cx, cy, *g.gfx.PicDisplay1, *g.gfx.PicMMC);
    return true;
}

// Fires at the enemy thing in (cx, cy), then frames the selection and the
// target again.
void FireAt(GameScreen& g, int16_t cx, int16_t cy) {
    GameStateRecord& s = g.ctx.GameState;
    Shoot(g, s.SelectedX, s.SelectedY, cx, cy);
    if (g.closed) return;
    BoardView view;
    view.grid = true;
    view.selectionValid = s.hasSelection();
    view.selection = {s.SelectedX, s.SelectedY};
    view.hoverValid = true;
    view.hover = {cx, cy};
    DrawBoardFrames(g.ctx, g.gfx.PicBack->canvas(), view);
}

// A click on the selected thing itself drops the selection.
void Deselect(GameScreen& g, int16_t cx, int16_t cy) {
    GameStateRecord& s = g.ctx.GameState;
    PlaySoundEffect(g.ctx, Sfx::Deselect);
    BoardView view;
    view.grid = true;
    view.hoverValid = true;
    view.hover = {cx, cy};
    DrawBoardFrames(g.ctx, g.gfx.PicBack->canvas(), view);
    g.gfx.PicMMC->clearPicture();
    s.SelectedX = -1;
    s.SelectedY = -1;
}

// Selects the own thing in (cx, cy): its reach, its values, its portrait and weapon.
void Select(GameScreen& g, int16_t cx, int16_t cy) {
    Context& ctx = g.ctx;
    GameStateRecord& s = ctx.GameState;
    GameGraphics& gfx = g.gfx;
    PlaySoundEffect(ctx, Sfx::Select);
    BoardView view;
    view.grid = true;  // still with the old selection's frame, which is erased next
    view.eraseValid = s.hasSelection();
    view.erase = {s.SelectedX, s.SelectedY};
    view.selectionValid = true;
    view.selection = {cx, cy};
    DrawBoardFrames(ctx, gfx.PicBack->canvas(), view);
    s.SelectedX = cx;
    s.SelectedY = cy;
    g.info.ShowCellInfo(ctx, gfx, cx, cy, *gfx.PicDisplay1, *gfx.PicMMC);

    const int16_t t = ctx.World.CellMap(cx, cy);
    const int portrait = PortraitCell(t, false);
    if (portrait >= 0) gfx.PicMMC->setPicture(gfx.PicClipAnim.cell(portrait));
    gfx.PicClipWeaponSelect.paintCell(ctx.World.thing(t).Weapon, gfx.PicDisplay1->canvas(), layout::kWeaponLeft,
                                      layout::kWeaponTop);
}

}  // namespace

void BoardClick(GameScreen& g, int /*button*/, int /*shift*/, double x, double y) {
    const WorldRecord& w = g.ctx.World;
    GameStateRecord& s = g.ctx.GameState;

    int16_t cx = RoundEven16(x);
    int16_t cy = RoundEven16(y);
    GetMouseZelle_Koordinates(w, cx, cy);
    bool Moved = false;

    if (s.hasSelection() && (cx != s.SelectedX || cy != s.SelectedY)) {
        if (w.CellMap(cx, cy) == 0) {
            Moved = TryMove(g, cx, cy);
        } else {
            const int16_t o = w.ownerAt(cx, cy);
            if (o != s.CurrentPlayer && o > 0) FireAt(g, cx, cy);
            if (g.closed) return;
        }
    }

    if (s.GameOver) {
        g.CloseGameScreen();
        return;
    }
    if (w.ownerAt(cx, cy) != s.CurrentPlayer) return;
    // A thing that has just moved stays selected; otherwise a second click drops it.
    if (cx == s.SelectedX && cy == s.SelectedY && !Moved) {
        Deselect(g, cx, cy);
    } else {
        Select(g, cx, cy);
    }
}

}  // namespace sd
