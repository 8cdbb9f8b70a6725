// SPDX-License-Identifier: GPL-3.0-or-later
#include "AngleMatch.h"

#include "ApparentPlace.h"

#include <cmath>
#include <limits>

namespace kalto {

namespace {

// trunc(s / alpha) as an int; a quotient that is not a finite number in the
// range of int (a tiny alpha, a NaN longitude) gives 0 or the largest int.
int WholeMultiples(double s, double alpha) noexcept {
    const double k = std::trunc(s / alpha);
    if (!(k >= 0)) return 0;
    if (k >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max() - 1;
    return static_cast<int>(k);
}

}  // namespace

double Separation(double a, double b) noexcept {
    const double s = std::fabs(a - b);
    if (s > 180) return std::fabs(Normalize360(a + 180) - Normalize360(b + 180));
    return s;
}

AngleMatchResult AngleMatch(double longitude, double reference, double alpha, double orb, bool exact) noexcept {
    AngleMatchResult match;
    match.Separation = Separation(longitude, reference);
    const double s = match.Separation;
    if (!(alpha > 0)) {
        match.InOrb = s <= orb;
        return match;
    }
    match.Multiple = WholeMultiples(s, alpha);
    if (exact) {
        match.InOrb = orb >= std::fabs(alpha - s);
        if (match.InOrb) match.Multiple = 1;
        return match;
    }
    match.InOrb = orb >= std::fabs(s - match.Multiple * alpha);
    if (orb >= std::fabs(s - (match.Multiple + 1) * alpha)) {
        match.Multiple += 1;
        match.InOrb = true;
    }
    return match;
}

int MovingDirection(double previous, double current) noexcept {
    double d = current - previous;
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    return d > 0 ? +1 : -1;
}

bool MovedAgainst(int dir, double earlier, double later) noexcept {
    const double turnedEarlier = Normalize360(earlier + 180);
    const double turnedLater = Normalize360(later + 180);
    if (dir > 0) return later < earlier && turnedEarlier > turnedLater;
    return later > earlier && turnedEarlier < turnedLater;
}

double Wrap360(double x) noexcept {
    const double r = Normalize360(x);
    return r >= 360 ? r - 360 : r;
}

}  // namespace kalto
