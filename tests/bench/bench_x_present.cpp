// Frames through a real window on an X server (run under Xvfb, or on a
// desktop): what the dummy-driver benchmarks cannot see, the copy of the
// changed rectangles to the X server. Skipped without a DISPLAY.
//
//   Xvfb :7 -screen 0 1024x768x24 & DISPLAY=:7 build/bench/bench_x_present
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "platform/input/platform.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

using namespace sd::platform;

namespace {

// One real window for the whole run: SDL picks its video driver once per process.
struct XGame {
    XGame() {
        PlatformOptions o;
        o.title = "bench_x_present";
        o.audio = &audio;
        platform = std::make_unique<Platform>(o);
        Screen& s = platform->createScreen("FrmMain");
        board = &s.addPanel("PicBack");
        board->setPicture(Surface(721, 421, Color{5, 5, 30}));
        board->setPosition(15, 0);
        info = &s.addPanel("PicDisplay1");
        info->setPicture(Surface(800, 170, Color{20, 20, 60}));
        info->setPosition(0, 430);
        platform->showScreen(s);
        platform->processPendingEvents();
    }
    AudioRecorder audio;
    std::unique_ptr<Platform> platform;
    Element* board = nullptr;
    Element* info = nullptr;
};

XGame* Game(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY: start Xvfb and set DISPLAY");
        return nullptr;
    }
    static XGame game;
    return &game;
}

// The pointer enters a new cell: the old frame goes, the new one is drawn.
void BM_X_CellFrameToScreen(benchmark::State& state) {
    XGame* g = Game(state);
    if (!g) return;
    int k = 0;
    for (auto _ : state) {
        const int x = 60 * (k % 12), y = 60 * ((k / 12) % 7);
        g->board->canvas().rect(x, y, x + 60, y + 60, Color{(k & 1) ? uint8_t{255} : uint8_t{0}, 200, 0});
        ++k;
        g->platform->refresh();
    }
    state.counters["pixels/frame"] = static_cast<double>(Driver(*g->platform).lastFrameArea());
}
BENCHMARK(BM_X_CellFrameToScreen)->Unit(benchmark::kMicrosecond);

// The end of a turn: the whole board and the info panel's text change.
void BM_X_BoardAndPanelToScreen(benchmark::State& state) {
    XGame* g = Game(state);
    if (!g) return;
    int k = 0;
    for (auto _ : state) {
        g->board->canvas().fill(Color{static_cast<uint8_t>(k++ & 63), 5, 30});
        g->info->canvas().fillRect(190, 15, 600, 80, Color{0, 0, 0});
        g->platform->refresh();
    }
    state.counters["pixels/frame"] = static_cast<double>(Driver(*g->platform).lastFrameArea());
}
BENCHMARK(BM_X_BoardAndPanelToScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
