#pragma once
// The engine object: the position table that the body operations write and their
// callers read. Each thread that computes positions owns its own Engine.

#include "Bodies.h"

#include <array>

namespace kalto {

// One entry of the position table. Angles in degrees; right ascension in
// degrees too (0..360, never hours).
struct RecPlaneta {
    double Longitude = 0;       // geocentric ecliptic, equinox of the date
    double Latitude = 0;
    double Distance = 0;        // AU for the Sun and planets, km for the Moon, 0 for Pluto and the node
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

struct GeocentricVectorResult {
    double x, y, z;     // geocentric ecliptic rectangular coordinates, AU
    double Distance;    // AU
    double LightTime;   // days
};

// The body's geocentric vector with the Earth at `earth`; the Sun (body 1)
// stands at the heliocentric origin.
[[nodiscard]] GeocentricVectorResult GeocentricVector(int body, const EarthPosition& earth, double tau) noexcept;

class Engine {
public:
    // Apparent geocentric position of the Sun (body 1) or a planet (3..9) at jde,
    // with light time, FK5 correction, aberration and nutation (Bretagnon and
    // Francou's VSOP87D; Meeus ch. 32 and 33). Writes the body's entry, the Sun of
    // the Earth step into entry 1 (whatever body was asked for) and
    // EarthSunDistance.
    void ComputePlanet(int body, double obliquity, double jde) noexcept;

    // The Moon (body 2): longitude, latitude and distance in km (Meeus ch. 47).
    void ComputeMoon(double jde) noexcept;

    // The mean ascending lunar node (body 11): longitude, and a latitude of 1e-12.
    void ComputeLunarNode(double jde) noexcept;

    // Pluto (body 10): longitude and latitude from Chapront's (1995) series.
    // earthSunDistance is the EarthSunDistance of a ComputePlanet call at jde.
    void ComputePluto(double obliquity, double earthSunDistance, double jde) noexcept;

    // The Earth step: evaluates the Earth and writes the Sun's apparent longitude,
    // latitude and distance into entry 1.
    EarthPosition EarthHeliocentric(double jde) noexcept;

    // Indexed by body number 1..12; entry 0 is unused.
    std::array<RecPlaneta, 13> BodyPositions{};
    // The Earth's heliocentric distance (AU) at the last ComputePlanet call.
    double EarthSunDistance = 0;
};

}  // namespace kalto
