// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The apparent longitude of one body at the instants of the contact search.

#include "DateTime.h"
#include "Engine.h"

namespace kalto {

// The body's longitude at the local time `local` (zone offset `zoneOffset`,
// see ZoneOffset) as a step of the ephemeris computes it: the Julian Ephemeris
// Day, the true obliquity, the Sun, then the body's own operation (Pluto with
// the Earth-Sun distance of the Sun's step); the body's entry of the position
// table is read.
[[nodiscard]] double BodyLongitudeAt(Engine& engine, int body, TDateTime local, double zoneOffset) noexcept;

// The same longitude at the Julian Ephemeris Day `jde`, computed with only the
// steps it depends on, bit for bit equal to BodyLongitudeAt's:
//   Sun and planets: ComputePlanet, which makes its own Earth step and takes the
//     Sun's longitude from it; the obliquity only feeds the right ascension
//     and declination, which nobody reads here;
//   Moon and node: their own series, which need no Sun;
//   Pluto: the obliquity and the Earth's radius vector, the one part of the
//     Earth's series that it uses.
[[nodiscard]] double ContactLongitude(Engine& engine, int body, double jde) noexcept;

}  // namespace kalto
