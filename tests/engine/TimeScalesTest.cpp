// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeScales.h"

#include "ConstDeltaT.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalto {
namespace {

constexpr double SecondsPerDay = 86400.0;
// The Julian Day of 1899-12-30 00:00, the zero of TDateTime.
constexpr double JulianDayOfDateTimeZero = 2415018.5;

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

TEST(TimeScales, JulianDayOfMeeusExamples) {
    // Meeus, Astronomical Algorithms, 2nd ed., example 7.a and the Gregorian
    // dates of the table after it.
    struct Case {
        int year, month;
        double day, jd;
    };
    const Case cases[] = {
        {2000, 1, 1.5, 2451545.0},  {1957, 10, 4.81, 2436116.31}, {1987, 1, 27.0, 2446822.5},
        {1987, 6, 19.5, 2446966.0}, {1988, 1, 27.0, 2447187.5},   {1988, 6, 19.5, 2447332.0},
        {1900, 1, 1.0, 2415020.5},  {1600, 1, 1.0, 2305447.5},    {1600, 12, 31.0, 2305812.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        EXPECT_NEAR(JulianDay(c.year, c.month, c.day), c.jd, 1e-9);
    }
}

TEST(TimeScales, JulianDayCountsTheSameDaysAsTheDateTimeFromYearMinus4000To4000) {
    // Year 0 and the years before it included: the proleptic Gregorian calendar
    // of the date-time and the Julian Day must never drift apart.
    for (int year = -4000; year <= 4000; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (const int day : {1, DaysInMonth(year, month)}) {
                ASSERT_EQ(JulianDay(year, month, day), EncodeDate(year, month, day) + JulianDayOfDateTimeZero)
                    << year << '-' << month << '-' << day;
            }
        }
    }
}

TEST(TimeScales, DeltaTFromTheTablesAndPolynomials) {
    struct Case {
        TDateTime ut;
        double seconds, tolerance;
        const char* why;
    };
    const Case cases[] = {
        {At(1990, 6, 15), 57.17, 1e-12, "monthly table"},
        {At(1972, 1, 1), 42.23, 1e-12, "first month of the monthly table"},
        {At(1985, 7, 31, 23, 59), 54.63, 1e-12, "monthly table, last minute of a month"},
        {At(2000, 12, 31, 23, 59), 64.04, 1e-12, "last month of the monthly table"},
        {At(2001, 3, 31), 64.01, 1e-12, "first quarter"},
        {At(2001, 4, 1), 64.05, 1e-12, "second quarter"},
        {At(2002, 8, 1), 65.5, 1e-12, "third quarter"},
        {At(2003, 12, 31), 67.0, 1e-12, "last quarter"},
        {At(2010, 5, 1), 73.0, 1e-12, "yearly table"},
        {At(2012, 12, 31, 23, 59), 75.0, 1e-12, "last year of the yearly table"},
        {At(1900, 1, 1), -2.44, 1e-9, "T = 0 of the 1900 polynomial"},
        {At(1899, 12, 31), -2.50, 1e-9, "1800 polynomial, approximate year already 1900"},
        {At(1800, 1, 1), 13.19, 0.005, "T = -1 of the 1800 polynomial"},
        {At(1950, 6, 1), 28.44, 0.005, "T = 0.5"},
        {At(1971, 12, 31), 42.03, 0.005, "approximate year 1972, T = 0.72"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_NEAR(DeltaTSeconds(c.ut), c.seconds, c.tolerance);
    }
}

TEST(TimeScales, DeltaTPolynomialsAreConstantOverEachApproximateYear) {
    // 1850-12-30 is past the turn of the approximate year 1851; 1851-06-01 is within it.
    EXPECT_EQ(DeltaTSeconds(At(1850, 12, 30, 12)), DeltaTSeconds(At(1851, 6, 1)));
    EXPECT_NE(DeltaTSeconds(At(1850, 12, 28)), DeltaTSeconds(At(1851, 6, 1)));
    EXPECT_EQ(DeltaTSeconds(At(1930, 3, 1)), DeltaTSeconds(At(1930, 11, 1)));
}

TEST(TimeScales, DeltaTFrom2013IsLinearBetweenTheValuesAtNewYear) {
    struct Case {
        TDateTime ut;
        double seconds, tolerance;
    };
    const Case cases[] = {
        {At(2013, 1, 1), 66.91, 1e-9},
        {At(2020, 7, 2), 69.36, 1e-9},
        {At(2022, 7, 2, 12), (69.29 + 69.18) / 2, 1e-9},  // the middle of 2022
        {At(2026, 12, 8), 68.81, 0.005},
        {At(2026, 12, 8, 15), 68.90 - 0.10 * 341.625 / 365, 1e-9},
        {At(2027, 12, 31, 23, 59, 59), 68.80, 1e-6},
        {At(2028, 1, 1), 68.80, 1e-9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ut);
        EXPECT_NEAR(DeltaTSeconds(c.ut), c.seconds, c.tolerance);
    }
    for (int year = 2013; year <= 2028; ++year) {
        SCOPED_TRACE(year);
        EXPECT_NEAR(DeltaTSeconds(At(year, 1, 1)), DeltaTJanuary[static_cast<std::size_t>(year - 2013)], 1e-9);
        // Continuous at each New Year after the first (2012 ends on the yearly table's 75 s).
        if (year > 2013) {
            EXPECT_NEAR(DeltaTSeconds(At(year, 1, 1) - 1.0 / SecondsPerDay), DeltaTSeconds(At(year, 1, 1)), 1e-6);
        }
    }
}

TEST(TimeScales, DeltaTAfter2028FollowsEspenakMeeusShiftedToJoin) {
    // Espenak and Meeus (2006), 2005-2050: 62.92 + 0.32217 t + 0.005589 t^2,
    // t = y - 2000, less its excess over 68.80 s at 2028.0.
    const auto shifted = [](double y) {
        const double t = y - 2000;
        const double at2028 = 62.92 + 0.32217 * 28 + 0.005589 * 28 * 28;
        return 62.92 + 0.32217 * t + 0.005589 * t * t - at2028 + 68.80;
    };
    struct Case {
        TDateTime ut;
        double year;
    };
    const Case cases[] = {
        {At(2029, 1, 1), 2029.0},
        {At(2040, 7, 2), 2040.5},  // 2040 is a leap year: 2 July 00:00 is its middle
        {At(2050, 1, 1), 2050.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_NEAR(DeltaTSeconds(c.ut), shifted(c.year), 1e-9);
    }
}

TEST(TimeScales, DeltaTBefore1800FollowsEspenakMeeus) {
    // The constant terms of Espenak and Meeus's polynomials (each at its own
    // origin), the long-term parabola, and their table value for 1750.
    struct Case {
        TDateTime ut;
        double seconds, tolerance;
    };
    const Case cases[] = {
        {At(1700, 1, 1), 8.83, 1e-9},         {At(1600, 1, 1), 120.0, 1e-9},     {At(1000, 1, 1), 1574.2, 1e-9},
        {At(0, 1, 1), 10583.6, 1e-9},         {At(-1000, 1, 1), 25427.68, 1e-6}, {At(1750, 1, 1), 13.4, 0.05},
        {At(1799, 12, 31, 23), 13.76, 0.005},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ut);
        EXPECT_NEAR(DeltaTSeconds(c.ut), c.seconds, c.tolerance);
    }
}

TEST(TimeScales, DeltaTHasNoJumpAtTheJoins) {
    // A minute before and at 1 January of each year where one expression hands
    // over to the next. At 1800 the polynomials differ by 0.57 s.
    struct Case {
        int year;
        double tolerance;
    };
    const Case cases[] = {{-500, 0.05}, {500, 0.1}, {1600, 0.3}, {1700, 0.2}, {1800, 1.0}, {2028, 1e-6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        const TDateTime newYear = At(c.year, 1, 1);
        EXPECT_NEAR(DeltaTSeconds(newYear - 60 / SecondsPerDay), DeltaTSeconds(newYear), c.tolerance);
    }
}

TEST(TimeScales, CalendarDifferenceInEitherOrder) {
    struct Case {
        TDateTime a, b;
        YearsMonthsDays span;
    };
    const Case cases[] = {
        {At(2024, 3, 1), At(2024, 1, 31), {0, 1, 1}},         {At(2025, 1, 30, 9), At(2024, 1, 31, 10), {0, 11, 30}},
        {At(2024, 3, 1), At(2023, 12, 31), {0, 2, 1}},        {At(2024, 2, 29), At(2000, 2, 29), {24, 0, 0}},
        {At(2024, 5, 10, 23), At(2024, 5, 10, 1), {0, 0, 0}}, {At(1999, 12, 31), At(1899, 12, 1), {100, 0, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a);
        EXPECT_EQ(CalendarDifference(c.a, c.b), c.span);
        EXPECT_EQ(CalendarDifference(c.b, c.a), c.span);
    }
}

TEST(TimeScales, InclusiveDayCountCountsBothDates) {
    const TDateTime day = At(2024, 6, 10);
    struct Case {
        TDateTime a, b;
        int count;
    };
    const Case cases[] = {
        {day + 1, day, 2},
        {day - 1, day, 0},
        {day, day, 1},
        {day + 0.9, day + 0.1, 1},
        {day + 1.1, day + 0.9, 2},
        {day - 5, day, 0},
        {day + 30, day, 31},
        // 1899-12-30 12:00 and 1899-12-29 12:00: two dates, either side of zero.
        {0.5, -0.5, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << ' ' << c.b);
        EXPECT_EQ(InclusiveDayCount(c.a, c.b), c.count);
    }
}

TEST(TimeScales, ZoneOffsetTurnsLocalTimeIntoUniversalTime) {
    struct Case {
        double zone;
        ClockTime universal;
    };
    const Case cases[] = {
        {5.75, {6, 15, 0, 0}},  {-3.5, {15, 30, 0, 0}},    {0.0, {12, 0, 0, 0}},
        {11.99, {0, 0, 36, 0}}, {-11.99, {23, 59, 24, 0}}, {0.01, {11, 59, 24, 0}},
    };
    const TDateTime noon = At(2024, 6, 10, 12);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone);
        EXPECT_EQ(DecodeTime(noon + ZoneOffset(c.zone)), c.universal);
    }
}

TEST(TimeScales, ZoneOffsetOfEveryTwoDecimalZoneIsAWholeNumberOfSeconds) {
    for (int hundredths = -1199; hundredths <= 1199; ++hundredths) {
        const double zone = hundredths / 100.0;
        const double seconds = ZoneOffset(zone) * SecondsPerDay;
        const double expected = std::round(std::fabs(zone) * 3600) * (zone >= 0 ? -1 : 1);
        ASSERT_NEAR(seconds, expected, 1e-9) << zone;
    }
}

TEST(TimeScales, LocalToJDEAddsTheZoneAndDeltaT) {
    struct Case {
        TDateTime local;
        double zone, deltaT, universalJd;
    };
    const Case cases[] = {
        {At(2000, 1, 1, 12), 0, 63.83, 2451545.0},
        {At(2000, 1, 1, 17, 45), 5.75, 63.83, 2451545.0},
        {At(1992, 12, 20), 0, 59.04, 2448976.5},
        {At(2026, 12, 8, 12), -3, 68.90 - 0.10 * 341.625 / 365, 2461383.125},
        // Delta T is taken at Universal Time: 1990-06-30 21:00 UT, June's value.
        {At(1990, 7, 1, 2), 5, 57.17, 2448073.375},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.universalJd);
        const EphemerisInstant instant = LocalToJDE(c.local, ZoneOffset(c.zone));
        EXPECT_NEAR(instant.deltaTSeconds, c.deltaT, 1e-9);
        // Dynamical time is rounded to the millisecond.
        EXPECT_NEAR(instant.jde, c.universalJd + c.deltaT / SecondsPerDay, 0.6e-3 / SecondsPerDay);
    }
}

TEST(TimeScales, LocalToJDEIsTheJulianDayOfUniversalTimePlusDeltaT) {
    for (int year = -1000; year <= 2100; year += 7) {
        for (const double zone : {-11.99, -3.5, 0.0, 5.75, 11.0}) {
            const TDateTime local = At(year, 1 + (year + 4000) % 12, 17, 13, 37, 21);
            const TDateTime universal = local + ZoneOffset(zone);
            const EphemerisInstant instant = LocalToJDE(local, ZoneOffset(zone));
            ASSERT_EQ(instant.deltaTSeconds, DeltaTSeconds(universal)) << year << ' ' << zone;
            ASSERT_NEAR(instant.jde, universal + JulianDayOfDateTimeZero + instant.deltaTSeconds / SecondsPerDay,
                        0.6e-3 / SecondsPerDay)
                << year << ' ' << zone;
        }
    }
}

TEST(TimeScales, DurationTextTakesTheDaysFromTheDatesAndTheHoursFromTheSpan) {
    const TDateTime ten = At(2024, 6, 10, 10);
    struct Case {
        TDateTime later, earlier;
        const char* text;
    };
    const Case cases[] = {
        {ten + 2.0 / 24, ten, " 02h 00m 00s"},
        {At(2024, 6, 12, 8), ten, "0 años 0 meses 2 días = 2 días 22h 00m 00s"},
        {ten + 1, ten, "0 años 0 meses 1 días = 1 días 00h 00m 00s"},
        {At(2024, 6, 11, 9, 59, 59), ten, " 23h 59m 59s"},
        {At(2025, 3, 1, 12, 30, 15), At(2024, 1, 31, 10), "1 años 1 meses 1 días = 395 días 02h 30m 15s"},
        // Less than a millisecond short of a whole day: read as the day.
        {At(2024, 6, 11) - 0.4e-3 / SecondsPerDay, At(2024, 6, 10), "0 años 0 meses 1 días = 1 días 00h 00m 00s"},
        {ten, ten, " 00h 00m 00s"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DurationText(c.later, c.earlier), c.text);
        EXPECT_EQ(DurationText(c.earlier, c.later), c.text);
    }
}

}  // namespace
}  // namespace kalto
