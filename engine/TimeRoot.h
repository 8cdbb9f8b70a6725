// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Roots of smooth functions of time: the instant at which a body reaches a
// longitude, at which its longitude turns, at which two bodies stand at an
// angle. The caller gives the function and a bracket, or a guess and a step
// to look for one; the function may be costly (a body's position), so the
// root-finder asks for as few values as it can.
//
// Nothing here keeps state between calls: a function that computes with an
// engine carries the engine of its own thread.

#include "DateTime.h"

#include <functional>
#include <optional>

namespace kalto {

// A function of time, days, to a number.
using TimeFunction = std::function<double(TDateTime)>;

// Tolerances, days: a crossing of a longitude to a hundredth of a second; a
// zero of a body's speed, which its noise leaves far less steep, to a second.
inline constexpr double CrossingTolerance = 0.01 / 86400;
inline constexpr double StationTolerance = 1.0 / 86400;

struct TimeRoot {
    TDateTime Time = 0;   // where the function changes sign, within the tolerance
    double Value = 0;     // the function at Time
    int Evaluations = 0;  // the values the search asked for, the bracket's included when it found them itself
};

// `degrees` reduced to -180 < x <= 180: the difference of two longitudes (a
// body's minus the one it seeks) as a signed angle that is continuous, and
// crosses zero, where the body passes the longitude sought. It jumps where the
// body stands opposite, which a bracket of a few steps around a crossing never
// reaches.
[[nodiscard]] double SignedDegrees(double degrees) noexcept;

// Brent's method (R. P. Brent, Algorithms for Minimization without
// Derivatives, 1973, ch. 4, the procedure zero): inverse quadratic and linear
// interpolation kept inside the bracket, with a bisection whenever they would
// converge slower than it. Finds a root of `f` in [t0, t1], where f(t0) = f0
// and f(t1) = f1 differ in sign (either may be zero), within `tolerance` days.
// Nothing when they have the same sign, or when a value is not a number.
// Where f jumps across zero instead of crossing it, the jump is what it
// finds: Value then tells the caller that it is no root.
[[nodiscard]] std::optional<TimeRoot> FindTimeRoot(const TimeFunction& f, TDateTime t0, double f0, TDateTime t1,
                                                   double f1, double tolerance);
// The same, evaluating f at the ends of the bracket.
[[nodiscard]] std::optional<TimeRoot> FindTimeRoot(const TimeFunction& f, TDateTime t0, TDateTime t1, double tolerance);

// A root near `guess`: looks for a change of sign between neighbouring
// instants of guess ± step × 2^k, k = 0 .. rings - 1 (each ring twice as far
// as the one before, so that a slow function is bracketed in few values),
// the nearer rings first and at each ring the later side first, and finds
// the root in the first bracket found. Nothing when f keeps its sign over the
// whole range, guess ± step × 2^(rings - 1).
[[nodiscard]] std::optional<TimeRoot> FindTimeRootNear(const TimeFunction& f, TDateTime guess, double step, int rings,
                                                       double tolerance);

}  // namespace kalto
