// SPDX-License-Identifier: GPL-3.0-or-later
#include "BodyMotion.h"

#include "BodyLongitude.h"
#include "TimeRoot.h"
#include "TimeScales.h"

namespace kalto {

double LongitudeAtUT(Engine& engine, int body, TDateTime ut) noexcept {
    return ContactLongitude(engine, body, LocalToJDE(ut, 0).jde);
}

double LongitudeFrom(Engine& engine, int body, double longitude, TDateTime ut) noexcept {
    return SignedDegrees(LongitudeAtUT(engine, body, ut) - longitude);
}

double LongitudeRate(Engine& engine, int body, TDateTime ut) noexcept {
    const double before = LongitudeAtUT(engine, body, ut - RateHalfStep);
    const double after = LongitudeAtUT(engine, body, ut + RateHalfStep);
    return SignedDegrees(after - before) / (2 * RateHalfStep);
}

double LongitudeBetween(Engine& engine, int first, int second, TDateTime ut) noexcept {
    const double a = LongitudeAtUT(engine, first, ut);
    return SignedDegrees(a - LongitudeAtUT(engine, second, ut));
}

}  // namespace kalto
