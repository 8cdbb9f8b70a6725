// The Sun and the planets Mercury to Neptune: VSOP87D heliocentric positions
// reduced to apparent geocentric places (Meeus, Astronomical Algorithms, ch. 32
// and 33, with the complete series instead of his abridged ones).

#include "ApparentPlace.h"
#include "ConstTables.h"
#include "Engine.h"
#include "Vsop87.h"

#include <cmath>

namespace kalto {

namespace {

// Light time per AU, in days.
constexpr double LightTimePerAU = 0.0057755183;

}  // namespace

EarthPosition Engine::EarthHeliocentric(double jde) noexcept {
    const double tau = JulianMillennia(jde);
    HeliocentricPosition earth = EvaluateTheory(ConstEarth, tau);
    if (earth.B >= 180) earth.B -= 360;

    // The Sun seen from the Earth, FK5 system (Meeus 25.9 and 32.3).
    const double theta = Normalize360(earth.L + 180);
    const double t = 10 * tau;
    const double lambda = (theta - 1.397 * t - 0.00031 * t * t) * DegToRad;
    const double latitude = -earth.B + 1.087777e-5 * (std::cos(lambda) - std::sin(lambda));
    // -0.09033" FK5, aberration 20.4898" / R, nutation in longitude.
    const double longitude =
        Normalize360(theta - 2.509166667e-5 - 0.00569161111 / earth.R + NutationInLongitude(jde));

    RecPlaneta& sun = BodyPositions[Sol];
    sun.Longitude = longitude;
    sun.Latitude = latitude;
    sun.Distance = earth.R;
    return {earth.L * DegToRad, -latitude * DegToRad, earth.R};
}

GeocentricVectorResult GeocentricVector(int body, const EarthPosition& earth, double tau) noexcept {
    HeliocentricPosition p{0, 0, 0};
    if (body != Sol) p = PlanetHeliocentric(body, tau);
    FK5Correction(p.L, p.B, tau);
    const double l = p.L * DegToRad;
    const double b = p.B * DegToRad;
    GeocentricVectorResult v;
    v.x = p.R * std::cos(b) * std::cos(l) - earth.R * std::cos(earth.B) * std::cos(earth.L);
    v.y = p.R * std::cos(b) * std::sin(l) - earth.R * std::cos(earth.B) * std::sin(earth.L);
    v.z = p.R * std::sin(b) - earth.R * std::sin(earth.B);
    v.Distance = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    v.LightTime = LightTimePerAU * v.Distance;
    return v;
}

void Engine::ComputePlanet(int body, double obliquity, double jde) noexcept {
    const EarthPosition earth = EarthHeliocentric(jde);
    EarthSunDistance = earth.R;

    // The body is taken back to the time of emission; the Earth stays at jde.
    double lightTime = 0;
    GeocentricVectorResult v;
    for (;;) {
        const double previous = lightTime;
        v = GeocentricVector(body, earth, JulianMillennia(jde - lightTime));
        lightTime = v.LightTime;
        if (std::fabs(previous - lightTime) < 1e-7) break;
    }

    double longitude = QuadrantAngle(v.x, v.y) * RadToDeg;
    double latitude = QuadrantAngle(std::sqrt(v.x * v.x + v.y * v.y), v.z) * RadToDeg;
    if (latitude >= 180) latitude -= 360;
    AberrationAndNutation(longitude, latitude, BodyPositions[Sol].Longitude, JulianCenturies(jde - lightTime), jde);
    longitude = Normalize360(longitude);

    RecPlaneta& entry = BodyPositions[body];
    entry.Longitude = longitude;
    entry.Latitude = latitude;
    entry.Distance = v.Distance;
    const EquatorialPosition equatorial = EclipticToEquatorial(obliquity, latitude, longitude);
    entry.RightAscension = equatorial.RightAscension;
    entry.Declination = equatorial.Declination;
}

}  // namespace kalto
