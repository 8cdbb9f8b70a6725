// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart of a moment and place: the eleven bodies as the ephemeris computes
// them, named by their labels Sol … Nod, and where the place is known the
// ascendant "ASC" and the midheaven "MC".

#include "Chart.h"
#include "WallClock.h"

#include <optional>
#include <string>

namespace kalto {

// The wall clock of a birth: its named zone, or its fixed offset; nothing when
// the time-zone database has no zone of that name.
[[nodiscard]] std::optional<WallClock> BirthClock(const ChartBirth& birth);

// The chart called `name` of `birth` read on `clock` (BirthClock).
[[nodiscard]] Chart MakeBirthChart(std::string name, const ChartBirth& birth, const WallClock& clock);

}  // namespace kalto
