// The game screen object: creates the platform screen and its elements in
// drawing order, wires their mouse events to the handlers, and closes itself.
#include "play/game_screen.h"

#include "data/context.h"
#include "data/rounding.h"
#include "platform/platform.h"
#include "play/board_click.h"
#include "play/cell_picking.h"
#include "play/command_buttons.h"
#include "play/cursor.h"
#include "play/game_screen_impl.h"
#include "play/turn_cycle.h"

namespace sd {

namespace {

// What ctx.closeGameScreen holds while this game screen exists; the destructor
// recognises its own entry by it.
struct CloseThisGameScreen {
    FrmMain::Impl* impl;
    void operator()() const { impl->CloseGameScreen(); }
};

void CreateElements(GameScreen& g) {
    platform::Screen& screen = *g.screen;
    GameGraphics& gfx = g.gfx;

    // Creation order is drawing order: later elements lie on top.
    gfx.PicBack = &screen.addPanel("PicBack");
    gfx.PicDisplay1 = &screen.addPanel("PicDisplay1");
    gfx.PicMMC = &screen.addPanel("PicMMC");
    for (int i = 0; i < 3; ++i) {
        gfx.PicButtonNormal[i] = &screen.addPanel("PicButtonNormal", i);
        gfx.PicButtonOver[i] = &screen.addPanel("PicButtonOver", i);
        gfx.PicButtonClick[i] = &screen.addPanel("PicButtonClick", i);
    }
    gfx.PicAngle = &screen.addPanel("PicAngle");
    gfx.PicPlasma = &screen.addPanel("PicPlasma");
    gfx.PicWin = &screen.addPanel("PicWin");
    gfx.PicAngle->setVisible(false);
    gfx.PicPlasma->setVisible(false);
    gfx.PicWin->setVisible(false);

    GameScreen* gp = &g;
    gfx.PicBack->onMouseMove = [gp](double x, double y, int) { BoardHover(*gp, x, y); };
    gfx.PicBack->onMouseUp = [gp](int button, int shift, double x, double y, int) { BoardClick(*gp, button, shift, x, y); };
    for (int i = 0; i < 3; ++i) {
        gfx.PicButtonNormal[i]->onMouseMove = [gp](double, double, int index) { ButtonHover(*gp, index); };
        gfx.PicButtonOver[i]->onMouseMove = [gp](double, double, int) { SetMouseCursor(gp->ctx, 1); };
        gfx.PicButtonOver[i]->onClick = [gp](int index) { ButtonPress(*gp, index); };
    }
    gfx.PicDisplay1->onMouseMove = [gp](double, double, int) {
        Reset_all_Buttons(*gp);
        SetMouseCursor(gp->ctx, 1);
    };
    gfx.PicDisplay1->onMouseUp = [gp](int, int, double x, double y, int) { WeaponToggle(*gp, x, y); };
    // The aiming dial and the victory panel each answer one click while a shot waits for it.
    gfx.PicAngle->onClick = [gp](int) { gp->AngleChosen = true; };
    gfx.PicWin->onClick = [gp](int) { gp->WinClicked = true; };
}

}  // namespace

FrmMain::Impl::Impl(Context& c) : ctx(c), platform(*c.platform) {}

void FrmMain::Impl::CloseGameScreen() {
    if (closed) return;
    closed = true;
    if (ctx.showTitleScreen) ctx.showTitleScreen();
    if (screen != nullptr) platform.closeScreen(*screen);
}

FrmMain::FrmMain(Context& ctx) : impl_(std::make_unique<Impl>(ctx)) {}

FrmMain::~FrmMain() {
    Impl& g = *impl_;
    if (auto* fn = g.ctx.closeGameScreen.target<CloseThisGameScreen>(); fn != nullptr && fn->impl == &g) {
        g.ctx.closeGameScreen = nullptr;
    }
    // Destroyed while still open (the program ends): take the screen away without the title screen.
    if (!g.closed && g.screen != nullptr) {
        g.closed = true;
        g.platform.closeScreen(*g.screen);
    }
}

void FrmMain::Load() {
    Impl& g = *impl_;
    if (g.screen != nullptr) return;
    g.screen = &g.platform.createScreen("FrmMain");
    g.screen->setBackground(platform::Color{0, 0, 0});
    // The window's close command leaves the game for the title screen; when the
    // whole program is ending, the screen just goes.
    g.screen->onCloseRequest = [&g] {
        if (g.platform.quitRequested()) {
            if (g.closed) return;
            g.closed = true;
            g.platform.closeScreen(*g.screen);
        } else {
            g.CloseGameScreen();
        }
    };
    CreateElements(g);
    g.ctx.closeGameScreen = CloseThisGameScreen{&g};
    StartGame(g);
}

bool FrmMain::IsClosed() const { return impl_->closed; }

FrmMain::Impl& FrmMain::impl() { return *impl_; }

}  // namespace sd
