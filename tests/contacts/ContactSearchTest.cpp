// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSearch.h"

#include "AngleMatch.h"
#include "BodyLongitude.h"
#include "TimeScales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <thread>

namespace kalto {
namespace {

constexpr double Minute = 1.0 / 1440;
constexpr double ArcMinute = 1.0 / 60;

ContactSearchInput Search(int body, TDateTime start, TDateTime end, ContactPosition position, int angle, bool exact,
                          double orb, double zoneHours = 0) {
    ContactSearchInput input;
    input.Body = body;
    input.StartDate = start;
    input.EndDate = end;
    input.Position = position;
    input.Angle = angle;
    input.Exact = exact;
    input.Orb = orb;
    input.Clock = WallClock(zoneHours);
    return input;
}

ContactSearchResult Completed(const ContactSearchInput& input) {
    ContactSearchProgress progress;
    ContactSearchResult result = SearchContacts(input, progress);
    EXPECT_TRUE(result.Completed);
    EXPECT_EQ(progress.Count.load(), static_cast<int>(result.Contacts.size()));
    EXPECT_EQ(progress.DaysDone.load(), std::max(ContactGaugeMaximum(input), 0));
    return result;
}

// The local time at which the body's longitude, seen as the search sees it,
// crosses `longitude` between a and b (found by bisection).
TDateTime Crossing(int body, double longitude, TDateTime a, TDateTime b, double zoneHours = 0) {
    Engine engine;
    const double offset = ZoneOffset(zoneHours);
    const auto ahead = [&](TDateTime t) {
        return MovingDirection(longitude, BodyLongitudeAt(engine, body, t, offset)) > 0;
    };
    const bool aheadAtStart = ahead(a);
    for (int i = 0; i < 50; ++i) {
        const TDateTime middle = (a + b) / 2;
        (ahead(middle) == aheadAtStart ? a : b) = middle;
    }
    return a;
}

// The instant at which a direct body stops and turns back, found by
// ternary search of its longitude between a and b.
TDateTime Station(int body, TDateTime a, TDateTime b, bool turnsRetrograde) {
    Engine engine;
    const auto height = [&](TDateTime t) {
        const double lambda = BodyLongitudeAt(engine, body, t, 0);
        return turnsRetrograde ? lambda : -lambda;
    };
    while (b - a > 1e-5) {
        const TDateTime m1 = a + (b - a) / 3;
        const TDateTime m2 = b - (b - a) / 3;
        (height(m1) < height(m2) ? a : b) = height(m1) < height(m2) ? m1 : m2;
    }
    return (a + b) / 2;
}

void ExpectSameRecords(const ContactRecordList& actual, const ContactRecordList& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(i);
        const ContactRecord& a = *actual[i];
        const ContactRecord& e = *expected[i];
        EXPECT_EQ(a.Index, e.Index);
        EXPECT_EQ(a.StartTime, e.StartTime);
        EXPECT_EQ(a.ExactTime, e.ExactTime);
        EXPECT_EQ(a.EndTime, e.EndTime);
        EXPECT_EQ(a.ContactAngle, e.ContactAngle);
        EXPECT_EQ(a.DetectLongitude, e.DetectLongitude);
        EXPECT_EQ(a.StartLongitude, e.StartLongitude);
        EXPECT_EQ(a.ExactLongitude, e.ExactLongitude);
        EXPECT_EQ(a.EndLongitude, e.EndLongitude);
        EXPECT_EQ(a.MomentsFound, e.MomentsFound);
    }
}

// 2027's equinoxes and solstices (Sun at 0°, 90°, 180°, 270°), UT, as the
// almanacs give them to the minute: Mar 20 20:24, Jun 21 14:10, Sep 23 06:01,
// Dec 22 02:42.
struct Ingress {
    double longitude;
    TDateTime published;
};
const Ingress Ingresses2027[] = {
    {0, EncodeDate(2027, 3, 20) + EncodeTime(20, 24, 30)},
    {90, EncodeDate(2027, 6, 21) + EncodeTime(14, 10, 30)},
    {180, EncodeDate(2027, 9, 23) + EncodeTime(6, 1, 30)},
    {270, EncodeDate(2027, 12, 22) + EncodeTime(2, 42, 30)},
};

TEST(ContactSearch, TheSunsCardinalIngressesOf2027) {
    for (const double zone : {0.0, 5.0, -3.5}) {
        SCOPED_TRACE(zone);
        const ContactSearchResult result =
            Completed(Search(Sol, EncodeDate(2027, 1, 1), EncodeDate(2027, 12, 31), {0, 0, 0}, 90, false, 1, zone));
        ASSERT_EQ(result.Contacts.size(), 4u);
        const double angles[] = {0, 90, 180, 90};
        for (std::size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            const ContactRecord& contact = *result.Contacts[i];
            EXPECT_EQ(contact.Index, static_cast<int>(i));
            EXPECT_EQ(contact.BodyIndex, 0);
            EXPECT_EQ(contact.PositionText, " 00\u00B0 00' 00\"");
            EXPECT_EQ(contact.ContactAngle, angles[i]);
            const Ingress& ingress = Ingresses2027[i];
            const TDateTime local = ingress.published + zone / 24;
            const TDateTime crossing = Crossing(Sol, ingress.longitude, local - 1, local + 1, zone);
            // The engine against the almanac.
            EXPECT_NEAR(crossing, local, 2 * Minute);
            // Partil within the fine scan's tolerance, 1' of the Sun's
            // longitude (24 minutes); the boundaries 1' inside the orb.
            EXPECT_NEAR(contact.Clock.ToWallTime(contact.ExactTime), crossing, 24.5 * Minute);
            EXPECT_LT(contact.Clock.ToWallTime(contact.StartTime), crossing);
            EXPECT_GT(contact.Clock.ToWallTime(contact.EndTime), crossing);
            EXPECT_NEAR(Separation(contact.ExactLongitude, ingress.longitude), 0, ArcMinute);
            EXPECT_NEAR(Separation(contact.StartLongitude, ingress.longitude), 1, 2 * ArcMinute);
            EXPECT_NEAR(Separation(contact.EndLongitude, ingress.longitude), 1, 2 * ArcMinute);
        }
    }
}

// A search steps evenly in real time from local 00:00 of its first day: in
// Europe/Madrid, from a winter day to a winter day, it finds the instants of
// the same search at +1, across both changes of summer time.
TEST(ContactSearch, ANamedZoneFromWinterToWinterFindsTheInstantsOfItsWinterOffset) {
    const std::optional<TimeZone> madrid = TimeZone::Find("Europe/Madrid");
    ASSERT_TRUE(madrid);
    struct Case {
        int body;
        TDateTime start;
        TDateTime end;
    };
    const Case cases[] = {
        {Sol, EncodeDate(2027, 1, 1), EncodeDate(2027, 12, 31)},
        {Lun, EncodeDate(2027, 3, 1), EncodeDate(2027, 11, 15)},
    };
    constexpr double Millisecond = 1.0 / 86400000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        ContactSearchInput named = Search(c.body, c.start, c.end, {0, 0, 0}, 90, false, 1);
        named.Clock = WallClock(*madrid);
        const ContactSearchResult zone = Completed(named);
        const ContactSearchResult fixed = Completed(Search(c.body, c.start, c.end, {0, 0, 0}, 90, false, 1, 1));
        ASSERT_EQ(zone.Contacts.size(), fixed.Contacts.size());
        ASSERT_GE(zone.Contacts.size(), 4u);
        for (std::size_t i = 0; i < zone.Contacts.size(); ++i) {
            SCOPED_TRACE(i);
            const ContactRecord& a = *zone.Contacts[i];
            const ContactRecord& e = *fixed.Contacts[i];
            EXPECT_NEAR(a.StartTime, e.StartTime, Millisecond);
            EXPECT_NEAR(a.ExactTime, e.ExactTime, Millisecond);
            EXPECT_NEAR(a.EndTime, e.EndTime, Millisecond);
            EXPECT_EQ(a.ContactAngle, e.ContactAngle);
        }
    }
}

TEST(ContactSearch, TheSunsConjunctionWithAriesZeroBracketsTheEquinoxAndCrossesZeroWithoutAStation) {
    for (const bool exact : {false, true}) {
        SCOPED_TRACE(exact);
        const ContactSearchResult result =
            Completed(Search(Sol, EncodeDate(2027, 3, 1), EncodeDate(2027, 3, 31), {0, 0, 0}, 0, exact, 1));
        ASSERT_EQ(result.Contacts.size(), 1u);
        const ContactRecord& contact = *result.Contacts[0];
        EXPECT_EQ(contact.ContactAngle, 0);
        EXPECT_LT(contact.StartTime, Ingresses2027[0].published);
        EXPECT_GT(contact.EndTime, Ingresses2027[0].published);
        // Direct all the way: the end is on the far side of 0°, not back at the entry.
        EXPECT_NEAR(contact.StartLongitude, 359 + ArcMinute, ArcMinute);
        EXPECT_NEAR(contact.EndLongitude, 1 - ArcMinute, ArcMinute);
        EXPECT_NEAR(contact.EndTime - contact.StartTime, 2.03, 0.05);
    }
}

TEST(ContactSearch, AContactAlreadyInOrbAtTheFirstInstantBeginsWhereTheBodyEntered) {
    const TDateTime end = EncodeDate(2027, 3, 31);
    const ContactSearchResult early = Completed(Search(Sol, EncodeDate(2027, 3, 1), end, {0, 0, 0}, 0, false, 5));
    const ContactSearchResult late = Completed(Search(Sol, EncodeDate(2027, 3, 20), end, {0, 0, 0}, 0, false, 5));
    ASSERT_EQ(early.Contacts.size(), 1u);
    ASSERT_EQ(late.Contacts.size(), 1u);
    const ContactRecord& a = *early.Contacts[0];
    const ContactRecord& b = *late.Contacts[0];
    EXPECT_LT(b.StartTime, EncodeDate(2027, 3, 20));
    const double fineStep = FineStep(Sol, 5);
    EXPECT_NEAR(b.StartTime, a.StartTime, 2 * fineStep);
    EXPECT_NEAR(b.ExactTime, a.ExactTime, 3 * fineStep);
    EXPECT_NEAR(b.EndTime, a.EndTime, 4 * fineStep);
    EXPECT_NEAR(b.StartLongitude, 355, 2 * ArcMinute);
    EXPECT_NEAR(b.EndLongitude, 5, 2 * ArcMinute);
}

// Mars turns retrograde at 160.43° on 2027 January 10. With the target at
// 160° 45' and an orb of 1° it enters at 159° 45', turns before exactness and
// leaves again through 159° 45'.
TEST(ContactSearch, AStationInsideTheOrbReplacesExactness) {
    const TDateTime station = Station(Mar, EncodeDate(2027, 1, 5), EncodeDate(2027, 1, 15), true);
    const ContactPosition target{160, 45, 0};
    const ContactSearchResult before =
        Completed(Search(Mar, EncodeDate(2026, 11, 1), EncodeDate(2027, 2, 15), target, 0, false, 1));
    ASSERT_GE(before.Contacts.size(), 1u);
    const ContactRecord& contact = *before.Contacts[0];
    const double fineStep = FineStep(Mar, 1);
    EXPECT_GT(contact.ExactTime, station);
    EXPECT_LT(contact.ExactTime, station + 2 * fineStep);
    EXPECT_NEAR(contact.ExactLongitude, 160.429, 0.001);
    EXPECT_LT(contact.StartTime, station);
    EXPECT_GT(contact.EndTime, station);
    EXPECT_NEAR(contact.StartLongitude, 159.75 + ArcMinute, ArcMinute);
    EXPECT_NEAR(contact.EndLongitude, contact.StartLongitude, 2 * ArcMinute);

    // Searched from after the station, while Mars is still in orb moving
    // backwards: the same contact, its start found across the station.
    const ContactSearchResult after =
        Completed(Search(Mar, EncodeDate(2027, 1, 20), EncodeDate(2027, 2, 15), target, 0, false, 1));
    ASSERT_GE(after.Contacts.size(), 1u);
    const ContactRecord& again = *after.Contacts[0];
    EXPECT_NEAR(again.StartTime, contact.StartTime, 3 * fineStep);
    EXPECT_NEAR(again.ExactTime, contact.ExactTime, 2 * fineStep);
    EXPECT_NEAR(again.EndTime, contact.EndTime, 3 * fineStep);
}

// Saturn's retrograde loop of 2027 (stations at 27.88° on August 9 and at
// 21.02° on December 24) lies wholly within 5° of 24° 27': one contact, which
// after the second station ends through the far side of the orb.
TEST(ContactSearch, ALoopWhollyInsideTheOrbEndsThroughTheFarSide) {
    const ContactSearchResult result =
        Completed(Search(Sat, EncodeDate(2027, 1, 1), EncodeDate(2028, 12, 31), {24, 27, 0}, 0, false, 5));
    ASSERT_EQ(result.Contacts.size(), 1u);
    const ContactRecord& contact = *result.Contacts[0];
    EXPECT_EQ(contact.MomentsFound, ContactMomentCount);
    EXPECT_NEAR(contact.StartLongitude, 19.45 + ArcMinute, ArcMinute);
    EXPECT_NEAR(contact.ExactLongitude, 24.45, ArcMinute);
    EXPECT_LT(contact.ExactTime, EncodeDate(2027, 8, 9));
    EXPECT_GT(contact.EndTime, EncodeDate(2027, 12, 24));
    EXPECT_NEAR(contact.EndLongitude, 29.45, 2 * ArcMinute);
}

// Multiples of 8° with an orb of 5°: the orbs of neighbouring multiples
// overlap. Each contact still begins, is exact and ends at its own multiple.
TEST(ContactSearch, OverlappingOrbsKeepEachContactAtItsOwnMultiple) {
    const ContactSearchResult result =
        Completed(Search(Lun, EncodeDate(2027, 2, 1), EncodeDate(2027, 3, 1), {10, 0, 0}, 8, false, 5));
    ASSERT_GT(result.Contacts.size(), 10u);
    for (const ContactRecordPtr& contact : result.Contacts) {
        SCOPED_TRACE(contact->Index);
        EXPECT_NEAR(Separation(contact->ExactLongitude, 10), contact->ContactAngle, ArcMinute);
        EXPECT_NEAR(Separation(contact->StartLongitude, contact->ExactLongitude), 5, 2 * ArcMinute);
        EXPECT_NEAR(Separation(contact->EndLongitude, contact->ExactLongitude), 5, 2 * ArcMinute);
    }

    // On 2027 April 1 the Sun, near 11°, is within 5° of both 8° and 16° from
    // 23°: the larger multiple wins, and the contact begins at 2°, where the
    // Sun entered that orb, not at 10°, where it entered the other.
    const ContactSearchResult sun =
        Completed(Search(Sol, EncodeDate(2027, 4, 1), EncodeDate(2027, 4, 30), {23, 0, 0}, 8, false, 5));
    ASSERT_FALSE(sun.Contacts.empty());
    const ContactRecord& first = *sun.Contacts[0];
    EXPECT_EQ(first.ContactAngle, 16);
    EXPECT_NEAR(first.StartLongitude, 2 + ArcMinute, ArcMinute);
    EXPECT_NEAR(first.ExactLongitude, 7, ArcMinute);
    EXPECT_NEAR(first.EndLongitude, 12 - ArcMinute, ArcMinute);
}

// Mercury turns direct at 320.92° on 2027 March 3; with the target at 320° 30'
// and an orb of 1° it comes in backwards through 321° 30', turns and goes out
// the same way.
TEST(ContactSearch, ARetrogradeBodyTurningDirectInsideTheOrb) {
    const TDateTime station = Station(Mer, EncodeDate(2027, 2, 26), EncodeDate(2027, 3, 8), false);
    const ContactSearchResult result =
        Completed(Search(Mer, EncodeDate(2027, 2, 15), EncodeDate(2027, 3, 20), {320, 30, 0}, 0, true, 1));
    ASSERT_EQ(result.Contacts.size(), 1u);
    const ContactRecord& contact = *result.Contacts[0];
    const double fineStep = FineStep(Mer, 1);
    EXPECT_GT(contact.ExactTime, station);
    EXPECT_LT(contact.ExactTime, station + 2 * fineStep);
    EXPECT_NEAR(contact.StartLongitude, 321.5 - ArcMinute, ArcMinute);
    EXPECT_NEAR(contact.EndLongitude, contact.StartLongitude, 2 * ArcMinute);
    EXPECT_LT(contact.ExactLongitude, contact.StartLongitude);
}

// The mean node crosses 314° in June 2027, always backwards: it enters at 315°
// and leaves at 313°.
TEST(ContactSearch, TheNodeIsAlwaysRetrograde) {
    const ContactSearchResult result =
        Completed(Search(Nod, EncodeDate(2027, 1, 1), EncodeDate(2027, 12, 31), {314, 0, 0}, 0, false, 1));
    ASSERT_EQ(result.Contacts.size(), 1u);
    const ContactRecord& contact = *result.Contacts[0];
    EXPECT_NEAR(contact.StartLongitude, 315 - ArcMinute, ArcMinute);
    EXPECT_NEAR(contact.ExactLongitude, 314, ArcMinute);
    EXPECT_NEAR(contact.EndLongitude, 313 + ArcMinute, ArcMinute);
    EXPECT_LT(contact.StartTime, contact.ExactTime);
    EXPECT_LT(contact.ExactTime, contact.EndTime);
    EXPECT_NEAR(contact.ExactTime, Crossing(Nod, 314, EncodeDate(2027, 5, 1), EncodeDate(2027, 8, 1)), 0.5);
}

TEST(ContactSearch, MultiplesAndTheExactAngle) {
    const TDateTime start = EncodeDate(2027, 2, 1);
    const TDateTime end = EncodeDate(2027, 3, 1);
    struct Case {
        const char* name;
        int angle;
        bool exact;
        std::set<double> angles;
    };
    const Case cases[] = {
        {"exact 90: squares only", 90, true, {90}},
        {"multiple 90: conjunction, squares, opposition", 90, false, {0, 90, 180}},
        {"multiple 15: every multiple to 180", 15, false, {0, 15, 30, 45, 60, 75, 90, 105, 120, 135, 150, 165, 180}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ContactSearchResult result = Completed(Search(Lun, start, end, {10, 0, 0}, c.angle, c.exact, 2));
        std::set<double> found;
        for (const ContactRecordPtr& contact : result.Contacts) {
            found.insert(contact->ContactAngle);
            EXPECT_NEAR(Separation(contact->ExactLongitude, 10), contact->ContactAngle, ArcMinute);
            EXPECT_LT(contact->StartTime, contact->ExactTime);
            EXPECT_LT(contact->ExactTime, contact->EndTime);
        }
        EXPECT_EQ(found, c.angles);
    }
}

// Moon, multiples of 10° with an orb of 30': a day after leaving one orb it has
// passed the next multiple, which is not looked for; the one after is found by
// the coarse scan.
TEST(ContactSearch, AContactBeginningInTheResumeGapIsNotLookedFor) {
    const ContactSearchResult result =
        Completed(Search(Lun, EncodeDate(2027, 4, 1), EncodeDate(2027, 5, 1), {0, 0, 0}, 10, false, 0.5));
    ASSERT_GE(result.Contacts.size(), 18u);
    for (std::size_t i = 1; i < result.Contacts.size(); ++i) {
        SCOPED_TRACE(i);
        const ContactRecord& previous = *result.Contacts[i - 1];
        const ContactRecord& next = *result.Contacts[i];
        EXPECT_GE(next.StartTime, previous.EndTime + ResumeGap(Lun));
        EXPECT_NEAR(Separation(next.ExactLongitude, previous.ExactLongitude), 20, 2 * ArcMinute);
    }
}

// Moon, multiples of 15° with an orb of 5°: the next orb begins 5° on, within
// the day's gap, and the Moon is still in it at the resume instant.
TEST(ContactSearch, ABodyStillInOrbAtTheResumeInstantGivesTheNextContact) {
    const ContactSearchResult result =
        Completed(Search(Lun, EncodeDate(2027, 4, 1), EncodeDate(2027, 5, 1), {0, 0, 0}, 15, false, 5));
    ASSERT_GE(result.Contacts.size(), 25u);
    for (std::size_t i = 1; i < result.Contacts.size(); ++i) {
        SCOPED_TRACE(i);
        const ContactRecord& previous = *result.Contacts[i - 1];
        const ContactRecord& next = *result.Contacts[i];
        EXPECT_LT(next.StartTime, previous.EndTime + ResumeGap(Lun));
        EXPECT_NEAR(Separation(next.StartLongitude, previous.EndLongitude), 5, 3 * ArcMinute);
    }
}

// The leaps of the fine scan find the very step that walking every step finds.
TEST(ContactSearch, LeapingOverStepsFindsWhatWalkingFinds) {
    struct Case {
        const char* name;
        ContactSearchInput input;
    };
    const TDateTime start = EncodeDate(2027, 1, 1);
    const Case cases[] = {
        {"Sun, 15° multiples, 5°", Search(Sol, start, start + 181, {3, 20, 0}, 15, false, 5)},
        {"Moon, 15° multiples, 5°", Search(Lun, start, start + 45, {10, 0, 0}, 15, false, 5)},
        {"Moon, 90° multiples, 30'", Search(Lun, start, start + 90, {0, 0, 30}, 90, false, 0.5, 5.5)},
        {"Sun, 8° multiples, 5°: overlapping orbs", Search(Sol, start + 90, start + 150, {23, 0, 0}, 8, false, 5)},
        {"Moon, 8° multiples, 5°: overlapping orbs", Search(Lun, start + 31, start + 50, {10, 0, 0}, 8, false, 5)},
        {"Node, 30° multiples, 2°", Search(Nod, start - 365, start + 3 * 365, {0, 0, 0}, 30, false, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FineScanPolicy walk = DefaultFineScan(c.input.Body);
        ASSERT_GT(walk.SpeedLimit, 0);
        walk.SpeedLimit = 0;
        ContactSearchProgress leaping;
        ContactSearchProgress walking;
        const ContactSearchResult leapt = SearchContacts(c.input, leaping);
        const ContactSearchResult walked = SearchContacts(c.input, walking, walk);
        EXPECT_TRUE(leapt.Completed);
        EXPECT_TRUE(walked.Completed);
        EXPECT_FALSE(leapt.Contacts.empty());
        ExpectSameRecords(leapt.Contacts, walked.Contacts);
    }
}

TEST(ContactSearch, AContactLongerThanTheScanBoundIsReportedUnfinished) {
    const ContactSearchInput input =
        Search(Sol, EncodeDate(2027, 3, 1), EncodeDate(2027, 3, 31), {0, 0, 0}, 0, false, 5);
    FineScanPolicy policy = DefaultFineScan(Sol);
    policy.MaxDays = 2;  // the contact lasts ten days
    ContactSearchProgress progress;
    const ContactSearchResult result = SearchContacts(input, progress, policy);
    EXPECT_TRUE(result.Completed);
    ASSERT_FALSE(result.Contacts.empty());
    for (std::size_t i = 0; i < result.Contacts.size(); ++i) {
        SCOPED_TRACE(i);
        const ContactRecord& contact = *result.Contacts[i];
        EXPECT_TRUE(contact.ScanLimitReached());
        EXPECT_EQ(contact.EndTime, 0);
        EXPECT_EQ(contact.EndLongitude, 0);
        if (contact.MomentsFound < 2) {
            EXPECT_EQ(contact.ExactTime, 0);
        }
        if (contact.MomentsFound < 1) {
            EXPECT_EQ(contact.StartTime, 0);
        }
    }
    // The scan moved on by at least a day after each: the Sun spends ten days in the orb.
    EXPECT_LE(result.Contacts.size(), 11u);
    // The first one began where the Sun entered the orb at 355°.
    EXPECT_EQ(result.Contacts[0]->MomentsFound, 1);
    EXPECT_NEAR(result.Contacts[0]->StartLongitude, 355, 2 * ArcMinute);
}

TEST(ContactSearch, AStopBeforeTheFirstInstantEndsAtOnce) {
    ContactSearchProgress progress;
    progress.StopRequested = true;
    const ContactSearchResult result = SearchContacts(
        Search(Sol, EncodeDate(2027, 3, 19), EncodeDate(2027, 12, 31), {0, 0, 0}, 0, false, 5), progress);
    EXPECT_FALSE(result.Completed);
    EXPECT_TRUE(result.Contacts.empty());
}

// Stopped from another thread once the first contact is being refined: the
// search ends without completing and hands back only finished contacts.
TEST(ContactSearch, AStopDuringTheSearchEndsItUncompleted) {
    ContactSearchProgress progress;
    const ContactSearchInput input =
        Search(Mar, EncodeDate(2000, 1, 1), EncodeDate(2100, 1, 1), {0, 0, 0}, 15, false, 5);
    ContactSearchResult result;
    std::thread worker([&] { result = SearchContacts(input, progress); });
    while (progress.Count.load() < 1) std::this_thread::yield();
    progress.StopRequested = true;
    worker.join();
    EXPECT_FALSE(result.Completed);
    EXPECT_LE(result.Contacts.size(), static_cast<std::size_t>(progress.Count.load()));
    for (const ContactRecordPtr& contact : result.Contacts) EXPECT_FALSE(contact->ScanLimitReached());
    EXPECT_LT(progress.Instant.load(), EncodeDate(2100, 1, 1));
}

TEST(ContactSearch, ASpanEndingBeforeItsStartExaminesTheFirstInstantOnly) {
    // The Sun is within 5° of 0° on 2027 March 20: that contact is refined.
    const ContactSearchResult inOrb =
        Completed(Search(Sol, EncodeDate(2027, 3, 20), EncodeDate(2027, 3, 10), {0, 0, 0}, 0, false, 5));
    ASSERT_EQ(inOrb.Contacts.size(), 1u);
    EXPECT_EQ(inOrb.Contacts[0]->MomentsFound, ContactMomentCount);
    const ContactSearchResult outOfOrb =
        Completed(Search(Sol, EncodeDate(2027, 4, 20), EncodeDate(2027, 3, 10), {0, 0, 0}, 0, false, 5));
    EXPECT_TRUE(outOfOrb.Contacts.empty());
}

TEST(ContactSearch, StatusTexts) {
    const DateFormatNames names = SpanishDateFormatNames();
    EXPECT_EQ(RunningStatusText(3, EncodeDate(2027, 1, 5) + 14.5 / 24, names),
              "Status: contactos = 3. Calculando ene-05-2027, 02:30 pm");
    EXPECT_EQ(CompletedStatusText(12), "Status: Contactos = 12");
}

// The searches of the speed benchmark, "Múltiplo" 15° from 10° with an orb of
// 5° 0', over shorter spans, and Mercury through a retrograde loop (with a
// smaller orb, which the full sums walk faster): the fitted series find the
// very instants that the series summed directly find.
TEST(ContactSearch, FittedAndDirectSeriesFindTheSameInstants) {
    struct Case {
        int body;
        TDateTime start, end;
        double orb;
    };
    const Case cases[] = {
        {Lun, EncodeDate(2027, 1, 1), EncodeDate(2027, 3, 1), 5},
        {Sol, EncodeDate(2027, 1, 1), EncodeDate(2027, 7, 1), 5},
        {Mer, EncodeDate(2027, 1, 1), EncodeDate(2027, 4, 1), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(BodyLabels[c.body]);
        ContactSearchInput input = Search(c.body, c.start, c.end, {.Degrees = 10}, 15, false, c.orb);
        const ContactSearchResult fitted = Completed(input);
        input.Evaluation = SeriesEvaluation::Direct;
        const ContactSearchResult direct = Completed(input);
        ASSERT_EQ(fitted.Contacts.size(), direct.Contacts.size());
        EXPECT_GT(fitted.Contacts.size(), 3u);
        for (std::size_t i = 0; i < fitted.Contacts.size(); ++i) {
            SCOPED_TRACE(i);
            const ContactRecord& f = *fitted.Contacts[i];
            const ContactRecord& d = *direct.Contacts[i];
            EXPECT_EQ(f.MomentsFound, d.MomentsFound);
            EXPECT_EQ(f.ContactAngle, d.ContactAngle);
            EXPECT_EQ(f.StartTime, d.StartTime);
            EXPECT_EQ(f.ExactTime, d.ExactTime);
            EXPECT_EQ(f.EndTime, d.EndTime);
            EXPECT_NEAR(f.DetectLongitude, d.DetectLongitude, 1e-9);
            EXPECT_NEAR(f.StartLongitude, d.StartLongitude, 1e-9);
            EXPECT_NEAR(f.ExactLongitude, d.ExactLongitude, 1e-9);
            EXPECT_NEAR(f.EndLongitude, d.EndLongitude, 1e-9);
        }
    }
}

}  // namespace
}  // namespace kalto
