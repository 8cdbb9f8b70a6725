#include "Vsop87.h"

#include "ApparentPlace.h"
#include "Bodies.h"
#include "ConstTables.h"

#include <cmath>
#include <cstddef>

namespace kalto {

double SumSeries(const VsopSeries& series, double tau) noexcept {
    const double* a = series.A.data();
    const double* b = series.B.data();
    const double* c = series.C.data();
    const std::size_t n = series.A.size();
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += a[i] * std::cos(b[i] + c[i] * tau);
    return sum;
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
