#include "play/aiming_dial.h"

#include <cmath>
#include <string>

#include "base/rounding.h"
#include "data/context.h"
#include "platform/input/element.h"
#include "platform/input/platform.h"
#include "play/computer_turn.h"

namespace sd {

namespace {

// The pointer: 3 pixels wide in a warm yellow that stands out on the dial's face.
constexpr platform::Color kPointerColor{200, 200, 0};
constexpr int kPointerWidth = 3;
// The degrees sit up and to the left of the pointer's tip.
constexpr int kTextOffset = 25;

}  // namespace

int16_t DialAngle(int W, int H, double X, double Y) {
    const float centreX = static_cast<float>(W / 2.0);
    const float centreY = static_cast<float>(H / 2.0);
    float dx = static_cast<float>(std::fabs(W / 2.0 - X));
    float dy = static_cast<float>(std::fabs(H / 2.0 - Y));
    if (dx == 0.0f) dx = 0.000001f;
    if (dy == 0.0f) dy = 0.000001f;
    // 3.14159, not the full pi: the dial's degrees are defined with it.
    int16_t a = RoundEven16(std::atan(static_cast<double>(dy) / static_cast<double>(dx)) * 180.0 / 3.14159);
    if (centreX > X) a = static_cast<int16_t>(90 - a + 90);    // left of the centre
    if (centreY < Y) a = static_cast<int16_t>(180 - a + 180);  // below the centre
    return a;
}

void AngleMouseMove(GameScreen& g, double X, double Y) {
    platform::Element& dial = *g.gfx.PicAngle;
    const int W = dial.bounds().w;
    const int H = dial.bounds().h;
    dial.clear();
    platform::Surface& s = dial.canvas();
    const int tipX = static_cast<int>(std::floor(X));
    const int tipY = static_cast<int>(std::floor(Y));
    s.line(RoundEven16(W / 2.0), RoundEven16(H / 2.0), tipX, tipY, kPointerColor, kPointerWidth);

    const int16_t a = DialAngle(W, H, X, Y);
    // "\xB0" is the degree sign in the game's Windows-1252 texts. Near the
    // dial's left or top edge the text is clipped by the panel.
    s.drawText(dial.look().font, tipX - kTextOffset, tipY - kTextOffset, std::to_string(a) + "\xB0", dial.look().textColor);
    g.ctx.GameState.AimAngle = a;
}

void WireAimingDial(GameScreen& g) {
    platform::Element& dial = *g.gfx.PicAngle;
    GameScreen* gp = &g;
    // The pointer follows the mouse whether or not a button is held.
    dial.on.mouseMove = [gp](double x, double y, int) {
        if (gp->phase == GamePhase::Aiming) AngleMouseMove(*gp, x, y);
    };
    // AngleChosen: the click ends the aiming; the shot takes AimAngle as it is.
    dial.on.click = [gp](int) {
        if (gp->phase != GamePhase::Aiming) return;
        gp->SetPhase(GamePhase::Flying);
        gp->Advance();
    };
}

void ChooseAngle(GameScreen& g, std::optional<int16_t> preset) {
    g.show.Then([&g] {
        g.SetPhase(GamePhase::Aiming);
        g.gfx.PicAngle->setVisible(true);
        g.platform.refresh();
    });
    // A shot that comes decided (the computer's) turns the dial itself while
    // the person watches.
    if (preset) {
        ComputerAims(g, *preset);
    } else {
        g.show.Until([&g] { return g.phase != GamePhase::Aiming; });
    }
    g.show.Then([&g] {
        platform::Element& dial = *g.gfx.PicAngle;
        dial.clear();
        g.platform.refresh();
        dial.setVisible(false);
    });
}

}  // namespace sd
