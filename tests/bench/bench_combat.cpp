// How long the rules core takes for one gravity step, one whole plasma flight,
// the survey of every shot of a team and one decision of the computer, on the
// shipped worlds.
#include <benchmark/benchmark.h>

#include "combat/computer_player.h"

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

// The computer's first decision for red at the start of that world: every
// shot of every unit, one of which strikes.
void BM_ComputerDecision(benchmark::State& state) {
    const sd::WorldRecord w = FullestWorld(state);
    std::mt19937 rng(1);
    const sd::ComputerTurnMemory memory;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sd::DecideComputerAction(w, 2, sd::ComputerStrength::Strong, memory, rng));
    }
}
BENCHMARK(BM_ComputerDecision)->Unit(benchmark::kMillisecond);

// The dearest decision: with blue's units off the board no shot strikes, so
// every shot from where red stands and from every cell it can move to is
// flown to its end before the computer gives up.
void BM_ComputerDecisionNothingStrikes(benchmark::State& state) {
    sd::WorldRecord w = FullestWorld(state);
    for (const sd::CellPos& u : sd::UnitsOf(w, 1)) w.CellMap.set(u.x, u.y, 0);
    std::mt19937 rng(1);
    const sd::ComputerTurnMemory memory;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sd::DecideComputerAction(w, 2, sd::ComputerStrength::Strong, memory, rng));
    }
}
BENCHMARK(BM_ComputerDecisionNothingStrikes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
