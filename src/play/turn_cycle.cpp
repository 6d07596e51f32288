#include "play/turn_cycle.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "data/context.h"
#include "data/rounding.h"
#include "data/settings_file.h"
#include "data/world_file.h"
#include "platform/platform.h"
#include "play/command_buttons.h"
#include "play/cursor.h"
#include "render/bitmap_text.h"
#include "render/board_drawing.h"
#include "render/graphic_resources.h"

namespace sd {

platform::Color GridColor(const Context& ctx) {
    return ctx.GameState.GridVisible ? TableColor(ctx, 0) : platform::Color{0, 0, 0};
}

void StartGame(GameScreen& g) {
    Context& ctx = g.ctx;
    // A file error closes the game screen through ShowError; then nothing more is started.
    if (!LoadWorld(ctx, ctx.GameState.WorldNumber) || g.closed) return;
    if (!LoadSettings(ctx) || g.closed) return;
    ResetGameState(ctx);
    if (!Init_Grafische_Elemente(ctx, *g.screen, g.gfx) || g.closed) return;
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
    DrawGrid(ctx, g.gfx.PicBack->canvas(), GridColor(ctx));

    platform::Surface& panel = g.gfx.PicDisplay1->canvas();
    panel.fillRect(175, 8, 635, 140, platform::Color{0, 0, 0});
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

void ShortPause(Context& ctx) {
    constexpr double kPause = 0.2;
    if (ctx.clock == nullptr) return;
    const double t0 = ctx.clock->seconds();
    for (;;) {
        const double now = ctx.clock->seconds();
        if (now >= t0 + kPause) return;
        // Block on the event queue for what is left of the pause: no spinning.
        const int remainingMs = std::max(1, static_cast<int>(std::ceil((t0 + kPause - now) * 1000.0 - 1e-6)));
        if (ctx.platform != nullptr) {
            ctx.platform->waitEvents(remainingMs);
        } else {
            ctx.clock->sleepMs(static_cast<uint32_t>(remainingMs));
        }
    }
}

}  // namespace sd
