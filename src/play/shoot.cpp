// The firing command: checks, costs, the beam or the plasma shot, damage,
// destruction and the victory test. The rules come from the rules core; this
// file plays them back on the game screen with the sounds, pauses and
// animations of a shot.
#include "play/shoot.h"

#include <string>

#include "base/layout.h"
#include "combat/firing.h"
#include "combat/victory.h"
#include "data/board_geometry.h"
#include "data/context.h"
#include "platform/element.h"
#include "platform/platform.h"
#include "play/cursor.h"
#include "play/hit_animations.h"
#include "play/plasma_shot.h"
#include "play/sound.h"
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
// False when the game screen closed meanwhile.
bool FireBeam(GameScreen& g, int16_t XSource, int16_t YSource, int16_t XDest, int16_t YDest) {
    Context& ctx = g.ctx;
    WorldRecord& w = ctx.World;
    platform::Surface& board = g.gfx.PicBack->canvas();
    const PixelPoint from = CellCentre(w, XSource, YSource);
    const PixelPoint to = CellCentre(w, XDest, YDest);

    board.line(from.x, from.y, to.x, to.y, kBeam, 1, platform::DrawMode::Xor);
    ChargeBeam(w, XSource, YSource);
    const Thing& source = w.thing(w.CellMap(XSource, YSource));
    g.info.WriteValue(g.gfx, *g.gfx.PicDisplay1, layout::kEnergyTop,
                      "Energie: " + std::to_string(source.Energie) + " ");
    Damage(w, XDest, YDest, w.HitPoints2);
    PlaySoundEffect(ctx, Sfx::BeamStrikes);
    if (!g.Wait(kBeamMs)) return false;
    board.line(from.x, from.y, to.x, to.y, kBeam, 1, platform::DrawMode::Xor);
    PlaySoundEffect(ctx, Sfx::Strike);
    return DoBlink(g, XDest, YDest);
}

// The plasma shot; damagedX/Y become the struck cell on a hit. False when the
// game screen closed meanwhile.
bool FirePlasma(GameScreen& g, int16_t XSource, int16_t YSource, int16_t& damagedX, int16_t& damagedY) {
    Context& ctx = g.ctx;
    WorldRecord& w = ctx.World;
    const PixelPoint from = CellCentre(w, XSource, YSource);
    int16_t hitX = 0;
    int16_t hitY = 0;
    bool hit = false;
    if (!DoPlasmaShoot(g, from.x, from.y, hitX, hitY, hit)) return false;
    // A miss costs nothing and damages nothing.
    if (!hit) return true;
    if (!DoBlink(g, hitX, hitY)) return false;
    ChargePlasmaHit(w, XSource, YSource);
    const Thing& source = w.thing(w.CellMap(XSource, YSource));
    g.info.WriteValue(g.gfx, *g.gfx.PicDisplay1, layout::kPlasmaTop,
                      "Plasma:  " + std::to_string(source.Plasma) + " ");
    // The ball strikes the first enemy on its path, not necessarily the one clicked.
    Damage(w, hitX, hitY, w.HitPoints1);
    damagedX = hitX;
    damagedY = hitY;
    return true;
}

}  // namespace

void Shoot(GameScreen& g, int16_t XSource, int16_t YSource, int16_t XDest, int16_t YDest) {
    Context& ctx = g.ctx;
    WorldRecord& w = ctx.World;
    SetMouseCursor(ctx, 1);

    // A refusal answers with its sound and changes nothing else.
    if (const ShotRefusal refused = CheckShot(w, XSource, YSource, XDest, YDest); refused != ShotRefusal::None) {
        PlaySoundEffect(ctx, refused == ShotRefusal::OutOfRange ? Sfx::OutOfRange : Sfx::NotEnough);
        return;
    }

    g.phase = GamePhase::Animating;
    PlaySoundEffect(ctx, Sfx::ShotBegins);
    if (!g.Wait(kShotBeginsMs)) return;

    int16_t damagedX = XDest;
    int16_t damagedY = YDest;
    const bool open = FiresPlasma(w, XSource, YSource) ? FirePlasma(g, XSource, YSource, damagedX, damagedY)
                                                       : FireBeam(g, XSource, YSource, XDest, YDest);
    if (!open) return;

    if (IsDestroyed(w, damagedX, damagedY)) {
        if (!g.Wait(kBeforeExplosionMs)) return;
        PlaySoundEffect(ctx, Sfx::Destroyed);
        if (!Explosion(g, damagedX, damagedY)) return;
        // The record stays in the table; the thing is simply off the board.
        RemoveThing(w, damagedX, damagedY);
        RepaintBoard(g);
    }
    g.phase = GamePhase::Idle;

    if (IsVictory(w, ctx.GameState.CurrentPlayer)) Winning(g, ctx.GameState.CurrentPlayer);
}

}  // namespace sd
