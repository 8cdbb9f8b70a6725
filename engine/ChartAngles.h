// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sidereal time and the two angles of a chart that depend on the place: the
// ascendant, the point of the ecliptic rising on the eastern horizon, and the
// midheaven, the point of the ecliptic on the upper meridian (Meeus,
// Astronomical Algorithms, 2nd ed., ch. 12 and 13). Angles in degrees;
// geographic longitudes east-positive (Meeus counts them west-positive).

#include "DateTime.h"

namespace kalto {

// The Julian Day of a universal time.
[[nodiscard]] constexpr double JulianDayOfUniversalTime(TDateTime universal) noexcept {
    return universal + 2415018.5;  // TDateTime 0 is 1899-12-30 00:00
}

// Greenwich mean sidereal time at the universal time `jd` (a Julian Day),
// 0..360 (Meeus 12.4).
[[nodiscard]] double GreenwichMeanSiderealTime(double jd) noexcept;

// Greenwich apparent sidereal time: the mean one plus the nutation in right
// ascension, Δψ cos ε at the dynamical time `jde` of the same instant.
[[nodiscard]] double GreenwichApparentSiderealTime(double jd, double jde) noexcept;

struct ChartAngles {
    double Ascendant = 0;  // ecliptic longitude, 0..360
    double Midheaven = 0;
};

// The angles for the local apparent sidereal time `localSiderealTime`, the
// true obliquity and the geographic latitude (north positive; within the polar
// circles the ascendant is still the ecliptic's rising point of the formula).
[[nodiscard]] ChartAngles ComputeChartAngles(double localSiderealTime, double trueObliquity, double latitude) noexcept;

}  // namespace kalto
