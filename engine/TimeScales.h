// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time scales: the Julian Day, Delta T (dynamical time minus Universal Time),
// and the one conversion of a local civil date-time to a Julian Ephemeris Day;
// with the calendar difference and the duration text of a span.

#include "DateTime.h"

#include <compare>
#include <string>

namespace kalto {

// Julian Day of a date of the proleptic Gregorian calendar, the day carrying the
// time of day as its fraction (Meeus, Astronomical Algorithms, ch. 7).
[[nodiscard]] double JulianDay(int year, int month, double dayWithFraction) noexcept;

// Delta T = TT - UT in seconds at a Universal Time.
[[nodiscard]] double DeltaTSeconds(TDateTime universalTime) noexcept;

struct YearsMonthsDays {
    int years = 0;
    int months = 0;
    int days = 0;
    auto operator<=>(const YearsMonthsDays&) const = default;
};

// Whole years, months and days from the earlier date to the later, given in
// either order; the times of day play no part.
[[nodiscard]] YearsMonthsDays CalendarDifference(TDateTime a, TDateTime b) noexcept;

// The date of a minus the date of b plus 1, or 0 when that is negative: the
// number of calendar days from b's to a's, both counted.
[[nodiscard]] int InclusiveDayCount(TDateTime a, TDateTime b) noexcept;

// The day fraction to add to a local date-time of the zone `zoneHours` (hours
// east of Greenwich, -11.99 to 11.99) to obtain Universal Time.
[[nodiscard]] double ZoneOffset(double zoneHours) noexcept;

// A Julian Ephemeris Day and the Delta T that took Universal Time to it.
struct EphemerisInstant {
    double jde = 0;
    double deltaTSeconds = 0;
};

// The Julian Ephemeris Day of a local date-time, `zoneOffset` being the
// ZoneOffset of its zone. Delta T is taken at the Universal Time, and dynamical
// time is rounded to the millisecond before it becomes a Julian Day.
[[nodiscard]] EphemerisInstant LocalToJDE(TDateTime local, double zoneOffset) noexcept;

// The span from `earlier` to `later` (in either order) as text: below one day
// " 02h 00m 00s"; otherwise the calendar years, months and days, the count of
// days, and the hours of the fraction: "0 años 0 meses 2 días = 2 días 22h 00m 00s".
[[nodiscard]] std::string DurationText(TDateTime later, TDateTime earlier);

}  // namespace kalto
