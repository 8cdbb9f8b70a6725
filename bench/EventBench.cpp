// SPDX-License-Identifier: GPL-3.0-or-later
// The events of 24 months, every kind, on every core; and each kind alone.

#include "EventSearch.h"

#include <benchmark/benchmark.h>

namespace kalto {
namespace {

void EventsOfTwoYears(benchmark::State& state) {
    EventRequest request;
    request.Start = EncodeDate(2027, 1, 1);
    request.End = EncodeDate(2029, 1, 1);
    if (state.range(0) >= 0) request.Kinds = {static_cast<EventKind>(state.range(0))};
    std::size_t rows = 0;
    for (auto _ : state) {
        EventProgress progress;
        rows = SearchEvents(request, progress)->size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
// -1: every kind; 0..5: one kind, by EventKind.
BENCHMARK(EventsOfTwoYears)
    ->ArgName("kind")
    ->DenseRange(-1, EventKindCount - 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kalto

BENCHMARK_MAIN();
