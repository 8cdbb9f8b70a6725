// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextForms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace kalto {
namespace {

// The grid form of an angle: modulus 360, no decimals, plus/minus prefix, DMS.
std::string GridText(double value) {
    return AngleToText(360, 0, AnglePrefix::PlusMinus, AngleStyle::DMS, value);
}

double Dms(double degrees, double minutes, double seconds) {
    return degrees + minutes / 60 + seconds / 3600;
}

TEST(TextForms, FormatFixedRoundsTheHeldValueHalvesAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0.5, 0, "1"},  // exact half: away from zero, not to even
        {1.5, 0, "2"},
        {2.5, 0, "3"},
        {29.5, 0, "30"},
        {-0.5, 0, "-1"},
        {-2.5, 0, "-3"},
        {0.125, 2, "0.13"},  // exact in binary
        {0.375, 2, "0.38"},
        {9.95, 1, "9.9"},    // held as 9.9499999...
        {2.675, 2, "2.67"},  // held as 2.67499999...
        {9.5, 0, "10"},      // the carry runs into a new digit
        {99.75, 1, "99.8"},
        {999.5, 0, "1000"},
        {-99.5, 0, "-100"},
        {0.49999999999999994, 0, "0"},
        {59.6, 0, "60"},
        {7.0, 2, "7.00"},
        {-0.4, 0, "0"},  // a result of zero has no minus sign
        {-0.0, 1, "0.0"},
        {4503599627370495.5, 0, "4503599627370496"},  // 2^52 - 0.5, the largest half
        {1e20, 0, "100000000000000000000"},
        {0.5, -3, "1"},  // negative decimals count as none
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text);
    }
}

TEST(TextForms, FormatFixedOfNonFiniteValuesDoesNotFail) {
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 2), "inf");
    EXPECT_NE(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2).find("nan"), std::string::npos);
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::max(), 0).size(), 309u);
}

TEST(TextForms, SplitDegrees) {
    struct Case {
        double value;
        int modulus;
        int whole, minutes;
        double seconds;
    };
    const Case cases[] = {
        {0, 360, 0, 0, 0},
        {7.25, 360, 7, 15, 0},
        {123.5, 360, 123, 30, 0},
        {5.1193, 360, 5, 7, 9.48},
        {23.4392, 360, 23, 26, 21.12},
        {360, 360, 0, 0, 0},  // the whole part wraps at the modulus
        {24, 24, 0, 0, 0},
        {13.5, 24, 13, 30, 0},
        {400, 360, 400, 0, 0},  // only a whole part equal to the modulus wraps
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const DegreeParts parts = SplitDegrees(c.value, c.modulus);
        EXPECT_EQ(parts.whole, c.whole);
        EXPECT_EQ(parts.minutes, c.minutes);
        EXPECT_NEAR(parts.seconds, c.seconds, 1e-9);
    }
}

TEST(TextForms, SplitDegreesRebuildsTheValue) {
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> angle(0, 360);
    for (int k = 0; k < 10000; ++k) {
        const double value = angle(random);
        SCOPED_TRACE(value);
        const DegreeParts parts = SplitDegrees(value, 360);
        ASSERT_GE(parts.minutes, 0);
        ASSERT_LT(parts.minutes, 60);
        ASSERT_GE(parts.seconds, 0);
        ASSERT_LT(parts.seconds, 60);
        ASSERT_NEAR(DMSToDegrees(parts.whole, parts.minutes, parts.seconds), value, 1e-11);
    }
}

TEST(TextForms, SplitDegreesJustBelowTheModulusKeepsItsPartsInRange) {
    // The largest value below 360 splits into 359, 59 and seconds just below 60
    // (printed carried round the circle, as 0); 360 itself wraps to 0, 0, 0.
    const double below = std::nextafter(360.0, 0.0);
    const DegreeParts parts = SplitDegrees(below, 360);
    EXPECT_EQ(parts.whole, 359);
    EXPECT_EQ(parts.minutes, 59);
    EXPECT_LT(parts.seconds, 60);
    EXPECT_GT(parts.seconds, 59.999);
    EXPECT_EQ(GridText(below), "+ 00° 00' 00\"");
    const DegreeParts wrapped = SplitDegrees(360.0, 360);
    EXPECT_EQ(wrapped.whole, 0);
    EXPECT_EQ(wrapped.minutes, 0);
    EXPECT_EQ(wrapped.seconds, 0);
    // Just below every whole minute, the minutes and seconds stay below 60.
    for (int minute = 1; minute <= 360 * 60; ++minute) {
        double value = minute / 60.0;
        for (int k = 0; k < 4; ++k) {
            value = std::nextafter(value, 0.0);
            const DegreeParts p = SplitDegrees(value, 360);
            ASSERT_LT(p.minutes, 60) << value;
            ASSERT_LT(p.seconds, 60) << value;
            ASSERT_NEAR(DMSToDegrees(p.whole, p.minutes, p.seconds), value, 1e-11);
        }
    }
}

TEST(TextForms, SplitDegreesOfValuesOutsideIntDoesNotFail) {
    EXPECT_EQ(SplitDegrees(1e300, 360).whole, std::numeric_limits<int>::max());
    EXPECT_EQ(SplitDegrees(std::numeric_limits<double>::quiet_NaN(), 360).whole, 0);
    EXPECT_EQ(SplitDegrees(std::numeric_limits<double>::infinity(), 360).minutes, 0);
}

TEST(TextForms, AngleToTextStylesAndPrefixes) {
    struct Case {
        int modulus, decimals;
        AnglePrefix prefix;
        AngleStyle style;
        double value;
        const char* text;
    };
    const Case cases[] = {
        // The ephemeris grid's latitude, right ascension and declination.
        {360, 0, AnglePrefix::PlusMinus, AngleStyle::DMS, 23.4392, "+ 23° 26' 21\""},
        {360, 0, AnglePrefix::PlusMinus, AngleStyle::DMS, -1.5, "- 01° 30' 00\""},
        {360, 0, AnglePrefix::PlusMinus, AngleStyle::DMS, 0.0, "- 00° 00' 00\""},
        {360, 0, AnglePrefix::PlusMinus, AngleStyle::DMS, 359.5, "+ 359° 30' 00\""},
        {360, 0, AnglePrefix::None, AngleStyle::DMS, 5.1193, "05° 07' 09\""},
        {360, 2, AnglePrefix::None, AngleStyle::DMS, 5.1193, "05° 07' 09.48\""},
        {360, 1, AnglePrefix::None, AngleStyle::DMS, 5.1193, "05° 07' 09.5\""},
        {360, 0, AnglePrefix::None, AngleStyle::DMS, -5.1193, "05° 07' 09\""},
        // No carry after rounding the seconds.
        // Seconds that round to 60 carry into the minutes, the degrees and
        // round the circle; a negative value rounds as its absolute value.
        {360, 0, AnglePrefix::None, AngleStyle::DMS, Dms(10, 59, 59.6), "11° 00' 00\""},
        {360, 0, AnglePrefix::None, AngleStyle::DMS, Dms(14, 29, 59.7), "14° 30' 00\""},
        {360, 0, AnglePrefix::PlusMinus, AngleStyle::DMS, -Dms(3, 50, 59.6), "- 03° 51' 00\""},
        {360, 0, AnglePrefix::PlusMinus, AngleStyle::DMS, Dms(359, 59, 59.6), "+ 00° 00' 00\""},
        {360, 1, AnglePrefix::None, AngleStyle::DMS, Dms(10, 59, 59.96), "11° 00' 00.0\""},
        {360, 1, AnglePrefix::None, AngleStyle::DMS, Dms(10, 59, 59.94), "10° 59' 59.9\""},
        {24, 0, AnglePrefix::None, AngleStyle::HMS, Dms(23, 59, 59.6), "00h 00' 00\""},
        {24, 0, AnglePrefix::None, AngleStyle::HMS, Dms(13, 29, 59.5001), "13h 30' 00\""},
        {360, 0, AnglePrefix::None, AngleStyle::DMS, Dms(10, 0, 29.6), "10° 00' 30\""},
        {360, 0, AnglePrefix::None, AngleStyle::DMS, 360.0, "00° 00' 00\""},
        // DM adds a minute only for 30 whole seconds or more, with carries.
        {360, 0, AnglePrefix::None, AngleStyle::DM, Dms(10, 0, 29.6), "10° 00'"},
        {360, 0, AnglePrefix::None, AngleStyle::DM, Dms(10, 0, 30.2), "10° 01'"},
        {360, 0, AnglePrefix::None, AngleStyle::DM, Dms(10, 59, 45), "11° 00'"},
        {360, 0, AnglePrefix::None, AngleStyle::DM, Dms(359, 59, 45), "00° 00'"},
        {360, 0, AnglePrefix::NorthSouth, AngleStyle::DM, -Dms(23, 26, 21), "S 23° 26'"},
        // HMS of an hour value.
        {24, 0, AnglePrefix::None, AngleStyle::HMS, 13.5, "13h 30' 00\""},
        {24, 1, AnglePrefix::None, AngleStyle::HMS, Dms(5, 4, 3.26), "05h 04' 03.3\""},
        {24, 0, AnglePrefix::None, AngleStyle::HMS, 24.0, "00h 00' 00\""},
        // Decimal: the absolute value with `decimals` decimals.
        {360, 2, AnglePrefix::None, AngleStyle::Decimal, 23.4392, "23.44"},
        {360, 3, AnglePrefix::PlusMinus, AngleStyle::Decimal, -1.5, "- 1.500"},
        {360, 0, AnglePrefix::None, AngleStyle::Decimal, 0.5, "1"},
        // Prefixes decided on the sign; exactly 0 takes the second.
        {360, 0, AnglePrefix::WestEast, AngleStyle::DM, 70.25, "W 70° 15'"},
        {360, 0, AnglePrefix::WestEast, AngleStyle::DM, -70.25, "E 70° 15'"},
        {360, 0, AnglePrefix::WestEast, AngleStyle::DM, 0.0, "E 00° 00'"},
        {360, 0, AnglePrefix::NorthSouth, AngleStyle::DM, 40.5, "N 40° 30'"},
        {360, 0, AnglePrefix::NorthSouth, AngleStyle::DM, 0.0, "S 00° 00'"},
        // Any other style code gives the prefix alone.
        {360, 0, AnglePrefix::PlusMinus, static_cast<AngleStyle>(3), 12.0, "+ "},
        {360, 0, AnglePrefix::None, static_cast<AngleStyle>(4), 12.0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(AngleToText(c.modulus, c.decimals, c.prefix, c.style, c.value), c.text);
    }
}

// A value next to `start` whose split seconds are held as exactly `seconds`.
double ValueWithSeconds(double start, double seconds) {
    double value = start;
    for (int k = 0; k < 10000; ++k) {
        if (SplitDegrees(value, 360).seconds == seconds) {
            return value;
        }
        value = std::nextafter(value, 360.0);
    }
    return start;
}

TEST(TextForms, DmsSecondsThatAreExactHalvesRoundAwayFromZero) {
    struct Case {
        double minutes;
        double seconds;
        const char* dms;
        const char* dm;
    };
    const Case cases[] = {
        {7, 22.5, "00° 07' 23\"", "00° 07'"},  // to even would give 22
        {7, 52.5, "00° 07' 53\"", "00° 08'"},  // to even would give 52
        {1, 59.5, "00° 02' 00\"", "00° 02'"},  // rounds to 60 and carries
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        const double value = ValueWithSeconds(Dms(0, c.minutes, c.seconds), c.seconds);
        ASSERT_EQ(SplitDegrees(value, 360).seconds, c.seconds);
        EXPECT_EQ(AngleToText(360, 0, AnglePrefix::None, AngleStyle::DMS, value), c.dms);
        EXPECT_EQ(AngleToText(360, 0, AnglePrefix::None, AngleStyle::DM, value), c.dm);
    }
}

TEST(TextForms, DegreesToText) {
    struct Case {
        bool showSign;
        std::string_view glyph;
        int decimals;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {false, DegreeGlyph, 0, 123.5, " 123° 30' 00\""},
        {false, DegreeGlyph, 0, 7.25, " 07° 15' 00\""},
        {false, DegreeGlyph, 0, -7.25, " 07° 15' 00\""},
        {true, DegreeGlyph, 0, -7.25, "- 07° 15' 00\""},
        {true, DegreeGlyph, 0, 7.25, "+ 07° 15' 00\""},
        {true, DegreeGlyph, 0, 0.0, "+ 00° 00' 00\""},
        {false, OrdinalGlyph, 0, 7.25, " 07º 15' 00\""},
        {false, DegreeGlyph, 0, 0.0, " 00° 00' 00\""},
        {false, DegreeGlyph, 0, 5.1193, " 05° 07' 09\""},
        {false, DegreeGlyph, 2, 7.25, " 07° 15' 00.00\""},
        // Seconds that round to 60 carry into the minutes and degrees.
        {false, DegreeGlyph, 0, Dms(10, 59, 59.6), " 11° 00' 00\""},
        {false, DegreeGlyph, 0, Dms(14, 29, 59.7), " 14° 30' 00\""},
        {true, DegreeGlyph, 0, -Dms(3, 50, 59.6), "- 03° 51' 00\""},
        {false, DegreeGlyph, 0, Dms(359, 59, 59.6), " 00° 00' 00\""},
        {false, DegreeGlyph, 1, Dms(10, 59, 59.96), " 11° 00' 00.0\""},
        // Held in single precision: 10.999999 gives 59' 59.9964".
        {false, DegreeGlyph, 0, 10.999999, " 11° 00' 00\""},
        {false, DegreeGlyph, 3, 10.999999, " 10° 59' 59.996\""},
        // Seconds held as exactly 22.5 (minutes 7.375 in single precision)
        // round away from zero.
        {false, DegreeGlyph, 0, 10 + 7.375 / 60, " 10° 07' 23\""},
        // Single precision shows in the minutes: 29.99999999 holds 60
        // minutes, carried into the degrees.
        {false, DegreeGlyph, 0, 29.99999999, " 30° 00' 00\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DegreesToText(c.showSign, c.glyph, c.decimals, c.value), c.text);
    }
}

TEST(TextForms, DegreesToTextOfNonFiniteValuesDoesNotFail) {
    for (const double value : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
        SCOPED_TRACE(value);
        const std::string text = DegreesToText(true, DegreeGlyph, 2, value);
        EXPECT_TRUE(text.ends_with('"'));
    }
}

TEST(TextForms, SignPositionText) {
    struct Case {
        double longitude;
        const char* text;
    };
    const Case cases[] = {
        {0.0, " 00° 00' 00\"Ari"},
        {45.5, " 15° 30' 00\"Tau"},
        {359.5, " 29° 30' 00\"Pis"},
        {30.0, " 00° 00' 00\"Tau"},
        {29.75, " 29° 45' 00\"Ari"},
        {305.25, " 05° 15' 00\"Aqu"},
        {243.0, " 03° 00' 00\"Sag"},
        {215.0, " 05° 00' 00\"Esc"},
        // Outside 0..360 the longitude is first brought into range.
        {360.0, " 00° 00' 00\"Ari"},
        {-0.5, " 29° 30' 00\"Pis"},
        {725.5, " 05° 30' 00\"Ari"},
        // Seconds that round to 60 carry into the minutes, the degrees and the sign.
        {Dms(134, 29, 59.7), " 14° 30' 00\"Leo"},
        {Dms(149, 59, 59.7), " 00° 00' 00\"Vir"},
        {Dms(329, 59, 59.5001), " 00° 00' 00\"Pis"},
        {Dms(359, 59, 59.6), " 00° 00' 00\"Ari"},
        {Dms(149, 59, 59.4), " 29° 59' 59\"Leo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longitude);
        EXPECT_EQ(SignPositionText(c.longitude), c.text);
    }
}

TEST(TextForms, SignPositionTextNamesTheSignOfEveryLongitude) {
    for (int degree = 0; degree < 360; ++degree) {
        SCOPED_TRACE(degree);
        const std::string text = SignPositionText(degree + 0.5);
        EXPECT_TRUE(text.ends_with(SignAbbreviations[static_cast<std::size_t>(degree / 30)]));
    }
    EXPECT_TRUE(SignPositionText(std::numeric_limits<double>::quiet_NaN()).ends_with("Ari"));
    EXPECT_TRUE(SignPositionText(std::numeric_limits<double>::infinity()).ends_with("Ari"));
}

TEST(TextForms, SignAbbreviations) {
    EXPECT_EQ(SignAbbreviations[0], "Ari");
    EXPECT_EQ(SignAbbreviations[7], "Esc");
    EXPECT_EQ(SignAbbreviations[10], "Aqu");
    EXPECT_EQ(SignAbbreviations[11], "Pis");
    // The sign lists' form differs in the eleventh sign alone.
    for (std::size_t i = 0; i < SignAbbreviations.size(); ++i) {
        EXPECT_EQ(SignListItems[i] == SignAbbreviations[i], i != 10) << i;
    }
    EXPECT_EQ(SignListItems[10], "Acu");
}

TEST(TextForms, RoundDMS) {
    struct Case {
        bool keepSeconds, roundToSeconds;
        double value, result;
    };
    const Case cases[] = {
        // To whole seconds.
        {false, true, 10.999999, 11.0},
        {false, true, Dms(10, 20, 29.6), Dms(10, 20, 30)},
        {false, true, Dms(10, 20, 29.4), Dms(10, 20, 29)},
        {false, true, Dms(359, 59, 59.7), 0.0},
        {false, true, -Dms(10, 20, 29.4), -Dms(10, 20, 29)},
        {false, true, -Dms(10, 20, 29.6), -Dms(10, 20, 30)},
        // To whole minutes: the seconds are first rounded to whole seconds, so
        // 29.6 seconds become 30 and add a minute.
        {false, false, Dms(10, 20, 29.6), Dms(10, 21, 0)},
        {false, false, Dms(10, 20, 29.4), Dms(10, 20, 0)},
        {true, false, Dms(10, 20, 31), Dms(10, 21, 0)},
        {false, false, Dms(10, 59, 45), 11.0},
        {false, false, Dms(359, 59, 45), 0.0},
        {false, false, -Dms(10, 20, 29.4), -Dms(10, 20, 0)},
        // Both set: the value stays.
        {true, true, Dms(10, 20, 29.4), Dms(10, 20, 29.4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.keepSeconds << c.roundToSeconds << ' ' << c.value);
        EXPECT_NEAR(RoundDMS(c.keepSeconds, c.roundToSeconds, c.value), c.result, 1e-12);
    }
    EXPECT_EQ(RoundDMS(false, true, 10.999999), 11.0);
}

TEST(TextForms, RoundDMSGivesWholeSecondsOrMinutesNearTheValue) {
    std::mt19937_64 random(2);
    std::uniform_real_distribution<double> angle(0, 360);
    for (int k = 0; k < 10000; ++k) {
        const double value = angle(random);
        SCOPED_TRACE(value);
        const double toSeconds = RoundDMS(false, true, value);
        ASSERT_LE(std::fabs(std::remainder(toSeconds - value, 360.0)) * 3600, 0.5 + 1e-6);
        ASSERT_NEAR(toSeconds * 3600, std::round(toSeconds * 3600), 1e-6);
        // Rounding to minutes goes through whole seconds: at most 30.5" away.
        const double toMinutes = RoundDMS(false, false, value);
        ASSERT_LE(std::fabs(std::remainder(toMinutes - value, 360.0)) * 3600, 30.5 + 1e-6);
        ASSERT_NEAR(toMinutes * 60, std::round(toMinutes * 60), 1e-8);
        ASSERT_NEAR(RoundDMS(true, true, value), value, 1e-12);
    }
}

TEST(TextForms, DMSToDegrees) {
    EXPECT_DOUBLE_EQ(DMSToDegrees(0, 1, 0), 1.0 / 60);
    EXPECT_DOUBLE_EQ(DMSToDegrees(23, 26, 21.448), 23.439291111111111);
    EXPECT_EQ(DMSToDegrees(7, 15, 0), 7.25);
}

TEST(TextForms, HourMinuteText) {
    struct Case {
        double minutes;
        const char* text;
    };
    const Case cases[] = {
        {1440.0 / 1, "24h0m"},   {1440.0 / 2, "12h0m"},  {1440.0 / 5, "4h48m"},
        {1440.0 / 7, "3h26m"},                                             // 205.71 minutes
        {1440.0 / 100, "0h14m"}, {1440.0 / 960, "0h2m"},                   // 1.5 minutes: the half goes to the even 2
        {2.5, "0h2m"},           {3.5, "0h4m"},          {119.7, "2h0m"},  // a rest of 60 is carried into the hours
        {0.0, "0h0m"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.minutes);
        EXPECT_EQ(HourMinuteText(c.minutes), c.text);
    }
    EXPECT_EQ(HourMinuteText(std::numeric_limits<double>::quiet_NaN()), "0h0m");
    EXPECT_EQ(HourMinuteText(1e300), std::to_string(std::numeric_limits<int>::max()) + "h0m");
}

}  // namespace
}  // namespace kalto
