// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Evaluation of the VSOP87 version D series (Bretagnon and Francou, 1988):
// heliocentric ecliptic longitude, latitude and radius vector referred to the
// mean ecliptic and equinox of the date.

#include "SeriesTables.h"

namespace kalto {

// Julian millennia of dynamical time from J2000.0.
[[nodiscard]] constexpr double JulianMillennia(double jde) noexcept {
    return (jde - 2451545.0) / 365250.0;
}

// Σ A cos(B + C tau) over the terms of one series.
[[nodiscard]] double SumSeries(const VsopSeries& series, double tau) noexcept;

// Σ_k tau^k S_k by Horner's rule from the highest power.
[[nodiscard]] double EvaluateCoordinate(VsopCoordinate coordinate, double tau) noexcept;

struct HeliocentricPosition {
    double L;  // degrees
    double B;  // degrees
    double R;  // AU
};

// L and B in degrees reduced by Normalize360 (a southern latitude comes back as
// 360 - |B|), R in AU.
[[nodiscard]] HeliocentricPosition EvaluateTheory(const VsopTheory& theory, double tau) noexcept;

// The theory of body 3 (Mercury) to 9 (Neptune).
[[nodiscard]] const VsopTheory& PlanetTheory(int body) noexcept;

// PlanetHeliocentric: the heliocentric position of body 3 to 9.
[[nodiscard]] HeliocentricPosition PlanetHeliocentric(int body, double tau) noexcept;

}  // namespace kalto
