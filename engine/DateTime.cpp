// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateTime.h"

#include <cmath>

namespace kalto {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date, and back
// (H. Hinnant, "chrono-Compatible Low-Level Date Algorithms").
constexpr std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) noexcept {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr CalendarDate CivilFromDays(std::int64_t z) noexcept {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 counted from 1970-01-01.
constexpr std::int64_t DateTimeEpoch = DaysFromCivil(1899, 12, 30);

constexpr int MonthLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

bool IsLeapYear(int year) noexcept {
    return year % 4 == 0 && !(year % 100 == 0 && year % 400 != 0);
}

int DaysInMonth(int year, int month) noexcept {
    return MonthLengths[month] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(int year, int month, int day) noexcept {
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

TDateTime EncodeDate(int year, int month, int day) noexcept {
    return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                               DateTimeEpoch);
}

double EncodeTime(int hour, int minute, int second, int millisecond) noexcept {
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / MillisecondsPerDay;
}

DecodedDateTime DecodeDateTime(TDateTime value) noexcept {
    double day = std::floor(value);
    auto ms = static_cast<std::int64_t>(std::llround((value - day) * MillisecondsPerDay));
    if (ms >= static_cast<std::int64_t>(MillisecondsPerDay)) {
        day += 1;
        ms -= static_cast<std::int64_t>(MillisecondsPerDay);
    }
    DecodedDateTime result;
    result.date = CivilFromDays(static_cast<std::int64_t>(day) + DateTimeEpoch);
    result.time.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    result.time.second = static_cast<int>(ms % 60);
    ms /= 60;
    result.time.minute = static_cast<int>(ms % 60);
    result.time.hour = static_cast<int>(ms / 60);
    return result;
}

CalendarDate DecodeDate(TDateTime value) noexcept {
    return DecodeDateTime(value).date;
}

ClockTime DecodeTime(TDateTime value) noexcept {
    return DecodeDateTime(value).time;
}

int DayOfWeek(TDateTime value) noexcept {
    // 1899-12-30 was a Saturday.
    const CalendarDate d = DecodeDate(value);
    const auto day = static_cast<std::int64_t>(EncodeDate(d.year, d.month, d.day));
    return static_cast<int>(((day + 6) % 7 + 7) % 7);
}

TDateTime IncMonth(TDateTime value, int months) noexcept {
    const double date = std::floor(value);
    const CalendarDate d = CivilFromDays(static_cast<std::int64_t>(date) + DateTimeEpoch);
    const int monthIndex = d.year * 12 + (d.month - 1) + months;
    const int year = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
    const int month = monthIndex - year * 12 + 1;
    const int day = d.day < DaysInMonth(year, month) ? d.day : DaysInMonth(year, month);
    return EncodeDate(year, month, day) + (value - date);
}

}  // namespace kalto
