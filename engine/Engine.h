// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine object: the position table that the body operations write and their
// callers read. Each thread that computes positions owns its own Engine; the
// engines of one run may share the fitted pieces of the series.

#include "ApparentPlace.h"
#include "Bodies.h"
#include "SeriesFits.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <span>

namespace kalto {

// One entry of the position table. Angles in degrees; right ascension in
// degrees too (0..360, never hours).
struct BodyPosition {
    double Longitude = 0;  // geocentric ecliptic, equinox of the date
    double Latitude = 0;
    double Distance = 0;  // AU for the Sun and planets, km for the Moon, 0 for Pluto and the node
    double RightAscension = 0;
    double Declination = 0;
};

// The Earth's heliocentric position as the Earth step hands it on: longitude
// and latitude in radians (the latitude with the FK5 adjustment), radius in AU.
struct EarthPosition {
    double L;
    double B;
    double R;
};

// Heliocentric rectangular coordinates on the ecliptic and equinox of the
// date, AU.
struct EclipticVector {
    double x, y, z;
};

// The heliocentric vector of body 3 (Mercury) to 9 (Neptune) from its VSOP87D
// position with the FK5 correction; the Sun (body 1) stands at the origin.
[[nodiscard]] EclipticVector PlanetHeliocentricVector(int body, double tau) noexcept;

// The Earth's heliocentric vector.
[[nodiscard]] EclipticVector EarthVector(const EarthPosition& earth) noexcept;

struct GeocentricVectorResult {
    double x, y, z;    // geocentric ecliptic rectangular coordinates, AU
    double Distance;   // AU
    double LightTime;  // days
};

// The body's geocentric vector with the Earth at `earth`; the Sun (body 1)
// stands at the heliocentric origin.
[[nodiscard]] GeocentricVectorResult GeocentricVector(int body, const EarthPosition& earth, double tau) noexcept;

// How an engine evaluates the costly sums of the body theories.
enum class SeriesEvaluation {
    // From piecewise Chebyshev approximations fitted to them (SeriesFits.h):
    // every position within 1e-9 degree of Direct's, many times faster.
    Fitted,
    // Every series summed in full at every call: the reference.
    Direct,
};

class Engine {
public:
    // Fitted, with a store of pieces of its own.
    Engine();
    explicit Engine(SeriesEvaluation evaluation);
    // Fitted from the pieces of `fits`, which other engines (the threads of one
    // run) may share; Direct when fits is null.
    explicit Engine(std::shared_ptr<SeriesFits> fits);

    [[nodiscard]] SeriesEvaluation Evaluation() const noexcept;

    // Apparent geocentric position of the Sun (body 1) or a planet (3..9) at jde,
    // with light time, FK5 correction, aberration and nutation (Bretagnon and
    // Francou's VSOP87D; Meeus ch. 32 and 33). Writes the body's entry, the Sun of
    // the Earth step into entry 1 (whatever body was asked for) and
    // EarthSunDistance.
    void ComputePlanet(int body, double obliquity, double jde) noexcept;

    // ComputePlanet for each of up to MaxPlanetBatch bodies in turn, the same
    // results in less time: the bodies' light-time passes are interleaved.
    static constexpr std::size_t MaxPlanetBatch = 8;
    void ComputePlanets(std::span<const int> bodies, double obliquity, double jde) noexcept;

    // The Moon (body 2): longitude, latitude and distance in km (Meeus ch. 47).
    void ComputeMoon(double jde) noexcept;

    // The mean ascending lunar node (body 11): longitude, and a latitude of 1e-12.
    void ComputeLunarNode(double jde) noexcept;

    // Pluto (body 10): longitude and latitude from Chapront's (1995) series.
    // earthSunDistance is the EarthSunDistance of a ComputePlanet call at jde.
    void ComputePluto(double obliquity, double earthSunDistance, double jde) noexcept;

    // The Earth step: evaluates the Earth and writes the Sun's apparent longitude,
    // latitude and distance into entry 1. The step of the last instant is kept,
    // so the calls for the bodies of one instant evaluate the Earth once.
    EarthPosition EarthHeliocentric(double jde) noexcept;

    // The Earth's heliocentric distance at jde (AU), the EarthSunDistance that a
    // ComputePlanet call at jde leaves, from the radius series alone.
    [[nodiscard]] double EarthRadiusVector(double jde) noexcept;

    // Sets the right ascension and declination of the body's entry from its
    // longitude and latitude: EclipticToEquatorial with this obliquity.
    void ConvertToEquatorial(int body, double obliquity) noexcept;

    // Obliquity(true, jde), with the nutation in longitude that the bodies of
    // the instant use kept from the same arguments.
    [[nodiscard]] double TrueObliquity(double jde) noexcept;

    // Indexed by body number 1..12; entry 0 is unused.
    std::array<BodyPosition, 13> BodyPositions{};
    // The Earth's heliocentric distance (AU) at the last ComputePlanet call.
    double EarthSunDistance = 0;

private:
    // The Earth step of one instant with what the planets' light-time passes
    // take from it.
    struct EarthStep {
        double Jde = std::numeric_limits<double>::quiet_NaN();
        EarthPosition Earth{};
        EclipticVector Vector{};
        double SunLongitude = 0;
        double SunLatitude = 0;
        SinCos SunDirection{};  // of SunLongitude, for the aberration of every body
        double Perihelion = 0;  // PerihelionLongitude at Jde
        SinCos PerihelionDirection{};
    };

    // The piece of a series last used by this engine.
    struct FitCursor {
        std::int64_t Index = 0;
        std::shared_ptr<const ChebyshevPiece> Piece;
    };

    const EarthStep& EarthStepAt(double jde) noexcept;
    // The apparent place of the body with the geocentric vector v and its light
    // time (ComputePlanet from its fourth step on).
    void ApparentPlace(int body, const GeocentricVectorResult& v, double lightTime, double obliquity,
                       double jde) noexcept;
    // The body's heliocentric vector at the instant of emission jde.
    EclipticVector HeliocentricVectorAt(int body, double jde) noexcept;
    // NutationInLongitude and Obliquity(true), kept for the last instant.
    const NutationAndObliquity& NutationAt(double jde) noexcept;
    double Nutation(double jde) noexcept;
    // The sine and cosine of the obliquity, kept for the last value.
    SinCos ObliquityDirection(double obliquity) noexcept;
    // The values of a fitted series at jde (Fitted only).
    void FittedValues(FittedSeries series, double jde, std::span<double> values) noexcept;

    std::shared_ptr<SeriesFits> Fits;  // null for Direct
    std::array<FitCursor, FittedSeriesCount> Cursors{};
    EarthStep LastEarthStep;
    double NutationJde = std::numeric_limits<double>::quiet_NaN();
    NutationAndObliquity LastNutation{};
    double LastObliquity = std::numeric_limits<double>::quiet_NaN();
    SinCos LastObliquityDirection{};
};

}  // namespace kalto
