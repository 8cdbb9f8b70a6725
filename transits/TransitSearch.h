// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Transits to a chart: every stay of the transiting bodies within the orb of
// an aspect to a point of the chart, and each exact pass inside a stay. A
// retrograde loop over an aspect's degree gives one stay with three passes.
//
// A target is a point of the chart plus or minus an aspect: the longitude at
// which the aspect is exact (0° and 180° have one, the others one on each
// side of the point). A body is in the orb while it stands within the orb of a
// target; it passes exactly where it crosses the target.

#include "Chart.h"
#include "DateTime.h"
#include "Engine.h"

#include <array>
#include <atomic>
#include <optional>
#include <vector>

namespace kalto {

struct TransitAspect {
    int Degrees = 0;   // 0..180
    double Orb = 1.0;  // degrees
};

inline constexpr std::array<int, 5> MajorAspects = {0, 60, 90, 120, 180};
inline constexpr double DefaultTransitOrb = 1.0;
inline constexpr double MinTransitOrb = 5.0 / 60;
inline constexpr double MaxTransitOrb = 10.0;

struct TransitRequest {
    std::vector<int> Bodies;  // body numbers of the transiting bodies
    std::vector<ChartPoint> Points;
    std::vector<TransitAspect> Aspects;
    // The span, universal time: exact passes from Start up to End.
    TDateTime Start = 0;
    TDateTime End = 0;
    SeriesEvaluation Evaluation = SeriesEvaluation::Fitted;
};

// One row of the result: an exact pass, or a stay without one.
struct Transit {
    int Body = 0;
    int Aspect = 0;  // degrees
    int Point = 0;   // index into the request's points
    // Universal time. The stay's ends, none when they lie more than about ten
    // years away; no exact moment for a stay without an exact pass.
    std::optional<TDateTime> Start;
    std::optional<TDateTime> Exact;
    std::optional<TDateTime> End;
    int Pass = 0;               // the pass's number in its stay, 1..Passes; 0 without one
    int Passes = 0;             // the stay's exact passes, those outside the span included
    double ExactLongitude = 0;  // the body's longitude at Exact

    bool operator==(const Transit&) const = default;
};

// Shared with whoever watches a search: how many bodies are done, and a stop
// request that the search honours between bodies and targets.
struct TransitProgress {
    std::atomic<int> BodiesDone{0};
    std::atomic<bool> StopRequested{false};
};

// The rows, sorted by exact moment (a stay without one by its start, or the
// span's start when it began before), then by body, point and aspect: every
// exact pass in [Start, End), and every stay without one that overlaps the
// span. Nothing when a stop was requested. threads = 0 uses every core; each
// body is searched by one thread with an engine of its own.
[[nodiscard]] std::optional<std::vector<Transit>> SearchTransits(const TransitRequest& request,
                                                                 TransitProgress& progress, unsigned threads = 0);

}  // namespace kalto
