// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text forms of angles and times: degree-minute-second parts, the texts of the
// grids and read-outs, and the rounding of such values. All texts are UTF-8.

#include "DateTime.h"
#include "SignNames.h"

#include <array>
#include <string>
#include <string_view>

namespace kalto {

// The glyphs placed behind whole degrees: the degree sign (U+00B0) in the grids,
// detail lines and documents, the masculine ordinal (U+00BA) in the graph.
inline constexpr std::string_view DegreeGlyph = "\u00B0";
inline constexpr std::string_view OrdinalGlyph = "\u00BA";

struct DegreeParts {
    int whole = 0;
    int minutes = 0;     // 0..59
    double seconds = 0;  // 0 <= seconds < 60
};

enum class AngleStyle { DMS = 0, DM = 1, Decimal = 2, HMS = 5 };
enum class AnglePrefix { None = 0, WestEast = 1, NorthSouth = 2, PlusMinus = 3 };

// Decimals asked of any text form are held to 0..MaxDecimals.
inline constexpr int MaxDecimals = 20;

// `value` with `decimals` digits after the point, rounded to the nearest,
// halves away from zero. The rounding is decided on the binary value held, so
// 2.675 (held as 2.67499999...) gives "2.67" and 0.125 (held exactly) "0.13".
// A result that rounds to zero carries no minus sign.
[[nodiscard]] std::string FormatFixed(double value, int decimals);

// Whole part, minutes and seconds of a non-negative value; the whole part
// wraps to 0 when it reaches `modulus` (360 for degrees, 24 for hours).
// Values beyond the range of int (or NaN) give a whole part held to that range.
[[nodiscard]] DegreeParts SplitDegrees(double value, int modulus) noexcept;

// The text of an angle in the given style, after the prefix chosen by the sign
// of `value` ("W "/"E ", "N "/"S ", "+ "/"- "; exactly 0 takes the second).
// The body shows the absolute value:
//   DMS      "05° 07' 09\"" (seconds to `decimals` decimals, halves away from
//            zero; seconds that round to 60 carry into the minutes and on
//            into the whole part, which then wraps at `modulus`:
//            359° 59' 59.6" prints as 00° 00' 00")
//   DM       "05° 07'" (30 seconds or more add a minute, with carries)
//   HMS      "13h 30' 00\"" (as DMS, for a value in hours)
//   Decimal  the value with `decimals` decimals
// A style outside these codes gives the prefix alone.
[[nodiscard]] std::string AngleToText(int modulus, int decimals, AnglePrefix prefix, AngleStyle style, double value);

// The longitude form " 123° 30' 00\"" of the absolute value: parts computed in
// single precision, the seconds rounded to `decimals` decimals, halves away
// from zero, and seconds that round to 60 carried into the minutes and on into
// the degrees (10° 59' 59.6" prints as 11° 00' 00"; a carry to 360° prints
// 00°). The text starts with " ", or with "+ "/"- " when `showSign` is set.
// `glyph` follows the whole degrees.
[[nodiscard]] std::string DegreesToText(bool showSign, std::string_view glyph, int decimals, double value);

// A position within a sign as printed: the sign and " 15° 30' 00\"" of the
// degrees in it (0 <= degrees < 30), rounded to whole seconds as DegreesToText
// does. Degrees that round to 30 print as 00° 00' 00" of the next sign.
struct SignDegrees {
    int Sign = 0;
    std::string Text;
};
[[nodiscard]] SignDegrees SignDegreesText(int sign, double degrees, std::string_view glyph);

// Position within the sign followed by the sign's abbreviation in the table's
// form: 45.5 gives " 15° 30' 00\"Tau", 149.99992 " 00° 00' 00\"Vir". A longitude
// outside 0..360 is first brought into that range.
[[nodiscard]] std::string SignPositionText(double longitude);

// Degrees rounded to whole minutes (roundToSeconds unset), to whole seconds
// (roundToSeconds set, keepSeconds unset) or kept (both set); a fraction of
// 0.50 or more of the unit rounds up. A negative value rounds as its absolute
// value does. A whole part of 360 wraps to 0.
[[nodiscard]] double RoundDMS(bool keepSeconds, bool roundToSeconds, double value) noexcept;

[[nodiscard]] constexpr double DMSToDegrees(double degrees, double minutes, double seconds) noexcept {
    return degrees + minutes / 60 + seconds / 3600;
}

// "%dh%dm" of a span in minutes: 288 gives "4h48m". The minutes are rounded to
// the nearest, halves to the even neighbour; a rest that rounds to 60 is
// carried into the hours (119.7 gives "2h0m").
[[nodiscard]] std::string HourMinuteText(double minutes);

// "AAAA-MM-DDTHH:MM:SS", rounded to the second: the date-times of the CSV
// output.
[[nodiscard]] std::string CsvDateTimeText(TDateTime value);

// An angle in degrees with 9 significant digits and a point, whatever the
// locale, as the CSV output writes angles.
[[nodiscard]] std::string CsvAngleText(double degrees);

}  // namespace kalto
