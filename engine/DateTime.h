// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The date-time of the program: days since 1899-12-30 00:00 as a 64-bit float,
// the fraction being the time of day (proleptic Gregorian calendar throughout).
// The count is continuous before 1899-12-30 too: the date is floor(value) and
// the time of day is value - floor(value).

#include <compare>
#include <cstdint>

namespace kalto {

using TDateTime = double;

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    auto operator<=>(const CalendarDate&) const = default;
};

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    auto operator<=>(const ClockTime&) const = default;
};

struct DecodedDateTime {
    CalendarDate date;
    ClockTime time;
};

inline constexpr double MillisecondsPerDay = 86'400'000.0;

[[nodiscard]] bool IsLeapYear(int year) noexcept;
[[nodiscard]] int DaysInMonth(int year, int month) noexcept;

// The date-time of 00:00 on the given day; month and day must be valid.
[[nodiscard]] TDateTime EncodeDate(int year, int month, int day) noexcept;
// The fraction of a day of a time of day.
[[nodiscard]] double EncodeTime(int hour, int minute, int second, int millisecond = 0) noexcept;
[[nodiscard]] bool IsValidDate(int year, int month, int day) noexcept;

// Date and time of day to the nearest millisecond; a time that rounds up to
// 24:00 belongs to the next day.
[[nodiscard]] DecodedDateTime DecodeDateTime(TDateTime value) noexcept;
[[nodiscard]] CalendarDate DecodeDate(TDateTime value) noexcept;
[[nodiscard]] ClockTime DecodeTime(TDateTime value) noexcept;
// Day of the week, 0 = Sunday .. 6 = Saturday.
[[nodiscard]] int DayOfWeek(TDateTime value) noexcept;

// The date `months` calendar months later (earlier when negative), keeping the
// day of the month or taking the last day of a shorter target month; the time
// of day is kept.
[[nodiscard]] TDateTime IncMonth(TDateTime value, int months) noexcept;

}  // namespace kalto
