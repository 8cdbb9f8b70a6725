// SPDX-License-Identifier: GPL-3.0-or-later
#include "BodyLongitude.h"

#include "ApparentPlace.h"
#include "TimeScales.h"

namespace kalto {

double BodyLongitudeAt(Engine& engine, int body, TDateTime local, double zoneOffset) noexcept {
    const double jde = LocalToJDE(local, zoneOffset).jde;
    const double obliquity = Obliquity(true, jde);
    engine.ComputePlanet(Sol, obliquity, jde);
    switch (body) {
        case Sol: break;
        case Lun: engine.ComputeMoon(jde); break;
        case Plu: engine.ComputePluto(obliquity, engine.EarthSunDistance, jde); break;
        case Nod: engine.ComputeLunarNode(jde); break;
        default: engine.ComputePlanet(body, obliquity, jde); break;
    }
    return engine.BodyPositions[body].Longitude;
}

double ContactLongitude(Engine& engine, int body, double jde) noexcept {
    switch (body) {
        case Lun: engine.ComputeMoon(jde); break;
        case Nod: engine.ComputeLunarNode(jde); break;
        case Plu: engine.ComputePluto(Obliquity(true, jde), engine.EarthRadiusVector(jde), jde); break;
        default: engine.ComputePlanet(body, 0, jde); break;
    }
    return engine.BodyPositions[body].Longitude;
}

}  // namespace kalto
