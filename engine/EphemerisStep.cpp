// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisStep.h"

#include "ApparentPlace.h"

namespace kalto {

StepPositions ComputeAllBodies(Engine& engine, double jde) noexcept {
    const double obliquity = engine.TrueObliquity(jde);
    StepPositions step{};
    // The Sun's row is taken before the planets' calls rewrite its entry; the
    // planets are computed together, as one ComputePlanet call each would.
    engine.ComputePlanet(Sol, obliquity, jde);
    step[Sol] = engine.BodyPositions[Sol];
    constexpr int Planets[] = {Mer, Ven, Mar, Jup, Sat, Ura, Nep};
    engine.ComputePlanets(Planets, obliquity, jde);
    engine.ComputeMoon(jde);
    engine.ComputePluto(obliquity, engine.EarthSunDistance, jde);
    engine.ComputeLunarNode(jde);
    // ComputePlanet converts its bodies with this obliquity itself.
    for (const int body : {Lun, Plu, Nod}) engine.ConvertToEquatorial(body, obliquity);
    for (int body = Lun; body <= LastComputedBody; ++body) step[body] = engine.BodyPositions[body];
    return step;
}

}  // namespace kalto
