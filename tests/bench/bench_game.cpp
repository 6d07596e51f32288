// Game-screen timings on a headless platform: a full board repaint with the
// grid, and one pointer move that enters a new cell while a thing is selected.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "data/context.h"
#include "platform/input/platform.h"
#include "play/board_click.h"
#include "play/cell_picking.h"
#include "play/game_screen.h"
#include "play/game_screen_impl.h"
#include "play/turn_cycle.h"
#include "render/board_drawing.h"

namespace {

struct BenchGame {
    sd::platform::VirtualClock clock;
    sd::platform::MessageRecorder messages;
    sd::platform::AudioRecorder audio;
    std::unique_ptr<sd::platform::Platform> platform;
    sd::Context ctx;
    std::unique_ptr<sd::FrmMain> game;

    BenchGame() {
        sd::platform::PlatformOptions o;
        o.headless = true;
        o.clock = &clock;
        o.messageBox = &messages;
        o.audio = &audio;
        platform = std::make_unique<sd::platform::Platform>(o);
        ctx.platform = platform.get();
        ctx.clock = &clock;
        ctx.messageBox = &messages;
        ctx.programDir = SD_OUT_DIR;
        ctx.GameState.WorldNumber = 0;
        game = std::make_unique<sd::FrmMain>(ctx);
        game->Load();
    }
    bool ok() const { return !game->IsClosed() && messages.shown.empty(); }
    sd::GameScreen& g() { return game->impl(); }
};

// A unit of the current player, to select; false when world 0 has none.
bool SelectOwnUnit(BenchGame& b) {
    const sd::WorldRecord& w = b.ctx.World;
    for (int x = 0; x < w.Raster_max_x; ++x)
        for (int y = 0; y < w.Raster_max_y; ++y)
            if (w.ownerAt(x, y) == b.ctx.GameState.CurrentPlayer) {
                sd::BoardClick(b.g(), 1, 0, w.Raster_x + x * w.Raster_width + w.Raster_width / 2.0,
                               w.Raster_y + y * w.Raster_height + w.Raster_height / 2.0);
                return b.ctx.GameState.hasSelection();
            }
    return false;
}

void BM_RepaintBoardWithGrid(benchmark::State& state) {
    BenchGame b;
    if (!b.ok()) return state.SkipWithError("game screen did not start");
    b.ctx.GameState.GridVisible = true;
    for (auto _ : state) {
        sd::RepaintBoard(b.g());
        sd::DrawGrid(b.ctx, b.g().gfx.PicBack->canvas(), sd::GridColor(b.ctx));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RepaintBoardWithGrid)->Unit(benchmark::kMicrosecond);

void BM_HoverEntersNewCellWithSelection(benchmark::State& state) {
    BenchGame b;
    if (!b.ok() || !SelectOwnUnit(b)) return state.SkipWithError("no selection in world 0");
    const sd::WorldRecord& w = b.ctx.World;
    const double y = w.Raster_y + w.Raster_height * 0.5;
    int k = 0;
    for (auto _ : state) {
        // Alternate between two cells so that every move enters a new one.
        sd::BoardHover(b.g(), w.Raster_x + (k++ % 2 == 0 ? 0.5 : 1.5) * w.Raster_width, y);
    }
}
BENCHMARK(BM_HoverEntersNewCellWithSelection)->Unit(benchmark::kMicrosecond);

void BM_HoverWithinOneCell(benchmark::State& state) {
    BenchGame b;
    if (!b.ok() || !SelectOwnUnit(b)) return state.SkipWithError("no selection in world 0");
    const sd::WorldRecord& w = b.ctx.World;
    int k = 0;
    for (auto _ : state) {
        sd::BoardHover(b.g(), w.Raster_x + 10 + (k++ % 20), w.Raster_y + 10);
    }
}
BENCHMARK(BM_HoverWithinOneCell)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
