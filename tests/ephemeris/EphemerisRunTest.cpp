// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisRun.h"

#include "EphemerisSpan.h"
#include "EphemerisStep.h"
#include "TimeScales.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace kalto {
namespace {

// A tenth of a millisecond, in days.
constexpr double TimeTolerance = 1e-4 / 86400;

EphemerisRequest Request(TDateTime start, TDateTime end, int stepsPerDay, double zoneHours = 0) {
    return {start, end, SpanDays(start, end), stepsPerDay, WallClock(zoneHours)};
}

std::unique_ptr<EphemerisRowSet> RunAll(const EphemerisRequest& request, unsigned threads = 0) {
    EphemerisProgress progress;
    return RunEphemeris(request, progress, threads);
}

// The row that one step makes of the engine's position, computed directly.
EphemerisRow DirectRow(Engine& engine, TDateTime local, double zoneHours, int body) {
    const BodyPosition p = ComputeAllBodies(engine, LocalToJDE(local, ZoneOffset(zoneHours)).jde)[body];
    return {static_cast<float>(p.Longitude),   static_cast<float>(p.Latitude), static_cast<float>(p.RightAscension),
            static_cast<float>(p.Declination), static_cast<float>(p.Distance), local + ZoneOffset(zoneHours)};
}

void ExpectSameRow(const EphemerisRow& actual, const EphemerisRow& expected) {
    EXPECT_EQ(actual.Longitude, expected.Longitude);
    EXPECT_EQ(actual.Latitude, expected.Latitude);
    EXPECT_EQ(actual.RightAscension, expected.RightAscension);
    EXPECT_EQ(actual.Declination, expected.Declination);
    EXPECT_EQ(actual.Distance, expected.Distance);
    EXPECT_EQ(actual.UniversalTime, expected.UniversalTime);
}

TEST(EphemerisRun, MakesSpanDaysTimesStepsPerDayRowsPerBodyAtTheLocalSteps) {
    struct Case {
        const char* name;
        TDateTime start;
        TDateTime end;
        int stepsPerDay;
        std::size_t rows;
        TDateTime last;
    };
    const TDateTime jan1 = EncodeDate(2027, 1, 1);
    const Case cases[] = {
        {"1 March to 1 March, 24 h", EncodeDate(2027, 3, 1), EncodeDate(2027, 3, 1), 1, 1, EncodeDate(2027, 3, 1)},
        {"1 January + 1 m, 60 min", jan1, IncMonth(jan1, 1), 24, 768, EncodeDate(2027, 2, 1) + EncodeTime(23, 0, 0)},
        {"end before start runs forward", EncodeDate(2027, 1, 10), jan1, 1, 10, EncodeDate(2027, 1, 19)},
        {"two days, 5 min", jan1, jan1 + 1, 288, 576, jan1 + 1 + EncodeTime(23, 55, 0)},
        {"one day, 6 h", jan1, jan1, 4, 4, jan1 + EncodeTime(18, 0, 0)},
        // The limit is on the end date: a start moved far back widens the span.
        {"start moved 800 days back", jan1 - 800, jan1, 1, 801, jan1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EphemerisRequest request = Request(c.start, c.end, c.stepsPerDay);
        const auto rows = RunAll(request);
        ASSERT_NE(rows, nullptr);
        ASSERT_EQ(rows->RowCount(), c.rows);
        EXPECT_EQ(TotalSteps(request), static_cast<std::int64_t>(c.rows));
        EXPECT_EQ(rows->StartDate, c.start);
        EXPECT_EQ(rows->EndDate, c.end);
        EXPECT_NEAR(rows->Clock.ToWallTime(rows->Bodies[Sol].back().UniversalTime), c.last, TimeTolerance);
        EXPECT_EQ(rows->Clock.ToWallTime(rows->Bodies[Sol].front().UniversalTime), c.start);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            ASSERT_EQ(rows->Bodies[body].size(), c.rows) << BodyLabels[body];
            for (std::size_t i = 0; i < c.rows; ++i) {
                ASSERT_EQ(rows->Bodies[body][i].UniversalTime, StepUniversalTime(request, static_cast<std::int64_t>(i)))
                    << BodyLabels[body] << " row " << i;
            }
        }
    }
}

TEST(EphemerisRun, StepInstantAddsWholeDaysAndStepsOfTheDay) {
    struct Case {
        int stepsPerDay;
        std::int64_t index;
        int day;
        int hour;
        int minute;
    };
    const Case cases[] = {
        {1, 0, 0, 0, 0},    {1, 5, 5, 0, 0},      {2, 1, 0, 12, 0},      {4, 7, 1, 18, 0},
        {24, 23, 0, 23, 0}, {24, 767, 31, 23, 0}, {48, 49, 1, 0, 30},    {96, 95, 0, 23, 45},
        {144, 1, 0, 0, 10}, {288, 289, 1, 0, 5},  {288, 287, 0, 23, 55}, {12, 13, 1, 2, 0},
    };
    const TDateTime start = EncodeDate(2027, 1, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stepsPerDay << " steps a day, step " << c.index);
        // The start's time of day is ignored.
        const EphemerisRequest request{start + 0.7, start + 40, 40, c.stepsPerDay, WallClock()};
        EXPECT_NEAR(StepInstant(request, c.index), start + c.day + EncodeTime(c.hour, c.minute, 0), TimeTolerance);
    }
}

TEST(EphemerisRun, TotalStepsCountsAtLeastOneDayAndOneStep) {
    struct Case {
        int spanDays;
        int stepsPerDay;
        std::int64_t steps;
    };
    const Case cases[] = {
        {732, 288, 210'816}, {32, 24, 768}, {1, 1, 1}, {0, 24, 24}, {-5, 24, 24}, {3, 0, 3}, {2, 100000, 2880},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spanDays << " days, " << c.stepsPerDay << " steps a day");
        EXPECT_EQ(TotalSteps({0, 0, c.spanDays, c.stepsPerDay, WallClock()}), c.steps);
    }
}

TEST(EphemerisRun, TheZoneTurnsTheLocalInstantIntoUniversalTime) {
    struct Case {
        double zoneHours;
        int utHour;
        int utMinute;
    };
    const Case cases[] = {{-3.5, 15, 30}, {5.75, 6, 15}, {0, 12, 0}, {11.99, 0, 0}};
    const TDateTime day = EncodeDate(2027, 1, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoneHours);
        // Two steps a day: the second is local 12:00.
        const auto rows = RunAll(Request(day, day, 2, c.zoneHours));
        ASSERT_NE(rows, nullptr);
        ASSERT_EQ(rows->RowCount(), 2u);
        // 11.99 h is 11 h 59 min 24 s east: 12:00 local is 00:00:36 UT.
        const double universal =
            day + EncodeTime(c.utHour, c.utMinute, 0) + (c.zoneHours == 11.99 ? EncodeTime(0, 0, 36) : 0);
        Engine engine;
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            SCOPED_TRACE(BodyLabels[body]);
            EphemerisRow expected = DirectRow(engine, universal, 0, body);
            expected.UniversalTime = rows->Bodies[body][1].UniversalTime;
            ExpectSameRow(rows->Bodies[body][1], expected);
            EXPECT_NEAR(rows->Bodies[body][1].UniversalTime, universal, TimeTolerance);
            EXPECT_NEAR(rows->Clock.ToWallTime(rows->Bodies[body][1].UniversalTime), day + 0.5, TimeTolerance);
        }
    }
}

// Madrid moved from +1 to +2 at 01:00 UT on 28 March 2027 (`zdump -v -c
// 2027,2028 Europe/Madrid`: 01:59:59 CET, then 03:00:00 CEST).
EphemerisRequest MadridRequest(TDateTime start, TDateTime end, int stepsPerDay) {
    const auto zone = TimeZone::Find("Europe/Madrid");
    EXPECT_TRUE(zone);
    return {start, end, SpanDays(start, end), stepsPerDay, zone ? WallClock(*zone) : WallClock()};
}

// Hourly on the day of the change: evenly spaced in real time from 00:00 at
// +1, so the wall clock reads 01:00 then 03:00 and the day still has 24 rows,
// the same instants and positions as the run at the fixed +1.
TEST(EphemerisRun, HourlyStepsInANamedZoneAreEvenInRealTimeAcrossASpringChange) {
    const TDateTime day = EncodeDate(2027, 3, 28);
    const auto rows = RunAll(MadridRequest(day, day, 24));
    const auto fixed = RunAll(Request(day, day, 24, 1));
    ASSERT_NE(rows, nullptr);
    ASSERT_NE(fixed, nullptr);
    ASSERT_EQ(rows->RowCount(), 24u);
    for (std::size_t k = 0; k < 24; ++k) {
        SCOPED_TRACE(testing::Message() << "row " << k);
        const TDateTime universal = day - 1 + EncodeTime(23, 0, 0) + static_cast<double>(k) / 24;
        const TDateTime wall = day + static_cast<double>(k < 2 ? k : k + 1) / 24;
        const EphemerisRow& sun = rows->Bodies[Sol][k];
        EXPECT_NEAR(sun.UniversalTime, universal, TimeTolerance);
        EXPECT_NEAR(rows->Clock.ToWallTime(sun.UniversalTime), wall, TimeTolerance);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            EXPECT_EQ(rows->Bodies[body][k].Longitude, fixed->Bodies[body][k].Longitude) << BodyLabels[body];
            EXPECT_EQ(rows->Bodies[body][k].Declination, fixed->Bodies[body][k].Declination) << BodyLabels[body];
        }
    }
}

// Daily across the spring and the autumn changes: every row is its own day's
// 00:00 on the wall clock, at +1 or +2 as Madrid's rules give that midnight
// (summer time from 01:00 UT on 28 March to 01:00 UT on 31 October).
TEST(EphemerisRun, DailyStepsInANamedZoneAreEachDaysOwnMidnight) {
    struct Case {
        TDateTime Start;
        int SummerFrom;  // the first row at +2
        int SummerTo;    // one past the last row at +2
    };
    const Case cases[] = {
        {EncodeDate(2027, 3, 25), 4, 7},
        {EncodeDate(2027, 10, 28), 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Start);
        const auto rows = RunAll(MadridRequest(c.Start, c.Start + 6, 1));
        ASSERT_NE(rows, nullptr);
        ASSERT_EQ(rows->RowCount(), 7u);
        for (int k = 0; k < 7; ++k) {
            SCOPED_TRACE(k);
            const int offsetHours = k >= c.SummerFrom && k < c.SummerTo ? 2 : 1;
            const TDateTime midnight = c.Start + k;
            const EphemerisRow& sun = rows->Bodies[Sol][static_cast<std::size_t>(k)];
            EXPECT_NEAR(sun.UniversalTime, midnight - offsetHours / 24.0, TimeTolerance);
            EXPECT_NEAR(rows->Clock.ToWallTime(sun.UniversalTime), midnight, TimeTolerance);
        }
    }
}

TEST(EphemerisRun, RowsEqualTheEngineStepNarrowedToSinglePrecisionWhateverTheThreads) {
    // 5 days of 2-hour steps: 60 steps, not a whole number of blocks.
    const EphemerisRequest request = Request(EncodeDate(2026, 12, 30), EncodeDate(2027, 1, 3), 12, 2.5);
    ASSERT_EQ(TotalSteps(request), 60);
    const auto single = RunAll(request, 1);
    ASSERT_NE(single, nullptr);
    Engine engine;
    for (std::int64_t i = 0; i < TotalSteps(request); ++i) {
        const TDateTime local = StepInstant(request, i);
        const StepPositions step = ComputeAllBodies(engine, LocalToJDE(local, ZoneOffset(2.5)).jde);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            SCOPED_TRACE(testing::Message() << BodyLabels[body] << " step " << i);
            const BodyPosition& p = step[body];
            const EphemerisRow& row = single->Bodies[body][static_cast<std::size_t>(i)];
            ExpectSameRow(row, {static_cast<float>(p.Longitude), static_cast<float>(p.Latitude),
                                static_cast<float>(p.RightAscension), static_cast<float>(p.Declination),
                                static_cast<float>(p.Distance), local + ZoneOffset(2.5)});
        }
    }
    for (const unsigned threads : {2u, 3u, 7u, 0u}) {
        SCOPED_TRACE(testing::Message() << threads << " threads");
        const auto parallel = RunAll(request, threads);
        ASSERT_NE(parallel, nullptr);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            ASSERT_EQ(parallel->Bodies[body].size(), single->Bodies[body].size());
            for (std::size_t i = 0; i < single->RowCount(); ++i) {
                SCOPED_TRACE(testing::Message() << BodyLabels[body] << " row " << i);
                ExpectSameRow(parallel->Bodies[body][i], single->Bodies[body][i]);
            }
        }
    }
}

TEST(EphemerisRun, CountsEveryStepDone) {
    const EphemerisRequest request = Request(EncodeDate(2027, 1, 1), EncodeDate(2027, 1, 3), 24);
    EphemerisProgress progress;
    ASSERT_NE(RunEphemeris(request, progress), nullptr);
    EXPECT_EQ(progress.StepsDone.load(), TotalSteps(request));
}

TEST(EphemerisRun, AStopRequestedBeforeTheRunGivesNoRows) {
    EphemerisProgress progress;
    progress.StopRequested = true;
    const EphemerisRequest request = Request(EncodeDate(2027, 1, 1), EncodeDate(2027, 1, 1), 1);
    EXPECT_EQ(RunEphemeris(request, progress), nullptr);
    EXPECT_EQ(progress.StepsDone.load(), 0);
}

TEST(EphemerisRun, AStopDuringTheRunEndsItEarlyWithNoRows) {
    // The largest span at the shortest step; stopped after a few steps.
    const TDateTime start = EncodeDate(2027, 1, 1);
    const EphemerisRequest request = Request(start, IncMonth(start, LimitedSpanMonths), 288);
    EphemerisProgress progress;
    std::jthread stopper([&progress] {
        while (progress.StepsDone.load() < 20) {
            std::this_thread::yield();
        }
        progress.StopRequested = true;
    });
    EXPECT_EQ(RunEphemeris(request, progress), nullptr);
    // Each thread finishes the step it is computing and takes no other; the
    // bound leaves the stopping thread time to be scheduled.
    const std::int64_t done = progress.StepsDone.load();
    EXPECT_GE(done, 20);
    EXPECT_LT(done, TotalSteps(request) / 10);
}

// A float's place among all floats in order: consecutive floats, -0 and +0
// included, are one apart.
std::int64_t FloatOrder(float value) {
    std::int32_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits < 0 ? std::int64_t{INT32_MIN} - bits : bits;
}

// The fitted series change no stored value by more than its last place: five
// days around the March equinox of 2027 at the shortest step (the Sun's
// longitude passes 0° and the declinations cross the equator) and two years of
// days in a zone east of Greenwich.
TEST(EphemerisRun, FittedRowsAreTheDirectRowsWithinOneUnitInTheLastPlace) {
    const EphemerisRequest requests[] = {
        Request(EncodeDate(2027, 3, 18), EncodeDate(2027, 3, 22), 288),
        Request(EncodeDate(2027, 1, 1), EncodeDate(2028, 12, 31), 1, 5.5),
    };
    for (EphemerisRequest request : requests) {
        SCOPED_TRACE(testing::Message() << TotalSteps(request) << " steps");
        const auto fitted = RunAll(request);
        request.Evaluation = SeriesEvaluation::Direct;
        const auto direct = RunAll(request);
        ASSERT_NE(fitted, nullptr);
        ASSERT_NE(direct, nullptr);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            for (std::size_t i = 0; i < fitted->RowCount(); ++i) {
                SCOPED_TRACE(testing::Message() << BodyLabels[body] << " row " << i);
                const EphemerisRow& f = fitted->Bodies[body][i];
                const EphemerisRow& d = direct->Bodies[body][i];
                EXPECT_LE(std::llabs(FloatOrder(f.Longitude) - FloatOrder(d.Longitude)), 1);
                EXPECT_LE(std::llabs(FloatOrder(f.Latitude) - FloatOrder(d.Latitude)), 1);
                EXPECT_LE(std::llabs(FloatOrder(f.RightAscension) - FloatOrder(d.RightAscension)), 1);
                EXPECT_LE(std::llabs(FloatOrder(f.Declination) - FloatOrder(d.Declination)), 1);
                EXPECT_LE(std::llabs(FloatOrder(f.Distance) - FloatOrder(d.Distance)), 1);
                EXPECT_EQ(f.UniversalTime, d.UniversalTime);
            }
        }
    }
}

TEST(EphemerisRun, ADirectRunIsTheDirectEngineNarrowed) {
    EphemerisRequest request = Request(EncodeDate(2027, 6, 1), EncodeDate(2027, 6, 2), 4, -3);
    request.Evaluation = SeriesEvaluation::Direct;
    const auto rows = RunAll(request, 2);
    ASSERT_NE(rows, nullptr);
    Engine direct(SeriesEvaluation::Direct);
    for (std::int64_t i = 0; i < TotalSteps(request); ++i) {
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            SCOPED_TRACE(testing::Message() << BodyLabels[body] << " step " << i);
            const TDateTime local = StepInstant(request, i);
            ExpectSameRow(rows->Bodies[body][static_cast<std::size_t>(i)], DirectRow(direct, local, -3, body));
        }
    }
}

}  // namespace
}  // namespace kalto
