// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Piecewise Chebyshev approximation of smooth functions of time, as the
// numerically integrated ephemerides store theirs: on each piece of its domain
// a function is replaced by the polynomial that interpolates it at the
// Chebyshev nodes of the first kind (Press et al., Numerical Recipes, 3rd ed.,
// ch. 5.8).

#include <array>
#include <span>

namespace kalto {

inline constexpr int MaxChebyshevDegree = 24;
inline constexpr int MaxChebyshevComponents = 3;

// Up to three components of a function of a time argument a over one piece,
// Middle - HalfWidth <= a <= Middle + HalfWidth, as sums of c_m T_m(u) with
// u = (a - Middle) / HalfWidth.
struct ChebyshevPiece {
    double Middle = 0;
    double HalfWidth = 1;
    double InverseHalfWidth = 1;
    int Degree = 0;
    int Components = 0;
    std::array<std::array<double, MaxChebyshevDegree + 1>, MaxChebyshevComponents> Coefficients{};
};

// The time arguments at which a piece of the given degree samples its
// function: node j of degree + 1, cos(π (j + ½) / (degree + 1)), mapped onto
// the piece.
[[nodiscard]] double ChebyshevSampleArgument(const ChebyshevPiece& piece, int j) noexcept;

// Sets the coefficients of one component from its values at the sample
// arguments, j = 0..Degree.
void FitChebyshevComponent(ChebyshevPiece& piece, int component, std::span<const double> values) noexcept;

// Every component at the time argument a (outside the piece, the polynomial
// extrapolated).
void EvaluateChebyshev(const ChebyshevPiece& piece, double a, std::span<double> values) noexcept;

}  // namespace kalto
