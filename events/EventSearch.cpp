// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventSearch.h"

#include "AspectNames.h"
#include "BodyMotion.h"
#include "BodySamples.h"
#include "SignNames.h"
#include "TimeRoot.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <thread>
#include <tuple>

namespace kalto {

namespace {

// The step of the grid on which the angles between bodies are sampled, days:
// the Moon moves less than four degrees in it.
constexpr double AngleStep = 0.25;
// How far beyond the span the search looks, days: further than the longest
// stay of the Moon in a sign (about two and a half days), so that a void
// period that starts in the span finds its sign's entry and its end.
constexpr double Margin = 3;

// The angles at which the angle between two bodies makes an aspect, signed:
// the aspects on either side.
constexpr std::array<int, 8> AspectAngles = {0, 60, -60, 90, -90, 120, -120, 180};
// The Moon's elongation at its phases, by phase.
constexpr std::array<int, 4> PhaseAngles = {0, 90, 180, -90};

double Normalized(double degrees) noexcept {
    double x = std::fmod(degrees, 360.0);
    if (x < 0) x += 360;
    return x >= 360 ? 0 : x;
}

int SignOf(double longitude) noexcept {
    return std::min(SignCount - 1, static_cast<int>(Normalized(longitude) / 30));
}

bool Wants(const EventRequest& request, EventKind kind) {
    return std::find(request.Kinds.begin(), request.Kinds.end(), kind) != request.Kinds.end();
}

Event MakeEvent(TDateTime time, int body, EventKind kind, int detail, int other, double longitude) {
    return {.Time = time,
            .Body = body,
            .Kind = kind,
            .Detail = detail,
            .Other = other,
            .Longitude = Normalized(longitude),
            .End = std::nullopt,
            .Text = EventText(kind, detail, other)};
}

// The stations and the sign ingresses of one body in [from, to).
std::vector<Event> BodyEvents(Engine& engine, int body, TDateTime from, TDateTime to, bool stations, bool ingresses) {
    std::vector<Event> events;
    const BodySamples samples(engine, body, from, to);
    const auto inside = [from, to](TDateTime t) { return t >= from && t < to; };
    if (stations) {
        for (const LongitudeSample& station : samples.Stations()) {
            if (!inside(station.Time)) continue;
            const bool retrograde = LongitudeRate(engine, body, station.Time + samples.Step()) < 0;
            events.push_back(
                MakeEvent(station.Time, body, EventKind::Station, retrograde ? -1 : 1, 0, station.Longitude));
        }
    }
    if (!ingresses) return events;
    const EventKind kind = body == Lun ? EventKind::MoonIngress : EventKind::Ingress;
    const std::vector<LongitudeSample> all = samples.Samples();
    for (std::size_t i = 0; i + 1 < all.size(); ++i) {
        const LongitudeSample& a = all[i];
        const LongitudeSample& b = all[i + 1];
        const int signBefore = SignOf(a.Longitude);
        const int signAfter = SignOf(b.Longitude);
        if (signBefore == signAfter) continue;
        // The longitude moves one way between the samples, less than a sign:
        // forward over the entered sign's first degree, backward over the
        // left sign's.
        const bool forward = SignedDegrees(b.Longitude - a.Longitude) > 0;
        const double boundary = 30.0 * (forward ? signAfter : signBefore);
        const auto f = [&engine, body, boundary](TDateTime t) { return LongitudeFrom(engine, body, boundary, t); };
        const auto root = FindTimeRoot(f, a.Time, SignedDegrees(a.Longitude - boundary), b.Time,
                                       SignedDegrees(b.Longitude - boundary), CrossingTolerance);
        if (root && inside(root->Time)) events.push_back(MakeEvent(root->Time, body, kind, signAfter, 0, boundary));
    }
    return events;
}

// The bodies' longitudes every AngleStep from a step before the span to a step
// after it.
struct AngleGrid {
    TDateTime Origin = 0;
    std::size_t Count = 0;
    std::array<std::vector<double>, 13> Longitudes;  // by body number

    [[nodiscard]] TDateTime Time(std::size_t k) const noexcept { return Origin + static_cast<double>(k) * AngleStep; }
};

void FillGrid(Engine& engine, AngleGrid& grid, int body) {
    std::vector<double>& longitudes = grid.Longitudes[static_cast<std::size_t>(body)];
    longitudes.resize(grid.Count);
    for (std::size_t k = 0; k < grid.Count; ++k) longitudes[k] = LongitudeAtUT(engine, body, grid.Time(k));
}

struct AngleCrossing {
    TDateTime Time = 0;
    int Angle = 0;  // the target, signed
};

// The instants in [from, to) at which the longitude of `first` minus that of
// `second` crosses one of the angles.
template <std::size_t N>
std::vector<AngleCrossing> AngleCrossings(Engine& engine, const AngleGrid& grid, int first, int second,
                                          const std::array<int, N>& angles, TDateTime from, TDateTime to) {
    std::vector<AngleCrossing> crossings;
    const std::vector<double>& a = grid.Longitudes[static_cast<std::size_t>(first)];
    const std::vector<double>& b = grid.Longitudes[static_cast<std::size_t>(second)];
    for (std::size_t k = 0; k + 1 < grid.Count; ++k) {
        const double d0 = SignedDegrees(a[k] - b[k]);
        const double d1 = SignedDegrees(a[k + 1] - b[k + 1]);
        for (const int angle : angles) {
            const double f0 = SignedDegrees(d0 - angle);
            const double f1 = SignedDegrees(d1 - angle);
            // Away from the jump of the signed angle; a zero at the first
            // sample was the previous step's.
            if (std::fabs(f0) >= 90 || std::fabs(f1) >= 90) continue;
            if (f0 == 0 || (f1 != 0 && (f0 > 0) == (f1 > 0))) continue;
            const auto f = [&engine, first, second, angle](TDateTime t) {
                return SignedDegrees(LongitudeBetween(engine, first, second, t) - angle);
            };
            const auto root = FindTimeRoot(f, grid.Time(k), f0, grid.Time(k + 1), f1, CrossingTolerance);
            if (root && root->Time >= from && root->Time < to) crossings.push_back({root->Time, angle});
        }
    }
    return crossings;
}

std::vector<Event> AspectsOf(Engine& engine, const AngleGrid& grid, std::size_t faster, TDateTime from, TDateTime to) {
    std::vector<Event> events;
    const int body = AspectBodies[faster];
    for (std::size_t slower = faster + 1; slower < AspectBodies.size(); ++slower) {
        const int other = AspectBodies[slower];
        for (const AngleCrossing& c : AngleCrossings(engine, grid, body, other, AspectAngles, from, to)) {
            events.push_back(MakeEvent(c.Time, body, EventKind::Aspect, std::abs(c.Angle), other,
                                       LongitudeAtUT(engine, body, c.Time)));
        }
    }
    return events;
}

std::vector<Event> Phases(Engine& engine, const AngleGrid& grid, TDateTime from, TDateTime to) {
    std::vector<Event> events;
    for (const AngleCrossing& c : AngleCrossings(engine, grid, Lun, Sol, PhaseAngles, from, to)) {
        const auto phase = std::find(PhaseAngles.begin(), PhaseAngles.end(), c.Angle) - PhaseAngles.begin();
        events.push_back(
            MakeEvent(c.Time, Lun, EventKind::Phase, static_cast<int>(phase), 0, LongitudeAtUT(engine, Lun, c.Time)));
    }
    return events;
}

// The Moon's void periods between its ingresses: from its last exact aspect
// in a sign, or from its entry into the sign when it makes none there, to its
// next ingress. `ingresses` and `aspects` in time order; the first ingress
// opens the first period.
std::vector<Event> VoidPeriods(Engine& engine, const std::vector<Event>& ingresses, const std::vector<Event>& aspects) {
    std::vector<Event> periods;
    auto aspect = aspects.begin();
    for (std::size_t i = 0; i + 1 < ingresses.size(); ++i) {
        const TDateTime entry = ingresses[i].Time;
        const TDateTime exit = ingresses[i + 1].Time;
        TDateTime start = entry;
        for (; aspect != aspects.end() && aspect->Time < exit; ++aspect) {
            if (aspect->Time >= entry) start = aspect->Time;
        }
        Event period = MakeEvent(start, Lun, EventKind::VoidOfCourse, 0, 0, LongitudeAtUT(engine, Lun, start));
        period.End = exit;
        periods.push_back(std::move(period));
    }
    return periods;
}

// Runs the parts on up to `threads` threads, each part on the engine of the
// thread that takes it, counting them done; false when a stop was requested.
bool RunParts(const std::vector<std::function<void(Engine&)>>& parts, std::deque<Engine>& engines,
              EventProgress& progress) {
    std::atomic<std::size_t> next{0};
    const auto work = [&](Engine& engine) {
        for (std::size_t i; (i = next.fetch_add(1)) < parts.size();) {
            if (progress.StopRequested.load(std::memory_order_relaxed)) return;
            parts[i](engine);
            progress.PartsDone.fetch_add(1, std::memory_order_relaxed);
        }
    };
    {
        const std::size_t threads = std::min(engines.size(), parts.size());
        std::vector<std::jthread> helpers;
        for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(work, std::ref(engines[t]));
        work(engines.front());
    }
    return !progress.StopRequested.load();
}

bool EarlierEvent(const Event& a, const Event& b) {
    return std::tie(a.Time, a.Body, a.Kind, a.Detail, a.Other) < std::tie(b.Time, b.Body, b.Kind, b.Detail, b.Other);
}

}  // namespace

std::vector<EventKind> AllEventKinds() {
    return {EventKind::Station, EventKind::Ingress, EventKind::MoonIngress,
            EventKind::Phase,   EventKind::Aspect,  EventKind::VoidOfCourse};
}

std::string EventText(EventKind kind, int detail, int other) {
    static constexpr std::array<std::string_view, 4> PhaseNames = {"luna nueva", "cuarto creciente", "luna llena",
                                                                   "cuarto menguante"};
    switch (kind) {
        case EventKind::Station: return detail < 0 ? "estación retrógrada" : "estación directa";
        case EventKind::Ingress:
        case EventKind::MoonIngress:
            return "ingreso en " + std::string(SignListItems[static_cast<std::size_t>(detail % SignCount)]);
        case EventKind::Phase: return std::string(PhaseNames[static_cast<std::size_t>(detail % 4)]);
        case EventKind::Aspect: {
            std::string text(AspectName(detail));
            return text + ' ' + std::string(BodyLabels[static_cast<std::size_t>(other)]);
        }
        case EventKind::VoidOfCourse: return "luna vacía de curso";
    }
    return {};
}

std::optional<std::vector<Event>> SearchEvents(const EventRequest& request, EventProgress& progress, unsigned threads) {
    const bool voids = Wants(request, EventKind::VoidOfCourse);
    const bool stations = Wants(request, EventKind::Station);
    const bool ingresses = Wants(request, EventKind::Ingress);
    const bool moonIngresses = Wants(request, EventKind::MoonIngress) || voids;
    const bool phases = Wants(request, EventKind::Phase);
    const bool aspects = Wants(request, EventKind::Aspect);
    const TDateTime from = request.Start - Margin;
    const TDateTime to = request.End + Margin;

    AngleGrid grid;
    grid.Origin = from - AngleStep;
    grid.Count = static_cast<std::size_t>(std::ceil((to - from) / AngleStep)) + 3;
    const auto onGrid = [&](int body) { return aspects || voids || (phases && (body == Lun || body == Sol)); };

    // First each body alone: its stations and ingresses, and its longitudes
    // on the grid; then the angles between them.
    std::vector<std::vector<Event>> found;
    std::vector<std::function<void(Engine&)>> bodyParts;
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        const bool turns = body != Sol && body != Lun && body != Nod;
        const bool wantStations = stations && turns;
        const bool wantIngresses = body == Lun ? moonIngresses : ingresses;
        const bool gridded = body != Nod && onGrid(body);
        if (!wantStations && !wantIngresses && !gridded) continue;
        const std::size_t slot = found.size();
        found.emplace_back();
        bodyParts.emplace_back([&, body, slot, wantStations, wantIngresses, gridded](Engine& engine) {
            if (wantStations || wantIngresses) {
                found[slot] = BodyEvents(engine, body, from, to, wantStations, wantIngresses);
            }
            if (gridded) FillGrid(engine, grid, body);
        });
    }
    std::vector<std::function<void(Engine&)>> angleParts;
    if (phases) {
        const std::size_t slot = found.size();
        found.emplace_back();
        angleParts.emplace_back([&, slot](Engine& engine) { found[slot] = Phases(engine, grid, from, to); });
    }
    std::optional<std::size_t> moonAspects;
    for (std::size_t faster = 0; faster + 1 < AspectBodies.size(); ++faster) {
        if (!aspects && !(voids && AspectBodies[faster] == Lun)) continue;
        const std::size_t slot = found.size();
        if (AspectBodies[faster] == Lun) moonAspects = slot;
        found.emplace_back();
        angleParts.emplace_back(
            [&, slot, faster](Engine& engine) { found[slot] = AspectsOf(engine, grid, faster, from, to); });
    }

    progress.Parts.store(static_cast<int>(bodyParts.size() + angleParts.size()));
    if (threads == 0) threads = std::max(1U, std::thread::hardware_concurrency());
    std::deque<Engine> engines;
    for (unsigned t = 0; t < threads; ++t) engines.emplace_back(request.Evaluation);
    if (!RunParts(bodyParts, engines, progress) || !RunParts(angleParts, engines, progress)) return std::nullopt;

    std::vector<Event> all;
    for (const std::vector<Event>& part : found) all.insert(all.end(), part.begin(), part.end());
    std::sort(all.begin(), all.end(), EarlierEvent);
    if (voids) {
        std::vector<Event> moonEntries;
        for (const Event& event : all) {
            if (event.Kind == EventKind::MoonIngress) moonEntries.push_back(event);
        }
        std::vector<Event> lunarAspects = found[*moonAspects];
        std::sort(lunarAspects.begin(), lunarAspects.end(), EarlierEvent);
        for (Event& period : VoidPeriods(engines.front(), moonEntries, lunarAspects)) all.push_back(std::move(period));
    }
    std::erase_if(all, [&request](const Event& event) {
        return event.Time < request.Start || event.Time >= request.End || !Wants(request, event.Kind);
    });
    std::sort(all.begin(), all.end(), EarlierEvent);
    return all;
}

}  // namespace kalto
