#include "play/turn_cycle.h"

#include <ctime>
#include <string>

#include "base/rounding.h"
#include "data/context.h"
#include "data/settings_file.h"
#include "data/world_file.h"
#include "platform/input/platform.h"
#include "play/command_buttons.h"
#include "play/cursor.h"
#include "play/exit_screen.h"
#include "play/show_error.h"
#include "play/status_report.h"
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
    g.platform.refresh();
    RepaintBoard(g);
    ShowStatus(g);
}

void RepaintBoard(GameScreen& g) {
    // The picture of the board is replaced, which wipes every line and frame.
    g.gfx.PicBack->setPicture(g.gfx.PicBackTmp);
    DrawAllCells(g.ctx, g.gfx, g.gfx.PicBack->canvas());
}

}  // namespace sd
