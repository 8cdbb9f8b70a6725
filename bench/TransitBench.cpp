// SPDX-License-Identifier: GPL-3.0-or-later
// The transit search over a year: ten bodies (all but the Moon), and all
// eleven, against fifteen points through the five major aspects, orb 1°,
// on every core.

#include "TransitSearch.h"

#include "Bodies.h"

#include <benchmark/benchmark.h>

namespace kalto {
namespace {

TransitRequest YearOfTransits(bool withTheMoon) {
    TransitRequest request;
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        if (body != Lun || withTheMoon) request.Bodies.push_back(body);
    }
    const char* names[] = {"P1", "P2",  "P3",  "P4",  "P5",  "P6",  "P7", "P8",
                           "P9", "P10", "P11", "P12", "P13", "P14", "P15"};
    for (int point = 0; point < 15; ++point) request.Points.push_back({names[point], 7.3 + 23.9 * point});
    for (const int degrees : MajorAspects) request.Aspects.push_back({degrees, DefaultTransitOrb});
    request.Start = EncodeDate(2027, 1, 1);
    request.End = EncodeDate(2028, 1, 1);
    return request;
}

void TransitsOfAYear(benchmark::State& state) {
    const TransitRequest request = YearOfTransits(state.range(0) != 0);
    std::size_t rows = 0;
    for (auto _ : state) {
        TransitProgress progress;
        rows = SearchTransits(request, progress)->size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(TransitsOfAYear)->ArgName("withTheMoon")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kalto

BENCHMARK_MAIN();
