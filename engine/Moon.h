// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The periodic part of the Moon's theory (Meeus, Astronomical Algorithms, 2nd
// ed., ch. 47): the sums of tables 47.A and 47.B with the additive terms of
// Venus, Jupiter and the flattening of the Earth.

namespace kalto {

struct LunarSums {
    double Longitude;  // Σl, 1e-6 degree
    double Latitude;   // Σb, 1e-6 degree
    double Distance;   // Σr, 1e-3 km
};

// The sums at t Julian centuries of dynamical time from J2000.0.
[[nodiscard]] LunarSums MoonSums(double t) noexcept;

}  // namespace kalto
