// The game screen object: creates the platform screen and its elements in
// drawing order, wires their mouse events to the handlers, and closes itself.
#include "play/game_screen.h"

#include <optional>
#include <utility>

#include "data/context.h"
#include "platform/input/platform.h"
#include "play/board_click.h"
#include "play/cell_picking.h"
#include "play/command_buttons.h"
#include "play/computer_turn.h"
#include "play/cursor.h"
#include "play/game_recorder.h"
#include "play/game_screen_impl.h"
#include "play/record_play_impl.h"
#include "play/exit_screen.h"
#include "play/network_play.h"
#include "play/perform.h"
#include "play/shot_trail.h"
#include "combat/game_record.h"
#include "play/turn_cycle.h"
#include "play/aiming_dial.h"

namespace sd {

namespace {

// Input for the player's turn reaches its handler only while the game screen is
// idle and the turn is a person's: during a shot or the victory wait, and all
// through the computer's turn, the board, the command buttons and the weapon
// switch ignore the mouse. This is the one place that decides it.
bool OpponentsTurn(const GameScreen& g) { return ComputersTurn(g) || RemotesTurn(g); }

bool PersonMayPlay(const GameScreen& g) {
    return g.phase == GamePhase::Idle && !g.closed && !OpponentsTurn(g) && !g.replay;
}

// Watching the other machine's turn, the player may still point at the units
// to read their values.
bool PersonMayHover(const GameScreen& g) {
    return PersonMayPlay(g) || (g.phase == GamePhase::Idle && !g.closed && RemotesTurn(g));
}

template <typename F>
auto WhenIdle(GameScreen* g, F handler) {
    return [g, handler](auto... args) {
        if (!PersonMayPlay(*g)) return;
        handler(args...);
        // What the handler queued and is due already is shown now.
        g->Advance();
    };
}

// "Verlassen" also works at any moment of the computer's turn, in the middle
// of its shot too; the window's close command is never held back.
constexpr int kLeaveButton = 2;
bool ButtonTakesInput(const GameScreen& g, int i) {
    return PersonMayPlay(g) || (i == kLeaveButton && !g.closed && OpponentsTurn(g));
}

// The aiming dial follows the computer's pointer during its shot, not the
// person's mouse.
void KeepDialForTheComputer(GameScreen* gp) {
    platform::Element& dial = *gp->gfx.PicAngle;
    dial.on.mouseMove = [gp, move = dial.on.mouseMove](double x, double y, int i) {
        if (!OpponentsTurn(*gp)) move(x, y, i);
    };
    dial.on.click = [gp, click = dial.on.click](int i) {
        if (!OpponentsTurn(*gp)) click(i);
    };
}

void CreateElements(GameScreen& g) {
    platform::Screen& screen = *g.screen;
    GameGraphics& gfx = g.gfx;

    // Creation order is drawing order: later elements lie on top.
    gfx.PicBack = &screen.addPanel("PicBack");
    CreateTrailDots(g);
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
    gfx.PicBack->on.mouseMove = [gp](double x, double y, int) {
        if (!PersonMayHover(*gp)) return;
        BoardHover(*gp, x, y);
        gp->Advance();
    };
    gfx.PicBack->on.mouseUp =
        WhenIdle(gp, [gp](int button, int shift, double x, double y, int) { BoardClick(*gp, button, shift, x, y); });
    for (int i = 0; i < 3; ++i) {
        gfx.PicButtonNormal[i]->on.mouseMove = [gp](double, double, int index) {
            if (ButtonTakesInput(*gp, index)) ButtonHover(*gp, index);
        };
        // A click on a button that shows its normal look (the pointer rested
        // on it while the look went back) counts as the pointer arriving and
        // the click: without it the click would be lost until the mouse moved.
        gfx.PicButtonNormal[i]->on.click = [gp](int index) {
            if (!ButtonTakesInput(*gp, index)) return;
            ButtonHover(*gp, index);
            ButtonPress(*gp, index);
        };
        // The arrow comes back over a button whatever the game is doing.
        gfx.PicButtonOver[i]->on.mouseMove = [gp](double, double, int) { SetMouseCursor(gp->ctx, 1); };
        gfx.PicButtonOver[i]->on.click = [gp](int index) {
            if (ButtonTakesInput(*gp, index)) ButtonPress(*gp, index);
        };
    }
    gfx.PicDisplay1->on.mouseMove = [gp](double, double, int) {
        Reset_all_Buttons(*gp);
        SetMouseCursor(gp->ctx, 1);
    };
    gfx.PicDisplay1->on.mouseUp = WhenIdle(gp, [gp](int, int, double x, double y, int) { WeaponToggle(*gp, x, y); });
    // The aiming dial and the victory panel each answer one click while a shot waits for it.
    WireAimingDial(*gp);
    KeepDialForTheComputer(gp);
    gfx.PicWin->on.click = [gp](int) {
        if (gp->phase != GamePhase::Victory) return;
        gp->SetPhase(GamePhase::Idle);
        gp->Advance();
    };
}

double Seconds(const Context& ctx) { return ctx.clock != nullptr ? ctx.clock->seconds() : 0.0; }

}  // namespace

FrmMain::Impl::Impl(Context& c)
    : ctx(c),
      platform(*c.platform),
      game(c.World, c.GameState),
      show([&c] { return Seconds(c); }),
      buttons([&c] { return Seconds(c); }) {}

void FrmMain::Impl::CloseGameScreen() {
    if (closed) return;
    closed = true;
    EndNetworkPlay(*this);
    EndRecordOnClose(*this);
    show.Clear();
    buttons.Clear();
    if (screen != nullptr) platform.closeScreen(*screen);
}

void FrmMain::Impl::Advance() {
    if (closed) return;
    // A step of one queue may add to the other: the outer call goes round again.
    if (advancing) {
        advanceAgain = true;
        return;
    }
    advancing = true;
    PollNetwork(*this);
    std::optional<double> shown, pressed;
    do {
        advanceAgain = false;
        // While the exit screen asks, the game holds still where it is.
        const bool asking = exitScreen != nullptr && !exitScreen->closed();
        shown = asking ? std::nullopt : show.Advance();
        pressed = closed ? std::nullopt : buttons.Advance();
    } while (advanceAgain && !closed);
    advancing = false;
    if (closed || screen == nullptr) return;
    std::optional<double> next = shown;
    if (pressed && (!next || *pressed < *next)) next = pressed;
    if (network) {
        const double poll = Seconds(ctx) + kNetworkPollSeconds;
        if (!next || poll < *next) next = poll;
    }
    screen->setDeadline(next);
}

FrmMain::FrmMain(Context& ctx) : impl_(std::make_unique<Impl>(ctx)) {}

FrmMain::~FrmMain() {
    Impl& g = *impl_;
    // Destroyed while still open (the program ends): take the screen away.
    g.CloseGameScreen();
}

void FrmMain::Load() {
    Impl& g = *impl_;
    if (g.screen != nullptr) return;
    Open();
    if (!g.closed) BeginRecord(g);
}

void FrmMain::Continue(const GameRecord& r) {
    Impl& g = *impl_;
    if (g.screen != nullptr) return;
    g.ctx.GameState.WorldNumber = r.header.world;
    g.ctx.opponent = r.header.opponent;
    Open();
    if (!g.closed) ContinueRecord(g, r);
}

void FrmMain::Replay(const GameRecord& r, const std::string& windowTitle) {
    Impl& g = *impl_;
    if (g.screen != nullptr) return;
    g.ctx.GameState.WorldNumber = r.header.world;
    const Opponent saved = g.ctx.opponent;
    // The recorded computer's actions are replayed, not decided again.
    g.ctx.opponent = Opponent::Person;
    Open();
    if (g.closed) {
        g.ctx.opponent = saved;
        return;
    }
    StartReplay(g, r, windowTitle);
    g.replay->savedOpponent = saved;
}

void FrmMain::Open() {
    Impl& g = *impl_;
    g.screen = &g.platform.createScreen("FrmMain");
    g.screen->setBackground(platform::Color{0, 0, 0});
    // The window's close command (the program is ending) takes the screen away;
    // a shot or a wait in progress sees it closed and stops.
    g.screen->on.closeRequest = [&g] { g.CloseGameScreen(); };
    g.screen->on.deadline = [&g] { g.Advance(); };
    CreateElements(g);
    StartGame(g);
}

void FrmMain::Play(const Action& a) {
    Impl& g = *impl_;
    if (g.closed) return;
    QueueDecidedAction(g, a);
    g.Advance();
}

void FrmMain::PlayNetwork(std::unique_ptr<net::Link> link, std::unique_ptr<net::Session> session) {
    Impl& g = *impl_;
    if (g.screen != nullptr) return;
    g.ctx.opponent = Opponent::Person;
    Open();
    if (g.closed) return;
    // Both machines write the same record, the side it played apart.
    const net::Hello& host = session->hostHello();
    BeginNetworkRecord(g, session->localSide(), host.started, host.seed);
    StartNetworkPlay(g, std::move(link), std::move(session));
}

const std::vector<Action>& FrmMain::Played() const { return impl_->game.played(); }

bool FrmMain::IsClosed() const { return impl_->closed; }

std::string FrmMain::TakeEndMessage() { return std::exchange(impl_->endMessage, std::string()); }

FrmMain::Impl& FrmMain::impl() { return *impl_; }

}  // namespace sd
