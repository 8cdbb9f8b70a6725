// SPDX-License-Identifier: GPL-3.0-or-later
#include "Chebyshev.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace kalto {
namespace {

constexpr double pi = std::numbers::pi;

// A piece around the time argument `middle`, half-width `halfWidth`, fitted
// to f at its sample arguments, component 0 only.
template <typename Function>
ChebyshevPiece FitOne(double middle, double halfWidth, int degree, Function f) {
    ChebyshevPiece piece;
    piece.Middle = middle;
    piece.HalfWidth = halfWidth;
    piece.InverseHalfWidth = 1 / halfWidth;
    piece.Degree = degree;
    piece.Components = 1;
    std::vector<double> values;
    for (int j = 0; j <= degree; ++j) values.push_back(f(ChebyshevSampleArgument(piece, j)));
    FitChebyshevComponent(piece, 0, values);
    return piece;
}

double At(const ChebyshevPiece& piece, double a) {
    double value = 0;
    EvaluateChebyshev(piece, a, std::span<double>(&value, 1));
    return value;
}

// The piece's arguments for u = -1, -0.999, ..., 1.
std::vector<double> Arguments(const ChebyshevPiece& piece) {
    std::vector<double> arguments;
    for (int i = -1000; i <= 1000; i += 37) arguments.push_back(piece.Middle + piece.HalfWidth * i / 1000.0);
    arguments.push_back(piece.Middle + piece.HalfWidth);
    return arguments;
}

TEST(Chebyshev, SamplesAreTheNodesMappedOntoThePiece) {
    ChebyshevPiece piece;
    piece.Middle = 0.03;
    piece.HalfWidth = 4.0 / 365250;
    piece.Degree = 14;
    for (int j = 0; j <= piece.Degree; ++j) {
        SCOPED_TRACE(j);
        const double u = (ChebyshevSampleArgument(piece, j) - piece.Middle) / piece.HalfWidth;
        EXPECT_NEAR(u, std::cos(pi * (j + 0.5) / 15), 1e-11);
        EXPECT_LT(std::fabs(u), 1);
    }
}

// The interpolating polynomial of degree n is every polynomial of degree n.
TEST(Chebyshev, ReproducesEveryPolynomialOfItsDegree) {
    struct Case {
        int degree;
        double middle, halfWidth;
    };
    const Case cases[] = {
        {1, 0, 1}, {4, -0.2, 8.0 / 365250}, {12, 0.1, 64.0 / 365250}, {16, 0.03, 4.0 / 36525}, {24, 1.5, 0.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "degree " << c.degree << " around " << c.middle);
        // Coefficients 1, 1/2, 1/3, ... in the piece's own coordinate.
        const auto polynomial = [&](double a) {
            const double u = (a - c.middle) / c.halfWidth;
            double sum = 0;
            for (int k = c.degree; k >= 0; --k) sum = sum * u + 1.0 / (k + 1);
            return sum;
        };
        const ChebyshevPiece piece = FitOne(c.middle, c.halfWidth, c.degree, polynomial);
        for (const double a : Arguments(piece)) EXPECT_NEAR(At(piece, a), polynomial(a), 1e-14) << a;
    }
}

// The coefficients of cos(x u) are the Bessel values 2 (-1)^(m/2) J_m(x) of
// even m: the error of a fit is bounded by the terms it leaves out.
TEST(Chebyshev, ACosineIsReproducedToTheTermsLeftOut) {
    struct Case {
        double x;
        int degree;
    };
    const Case cases[] = {{0.5, 6}, {2, 8}, {2, 12}, {6, 16}, {6, 24}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << ", degree " << c.degree);
        double leftOut = 1e-15;
        for (int m = c.degree + 1; m <= 60; ++m) {
            if (m % 2 == 0) leftOut += 2 * std::fabs(std::cyl_bessel_j(m, c.x));
        }
        // Interpolation aliases each left-out term once more onto the kept ones.
        const double bound = 2 * leftOut;
        const auto f = [&](double a) { return std::cos(c.x * a); };
        const ChebyshevPiece piece = FitOne(0, 1, c.degree, f);
        double worst = 0;
        for (const double a : Arguments(piece)) worst = std::max(worst, std::fabs(At(piece, a) - f(a)));
        EXPECT_LE(worst, bound);
    }
}

// A piece of a few days at τ = 0.1 millennia: the sample arguments miss their
// nodes by the rounding of τ, and a fast oscillation (Mercury's orbit) turns
// that into errors of 1e-13 unless the fit moves each value onto its node.
TEST(Chebyshev, SamplesRoundedToTheTimeArgumentAreMovedOntoTheirNodes) {
    const double middle = 0.1 + 1.0 / 365250 / 3;
    const double halfWidth = 4.0 / 365250;
    const double omega = 26087.9031;  // radians per millennium
    const auto f = [&](double a) { return 0.4 * std::sin(omega * (a - middle) + 1); };
    const ChebyshevPiece piece = FitOne(middle, halfWidth, 16, f);
    for (const double a : Arguments(piece)) EXPECT_NEAR(At(piece, a), f(a), 5e-16) << a;
}

TEST(Chebyshev, ComponentsAreFittedAndEvaluatedApart) {
    ChebyshevPiece piece;
    piece.Middle = 10;
    piece.HalfWidth = 2;
    piece.InverseHalfWidth = 0.5;
    piece.Degree = 12;
    piece.Components = 3;
    const auto f = [](int k, double a) { return std::exp(0.1 * (k + 1) * a) + k; };
    for (int k = 0; k < 3; ++k) {
        std::vector<double> values;
        for (int j = 0; j <= piece.Degree; ++j) values.push_back(f(k, ChebyshevSampleArgument(piece, j)));
        FitChebyshevComponent(piece, k, values);
    }
    for (const double a : {8.0, 9.3, 10.0, 11.7, 12.0}) {
        std::array<double, 3> values{};
        EvaluateChebyshev(piece, a, values);
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_NEAR(values[k], f(static_cast<int>(k), a), 1e-13) << k << " at " << a;
        }
    }
}

}  // namespace
}  // namespace kalto
