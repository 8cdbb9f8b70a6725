// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateTime.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalto {
namespace {

TEST(DateTime, EveryDayFrom1600To2400RoundTrips) {
    TDateTime previous = EncodeDate(1599, 12, 31);
    for (int year = 1600; year <= 2400; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                const TDateTime value = EncodeDate(year, month, day);
                ASSERT_EQ(value, previous + 1) << year << '-' << month << '-' << day;
                ASSERT_EQ(DecodeDate(value), (CalendarDate{year, month, day}));
                ASSERT_EQ(DecodeDate(value + 0.75), (CalendarDate{year, month, day}));
                previous = value;
            }
        }
    }
}

TEST(DateTime, KnownDays) {
    struct Case {
        int y, m, d;
        double value;
        int weekday;
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 6},   {1899, 12, 31, 1, 0},     {1900, 1, 1, 2, 1},
        {2000, 1, 1, 36526, 6}, {1600, 3, 1, -109511, 3}, {2026, 12, 8, 46364, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.value);
        EXPECT_EQ(DayOfWeek(c.value + 0.5), c.weekday);
    }
}

TEST(DateTime, TimeOfDayBeforeTheEpochIsTheValueMinusItsFloor) {
    // -1.25 is 1899-12-28 18:00, not 1899-12-29 06:00.
    const DecodedDateTime d = DecodeDateTime(-1.25);
    EXPECT_EQ(d.date, (CalendarDate{1899, 12, 28}));
    EXPECT_EQ(d.time, (ClockTime{18, 0, 0, 0}));
}

TEST(DateTime, DecodingRoundsToTheNearestMillisecond) {
    const TDateTime base = EncodeDate(2024, 2, 29);
    struct Case {
        double fraction;
        ClockTime time;
        CalendarDate date;
    };
    const Case cases[] = {
        {EncodeTime(13, 45, 30, 250), {13, 45, 30, 250}, {2024, 2, 29}},
        {EncodeTime(13, 45, 30, 250) + 0.4 / MillisecondsPerDay, {13, 45, 30, 250}, {2024, 2, 29}},
        {EncodeTime(13, 45, 30, 250) + 0.6 / MillisecondsPerDay, {13, 45, 30, 251}, {2024, 2, 29}},
        {1.0 - 0.3 / MillisecondsPerDay, {0, 0, 0, 0}, {2024, 3, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fraction);
        const DecodedDateTime d = DecodeDateTime(base + c.fraction);
        EXPECT_EQ(d.time, c.time);
        EXPECT_EQ(d.date, c.date);
    }
}

TEST(DateTime, IncMonthKeepsTheDayOrTakesTheLastDayOfTheMonth) {
    struct Case {
        CalendarDate from;
        int months;
        CalendarDate to;
    };
    const Case cases[] = {
        {{2024, 1, 31}, 1, {2024, 2, 29}},  {{2023, 1, 31}, 1, {2023, 2, 28}},  {{2024, 1, 1}, 1, {2024, 2, 1}},
        {{2024, 11, 30}, 3, {2025, 2, 28}}, {{2024, 2, 29}, 12, {2025, 2, 28}}, {{2024, 2, 29}, 24, {2026, 2, 28}},
        {{2024, 8, 31}, 6, {2025, 2, 28}},  {{2024, 3, 31}, -1, {2024, 2, 29}}, {{2024, 1, 15}, -13, {2022, 12, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.months);
        const TDateTime from = EncodeDate(c.from.year, c.from.month, c.from.day) + 0.25;
        const TDateTime to = IncMonth(from, c.months);
        EXPECT_EQ(DecodeDate(to), c.to);
        EXPECT_DOUBLE_EQ(to - std::floor(to), 0.25);
    }
}

TEST(DateTime, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
    EXPECT_EQ(DaysInMonth(2023, 12), 31);
}

}  // namespace
}  // namespace kalto
