#include "play/computer_turn.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/layout.h"
#include "combat/computer_player.h"
#include "data/board_geometry.h"
#include "data/context.h"
#include "platform/input/element.h"
#include "platform/input/platform.h"
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
constexpr int kEndTurnButton = 1;

ComputerStrength StrengthOf(const Context& ctx) {
    return ctx.opponent == Opponent::ComputerLight ? ComputerStrength::Light : ComputerStrength::Strong;
}

double Now(const GameScreen& g) { return g.ctx.clock != nullptr ? g.ctx.clock->seconds() : 0.0; }

// Points at the cell, as the mouse does on its way, pauses, and clicks it:
// the click becomes actions as a person's does.
void ClickCell(GameScreen& g, CellPos c) {
    g.show.Then([&g, c] {
        const PixelPoint p = CellCentre(g.ctx.World, c.x, c.y);
        BoardHover(g, p.x, p.y);
    });
    g.show.Pause(kBetweenActionsMs);
    g.show.Then([&g, c] {
        const PixelPoint p = CellCentre(g.ctx.World, c.x, c.y);
        BoardClick(g, 1, 0, p.x, p.y);
    });
}

// The gestures of one action: the click on a unit to select it, on the weapon
// picture to switch it, on a cell to move or fire.
void Gesture(GameScreen& g, const Action& a) {
    switch (a.kind) {
        case ActionKind::Select:
            ClickCell(g, a.unit);
            g.show.Pause(kBetweenActionsMs);
            break;
        case ActionKind::SwitchWeapon:
            g.show.Then([&g] {
                constexpr Rect r = layout::kWeaponHit;
                WeaponToggle(g, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
            });
            g.show.Pause(kBetweenActionsMs);
            break;
        case ActionKind::Move:
        case ActionKind::Fire:
            // The click on the target; after a move it selects the unit again.
            ClickCell(g, a.target);
            break;
        case ActionKind::EndTurn:
            g.show.Then([&g] { ButtonHover(g, kEndTurnButton); });
            g.show.Pause(kBetweenActionsMs);
            g.show.Then([&g] { ButtonPress(g, kEndTurnButton); });
            break;
    }
}

void Decide(GameScreen& g);

// After a shot: the memory learns whether it struck, and the next decision follows.
void AfterShot(GameScreen& g, int16_t t) {
    g.show.Then([&g, t] {
        const Outcome& o = g.lastOutcome;
        if (o.action.kind == ActionKind::Fire && !o.refused()) g.computerMemory.ShotFired(t, o.hit, StrengthOf(g.ctx));
    });
}

// One decision of the computer and its gestures, then the next decision; the
// turn ends with "Zug beenden", or when the game is over.
void Decide(GameScreen& g) {
    if (g.closed) return;
    if (!ComputersTurn(g)) {
        g.computerPlaying = false;
        return;
    }
    const double searchStart = Now(g);
    ComputerAction decision;
    if (g.computerDecisions < kMostActionsPerTurn) {
        decision = DecideComputerAction(g.ctx.World, kComputerPlayer, StrengthOf(g.ctx), g.computerMemory,
                                        g.ctx.computerRandom);
    }
    ++g.computerDecisions;
    // The pause before the next action; what the search took already counts.
    const double leftMs = kBetweenActionsMs - (Now(g) - searchStart) * 1000.0;
    g.show.Pause(leftMs > 0 ? static_cast<uint32_t>(leftMs) : 0u);
    if (decision.kind == ComputerActionKind::Shoot) g.presetAngle = decision.angle;
    const int16_t t = g.ctx.World.CellMap(decision.unit.x, decision.unit.y);
    for (const Action& a : ActionsFor(decision, g.ctx.World, g.ctx.GameState)) {
        // The move's own click selects the unit where it arrives.
        if (a.kind == ActionKind::Select && decision.kind == ComputerActionKind::Move && a.unit == decision.target) {
            continue;
        }
        Gesture(g, a);
    }
    if (decision.kind == ComputerActionKind::Shoot) AfterShot(g, t);
    if (decision.kind == ComputerActionKind::EndTurn) {
        // A person who ends his turn again within the button's pause hands
        // the turn straight back: the computer plays on.
        g.show.Then([&g] {
            g.computerPlaying = false;
            PlayComputerTurn(g);
        });
        return;
    }
    g.show.Then([&g] { Decide(g); });
}

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
    if (g.computerPlaying || g.closed || !ComputersTurn(g)) return;
    g.computerPlaying = true;
    g.computerMemory = ComputerTurnMemory{};
    g.computerDecisions = 0;
    g.show.Then([&g] { Decide(g); });
    g.Advance();
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

void ComputerAims(GameScreen& g, int16_t target) {
    // From where the pointer stands when the dial appears, the short way round
    // to the chosen angle.
    g.show.Then([&g, target] {
        const platform::Element& dial = *g.gfx.PicAngle;
        const int W = dial.bounds().w, H = dial.bounds().h;
        const double from = g.ctx.GameState.AimAngle;
        const double turn = std::fmod(target - from + 540.0, 360.0) - 180.0;
        for (int step = 1; step < kDialSteps; ++step) {
            const DialPoint p = OnCircle(W, H, from + turn * step / kDialSteps);
            g.show.Then([&g, p] { AngleMouseMove(g, p.x, p.y); });
            g.show.Pause(kDialStepMs);
        }
        const DialPoint p = DialPointFor(W, H, target);
        g.show.Then([&g, p] { AngleMouseMove(g, p.x, p.y); });
        g.show.Pause(kDialRestMs);
        // The dial's click: the aiming ends, the shot takes AimAngle.
        g.show.Then([&g] {
            if (g.phase == GamePhase::Aiming) g.SetPhase(GamePhase::Flying);
        });
    });
}

}  // namespace sd
