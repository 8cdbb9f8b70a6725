// SPDX-License-Identifier: GPL-3.0-or-later
#include "Vsop87.h"

#include "ApparentPlace.h"
#include "Bodies.h"
#include "ConstTables.h"

#include <cmath>
#include <cstddef>

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
// glibc's vector math library (libmvec, linked through libm) has SIMD variants
// of cos; declaring them lets GCC vectorise the series sum without -ffast-math.
// The sum is the engine's hot loop, so it is also built for AVX2 and picked at
// run time.
extern "C" double cos(double) noexcept __attribute__((simd("notinbranch")));
#define KALTO_SERIES_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define KALTO_SERIES_CLONES
#endif

namespace kalto {

// The first term of a series is its largest (the mean motion in the series of
// power 1 of a longitude). It is added last: added first, it would set the
// rounding of every later addition to its own magnitude, a noise of 1e-12 rad
// in the Earth's longitude instead of 1e-13.
KALTO_SERIES_CLONES
double SumSeries(const VsopSeries& series, double tau) noexcept {
    const double* a = series.A.data();
    const double* b = series.B.data();
    const double* c = series.C.data();
    const std::size_t n = series.A.size();
    if (n == 0) return 0;
    double sum = 0;
#pragma omp simd reduction(+ : sum)
    for (std::size_t i = 1; i < n; ++i) sum += a[i] * cos(b[i] + c[i] * tau);
    return sum + a[0] * cos(b[0] + c[0] * tau);
}

double EvaluateCoordinate(VsopCoordinate coordinate, double tau) noexcept {
    double value = 0;
    for (auto series = coordinate.rbegin(); series != coordinate.rend(); ++series)
        value = value * tau + SumSeries(*series, tau);
    return value;
}

HeliocentricPosition EvaluateTheory(const VsopTheory& theory, double tau) noexcept {
    return {
        Normalize360(EvaluateCoordinate(theory.L, tau) * RadToDeg),
        Normalize360(EvaluateCoordinate(theory.B, tau) * RadToDeg),
        EvaluateCoordinate(theory.R, tau),
    };
}

const VsopTheory& PlanetTheory(int body) noexcept {
    switch (body) {
        case Mer: return ConstMercury;
        case Ven: return ConstVenus;
        case Mar: return ConsMars;
        case Jup: return ConstJupiter;
        case Sat: return ConstSaturn;
        case Ura: return ConstUrano;
        default: return ConstNeptune;
    }
}

HeliocentricPosition PlanetHeliocentric(int body, double tau) noexcept {
    return EvaluateTheory(PlanetTheory(body), tau);
}

}  // namespace kalto
