// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris run end to end: the largest span that the end-date limit allows
// (732 days) at the shortest step (5 min), and a month of hourly steps, on every
// core and on one. Counters: the threads used, the rows of all bodies and the
// memory they take. The largest run also in Europe/Madrid against the fixed
// offset +1 of its winter, on every core.

#include "EphemerisRun.h"
#include "TimeZones.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <thread>

namespace kalto {
namespace {

void BM_EphemerisRun(benchmark::State& state) {
    const auto days = static_cast<int>(state.range(0));
    const auto stepsPerDay = static_cast<int>(state.range(1));
    const auto threads = static_cast<unsigned>(state.range(2));
    const TDateTime start = EncodeDate(2027, 1, 1);
    const EphemerisRequest request{start, start + days - 1, days, stepsPerDay, WallClock()};
    for (auto _ : state) {
        EphemerisProgress progress;
        const auto rows = RunEphemeris(request, progress, threads);
        benchmark::DoNotOptimize(rows.get());
    }
    const std::int64_t steps = TotalSteps(request);
    const auto rows = static_cast<double>(steps * ComputedBodyCount);
    state.SetItemsProcessed(state.iterations() * steps);
    state.counters["threads"] = threads != 0 ? threads : std::thread::hardware_concurrency();
    state.counters["rows"] = rows;
    state.counters["MB"] = rows * sizeof(EphemerisRow) / 1e6;
}
BENCHMARK(BM_EphemerisRun)
    ->ArgNames({"days", "stepsPerDay", "threads"})
    ->Args({732, 288, 0})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
BENCHMARK(BM_EphemerisRun)
    ->ArgNames({"days", "stepsPerDay", "threads"})
    ->Args({32, 24, 0})
    ->Args({32, 24, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Argument 0: the fixed offset +1; 1: the named zone Europe/Madrid.
void BM_LargestEphemerisInAZone(benchmark::State& state) {
    const std::optional<TimeZone> zone = TimeZone::Find("Europe/Madrid");
    if (!zone) {
        state.SkipWithError("no Europe/Madrid in the time-zone database");
        return;
    }
    const TDateTime start = EncodeDate(2026, 1, 1);
    const WallClock clock = state.range(0) != 0 ? WallClock(*zone) : WallClock(1.0);
    const EphemerisRequest request{start, start + 731, 732, 288, clock};
    for (auto _ : state) {
        EphemerisProgress progress;
        const auto rows = RunEphemeris(request, progress);
        benchmark::DoNotOptimize(rows.get());
    }
    state.SetItemsProcessed(state.iterations() * TotalSteps(request));
}
BENCHMARK(BM_LargestEphemerisInAZone)
    ->ArgName("named")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
}  // namespace kalto

BENCHMARK_MAIN();
