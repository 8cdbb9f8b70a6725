// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One step of an ephemeris: every body at one instant, each converted to right
// ascension and declination at once, in the order that keeps the Sun of the
// Sun's own computation and hands the Earth's distance on to Pluto.

#include "Engine.h"

#include <array>

namespace kalto {

// Entries 1..11 by body number; entry 0 is unused.
using StepPositions = std::array<BodyPosition, LastComputedBody + 1>;

[[nodiscard]] StepPositions ComputeAllBodies(Engine& engine, double jde) noexcept;

}  // namespace kalto
