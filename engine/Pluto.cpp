// SPDX-License-Identifier: GPL-3.0-or-later
// Pluto: Chapront's (1995) frequency-analysis series for 1700-2100 (Astron.
// Astrophys. Suppl. 109, 181), seen from the Sun's J2000.0 position of Meeus,
// Astronomical Algorithms, 2nd ed., ch. 26, and precessed to the equinox of the
// date (ch. 21). No light time, aberration or nutation is applied.

#include "Pluto.h"

#include "ConstTables.h"
#include "Engine.h"
#include "Vsop87.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace kalto {

namespace {

// The terms of power 0 of x are 0..81, those multiplied by x 82..100 and those
// multiplied by x² 101..105.
constexpr std::size_t FirstPoisson1 = 82;
constexpr std::size_t FirstPoisson2 = 101;

[[nodiscard]] double PartialSum(const PlutoCoordinate& coordinate, const PlutoArguments& arguments, std::size_t first,
                                std::size_t last) noexcept {
    double sum = 0;
    for (std::size_t i = first; i < last; ++i)
        sum += coordinate.Cosines[i] * arguments.Cos[i] + coordinate.Sines[i] * arguments.Sin[i];
    return sum;
}

// The direction of the vector r of the equator and equinox of J2000.0,
// precessed to the equinox of jde: the rotations of Meeus's rigorous formulas
// (21.4) applied to the vector itself. A unit vector, equatorial of the date.
struct Direction {
    double X, Y, Z;
};

Direction PrecessedDirection(const RectangularPosition& r, double jde) noexcept {
    const auto [zetaAngle, zAngle, thetaAngle] = PrecessionAngles(jde);
    const SinCos zeta = SinCosOfDegrees(zetaAngle);
    const SinCos z = SinCosOfDegrees(zAngle);
    const SinCos theta = SinCosOfDegrees(thetaAngle);
    const double inverseLength = 1 / std::sqrt(r.X * r.X + r.Y * r.Y + r.Z * r.Z);
    const double x = r.X * inverseLength;
    const double y = r.Y * inverseLength;
    const double z0 = r.Z * inverseLength;
    // A, B, C of 21.4: the direction turned by ζ about the pole, then by θ.
    const double xTurned = x * zeta.Cos - y * zeta.Sin;
    const double a = x * zeta.Sin + y * zeta.Cos;
    const double b = theta.Cos * xTurned - theta.Sin * z0;
    const double c = theta.Sin * xTurned + theta.Cos * z0;
    // Then by z, which 21.4 adds to the right ascension.
    return {b * z.Cos - a * z.Sin, b * z.Sin + a * z.Cos, c};
}

}  // namespace

PrecessionAngleSet PrecessionAngles(double jde) noexcept {
    const double t = JulianCenturies(jde);
    // Meeus 21.3: 2306.2181" T + 0.30188" T² + 0.017998" T³, and so on, in degrees.
    return {
        t * (0.6406161389 + t * (0.00008385555556 + t * 0.000004999444444)),
        t * (0.6406161389 + t * (0.0003040777778 + t * 0.000005056388889)),
        t * (0.5567530278 + t * (-0.000118513889 - t * 0.00001162027778)),
    };
}

PlutoArguments PlutoArgumentsAt(double fx) noexcept {
    PlutoArguments arguments;
    for (std::size_t i = 0; i < PlutoTermCount; ++i) {
        const double angle = ConstPlutoII.Frequencies[i] * fx;
        arguments.Cos[i] = std::cos(angle);
        arguments.Sin[i] = std::sin(angle);
    }
    return arguments;
}

double PlutoSeries(const PlutoCoordinate& coordinate, const PlutoArguments& arguments, double x) noexcept {
    const auto& p = coordinate.Polynomial;
    const double s0 = PartialSum(coordinate, arguments, 0, FirstPoisson1);
    const double s1 = PartialSum(coordinate, arguments, FirstPoisson1, FirstPoisson2);
    const double s2 = PartialSum(coordinate, arguments, FirstPoisson2, PlutoTermCount);
    return ((p[3] * x + p[2]) * x + p[1]) * x + p[0] + s0 + x * (x * s2 + s1);
}

RectangularPosition PlutoHeliocentric(double jde) noexcept {
    return PlutoHeliocentricAt(PlutoTime(jde));
}

RectangularPosition PlutoHeliocentricAt(double x) noexcept {
    const PlutoArguments arguments = PlutoArgumentsAt(PlutoDays(x));
    return {
        PlutoSeries(ConstPlutoII.X, arguments, x) * 1e-10,
        PlutoSeries(ConstPlutoII.Y, arguments, x) * 1e-10,
        PlutoSeries(ConstPlutoII.Z, arguments, x) * 1e-10,
    };
}

RectangularPosition SunGeocentricJ2000(double earthSunDistance, double jde) noexcept {
    const double tau = JulianMillennia(jde);
    const double seriesL = EvaluateCoordinate(ConstPlutoII.EarthL, tau);
    const double seriesB = EvaluateCoordinate(ConstPlutoII.EarthB, tau);
    return SunGeocentricJ2000(seriesL, seriesB, earthSunDistance, tau);
}

RectangularPosition SunGeocentricJ2000(double seriesL, double seriesB, double earthSunDistance, double tau) noexcept {
    const double earthL = Normalize360(seriesL * RadToDeg);
    double earthB = Normalize360(seriesB * RadToDeg);
    if (earthB >= 180) earthB -= 360;

    // The Sun seen from the Earth, corrected to FK5 (Meeus 25.9 and 32.3).
    double theta = Normalize360(earthL + 180);
    double beta = -earthB;
    const double t = 10 * tau;
    const double lambda = (theta - 1.397 * t - 0.00031 * t * t) * DegToRad;
    theta -= 2.509166667e-5;
    beta += 1.087777e-5 * (std::cos(lambda) - std::sin(lambda));

    const double r = earthSunDistance;
    const double x = r * std::cos(beta * DegToRad) * std::cos(theta * DegToRad);
    const double y = r * std::cos(beta * DegToRad) * std::sin(theta * DegToRad);
    const double z = r * std::sin(beta * DegToRad);

    // From the ecliptic of J2000.0 to the FK5 equator of J2000.0 (Meeus 26.3).
    return {
        x + 0.00000044036 * y - 0.000000190919 * z,
        -0.000000479966 * x + 0.917482137087 * y - 0.397776982902 * z,
        0.397776982902 * y + 0.917482137087 * z,
    };
}

EquatorialPosition RectangularToEquatorial(double xi, double eta, double zeta) noexcept {
    return {
        QuadrantAngle(xi, eta) * RadToDeg,
        std::asin(zeta / std::sqrt(xi * xi + eta * eta + zeta * zeta)) * RadToDeg,
    };
}

EquatorialPosition PrecessJ2000ToDate(double rightAscension, double declination, double jde) noexcept {
    const auto [zeta, z, theta] = PrecessionAngles(jde);
    const double d0 = declination * DegToRad;
    const double h = (rightAscension + zeta) * DegToRad;
    const double th = theta * DegToRad;
    const double a = std::cos(d0) * std::sin(h);
    const double b = std::cos(th) * std::cos(d0) * std::cos(h) - std::sin(th) * std::sin(d0);
    const double c = std::sin(th) * std::cos(d0) * std::cos(h) + std::cos(th) * std::sin(d0);
    return {QuadrantAngle(b, a) * RadToDeg + z, std::asin(c) * RadToDeg};
}

void Engine::ComputePluto(double obliquity, double earthSunDistance, double jde) noexcept {
    RectangularPosition sun;
    RectangularPosition pluto;
    if (Fits) {
        std::array<double, 2> earth;
        std::array<double, 3> p;
        FittedValues(FittedSeries::EarthJ2000, jde, earth);
        FittedValues(FittedSeries::Pluto, jde, p);
        sun = SunGeocentricJ2000(earth[0], earth[1], earthSunDistance, JulianMillennia(jde));
        pluto = {p[0], p[1], p[2]};
    } else {
        sun = SunGeocentricJ2000(earthSunDistance, jde);
        pluto = PlutoHeliocentric(jde);
    }
    // The geocentric direction, precessed, then turned from the equator to the
    // ecliptic of the date: EquatorialToEcliptic of the direction's right
    // ascension and declination.
    const Direction d = PrecessedDirection({pluto.X + sun.X, pluto.Y + sun.Y, pluto.Z + sun.Z}, jde);
    const SinCos e = ObliquityDirection(obliquity);
    BodyPosition& entry = BodyPositions[Plu];
    entry.Longitude = QuadrantAngle(d.X, d.Y * e.Cos + d.Z * e.Sin) * RadToDeg;
    entry.Latitude = std::asin(d.Z * e.Cos - d.Y * e.Sin) * RadToDeg;
}

}  // namespace kalto
