// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransitSearch.h"

#include "Bodies.h"
#include "ContactSearch.h"
#include "EphemerisStep.h"
#include "TimeScales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kalto {
namespace {

constexpr double Second = 1.0 / 86400;

// The body's longitude as a step of the ephemeris computes it, every series
// summed in full: the reference the search is checked against.
double ReferenceLongitude(int body, TDateTime ut) {
    Engine engine(SeriesEvaluation::Direct);
    return ComputeAllBodies(engine, LocalToJDE(ut, 0).jde)[static_cast<std::size_t>(body)].Longitude;
}

double Signed(double degrees) {
    return std::remainder(degrees, 360.0);
}

// The instants in [from, to) at which the body crosses `longitude`: a sign
// change between samples `step` apart, halved down to a tenth of a second.
std::vector<TDateTime> CrossingsByBisection(int body, double longitude, TDateTime from, TDateTime to, double step) {
    std::vector<TDateTime> crossings;
    const auto f = [&](TDateTime t) { return Signed(ReferenceLongitude(body, t) - longitude); };
    double fa = f(from);
    for (TDateTime a = from; a < to; a += step) {
        const TDateTime b = a + step;
        const double fb = f(b);
        if (std::fabs(fa) < 90 && std::fabs(fb) < 90 && (fa < 0) != (fb < 0)) {
            TDateTime lo = a, hi = b;
            double flo = fa;
            while (hi - lo > 0.1 * Second) {
                const TDateTime mid = (lo + hi) / 2;
                const double fm = f(mid);
                if ((fm < 0) == (flo < 0)) {
                    lo = mid;
                    flo = fm;
                } else {
                    hi = mid;
                }
            }
            if (lo >= from && lo < to) crossings.push_back((lo + hi) / 2);
        }
        fa = fb;
    }
    return crossings;
}

TransitRequest OneBody(int body, double point, std::vector<TransitAspect> aspects, TDateTime from, TDateTime to) {
    return {.Bodies = {body},
            .Points = {{"P", point}},
            .Aspects = std::move(aspects),
            .Start = from,
            .End = to,
            .Evaluation = SeriesEvaluation::Fitted};
}

std::vector<Transit> Search(const TransitRequest& request) {
    TransitProgress progress;
    auto rows = SearchTransits(request, progress, 1);
    EXPECT_TRUE(rows.has_value());
    return rows.value_or(std::vector<Transit>{});
}

// Every exact pass of a year, for the Sun and Mercury (with its retrograde
// loops) through the major aspects to a point, against plain bisection.
TEST(TransitSearch, ExactPassesAgreeWithBisectionOnTheFullSeries) {
    const TDateTime from = EncodeDate(2027, 1, 1);
    const TDateTime to = EncodeDate(2028, 1, 1);
    const double point = 10.5;
    for (const int body : {Sol, Mer}) {
        SCOPED_TRACE(BodyLabels[static_cast<std::size_t>(body)]);
        std::vector<TransitAspect> aspects;
        for (const int degrees : MajorAspects) aspects.push_back({degrees, 1.0});
        const std::vector<Transit> rows = Search(OneBody(body, point, aspects, from, to));

        std::vector<TDateTime> expected;
        for (const double offset : {0.0, 60.0, -60.0, 90.0, -90.0, 120.0, -120.0, 180.0}) {
            for (const TDateTime t : CrossingsByBisection(body, point + offset, from, to, 0.5)) expected.push_back(t);
        }
        std::sort(expected.begin(), expected.end());
        std::vector<TDateTime> found;
        for (const Transit& row : rows) {
            if (row.Exact) found.push_back(*row.Exact);
        }
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_NEAR(found[i], expected[i], 1 * Second) << i;
        }
    }
}

// Mars turns retrograde in January 2027 and direct in April. Over a point in
// the middle of its loop, with an orb as wide as the loop, the stay holds
// three passes; with the point just beyond the station, the stay holds none.
TEST(TransitSearch, ARetrogradeLoopAndAStationInsideTheOrb) {
    const TDateTime from = EncodeDate(2026, 9, 1);
    const TDateTime to = EncodeDate(2027, 9, 1);
    // The stations, where the daily motion changes direction.
    std::vector<double> stations;
    double previous = ReferenceLongitude(Mar, from);
    double motion = 0;
    for (TDateTime t = from + 1; t < to; t += 1) {
        const double longitude = ReferenceLongitude(Mar, t);
        const double step = Signed(longitude - previous);
        if (motion != 0 && (step < 0) != (motion < 0)) stations.push_back(previous);
        motion = step;
        previous = longitude;
    }
    ASSERT_EQ(stations.size(), 2U);
    const double halfLoop = std::fabs(Signed(stations[0] - stations[1])) / 2;
    ASSERT_LT(halfLoop, MaxTransitOrb - 0.2);
    const double middle = stations[1] + Signed(stations[0] - stations[1]) / 2;

    const std::vector<Transit> loop = Search(OneBody(Mar, middle, {{0, halfLoop + 0.2}}, from, to));
    ASSERT_EQ(loop.size(), 3U);
    for (int pass = 0; pass < 3; ++pass) {
        const Transit& row = loop[static_cast<std::size_t>(pass)];
        EXPECT_EQ(row.Pass, pass + 1);
        EXPECT_EQ(row.Passes, 3);
        EXPECT_EQ(row.Start, loop[0].Start);
        EXPECT_EQ(row.End, loop[0].End);
        ASSERT_TRUE(row.Exact && row.Start && row.End);
        EXPECT_LT(*row.Start, *row.Exact);
        EXPECT_LT(*row.Exact, *row.End);
        EXPECT_NEAR(Signed(row.ExactLongitude - middle), 0.0, 1e-6);
    }

    // Just beyond the retrograde station: in the orb, never exact, until
    // Mars comes back direct months later and passes.
    const double beyond = stations[0] + 0.3;
    const std::vector<Transit> touch = Search(OneBody(Mar, beyond, {{0, 1.0}}, from, to));
    ASSERT_EQ(touch.size(), 2U);
    EXPECT_FALSE(touch[0].Exact);
    EXPECT_EQ(touch[0].Passes, 0);
    ASSERT_TRUE(touch[0].Start && touch[0].End && touch[1].Start && touch[1].Exact);
    EXPECT_LT(*touch[0].Start, *touch[0].End);
    EXPECT_LT(*touch[0].End, *touch[1].Start);
    EXPECT_EQ(touch[1].Passes, 1);
}

// The transit search finds the exact passes that the contact search finds
// with "momentos exactos", one body, point and aspect at a time.
TEST(TransitSearch, TheSameExactPassesAsSingleContactSearches) {
    const TDateTime from = EncodeDate(2027, 1, 1);
    const TDateTime to = EncodeDate(2028, 1, 1);
    const double point = 123.0;
    for (const int body : {Sol, Ven}) {
        SCOPED_TRACE(BodyLabels[static_cast<std::size_t>(body)]);
        std::vector<TDateTime> single;
        std::vector<TransitAspect> aspects;
        for (const int degrees : MajorAspects) {
            aspects.push_back({degrees, 1.0});
            ContactSearchInput input{.Body = body,
                                     .StartDate = from,
                                     .EndDate = to,
                                     .Angle = degrees,
                                     .Exact = true,
                                     .Position = {.Degrees = 123, .Minutes = 0, .Seconds = 0},
                                     .Orb = 1.0,
                                     .Clock = WallClock(),
                                     .Evaluation = SeriesEvaluation::Fitted,
                                     .ExactMoments = true};
            ContactSearchProgress progress;
            for (const auto& record : SearchContacts(input, progress).Contacts) {
                if (record->ExactTime >= from && record->ExactTime < to) single.push_back(record->ExactTime);
            }
        }
        std::sort(single.begin(), single.end());
        std::vector<TDateTime> transits;
        for (const Transit& row : Search(OneBody(body, point, aspects, from, to))) {
            if (row.Exact) transits.push_back(*row.Exact);
        }
        ASSERT_EQ(transits.size(), single.size());
        for (std::size_t i = 0; i < transits.size(); ++i) EXPECT_NEAR(transits[i], single[i], Second) << i;
    }
}

// A stay begun before the span keeps its start; one of the Moon's is hours.
TEST(TransitSearch, StaysOpenAtTheSpansEndsAreFollowed) {
    const TDateTime from = EncodeDate(2027, 1, 1);
    const double sun = ReferenceLongitude(Sol, from + 1);
    const std::vector<Transit> rows = Search(OneBody(Sol, sun, {{0, 3.0}}, from, from + 10));
    ASSERT_EQ(rows.size(), 1U);
    ASSERT_TRUE(rows[0].Start && rows[0].Exact && rows[0].End);
    EXPECT_LT(*rows[0].Start, from);
    EXPECT_NEAR(*rows[0].Exact, from + 1, 0.01);
    EXPECT_GT(*rows[0].End - *rows[0].Start, 5.5);  // the Sun takes six days over 6°
}

TEST(TransitSearch, AStopRequestEndsWithoutRows) {
    TransitProgress progress;
    progress.StopRequested = true;
    const auto rows =
        SearchTransits(OneBody(Lun, 0, {{0, 1.0}}, EncodeDate(2027, 1, 1), EncodeDate(2028, 1, 1)), progress, 1);
    EXPECT_FALSE(rows);
}

}  // namespace
}  // namespace kalto
