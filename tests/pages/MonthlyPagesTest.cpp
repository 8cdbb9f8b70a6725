// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonthlyPages.h"

#include <gtest/gtest.h>

namespace kalto {
namespace {

TEST(MonthlyPages, MonthsCounted) {
    struct Case {
        TDateTime from;
        TDateTime to;
        int months;
    };
    const Case cases[] = {
        {EncodeDate(2027, 1, 31), EncodeDate(2027, 1, 1), 1},  // the same month, whatever the days
        {EncodeDate(2027, 1, 15), EncodeDate(2027, 3, 2), 3},
        {EncodeDate(2027, 11, 30), EncodeDate(2028, 2, 1), 4},
        {EncodeDate(2027, 1, 1), EncodeDate(2028, 12, 31), 24},
    };
    for (const Case& c : cases) EXPECT_EQ(MonthCount(c.from, c.to), c.months);
}

// Whole months from February to April 2027 in Madrid: a row a day at its own
// 00:00 (summer time from 28 March), each month's events inside the month,
// the void periods left out.
TEST(MonthlyPages, WholeMonthsOnTheWallClock) {
    const auto madrid = TimeZone::Find("Europe/Madrid");
    ASSERT_TRUE(madrid);
    const WallClock clock(*madrid);
    const std::atomic<bool> never{false};
    const auto pages = ComputeMonthPages(EncodeDate(2027, 2, 20), EncodeDate(2027, 4, 3), clock, never);
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->Months.size(), 3U);
    const std::size_t days[] = {28, 31, 30};
    std::size_t row = 0;
    for (std::size_t m = 0; m < 3; ++m) {
        const MonthPage& page = pages->Months[m];
        EXPECT_EQ(page.Year, 2027);
        EXPECT_EQ(page.Month, static_cast<int>(m) + 2);
        EXPECT_EQ(page.FirstRow, row);
        EXPECT_EQ(page.Days, days[m]);
        for (std::size_t day = 0; day < page.Days; ++day) {
            const TDateTime wall = clock.ToWallTime(pages->Rows->Bodies[Sol][row + day].UniversalTime);
            EXPECT_NEAR(wall, EncodeDate(2027, page.Month, static_cast<int>(day) + 1), 1e-6);
        }
        const TDateTime from = clock.ToUniversalTime(EncodeDate(2027, page.Month, 1));
        const TDateTime to = clock.ToUniversalTime(EncodeDate(2027, page.Month + 1, 1));
        EXPECT_GT(page.Events.size(), 50U);
        for (const Event& event : page.Events) {
            EXPECT_GE(event.Time, from);
            EXPECT_LT(event.Time, to);
            EXPECT_NE(event.Kind, EventKind::VoidOfCourse);
        }
        row += page.Days;
    }
    EXPECT_EQ(pages->Rows->RowCount(), row);
}

}  // namespace
}  // namespace kalto
