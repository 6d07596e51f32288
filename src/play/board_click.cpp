#include "play/board_click.h"

#include "base/rounding.h"
#include "combat/action.h"
#include "data/board_geometry.h"
#include "data/context.h"
#include "play/perform.h"
#include "play/shoot.h"

namespace sd {

namespace {

// Fires at the enemy thing in (cx, cy); once the shot has been shown, the
// selection and the target are framed again.
void FireAt(GameScreen& g, int16_t cx, int16_t cy) {
    const GameStateRecord& s = g.ctx.GameState;
    Shoot(g, s.SelectedX, s.SelectedY, cx, cy);
    g.show.Then([&g, cx, cy] {
        const GameStateRecord& state = g.ctx.GameState;
        BoardView view;
        view.grid = true;
        view.selectionValid = state.hasSelection();
        view.selection = {state.SelectedX, state.SelectedY};
        view.hoverValid = true;
        view.hover = {cx, cy};
        DrawFrames(g, view);
        // The victory panel has been seen: the game is over.
        if (state.GameOver) g.CloseGameScreen();
    });
}

}  // namespace

void BoardClick(GameScreen& g, int /*button*/, int /*shift*/, double x, double y) {
    const WorldRecord& w = g.ctx.World;
    const GameStateRecord& s = g.ctx.GameState;

    int16_t cx = RoundEven16(x);
    int16_t cy = RoundEven16(y);
    GetMouseZelle_Koordinates(w, cx, cy);
    const CellPos cell{cx, cy};
    bool Moved = false;

    // With a unit selected, a click elsewhere moves it to an empty cell or
    // fires at an enemy.
    if (s.hasSelection() && (cx != s.SelectedX || cy != s.SelectedY)) {
        if (w.CellMap(cx, cy) == 0) {
            Moved = !Perform(g, Action::MoveTo({s.SelectedX, s.SelectedY}, cell)).refused();
        } else {
            const int16_t o = w.ownerAt(cx, cy);
            if (o != s.CurrentPlayer && o > 0) {
                FireAt(g, cx, cy);
                return;
            }
        }
    }

    if (s.GameOver) {
        g.CloseGameScreen();
        return;
    }
    if (w.ownerAt(cx, cy) != s.CurrentPlayer) return;
    // A thing that has just moved stays selected; otherwise a second click drops it.
    if (cx == s.SelectedX && cy == s.SelectedY && !Moved) {
        Perform(g, Action::DropSelection());
    } else {
        Perform(g, Action::SelectUnit(cell));
    }
}

}  // namespace sd
