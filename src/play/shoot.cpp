// The firing command on the game screen: the rules decide the shot; this file
// plays it back with the sounds, pauses and animations of a shot.
#include "play/shoot.h"

#include <optional>
#include <string>
#include <utility>

#include "base/layout.h"
#include "combat/firing.h"
#include "combat/game_rules.h"
#include "data/board_geometry.h"
#include "data/context.h"
#include "platform/input/element.h"
#include "platform/input/platform.h"
#include "play/aiming_dial.h"
#include "play/cursor.h"
#include "play/hit_animations.h"
#include "play/perform.h"
#include "play/shot_playback.h"
#include "play/sound.h"
#include "play/status_report.h"
#include "play/turn_cycle.h"
#include "play/victory_panel.h"

namespace sd {

namespace {

// The beam: pure red, drawn by flipping the pixels, so drawing it a second
// time gives every pixel of the board back.
constexpr platform::Color kBeam{255, 0, 0};
constexpr uint32_t kShotBeginsMs = 800;
constexpr uint32_t kBeamMs = 1000;
constexpr uint32_t kBeforeExplosionMs = 1000;

// The beam from the centre of the firing cell to the centre of the target.
void FireBeam(GameScreen& g, const Outcome& o) {
    const CellPos from = o.action.unit;
    const CellPos to = o.action.target;
    g.show.Then([&g, from, to, energy = o.energyAfter] {
        const WorldRecord& w = g.ctx.World;
        const PixelPoint a = CellCentre(w, from.x, from.y);
        const PixelPoint b = CellCentre(w, to.x, to.y);
        g.gfx.PicBack->canvas().line(a.x, a.y, b.x, b.y, kBeam, 1, platform::DrawMode::Xor);
        g.info.WriteValue(g.gfx, *g.gfx.PicDisplay1, layout::kEnergyTop, "Energie: " + std::to_string(energy) + " ");
        PlaySoundEffect(g.ctx, Sfx::BeamStrikes);
    });
    g.show.Pause(kBeamMs);
    g.show.Then([&g, from, to] {
        const WorldRecord& w = g.ctx.World;
        const PixelPoint a = CellCentre(w, from.x, from.y);
        const PixelPoint b = CellCentre(w, to.x, to.y);
        g.gfx.PicBack->canvas().line(a.x, a.y, b.x, b.y, kBeam, 1, platform::DrawMode::Xor);
        PlaySoundEffect(g.ctx, Sfx::Strike);
    });
    DoBlink(g, to.x, to.y);
}

// A plasma hit blinks on the struck enemy, then the panel shows the charge it cost.
void FirePlasma(GameScreen& g, const Outcome& o) {
    DoPlasmaShoot(g, o);
    if (!o.hit) return;
    DoBlink(g, o.struck.x, o.struck.y);
    g.show.Then([&g, plasma = o.plasmaAfter] {
        g.info.WriteValue(g.gfx, *g.gfx.PicDisplay1, layout::kPlasmaTop, "Plasma:  " + std::to_string(plasma) + " ");
    });
}

}  // namespace

void ShowShot(GameScreen& g, const Outcome& o) {
    if (o.weapon == Weapon::Plasma) {
        FirePlasma(g, o);
    } else {
        FireBeam(g, o);
    }
    if (o.destroyed) {
        g.show.Pause(kBeforeExplosionMs);
        g.show.Then([&g] { PlaySoundEffect(g.ctx, Sfx::Destroyed); });
        Explosion(g, o.damaged.x, o.damaged.y);
        // The rules took the thing off the board already; the picture follows.
        g.show.Then([&g] { RepaintBoard(g); });
    }
    g.show.Then([&g, o] {
        g.SetPhase(GamePhase::Idle);
        ReportOutcome(g, o);
    });
    if (o.winner != 0) Winning(g, o.winner);
}

void Shoot(GameScreen& g, int16_t XSource, int16_t YSource, int16_t XDest, int16_t YDest) {
    Context& ctx = g.ctx;
    SetMouseCursor(ctx, 1);
    const CellPos unit{XSource, YSource};
    const CellPos target{XDest, YDest};
    // A decided angle belongs to this shot only, whatever becomes of it.
    const std::optional<int16_t> preset = std::exchange(g.presetAngle, std::nullopt);

    // Only the plasma shot takes an angle; a refused shot or a beam keeps
    // the one it came with, or none.
    const int16_t noAngle = preset.value_or(0);

    // A refusal answers with its sound and changes nothing else.
    if (CheckAction(ctx.World, ctx.GameState, Action::FireAt(unit, target, noAngle)) != Refusal::None) {
        Perform(g, Action::FireAt(unit, target, noAngle));
        return;
    }

    g.SetPhase(GamePhase::Animating);
    PlaySoundEffect(ctx, Sfx::ShotBegins);
    g.show.Pause(kShotBeginsMs);
    const bool plasma = FiresPlasma(ctx.World, XSource, YSource);
    if (plasma) ChooseAngle(g, preset);
    // The plasma shot leaves at the angle the dial shows when it is confirmed.
    g.show.Then([&g, unit, target, plasma, noAngle] {
        Perform(g, Action::FireAt(unit, target, plasma ? g.ctx.GameState.AimAngle : noAngle));
    });
}

}  // namespace sd
