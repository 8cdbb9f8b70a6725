// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextForms.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kalto {

namespace {

constexpr double DegreesPerCircle = 360;
constexpr double DegreesPerSign = 30;

// Truncation toward zero held to the range of int, NaN giving 0, so that no
// input makes the conversion undefined.
int TruncToInt(double x) noexcept {
    if (std::isnan(x)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(x), lowest, highest));
}

// Narrowing to single precision; a value beyond its range becomes an infinity
// (a plain cast of such a value is undefined).
float ToSingle(double x) noexcept {
    constexpr double highest = std::numeric_limits<float>::max();
    if (std::fabs(x) > highest) {
        return static_cast<float>(std::copysign(std::numeric_limits<double>::infinity(), x));
    }
    return static_cast<float>(x);
}

std::string ToFixedChars(double value, int decimals) {
    // Room for the 309 integer digits of the largest double, the point, the
    // decimals and the sign.
    char buffer[320 + MaxDecimals];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// Adds one unit in the last place to the magnitude of a fixed-point text.
void IncrementMagnitude(std::string& text) {
    for (auto i = text.size(); i-- > 0;) {
        char& c = text[i];
        if (c == '.') {
            continue;
        }
        if (c == '-') {
            break;
        }
        if (c != '9') {
            ++c;
            return;
        }
        c = '0';
    }
    text.insert(text.starts_with('-') ? 1 : 0, 1, '1');
}

// Pads the integer part of a non-negative number's text to two digits, as the
// pattern "00" does.
std::string PadTwoDigits(std::string text) {
    const auto integerDigits = std::min(text.find('.'), text.size());
    if (integerDigits == 1 && text[0] >= '0' && text[0] <= '9') {
        text.insert(0, 1, '0');
    }
    return text;
}

std::string TwoDigits(double value, int decimals = 0) {
    return PadTwoDigits(FormatFixed(value, decimals));
}

// The degree-minute-second split, in doubles so that the carries cannot overflow.
struct SplitValue {
    double whole;
    double minutes;
    double seconds;
};

SplitValue Split(double value, int modulus) noexcept {
    SplitValue p;
    p.whole = std::trunc(value);
    const double m = (value - p.whole) * 60;
    p.minutes = std::trunc(m);
    p.seconds = (m - p.minutes) * 60;
    // With rounding to nearest the seconds and minutes stay below 60; the
    // carries keep the parts in range whatever the arithmetic.
    if (p.seconds == 60) {
        p.minutes += 1;
        p.seconds = 0;
    }
    if (p.minutes == 60) {
        p.whole += 1;
        p.minutes = 0;
    }
    if (p.whole == modulus) {
        p.whole = 0;
    }
    return p;
}

// The parts as printed with `decimals` decimals of seconds: seconds that
// round to 60 (59.5" with none) become 0 and add a minute, and 60 minutes add
// one to the whole part. The parts are magnitudes. A whole part that a carry
// brings to `modulus` wraps to 0, and `wrapped` tells the caller (the 30° that
// end a sign).
SplitValue CarryRounded(SplitValue p, int decimals, double modulus, bool* wrapped = nullptr) noexcept {
    bool carried = false;
    if (FormatFixed(p.seconds, decimals).starts_with("60")) {
        p.seconds = 0;
        p.minutes += 1;
    }
    if (p.minutes >= 60) {
        p.minutes -= 60;
        p.whole += 1;
        carried = true;
    }
    const bool wraps = carried && p.whole == modulus;
    if (wraps) {
        p.whole = 0;
    }
    if (wrapped != nullptr) {
        *wrapped = wraps;
    }
    return p;
}

// The parts in single precision, as the longitude forms compute them (which
// decides the printed fields at the edges), each a magnitude.
SplitValue SingleSplit(double value) noexcept {
    const float whole = ToSingle(std::trunc(value));
    const float m = ToSingle((value - static_cast<double>(whole)) * 60);
    const float seconds = (m - std::trunc(m)) * 60.0f;
    const float minutes = std::trunc(m);
    return {std::fabs(whole), std::fabs(minutes), std::fabs(seconds)};
}

// `prefix` and "05° 07' 09\"" of rounded parts.
std::string PartsText(std::string_view prefix, const SplitValue& p, std::string_view unit, int decimals) {
    std::string text(prefix);
    text += TwoDigits(p.whole);
    text += unit;
    text += ' ';
    text += TwoDigits(p.minutes);
    text += "' ";
    text += TwoDigits(p.seconds, decimals);
    text += '"';
    return text;
}

std::string PrefixText(AnglePrefix prefix, double value) {
    switch (prefix) {
        case AnglePrefix::None: return {};
        case AnglePrefix::WestEast: return value > 0 ? "W " : "E ";
        case AnglePrefix::NorthSouth: return value > 0 ? "N " : "S ";
        case AnglePrefix::PlusMinus: return value > 0 ? "+ " : "- ";
    }
    return {};
}

// "05° 07' 09\"" or "13h 30' 00\"" of a magnitude.
std::string SexagesimalText(double value, int modulus, int decimals, std::string_view unit) {
    return PartsText("", CarryRounded(Split(value, modulus), decimals, modulus), unit, decimals);
}

std::string DegreeMinuteText(double value, int modulus) {
    SplitValue p = Split(value, modulus);
    if (std::trunc(p.seconds) >= 30) {
        p.minutes += 1;
    }
    if (p.minutes == 60) {
        p.minutes = 0;
        p.whole += 1;
    }
    if (p.whole == modulus) {
        p.whole = 0;
    }
    return TwoDigits(p.whole) + std::string(DegreeGlyph) + " " + TwoDigits(p.minutes) + "'";
}

// Rounds to the nearest integer, halves to the even neighbour, whatever the
// floating-point environment's rounding mode.
double RoundHalfEven(double x) noexcept {
    if (std::fabs(x - std::trunc(x)) == 0.5) {
        return 2 * std::round(x / 2);
    }
    return std::round(x);
}

// The longitude brought into 0 <= x < 360; NaN stays NaN.
double WrapDegrees(double x) noexcept {
    double r = std::fmod(x, 360.0);
    if (r < 0) {
        r += 360.0;
    }
    return r >= 360.0 ? 0.0 : r;
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
    decimals = std::clamp(decimals, 0, MaxDecimals);
    // The value lies exactly halfway between two printable neighbours when it
    // is an odd multiple of 2^-(decimals + 1); only then does the rule for
    // halves matter. Such a value prints exactly with one more decimal, a 5.
    const double scaled = std::ldexp(std::fabs(value), decimals + 1);
    std::string text;
    if (std::isfinite(scaled) && std::fmod(scaled, 2.0) == 1.0) {
        text = ToFixedChars(value, decimals + 1);
        text.pop_back();
        if (text.ends_with('.')) {
            text.pop_back();
        }
        IncrementMagnitude(text);
    } else {
        text = ToFixedChars(value, decimals);
    }
    if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

DegreeParts SplitDegrees(double value, int modulus) noexcept {
    const SplitValue p = Split(value, modulus);
    return {TruncToInt(p.whole), TruncToInt(p.minutes), p.seconds};
}

std::string AngleToText(int modulus, int decimals, AnglePrefix prefix, AngleStyle style, double value) {
    std::string text = PrefixText(prefix, value);
    const double magnitude = std::fabs(value);
    switch (style) {
        case AngleStyle::DMS: text += SexagesimalText(magnitude, modulus, decimals, DegreeGlyph); break;
        case AngleStyle::DM: text += DegreeMinuteText(magnitude, modulus); break;
        case AngleStyle::Decimal: text += FormatFixed(magnitude, decimals); break;
        case AngleStyle::HMS: text += SexagesimalText(magnitude, modulus, decimals, "h"); break;
    }
    return text;
}

std::string DegreesToText(bool showSign, std::string_view glyph, int decimals, double value) {
    const std::string_view prefix = !showSign ? " " : value >= 0 ? "+ " : "- ";
    return PartsText(prefix, CarryRounded(SingleSplit(value), decimals, DegreesPerCircle), glyph, decimals);
}

SignDegrees SignDegreesText(int sign, double degrees, std::string_view glyph) {
    bool nextSign = false;
    const SplitValue p = CarryRounded(SingleSplit(degrees), 0, DegreesPerSign, &nextSign);
    return {nextSign ? (sign + 1) % SignCount : sign, PartsText(" ", p, glyph, 0)};
}

std::string SignPositionText(double longitude) {
    const double lon = WrapDegrees(longitude);
    const int sign = std::isnan(lon) ? 0 : static_cast<int>(lon) / 30;
    const SignDegrees position = SignDegreesText(sign, lon - DegreesPerSign * sign, DegreeGlyph);
    return position.Text + std::string(SignAbbreviations[static_cast<std::size_t>(position.Sign)]);
}

double RoundDMS(bool keepSeconds, bool roundToSeconds, double value) noexcept {
    const double magnitude = std::fabs(value);
    double whole = std::trunc(magnitude);
    const double m = (magnitude - whole) * 60;
    double minutes = std::trunc(m);
    double seconds = (m - minutes) * 60;
    const bool roundUp = std::trunc((seconds - std::trunc(seconds)) * 100) >= 50;
    if (!roundToSeconds) {
        const double r = roundUp ? std::ceil(seconds) : std::floor(seconds);
        seconds = 0;
        if (r >= 30) {
            minutes += 1;
        }
    } else if (!keepSeconds) {
        seconds = roundUp ? std::ceil(seconds) : std::floor(seconds);
    }
    if (seconds == 60) {
        seconds = 0;
        minutes += 1;
    }
    if (minutes == 60) {
        minutes = 0;
        whole += 1;
    }
    if (whole == 360) {
        whole = 0;
    }
    return std::copysign(DMSToDegrees(whole, minutes, seconds), value);
}

std::string HourMinuteText(double minutes) {
    double hours = std::trunc(minutes / 60);
    double rest = RoundHalfEven(minutes - 60 * hours);
    if (std::fabs(rest) == 60) {
        hours += rest / 60;
        rest = 0;
    }
    return std::to_string(TruncToInt(hours)) + "h" + std::to_string(TruncToInt(rest)) + "m";
}

std::string CsvDateTimeText(TDateTime value) {
    const DecodedDateTime decoded = DecodeDateTime(std::round(value * 86400) / 86400);
    std::array<char, 48> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02dT%02d:%02d:%02d", decoded.date.year, decoded.date.month,
                  decoded.date.day, decoded.time.hour, decoded.time.minute, decoded.time.second);
    return buffer.data();
}

std::string CsvAngleText(double degrees) {
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), degrees, std::chars_format::general, 9);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace kalto
