// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartAngles.h"

#include "ApparentPlace.h"

#include <cmath>

namespace kalto {

namespace {

double Reduced360(double degrees) noexcept {
    const double reduced = std::fmod(degrees, 360.0);
    return reduced < 0 ? reduced + 360.0 : reduced;
}

}  // namespace

double GreenwichMeanSiderealTime(double jd) noexcept {
    const double days = jd - J2000;
    const double T = days / 36525.0;
    return Reduced360(280.46061837 + 360.98564736629 * days + 0.000387933 * T * T - T * T * T / 38710000.0);
}

double GreenwichApparentSiderealTime(double jd, double jde) noexcept {
    const NutationAndObliquity nutation = NutationAndTrueObliquity(jde);
    return Reduced360(GreenwichMeanSiderealTime(jd) +
                      nutation.NutationInLongitude * std::cos(nutation.TrueObliquity * DegToRad));
}

// The midheaven is the ecliptic point whose right ascension is the sidereal
// time; the ascendant the ecliptic point on the horizon east of the meridian.
ChartAngles ComputeChartAngles(double localSiderealTime, double trueObliquity, double latitude) noexcept {
    const double theta = localSiderealTime * DegToRad;
    const double epsilon = trueObliquity * DegToRad;
    const double phi = latitude * DegToRad;
    const double midheaven = std::atan2(std::sin(theta), std::cos(theta) * std::cos(epsilon));
    const double ascendant =
        std::atan2(std::cos(theta), -(std::sin(theta) * std::cos(epsilon) + std::tan(phi) * std::sin(epsilon)));
    return {Reduced360(ascendant * RadToDeg), Reduced360(midheaven * RadToDeg)};
}

}  // namespace kalto
