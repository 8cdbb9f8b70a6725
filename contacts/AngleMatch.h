// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The orb test of the contact search and the comparisons of direction that the
// scans make between two longitudes. Angles in degrees.

namespace kalto {

// The separation of two longitudes on the circle, 0 to 180.
[[nodiscard]] double Separation(double a, double b) noexcept;

struct AngleMatchResult {
    bool InOrb = false;
    int Multiple = 0;       // k: the contact is at k × alpha from the reference
    double Separation = 0;  // 0..180
};

// Whether `longitude` stands within `orb` of the angle `alpha` from
// `reference`: with `exact`, of alpha itself (k = 1); otherwise of any whole
// multiple k × alpha up to 180 degrees, the conjunction (k = 0) included, the
// larger multiple winning where two fit. With alpha = 0 both reduce to the
// conjunction test, separation <= orb, and k = 0.
[[nodiscard]] AngleMatchResult AngleMatch(double longitude, double reference, double alpha, double orb,
                                          bool exact) noexcept;

// +1 when `current` lies ahead of `previous` on the circle (the shorter way
// round), otherwise -1. A body crossing 0 degrees reads as moving the way it
// moves.
[[nodiscard]] int MovingDirection(double previous, double current) noexcept;

// The station test: true when a body moving in direction `dir` (+1 direct,
// -1 retrograde) went the other way from `earlier` to `later`. Both the raw
// longitudes and the longitudes turned half a circle must say so, so that a
// crossing of 0 degrees is not taken for a turn.
[[nodiscard]] bool MovedAgainst(int dir, double earlier, double later) noexcept;

// `x` reduced to 0 <= x < 360.
[[nodiscard]] double Wrap360(double x) noexcept;

}  // namespace kalto
