// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApparentPlace.h"

#include <cmath>
#include <numbers>

namespace kalto {

namespace {

// The arguments shared by the nutation in longitude and in obliquity (Meeus ch. 22).
struct NutationArguments {
    double node;           // Ω, longitude of the Moon's ascending node
    double sunLongitude;   // L, mean longitude of the Sun
    double moonLongitude;  // L', mean longitude of the Moon
};

NutationArguments NutationArgumentsAt(double jde) noexcept {
    const double t = JulianCenturies(jde);
    return {
        Normalize360(125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000.0),
        Normalize360(280.4665 + 36000.7698 * t),
        Normalize360(218.3165 + 481267.8813 * t),
    };
}

double NutationInLongitudeOf(const NutationArguments& a) noexcept {
    return -0.004777777778 * std::sin(a.node * DegToRad)                // -17.20"
           - 0.0003666666667 * std::sin(2 * a.sunLongitude * DegToRad)  //  -1.32"
           - 6.388888889e-5 * std::sin(2 * a.moonLongitude * DegToRad)  //  -0.23"
           + 5.833333333e-5 * std::sin(2 * a.node * DegToRad);          //  +0.21"
}

double MeanObliquity(double jde) noexcept {
    const double t = JulianCenturies(jde);
    return 23.43929111 - t * (0.013004166666666667 + 0.00059 * t / 3600.0 - 0.001813 * t * t / 3600.0);
}

// The mean obliquity plus the nutation in obliquity.
double TrueObliquityOf(double mean, const NutationArguments& a) noexcept {
    return mean + 0.002555555556 * std::cos(a.node * DegToRad)          //  9.20"
           + 0.000158333333 * std::cos(2 * a.sunLongitude * DegToRad)   //  0.57"
           + 2.777777778e-5 * std::cos(2 * a.moonLongitude * DegToRad)  //  0.10"
           - 2.5e-5 * std::cos(2 * a.node * DegToRad);                  // -0.09"
}

}  // namespace

double Normalize360(double x) noexcept {
    const double r = x - 360.0 * std::trunc(x / 360.0);
    return x > 0 ? r : r + 360.0;
}

double QuadrantAngle(double x, double y) noexcept {
    constexpr double pi = std::numbers::pi;
    if (x == 0) {
        if (y > 0) return pi / 2;
        if (y < 0) return -pi / 2;
        return 0;
    }
    const double angle = std::atan(y / x);
    if (x > 0) return y > 0 ? angle : angle + 2 * pi;
    return angle + pi;
}

double NutationInLongitude(double jde) noexcept {
    return NutationInLongitudeOf(NutationArgumentsAt(jde));
}

double Obliquity(bool withNutation, double jde) noexcept {
    const double mean = MeanObliquity(jde);
    if (!withNutation) return mean;
    return TrueObliquityOf(mean, NutationArgumentsAt(jde));
}

NutationAndObliquity NutationAndTrueObliquity(double jde) noexcept {
    const NutationArguments a = NutationArgumentsAt(jde);
    return {NutationInLongitudeOf(a), TrueObliquityOf(MeanObliquity(jde), a)};
}

void FK5Correction(double& longitude, double& latitude, double tau) noexcept {
    if (latitude >= 180) latitude -= 360;
    const double t = 10 * tau;
    const double lambda = (longitude - 1.397 * t - 0.00031 * t * t) * DegToRad;
    const double b = latitude * DegToRad;
    longitude += -2.509166667e-5 + 1.087777778e-5 * (std::cos(lambda) + std::sin(lambda)) * std::tan(b);
    latitude += 1.087777778e-5 * (std::cos(lambda) - std::sin(lambda));
}

void AberrationAndNutation(double& longitude, double& latitude, double sunLongitude, double T, double jde) noexcept {
    AddAberrationAndNutation(longitude, latitude, sunLongitude, T, NutationInLongitude(jde));
}

void AddAberrationAndNutation(double& longitude, double& latitude, double sunLongitude, double T,
                              double nutationInLongitude) noexcept {
    const double e = 0.016708634 - 0.000042037 * T - 0.0000001267 * T * T;
    const double perihelion = PerihelionLongitude(T);
    constexpr double kappa = 0.0056932;  // 20.49552"
    const double fromSun = (sunLongitude - longitude) * DegToRad;
    const double fromPerihelion = (perihelion - longitude) * DegToRad;
    const double b = latitude * DegToRad;
    const double dLongitude = (-kappa * std::cos(fromSun) + e * kappa * std::cos(fromPerihelion)) / std::cos(b);
    const double dLatitude = -kappa * std::sin(b) * (std::sin(fromSun) - e * std::sin(fromPerihelion));
    longitude += dLongitude + nutationInLongitude;
    latitude += dLatitude;
}

EquatorialPosition EclipticToEquatorial(double obliquity, double latitude, double longitude) noexcept {
    const double e = obliquity * DegToRad;
    const double b = latitude * DegToRad;
    const double l = longitude * DegToRad;
    return {
        QuadrantAngle(std::cos(l), std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e)) * RadToDeg,
        std::asin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l)) * RadToDeg,
    };
}

EclipticPosition EquatorialToEcliptic(double obliquity, double declination, double rightAscension) noexcept {
    const double e = obliquity * DegToRad;
    const double d = declination * DegToRad;
    const double a = rightAscension * DegToRad;
    return {
        QuadrantAngle(std::cos(a), std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e)) * RadToDeg,
        std::asin(std::sin(d) * std::cos(e) - std::cos(d) * std::sin(e) * std::sin(a)) * RadToDeg,
    };
}

SinCos SinCosOfDegrees(double degrees) noexcept {
    const double x = degrees * DegToRad;
    return {std::sin(x), std::cos(x)};
}

double PerihelionLongitude(double T) noexcept {
    return 102.93735 + 1.71946 * T + 0.00046 * T * T;
}

EclipticShift Aberration(SinCos longitude, SinCos latitude, SinCos sunLongitude, SinCos perihelion, double T) noexcept {
    const double e = 0.016708634 - 0.000042037 * T - 0.0000001267 * T * T;
    constexpr double kappa = 0.0056932;  // 20.49552"
    // The differences of the angles from the sines and cosines of each.
    const double cosFromSun = sunLongitude.Cos * longitude.Cos + sunLongitude.Sin * longitude.Sin;
    const double sinFromSun = sunLongitude.Sin * longitude.Cos - sunLongitude.Cos * longitude.Sin;
    const double cosFromPerihelion = perihelion.Cos * longitude.Cos + perihelion.Sin * longitude.Sin;
    const double sinFromPerihelion = perihelion.Sin * longitude.Cos - perihelion.Cos * longitude.Sin;
    return {
        (-kappa * cosFromSun + e * kappa * cosFromPerihelion) / latitude.Cos,
        -kappa * latitude.Sin * (sinFromSun - e * sinFromPerihelion),
    };
}

EquatorialPosition EclipticToEquatorial(SinCos obliquity, SinCos latitude, SinCos longitude) noexcept {
    const double tanLatitude = latitude.Sin / latitude.Cos;
    return {
        QuadrantAngle(longitude.Cos, longitude.Sin * obliquity.Cos - tanLatitude * obliquity.Sin) * RadToDeg,
        std::asin(latitude.Sin * obliquity.Cos + latitude.Cos * obliquity.Sin * longitude.Sin) * RadToDeg,
    };
}

}  // namespace kalto
