// The record of the running game: one action appended and flushed to the
// disk (written while the player waits for the action's picture: it must stay
// well below a millisecond), and reading and replaying a recorded game as
// the title screen does to offer it.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "combat/record_check.h"
#include "data/context.h"
#include "platform/process/clock.h"
#include "platform/window/message_box.h"
#include "play/game_recorder.h"

namespace {

namespace fs = std::filesystem;

void BM_AppendAction(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / ("sd_bench_record_" + std::to_string(::getpid()));
    ::setenv("XDG_STATE_HOME", folder.c_str(), 1);
    sd::platform::MessageRecorder messages;
    sd::Context ctx;
    ctx.programDir = SD_OUT_DIR;
    ctx.messageBox = &messages;
    ctx.recordsOn = true;
    auto recorder = sd::GameRecorder::Begin(ctx, sd::HeaderForNewGame(ctx));
    sd::Outcome o;
    o.action = sd::Action::FireAt({1, 2}, {10, 2}, 354);
    for (auto _ : state) recorder->Append(o);
    recorder.reset();
    if (!messages.shown.empty()) state.SkipWithError(messages.shown.front().text.c_str());
    fs::remove_all(folder);
}
BENCHMARK(BM_AppendAction)->Unit(benchmark::kMicrosecond);

void BM_OpenRecordedGame(benchmark::State& state) {
    const sd::RecordData data{SD_OUT_DIR "/worlds.dat", SD_OUT_DIR "/settings.dat"};
    for (auto _ : state) {
        const sd::OpenedRecord r = sd::OpenRecord(SD_OUT_DIR "/../../tests/games/world3.sdgame", data);
        benchmark::DoNotOptimize(r.game);
    }
}
BENCHMARK(BM_OpenRecordedGame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
