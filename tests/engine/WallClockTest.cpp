// SPDX-License-Identifier: GPL-3.0-or-later
#include "WallClock.h"

#include "TimeScales.h"

#include <gtest/gtest.h>

namespace kalto {
namespace {

constexpr double ClockTolerance = 0.5 / 86'400'000.0;  // half a millisecond, in days

TDateTime MadridAt(int year, int month, int day, int hour, int minute) {
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, 0);
}

// A fixed offset converts exactly as a run did before named zones: the
// universal time is the wall time plus ZoneOffset, to the bit.
TEST(WallClock, FixedOffsetConvertsAsZoneOffset) {
    const double hours[] = {0, 2, -5, 5.75, -3.5, 11.99, -11.99};
    const TDateTime wall = MadridAt(2027, 3, 28, 2, 30) + 0.123456789;
    for (const double h : hours) {
        SCOPED_TRACE(h);
        const WallClock clock(h);
        EXPECT_EQ(clock.ToUniversalTime(wall), wall + ZoneOffset(h));
        EXPECT_EQ(clock.ToWallTime(wall + ZoneOffset(h)), wall + ZoneOffset(h) - ZoneOffset(h));
        EXPECT_NEAR(clock.ToWallTime(clock.ToUniversalTime(wall)), wall, ClockTolerance);
    }
}

// Madrid's changes of 2027, as `zdump -v -c 2027,2028 Europe/Madrid` prints
// them: 01:00 UT on 28 March (01:59:59 CET then 03:00:00 CEST) and 01:00 UT
// on 31 October (02:59:59 CEST then 02:00:00 CET).
TEST(WallClock, NamedZoneFollowsMadridsChangesOf2027) {
    struct Case {
        TDateTime Universal, Wall;
    };
    const Case cases[] = {
        {MadridAt(2027, 3, 28, 0, 30), MadridAt(2027, 3, 28, 1, 30)},
        {MadridAt(2027, 3, 28, 1, 0), MadridAt(2027, 3, 28, 3, 0)},
        {MadridAt(2027, 3, 28, 1, 30), MadridAt(2027, 3, 28, 3, 30)},
        {MadridAt(2027, 10, 31, 0, 30), MadridAt(2027, 10, 31, 2, 30)},
        {MadridAt(2027, 10, 31, 1, 0), MadridAt(2027, 10, 31, 2, 0)},
        {MadridAt(2027, 10, 31, 2, 0), MadridAt(2027, 10, 31, 3, 0)},
    };
    const auto zone = TimeZone::Find("Europe/Madrid");
    ASSERT_TRUE(zone);
    const WallClock clock(*zone);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Universal);
        EXPECT_NEAR(clock.ToWallTime(c.Universal), c.Wall, ClockTolerance);
        // 02:00..02:59 on 31 October occurs twice: the wall time reads the first.
        if (c.Wall != MadridAt(2027, 10, 31, 2, 0)) {
            EXPECT_NEAR(clock.ToUniversalTime(c.Wall), c.Universal, ClockTolerance);
        }
    }
    // 02:30 on 28 March is skipped: read with the offset before the change.
    EXPECT_NEAR(clock.ToUniversalTime(MadridAt(2027, 3, 28, 2, 30)), MadridAt(2027, 3, 28, 1, 30), ClockTolerance);
}

TEST(WallClock, ZoneTextNamesTheZoneAndItsOffsetAtTheStart) {
    const auto zone = TimeZone::Find("Europe/Madrid");
    ASSERT_TRUE(zone);
    struct Case {
        WallClock Clock;
        TDateTime Start;
        const char* Text;
    };
    const Case cases[] = {
        {WallClock(2.0), MadridAt(2027, 1, 1, 0, 0), "2.00"},
        {WallClock(-5.75), MadridAt(2027, 1, 1, 0, 0), "-5.75"},
        {WallClock(*zone), MadridAt(2027, 3, 1, 0, 0), "Europe/Madrid (1.00)"},
        {WallClock(*zone), MadridAt(2027, 3, 29, 0, 0), "Europe/Madrid (2.00)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(c.Clock.ZoneText(c.Start), c.Text);
    }
}

TEST(WallClock, UtcOffsetTextAtTheStartOfTheSpan) {
    struct Case {
        const char* Zone;
        TDateTime Start;
        const char* Text;
    };
    const Case cases[] = {
        {"Europe/Madrid", EncodeDate(2027, 1, 1), "UTC+01:00"},
        {"Europe/Madrid", EncodeDate(2027, 7, 1), "UTC+02:00"},
        {"Europe/Madrid", EncodeDate(1890, 1, 1), "UTC-00:14:44"},
        {"America/Argentina/Buenos_Aires", EncodeDate(2027, 1, 1), "UTC-03:00"},
        {"Asia/Kathmandu", EncodeDate(2027, 1, 1), "UTC+05:45"},
        {"Pacific/Kiritimati", EncodeDate(2027, 1, 1), "UTC+14:00"},
        {"Pacific/Auckland", EncodeDate(2027, 1, 1), "UTC+13:00"},
        {"UTC", EncodeDate(2027, 1, 1), "UTC+00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Zone);
        const auto zone = TimeZone::Find(c.Zone);
        ASSERT_TRUE(zone);
        EXPECT_EQ(UtcOffsetText(WallClock(*zone).OffsetSecondsAt(c.Start)), c.Text);
    }
    EXPECT_EQ(UtcOffsetText(WallClock(-5.75).OffsetSecondsAt(0)), "UTC-05:45");
}

}  // namespace
}  // namespace kalto
