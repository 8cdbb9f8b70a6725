// SPDX-License-Identifier: GPL-3.0-or-later
// Contact search throughput: one whole search of 24 months, "Múltiplo" 15° with
// an orb of 5° 0', for the Sun and for the Moon; the same searches with the
// fine scan walking every step, to show what its leaps save; and the Sun, the
// Moon and Mars with and without "momentos exactos", to show what refining
// every moment costs.

#include "ContactSearch.h"

#include <benchmark/benchmark.h>

#include <string>

namespace kalto {
namespace {

ContactSearchInput TwoYearSearch(int body) {
    ContactSearchInput input;
    input.Body = body;
    input.StartDate = EncodeDate(2027, 1, 1);
    input.EndDate = IncMonth(input.StartDate, 24);
    input.Angle = 15;
    input.Exact = false;
    input.Position = {.Degrees = 10, .Minutes = 0, .Seconds = 0};
    input.Orb = 5;
    return input;
}

void Search(benchmark::State& state, const FineScanPolicy& policy, bool exactMoments = false) {
    const int body = static_cast<int>(state.range(0));
    ContactSearchInput input = TwoYearSearch(body);
    input.ExactMoments = exactMoments;
    std::size_t contacts = 0;
    for (auto _ : state) {
        ContactSearchProgress progress;
        const ContactSearchResult result = SearchContacts(input, progress, policy);
        contacts = result.Contacts.size();
        benchmark::DoNotOptimize(result.Contacts.data());
    }
    state.SetLabel(std::string(BodyLabels[body]) + ", " + std::to_string(contacts) + " contacts");
}

void BM_ContactSearch(benchmark::State& state) {
    Search(state, DefaultFineScan(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ContactSearch)->Arg(Sol)->Arg(Lun)->Unit(benchmark::kMillisecond);

void BM_ContactSearchEveryFineStep(benchmark::State& state) {
    FineScanPolicy policy = DefaultFineScan(static_cast<int>(state.range(0)));
    policy.SpeedLimit = 0;
    Search(state, policy);
}
BENCHMARK(BM_ContactSearchEveryFineStep)->Arg(Sol)->Arg(Lun)->Unit(benchmark::kMillisecond)->Iterations(1);

// Arguments: the body, and 1 for "momentos exactos".
void BM_ContactSearchExactMoments(benchmark::State& state) {
    const int body = static_cast<int>(state.range(0));
    Search(state, DefaultFineScan(body), state.range(1) != 0);
}
BENCHMARK(BM_ContactSearchExactMoments)
    ->Args({Sol, 0})
    ->Args({Sol, 1})
    ->Args({Lun, 0})
    ->Args({Lun, 1})
    ->Args({Mar, 0})
    ->Args({Mar, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalto

BENCHMARK_MAIN();
