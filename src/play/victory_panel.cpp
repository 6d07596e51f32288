#include "play/victory_panel.h"

#include <array>
#include <string>

#include "combat/victory.h"
#include "data/context.h"
#include "platform/input/element.h"
#include "platform/input/platform.h"

namespace sd {

namespace {

// Where each of the four lines starts, in panel pixels.
constexpr int kLineLeft = 10;
constexpr std::array<int, 4> kLineTop{5, 30, 50, 70};

}  // namespace

void Winning(GameScreen& g, int16_t iPlayer) {
    g.show.Then([&g, iPlayer] {
        Context& ctx = g.ctx;
        const GameStateRecord& s = ctx.GameState;
        const std::tm now = ctx.clock != nullptr ? ctx.clock->localNow() : s.StartTime;
        const int32_t minutes = BattleMinutes(s.StartTime, now);
        const std::array<std::string, 4> lines = VictoryLines(iPlayer, minutes, s.TurnCounter);
        platform::Element& panel = *g.gfx.PicWin;
        for (size_t i = 0; i < lines.size(); ++i) {
            panel.canvas().drawText(panel.look().font, kLineLeft, kLineTop[i], lines[i], panel.look().textColor);
        }
        g.SetPhase(GamePhase::Victory);
        panel.setVisible(true);
    });
    // The panel's click ends the victory phase (WinClicked).
    g.show.Until([&g] { return g.phase != GamePhase::Victory; });
    g.show.Then([&g] {
        g.SetPhase(GamePhase::Idle);
        g.ctx.GameState.GameOver = true;
    });
}

}  // namespace sd
