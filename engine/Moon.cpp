// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon and the mean ascending lunar node: the truncated ELP-2000/82 theory
// of Meeus, Astronomical Algorithms, 2nd ed., ch. 47 (tables 47.A and 47.B),
// with the low-precision nutation in longitude added. No aberration or light
// time is applied.

#include "Moon.h"
#include "ApparentPlace.h"
#include "ConstTables.h"
#include "Engine.h"
#include "SeriesFits.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <span>

namespace kalto {

namespace {

// The fundamental arguments of Meeus 47.1 to 47.5, in degrees reduced to
// (0, 360]. The reciprocals of the large divisors are written out
// (1/538841 = 1.855835023689734e-6, and so on).

// L', the Moon's mean longitude.
[[nodiscard]] double MeanLongitude(double t) noexcept {
    return Normalize360(218.3164477 + t * (481267.88123421 +
                                           t * (-0.0015786 + t * (1.855835023689734e-6 - t * 1.5338834862103876e-8))));
}

// D, the Moon's mean elongation.
[[nodiscard]] double MeanElongation(double t) noexcept {
    return Normalize360(
        297.8501921 + t * (445267.1114034 + t * (-0.0018819 + t * (1.8319447192361523e-6 - t * 8.844469995135542e-9))));
}

// M, the Sun's mean anomaly.
[[nodiscard]] double SunMeanAnomaly(double t) noexcept {
    return Normalize360(357.5291092 + t * (35999.0502909 + t * (-0.0001536 + t * 4.083299305839118e-8)));
}

// M', the Moon's mean anomaly.
[[nodiscard]] double MoonMeanAnomaly(double t) noexcept {
    return Normalize360(
        134.9633964 + t * (477198.8675055 + t * (0.0087414 + t * (1.4347408140719379e-5 - t * 6.797172376291463e-8))));
}

// F, the Moon's argument of latitude.
[[nodiscard]] double ArgumentOfLatitude(double t) noexcept {
    return Normalize360(
        93.272095 + t * (483202.0175233 + t * (-0.0036539 + t * (-2.8360748723766307e-7 + t * 1.1583324645839848e-9))));
}

// E of Meeus 47.6: the decreasing eccentricity of the Earth's orbit scales the
// terms that contain the Sun's mean anomaly.
[[nodiscard]] double EccentricityFactor(double t) noexcept {
    return 1 - t * (0.002516 + 0.0000074 * t);
}

// Ω of Meeus 47.7, the longitude of the mean ascending node.
[[nodiscard]] double MeanNodeLongitude(double t) noexcept {
    return 125.0445479 + t * (-1934.1362891 + t * (0.0020754 + t * (2.13930742061565e-6 - t * 1.649729444371123e-8)));
}

struct LunarArguments {
    double D;   // mean elongation
    double M;   // Sun's mean anomaly
    double Mp;  // Moon's mean anomaly
    double F;   // argument of latitude
    double E;   // eccentricity factor
};

// A term's argument d D + m M + m' M' + f F in radians (not reduced).
[[nodiscard]] double TermArgument(const LunarTerm& term, const LunarArguments& a) noexcept {
    return (term.d * a.D + term.m * a.M + term.mp * a.Mp + term.f * a.F) * DegToRad;
}

// The coefficient scaled by E for |m| = 1 and by E² for |m| = 2.
[[nodiscard]] double TermCoefficient(const LunarTerm& term, double e) noexcept {
    switch (std::abs(term.m)) {
        case 1: return term.c * e;
        case 2: return term.c * e * e;
        default: return term.c;
    }
}

[[nodiscard]] double SineSum(std::span<const LunarTerm> terms, const LunarArguments& a) noexcept {
    double sum = 0;
    for (const LunarTerm& term : terms) sum += TermCoefficient(term, a.E) * std::sin(TermArgument(term, a));
    return sum;
}

[[nodiscard]] double CosineSum(std::span<const LunarTerm> terms, const LunarArguments& a) noexcept {
    double sum = 0;
    for (const LunarTerm& term : terms) sum += TermCoefficient(term, a.E) * std::cos(TermArgument(term, a));
    return sum;
}

[[nodiscard]] double SinDeg(double degrees) noexcept {
    return std::sin(degrees * DegToRad);
}

}  // namespace

LunarSums MoonSums(double t) noexcept {
    const double lp = MeanLongitude(t);
    const LunarArguments a{MeanElongation(t), SunMeanAnomaly(t), MoonMeanAnomaly(t), ArgumentOfLatitude(t),
                           EccentricityFactor(t)};

    // Venus (A1), Jupiter (A2) and the flattening of the Earth (A3).
    const double a1 = Normalize360(119.75 + 131.849 * t);
    const double a2 = Normalize360(53.09 + 479264.29 * t);
    const double a3 = Normalize360(313.45 + 481266.484 * t);

    return {
        SineSum(ConstMoon.Longitude, a) + 3958 * SinDeg(a1) + 1962 * SinDeg(lp - a.F) + 318 * SinDeg(a2),
        SineSum(ConstMoon.Latitude, a) - 2235 * SinDeg(lp) + 382 * SinDeg(a3) + 175 * SinDeg(a1 - a.F) +
            175 * SinDeg(a1 + a.F) + 127 * SinDeg(lp - a.Mp) - 115 * SinDeg(lp + a.Mp),
        CosineSum(ConstMoon.Distance, a),
    };
}

void Engine::ComputeMoon(double jde) noexcept {
    const double t = JulianCenturies(jde);
    LunarSums sums;
    if (Fits) {
        std::array<double, 3> fitted;
        FittedValues(FittedSeries::MoonSums, jde, fitted);
        sums = {fitted[0], fitted[1], fitted[2]};
    } else {
        sums = MoonSums(t);
    }
    BodyPosition& moon = BodyPositions[Lun];
    moon.Longitude = Normalize360(Nutation(jde) + (MeanLongitude(t) + sums.Longitude * 0.000001));
    moon.Latitude = sums.Latitude * 0.000001;
    moon.Distance = 385000.56 + sums.Distance * 0.001;
}

void Engine::ComputeLunarNode(double jde) noexcept {
    BodyPosition& node = BodyPositions[Nod];
    node.Longitude = Normalize360(MeanNodeLongitude(JulianCenturies(jde)) + Nutation(jde));
    // Not 0, so that the node's latitude prints with the sign of positive values.
    node.Latitude = 1e-12;
}

}  // namespace kalto
