#include "play/turn_cycle.h"

#include <ctime>
#include <string>

#include "base/rounding.h"
#include "data/context.h"
#include "data/settings_file.h"
#include "data/world_file.h"
#include "platform/platform.h"
#include "play/command_buttons.h"
#include "play/cursor.h"
#include "play/exit_screen.h"
#include "play/show_error.h"
#include "render/bitmap_text.h"
#include "render/board_drawing.h"
#include "render/graphic_resources.h"

namespace sd {

void StartGame(GameScreen& g) {
    Context& ctx = g.ctx;
    // Each file that cannot be used is reported; then the game screen closes.
    auto fail = [&g](const LoadResult& r) {
        ReportProblems(g.ctx, r.problems);
        g.CloseGameScreen();
    };
    if (LoadResult r = LoadWorld(ctx, ctx.GameState.WorldNumber); !r) return fail(r);
    if (LoadResult r = LoadSettings(ctx); !r) return fail(r);
    ResetGameState(ctx, ctx.clock != nullptr ? ctx.clock->localNow() : std::tm{});
    if (LoadResult r = Init_Grafische_Elemente(ctx, *g.screen, g.gfx); !r) return fail(r);
    // The exit screen can be done without (the window still closes the
    // game), so its pictures are only reported.
    ReportProblems(ctx, FrmExit::CheckPictures(ctx).problems);
    Draw_Buttons(g);
    SetMouseCursor(ctx, 1);
    g.platform.showScreen(*g.screen);
    g.platform.processPendingEvents();
    if (g.closed) return;
    RepaintBoard(g);
}

void EndTurn(GameScreen& g) {
    Context& ctx = g.ctx;
    GameStateRecord& s = ctx.GameState;

    s.CurrentPlayer = static_cast<int16_t>(s.CurrentPlayer + 1);
    if (s.CurrentPlayer == 3) s.CurrentPlayer = 1;
    s.TurnCounter = Sat16(long{s.TurnCounter} + 1);

    // Both teams are refilled, not only the one whose turn begins.
    for (Thing& t : ctx.World.Things) {
        if (t.Besitzer > 0) t.Energie = 100;
    }

    s.SelectedX = -1;
    s.SelectedY = -1;
    RepaintBoard(g);
    BoardView view;
    view.grid = true;
    DrawBoardFrames(ctx, g.gfx.PicBack->canvas(), view);

    platform::Surface& panel = g.info.ClearText(*g.gfx.PicDisplay1);
    DrawFontText(g.gfx, 195, 20, "Zug " + std::to_string(s.TurnCounter), panel, true, false, false);
    DrawFontText(g.gfx, 195, 40, "Spieler " + std::to_string(s.CurrentPlayer) + " kann nun mir seinen", panel, false,
                 false, true);
    DrawFontText(g.gfx, 195, 55, "Entscheidungen beginnen.", panel, false, false, true);
}

void RepaintBoard(GameScreen& g) {
    // The picture of the board is replaced, which wipes every line and frame.
    g.gfx.PicBack->setPicture(g.gfx.PicBackTmp);
    DrawAllCells(g.ctx, g.gfx, g.gfx.PicBack->canvas());
}

}  // namespace sd
