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

[[nodiscard]] double PartialSum(const PlutoCoordinate& coordinate, const PlutoArguments& arguments,
                                std::size_t first, std::size_t last) noexcept {
    double sum = 0;
    for (std::size_t i = first; i < last; ++i)
        sum += coordinate.Cosines[i] * arguments.Cos[i] + coordinate.Sines[i] * arguments.Sin[i];
    return sum;
}

}  // namespace

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
    return SunGeocentricJ2000(EvaluateCoordinate(ConstPlutoII.EarthL, tau), EvaluateCoordinate(ConstPlutoII.EarthB, tau),
                              earthSunDistance, tau);
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
    const double t = JulianCenturies(jde);
    // Meeus 21.3: 2306.2181" T + 0.30188" T² + 0.017998" T³, and so on, in degrees.
    const double zeta = t * (0.6406161389 + t * (0.00008385555556 + t * 0.000004999444444));
    const double z = t * (0.6406161389 + t * (0.0003040777778 + t * 0.000005056388889));
    const double theta = t * (0.5567530278 + t * (-0.000118513889 - t * 0.00001162027778));

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
    const EquatorialPosition j2000 = RectangularToEquatorial(pluto.X + sun.X, pluto.Y + sun.Y, pluto.Z + sun.Z);
    const EquatorialPosition ofDate = PrecessJ2000ToDate(j2000.RightAscension, j2000.Declination, jde);
    const EclipticPosition ecliptic = EquatorialToEcliptic(obliquity, ofDate.Declination, ofDate.RightAscension);

    RecPlaneta& entry = BodyPositions[Plu];
    entry.Longitude = ecliptic.Longitude;
    entry.Latitude = ecliptic.Latitude;
}

}  // namespace kalto
