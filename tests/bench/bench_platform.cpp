// Frames of the game-screen layout on the dummy driver: recomposing what
// changed and writing it into the window's pixels (what reaching an X server
// adds is in bench_x_present).
#include <benchmark/benchmark.h>

#include "platform/draw/font.h"
#include "platform/input/platform.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

using namespace sd::platform;

namespace {

struct Frame {
    Frame() : platform(Options()) {
        Screen& s = platform.createScreen("FrmMain");
        Element& board = s.addPanel("PicBack");
        board.setPicture(Surface(800, 440, Color{5, 5, 30}));
        Element& info = s.addPanel("PicDisplay1");
        info.setPicture(Surface(800, 170, Color{20, 20, 60}));
        info.setPosition(0, 430);
        Element& portrait = s.addPanel("PicMMC");
        portrait.setAutoSize(false);
        portrait.setPosition(640, 439);
        portrait.setSize(150, 130);
        for (int i = 0; i < 9; ++i) {  // three buttons in three looks, one look shown each
            Element& b = s.addPanel("PicButton", i);
            b.setPicture(Surface(150, 34, Color{static_cast<uint8_t>(40 * (i % 3)), 80, 120}));
            b.setPosition(15 + 160 * (i / 3), 560);
            b.setVisible(i % 3 == 0);
        }
        Element& label = s.addLabel("LblButton", 0);
        label.setPosition(280, 200);
        label.setSize(241, 46);
        label.setFont(Font::open("Arial", 18, true));
        label.setText("Spiel starten");
        label.setTextColor(Color{0, 150, 0});
        platform.showScreen(s);
        board_ = &board;
    }
    PlatformOptions Options() {
        PlatformOptions o;
        o.headless = true;
        o.clock = &clock;
        o.audio = &audio;
        return o;
    }
    VirtualClock clock;
    AudioRecorder audio;
    Platform platform;
    Element* board_ = nullptr;
};

void BM_CompositeAndPresentFrame(benchmark::State& state) {
    Frame f;
    int i = 0;
    for (auto _ : state) {
        f.board_->canvas().setPixel(i++ % 800, 10, Color{255, 255, 255});  // something changed
        f.platform.processPendingEvents();                                 // composites and presents
    }
    state.counters["presents"] = static_cast<double>(Driver(f.platform).presentCount());
}
BENCHMARK(BM_CompositeAndPresentFrame)->Unit(benchmark::kMicrosecond);

void BM_CompositeAndPresentWholeBoard(benchmark::State& state) {
    Frame f;
    int i = 0;
    for (auto _ : state) {
        f.board_->canvas().fill(Color{static_cast<uint8_t>(i++ & 63), 5, 30});  // a repainted board
        f.platform.processPendingEvents();
    }
    state.counters["pixels/frame"] = static_cast<double>(Driver(f.platform).lastFrameArea());
}
BENCHMARK(BM_CompositeAndPresentWholeBoard)->Unit(benchmark::kMicrosecond);

void BM_IdleEventPassWithoutChange(benchmark::State& state) {
    Frame f;
    f.platform.processPendingEvents();
    for (auto _ : state) f.platform.processPendingEvents();  // nothing changed: no present
}
BENCHMARK(BM_IdleEventPassWithoutChange)->Unit(benchmark::kMicrosecond);

void BM_XorGridOnBoard(benchmark::State& state) {
    Surface board(721, 421, Color{5, 5, 30});
    for (auto _ : state) {
        for (int x = 0; x <= 720; x += 60) board.line(x, 0, x, 420, Color{0, 80, 160}, 1, DrawMode::Xor);
        for (int y = 0; y <= 420; y += 60) board.line(0, y, 720, y, Color{0, 80, 160}, 1, DrawMode::Xor);
    }
    benchmark::DoNotOptimize(board.pixel(60, 60));
}
BENCHMARK(BM_XorGridOnBoard)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
