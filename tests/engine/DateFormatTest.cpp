// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateFormat.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace kalto {
namespace {

// Friday 2024-02-09 13:05:07.
TDateTime KnownInstant() {
    return EncodeDate(2024, 2, 9) + EncodeTime(13, 5, 7);
}

struct PatternCase {
    const char* pattern;
    const char* text;
};

void ExpectFormats(TDateTime value, const DateFormatNames& names, std::initializer_list<PatternCase> cases) {
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(FormatDateTime(c.pattern, value, names), c.text);
    }
}

TEST(DateFormat, PatternsOfTheProgram) {
    ExpectFormats(KnownInstant(), SpanishDateFormatNames(),
                  {
                      {"mmm dd yyyy, ddd", "feb 09 2024, vie"},
                      {"hh:nn am/pm", "01:05 pm"},
                      {"mmm-dd-yyyy, ddd, hh:nn:ss am/pm", "feb-09-2024, vie, 01:05:07 pm"},
                      {"mmm-dd-yyyy, ddd", "feb-09-2024, vie"},
                      {"hh:nn:ss am/pm", "01:05:07 pm"},
                      {"mmm-dd-yyyy,hh:mm am/pm", "feb-09-2024,01:05 pm"},
                      {"mmm dd yyyy", "feb 09 2024"},
                      {"dddd, mmm-dd-yyyy", "viernes, feb-09-2024"},
                      {"mmm/dd/yyyy [hh:nn am/pm]", "feb/09/2024 [01:05 pm]"},
                      {"yy-mm", "24-02"},
                      {"mmm-dd-yyyy, hh:nn:ss am/pm", "feb-09-2024, 01:05:07 pm"},
                      {"mmm-dd-yyyy, hh:mm am/pm", "feb-09-2024, 01:05 pm"},
                      {" dddd dd-mmm-yyyy", " viernes 09-feb-2024"},
                      {"dddd, dd \"de\" mmm, yyyy", "viernes, 09 de feb, 2024"},
                      {"hh\"h\" nn\"m\" ss\"s\"", "13h 05m 07s"},
                  });
}

TEST(DateFormat, EachLetterForm) {
    ExpectFormats(KnownInstant(), SpanishDateFormatNames(),
                  {
                      {"d", "9"},
                      {"dd", "09"},
                      {"ddd", "vie"},
                      {"dddd", "viernes"},
                      {"ddddd", "viernes"},
                      {"m", "2"},
                      {"mm", "02"},
                      {"mmm", "feb"},
                      {"mmmm", "febrero"},
                      {"y", "24"},
                      {"yy", "24"},
                      {"yyy", "2024"},
                      {"yyyy", "2024"},
                      {"h", "13"},
                      {"hh", "13"},
                      {"n", "5"},
                      {"nn", "05"},
                      {"s", "7"},
                      {"ss", "07"},
                      {"h am/pm", "1 pm"},
                      // Letters match in either case.
                      {"DD/MM/YYYY HH:NN:SS", "09/02/2024 13:05:07"},
                      {"Dddd mMm", "viernes feb"},
                      // Other characters print as they stand, UTF-8 included.
                      {"[d] = ¿x? ñ", "[9] = ¿x? ñ"},
                      {"", ""},
                  });
}

TEST(DateFormat, MonthLettersAfterAnHourAreMinutes) {
    ExpectFormats(KnownInstant(), SpanishDateFormatNames(),
                  {
                      {"h:m", "13:5"},
                      {"hh mm", "13 05"},
                      {"hh 'at' mm", "13 at 05"},  // quoted text does not count
                      {"hh mmm", "13 feb"},        // month names stay month names
                      {"mm hh", "02 13"},
                      {"hh:nn mm", "13:05 02"},  // the last letter is not an hour
                      {"hh x mm", "13 x 02"},
                  });
}

TEST(DateFormat, TwelveHourClock) {
    struct Case {
        int hour;
        const char* text;
    };
    const Case cases[] = {
        {0, "12:30 am"}, {1, "01:30 am"}, {11, "11:30 am"}, {12, "12:30 pm"}, {13, "01:30 pm"}, {23, "11:30 pm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hour);
        const TDateTime value = EncodeDate(2024, 2, 9) + EncodeTime(c.hour, 30, 0);
        EXPECT_EQ(FormatDateTime("hh:nn am/pm", value, SpanishDateFormatNames()), c.text);
    }
    ExpectFormats(KnownInstant(), SpanishDateFormatNames(),
                  {
                      {"hh AM/PM", "01 PM"},
                      {"hh Am/pM", "01 pM"},                  // the marker as written
                      {"hh:nn am/pm (hh)", "01:05 pm (13)"},  // each hour looks ahead
                      {"hh:nn hh am/pm", "13:05 01 pm"},      // up to the next hour
                      {"am/pm hh", "pm 13"},
                      {"hh \"am/pm\"", "13 am/pm"},  // quoted: no marker
                  });
    ExpectFormats(EncodeDate(2024, 2, 9) + EncodeTime(0, 5, 0), SpanishDateFormatNames(),
                  {{"h:nn AM/PM", "12:05 AM"}, {"hh:nn", "00:05"}});
}

TEST(DateFormat, SeparatorsComeFromTheNames) {
    DateFormatNames names = SpanishDateFormatNames();
    names.dateSeparator = std::string("-");
    names.timeSeparator = std::string(".");
    ExpectFormats(KnownInstant(), names,
                  {
                      {"dd/mm/yyyy hh:nn:ss", "09-02-2024 13.05.07"},
                      {"hh:nn am/pm", "01.05 pm"},  // the marker keeps its slash
                      {"'/' \":\"", "/ :"},
                  });
}

TEST(DateFormat, QuotedText) {
    ExpectFormats(KnownInstant(), SpanishDateFormatNames(),
                  {
                      {"'dd' dd", "dd 09"},
                      {"\"it's\" d", "it's 9"},
                      {"'say \"hh\"'", "say \"hh\""},
                      {"d \"\" d", "9  9"},
                      {"d \"unclosed hh", "9 unclosed hh"},
                      {"d '", "9 "},
                  });
}

TEST(DateFormat, DayAndMonthNames) {
    const DateFormatNames names = SpanishDateFormatNames();
    const char* const days[] = {"domingo", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado"};
    for (int k = 0; k < 7; ++k) {
        SCOPED_TRACE(k);
        const TDateTime sunday = EncodeDate(2024, 2, 4);
        EXPECT_EQ(FormatDateTime("dddd", sunday + k + 0.5, names), days[k]);
    }
    EXPECT_EQ(FormatDateTime("ddd", EncodeDate(2024, 2, 7), names), "mié");
    const char* const months[] = {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct", "nov", "dic"};
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        EXPECT_EQ(FormatDateTime("mmm", EncodeDate(2025, month, 28), names), months[month - 1]);
    }
    EXPECT_EQ(FormatDateTime("mmmm", EncodeDate(2025, 9, 1), names), "septiembre");
}

TEST(DateFormat, BareFractionOfADayIsATimeOfDay) {
    const DateFormatNames names = SpanishDateFormatNames();
    const char* const duration = "hh\"h\" nn\"m\" ss\"s\"";
    EXPECT_EQ(FormatDateTime(duration, 0.5, names), "12h 00m 00s");
    EXPECT_EQ(FormatDateTime(duration, EncodeTime(2, 0, 0), names), "02h 00m 00s");
    EXPECT_EQ(FormatDateTime(duration, 0.0, names), "00h 00m 00s");
    // Decoded to the nearest millisecond: 01:02:03.9996 is 01:02:04.
    EXPECT_EQ(FormatDateTime(duration, EncodeTime(1, 2, 3, 999) + 0.6 / MillisecondsPerDay, names), "01h 02m 04s");
    EXPECT_EQ(FormatDateTime(duration, EncodeTime(1, 2, 3, 999) + 0.4 / MillisecondsPerDay, names), "01h 02m 03s");
}

TEST(DateFormat, JustBeforeMidnightRoundsToTheNextDay) {
    const TDateTime value = EncodeDate(2024, 2, 29) + 1.0 - 0.3 / MillisecondsPerDay;
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss ddd", value, SpanishDateFormatNames()), "2024-03-01 00:00:00 vie");
}

TEST(DateFormat, ValuesOutsideYearsOneTo9999GiveEmptyText) {
    const DateFormatNames names = SpanishDateFormatNames();
    for (const double value : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(), 1e300, -1e300, EncodeDate(1, 1, 1) - 1e-9,
                               EncodeDate(10000, 1, 1)}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn 'x'", value, names), "");
    }
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd ddd", EncodeDate(1, 1, 1), names), "0001-01-01 lun");
    EXPECT_EQ(FormatDateTime("yy-mm-dd", EncodeDate(1905, 3, 4), names), "05-03-04");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 0), names),
              "9999-12-31 23:59");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", -1.25, names), "1899-12-28 18:00");
}

TEST(DateFormat, NumericFieldsReadBackToTheValue) {
    const DateFormatNames names = SpanishDateFormatNames();
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> instant(EncodeDate(1, 1, 1), EncodeDate(9999, 12, 31));
    for (int k = 0; k < 20000; ++k) {
        const TDateTime value = instant(random);
        const std::string text = FormatDateTime("yyyy/mm/dd hh:nn:ss", value, names);
        SCOPED_TRACE(text);
        int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), "%d/%d/%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second), 6);
        ASSERT_TRUE(IsValidDate(year, month, day));
        const TDateTime read = EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
        // The seconds are whole: the text is at most one second (plus the
        // half millisecond of decoding) behind the value.
        ASSERT_LE(read - value, 0.5 / MillisecondsPerDay + 1e-9);
        ASSERT_GT(read - value, -1000.5 / MillisecondsPerDay - 1e-9);
    }
}

TEST(DateFormat, AnyPatternAndAnyValueFormatWithoutFailing) {
    const DateFormatNames names = SpanishDateFormatNames();
    const std::string alphabet = "dDmMyYhHnNsSaApP/:'\" -,.x\xC3\xA9\xB0z";
    std::mt19937_64 random(4);
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_real_distribution<double> instant(-800000, 3000000);
    const double specials[] = {0.0,
                               -0.0,
                               1.0 - 1e-12,
                               EncodeDate(1, 1, 1),
                               EncodeDate(10000, 1, 1) - 1e-7,
                               std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::denorm_min(),
                               1e18,
                               -1e18};
    for (int k = 0; k < 20000; ++k) {
        std::string pattern;
        for (int n = length(random); n > 0; --n) {
            pattern += alphabet[letter(random)];
        }
        const double value =
            k % 4 == 0 ? specials[static_cast<std::size_t>(k / 4) % std::size(specials)] : instant(random);
        SCOPED_TRACE(testing::Message() << pattern << " @ " << value);
        const std::string text = FormatDateTime(pattern, value, names);
        // Text without letters, separators or quotes prints as it stands.
        if (pattern.find_first_of("dDmMyYhHnNsSaA/:'\"") == std::string::npos && value >= EncodeDate(1, 1, 1) &&
            value < EncodeDate(10000, 1, 1)) {
            ASSERT_EQ(text, pattern);
        }
        // Quoted text prints as it stands.
        if (pattern.find('"') == std::string::npos) {
            ASSERT_EQ(FormatDateTime('"' + pattern + '"', 0.25, names), pattern);
        }
    }
}

}  // namespace
}  // namespace kalto
