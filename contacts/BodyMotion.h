// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Functions of Universal Time for the root-finder (TimeRoot.h): how far a body
// stands from a longitude, how fast its longitude moves, the angle between two
// bodies. Each computes with the engine it is given, as the contact search
// does (ContactLongitude), so that an engine on fitted series makes every
// value cheap; one engine a thread.

#include "DateTime.h"
#include "Engine.h"

namespace kalto {

// The body's apparent longitude at the universal time `ut`, degrees: the
// contact search's ContactLongitude at the Julian Ephemeris Day of `ut`.
[[nodiscard]] double LongitudeAtUT(Engine& engine, int body, TDateTime ut) noexcept;

// The body's longitude minus `longitude`, -180 < x <= 180: zero where the
// body passes the longitude, positive once a direct body is past it.
[[nodiscard]] double LongitudeFrom(Engine& engine, int body, double longitude, TDateTime ut) noexcept;

// The half-width of the central difference of LongitudeRate, days: wide enough
// that the fitted series' 1e-9 degree leaves the rate within 1e-7 degree a day,
// narrow enough that the difference's own error is far below that.
inline constexpr double RateHalfStep = 0.01;

// The rate of the body's longitude, degrees a day, from the longitudes
// RateHalfStep either side of `ut`: zero at a station, negative while the
// body is retrograde.
[[nodiscard]] double LongitudeRate(Engine& engine, int body, TDateTime ut) noexcept;

// The longitude of `first` minus that of `second`, -180 < x <= 180: with the
// Moon and the Sun, the Moon's elongation (zero at new moon, 180 at full).
[[nodiscard]] double LongitudeBetween(Engine& engine, int first, int second, TDateTime ut) noexcept;

}  // namespace kalto
