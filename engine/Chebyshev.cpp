// SPDX-License-Identifier: GPL-3.0-or-later
#include "Chebyshev.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace kalto {

namespace {

using Coefficients = std::array<double, MaxChebyshevDegree + 1>;

double Node(int j, int n) noexcept {
    return std::cos(std::numbers::pi * (j + 0.5) / n);
}

double PieceCoordinate(const ChebyshevPiece& piece, double a) noexcept {
    return (a - piece.Middle) * piece.InverseHalfWidth;
}

// The coefficients of the polynomial through values[j] at the nodes: a
// discrete cosine transform. The values are taken from one of them first, so
// that a large constant part (a longitude of hundreds of radians) does not
// leave its rounding in every coefficient.
Coefficients Transform(std::span<const double> values, int degree) noexcept {
    const int n = degree + 1;
    // cos(π m (j + ½) / n) is cos(π k / 2n) for k = m (2j + 1) modulo 4n.
    std::array<double, 4 * (MaxChebyshevDegree + 1)> cosines{};
    for (int k = 0; k < 4 * n; ++k) cosines[static_cast<std::size_t>(k)] = std::cos(std::numbers::pi * k / (2 * n));
    const double reference = values[static_cast<std::size_t>(n / 2)];
    Coefficients c{};
    for (int m = 0; m < n; ++m) {
        double sum = 0;
        for (int j = 0; j < n; ++j) {
            const auto k = static_cast<std::size_t>(m * (2 * j + 1) % (4 * n));
            sum += (values[static_cast<std::size_t>(j)] - reference) * cosines[k];
        }
        c[static_cast<std::size_t>(m)] = 2 * sum / n;
    }
    c[0] = c[0] / 2 + reference;
    return c;
}

// d/du of Σ c_m T_m(u) = Σ m c_m U_{m-1}(u), U the Chebyshev polynomials of
// the second kind.
double Derivative(const Coefficients& c, int degree, double u) noexcept {
    double previous = 0;  // U_{m-2}
    double current = 1;   // U_{m-1}
    double sum = 0;
    for (int m = 1; m <= degree; ++m) {
        sum += m * c[static_cast<std::size_t>(m)] * current;
        const double next = 2 * u * current - previous;
        previous = current;
        current = next;
    }
    return sum;
}

// T_0(u) .. T_Degree(u). Four interleaved recurrences, T_{m+4} = 2 T_4 T_m -
// T_{m-4}, make a chain of dependent operations a quarter as long as the
// usual T_{m+1} = 2 u T_m - T_{m-1}; the light-time passes wait on it.
template <int Degree>
std::array<double, Degree + 1> ChebyshevValues(double u) noexcept {
    static_assert(Degree >= 8);
    std::array<double, Degree + 1> t;
    t[0] = 1;
    t[1] = u;
    t[2] = 2 * u * u - 1;
    t[3] = 2 * u * t[2] - u;
    t[4] = 2 * t[2] * t[2] - 1;
    const double twoT4 = 2 * t[4];
    t[5] = twoT4 * t[1] - t[3];
    t[6] = twoT4 * t[2] - t[2];
    t[7] = twoT4 * t[3] - t[1];
    t[8] = twoT4 * t[4] - 1;
    for (int m = 9; m <= Degree; ++m) t[m] = twoT4 * t[m - 4] - t[m - 8];
    return t;
}

// The sums of every component for one degree known at compile time, so that
// T_m(u) and the partial sums stay in registers. Two partial sums per
// component halve the chain of additions.
template <int Degree>
void EvaluateDegree(const ChebyshevPiece& piece, double u, std::span<double> values) noexcept {
    const std::array<double, Degree + 1> t = ChebyshevValues<Degree>(u);
    for (std::size_t k = 0; k < static_cast<std::size_t>(piece.Components); ++k) {
        const Coefficients& c = piece.Coefficients[k];
        // The small high-order terms first, the constant last.
        double odd = 0;
        double even = 0;
        int m = Degree;
        for (; m >= 2; m -= 2) {
            even += c[m] * t[m];
            odd += c[m - 1] * t[m - 1];
        }
        if (m == 1) odd += c[1] * t[1];
        values[k] = (even + odd) + c[0];
    }
}

}  // namespace

double ChebyshevSampleArgument(const ChebyshevPiece& piece, int j) noexcept {
    return piece.Middle + piece.HalfWidth * Node(j, piece.Degree + 1);
}

void FitChebyshevComponent(ChebyshevPiece& piece, int component, std::span<const double> values) noexcept {
    const int n = piece.Degree + 1;
    Coefficients c = Transform(values, piece.Degree);
    // The sample arguments are the nodes rounded to the time argument's
    // resolution: a sample of τ near 0.1 misses its node by up to 1e-12 of a
    // piece's half-width. Each value is moved to its node along the first fit
    // before the final one.
    std::array<double, MaxChebyshevDegree + 1> atNodes{};
    for (int j = 0; j < n; ++j) {
        const double u = PieceCoordinate(piece, ChebyshevSampleArgument(piece, j));
        const auto i = static_cast<std::size_t>(j);
        atNodes[i] = values[i] + Derivative(c, piece.Degree, u) * (Node(j, n) - u);
    }
    c = Transform(std::span<const double>(atNodes.data(), static_cast<std::size_t>(n)), piece.Degree);
    piece.Coefficients[static_cast<std::size_t>(component)] = c;
}

void EvaluateChebyshev(const ChebyshevPiece& piece, double a, std::span<double> values) noexcept {
    const double u = PieceCoordinate(piece, a);
    switch (piece.Degree) {
        case 12: EvaluateDegree<12>(piece, u, values); return;
        case 14: EvaluateDegree<14>(piece, u, values); return;
        case 16: EvaluateDegree<16>(piece, u, values); return;
        default: break;
    }
    // Other degrees: the usual recurrence and one sum a component.
    const int degree = piece.Degree;
    std::array<double, MaxChebyshevDegree + 1> t;  // T_m(u)
    t[0] = 1;
    t[1] = u;
    for (std::size_t m = 2; m <= static_cast<std::size_t>(degree); ++m) t[m] = 2 * u * t[m - 1] - t[m - 2];
    for (std::size_t k = 0; k < static_cast<std::size_t>(piece.Components); ++k) {
        const Coefficients& c = piece.Coefficients[k];
        double sum = 0;
        for (std::size_t m = static_cast<std::size_t>(degree); m >= 1; --m) sum += c[m] * t[m];
        values[k] = sum + c[0];
    }
}

}  // namespace kalto
