#include "base/rounding.h"
#include "data/context.h"
#include "platform/input/element.h"
#include "play/hit_animations.h"
#include "play/shot_playback.h"
#include "play/shot_trail.h"
#include "play/sound.h"

namespace sd {

namespace {

// Every step of the flight shows a frame: at least this long, plus the pause
// the start-up measured for this machine, so the ball is seen moving on a fast
// machine as on a slow one.
constexpr uint32_t kMinStepMs = 10;

uint32_t StepMs(const Context& ctx) {
    const int32_t delay = ctx.GameState.SpeedDelay;
    return kMinStepMs + static_cast<uint32_t>(delay > 0 ? delay : 0);
}

}  // namespace

void DoPlasmaShoot(GameScreen& g, const Outcome& o) {
    ShowQueue& show = g.show;
    const int16_t team = g.ctx.GameState.CurrentPlayer;
    show.Then([&g, team] {
        // The team's next plasma shot takes its last trail away.
        ClearTrail(g, team);
        g.SetPhase(GamePhase::Flying);
        g.gfx.PicPlasma->setVisible(true);
        PlaySoundEffect(g.ctx, Sfx::PlasmaLaunch);
    });
    const uint32_t stepMs = StepMs(g.ctx);
    // Every position but the last is a step the ball flies on. Its corner goes
    // to the position as it is, in game-screen pixels: it flies a little left
    // of the board's own coordinates, as the game always drew it.
    for (size_t i = 0; i + 1 < o.flight.size(); ++i) {
        show.Then([&g, p = o.flight[i]] { g.gfx.PicPlasma->setPosition(p.x, p.y); });
        show.Pause(stepMs);
    }
    if (!o.flight.empty() && (o.flightEnd == FlightEnd::Obstacle || o.flightEnd == FlightEnd::Hit)) {
        const FlightPoint last = o.flight.back();
        const int16_t px = RoundEven16(last.x);
        const int16_t py = RoundEven16(last.y);
        show.Then([&g] {
            g.gfx.PicPlasma->setVisible(false);
            g.SetPhase(GamePhase::Animating);
            PlaySoundEffect(g.ctx, Sfx::Strike);
        });
        DoHit(g, px, py);
        if (o.flightEnd == FlightEnd::Obstacle) DoBlink(g, o.struck.x, o.struck.y);
    }
    // Stalled, off the board, or circling for ever: a miss without a sound.
    show.Then([&g, team, path = o.flight] {
        g.gfx.PicPlasma->setVisible(false);
        g.SetPhase(GamePhase::Animating);
        ShowTrail(g, team, path);
    });
}

}  // namespace sd
