// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun and the planets Mercury to Neptune: VSOP87D heliocentric positions
// reduced to apparent geocentric places (Meeus, Astronomical Algorithms, ch. 32
// and 33, with the complete series instead of his abridged ones), the series
// summed in full or taken from their fitted pieces (SeriesFits.h); and the
// engine's memory of the last instant, which spares the bodies of one step
// the Earth's series and the nutation after the first.

#include "ApparentPlace.h"
#include "ConstTables.h"
#include "Engine.h"
#include "Vsop87.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace kalto {

namespace {

// Light time per AU, in days.
constexpr double LightTimePerAU = 0.0057755183;

GeocentricVectorResult FromEarth(const EclipticVector& body, const EclipticVector& earth) noexcept {
    GeocentricVectorResult v;
    v.x = body.x - earth.x;
    v.y = body.y - earth.y;
    v.z = body.z - earth.z;
    v.Distance = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    v.LightTime = LightTimePerAU * v.Distance;
    return v;
}

}  // namespace

Engine::Engine() : Fits(std::make_shared<SeriesFits>()) {}

Engine::Engine(SeriesEvaluation evaluation)
    : Fits(evaluation == SeriesEvaluation::Fitted ? std::make_shared<SeriesFits>() : nullptr) {}

Engine::Engine(std::shared_ptr<SeriesFits> fits) : Fits(std::move(fits)) {}

SeriesEvaluation Engine::Evaluation() const noexcept {
    return Fits ? SeriesEvaluation::Fitted : SeriesEvaluation::Direct;
}

void Engine::FittedValues(FittedSeries series, double jde, std::span<double> values) noexcept {
    FitCursor& cursor = Cursors[static_cast<std::size_t>(series)];
    const std::int64_t index = PieceIndex(series, jde);
    if (!cursor.Piece || cursor.Index != index) {
        cursor.Piece = Fits->Piece(series, index);
        cursor.Index = index;
    }
    EvaluateChebyshev(*cursor.Piece, SeriesArgument(series, jde), values);
}

SinCos Engine::ObliquityDirection(double obliquity) noexcept {
    if (obliquity != LastObliquity) {
        LastObliquityDirection = SinCosOfDegrees(obliquity);
        LastObliquity = obliquity;
    }
    return LastObliquityDirection;
}

const NutationAndObliquity& Engine::NutationAt(double jde) noexcept {
    if (jde != NutationJde) {
        LastNutation = NutationAndTrueObliquity(jde);
        NutationJde = jde;
    }
    return LastNutation;
}

double Engine::Nutation(double jde) noexcept {
    return NutationAt(jde).NutationInLongitude;
}

double Engine::TrueObliquity(double jde) noexcept {
    return NutationAt(jde).TrueObliquity;
}

const Engine::EarthStep& Engine::EarthStepAt(double jde) noexcept {
    if (jde == LastEarthStep.Jde) return LastEarthStep;

    const double tau = JulianMillennia(jde);
    HeliocentricPosition earth;
    if (Fits) {
        std::array<double, 3> sums;
        FittedValues(FittedSeries::Earth, jde, sums);
        earth = {Normalize360(sums[0] * RadToDeg), Normalize360(sums[1] * RadToDeg), sums[2]};
    } else {
        earth = EvaluateTheory(ConstEarth, tau);
    }
    if (earth.B >= 180) earth.B -= 360;

    // The Sun seen from the Earth, FK5 system (Meeus 25.9 and 32.3).
    const double theta = Normalize360(earth.L + 180);
    const double t = 10 * tau;
    const double lambda = (theta - 1.397 * t - 0.00031 * t * t) * DegToRad;
    const double latitude = -earth.B + 1.087777e-5 * (std::cos(lambda) - std::sin(lambda));
    // -0.09033" FK5, aberration 20.4898" / R, nutation in longitude.
    const double longitude = Normalize360(theta - 2.509166667e-5 - 0.00569161111 / earth.R + Nutation(jde));

    EarthStep& step = LastEarthStep;
    step.Jde = jde;
    step.Earth = {earth.L * DegToRad, -latitude * DegToRad, earth.R};
    step.Vector = EarthVector(step.Earth);
    step.SunLongitude = longitude;
    step.SunLatitude = latitude;
    step.SunDirection = SinCosOfDegrees(longitude);
    step.Perihelion = PerihelionLongitude(JulianCenturies(jde));
    step.PerihelionDirection = SinCosOfDegrees(step.Perihelion);
    return step;
}

EarthPosition Engine::EarthHeliocentric(double jde) noexcept {
    const EarthStep& step = EarthStepAt(jde);
    BodyPosition& sun = BodyPositions[Sol];
    sun.Longitude = step.SunLongitude;
    sun.Latitude = step.SunLatitude;
    sun.Distance = step.Earth.R;
    return step.Earth;
}

double Engine::EarthRadiusVector(double jde) noexcept {
    if (jde == LastEarthStep.Jde) return LastEarthStep.Earth.R;
    if (!Fits) return EvaluateCoordinate(ConstEarth.R, JulianMillennia(jde));
    std::array<double, 3> sums;
    FittedValues(FittedSeries::Earth, jde, sums);
    return sums[2];
}

EclipticVector PlanetHeliocentricVector(int body, double tau) noexcept {
    HeliocentricPosition p{0, 0, 0};
    if (body != Sol) p = PlanetHeliocentric(body, tau);
    FK5Correction(p.L, p.B, tau);
    const double l = p.L * DegToRad;
    const double b = p.B * DegToRad;
    return {p.R * std::cos(b) * std::cos(l), p.R * std::cos(b) * std::sin(l), p.R * std::sin(b)};
}

EclipticVector EarthVector(const EarthPosition& earth) noexcept {
    return {earth.R * std::cos(earth.B) * std::cos(earth.L), earth.R * std::cos(earth.B) * std::sin(earth.L),
            earth.R * std::sin(earth.B)};
}

GeocentricVectorResult GeocentricVector(int body, const EarthPosition& earth, double tau) noexcept {
    return FromEarth(PlanetHeliocentricVector(body, tau), EarthVector(earth));
}

EclipticVector Engine::HeliocentricVectorAt(int body, double jde) noexcept {
    // The Sun's vector is the origin's: its FK5 correction moves a point of radius 0.
    if (body == Sol) return {0, 0, 0};
    if (!Fits) return PlanetHeliocentricVector(body, JulianMillennia(jde));
    std::array<double, 3> v;
    FittedValues(PlanetSeries(body), jde, v);
    return {v[0], v[1], v[2]};
}

void Engine::ComputePlanet(int body, double obliquity, double jde) noexcept {
    const int bodies[] = {body};
    ComputePlanets(bodies, obliquity, jde);
}

void Engine::ComputePlanets(std::span<const int> bodies, double obliquity, double jde) noexcept {
    const EarthPosition earth = EarthHeliocentric(jde);
    EarthSunDistance = earth.R;

    // Each body is taken back to its time of emission; the Earth stays at jde.
    // The passes of the bodies run side by side, so that the processor works
    // on several while each waits on its own.
    std::array<double, MaxPlanetBatch> lightTime{};
    std::array<GeocentricVectorResult, MaxPlanetBatch> v{};
    std::array<bool, MaxPlanetBatch> converged{};
    const std::size_t count = std::min(bodies.size(), MaxPlanetBatch);
    for (std::size_t pending = count; pending > 0;) {
        for (std::size_t i = 0; i < count; ++i) {
            if (converged[i]) continue;
            const double previous = lightTime[i];
            v[i] = FromEarth(HeliocentricVectorAt(bodies[i], jde - previous), LastEarthStep.Vector);
            lightTime[i] = v[i].LightTime;
            if (std::fabs(previous - lightTime[i]) < 1e-7) {
                converged[i] = true;
                --pending;
            }
        }
    }
    for (std::size_t i = 0; i < count; ++i) ApparentPlace(bodies[i], v[i], lightTime[i], obliquity, jde);
}

void Engine::ApparentPlace(int body, const GeocentricVectorResult& v, double lightTime, double obliquity,
                           double jde) noexcept {
    const EarthStep& earthStep = LastEarthStep;
    const double rho = std::sqrt(v.x * v.x + v.y * v.y);
    double longitude = QuadrantAngle(v.x, v.y) * RadToDeg;
    double latitude = QuadrantAngle(rho, v.z) * RadToDeg;
    if (latitude >= 180) latitude -= 360;

    // Aberration and nutation (Meeus 23.2 and ch. 22) from the direction of the
    // vector itself; the equatorial place from that direction turned by them.
    const double inverseRho = 1 / rho;
    const double inverseDistance = 1 / v.Distance;
    const SinCos geometricLongitude{v.y * inverseRho, v.x * inverseRho};
    const SinCos geometricLatitude{v.z * inverseDistance, rho * inverseDistance};
    // The perihelion at the time of emission: that of jde, turned by the few
    // 1e-6 degree it moves in the light time.
    const double T = JulianCenturies(jde - lightTime);
    const SinCos perihelion =
        Turned(earthStep.PerihelionDirection, (PerihelionLongitude(T) - earthStep.Perihelion) * DegToRad);
    const EclipticShift aberration =
        Aberration(geometricLongitude, geometricLatitude, earthStep.SunDirection, perihelion, T);
    const double longitudeShift = aberration.Longitude + Nutation(jde);
    longitude = Normalize360(longitude + longitudeShift);
    latitude += aberration.Latitude;

    BodyPosition& entry = BodyPositions[body];
    entry.Longitude = longitude;
    entry.Latitude = latitude;
    entry.Distance = v.Distance;
    const EquatorialPosition equatorial =
        EclipticToEquatorial(ObliquityDirection(obliquity), Turned(geometricLatitude, aberration.Latitude * DegToRad),
                             Turned(geometricLongitude, longitudeShift * DegToRad));
    entry.RightAscension = equatorial.RightAscension;
    entry.Declination = equatorial.Declination;
}

void Engine::ConvertToEquatorial(int body, double obliquity) noexcept {
    BodyPosition& entry = BodyPositions[body];
    const EquatorialPosition equatorial = EclipticToEquatorial(
        ObliquityDirection(obliquity), SinCosOfDegrees(entry.Latitude), SinCosOfDegrees(entry.Longitude));
    entry.RightAscension = equatorial.RightAscension;
    entry.Declination = equatorial.Declination;
}

}  // namespace kalto
