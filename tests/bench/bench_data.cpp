// How long the game start and the title screen spend reading worlds.dat.
#include <benchmark/benchmark.h>

#include "data/context.h"
#include "data/ini_file.h"
#include "data/world_file.h"

namespace {

void BM_ParseWorldsDat(benchmark::State& state) {
    const std::string path = SD_OUT_DIR "/worlds.dat";
    for (auto _ : state) {
        const sd::IniFile f = sd::IniFile::load(path);
        benchmark::DoNotOptimize(f.exists());
    }
}
BENCHMARK(BM_ParseWorldsDat);

void BM_LoadWorld(benchmark::State& state) {
    sd::Context ctx;
    ctx.programDir = SD_OUT_DIR;
    const auto n = static_cast<int16_t>(state.range(0));
    std::string problem;
    for (auto _ : state) {
        sd::LoadResult r = sd::LoadWorld(ctx, n);
        if (!r) problem = r.problems.front();
        benchmark::DoNotOptimize(r);
    }
    if (!problem.empty()) state.SkipWithError(problem.c_str());
}
BENCHMARK(BM_LoadWorld)->DenseRange(0, 9);

}  // namespace

BENCHMARK_MAIN();
