#include "EphemerisStep.h"

#include "ApparentPlace.h"

namespace kalto {

StepPositions ComputeAllBodies(Engine& engine, double jde) noexcept {
    const double obliquity = Obliquity(true, jde);
    engine.ComputePlanet(Sol, obliquity, jde);

    StepPositions step{};
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        switch (body) {
            case Sol: break;  // computed above; its row is taken before the planets rewrite it
            case Lun: engine.ComputeMoon(jde); break;
            case Plu: engine.ComputePluto(obliquity, engine.EarthSunDistance, jde); break;
            case Nod: engine.ComputeLunarNode(jde); break;
            default: engine.ComputePlanet(body, obliquity, jde); break;
        }
        RecPlaneta& entry = engine.BodyPositions[body];
        // ComputePlanet has converted its body with this obliquity already.
        if (body == Lun || body == Plu || body == Nod) {
            const EquatorialPosition equatorial = EclipticToEquatorial(obliquity, entry.Latitude, entry.Longitude);
            entry.RightAscension = equatorial.RightAscension;
            entry.Declination = equatorial.Declination;
        }
        step[body] = entry;
    }
    return step;
}

}  // namespace kalto
