// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeRoot.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalto {

namespace {

// Brent's method halves the bracket at least every few steps; a hundred
// steps take any bracket of days to the precision of a double.
constexpr int MaxIterations = 100;

bool SameSign(double a, double b) noexcept {
    return (a > 0) == (b > 0);
}

}  // namespace

double SignedDegrees(double degrees) noexcept {
    double x = std::fmod(degrees, 360.0);
    if (x > 180) x -= 360;
    if (x <= -180) x += 360;
    return x;
}

std::optional<TimeRoot> FindTimeRoot(const TimeFunction& f, TDateTime t0, double f0, TDateTime t1, double f1,
                                     double tolerance) {
    if (std::isnan(f0) || std::isnan(f1)) return std::nullopt;
    if (f0 == 0) return TimeRoot{t0, 0, 0};
    if (f1 == 0) return TimeRoot{t1, 0, 0};
    if (SameSign(f0, f1)) return std::nullopt;

    constexpr double epsilon = std::numeric_limits<double>::epsilon();
    // b is the best estimate, a the previous one, and [b, c] brackets the root.
    double a = t0;
    double fa = f0;
    double b = t1;
    double fb = f1;
    double c = a;
    double fc = fa;
    double d = b - a;  // the step just taken
    double e = d;      // the step before it
    TimeRoot root;
    for (int iteration = 0; iteration < MaxIterations; ++iteration) {
        if (SameSign(fb, fc)) {
            c = a;
            fc = fa;
            d = b - a;
            e = d;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * epsilon * std::fabs(b) + 0.5 * tolerance;
        const double m = 0.5 * (c - b);
        if (std::fabs(m) <= tol || fb == 0) break;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            // Interpolation: linear when only two points are known, inverse
            // quadratic otherwise.
            const double s = fb / fa;
            double p = 0;
            double q = 0;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2 * m * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) {
                q = -q;
            } else {
                p = -p;
            }
            if (2 * p < std::min(3 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = m;
                e = m;
            }
        } else {
            d = m;
            e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0 ? tol : -tol);
        fb = f(b);
        ++root.Evaluations;
        if (std::isnan(fb)) return std::nullopt;
    }
    root.Time = b;
    root.Value = fb;
    return root;
}

std::optional<TimeRoot> FindTimeRoot(const TimeFunction& f, TDateTime t0, TDateTime t1, double tolerance) {
    std::optional<TimeRoot> root = FindTimeRoot(f, t0, f(t0), t1, f(t1), tolerance);
    if (root) root->Evaluations += 2;
    return root;
}

std::optional<TimeRoot> FindTimeRootNear(const TimeFunction& f, TDateTime guess, double step, int rings,
                                         double tolerance) {
    const double atGuess = f(guess);
    if (std::isnan(atGuess)) return std::nullopt;
    if (atGuess == 0) return TimeRoot{guess, 0, 1};
    struct Side {
        double Direction;
        TDateTime Time;
        double Value;
    };
    Side sides[] = {{+1, guess, atGuess}, {-1, guess, atGuess}};
    int evaluations = 1;
    double distance = step;
    for (int ring = 0; ring < rings; ++ring, distance *= 2) {
        for (Side& side : sides) {
            const TDateTime t = guess + side.Direction * distance;
            const double value = f(t);
            ++evaluations;
            if (std::isnan(value)) return std::nullopt;
            if (value == 0 || !SameSign(value, side.Value)) {
                std::optional<TimeRoot> root = FindTimeRoot(f, side.Time, side.Value, t, value, tolerance);
                if (root) root->Evaluations += evaluations;
                return root;
            }
            side.Time = t;
            side.Value = value;
        }
    }
    return std::nullopt;
}

}  // namespace kalto
