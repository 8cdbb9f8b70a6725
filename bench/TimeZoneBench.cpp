// SPDX-License-Identifier: GPL-3.0-or-later
// Wall time and universal time of a named zone, one conversion a call, against
// the fixed offset that the program adds today: the cost a row or a contact
// moment pays to be shown in a named zone. Instants advance by five minutes
// an iteration over the 732 days of the largest ephemeris, 2026 and 2027, and
// start again, so every change of summer time in them is crossed.

#include "TimeScales.h"
#include "TimeZones.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace kalto {
namespace {

constexpr double Step = 5.0 / 1440;  // five minutes
const TDateTime Start = EncodeDate(2026, 1, 1);
const TDateTime End = Start + 732;

void Advance(TDateTime& instant) {
    instant += Step;
    if (instant >= End) instant = Start;
}

void BM_FixedOffset(benchmark::State& state) {
    const double offset = ZoneOffset(1.0);
    TDateTime wall = Start;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wall + offset);
        Advance(wall);
    }
}
BENCHMARK(BM_FixedOffset);

void BM_UniversalToWallTime(benchmark::State& state) {
    const std::optional<TimeZone> zone = TimeZone::Find("Europe/Madrid");
    if (!zone) {
        state.SkipWithError("no Europe/Madrid in the time-zone database");
        return;
    }
    TDateTime universal = Start;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone->ToWallTime(universal));
        Advance(universal);
    }
}
BENCHMARK(BM_UniversalToWallTime);

void BM_WallToUniversalTime(benchmark::State& state) {
    const std::optional<TimeZone> zone = TimeZone::Find("Europe/Madrid");
    if (!zone) {
        state.SkipWithError("no Europe/Madrid in the time-zone database");
        return;
    }
    TDateTime wall = Start;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone->ToUniversalTime(wall));
        Advance(wall);
    }
}
BENCHMARK(BM_WallToUniversalTime);

}  // namespace
}  // namespace kalto

BENCHMARK_MAIN();
