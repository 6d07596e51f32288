#include "play/computer_turn.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/layout.h"
#include "combat/computer_player.h"
#include "data/board_geometry.h"
#include "data/context.h"
#include "platform/element.h"
#include "platform/platform.h"
#include "play/aiming_dial.h"
#include "play/board_click.h"
#include "play/cell_picking.h"
#include "play/command_buttons.h"

namespace sd {

namespace {

// The pause between two of the computer's actions, long enough to follow.
constexpr uint32_t kBetweenActionsMs = 500;
// The dial's pointer travels in this many steps of this length, then rests
// on the chosen angle before the shot goes off.
constexpr int kDialSteps = 10;
constexpr uint32_t kDialStepMs = 50;
constexpr uint32_t kDialRestMs = 400;
// A turn of the computer ends long before this; the bound only guards
// against a turn that would never end.
constexpr int kMostActionsPerTurn = 200;
constexpr int kEndTurnButton = 1;

ComputerStrength StrengthOf(const Context& ctx) {
    return ctx.opponent == Opponent::ComputerLight ? ComputerStrength::Light : ComputerStrength::Strong;
}

// The pause before the next action; what the search took already counts.
bool PauseAfter(GameScreen& g, double since) {
    const double tookMs = g.ctx.clock != nullptr ? (g.ctx.clock->seconds() - since) * 1000.0 : 0.0;
    const double leftMs = kBetweenActionsMs - tookMs;
    return g.Wait(leftMs > 0 ? static_cast<uint32_t>(leftMs) : 0u);
}

double Now(const GameScreen& g) { return g.ctx.clock != nullptr ? g.ctx.clock->seconds() : 0.0; }

// Points at the cell, as the mouse does on its way, pauses, and clicks it.
bool ClickCell(GameScreen& g, CellPos c) {
    const PixelPoint p = CellCentre(g.ctx.World, c.x, c.y);
    BoardHover(g, p.x, p.y);
    if (!g.Wait(kBetweenActionsMs)) return false;
    BoardClick(g, 1, 0, p.x, p.y);
    return !g.closed;
}

bool SelectUnit(GameScreen& g, CellPos u) {
    const GameStateRecord& s = g.ctx.GameState;
    if (s.SelectedX == u.x && s.SelectedY == u.y) return true;  // a second click would drop it
    return ClickCell(g, u) && g.Wait(kBetweenActionsMs);
}

// Switches the selected unit to the weapon with clicks on the weapon picture.
bool SelectWeapon(GameScreen& g, CellPos u, int16_t weapon) {
    constexpr layout::PanelRect r = layout::kWeaponHit;
    for (int click = 0; click < 2; ++click) {
        if (g.ctx.World.thing(g.ctx.World.CellMap(u.x, u.y)).Weapon == weapon) return true;
        WeaponToggle(g, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
        if (!g.Wait(kBetweenActionsMs)) return false;
    }
    return true;
}

// One shot; tells the memory whether it struck. False when the screen closed.
bool Fire(GameScreen& g, ComputerPlayback& playback, const ComputerAction& a, ComputerTurnMemory& memory) {
    if (!SelectUnit(g, a.unit) || !SelectWeapon(g, a.unit, a.weapon)) return false;
    WorldRecord& w = g.ctx.World;
    const int16_t t = w.CellMap(a.unit.x, a.unit.y);
    const int16_t chargesBefore = w.thing(t).Plasma;
    playback.angle = a.angle;
    if (!ClickCell(g, a.target)) return false;
    // A plasma hit costs a charge and a miss nothing; the beam always strikes.
    const bool hit = a.weapon != 0 || w.thing(t).Plasma < chargesBefore;
    memory.ShotFired(t, hit, StrengthOf(g.ctx));
    return true;
}

bool EndTheTurn(GameScreen& g) {
    ButtonHover(g, kEndTurnButton);
    if (!g.Wait(kBetweenActionsMs)) return false;
    ButtonPress(g, kEndTurnButton);
    return !g.closed;
}

// One turn of the computer, up to and including "Zug beenden". False when
// the game ended or the screen closed.
bool PlayOneTurn(GameScreen& g, ComputerPlayback& playback) {
    Context& ctx = g.ctx;
    ComputerTurnMemory memory;
    // The search lets the window repaint (and the person leave) as it goes.
    const SearchYield yield = [&g] {
        g.platform.processPendingEvents();
        return !g.closed && !g.platform.quitRequested() && ComputersTurn(g);
    };
    for (int i = 0; i < kMostActionsPerTurn; ++i) {
        const double searchStart = Now(g);
        const ComputerAction a =
            DecideComputerAction(ctx.World, kComputerPlayer, StrengthOf(ctx), memory, ctx.computerRandom, yield);
        if (g.closed || !ComputersTurn(g) || !PauseAfter(g, searchStart)) return false;
        switch (a.kind) {
            case ComputerActionKind::EndTurn:
                return EndTheTurn(g);
            case ComputerActionKind::Move:
                if (!SelectUnit(g, a.unit) || !ClickCell(g, a.target)) return false;
                break;
            case ComputerActionKind::Shoot:
                if (!Fire(g, playback, a, memory)) return false;
                break;
        }
        if (!ComputersTurn(g)) return false;  // the shot won the game
    }
    return EndTheTurn(g);
}

// Sets the screen's playback for as long as the computer plays.
class PlaybackScope {
public:
    PlaybackScope(GameScreen& g, ComputerPlayback& p) : g_(g) { g_.computer = &p; }
    ~PlaybackScope() { g_.computer = nullptr; }
    PlaybackScope(const PlaybackScope&) = delete;
    PlaybackScope& operator=(const PlaybackScope&) = delete;

private:
    GameScreen& g_;
};

DialPoint OnCircle(int W, int H, double degrees) {
    const double r = 0.4 * std::min(W, H);
    const double rad = degrees * std::numbers::pi / 180.0;
    return {W / 2.0 + r * std::cos(rad), H / 2.0 - r * std::sin(rad)};
}

}  // namespace

bool ComputersTurn(const GameScreen& g) {
    const GameStateRecord& s = g.ctx.GameState;
    return g.ctx.opponent != Opponent::Person && s.CurrentPlayer == kComputerPlayer && !s.GameOver;
}

void PlayComputerTurn(GameScreen& g) {
    if (g.computer != nullptr || g.closed) return;
    ComputerPlayback playback;
    PlaybackScope scope(g, playback);
    // A person who ends his turn again within the button's pause after the
    // computer's hands the turn straight back: it plays on here.
    while (ComputersTurn(g) && !g.closed) {
        if (!PlayOneTurn(g, playback)) return;
    }
}

DialPoint DialPointFor(int W, int H, int16_t angle) {
    // Around the wanted direction in hundredths of a degree: 0, +0.01, -0.01, ...
    for (int k = 0; k <= 100; ++k) {
        const double offset = (k % 2 == 1 ? 1 : -1) * ((k + 1) / 2) * 0.01;
        const DialPoint p = OnCircle(W, H, angle + offset);
        if (DialAngle(W, H, p.x, p.y) == angle) return p;
    }
    return OnCircle(W, H, angle);
}

bool ComputerAims(GameScreen& g) {
    const platform::Element& dial = *g.gfx.PicAngle;
    const int W = dial.width(), H = dial.height();
    const int16_t target = g.computer != nullptr ? g.computer->angle : g.ctx.GameState.AimAngle;
    // From where the pointer stands the short way round to the chosen angle.
    const double from = g.ctx.GameState.AimAngle;
    const double turn = std::fmod(target - from + 540.0, 360.0) - 180.0;
    for (int step = 1; step < kDialSteps; ++step) {
        const DialPoint p = OnCircle(W, H, from + turn * step / kDialSteps);
        AngleMouseMove(g, p.x, p.y);
        if (!g.Wait(kDialStepMs)) return false;
    }
    const DialPoint p = DialPointFor(W, H, target);
    AngleMouseMove(g, p.x, p.y);
    if (!g.Wait(kDialRestMs)) return false;
    // The dial's click: the aiming ends, the shot takes AimAngle.
    if (g.phase == GamePhase::Aiming) g.phase = GamePhase::Flying;
    return !g.closed;
}

}  // namespace sd
