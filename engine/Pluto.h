// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of Pluto's geocentric place: Chapront's (1995) series for Pluto's
// heliocentric position, the Sun's geocentric position from the Earth's VSOP87
// series on the ecliptic of J2000.0 (Meeus, Astronomical Algorithms, 2nd ed.,
// ch. 26), and the precession from J2000.0 to the equinox of the date (Meeus
// ch. 21). Engine::ComputePluto chains them, turning the geocentric vector
// itself rather than its angles.

#include "ApparentPlace.h"
#include "SeriesTables.h"

#include <array>

namespace kalto {

// Rectangular coordinates referred to the equator and equinox of J2000.0, AU.
struct RectangularPosition {
    double X;
    double Y;
    double Z;
};

// The time argument of the Pluto series: -1 on 1700 January 1, 0h
// (JD 2341972.5), +1 at JD 2488092.5, 0 at JD 2415032.5 (1900 January 1, 0h).
[[nodiscard]] constexpr double PlutoTime(double jde) noexcept {
    return 2 * (jde - 2341972.5) / 146120 - 1;
}

// Days from JD 2415032.5 for the time argument x.
[[nodiscard]] constexpr double PlutoDays(double x) noexcept {
    return 73060 * x;
}

// cos and sin of ν_i fx for the 106 frequencies, shared by X, Y and Z.
struct PlutoArguments {
    std::array<double, PlutoTermCount> Cos;
    std::array<double, PlutoTermCount> Sin;
};

[[nodiscard]] PlutoArguments PlutoArgumentsAt(double fx) noexcept;

// One coordinate in units of 1e-10 AU: the cubic polynomial in x, the periodic
// terms, and the Poisson terms multiplied by x and x².
[[nodiscard]] double PlutoSeries(const PlutoCoordinate& coordinate, const PlutoArguments& arguments, double x) noexcept;

// Pluto's heliocentric position, equatorial J2000.0 (valid 1700 to 2100).
[[nodiscard]] RectangularPosition PlutoHeliocentric(double jde) noexcept;
// The same at the time argument x (PlutoTime).
[[nodiscard]] RectangularPosition PlutoHeliocentricAt(double x) noexcept;

// The Sun's geocentric position, equatorial J2000.0 (FK5), for the Earth-Sun
// distance earthSunDistance in AU.
[[nodiscard]] RectangularPosition SunGeocentricJ2000(double earthSunDistance, double jde) noexcept;
// The same from seriesL and seriesB, the values of the Earth's J2000.0 series
// L and B (radians, as summed) at tau Julian millennia.
[[nodiscard]] RectangularPosition SunGeocentricJ2000(double seriesL, double seriesB, double earthSunDistance,
                                                     double tau) noexcept;

// Right ascension (0..360] and declination, degrees, of the direction (xi, eta, zeta).
[[nodiscard]] EquatorialPosition RectangularToEquatorial(double xi, double eta, double zeta) noexcept;

// The precession angles ζ, z and θ from J2000.0 to jde, degrees (Meeus 21.3).
struct PrecessionAngleSet {
    double Zeta;
    double Z;
    double Theta;
};
[[nodiscard]] PrecessionAngleSet PrecessionAngles(double jde) noexcept;

// Precesses a J2000.0 right ascension and declination (degrees) to the equinox
// of jde (Meeus 21.3 and 21.4). The right ascension is not reduced.
[[nodiscard]] EquatorialPosition PrecessJ2000ToDate(double rightAscension, double declination, double jde) noexcept;

}  // namespace kalto
