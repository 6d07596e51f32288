#pragma once
// A game on the test world with the shot's waits under the virtual clock: the
// aiming dial and the victory panel are answered from the platform's idle hook,
// the way a player would answer them.
#include <functional>
#include <memory>
#include <optional>

#include "combat/plasma_flight.h"
#include "data/board_geometry.h"
#include "play/game_fixture.h"
#include "play/shoot.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {

class ShotTest : public StartedGameTest {
protected:
    void TearDown() override {
        if (plat) Driver(*plat).setIdleHook(nullptr);
        StartedGameTest::TearDown();
    }

    // When the dial waits: (optionally) moves the pointer to dial pixel
    // (dx, dy), then clicks the dial. Without a point the click confirms
    // AimAngle as it stands. The victory panel is clicked when it waits.
    void AnswerWaits(std::optional<std::pair<double, double>> dialPoint = std::nullopt) {
        auto step = std::make_shared<int>(0);
        Driver(*plat).setIdleHook([this, dialPoint, step] {
            if (game == nullptr || game->IsClosed()) return;
            if (g().phase == GamePhase::Aiming) {
                const platform::Element& dial = *gfx().PicAngle;
                if (dialPoint && (*step)++ % 2 == 0) {
                    Driver(*plat).injectMouseMove(dial.bounds().x + dialPoint->first, dial.bounds().y + dialPoint->second);
                } else {
                    Driver(*plat).injectClick(dial.bounds().x + 75, dial.bounds().y + 65);
                }
            } else if (g().phase == GamePhase::Victory && answerVictory) {
                const platform::Element& win = *gfx().PicWin;
                Driver(*plat).injectClick(win.bounds().x + 20, win.bounds().y + 20);
            }
        });
    }

    // The first whole angle whose shot from (fromX, fromY) ends as wanted.
    std::optional<int16_t> AngleFor(int16_t fromX, int16_t fromY, FlightEnd end, int16_t cx = -1, int16_t cy = -1) {
        const PixelPoint c = CellCentre(ctx.World, fromX, fromY);
        for (int16_t a = 0; a < 360; ++a) {
            const FlightOutcome o = RunFlight(ctx.World, ctx.GameState.CurrentPlayer, c.x, c.y, a);
            if (o.end == end && (cx < 0 || (o.cellX == cx && o.cellY == cy))) return a;
        }
        return std::nullopt;
    }

    Thing& ThingAt(int x, int y) { return ctx.World.thing(ctx.World.CellMap(x, y)); }

    bool answerVictory = true;
};

}  // namespace sd::test
