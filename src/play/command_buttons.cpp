#include "play/command_buttons.h"

#include "data/context.h"
#include "platform/element.h"
#include "play/board_click.h"
#include "play/cursor.h"
#include "play/turn_cycle.h"
#include "render/board_drawing.h"
#include "shell/exit_screen.h"
#include "shell/sound.h"

namespace sd {

namespace {

// Button positions, relative to the top-left corner of the info panel.
constexpr int kButtonLeft = 16;
constexpr int kButtonTop[3] = {21, 59, 97};

void ShowOnly(platform::Element* shown, platform::Element* hidden1, platform::Element* hidden2) {
    hidden1->setVisible(false);
    hidden2->setVisible(false);
    shown->setVisible(true);
}

}  // namespace

void Draw_Buttons(GameScreen& g) {
    GameGraphics& gfx = g.gfx;
    const double left = gfx.PicDisplay1->left() + kButtonLeft;
    for (int i = 0; i < 3; ++i) {
        const double top = gfx.PicDisplay1->top() + kButtonTop[i];
        gfx.PicButtonNormal[i]->setPosition(left, top);
        gfx.PicButtonOver[i]->setPosition(left, top);
        gfx.PicButtonClick[i]->setPosition(left, top);
        ShowOnly(gfx.PicButtonNormal[i], gfx.PicButtonOver[i], gfx.PicButtonClick[i]);
    }
}

void Reset_all_Buttons(GameScreen& g) {
    GameGraphics& gfx = g.gfx;
    for (auto* e : gfx.PicButtonOver) e->setVisible(false);
    for (auto* e : gfx.PicButtonClick) e->setVisible(false);
    for (auto* e : gfx.PicButtonNormal) e->setVisible(true);
}

void ButtonHover(GameScreen& g, int i) {
    if (g.Busy || i < 0 || i > 2) return;
    SetMouseCursor(g.ctx, 1);
    Reset_all_Buttons(g);
    g.gfx.PicButtonNormal[i]->setVisible(false);
    g.gfx.PicButtonOver[i]->setVisible(true);
}

void ButtonPress(GameScreen& g, int i) {
    if (g.Busy || i < 0 || i > 2) return;
    GameGraphics& gfx = g.gfx;
    gfx.PicButtonOver[i]->setVisible(false);
    gfx.PicButtonClick[i]->setVisible(true);
    PlaySoundEffect(g.ctx, 1, 1);
    if (i == 0) ToggleGrid(g);
    if (i == 1) EndTurn(g);
    // The pressed look stays for the pause; other handlers may run meanwhile.
    ShortPause(g.ctx);
    if (g.closed) return;
    gfx.PicButtonClick[i]->setVisible(false);
    gfx.PicButtonNormal[i]->setVisible(true);
    if (i == 2) LeaveGame(g);
}

void ToggleGrid(GameScreen& g) {
    Context& ctx = g.ctx;
    GameStateRecord& s = ctx.GameState;
    platform::Surface& board = g.gfx.PicBack->canvas();
    DrawGrid(ctx, board, s.GridVisible ? platform::Color{0, 0, 0} : TableColor(ctx, 0));
    if (s.SelectedX > -1 && s.SelectedY > -1) {
        Zeige_fahrbare_Zellen(g, s.SelectedX, s.SelectedY);
        DrawCellFrame(ctx, board, s.SelectedX, s.SelectedY, TableColor(ctx, 2));
    }
    s.GridVisible = !s.GridVisible;
}

void LeaveGame(GameScreen& g) {
    {
        FrmExit exitScreen(g.ctx);
        g.exitScreen = &exitScreen;
        if (exitScreen.Load()) exitScreen.ShowModal();
        g.exitScreen = nullptr;
    }
    if (g.closed) return;
    if (g.ctx.GameState.GameOver) g.CloseGameScreen();
}

void WeaponToggle(GameScreen& g, double x, double y) {
    Context& ctx = g.ctx;
    const GameStateRecord& s = ctx.GameState;
    if (g.Busy || s.SelectedX == -1 || s.SelectedY == -1) return;
    if (!(x >= 194 && x <= 424 && y >= 98 && y <= 120)) return;

    Thing& t = ctx.World.thing(ctx.World.CellMap(s.SelectedX, s.SelectedY));
    const int16_t w = t.Weapon == 1 ? int16_t{0} : static_cast<int16_t>(t.Weapon + 1);
    t.Weapon = w;
    g.gfx.PicClipWeaponSelect.paintCell(w, g.gfx.PicDisplay1->canvas(), 195, 100);
    PlaySoundEffect(ctx, w == 1 ? int16_t{9} : int16_t{10}, 1);
}

}  // namespace sd
