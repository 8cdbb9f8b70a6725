// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values the window can show for each key of the settings file: a file
// edited by hand or written by another version may hold any number.

#include "Settings.h"

namespace kalto {

// The time zone's limits in hours east of Greenwich, as the window and the
// command line take it.
inline constexpr double MinTimeZone = -11.99;
inline constexpr double MaxTimeZone = 11.99;

// The largest whole degrees of the target position: a longitude below 360, or
// degrees within a sign below 30.
inline constexpr int MaxEclipticDegrees = 359;
inline constexpr int MaxSignDegrees = 29;

// Arc minutes and seconds of the position and the orb.
inline constexpr int MaxArcMinutes = 59;

// Each value moved to the nearest end of its range when outside it:
//   Coordinates 0 .. 1, and PositionDegrees 0 .. 359 with ecliptic
//   coordinates or 0 .. 29 with degrees within a sign (the held Coordinates);
//   PositionMinutes, PositionSeconds and OrbMinutes 0 .. 59;
//   Sign -1 (none) .. 11; ContactBody 0 .. the searchable bodies - 1;
//   Angle 0 .. 180; AngleType 0 .. 1; OrbDegrees 0 .. 5;
//   TimeZone -11.99 .. 11.99.
// The switches and the colours take any value and stay as they are, and so
// does a value inside its range. An orb under 0° 30' is the orb's own rule
// (NormalizeOrb), not a range, and stays as it is here.
[[nodiscard]] KaltoSettings HeldToControlRanges(KaltoSettings settings);

}  // namespace kalto
