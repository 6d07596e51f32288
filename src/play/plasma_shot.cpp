#include "play/plasma_shot.h"

#include <cmath>

#include "base/rounding.h"
#include "combat/plasma_flight.h"
#include "data/context.h"
#include "platform/platform.h"
#include "play/aiming_dial.h"
#include "play/hit_animations.h"
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

bool DoPlasmaShoot(GameScreen& g, int16_t XL1, int16_t YL1, int16_t& xZelleHit, int16_t& yZelleHit, bool& Hit) {
    Context& ctx = g.ctx;
    platform::Element& ball = *g.gfx.PicPlasma;
    Hit = false;
    if (!ChooseAngle(g)) return false;

    PlasmaFlight flight(ctx.World, ctx.GameState.CurrentPlayer, XL1, YL1, ctx.GameState.AimAngle);
    g.phase = GamePhase::Flying;
    ball.setVisible(true);
    PlaySoundEffect(ctx, Sfx::PlasmaLaunch);

    bool open = true;
    for (;;) {
        const FlightEnd end = flight.Step();
        if (end == FlightEnd::None) {
            // The ball's corner goes to the position as it is, in game-screen
            // pixels: it flies a little left of the board's own coordinates,
            // as the game always drew it.
            ball.setPosition(flight.x(), flight.y());
            if (!(open = g.Wait(StepMs(ctx)))) break;
            continue;
        }
        const int16_t px = RoundEven16(flight.x());
        const int16_t py = RoundEven16(flight.y());
        if (end == FlightEnd::Obstacle) {
            ball.setVisible(false);
            g.phase = GamePhase::Animating;
            PlaySoundEffect(ctx, Sfx::Strike);
            open = DoHit(g, px, py) && DoBlink(g, flight.cellX(), flight.cellY());
        } else if (end == FlightEnd::Hit) {
            xZelleHit = flight.cellX();
            yZelleHit = flight.cellY();
            ball.setVisible(false);
            Hit = true;
            g.phase = GamePhase::Animating;
            PlaySoundEffect(ctx, Sfx::Strike);
            open = DoHit(g, px, py);
        }
        // Stalled, off the board, or circling for ever: a miss without a sound.
        break;
    }
    if (!g.closed) ball.setVisible(false);
    g.phase = GamePhase::Animating;
    return open && !g.closed;
}

}  // namespace sd
