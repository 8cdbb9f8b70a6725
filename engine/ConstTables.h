// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The constant coefficient tables, generated at build time from engine/data/.

#include "SeriesTables.h"

namespace kalto {

// VSOP87D, heliocentric, mean ecliptic and equinox of the date.
extern const VsopTheory ConstEarth;
extern const VsopTheory ConstMercury;
extern const VsopTheory ConstVenus;
extern const VsopTheory ConsMars;
extern const VsopTheory ConstJupiter;
extern const VsopTheory ConstSaturn;
extern const VsopTheory ConstUrano;
extern const VsopTheory ConstNeptune;

// Meeus, Astronomical Algorithms, 2nd ed., tables 47.A and 47.B.
extern const MoonTables ConstMoon;

// Chapront (1995) Pluto series with the J2000 Earth series of Meeus ch. 26.
extern const PlutoSeriesTables ConstPlutoII;

}  // namespace kalto
