// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisRun.h"

#include "EphemerisStep.h"
#include "TimeScales.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <system_error>
#include <thread>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kalto {

namespace {

constexpr int MinutesPerDay = 1440;

// Steps that a thread takes from the shared counter at a time: few, so that
// the steps in flight stay close together in time.
constexpr std::int64_t BlockSteps = 8;

// The span and the step as the run uses them: a span below one day counts as
// one day, and the steps per day are held to 1..1440 so that the step length
// is at least a minute.
int RunDays(const EphemerisRequest& request) noexcept {
    return std::max(request.SpanDays, 1);
}

int RunStepsPerDay(const EphemerisRequest& request) noexcept {
    return std::clamp(request.StepsPerDay, 1, MinutesPerDay);
}

// The wall time of a step at a fixed offset: the start date plus whole days
// plus the step length times the step within the day.
TDateTime FixedStepWallTime(const EphemerisRequest& request, std::int64_t index) noexcept {
    const int stepsPerDay = RunStepsPerDay(request);
    const int stepMinutes = MinutesPerDay / stepsPerDay;
    const std::int64_t day = index / stepsPerDay;
    const std::int64_t step = index % stepsPerDay;
    return std::floor(request.StartDate) + static_cast<double>(day) +
           static_cast<double>(step * stepMinutes) / MinutesPerDay;
}

// The universal time of the first day's 00:00 on a named zone's wall clock;
// unused at a fixed offset.
TDateTime FirstDayUniversalTime(const EphemerisRequest& request) {
    return request.Clock.Zone() ? request.Clock.ToUniversalTime(std::floor(request.StartDate)) : 0;
}

// StepUniversalTime, given FirstDayUniversalTime, so that the steps of a run
// shorter than a day look the zone up once.
TDateTime StepUniversalTime(const EphemerisRequest& request, TDateTime firstDay, std::int64_t index) {
    const int stepsPerDay = RunStepsPerDay(request);
    const int stepMinutes = MinutesPerDay / stepsPerDay;
    const WallClock& clock = request.Clock;
    if (!clock.Zone()) {
        return clock.ToUniversalTime(FixedStepWallTime(request, index));
    }
    if (stepsPerDay == 1) {
        return clock.ToUniversalTime(std::floor(request.StartDate) + static_cast<double>(index));
    }
    return firstDay + static_cast<double>(index * stepMinutes) / MinutesPerDay;
}

// Every body at one step, narrowed into row `index` of each body's rows.
void ComputeStep(Engine& engine, TDateTime universal, EphemerisRowSet& rows, std::size_t index) noexcept {
    const StepPositions step = ComputeAllBodies(engine, LocalToJDE(universal, 0).jde);
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        const BodyPosition& p = step[body];
        rows.Bodies[body][index] = {static_cast<float>(p.Longitude),      static_cast<float>(p.Latitude),
                                    static_cast<float>(p.RightAscension), static_cast<float>(p.Declination),
                                    static_cast<float>(p.Distance),       universal};
    }
}

// Sizes the rows of one body. On Linux the buffer is first advised into huge
// pages: the rows of the largest run take 74 MB, and faulting them in 4 KB
// pages can take longer than computing them.
void SizeRows(std::vector<EphemerisRow>& rows, std::size_t count) {
    rows.reserve(count);
#if defined(__linux__)
    constexpr std::uintptr_t HugePage = std::uintptr_t{1} << 21;
    const auto first = (reinterpret_cast<std::uintptr_t>(rows.data()) + HugePage - 1) & ~(HugePage - 1);
    const auto last = (reinterpret_cast<std::uintptr_t>(rows.data() + count)) & ~(HugePage - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
    rows.resize(count);
}

// What the threads of one run share. Each thread writes only the rows of the
// steps it took from NextStep.
struct RunState {
    const EphemerisRequest Request;  // a copy: the run reads the start and the zone once
    TDateTime FirstDay;              // FirstDayUniversalTime of the request
    std::int64_t TotalSteps;
    EphemerisRowSet& Rows;
    EphemerisProgress& Progress;
    std::shared_ptr<SeriesFits> Fits{};  // null when the run evaluates the series directly
    std::vector<SeriesPiece> Pieces{};   // the pieces of the span, fitted before the steps
    std::atomic<std::size_t> NextPiece{0};
    // Set by the calling thread once the rows are sized, or could not be
    // (RowsSized false); the other threads fit pieces meanwhile.
    std::atomic<bool> RowsReady{false};
    bool RowsSized = false;
    std::atomic<std::int64_t> NextStep{0};
    std::atomic<std::int64_t> StepsComputed{0};
};

// Pieces until none are left or a stop is requested: a run stopped early
// must not spend the time of fitting its whole span before it ends.
void FitPieces(RunState& state) {
    for (;;) {
        if (state.Progress.StopRequested.load(std::memory_order_relaxed)) return;
        const std::size_t i = state.NextPiece.fetch_add(1, std::memory_order_relaxed);
        if (i >= state.Pieces.size()) return;
        state.Fits->Prepare(state.Pieces[i]);
    }
}

// One thread's share of the steps: blocks of steps in time order until none
// are left or a stop is requested.
void ComputeSteps(RunState& state) {
    Engine engine(state.Fits);
    const std::int64_t total = state.TotalSteps;
    std::int64_t computed = 0;
    for (;;) {
        const std::int64_t first = state.NextStep.fetch_add(BlockSteps, std::memory_order_relaxed);
        if (first >= total) {
            break;
        }
        const std::int64_t last = std::min(first + BlockSteps, total);
        for (std::int64_t i = first; i < last; ++i) {
            if (state.Progress.StopRequested.load(std::memory_order_relaxed)) {
                state.StepsComputed.fetch_add(computed);
                return;
            }
            ComputeStep(engine, StepUniversalTime(state.Request, state.FirstDay, i), state.Rows,
                        static_cast<std::size_t>(i));
            state.Progress.StepsDone.fetch_add(1, std::memory_order_relaxed);
            ++computed;
        }
    }
    state.StepsComputed.fetch_add(computed);
}

// A helper thread: pieces while the calling thread sizes the rows, then steps.
void HelpRun(RunState& state) {
    FitPieces(state);
    state.RowsReady.wait(false, std::memory_order_acquire);
    if (state.RowsSized) {
        ComputeSteps(state);
    }
}

unsigned ThreadCount(unsigned asked, std::int64_t totalSteps) {
    const unsigned threads = asked != 0 ? asked : std::max(std::thread::hardware_concurrency(), 1u);
    const std::int64_t blocks = (totalSteps + BlockSteps - 1) / BlockSteps;
    return static_cast<unsigned>(std::clamp<std::int64_t>(blocks, 1, threads));
}

}  // namespace

std::int64_t TotalSteps(const EphemerisRequest& request) noexcept {
    return std::int64_t{RunDays(request)} * RunStepsPerDay(request);
}

TDateTime StepUniversalTime(const EphemerisRequest& request, std::int64_t index) {
    return StepUniversalTime(request, FirstDayUniversalTime(request), index);
}

TDateTime StepInstant(const EphemerisRequest& request, std::int64_t index) {
    if (!request.Clock.Zone()) {
        return FixedStepWallTime(request, index);
    }
    return request.Clock.ToWallTime(StepUniversalTime(request, index));
}

std::unique_ptr<EphemerisRowSet> RunEphemeris(const EphemerisRequest& request, EphemerisProgress& progress,
                                              unsigned threads) {
    const std::int64_t total = TotalSteps(request);
    auto rows = std::make_unique<EphemerisRowSet>();
    rows->StartDate = request.StartDate;
    rows->EndDate = request.EndDate;
    rows->Clock = request.Clock;

    RunState state{request, FirstDayUniversalTime(request), total, *rows, progress};
    if (request.Evaluation == SeriesEvaluation::Fitted) {
        state.Fits = std::make_shared<SeriesFits>();
        state.Pieces = PiecesCovering(LocalToJDE(StepUniversalTime(request, 0), 0).jde,
                                      LocalToJDE(StepUniversalTime(request, total - 1), 0).jde);
    }
    {
        // The calling thread sizes the rows and computes too; the others are
        // joined when the block ends, before the rows are read or released.
        const unsigned count = ThreadCount(threads, total);
        std::vector<std::jthread> helpers;
        helpers.reserve(count - 1);
        for (unsigned i = 1; i < count; ++i) {
            try {
                helpers.emplace_back(HelpRun, std::ref(state));
            } catch (const std::system_error&) {
                break;  // the threads already started share the work
            }
        }
        try {
            // A run stopped before or while its rows are sized sizes no more.
            int body = FirstBody;
            while (body <= LastComputedBody && !progress.StopRequested.load(std::memory_order_relaxed)) {
                SizeRows(rows->Bodies[body], static_cast<std::size_t>(total));
                ++body;
            }
            state.RowsSized = body > LastComputedBody;
        } catch (...) {
            state.RowsReady.store(true, std::memory_order_release);
            state.RowsReady.notify_all();
            throw;
        }
        state.RowsReady.store(true, std::memory_order_release);
        state.RowsReady.notify_all();
        FitPieces(state);
        if (state.RowsSized) {
            ComputeSteps(state);
        }
    }
    if (state.StepsComputed.load() < total) {
        return nullptr;
    }
    return rows;
}

}  // namespace kalto
