#include "play/command_buttons.h"

#include "base/layout.h"
#include "data/context.h"
#include "platform/element.h"
#include "play/computer_turn.h"
#include "play/cursor.h"
#include "play/turn_cycle.h"
#include "play/waiting.h"
#include "render/board_drawing.h"
#include "play/exit_screen.h"
#include "play/sound.h"

namespace sd {

namespace {

void ShowOnly(platform::Element* shown, platform::Element* hidden1, platform::Element* hidden2) {
    hidden1->setVisible(false);
    hidden2->setVisible(false);
    shown->setVisible(true);
}

}  // namespace

void Draw_Buttons(GameScreen& g) {
    GameGraphics& gfx = g.gfx;
    const double left = gfx.PicDisplay1->left() + layout::kButtonLeft;
    for (int i = 0; i < 3; ++i) {
        const double top = gfx.PicDisplay1->top() + layout::kButtonTop[i];
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
    if (i < 0 || i > 2) return;
    SetMouseCursor(g.ctx, 1);
    Reset_all_Buttons(g);
    g.gfx.PicButtonNormal[i]->setVisible(false);
    g.gfx.PicButtonOver[i]->setVisible(true);
}

void ButtonPress(GameScreen& g, int i) {
    if (i < 0 || i > 2) return;
    GameGraphics& gfx = g.gfx;
    gfx.PicButtonOver[i]->setVisible(false);
    gfx.PicButtonClick[i]->setVisible(true);
    PlaySoundEffect(g.ctx, Sfx::ButtonClick);
    if (i == 0) ToggleGrid(g);
    if (i == 1) EndTurn(g);
    // The pressed look stays for the pause; other handlers may run meanwhile.
    if (!g.Wait(200)) return;
    gfx.PicButtonClick[i]->setVisible(false);
    gfx.PicButtonNormal[i]->setVisible(true);
    if (i == 2) LeaveGame(g);
    // When the turn went to the computer it plays now, with the button back up.
    if (i == 1) PlayComputerTurn(g);
}

void ToggleGrid(GameScreen& g) {
    GameStateRecord& s = g.ctx.GameState;
    s.GridVisible = !s.GridVisible;
    BoardView view;
    view.grid = true;
    view.selectionValid = s.hasSelection();
    view.selection = {s.SelectedX, s.SelectedY};
    DrawBoardFrames(g.ctx, g.gfx.PicBack->canvas(), view);
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
    if (s.SelectedX == -1 || s.SelectedY == -1) return;
    constexpr layout::PanelRect r = layout::kWeaponHit;
    if (!(x >= r.left && x <= r.right && y >= r.top && y <= r.bottom)) return;

    Thing& t = ctx.World.thing(ctx.World.CellMap(s.SelectedX, s.SelectedY));
    const int16_t w = t.Weapon == 1 ? int16_t{0} : static_cast<int16_t>(t.Weapon + 1);
    t.Weapon = w;
    g.gfx.PicClipWeaponSelect.paintCell(w, g.gfx.PicDisplay1->canvas(), layout::kWeaponLeft, layout::kWeaponTop);
    PlaySoundEffect(ctx, w == 1 ? Sfx::WeaponBeam : Sfx::WeaponPlasma);
}

}  // namespace sd
