// SPDX-License-Identifier: GPL-3.0-or-later
#include "AngleMatch.h"
#include "BodyLongitude.h"
#include "BodyMotion.h"
#include "ContactGrid.h"
#include "ContactSearch.h"
#include "TimeRoot.h"
#include "TimeScales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalto::exact_moments_test {
namespace {

constexpr double Second = 1.0 / 86400;
constexpr double Minute = 1.0 / 1440;
constexpr double ArcSecond = 1.0 / 3600;
constexpr double ArcMinute = 1.0 / 60;

struct SearchCase {
    std::string name;
    int body;
    TDateTime start;
    TDateTime end;
    ContactPosition position;
    int angle;
    bool exact;
    double orb;
    double zoneHours;
};

ContactSearchInput Input(const SearchCase& c, bool exactMoments) {
    ContactSearchInput input;
    input.Body = c.body;
    input.StartDate = c.start;
    input.EndDate = c.end;
    input.Position = c.position;
    input.Angle = c.angle;
    input.Exact = c.exact;
    input.Orb = c.orb;
    input.Clock = WallClock(c.zoneHours);
    input.ExactMoments = exactMoments;
    return input;
}

ContactRecordList Contacts(const ContactSearchInput& input) {
    ContactSearchProgress progress;
    ContactSearchResult result = SearchContacts(input, progress);
    EXPECT_TRUE(result.Completed);
    return result.Contacts;
}

// The universal time at which `f`, which changes sign between a and b,
// crosses zero: plain bisection.
TDateTime Bisect(const std::function<double(TDateTime)>& f, TDateTime a, TDateTime b) {
    const bool negativeAtA = f(a) < 0;
    for (int i = 0; i < 60; ++i) {
        const TDateTime middle = (a + b) / 2;
        ((f(middle) < 0) == negativeAtA ? a : b) = middle;
    }
    return (a + b) / 2;
}

// The longitude of `body` at `ut` as a step of the ephemeris computes it,
// every series summed in full.
double FullLongitude(Engine& engine, int body, TDateTime ut) {
    return BodyLongitudeAt(engine, body, ut, 0);
}

// Each moment of the refined search lies where the body, computed in full,
// crosses the longitude that moment seeks, found by bisection in a bracket
// around both the fine scan's instant and the refined one: the edge of the
// orb nearer to it for the start and the end, the exact angle for partil
// (a station in its place is the next test's). The scan's contacts, and what
// it fixed of them, stay as they were.
TEST(ExactMoments, EachMomentIsTheCrossingThatBisectionFindsOnTheFullSeries) {
    const SearchCase cases[] = {
        {"Sun, cardinal points", Sol, EncodeDate(2027, 1, 1), EncodeDate(2027, 12, 31), {0, 0, 0}, 90, false, 1, 0},
        {"Sun, 0.5, zone -3.5",
         Sol,
         EncodeDate(2027, 3, 1),
         EncodeDate(2027, 5, 1),
         {10, 20, 30},
         15,
         false,
         0.5,
         -3.5},
        {"Moon, overlapping orbs, zone 5",
         Lun,
         EncodeDate(2027, 2, 1),
         EncodeDate(2027, 2, 20),
         {10, 0, 0},
         8,
         false,
         5,
         5},
        {"Venus, trine", Ven, EncodeDate(2027, 1, 1), EncodeDate(2027, 12, 31), {100, 0, 0}, 120, true, 2, 0},
        {"Jupiter, turning", Jup, EncodeDate(2027, 1, 1), EncodeDate(2028, 12, 31), {150, 0, 0}, 15, false, 1, 0},
        {"Pluto", Plu, EncodeDate(2025, 1, 1), EncodeDate(2029, 12, 31), {302, 0, 0}, 0, false, 1, 0},
        {"node", Nod, EncodeDate(2027, 1, 1), EncodeDate(2027, 12, 31), {314, 0, 0}, 0, false, 1, 0},
    };
    Engine full(SeriesEvaluation::Direct);
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ContactRecordList scanned = Contacts(Input(c, false));
        const ContactRecordList refined = Contacts(Input(c, true));
        ASSERT_FALSE(scanned.empty());
        ASSERT_EQ(refined.size(), scanned.size());
        const double target = ContactTarget(c.position);
        const double fineStep = FineStep(c.body, c.orb);
        for (std::size_t i = 0; i < refined.size(); ++i) {
            SCOPED_TRACE(i);
            const ContactRecord& before = *scanned[i];
            const ContactRecord& after = *refined[i];
            EXPECT_EQ(after.Index, before.Index);
            EXPECT_EQ(after.ContactAngle, before.ContactAngle);
            EXPECT_EQ(after.DetectLongitude, before.DetectLongitude);
            ASSERT_EQ(after.MomentsFound, ContactMomentCount);
            // The exact longitude on the side of the target where the scan found it.
            const double side = SignedDegrees(before.ExactLongitude - target) >= 0 ? 1 : -1;
            const double center = Wrap360(target + side * before.ContactAngle);
            const bool station = Separation(before.ExactLongitude, center) > 2 * ArcMinute;
            struct Moment {
                const char* name;
                TDateTime scanned;
                TDateTime refined;
                double longitude;
                double sought;
            };
            const auto edge = [&](double longitude) {
                const double low = Wrap360(center - c.orb);
                const double high = Wrap360(center + c.orb);
                return Separation(longitude, low) < Separation(longitude, high) ? low : high;
            };
            const Moment moments[] = {
                {"inicia", before.StartTime, after.StartTime, after.StartLongitude, edge(before.StartLongitude)},
                {"partil", before.ExactTime, after.ExactTime, after.ExactLongitude, center},
                {"finaliza", before.EndTime, after.EndTime, after.EndLongitude, edge(before.EndLongitude)},
            };
            for (const Moment& m : moments) {
                SCOPED_TRACE(m.name);
                if (station && std::string(m.name) == "partil") continue;
                const auto offset = [&](TDateTime t) {
                    return SignedDegrees(FullLongitude(full, c.body, t) - m.sought);
                };
                const TDateTime a = std::min(m.scanned, m.refined) - 2 * fineStep;
                const TDateTime b = std::max(m.scanned, m.refined) + 2 * fineStep;
                ASSERT_NE(offset(a) < 0, offset(b) < 0);
                EXPECT_NEAR(m.refined, Bisect(offset, a, b), Second);
                EXPECT_NEAR(SignedDegrees(m.longitude - m.sought), 0, 0.01 * ArcSecond);
            }
        }
    }
}

// The equinox and the solstice of March and June 2027, UT, as the almanacs
// give them to the minute (20:24 and 14:11), are partil of the Sun with 0° and
// 90°, whatever the orb and the zone; the fine scan alone puts them minutes
// apart with orbs of 1° and 30'.
TEST(ExactMoments, TheEquinoxAndTheSolsticeOf2027AreTheAlmanacsToTheMinute) {
    const TDateTime equinox = EncodeDate(2027, 3, 20) + EncodeTime(20, 24, 0);
    const TDateTime solstice = EncodeDate(2027, 6, 21) + EncodeTime(14, 11, 0);
    std::vector<TDateTime> equinoxes;
    for (const double orb : {1.0, 0.5}) {
        for (const double zone : {0.0, 5.0}) {
            SCOPED_TRACE(std::to_string(orb) + ", zone " + std::to_string(zone));
            const SearchCase c{"",  Sol, EncodeDate(2027, 3, 1), EncodeDate(2027, 6, 30), {0, 0, 0}, 90, false,
                               orb, zone};
            const ContactRecordList contacts = Contacts(Input(c, true));
            ASSERT_EQ(contacts.size(), 2u);
            EXPECT_EQ(contacts[0]->ContactAngle, 0);
            EXPECT_NEAR(contacts[0]->ExactTime, equinox, Minute);
            EXPECT_EQ(contacts[1]->ContactAngle, 90);
            EXPECT_NEAR(contacts[1]->ExactTime, solstice, Minute);
            equinoxes.push_back(contacts[0]->ExactTime);
        }
    }
    for (const TDateTime t : equinoxes) EXPECT_NEAR(t, equinoxes.front(), Second);
}

// The instant a planet turns, found on the full series by ternary search of
// its longitude between a and b: the greatest longitude where it turns
// retrograde, the least where it turns direct.
TDateTime Turn(Engine& full, int body, TDateTime a, TDateTime b, bool turnsRetrograde) {
    const auto height = [&](TDateTime t) {
        const double lambda = FullLongitude(full, body, t);
        return turnsRetrograde ? lambda : -lambda;
    };
    while (b - a > 1e-6) {
        const TDateTime m1 = a + (b - a) / 3;
        const TDateTime m2 = b - (b - a) / 3;
        (height(m1) < height(m2) ? a : b) = height(m1) < height(m2) ? m1 : m2;
    }
    return (a + b) / 2;
}

// A station inside the orb takes the place of exactness: refined, it is the
// instant the longitude turns, to the minute, with the longitude there; the
// body enters and leaves through the same edge, each to the second of arc,
// and "Precisión" shows those two exact and the station not.
TEST(ExactMoments, AStationInsideTheOrbIsTheInstantTheLongitudeTurns) {
    struct Case {
        SearchCase search;
        TDateTime from;  // the station lies between these
        TDateTime to;
        bool turnsRetrograde;
        double edge;
    };
    const Case cases[] = {
        {{"Mars turns retrograde", Mar, EncodeDate(2026, 11, 1), EncodeDate(2027, 2, 15), {160, 45, 0}, 0, false, 1, 0},
         EncodeDate(2027, 1, 5),
         EncodeDate(2027, 1, 15),
         true,
         159.75},
        {{"Mercury turns direct", Mer, EncodeDate(2027, 2, 15), EncodeDate(2027, 3, 20), {320, 30, 0}, 0, true, 1, 0},
         EncodeDate(2027, 2, 26),
         EncodeDate(2027, 3, 8),
         false,
         321.5},
    };
    Engine full(SeriesEvaluation::Direct);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.search.name);
        const TDateTime turn = Turn(full, c.search.body, c.from, c.to, c.turnsRetrograde);
        const ContactRecordList contacts = Contacts(Input(c.search, true));
        ASSERT_EQ(contacts.size(), 1u);
        const ContactRecord& contact = *contacts[0];
        EXPECT_NEAR(contact.ExactTime, turn, Minute);
        EXPECT_NEAR(contact.ExactLongitude, FullLongitude(full, c.search.body, turn), 1e-6);
        EXPECT_NEAR(SignedDegrees(contact.StartLongitude - c.edge), 0, ArcSecond);
        EXPECT_NEAR(SignedDegrees(contact.EndLongitude - c.edge), 0, ArcSecond);
        EXPECT_LT(contact.StartTime, turn);
        EXPECT_GT(contact.EndTime, turn);

        const GridCells detail =
            FillContactDetail(contact, ContactTarget(c.search.position), c.search.orb, SpanishDateFormatNames());
        EXPECT_EQ(detail[1][6], " 00\u00B0 00' 00\"");
        EXPECT_NE(detail[2][6], " 00\u00B0 00' 00\"");
        EXPECT_EQ(detail[3][6], " 00\u00B0 00' 00\"");
    }
}

// The functions of time find, through the root-finder, what bisection on the
// full series finds: a new moon (the Moon's elongation from the Sun at zero)
// and a station (the rate of the longitude at zero).
TEST(ExactMoments, TheFunctionsOfTimeOverTheFittedSeriesFindWhatTheFullSeriesGives) {
    Engine fitted;
    Engine full(SeriesEvaluation::Direct);
    const TDateTime from = EncodeDate(2027, 8, 1);
    const TDateTime to = EncodeDate(2027, 8, 3);
    const std::optional<TimeRoot> newMoon =
        FindTimeRoot([&](TDateTime t) { return LongitudeBetween(fitted, Lun, Sol, t); }, from, to, CrossingTolerance);
    ASSERT_TRUE(newMoon);
    const TDateTime expected =
        Bisect([&](TDateTime t) { return SignedDegrees(FullLongitude(full, Lun, t) - FullLongitude(full, Sol, t)); },
               from, to);
    EXPECT_NEAR(newMoon->Time, expected, Second);

    const std::optional<TimeRoot> station =
        FindTimeRoot([&](TDateTime t) { return LongitudeRate(fitted, Mar, t); }, EncodeDate(2027, 1, 5),
                     EncodeDate(2027, 1, 15), StationTolerance);
    ASSERT_TRUE(station);
    EXPECT_NEAR(station->Time, Turn(full, Mar, EncodeDate(2027, 1, 5), EncodeDate(2027, 1, 15), true), Minute);
    EXPECT_NEAR(LongitudeFrom(fitted, Mar, 160.75, station->Time),
                SignedDegrees(FullLongitude(full, Mar, station->Time) - 160.75), 1e-8);
}

}  // namespace
}  // namespace kalto::exact_moments_test
