// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisSpan.h"

#include <gtest/gtest.h>

namespace kalto {
namespace {

TEST(SpanDays, CountsTheCalendarDaysOfBothEndsInEitherOrder) {
    struct Case {
        const char* name;
        TDateTime start;
        TDateTime end;
        int days;
    };
    const Case cases[] = {
        {"same day", EncodeDate(2027, 3, 1), EncodeDate(2027, 3, 1), 1},
        {"one month", EncodeDate(2027, 1, 1), EncodeDate(2027, 2, 1), 32},
        {"end before start", EncodeDate(2027, 2, 1), EncodeDate(2027, 1, 1), 32},
        {"times of day play no part", EncodeDate(2027, 1, 1) + 0.95, EncodeDate(2027, 1, 2) + 0.05, 2},
        {"leap day", EncodeDate(2028, 2, 28), EncodeDate(2028, 3, 1), 3},
        {"across 1899-12-30", EncodeDate(1899, 12, 29) + 0.5, EncodeDate(1899, 12, 30), 2},
        {"before 1899-12-30", EncodeDate(1899, 12, 1) + 0.5, EncodeDate(1899, 12, 3) + 0.25, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SpanDays(c.start, c.end), c.days);
    }
}

TEST(LimitEndDate, MovesAnEndBeyond730DaysTo24MonthsAfterTheStart) {
    struct Case {
        const char* name;
        TDateTime start;
        TDateTime end;
        TDateTime limited;
    };
    const TDateTime jan1 = EncodeDate(2027, 1, 1);
    const TDateTime leapDay = EncodeDate(2028, 2, 29);
    const Case cases[] = {
        {"800 days after", jan1, jan1 + 800, EncodeDate(2029, 1, 1)},
        {"800 days before", jan1, jan1 - 800, EncodeDate(2029, 1, 1)},
        {"730 days in all: kept", jan1, jan1 + 729, jan1 + 729},
        // 731 days in all is over the limit; 24 months later is one day further.
        {"731 days in all", jan1, jan1 + 730, EncodeDate(2029, 1, 1)},
        {"from a leap day", leapDay, leapDay + 800, EncodeDate(2030, 2, 28)},
        {"short span kept", jan1, EncodeDate(2027, 2, 1), EncodeDate(2027, 2, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LimitEndDate(c.start, c.end), c.limited);
    }
}

TEST(SpanButtons, AddCalendarMonthsAndStayWithinTheLimit) {
    struct Case {
        TDateTime start;
        int months;
        TDateTime end;
    };
    const Case cases[] = {
        {EncodeDate(2027, 1, 31), SpanButtonMonths[0], EncodeDate(2027, 2, 28)},
        {EncodeDate(2028, 1, 31), SpanButtonMonths[0], EncodeDate(2028, 2, 29)},
        {EncodeDate(2027, 1, 1), SpanButtonMonths[0], EncodeDate(2027, 2, 1)},
        {EncodeDate(2027, 8, 31), SpanButtonMonths[4], EncodeDate(2028, 2, 29)},
        {EncodeDate(2027, 12, 15), SpanButtonMonths[6], EncodeDate(2029, 12, 15)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.months);
        EXPECT_EQ(IncMonth(c.start, c.months), c.end);
    }
    // Every button's span passes the end-date limit unchanged, 24 months too.
    for (const TDateTime start : {EncodeDate(2027, 1, 1), EncodeDate(2027, 3, 1), EncodeDate(2028, 2, 29)}) {
        for (const int months : SpanButtonMonths) {
            SCOPED_TRACE(months);
            const TDateTime end = IncMonth(start, months);
            EXPECT_EQ(LimitEndDate(start, end), end);
            EXPECT_LE(SpanDays(start, end), MaxSpanDays + 2);
        }
    }
}

}  // namespace
}  // namespace kalto
