#include "play/command_buttons.h"

#include "base/layout.h"
#include "data/context.h"
#include "platform/input/element.h"
#include "platform/input/platform.h"
#include "play/computer_turn.h"
#include "play/cursor.h"
#include "play/turn_cycle.h"
#include "play/perform.h"
#include "render/board_drawing.h"
#include "play/exit_screen.h"
#include "play/sound.h"

namespace sd {

namespace {

constexpr uint32_t kPressedMs = 200;

void ShowOnly(platform::Element* shown, platform::Element* hidden1, platform::Element* hidden2) {
    hidden1->setVisible(false);
    hidden2->setVisible(false);
    shown->setVisible(true);
}

}  // namespace

void Draw_Buttons(GameScreen& g) {
    GameGraphics& gfx = g.gfx;
    const double left = gfx.PicDisplay1->bounds().x + layout::kButtonLeft;
    for (int i = 0; i < 3; ++i) {
        const double top = gfx.PicDisplay1->bounds().y + layout::kButtonTop[i];
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
    // The pressed look is on the screen before the work it starts (a whole
    // turn ending), not after it.
    g.platform.refresh();
    if (i == 0) ToggleGrid(g);
    if (i == 1) Perform(g, Action::EndOfTurn());
    // The pressed look stays for the pause; other handlers may run meanwhile.
    g.buttons.Pause(kPressedMs);
    g.buttons.Then([&g, i] {
        g.gfx.PicButtonClick[i]->setVisible(false);
        g.gfx.PicButtonNormal[i]->setVisible(true);
        if (i == 2) LeaveGame(g);
        // When the turn went to the computer it plays now, with the button back up.
        if (i == 1) PlayComputerTurn(g);
    });
    g.Advance();
}

void ToggleGrid(GameScreen& g) {
    GameStateRecord& s = g.ctx.GameState;
    s.GridVisible = !s.GridVisible;
    BoardView view;
    view.grid = true;
    view.selectionValid = s.hasSelection();
    view.selection = {s.SelectedX, s.SelectedY};
    DrawFrames(g, view);
}

void LeaveGame(GameScreen& g) {
    // The dialog of an earlier question is closed; free it here, outside its own handlers.
    g.exitScreen = std::make_unique<FrmExit>(g.ctx);
    // A dialog that cannot be built (its pictures are missing) closes at once:
    // the game goes on without asking.
    if (!g.exitScreen->Load()) {
        g.exitScreen.reset();
        return;
    }
    g.exitScreen->Show([&g] {
        if (g.closed) return;
        if (g.ctx.GameState.GameOver) {
            g.CloseGameScreen();
            return;
        }
        // Back to the game: what was under way goes on. The dialog itself is
        // freed by the next question or with the game screen.
        g.Advance();
    });
}

void WeaponToggle(GameScreen& g, double x, double y) {
    Context& ctx = g.ctx;
    const GameStateRecord& s = ctx.GameState;
    if (s.SelectedX == -1 || s.SelectedY == -1) return;
    constexpr Rect r = layout::kWeaponHit;
    if (!(x >= r.left && x <= r.right && y >= r.top && y <= r.bottom)) return;

    const Thing& t = ctx.World.thing(ctx.World.CellMap(s.SelectedX, s.SelectedY));
    const Weapon next = t.Weapon == Weapon::Beam ? Weapon::Plasma : static_cast<Weapon>(static_cast<int16_t>(t.Weapon) + 1);
    Perform(g, Action::Switch({s.SelectedX, s.SelectedY}, next));
}

}  // namespace sd
