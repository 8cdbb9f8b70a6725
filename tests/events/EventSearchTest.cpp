// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventSearch.h"

#include "EphemerisStep.h"
#include "TimeScales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

namespace kalto {
namespace {

constexpr double Second = 1.0 / 86400;
constexpr double Minute = 60 * Second;

using Longitudes = StepPositions;

// Every body as a step of the ephemeris computes it, every series summed in
// full: the reference the search is checked against.
Longitudes ReferenceBodies(TDateTime ut) {
    static Engine engine(SeriesEvaluation::Direct);
    return ComputeAllBodies(engine, LocalToJDE(ut, 0).jde);
}

double Signed(double degrees) {
    return std::remainder(degrees, 360.0);
}

std::vector<Event> Search(const EventRequest& request) {
    EventProgress progress;
    auto events = SearchEvents(request, progress, 2);
    EXPECT_TRUE(events.has_value());
    EXPECT_EQ(progress.PartsDone.load(), progress.Parts.load());
    return events.value_or(std::vector<Event>{});
}

// What identifies an event, with its moment.
struct Found {
    EventKind Kind;
    int Body;
    int Detail;
    int Other;
    TDateTime Time;

    auto Key() const { return std::tie(Kind, Body, Other, Time); }
};

// The reference's bodies every quarter of a day over a span, and the instants
// at which a function of them crosses a value, halved down to a tenth of a
// second on the full series.
class ReferenceSpan {
public:
    ReferenceSpan(TDateTime from, TDateTime to) : From(from), To(to) {
        for (TDateTime t = from - Step; t <= to + Step; t += Step) Samples.push_back({t, ReferenceBodies(t)});
    }

    using Angle = std::function<double(const Longitudes&)>;

    // Each crossing of `target` by the angle: its instant and whether the
    // angle was growing.
    std::vector<std::pair<TDateTime, bool>> Crossings(const Angle& angle, double target) const {
        std::vector<std::pair<TDateTime, bool>> crossings;
        const auto f = [&](const Longitudes& bodies) { return Signed(angle(bodies) - target); };
        for (std::size_t k = 0; k + 1 < Samples.size(); ++k) {
            double flo = f(Samples[k].second);
            const double fhi = f(Samples[k + 1].second);
            if (std::fabs(flo) >= 90 || std::fabs(fhi) >= 90 || (flo < 0) == (fhi < 0)) continue;
            TDateTime lo = Samples[k].first;
            TDateTime hi = Samples[k + 1].first;
            while (hi - lo > 0.1 * Second) {
                const TDateTime mid = (lo + hi) / 2;
                const double fm = f(ReferenceBodies(mid));
                if ((fm < 0) == (flo < 0)) {
                    lo = mid;
                    flo = fm;
                } else {
                    hi = mid;
                }
            }
            const TDateTime t = (lo + hi) / 2;
            if (t >= From && t < To) crossings.push_back({t, fhi > 0});
        }
        return crossings;
    }

    // The stations of a body: where its motion between samples turns, the
    // zero of its rate over the two steps around the turn; and whether it
    // turns retrograde.
    std::vector<std::pair<TDateTime, bool>> Stations(int body) const {
        std::vector<std::pair<TDateTime, bool>> stations;
        const auto b = static_cast<std::size_t>(body);
        const auto motion = [&](std::size_t k) {
            return Signed(Samples[k + 1].second[b].Longitude - Samples[k].second[b].Longitude);
        };
        const auto rate = [b](TDateTime t) {
            return Signed(ReferenceBodies(t + 0.01)[b].Longitude - ReferenceBodies(t - 0.01)[b].Longitude);
        };
        for (std::size_t k = 1; k + 1 < Samples.size(); ++k) {
            if ((motion(k - 1) < 0) == (motion(k) < 0)) continue;
            TDateTime lo = Samples[k - 1].first;
            TDateTime hi = Samples[k + 1].first;
            const bool before = rate(lo) < 0;
            while (hi - lo > Second) {
                const TDateTime mid = (lo + hi) / 2;
                ((rate(mid) < 0) == before ? lo : hi) = mid;
            }
            const TDateTime t = (lo + hi) / 2;
            if (t >= From && t < To) stations.push_back({t, !before});
        }
        return stations;
    }

private:
    static constexpr double Step = 0.25;
    TDateTime From;
    TDateTime To;
    std::vector<std::pair<TDateTime, Longitudes>> Samples;
};

bool Has(const std::vector<EventKind>& kinds, EventKind kind) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

std::vector<Found> ReferenceEvents(const ReferenceSpan& span, const std::vector<EventKind>& kinds) {
    std::vector<Found> events;
    const auto of = [](int body) {
        return [body](const Longitudes& bodies) { return bodies[static_cast<std::size_t>(body)].Longitude; };
    };
    const auto between = [](int a, int b) {
        return [a, b](const Longitudes& bodies) {
            return bodies[static_cast<std::size_t>(a)].Longitude - bodies[static_cast<std::size_t>(b)].Longitude;
        };
    };
    for (const int body : {Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu}) {
        if (!Has(kinds, EventKind::Station)) break;
        for (const auto& [t, retrograde] : span.Stations(body)) {
            events.push_back({EventKind::Station, body, retrograde ? -1 : 1, 0, t});
        }
    }
    for (const int body : {Sol, Lun, Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu, Nod}) {
        const EventKind kind = body == Lun ? EventKind::MoonIngress : EventKind::Ingress;
        if (!Has(kinds, kind)) continue;
        for (int sign = 0; sign < 12; ++sign) {
            for (const auto& [t, forward] : span.Crossings(of(body), 30.0 * sign)) {
                events.push_back({kind, body, forward ? sign : (sign + 11) % 12, 0, t});
            }
        }
    }
    for (int phase = 0; phase < 4 && Has(kinds, EventKind::Phase); ++phase) {
        for (const auto& [t, growing] : span.Crossings(between(Lun, Sol), 90.0 * phase)) {
            events.push_back({EventKind::Phase, Lun, phase, 0, t});
        }
    }
    for (std::size_t i = 0; i < AspectBodies.size() && Has(kinds, EventKind::Aspect); ++i) {
        for (std::size_t j = i + 1; j < AspectBodies.size(); ++j) {
            for (const int angle : {0, 60, 90, 120, 180, 240, 270, 300}) {
                for (const auto& [t, growing] : span.Crossings(between(AspectBodies[i], AspectBodies[j]), angle)) {
                    events.push_back(
                        {EventKind::Aspect, AspectBodies[i], std::min(angle, 360 - angle), AspectBodies[j], t});
                }
            }
        }
    }
    return events;
}

// The events but the void periods against the reference's crossings and
// turns: the same events, at the same instants. Two months of 2027 (Mars
// turning retrograde, Mercury's retrograde loop) of every kind, and the whole
// year's stations and ingresses, the outer planets' included.
TEST(EventSearch, EventsAgreeWithBisectionOnTheFullSeries) {
    struct Case {
        TDateTime From, To;
        std::vector<EventKind> Kinds;
    };
    const Case cases[] = {
        {EncodeDate(2027, 1, 1),
         EncodeDate(2027, 3, 1),
         {EventKind::Station, EventKind::Ingress, EventKind::MoonIngress, EventKind::Phase, EventKind::Aspect}},
        {EncodeDate(2027, 1, 1), EncodeDate(2028, 1, 1), {EventKind::Station, EventKind::Ingress}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.To - c.From);
        std::vector<Found> expected = ReferenceEvents(ReferenceSpan(c.From, c.To), c.Kinds);
        std::vector<Found> found;
        for (const Event& event : Search({.Start = c.From, .End = c.To, .Kinds = c.Kinds})) {
            found.push_back({event.Kind, event.Body, event.Detail, event.Other, event.Time});
        }
        const auto order = [](const Found& a, const Found& b) { return a.Key() < b.Key(); };
        std::sort(expected.begin(), expected.end(), order);
        std::sort(found.begin(), found.end(), order);
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "event " << i << " kind " << static_cast<int>(expected[i].Kind)
                                            << " body " << expected[i].Body << " other " << expected[i].Other);
            EXPECT_EQ(found[i].Kind, expected[i].Kind);
            EXPECT_EQ(found[i].Body, expected[i].Body);
            EXPECT_EQ(found[i].Other, expected[i].Other);
            EXPECT_EQ(found[i].Detail, expected[i].Detail);
            const double tolerance = expected[i].Kind == EventKind::Station ? Minute : Second;
            EXPECT_NEAR(found[i].Time, expected[i].Time, tolerance);
        }
    }
}

// The events' longitudes: an ingress on its sign's boundary, a phase's and an
// aspect's at the angle named.
TEST(EventSearch, LongitudesStandAtTheirAngles) {
    EventRequest request{.Start = EncodeDate(2027, 1, 1), .End = EncodeDate(2027, 2, 1)};
    for (const Event& event : Search(request)) {
        const Longitudes bodies = ReferenceBodies(event.Time);
        const double own = bodies[static_cast<std::size_t>(event.Body)].Longitude;
        EXPECT_NEAR(Signed(event.Longitude - own), 0, 1e-4) << event.Text;
        switch (event.Kind) {
            case EventKind::Ingress:
            case EventKind::MoonIngress:
                EXPECT_NEAR(std::remainder(event.Longitude, 30.0), 0, 1e-9) << event.Text;
                break;
            case EventKind::Aspect:
                EXPECT_NEAR(std::fabs(Signed(own - bodies[static_cast<std::size_t>(event.Other)].Longitude)),
                            event.Detail, 1e-4)
                    << event.Text;
                break;
            default: break;
        }
    }
}

// The new and full moons of 2027 and the March equinox, to the minute, as
// Fred Espenak's tables give them (astropixels.com, "2027 Phases of the Moon"
// and "2027 Sky Event Almanac", listed in Mountain Standard Time, UT - 7 h;
// here in UT).
TEST(EventSearch, PublishedMoonsAndEquinoxOf2027) {
    struct Published {
        int Month, Day, Hour, Minute;
        EventKind Kind;
        int Detail;  // the phase, or the sign entered
    };
    constexpr EventKind P = EventKind::Phase;
    const Published published[] = {
        {1, 7, 20, 24, P, 0},   {1, 22, 12, 17, P, 2},
        {2, 6, 15, 56, P, 0},   {2, 20, 23, 23, P, 2},
        {3, 8, 9, 29, P, 0},    {3, 22, 10, 44, P, 2},
        {4, 6, 23, 51, P, 0},   {4, 20, 22, 27, P, 2},
        {5, 6, 10, 58, P, 0},   {5, 20, 10, 59, P, 2},
        {6, 4, 19, 40, P, 0},   {6, 19, 0, 44, P, 2},
        {7, 4, 3, 2, P, 0},     {7, 18, 15, 45, P, 2},
        {8, 2, 10, 5, P, 0},    {8, 17, 7, 29, P, 2},
        {8, 31, 17, 41, P, 0},  {9, 15, 23, 4, P, 2},
        {9, 30, 2, 36, P, 0},   {10, 15, 13, 47, P, 2},
        {10, 29, 13, 36, P, 0}, {11, 14, 3, 26, P, 2},
        {11, 28, 3, 24, P, 0},  {12, 13, 16, 9, P, 2},
        {12, 27, 20, 12, P, 0}, {3, 20, 20, 24, EventKind::Ingress, 0},
    };
    EventRequest request{.Start = EncodeDate(2027, 1, 1),
                         .End = EncodeDate(2028, 1, 1),
                         .Kinds = {EventKind::Phase, EventKind::Ingress}};
    const std::vector<Event> events = Search(request);
    for (const Published& p : published) {
        const TDateTime moment = EncodeDate(2027, p.Month, p.Day) + (p.Hour * 60 + p.Minute) * Minute;
        SCOPED_TRACE(testing::Message() << "2027-" << p.Month << "-" << p.Day << " " << p.Hour << ":" << p.Minute);
        const auto match = std::find_if(events.begin(), events.end(), [&](const Event& event) {
            return event.Kind == p.Kind && event.Detail == p.Detail &&
                   (p.Kind == EventKind::Phase || event.Body == Sol) && std::fabs(event.Time - moment) < 1;
        });
        ASSERT_NE(match, events.end());
        // Published to the minute: within half a minute of it, and as much
        // again for the extrapolated difference of the time scales.
        EXPECT_NEAR(match->Time, moment, Minute);
    }
}

// Each void period against its definition: it starts at an exact aspect of
// the Moon or at its entry into a sign, makes no exact aspect until it ends,
// and ends where the Moon enters the next sign; every sign the Moon crosses
// in the span holds one.
TEST(EventSearch, VoidPeriodsRunFromTheLastAspectToTheNextIngress) {
    const TDateTime from = EncodeDate(2027, 3, 1);
    const TDateTime to = EncodeDate(2027, 4, 1);
    const EventRequest wide{.Start = from - 4, .End = to + 4, .Kinds = {EventKind::MoonIngress, EventKind::Aspect}};
    const std::vector<Event> context = Search(wide);
    std::vector<TDateTime> ingresses;
    std::vector<TDateTime> aspects;
    for (const Event& event : context) {
        if (event.Kind == EventKind::MoonIngress) ingresses.push_back(event.Time);
        if (event.Kind == EventKind::Aspect && event.Body == Lun) aspects.push_back(event.Time);
    }
    const std::vector<Event> periods = Search({.Start = from, .End = to, .Kinds = {EventKind::VoidOfCourse}});
    ASSERT_FALSE(periods.empty());
    for (const Event& period : periods) {
        SCOPED_TRACE(period.Time);
        EXPECT_EQ(period.Body, Lun);
        EXPECT_EQ(period.Text, "luna vacía de curso");
        EXPECT_GE(period.Time, from);
        EXPECT_LT(period.Time, to);
        ASSERT_TRUE(period.End);
        const auto end = std::find_if(ingresses.begin(), ingresses.end(),
                                      [&](TDateTime t) { return std::fabs(t - *period.End) < Second; });
        ASSERT_NE(end, ingresses.end());
        ASSERT_NE(end, ingresses.begin());
        const TDateTime entry = *(end - 1);
        const bool atAspect = std::any_of(aspects.begin(), aspects.end(),
                                          [&](TDateTime t) { return std::fabs(t - period.Time) < Second; });
        EXPECT_TRUE(atAspect || std::fabs(period.Time - entry) < Second);
        EXPECT_GE(period.Time, entry - Second);
        EXPECT_FALSE(std::any_of(aspects.begin(), aspects.end(),
                                 [&](TDateTime t) { return t > period.Time + Second && t < *period.End; }));
    }
    // One period a sign stay whose void part starts in the span: the stays
    // between the ingresses, less those that end before it or start after.
    int stays = 0;
    for (std::size_t i = 0; i + 1 < ingresses.size(); ++i) {
        TDateTime start = ingresses[i];
        for (const TDateTime t : aspects) {
            if (t >= ingresses[i] && t < ingresses[i + 1]) start = t;
        }
        if (start >= from && start < to) ++stays;
    }
    EXPECT_EQ(static_cast<int>(periods.size()), stays);
}

TEST(EventSearch, AStopRequestedGivesNothing) {
    EventProgress progress;
    progress.StopRequested = true;
    EXPECT_FALSE(SearchEvents({.Start = EncodeDate(2027, 1, 1), .End = EncodeDate(2027, 2, 1)}, progress, 1));
}

}  // namespace
}  // namespace kalto
