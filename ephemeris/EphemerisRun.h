// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ephemeris run: every body at every step of a span of days, computed on
// several threads, each with its own engine.

#include "Engine.h"
#include "EphemerisRows.h"
#include "WallClock.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>

namespace kalto {

// The items of the step selector: caption and steps per day.
struct EphemerisStepChoice {
    std::string_view Text;
    int StepsPerDay;
};

inline constexpr std::array<EphemerisStepChoice, 10> EphemerisStepChoices{{
    {"24 horas", 1},
    {"12 horas", 2},
    {"6   horas", 4},
    {"3   horas", 8},
    {"2   horas", 12},
    {"60 min", 24},
    {"30 min", 48},
    {"15 min", 96},
    {"10 min", 144},
    {"5   min", 288},
}};

struct EphemerisRequest {
    TDateTime StartDate = 0;  // the first day; its time of day is ignored
    TDateTime EndDate = 0;    // kept with the rows; the span is SpanDays
    int SpanDays = 1;         // at least 1
    int StepsPerDay = 1;      // one of EphemerisStepChoices
    WallClock Clock;          // the wall clock of the dates and of the rows' hours
    // Direct sums every series in full at every step, to check the fitted
    // approximations that a run uses by default.
    SeriesEvaluation Evaluation = SeriesEvaluation::Fitted;
};

// Shared between a run's threads and whoever watches it: the stop request and
// the count of steps done, both safe to touch from any thread.
struct EphemerisProgress {
    std::atomic<bool> StopRequested{false};
    std::atomic<std::int64_t> StepsDone{0};
};

[[nodiscard]] std::int64_t TotalSteps(const EphemerisRequest& request) noexcept;

// The universal time of step `index` (0-based). With one step a day, step k
// is day k's own 00:00 on the wall clock; with shorter steps, the steps are
// evenly spaced in real time from the first day's 00:00, so at a change of
// summer time the wall hours jump while the count of steps stays the same.
// At a fixed offset both are the start date plus whole days plus the step
// length times the step within the day, on the wall clock.
[[nodiscard]] TDateTime StepUniversalTime(const EphemerisRequest& request, std::int64_t index);

// The wall-clock time of step `index`.
[[nodiscard]] TDateTime StepInstant(const EphemerisRequest& request, std::int64_t index);

// Runs the whole span; returns the rows, or nullptr when a stop was requested
// before the last step. threads = 0 uses every core. The threads first fit
// the approximations of the span together and share them; steps are then
// handed out in time order, so StepsDone also tells roughly which instant is
// being computed. Throws std::bad_alloc when the rows do not fit in memory.
[[nodiscard]] std::unique_ptr<EphemerisRowSet> RunEphemeris(const EphemerisRequest& request,
                                                            EphemerisProgress& progress, unsigned threads = 0);

}  // namespace kalto
