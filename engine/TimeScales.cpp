// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeScales.h"

#include "ConstDeltaT.h"
#include "DateFormat.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace kalto {

namespace {

constexpr double SecondsPerDay = 86400.0;

// A date-time or a span of days to the nearest millisecond.
double ToMillisecond(double days) noexcept {
    return std::round(days * MillisecondsPerDay) / MillisecondsPerDay;
}

// Sum of c[k] x^k by Horner's rule, the coefficients listed from power 0 up.
template <std::size_t N>
constexpr double Polynomial(const std::array<double, N>& c, double x) noexcept {
    double sum = 0;
    for (std::size_t k = N; k-- > 0;) {
        sum = sum * x + c[k];
    }
    return sum;
}

// The year with the elapsed part of it as a fraction; `year` is the calendar
// year of t.
double DecimalYear(TDateTime t, int year) noexcept {
    const TDateTime start = EncodeDate(year, 1, 1);
    return year + (t - start) / (EncodeDate(year + 1, 1, 1) - start);
}

// Before 1800: F. Espenak and J. Meeus, "Polynomial expressions for Delta T",
// Five Millennium Canon of Solar Eclipses (NASA/TP-2006-214141), y the decimal
// year. Where this meets the 1800 polynomial below, the two differ by 0.57 s.
double EspenakMeeusBefore1800(double y) noexcept {
    if (y < -500) {
        // Morrison and Stephenson's long-term parabola.
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    }
    if (y < 500) {
        return Polynomial(std::array{10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521},
                          y / 100);
    }
    if (y < 1600) {
        return Polynomial(std::array{1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073},
                          (y - 1000) / 100);
    }
    if (y < 1700) {
        return Polynomial(std::array{120.0, -0.9808, -0.01532, 1.0 / 7129}, y - 1600);
    }
    return Polynomial(std::array{8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000}, y - 1700);
}

// 1800-1971: Meeus, Astronomical Algorithms (1991), ch. 9, in T centuries from
// 1900. T is taken in whole hundredths from an approximate year that turns one
// or two days before the calendar New Year, so the value is constant over each
// such year; the table chosen goes by the calendar year.
constexpr std::array DeltaT1800To1899{-2.50,      228.95,     5218.61,    56282.84,  324011.78, 1061660.75,
                                      2087298.89, 2513807.78, 1818961.41, 727058.63, 123563.95};
constexpr std::array DeltaT1900To1971{-2.44,     87.24,      815.20,    -2637.80,   -18756.33,
                                      124906.15, -303191.19, 372919.88, -232424.66, 58353.42};

double Tabulated1800To2012(TDateTime t, const CalendarDate& date) noexcept {
    const double approximateYear = std::trunc(t / 365.242197 + 1900);
    const double centuries = (approximateYear - 1900) / 100;
    if (date.year < 1900) {
        return Polynomial(DeltaT1800To1899, centuries);
    }
    if (date.year < 1972) {
        return Polynomial(DeltaT1900To1971, centuries);
    }
    if (date.year <= 2000) {
        return DeltaTMonthly[static_cast<std::size_t>((date.year - 1972) * 12 + date.month - 1)];
    }
    if (date.year <= 2003) {
        const int quarter = (date.month - 1) / 3;
        return DeltaTQuarterly[static_cast<std::size_t>((date.year - 2001) * 4 + quarter)];
    }
    return DeltaTYearly[static_cast<std::size_t>(date.year - 2004)];
}

// After 2028: Espenak and Meeus's expression for 2005-2050 (work cited above),
// moved by a constant to meet the last value of DeltaTJanuary at 2028.0.
constexpr double EspenakMeeus2005To2050(double y) noexcept {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
}
constexpr int LastJanuaryYear = 2013 + static_cast<int>(DeltaTJanuary.size()) - 1;
constexpr double ShiftAfter2028 = DeltaTJanuary.back() - EspenakMeeus2005To2050(LastJanuaryYear);

// From 2013: linear in the date between the values at 1 January.
double After2012(TDateTime t, int year) noexcept {
    const double y = DecimalYear(t, year);
    if (year >= LastJanuaryYear) {
        return EspenakMeeus2005To2050(y) + ShiftAfter2028;
    }
    const auto i = static_cast<std::size_t>(year - 2013);
    return DeltaTJanuary[i] + (DeltaTJanuary[i + 1] - DeltaTJanuary[i]) * (y - year);
}

}  // namespace

double JulianDay(int year, int month, double dayWithFraction) noexcept {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    // floor rather than truncation keeps the Gregorian correction right before year 0.
    const double a = std::floor(year / 100.0);
    const double b = 2 - a + std::floor(a / 4);
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + dayWithFraction + b - 1524.5;
}

double DeltaTSeconds(TDateTime universalTime) noexcept {
    const CalendarDate date = DecodeDate(universalTime);
    if (date.year < 1800) {
        return EspenakMeeusBefore1800(DecimalYear(universalTime, date.year));
    }
    if (date.year <= 2012) {
        return Tabulated1800To2012(universalTime, date);
    }
    return After2012(universalTime, date.year);
}

YearsMonthsDays CalendarDifference(TDateTime a, TDateTime b) noexcept {
    if (b > a) {
        std::swap(a, b);
    }
    const CalendarDate later = DecodeDate(a);
    const CalendarDate earlier = DecodeDate(b);
    YearsMonthsDays span{later.year - earlier.year, 0, 0};
    if (later.month < earlier.month) {
        span.months = 12;
        span.years -= 1;
    }
    span.months += later.month - earlier.month;
    if (later.day < earlier.day) {
        span.days = DaysInMonth(earlier.year, earlier.month);
        if (span.months > 0) {
            span.months -= 1;
        } else {
            span.years -= 1;
            span.months = 11;
        }
    }
    span.days += later.day - earlier.day;
    return span;
}

int InclusiveDayCount(TDateTime a, TDateTime b) noexcept {
    // The date of a date-time is its floor: truncation would misplace the
    // dates before 1899-12-30 by a day.
    const auto count = static_cast<int>(std::floor(a) - std::floor(b)) + 1;
    return count < 0 ? 0 : count;
}

double ZoneOffset(double zoneHours) noexcept {
    // Whole hours, whole minutes and seconds of |zone| in single precision, the
    // seconds rounded half away from zero: the split the degree text prints.
    const float hours = static_cast<float>(std::fabs(zoneHours));
    const float wholeHours = std::trunc(hours);
    const float minutes = (hours - wholeHours) * 60.0f;
    const float wholeMinutes = std::trunc(minutes);
    const float seconds = std::round((minutes - wholeMinutes) * 60.0f);
    const double offset = ((wholeHours * 60.0 + wholeMinutes) * 60.0 + seconds) / SecondsPerDay;
    return zoneHours >= 0 ? -offset : offset;
}

EphemerisInstant LocalToJDE(TDateTime local, double zoneOffset) noexcept {
    const TDateTime universal = local + zoneOffset;
    const double deltaT = DeltaTSeconds(universal);
    const DecodedDateTime dynamical = DecodeDateTime(universal + deltaT / SecondsPerDay);
    const ClockTime& time = dynamical.time;
    const double timeOfDay = EncodeTime(time.hour, time.minute, time.second, time.millisecond);
    return {JulianDay(dynamical.date.year, dynamical.date.month, dynamical.date.day + timeOfDay), deltaT};
}

std::string DurationText(TDateTime later, TDateTime earlier) {
    if (later < earlier) {
        std::swap(later, earlier);
    }
    // To the millisecond first, as the dates and the time are read, so that a
    // span a fraction of a millisecond short of a day does not print 00h.
    later = ToMillisecond(later);
    earlier = ToMillisecond(earlier);
    const double span = ToMillisecond(later - earlier);
    // The whole days come from the calendar dates, the hours from the fraction
    // of the span.
    std::string text = " ";
    if (span >= 1) {
        const YearsMonthsDays calendar = CalendarDifference(later, earlier);
        text = std::to_string(calendar.years) + " años " + std::to_string(calendar.months) + " meses " +
               std::to_string(calendar.days) + " días = " + std::to_string(InclusiveDayCount(later - 1, earlier)) +
               " días ";
    }
    return text + FormatDateTime(R"(hh"h" nn"m" ss"s")", span - std::trunc(span), SpanishDateFormatNames());
}

}  // namespace kalto
