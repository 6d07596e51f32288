// How long the rules core takes for one gravity step, one whole plasma flight
// and the survey of every shot of a team, on the shipped worlds.
#include <benchmark/benchmark.h>

#include "combat/gravity.h"
#include "combat/plasma_flight.h"
#include "combat/shot_survey.h"
#include "data/board_geometry.h"
#include "data/context.h"
#include "data/world_file.h"

namespace {

// The shipped world with the most attracting things: the dearest steps.
sd::WorldRecord FullestWorld(benchmark::State& state) {
    sd::Context ctx;
    ctx.programDir = SD_OUT_DIR;
    sd::WorldRecord fullest;
    size_t most = 0;
    for (int16_t n = 0; n < 10; ++n) {
        const sd::LoadResult loaded = sd::LoadWorld(ctx, n);
        if (!loaded.ok()) {
            state.SkipWithError(loaded.problems.front().c_str());
            return fullest;
        }
        const size_t masses = sd::BuildMassList(ctx.World).size();
        if (masses > most) {
            most = masses;
            fullest = ctx.World;
        }
    }
    state.counters["masses"] = static_cast<double>(most);
    return fullest;
}

void BM_CalcGravity(benchmark::State& state) {
    const sd::WorldRecord w = FullestWorld(state);
    const float angle = sd::LaunchAngle(30);
    for (auto _ : state) {
        float x = 361, y = 211;
        sd::CalcGravity(w, x, y, sd::kLaunchForce, angle);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
    }
}
BENCHMARK(BM_CalcGravity);

// Blue's longest flight at angle 0 in that world: the ball crosses the board.
void BM_WholeFlight(benchmark::State& state) {
    const sd::WorldRecord w = FullestWorld(state);
    sd::PixelPoint from{};
    int32_t longest = 0;
    for (const sd::CellPos& unit : sd::UnitsOf(w, 1)) {
        const sd::PixelPoint p = sd::CellCentre(w, unit.x, unit.y);
        const int32_t steps = sd::RunFlight(w, 1, p.x, p.y, 0).steps;
        if (steps > longest) {
            longest = steps;
            from = p;
        }
    }
    for (auto _ : state) benchmark::DoNotOptimize(sd::RunFlight(w, 1, from.x, from.y, 0));
    state.counters["steps"] = longest;
}
BENCHMARK(BM_WholeFlight);

// What the trajectory tool's scan and the fairness test do per team.
void BM_SurveyTeam(benchmark::State& state) {
    const sd::WorldRecord w = FullestWorld(state);
    for (auto _ : state) benchmark::DoNotOptimize(sd::SurveyShots(w, 2));
}
BENCHMARK(BM_SurveyTeam)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
