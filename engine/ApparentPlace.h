// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Angle helpers and the corrections to apparent place shared by every body:
// nutation, obliquity, the FK5 correction, aberration and the conversions between
// ecliptic and equatorial coordinates (Meeus, Astronomical Algorithms, 2nd ed.,
// chapters 13, 22, 23 and 32). Angles are in degrees unless a name says otherwise.

namespace kalto {

inline constexpr double DegToRad = 0.017453292519943295769;
inline constexpr double RadToDeg = 57.295779513082320877;
inline constexpr double J2000 = 2451545.0;

// Julian centuries of dynamical time from J2000.0.
[[nodiscard]] constexpr double JulianCenturies(double jde) noexcept {
    return (jde - J2000) / 36525.0;
}

// Reduces to [0, 360) for x > 0. Zero and the non-positive multiples of 360 give
// 360, so callers that index by sign reduce further.
[[nodiscard]] double Normalize360(double x) noexcept;

// The polar angle of the point (x, y) in radians, in (0, 2π]; the point straight
// below the origin gives −π/2 and the origin itself 0.
[[nodiscard]] double QuadrantAngle(double x, double y) noexcept;

// Low-precision nutation in longitude Δψ, degrees (Meeus ch. 22, four terms).
[[nodiscard]] double NutationInLongitude(double jde) noexcept;

// Mean obliquity of the ecliptic (Meeus 22.2), plus the nutation in obliquity
// when withNutation is set.
[[nodiscard]] double Obliquity(bool withNutation, double jde) noexcept;

// NutationInLongitude(jde) and Obliquity(true, jde) at once, from the
// arguments they share: the same values for half the work.
struct NutationAndObliquity {
    double NutationInLongitude;
    double TrueObliquity;
};
[[nodiscard]] NutationAndObliquity NutationAndTrueObliquity(double jde) noexcept;

// Corrects a heliocentric VSOP87D longitude and latitude to the FK5 system
// (Meeus 32.3); tau in Julian millennia from J2000.0.
void FK5Correction(double& longitude, double& latitude, double tau) noexcept;

// Adds the annual aberration (Meeus 23.2) to longitude and latitude and the
// nutation in longitude to the longitude; T in Julian centuries.
void AberrationAndNutation(double& longitude, double& latitude, double sunLongitude, double T, double jde) noexcept;
// The same with the nutation in longitude already known.
void AddAberrationAndNutation(double& longitude, double& latitude, double sunLongitude, double T,
                              double nutationInLongitude) noexcept;

struct EquatorialPosition {
    double RightAscension;  // degrees, 0..360
    double Declination;
};

struct EclipticPosition {
    double Longitude;
    double Latitude;
};

// Meeus 13.3 and 13.4.
[[nodiscard]] EquatorialPosition EclipticToEquatorial(double obliquity, double latitude, double longitude) noexcept;
// Meeus 13.1 and 13.2.
[[nodiscard]] EclipticPosition EquatorialToEcliptic(double obliquity, double declination,
                                                    double rightAscension) noexcept;

// The same conversions and corrections for a direction given by the sines and
// cosines of its angles, as a geocentric vector gives them: the engine's own
// path for the Sun and the planets, which spares their trigonometric calls.

struct SinCos {
    double Sin;
    double Cos;
};

// The sine and cosine of an angle in degrees.
[[nodiscard]] SinCos SinCosOfDegrees(double degrees) noexcept;

// The angle increased by `by` radians, |by| < 1e-3 (a correction to apparent
// place), to full precision: the Taylor series to by^5, the first term left
// out being below 2e-22.
[[nodiscard]] inline SinCos Turned(SinCos angle, double by) noexcept {
    const double x2 = by * by;
    const double sin = by * (1 - x2 * (1.0 / 6) * (1 - x2 * (1.0 / 20)));
    const double cos = 1 - x2 * 0.5 * (1 - x2 * (1.0 / 12));
    return {angle.Sin * cos + angle.Cos * sin, angle.Cos * cos - angle.Sin * sin};
}

// The longitude of the perihelion of the Earth's orbit (Meeus ch. 23),
// degrees; T in Julian centuries.
[[nodiscard]] double PerihelionLongitude(double T) noexcept;

// The changes in longitude and latitude, degrees, that AddAberrationAndNutation
// makes before it adds the nutation: the annual aberration (Meeus 23.2) of the
// direction (longitude, latitude) with the Sun at sunLongitude and the
// perihelion at PerihelionLongitude(T).
struct EclipticShift {
    double Longitude;
    double Latitude;
};
[[nodiscard]] EclipticShift Aberration(SinCos longitude, SinCos latitude, SinCos sunLongitude, SinCos perihelion,
                                       double T) noexcept;

// EclipticToEquatorial of the direction (longitude, latitude).
[[nodiscard]] EquatorialPosition EclipticToEquatorial(SinCos obliquity, SinCos latitude, SinCos longitude) noexcept;

}  // namespace kalto
