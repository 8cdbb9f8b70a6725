// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeZones.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kalto {
namespace {

// Half a millisecond, in days: the program reads and shows times to the
// millisecond, and a wrong offset is off by a second at least.
constexpr double Tolerance = 0.5 / 86'400'000.0;

struct Moment {
    int Year, Month, Day, Hour, Minute, Second;
};

TDateTime At(const Moment& m) {
    return EncodeDate(m.Year, m.Month, m.Day) + EncodeTime(m.Hour, m.Minute, m.Second);
}

// The reference values are the transitions that `zdump -v` prints from this
// machine's tzdata (2026f), for instance `zdump -v -c 2027,2028 Europe/Madrid`:
//
// Europe/Madrid  Sun Mar 28 00:59:59 2027 UT = Sun Mar 28 01:59:59 2027 CET isdst=0 gmtoff=3600
// Europe/Madrid  Sun Mar 28 01:00:00 2027 UT = Sun Mar 28 03:00:00 2027 CEST isdst=1 gmtoff=7200
// Europe/Madrid  Sun Oct 31 00:59:59 2027 UT = Sun Oct 31 02:59:59 2027 CEST isdst=1 gmtoff=7200
// Europe/Madrid  Sun Oct 31 01:00:00 2027 UT = Sun Oct 31 02:00:00 2027 CET isdst=0 gmtoff=3600
// Europe/Madrid  Mon Dec 31 23:59:59 1900 UT = Mon Dec 31 23:45:15 1900 LMT isdst=0 gmtoff=-884
// Europe/Madrid  Tue Jan  1 00:00:00 1901 UT = Tue Jan  1 00:00:00 1901 WET isdst=0 gmtoff=0
// Australia/Sydney  Sat Apr  3 15:59:59 2027 UT = Sun Apr  4 02:59:59 2027 AEDT isdst=1 gmtoff=39600
// Australia/Sydney  Sat Apr  3 16:00:00 2027 UT = Sun Apr  4 02:00:00 2027 AEST isdst=0 gmtoff=36000
// Australia/Sydney  Sat Oct  2 15:59:59 2027 UT = Sun Oct  3 01:59:59 2027 AEST isdst=0 gmtoff=36000
// Australia/Sydney  Sat Oct  2 16:00:00 2027 UT = Sun Oct  3 03:00:00 2027 AEDT isdst=1 gmtoff=39600
// Asia/Kolkata  Sun Oct 14 17:29:59 1945 UT = Sun Oct 14 23:59:59 1945 +0630 isdst=1 gmtoff=23400
// Asia/Kolkata  Sun Oct 14 17:30:00 1945 UT = Sun Oct 14 23:00:00 1945 IST isdst=0 gmtoff=19800
// Asia/Kathmandu  Tue Dec 31 18:29:59 1985 UT = Tue Dec 31 23:59:59 1985 +0530 isdst=0 gmtoff=19800
// Asia/Kathmandu  Tue Dec 31 18:30:00 1985 UT = Wed Jan  1 00:15:00 1986 +0545 isdst=0 gmtoff=20700
// America/Argentina/Buenos_Aires  Sun Apr  6 02:59:59 1969 UT = Sat Apr  5 23:59:59 1969 -03 isdst=1 gmtoff=-10800
// America/Argentina/Buenos_Aires  Sun Apr  6 03:00:00 1969 UT = Sat Apr  5 23:00:00 1969 -04 isdst=0 gmtoff=-14400
// America/Argentina/Buenos_Aires  Sun Oct  5 04:00:00 1969 UT = Sun Oct  5 01:00:00 1969 -03 isdst=0 gmtoff=-10800
// America/Argentina/Buenos_Aires  Sun Dec 30 02:59:59 2007 UT = Sat Dec 29 23:59:59 2007 -03 isdst=0 gmtoff=-10800
// America/Argentina/Buenos_Aires  Sun Dec 30 03:00:00 2007 UT = Sun Dec 30 01:00:00 2007 -02 isdst=1 gmtoff=-7200
// America/Argentina/Buenos_Aires  Sun Mar 16 02:00:00 2008 UT = Sat Mar 15 23:00:00 2008 -03 isdst=0 gmtoff=-10800
// America/Argentina/Buenos_Aires  Sun Oct 19 03:00:00 2008 UT = Sun Oct 19 01:00:00 2008 -02 isdst=1 gmtoff=-7200
//
// The zone files list transitions up to 2037 and state the later years as a
// rule in their footer (Madrid "CET-1CEST,M3.5.0,M10.5.0/3", Santiago
// "<-04>4<-03>,M9.1.6/24,M4.1.6/24"); `zdump -v -c 2045,2046` follows it:
//
// Europe/Madrid     Sun Mar 26 01:00:00 2045 UT = Sun Mar 26 03:00:00 2045 CEST isdst=1 gmtoff=7200
// Europe/Madrid     Sun Oct 29 00:59:59 2045 UT = Sun Oct 29 02:59:59 2045 CEST isdst=1 gmtoff=7200
// Europe/Madrid     Sun Oct 29 01:00:00 2045 UT = Sun Oct 29 02:00:00 2045 CET isdst=0 gmtoff=3600
// Australia/Sydney  Sat Apr  1 16:00:00 2045 UT = Sun Apr  2 02:00:00 2045 AEST isdst=0 gmtoff=36000
// Australia/Sydney  Sat Sep 30 16:00:00 2045 UT = Sun Oct  1 03:00:00 2045 AEDT isdst=1 gmtoff=39600
// America/Santiago  Sun Apr  2 02:59:59 2045 UT = Sat Apr  1 23:59:59 2045 -03 isdst=1 gmtoff=-10800
// America/Santiago  Sun Apr  2 03:00:00 2045 UT = Sat Apr  1 23:00:00 2045 -04 isdst=0 gmtoff=-14400
// America/Santiago  Sun Sep  3 04:00:00 2045 UT = Sun Sep  3 01:00:00 2045 -03 isdst=1 gmtoff=-10800
//
// Madrid's local mean time holds from the start of the database to 1901, so
// 1890 is read at -884 s (-0:14:44).

TEST(TimeZones, UniversalToWallTimeFollowsTheDatabase) {
    struct Case {
        const char* zone;
        Moment universal, wall;
        int offsetSeconds;
    };
    const Case cases[] = {
        {"Europe/Madrid", {2027, 3, 28, 0, 59, 59}, {2027, 3, 28, 1, 59, 59}, 3600},
        {"Europe/Madrid", {2027, 3, 28, 1, 0, 0}, {2027, 3, 28, 3, 0, 0}, 7200},
        {"Europe/Madrid", {2027, 10, 31, 0, 59, 59}, {2027, 10, 31, 2, 59, 59}, 7200},
        {"Europe/Madrid", {2027, 10, 31, 1, 0, 0}, {2027, 10, 31, 2, 0, 0}, 3600},
        {"Europe/Madrid", {1900, 12, 31, 23, 59, 59}, {1900, 12, 31, 23, 45, 15}, -884},
        {"Europe/Madrid", {1901, 1, 1, 0, 0, 0}, {1901, 1, 1, 0, 0, 0}, 0},
        {"Europe/Madrid", {1890, 6, 1, 12, 0, 0}, {1890, 6, 1, 11, 45, 16}, -884},
        {"Australia/Sydney", {2027, 4, 3, 15, 59, 59}, {2027, 4, 4, 2, 59, 59}, 39600},
        {"Australia/Sydney", {2027, 4, 3, 16, 0, 0}, {2027, 4, 4, 2, 0, 0}, 36000},
        {"Australia/Sydney", {2027, 10, 2, 15, 59, 59}, {2027, 10, 3, 1, 59, 59}, 36000},
        {"Australia/Sydney", {2027, 10, 2, 16, 0, 0}, {2027, 10, 3, 3, 0, 0}, 39600},
        {"Asia/Kolkata", {1945, 10, 14, 17, 29, 59}, {1945, 10, 14, 23, 59, 59}, 23400},
        {"Asia/Kolkata", {1945, 10, 14, 17, 30, 0}, {1945, 10, 14, 23, 0, 0}, 19800},
        {"Asia/Kathmandu", {1985, 12, 31, 18, 29, 59}, {1985, 12, 31, 23, 59, 59}, 19800},
        {"Asia/Kathmandu", {1985, 12, 31, 18, 30, 0}, {1986, 1, 1, 0, 15, 0}, 20700},
        {"America/Argentina/Buenos_Aires", {1969, 4, 6, 2, 59, 59}, {1969, 4, 5, 23, 59, 59}, -10800},
        {"America/Argentina/Buenos_Aires", {1969, 4, 6, 3, 0, 0}, {1969, 4, 5, 23, 0, 0}, -14400},
        {"America/Argentina/Buenos_Aires", {1969, 10, 5, 4, 0, 0}, {1969, 10, 5, 1, 0, 0}, -10800},
        {"America/Argentina/Buenos_Aires", {2007, 12, 30, 2, 59, 59}, {2007, 12, 29, 23, 59, 59}, -10800},
        {"America/Argentina/Buenos_Aires", {2007, 12, 30, 3, 0, 0}, {2007, 12, 30, 1, 0, 0}, -7200},
        {"America/Argentina/Buenos_Aires", {2008, 3, 16, 2, 0, 0}, {2008, 3, 15, 23, 0, 0}, -10800},
        {"America/Argentina/Buenos_Aires", {2008, 10, 19, 3, 0, 0}, {2008, 10, 19, 1, 0, 0}, -7200},
        {"Europe/Madrid", {2045, 3, 26, 1, 0, 0}, {2045, 3, 26, 3, 0, 0}, 7200},
        {"Europe/Madrid", {2045, 10, 29, 0, 59, 59}, {2045, 10, 29, 2, 59, 59}, 7200},
        {"Europe/Madrid", {2045, 10, 29, 1, 0, 0}, {2045, 10, 29, 2, 0, 0}, 3600},
        {"Australia/Sydney", {2045, 4, 1, 16, 0, 0}, {2045, 4, 2, 2, 0, 0}, 36000},
        {"Australia/Sydney", {2045, 9, 30, 16, 0, 0}, {2045, 10, 1, 3, 0, 0}, 39600},
        {"America/Santiago", {2045, 4, 2, 2, 59, 59}, {2045, 4, 1, 23, 59, 59}, -10800},
        {"America/Santiago", {2045, 4, 2, 3, 0, 0}, {2045, 4, 1, 23, 0, 0}, -14400},
        {"America/Santiago", {2045, 9, 3, 4, 0, 0}, {2045, 9, 3, 1, 0, 0}, -10800},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << ' ' << c.universal.Year << '-' << c.universal.Month << '-'
                                        << c.universal.Day << ' ' << c.universal.Hour << ':' << c.universal.Minute);
        const auto zone = TimeZone::Find(c.zone);
        ASSERT_TRUE(zone);
        EXPECT_EQ(zone->OffsetSeconds(At(c.universal)), c.offsetSeconds);
        EXPECT_NEAR(zone->ToWallTime(At(c.universal)), At(c.wall), Tolerance);
    }
}

TEST(TimeZones, WallToUniversalTimeTakesTheOffsetBeforeAGapAndTheFirstOfARepeat) {
    struct Case {
        const char* zone;
        Moment wall, universal;
    };
    const Case cases[] = {
        {"Europe/Madrid", {2027, 3, 28, 2, 30, 0}, {2027, 3, 28, 1, 30, 0}},  // skipped: read at +1
        {"Europe/Madrid", {2027, 3, 28, 3, 0, 0}, {2027, 3, 28, 1, 0, 0}},
        {"Europe/Madrid", {2027, 10, 31, 2, 30, 0}, {2027, 10, 31, 0, 30, 0}},  // twice: the first, at +2
        {"Europe/Madrid", {2027, 10, 31, 3, 0, 0}, {2027, 10, 31, 2, 0, 0}},
        {"Europe/Madrid", {1890, 6, 1, 11, 45, 16}, {1890, 6, 1, 12, 0, 0}},      // local mean time
        {"Australia/Sydney", {2027, 10, 3, 2, 30, 0}, {2027, 10, 2, 16, 30, 0}},  // skipped: read at +10
        {"Australia/Sydney", {2027, 4, 4, 2, 30, 0}, {2027, 4, 3, 15, 30, 0}},    // twice: the first, at +11
        {"Asia/Kolkata", {1945, 10, 14, 23, 30, 0}, {1945, 10, 14, 17, 0, 0}},    // twice: the first, at +6:30
        {"Asia/Kathmandu", {1986, 1, 1, 0, 10, 0}, {1985, 12, 31, 18, 40, 0}},    // skipped: read at +5:30
        {"Asia/Kathmandu", {1986, 1, 1, 0, 15, 0}, {1985, 12, 31, 18, 30, 0}},
        {"America/Argentina/Buenos_Aires", {1969, 4, 5, 23, 30, 0}, {1969, 4, 6, 2, 30, 0}},     // twice: at -3
        {"America/Argentina/Buenos_Aires", {1969, 10, 5, 0, 30, 0}, {1969, 10, 5, 4, 30, 0}},    // skipped: at -4
        {"America/Argentina/Buenos_Aires", {2007, 12, 30, 0, 30, 0}, {2007, 12, 30, 3, 30, 0}},  // skipped: at -3
        {"America/Argentina/Buenos_Aires", {2008, 3, 15, 23, 30, 0}, {2008, 3, 16, 1, 30, 0}},   // twice: at -2
        {"Europe/Madrid", {2045, 3, 26, 2, 30, 0}, {2045, 3, 26, 1, 30, 0}},                     // skipped: read at +1
        {"Europe/Madrid", {2045, 10, 29, 2, 30, 0}, {2045, 10, 29, 0, 30, 0}},  // twice: the first, at +2
        {"Europe/Madrid", {2045, 7, 1, 12, 0, 0}, {2045, 7, 1, 10, 0, 0}},
        {"Australia/Sydney", {2045, 10, 1, 2, 30, 0}, {2045, 9, 30, 16, 30, 0}},  // skipped: read at +10
        {"Australia/Sydney", {2045, 4, 2, 2, 30, 0}, {2045, 4, 1, 15, 30, 0}},    // twice: the first, at +11
        {"America/Santiago", {2045, 4, 1, 23, 30, 0}, {2045, 4, 2, 2, 30, 0}},    // twice: the first, at -3
        {"America/Santiago", {2045, 9, 3, 0, 30, 0}, {2045, 9, 3, 4, 30, 0}},     // skipped: read at -4
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << ' ' << c.wall.Year << '-' << c.wall.Month << '-' << c.wall.Day
                                        << ' ' << c.wall.Hour << ':' << c.wall.Minute);
        const auto zone = TimeZone::Find(c.zone);
        ASSERT_TRUE(zone);
        EXPECT_NEAR(zone->ToUniversalTime(At(c.wall)), At(c.universal), Tolerance);
    }
}

TEST(TimeZones, AnUnknownNameIsNotFound) {
    for (const char* name : {"Europe/Madird", "", "Madrid", "localtime"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(TimeZone::Find(name));
    }
}

TEST(TimeZones, TheNameListIsSortedWithLinksAndEveryNameIsFound) {
    const std::vector<std::string> names = TimeZoneNames();
    EXPECT_TRUE(std::ranges::is_sorted(names));
    for (const char* name : {"UTC", "US/Eastern", "Europe/Madrid", "America/Argentina/Buenos_Aires"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(std::ranges::binary_search(names, std::string(name)));
    }
    for (const std::string& name : names) {
        const auto zone = TimeZone::Find(name);
        ASSERT_TRUE(zone) << name;
        EXPECT_EQ(zone->Name(), name);
    }
}

}  // namespace
}  // namespace kalto
