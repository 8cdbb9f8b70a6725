// SPDX-License-Identifier: GPL-3.0-or-later
// The speed targets side by side, in one run on one machine:
//   - the largest ephemeris (732 days at 5-minute steps, eleven bodies), as
//     the window runs it on every core;
//   - the two demanding contact searches: the Moon and the Sun, "Múltiplo"
//     15 degrees, orb 5 degrees 0', 24 months, each checked against the same
//     search with the series summed directly (the contact times must agree
//     exactly);
//   - when the Swiss Ephemeris library was found at build time, the same
//     largest ephemeris computed with it (apparent ecliptic and equatorial
//     positions, two calls per body and step, rows stored as Kalto stores
//     them), on one thread and on every core.
// Each figure is the best of `runs` (the first argument, 3 by default). With
// --direct the largest ephemeris is also computed with the series summed
// directly (about half a minute a core) and its rows compared with the
// fitted run's, narrowed to 32 bits.

#include "ContactSearch.h"
#include "EphemerisRun.h"
#include "EphemerisSpan.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#if KALTO_HAVE_SWISS_EPHEMERIS
#include <swephexp.h>
#endif

namespace kalto {
namespace {

using Clock = std::chrono::steady_clock;

const TDateTime SpanStart = EncodeDate(2027, 1, 1);

EphemerisRequest LargestEphemeris() {
    const TDateTime end = IncMonth(SpanStart, LimitedSpanMonths);
    return {SpanStart, end, SpanDays(SpanStart, end), 288, WallClock()};
}

ContactSearchInput DemandingSearch(int body) {
    ContactSearchInput input;
    input.Body = body;
    input.StartDate = SpanStart;
    input.EndDate = IncMonth(SpanStart, 24);
    input.Angle = 15;
    input.Exact = false;
    input.Position = {.Degrees = 10, .Minutes = 0, .Seconds = 0};
    input.Orb = 5;
    return input;
}

// The system's load averages, which tell whether other work shared the cores.
std::string LoadText() {
    std::array<double, 3> load{};
    if (getloadavg(load.data(), 3) != 3) return "load average unknown";
    std::array<char, 96> text{};
    std::snprintf(text.data(), text.size(), "load average %.2f, %.2f, %.2f", load[0], load[1], load[2]);
    return text.data();
}

// The shortest of `runs` timings of `work`: the time on the clock and the
// processor time of all the process's threads, seconds. The second hardly
// depends on what else the machine runs.
struct Timing {
    double Seconds = INFINITY;
    double ProcessorSeconds = INFINITY;
};

Timing BestTime(int runs, const std::function<void()>& work) {
    Timing best;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        const std::clock_t processorStart = std::clock();
        work();
        const double processor = static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
        best.Seconds = std::min(best.Seconds, std::chrono::duration<double>(Clock::now() - start).count());
        best.ProcessorSeconds = std::min(best.ProcessorSeconds, processor);
    }
    return best;
}

std::unique_ptr<EphemerisRowSet> RunLargest(SeriesEvaluation evaluation) {
    EphemerisRequest request = LargestEphemeris();
    request.Evaluation = evaluation;
    EphemerisProgress progress;
    return RunEphemeris(request, progress);
}

// A float's place among all floats in order: consecutive floats, -0 and +0
// included, are one apart.
std::int64_t FloatOrder(float value) {
    std::int32_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits < 0 ? std::int64_t{INT32_MIN} - bits : bits;
}

// Units in the last place between two floats.
std::int64_t UlpsApart(float a, float b) {
    return std::llabs(FloatOrder(a) - FloatOrder(b));
}

void CompareWithDirect(const EphemerisRowSet& fitted) {
    std::printf("  computing it with the series summed directly...\n");
    const Clock::time_point start = Clock::now();
    const auto direct = RunLargest(SeriesEvaluation::Direct);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::int64_t worst = 0;
    std::int64_t apart = 0;
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        for (std::size_t i = 0; i < fitted.RowCount(); ++i) {
            const EphemerisRow& f = fitted.Bodies[body][i];
            const EphemerisRow& d = direct->Bodies[body][i];
            for (const auto field : {&EphemerisRow::Longitude, &EphemerisRow::Latitude, &EphemerisRow::RightAscension,
                                     &EphemerisRow::Declination, &EphemerisRow::Distance}) {
                const std::int64_t ulps = UlpsApart(f.*field, d.*field);
                worst = std::max(worst, ulps);
                apart += ulps != 0 ? 1 : 0;
            }
        }
    }
    std::printf("  direct: %.2f s; values that differ: %lld of %zu, by at most %lld unit(s) in the last place\n",
                seconds, static_cast<long long>(apart), fitted.RowCount() * ComputedBodyCount * 5,
                static_cast<long long>(worst));
}

// The contacts of one search, the times compared exactly.
bool SameContacts(const ContactRecordList& a, const ContactRecordList& b) {
    return std::ranges::equal(a, b, [](const ContactRecordPtr& x, const ContactRecordPtr& y) {
        return x->MomentsFound == y->MomentsFound && x->StartTime == y->StartTime && x->ExactTime == y->ExactTime &&
               x->EndTime == y->EndTime && x->ContactAngle == y->ContactAngle;
    });
}

void TimeSearch(int body, int runs) {
    const ContactSearchInput input = DemandingSearch(body);
    ContactSearchResult result;
    const double seconds = BestTime(runs, [&] {
                               ContactSearchProgress progress;
                               result = SearchContacts(input, progress);
                           }).Seconds;
    ContactSearchInput directInput = input;
    directInput.Evaluation = SeriesEvaluation::Direct;
    ContactSearchProgress progress;
    const ContactSearchResult direct = SearchContacts(directInput, progress);
    std::printf("  %-4s %8.1f ms  %4zu contacts; times equal to the direct search's: %s  [target 500 ms]\n",
                BodyLabels[body].data(), seconds * 1e3, result.Contacts.size(),
                SameContacts(result.Contacts, direct.Contacts) ? "yes" : "NO");
}

#if KALTO_HAVE_SWISS_EPHEMERIS

// The largest ephemeris through the Swiss Ephemeris: the same local instants
// (zone 0, so Universal Time), the Sun, Moon, Mercury to Pluto and the mean
// node, whose numbers there are Kalto's less one. Each thread takes a
// contiguous share of the steps, the order that suits the library's caches.
// The rows are stored as Kalto stores them, but allocated before the clock
// starts: the library is not charged for the memory, Kalto is.
Timing PeerLargest(unsigned threads, int runs, bool& usedFiles) {
    const EphemerisRequest request = LargestEphemeris();
    const std::int64_t total = TotalSteps(request);
    constexpr double JulianDayOfDateTimeZero = 2415018.5;  // 1899-12-30 0h
    std::atomic<bool> files{true};
    EphemerisRowSet rows;
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        rows.Bodies[body].resize(static_cast<std::size_t>(total));
    }
    const Timing timing = BestTime(runs, [&] {
        const auto share = [&](std::int64_t first, std::int64_t last) {
            std::array<char, 256> error{};
            std::array<double, 6> ecliptic{};
            std::array<double, 6> equatorial{};
            for (std::int64_t i = first; i < last; ++i) {
                const TDateTime local = StepInstant(request, i);
                for (int body = FirstBody; body <= LastComputedBody; ++body) {
                    const int flags = swe_calc_ut(local + JulianDayOfDateTimeZero, body - 1, SEFLG_SWIEPH,
                                                  ecliptic.data(), error.data());
                    swe_calc_ut(local + JulianDayOfDateTimeZero, body - 1, SEFLG_SWIEPH | SEFLG_EQUATORIAL,
                                equatorial.data(), error.data());
                    if ((flags & SEFLG_SWIEPH) == 0) files = false;
                    rows.Bodies[body][static_cast<std::size_t>(i)] = {
                        static_cast<float>(ecliptic[0]),   static_cast<float>(ecliptic[1]),
                        static_cast<float>(equatorial[0]), static_cast<float>(equatorial[1]),
                        static_cast<float>(ecliptic[2]),   local};
                }
            }
        };
        std::vector<std::jthread> helpers;
        for (unsigned t = 1; t < threads; ++t) {
            helpers.emplace_back(share, total * t / threads, total * (t + 1) / threads);
        }
        share(0, total / threads);
    });
    usedFiles = files;
    return timing;
}

#endif

int Main(int argc, char** argv) {
    int runs = 3;
    bool direct = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--direct") {
            direct = true;
        } else {
            runs = std::max(1, std::atoi(argv[i]));
        }
    }
    const unsigned cores = std::max(std::thread::hardware_concurrency(), 1u);
    std::printf("Kalto speed benchmark: %u cores, best of %d runs; %s\n", cores, runs, LoadText().c_str());

    const EphemerisRequest largest = LargestEphemeris();
    const std::int64_t steps = TotalSteps(largest);
    const auto rowCount = static_cast<double>(steps * ComputedBodyCount);
    std::printf("\nLargest ephemeris: %d days x %d steps x %d bodies = %.0f rows, %.1f MB of rows [target 80 MB]\n",
                largest.SpanDays, largest.StepsPerDay, ComputedBodyCount, rowCount,
                rowCount * sizeof(EphemerisRow) / 1e6);
    std::unique_ptr<EphemerisRowSet> rows;
    const Timing kalto = BestTime(runs, [&] { rows = RunLargest(SeriesEvaluation::Fitted); });
    std::printf("  Kalto, %u threads:              %7.3f s  [target 0.5 s]; processor time %.3f s\n", cores,
                kalto.Seconds, kalto.ProcessorSeconds);
    if (direct) CompareWithDirect(*rows);
    rows.reset();

#if KALTO_HAVE_SWISS_EPHEMERIS
    std::array<char, 256> version{};
    swe_version(version.data());
    bool files = true;
    const Timing peerOne = PeerLargest(1, runs, files);
    std::printf("  Swiss Ephemeris %s%s:\n", version.data(), files ? ", its ephemeris files" : ", Moshier (no files)");
    std::printf("    1 thread:                   %7.3f s, %.1f times Kalto's time [target 9]; processor time %.3f s, "
                "%.1f times Kalto's\n",
                peerOne.Seconds, peerOne.Seconds / kalto.Seconds, peerOne.ProcessorSeconds,
                peerOne.ProcessorSeconds / kalto.ProcessorSeconds);
    if (cores > 1) {
        const Timing peerAll = PeerLargest(cores, runs, files);
        std::printf("    %u threads:                  %7.3f s, %.1f times Kalto's time; processor time %.3f s\n", cores,
                    peerAll.Seconds, peerAll.Seconds / kalto.Seconds, peerAll.ProcessorSeconds);
    }
    swe_close();
#else
    std::printf("  (the Swiss Ephemeris library was not found when this was built: no comparison)\n");
#endif

    std::printf("\nContact searches, \"Múltiplo\" 15 degrees from 10 degrees, orb 5 degrees 0', 24 months:\n");
    TimeSearch(Lun, runs);
    TimeSearch(Sol, runs);
    std::printf("\nAt the end: %s\n", LoadText().c_str());
    return 0;
}

}  // namespace
}  // namespace kalto

int main(int argc, char** argv) {
    return kalto::Main(argc, argv);
}
