#include "play/shot_trail.h"

#include <algorithm>

#include "platform/input/element.h"
#include "platform/input/screen.h"

namespace sd {

namespace {

// At most this many dots a trail: a long, bent flight gets them further apart.
constexpr size_t kDotsPerTrail = 48;
// A dot every few steps at the least, so the trail stays faint.
constexpr size_t kLeastStepsApart = 3;

}  // namespace

void CreateTrailDots(GameScreen& g) {
    for (int16_t team = 1; team <= 2; ++team) {
        for (size_t i = 0; i < kDotsPerTrail; ++i) {
            platform::Element& dot = g.screen->addPanel("PicTrail", team);
            dot.setVisible(false);
            g.trailDots[team].push_back(&dot);
        }
    }
}

void ClearTrail(GameScreen& g, int16_t team) {
    if (team < 1 || team > 2) return;
    for (platform::Element* dot : g.trailDots[team]) {
        if (dot->look().visible) dot->setVisible(false);
    }
}

void ShowTrail(GameScreen& g, int16_t team, const std::vector<FlightPoint>& path) {
    if (team < 1 || team > 2) return;
    ClearTrail(g, team);
    if (path.size() < 2) return;
    const size_t flown = path.size() - 1;
    const size_t apart = std::max(kLeastStepsApart, (flown + kDotsPerTrail - 1) / kDotsPerTrail);
    const platform::Element& ball = *g.gfx.PicPlasma;
    const platform::Surface& look = g.gfx.TrailDot[team];
    size_t used = 0;
    for (size_t i = apart - 1; i < flown && used < g.trailDots[team].size(); i += apart) {
        platform::Element& dot = *g.trailDots[team][used++];
        if (dot.picture().width() == 0) dot.setPicture(look);
        // Where the ball's middle was: the ball's corner went to the position.
        dot.setPosition(path[i].x + ball.bounds().w / 2 - look.width() / 2, path[i].y + ball.bounds().h / 2 - look.height() / 2);
        dot.setVisible(true);
    }
}

}  // namespace sd
