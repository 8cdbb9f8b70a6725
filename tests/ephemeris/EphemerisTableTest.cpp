// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisTable.h"

#include <gtest/gtest.h>

namespace kalto {
namespace {

EphemerisRow Row(float longitude, float latitude, float rightAscension, float declination, TDateTime local) {
    return {longitude, latitude, rightAscension, declination, 1.0f, local};
}

TEST(EphemerisCellText, ShowsEachColumnOfARow) {
    struct Case {
        const char* name;
        EphemerisRow row;
        int line;
        int column;
        std::string text;
    };
    const TDateTime jan1 = EncodeDate(2027, 1, 1);  // a Friday
    const EphemerisRow leo = Row(135.368607f, -1.5f, 200.0f, 23.4392911f, jan1 + EncodeTime(13, 0, 0));
    const EphemerisRow pisces = Row(359.9999f, 0.0001f, 0.0f, -0.0001f, jan1);
    const Case cases[] = {
        {"line number", leo, 1, 0, " 1"},
        {"line number, not day", leo, 768, 0, " 768"},
        {"date", leo, 1, 1, "ene 01 2027, vie"},
        {"date of another month", Row(0, 0, 0, 0, EncodeDate(2027, 3, 1) + 0.5), 1, 1, "mar 01 2027, lun"},
        {"position in Leo", leo, 1, 2, " 15\u00B0 22' 07\"Leo"},
        {"359.9999 rounds to 0 of Aries", pisces, 1, 2, " 00\u00B0 00' 00\"Ari"},
        {"1 pm", leo, 1, 3, "01:00 pm"},
        {"midnight", pisces, 1, 3, "12:00 am"},
        {"noon", Row(0, 0, 0, 0, jan1 + 0.5), 1, 3, "12:00 pm"},
        {"last step of a day", Row(0, 0, 0, 0, jan1 + EncodeTime(23, 55, 0)), 1, 3, "11:55 pm"},
        {"longitude", leo, 1, 4, " 135\u00B0 22' 07\""},
        {"longitude 359.9999", pisces, 1, 4, " 00\u00B0 00' 00\""},
        {"latitude", leo, 1, 5, "- 01\u00B0 30' 00\""},
        {"small positive latitude", pisces, 1, 5, "+ 00\u00B0 00' 00\""},
        {"right ascension in degrees", leo, 1, 6, "+ 200\u00B0 00' 00\""},
        {"declination", leo, 1, 7, "+ 23\u00B0 26' 21\""},
        {"small negative declination", pisces, 1, 7, "- 00\u00B0 00' 00\""},
        {"no column -1", leo, 1, -1, ""},
        {"no column 8", leo, 1, 8, ""},
    };
    const DateFormatNames names = SpanishDateFormatNames();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EphemerisCellText(c.row, c.line, c.column, names, WallClock()), c.text);
    }
}

TEST(EphemerisCellText, NamesMonthsAndDaysInTheLanguageGiven) {
    DateFormatNames names = SpanishDateFormatNames();
    names.shortMonthNames[0] = "Jan";
    names.shortDayNames[5] = "Fri";
    const EphemerisRow row{0, 0, 0, 0, 0, EncodeDate(2027, 1, 1)};
    EXPECT_EQ(EphemerisCellText(row, 1, 1, names, WallClock()), "Jan 01 2027, Fri");
}

// Rows hold universal time; the date and hour are the clock's. Madrid moved
// from +1 to +2 at 01:00 UT on 28 March 2027 (zdump -v Europe/Madrid).
TEST(EphemerisCellText, ShowsTheRowsInstantOnTheRunsWallClock) {
    struct Case {
        TDateTime Universal;
        const char* Date;
        const char* Hour;
    };
    const TDateTime day = EncodeDate(2027, 3, 28);
    const Case cases[] = {
        {day - 1 + EncodeTime(23, 30, 0), "mar 28 2027, dom", "12:30 am"},
        {day + EncodeTime(0, 55, 0), "mar 28 2027, dom", "01:55 am"},
        {day + EncodeTime(1, 0, 0), "mar 28 2027, dom", "03:00 am"},
    };
    const auto zone = TimeZone::Find("Europe/Madrid");
    ASSERT_TRUE(zone);
    const WallClock madrid(*zone);
    const DateFormatNames names = SpanishDateFormatNames();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Hour);
        const EphemerisRow row{0, 0, 0, 0, 0, c.Universal};
        EXPECT_EQ(EphemerisCellText(row, 1, 1, names, madrid), c.Date);
        EXPECT_EQ(EphemerisCellText(row, 1, 3, names, madrid), c.Hour);
    }
}

}  // namespace
}  // namespace kalto
