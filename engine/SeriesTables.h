// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Types of the constant coefficient tables. The tables themselves are generated
// at build time from the published data files in engine/data/.

#include <array>
#include <span>

namespace kalto {

// One series of a VSOP87 coordinate for one power of time: the sum of
// A cos(B + C tau). Amplitudes, phases and frequencies are kept in separate
// contiguous arrays so that the sum vectorises. A is in radians (L, B) or AU (R),
// B in radians, C in radians per Julian millennium.
struct VsopSeries {
    std::span<const double> A;
    std::span<const double> B;
    std::span<const double> C;
};

// The series of one coordinate, power 0 upward (a coordinate has up to six).
using VsopCoordinate = std::span<const VsopSeries>;

// Heliocentric ecliptic spherical coordinates of one body (Bretagnon and
// Francou, VSOP87 version D): longitude, latitude, radius vector.
struct VsopTheory {
    VsopCoordinate L;
    VsopCoordinate B;
    VsopCoordinate R;
};

// A periodic term of Meeus's lunar tables 47.A and 47.B: the multiples of the
// arguments D, M, M', F and the coefficient.
struct LunarTerm {
    int d, m, mp, f, c;
};

struct MoonTables {
    std::array<LunarTerm, 59> Longitude;  // sine terms, 1e-6 degree (rows of 47.A with a longitude term)
    std::array<LunarTerm, 46> Distance;   // cosine terms, 1e-3 km (rows of 47.A with a distance term)
    std::array<LunarTerm, 60> Latitude;   // sine terms, 1e-6 degree (table 47.B)
};

// Chapront's (1995) Pluto series: 106 frequencies, of which entries 0..81 go
// with the terms of power 0 of x, 82..100 with x and 101..105 with x squared.
inline constexpr std::size_t PlutoTermCount = 106;

struct PlutoCoordinate {
    std::array<double, 4> Polynomial;            // 1e-10 AU, x^0 .. x^3
    std::array<double, PlutoTermCount> Cosines;  // 1e-10 AU
    std::array<double, PlutoTermCount> Sines;    // 1e-10 AU
};

struct PlutoSeriesTables {
    std::array<double, PlutoTermCount> Frequencies;  // radians per day
    PlutoCoordinate X, Y, Z;
    // The Earth referred to the mean ecliptic and equinox of J2000.0
    // (Meeus, Astronomical Algorithms, ch. 26): longitude L0..L4, latitude B0..B4.
    VsopCoordinate EarthL;
    VsopCoordinate EarthB;
};

}  // namespace kalto
