// SPDX-License-Identifier: GPL-3.0-or-later
// Engine throughput: one ComputePlanet call per body, and one whole ephemeris
// step of eleven bodies, with the fitted series and with the series summed
// directly. Instants advance by a few minutes per iteration so no result can
// be reused (the fitted pieces are, as in a run).

#include "ApparentPlace.h"
#include "EphemerisStep.h"

#include <benchmark/benchmark.h>

namespace kalto {
namespace {

constexpr double StartJde = 2460650.5;  // 2024-12-08
constexpr double Step = 5.0 / 1440;     // five minutes

void BM_ComputePlanet(benchmark::State& state) {
    const int body = static_cast<int>(state.range(0));
    Engine engine;
    double jde = StartJde;
    for (auto _ : state) {
        engine.ComputePlanet(body, 23.44, jde);
        benchmark::DoNotOptimize(engine.BodyPositions[body].Longitude);
        jde += Step;
    }
    state.SetLabel(std::string(BodyLabels[body]));
}
BENCHMARK(BM_ComputePlanet)->DenseRange(Sol, Sol)->DenseRange(Mer, Nep);

void BM_ComputeMoon(benchmark::State& state) {
    Engine engine;
    double jde = StartJde;
    for (auto _ : state) {
        engine.ComputeMoon(jde);
        benchmark::DoNotOptimize(engine.BodyPositions[Lun].Longitude);
        jde += Step;
    }
}
BENCHMARK(BM_ComputeMoon);

void BM_ComputePluto(benchmark::State& state) {
    Engine engine;
    double jde = StartJde;
    for (auto _ : state) {
        engine.ComputePluto(23.44, 0.985, jde);
        benchmark::DoNotOptimize(engine.BodyPositions[Plu].Longitude);
        jde += Step;
    }
}
BENCHMARK(BM_ComputePluto);

void BM_EphemerisStep(benchmark::State& state) {
    Engine engine(static_cast<SeriesEvaluation>(state.range(0)));
    double jde = StartJde;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeAllBodies(engine, jde));
        jde += Step;
    }
    state.SetLabel(engine.Evaluation() == SeriesEvaluation::Fitted ? "fitted series" : "series summed directly");
}
BENCHMARK(BM_EphemerisStep)
    ->Arg(static_cast<int>(SeriesEvaluation::Fitted))
    ->Arg(static_cast<int>(SeriesEvaluation::Direct));

}  // namespace
}  // namespace kalto

BENCHMARK_MAIN();
