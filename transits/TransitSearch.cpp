// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransitSearch.h"

#include "BodyMotion.h"
#include "BodySamples.h"
#include "TimeRoot.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <tuple>

namespace kalto {

namespace {

// How far a stay open at an end of the span is followed, days: a slow
// planet's loop in a wide orb lasts years.
constexpr double MaxStayFollowed = 3700;
// A bracket is searched only where the body stands within this many degrees
// of the target at both ends, away from the jump of the signed angle opposite.
constexpr double NearTarget = 90;

struct Target {
    int Point = 0;
    int Aspect = 0;
    double Longitude = 0;
    double Orb = 0;
};

std::vector<Target> Targets(const TransitRequest& request) {
    std::vector<Target> targets;
    for (std::size_t point = 0; point < request.Points.size(); ++point) {
        for (const TransitAspect& aspect : request.Aspects) {
            const double longitude = request.Points[point].Longitude;
            const int p = static_cast<int>(point);
            targets.push_back({p, aspect.Degrees, NormalizedLongitude(longitude + aspect.Degrees), aspect.Orb});
            if (aspect.Degrees != 0 && aspect.Degrees != 180) {
                targets.push_back({p, aspect.Degrees, NormalizedLongitude(longitude - aspect.Degrees), aspect.Orb});
            }
        }
    }
    return targets;
}

enum class Crossing { Enters, Exact, Leaves };

struct Event {
    TDateTime Time = 0;
    Crossing Kind = Crossing::Exact;
};

// A stay within the orb of one target, as far as the samples reach.
struct Stay {
    std::optional<TDateTime> Start;
    std::optional<TDateTime> End;
    std::vector<TDateTime> Passes;
};

class TargetScan {
public:
    TargetScan(Engine& engine, int body, const Target& target) : Computer(engine), BodyNumber(body), Aim(target) {}

    [[nodiscard]] double From(double longitude) const noexcept { return SignedDegrees(longitude - Aim.Longitude); }
    [[nodiscard]] bool Inside(double longitude) const noexcept { return std::fabs(From(longitude)) <= Aim.Orb; }

    // The stays that the samples show.
    std::vector<Stay> Stays(const std::vector<LongitudeSample>& samples) {
        std::vector<Stay> stays;
        std::optional<Stay> open;
        if (!samples.empty() && Inside(samples.front().Longitude)) open = Stay{};
        for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
            for (const Event& event : Crossings(samples[i], samples[i + 1])) {
                switch (event.Kind) {
                    case Crossing::Enters: open = Stay{event.Time, std::nullopt, {}}; break;
                    case Crossing::Exact:
                        if (open) open->Passes.push_back(event.Time);
                        break;
                    case Crossing::Leaves:
                        if (open) {
                            open->End = event.Time;
                            stays.push_back(std::move(*open));
                        }
                        open.reset();
                        break;
                }
            }
        }
        if (open) stays.push_back(std::move(*open));
        return stays;
    }

private:
    // The crossings of the orb's edges and of the target between two samples,
    // in time order: the longitude moves one way between them, so each is
    // crossed at most once.
    std::vector<Event> Crossings(const LongitudeSample& a, const LongitudeSample& b) {
        std::vector<Event> events;
        const double da = From(a.Longitude);
        const double db = From(b.Longitude);
        if (std::fabs(da) >= NearTarget || std::fabs(db) >= NearTarget) return events;
        const auto find = [&](double shift, Crossing kind) {
            const double fa = da - shift;
            const double fb = db - shift;
            // A zero at the first sample was the previous bracket's.
            if (fa == 0 || (fb != 0 && (fa > 0) == (fb > 0))) return;
            const auto f = [this, shift](TDateTime t) {
                return LongitudeFrom(Computer, BodyNumber, Aim.Longitude, t) - shift;
            };
            if (const auto root = FindTimeRoot(f, a.Time, fa, b.Time, fb, CrossingTolerance)) {
                events.push_back({root->Time, kind});
            }
        };
        // Going into the orb over one edge, out over the other.
        const bool forward = db > da;
        find(-Aim.Orb, forward ? Crossing::Enters : Crossing::Leaves);
        find(0, Crossing::Exact);
        find(Aim.Orb, forward ? Crossing::Leaves : Crossing::Enters);
        std::sort(events.begin(), events.end(), [forward](const Event& x, const Event& y) {
            return std::tie(x.Time, x.Kind) < std::tie(y.Time, y.Kind);
        });
        return events;
    }

    Engine& Computer;
    int BodyNumber;
    Target Aim;
};

// The sample range widened until no target's stay is open at either end, or
// until MaxStayFollowed.
void FollowOpenStays(BodySamples& samples, const std::vector<Target>& targets, Engine& engine, int body) {
    const auto openAt = [&](double longitude) {
        return std::any_of(targets.begin(), targets.end(),
                           [&](const Target& target) { return TargetScan(engine, body, target).Inside(longitude); });
    };
    double chunk = 32 * samples.Step();
    for (double followed = 0; followed < MaxStayFollowed; followed += chunk, chunk *= 2) {
        const std::vector<LongitudeSample> all = samples.Samples();
        const bool before = openAt(all.front().Longitude);
        const bool after = openAt(all.back().Longitude);
        if (!before && !after) return;
        if (before) samples.ExtendBefore(chunk);
        if (after) samples.ExtendAfter(chunk);
    }
}

void AddRows(const TransitRequest& request, int body, const Target& target, const Stay& stay, Engine& engine,
             std::vector<Transit>& rows) {
    Transit row{.Body = body,
                .Aspect = target.Aspect,
                .Point = target.Point,
                .Start = stay.Start,
                .Exact = std::nullopt,
                .End = stay.End,
                .Pass = 0,
                .Passes = static_cast<int>(stay.Passes.size()),
                .ExactLongitude = 0};
    if (stay.Passes.empty()) {
        const bool overlaps = (!stay.Start || *stay.Start < request.End) && (!stay.End || *stay.End > request.Start);
        if (overlaps) rows.push_back(row);
        return;
    }
    for (std::size_t pass = 0; pass < stay.Passes.size(); ++pass) {
        const TDateTime exact = stay.Passes[pass];
        if (exact < request.Start || exact >= request.End) continue;
        row.Exact = exact;
        row.Pass = static_cast<int>(pass) + 1;
        row.ExactLongitude = NormalizedLongitude(LongitudeAtUT(engine, body, exact));
        rows.push_back(row);
    }
}

std::vector<Transit> SearchBody(const TransitRequest& request, const std::vector<Target>& targets, int body,
                                TransitProgress& progress) {
    std::vector<Transit> rows;
    Engine engine(request.Evaluation);
    BodySamples samples(engine, body, request.Start, request.End);
    FollowOpenStays(samples, targets, engine, body);
    const std::vector<LongitudeSample> all = samples.Samples();
    for (const Target& target : targets) {
        if (progress.StopRequested.load(std::memory_order_relaxed)) return {};
        TargetScan scan(engine, body, target);
        for (const Stay& stay : scan.Stays(all)) {
            AddRows(request, body, target, stay, engine, rows);
        }
    }
    return rows;
}

TDateTime SortTime(const Transit& row, TDateTime spanStart) {
    if (row.Exact) return *row.Exact;
    return row.Start ? std::max(*row.Start, spanStart) : spanStart;
}

}  // namespace

std::optional<std::vector<Transit>> SearchTransits(const TransitRequest& request, TransitProgress& progress,
                                                   unsigned threads) {
    const std::vector<Target> targets = Targets(request);
    std::vector<std::vector<Transit>> byBody(request.Bodies.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < request.Bodies.size();) {
            if (progress.StopRequested.load(std::memory_order_relaxed)) return;
            byBody[i] = SearchBody(request, targets, request.Bodies[i], progress);
            progress.BodiesDone.fetch_add(1, std::memory_order_relaxed);
        }
    };
    if (threads == 0) threads = std::max(1U, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<std::size_t>(threads, request.Bodies.size()));
    {
        std::vector<std::jthread> helpers;
        for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work);
        work();
    }
    if (progress.StopRequested.load()) return std::nullopt;

    std::vector<Transit> rows;
    for (auto& body : byBody) rows.insert(rows.end(), body.begin(), body.end());
    std::stable_sort(rows.begin(), rows.end(), [&request](const Transit& a, const Transit& b) {
        return std::make_tuple(SortTime(a, request.Start), a.Body, a.Point, a.Aspect, a.Pass) <
               std::make_tuple(SortTime(b, request.Start), b.Body, b.Point, b.Aspect, b.Pass);
    });
    return rows;
}

}  // namespace kalto
