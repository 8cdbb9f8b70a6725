// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeriesFits.h"

#include "ApparentPlace.h"
#include "Engine.h"
#include "EphemerisStep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iomanip>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace kalto {
namespace {

constexpr double From1800 = 2378496.5;  // 1800 January 1, 0h
constexpr double To2100 = 2488069.5;    // 2100 January 1, 0h

constexpr double AngleTolerance = 1e-9;      // degrees
constexpr double DistanceTolerance = 1e-12;  // AU
constexpr double KilometresPerAU = 149597870.7;

// How closely each series is reproduced: 1e-9 degree in an angle and 1e-12 AU
// in a length. Three tolerances in the series' own units, or, for the
// rectangular coordinates of a planet or Pluto, Spherical: the longitude and
// latitude (or right ascension and declination) they make within 1e-9 degree
// and the radius within 1e-12 AU.
struct SeriesCase {
    FittedSeries Series;
    const char* Name;
    std::array<double, 3> Tolerance;
    bool Spherical = false;
};

constexpr double InRadians = AngleTolerance * DegToRad;
constexpr double InMicrodegrees = AngleTolerance * 1e6;                 // Σl, Σb
constexpr double InMetres = DistanceTolerance * KilometresPerAU * 1e3;  // Σr, 1e-3 km
constexpr std::array<double, 3> Spherical = {AngleTolerance, AngleTolerance, DistanceTolerance};

const SeriesCase Cases[] = {
    {FittedSeries::Earth, "Earth", {InRadians, InRadians, DistanceTolerance}},
    {FittedSeries::Mercury, "Mercury", Spherical, true},
    {FittedSeries::Venus, "Venus", Spherical, true},
    {FittedSeries::Mars, "Mars", Spherical, true},
    {FittedSeries::Jupiter, "Jupiter", Spherical, true},
    {FittedSeries::Saturn, "Saturn", Spherical, true},
    {FittedSeries::Uranus, "Uranus", Spherical, true},
    {FittedSeries::Neptune, "Neptune", Spherical, true},
    {FittedSeries::MoonSums, "Moon", {InMicrodegrees, InMicrodegrees, InMetres}},
    {FittedSeries::Pluto, "Pluto", Spherical, true},
    {FittedSeries::EarthJ2000, "Earth J2000.0", {InRadians, InRadians, 0}},
};

// Longitude and latitude (degrees) and radius of rectangular coordinates.
std::array<double, 3> ToSpherical(const std::array<double, 3>& v) {
    const double rho = std::hypot(v[0], v[1]);
    return {std::atan2(v[1], v[0]) * RadToDeg, std::atan2(v[2], rho) * RadToDeg, std::hypot(rho, v[2])};
}

std::array<double, 3> Direct(FittedSeries series, double jde) {
    std::array<double, 3> values{};
    EvaluateSeriesDirectly(series, SeriesArgument(series, jde), values);
    return values;
}

std::array<double, 3> Fitted(const ChebyshevPiece& piece, FittedSeries series, double jde) {
    std::array<double, 3> values{};
    EvaluateChebyshev(piece, SeriesArgument(series, jde), values);
    return values;
}

// The largest error of a piece's values, as a multiple of its tolerance.
double ErrorRatio(const SeriesCase& c, std::array<double, 3> fitted, std::array<double, 3> direct) {
    if (c.Spherical) {
        fitted = ToSpherical(fitted);
        direct = ToSpherical(direct);
        fitted[0] = direct[0] + std::remainder(fitted[0] - direct[0], 360.0);
    }
    double ratio = 0;
    for (int k = 0; k < FitPlan(c.Series).Components; ++k) {
        const auto i = static_cast<std::size_t>(k);
        ratio = std::max(ratio, std::fabs(fitted[i] - direct[i]) / c.Tolerance[i]);
    }
    return ratio;
}

TEST(SeriesFits, PiecesReproduceTheSeriesAtRandomInstantsFrom1800To2100) {
    std::mt19937_64 random(1800);
    std::uniform_real_distribution<double> instant(From1800, To2100);
    std::vector<double> instants(300);
    for (double& jde : instants) jde = instant(random);
    for (const SeriesCase& c : Cases) {
        for (const double jde : instants) {
            SCOPED_TRACE(testing::Message() << c.Name << " at JDE " << std::setprecision(15) << jde);
            const ChebyshevPiece piece = FitPiece(c.Series, PieceIndex(c.Series, jde));
            EXPECT_LE(ErrorRatio(c, Fitted(piece, c.Series, jde), Direct(c.Series, jde)), 1);
        }
    }
}

// Every boundary between two pieces from 1800 to 2100: the instant belongs to
// the later piece, and both pieces reproduce the series there, the earlier at
// the end of its span and the later at the start.
TEST(SeriesFits, BothPiecesReproduceTheSeriesAtEveryBoundaryFrom1800To2100) {
    struct Worst {
        double Ratio = 0;
        double Jde = 0;
        bool Indexed = true;
    };
    std::array<Worst, std::size(Cases)> worst{};
    {
        std::vector<std::jthread> threads;
        for (std::size_t i = 0; i < std::size(Cases); ++i) {
            threads.emplace_back([&c = Cases[i], &w = worst[i]] {
                const double days = FitPlan(c.Series).PieceDays;
                const std::int64_t last = PieceIndex(c.Series, To2100);
                std::int64_t k = PieceIndex(c.Series, From1800);
                ChebyshevPiece before = FitPiece(c.Series, k);
                for (; k < last; ++k) {
                    const ChebyshevPiece after = FitPiece(c.Series, k + 1);
                    const double boundary = J2000 + static_cast<double>(k + 1) * days;
                    if (PieceIndex(c.Series, boundary) != k + 1 ||
                        PieceIndex(c.Series, std::nextafter(boundary, 0.0)) != k) {
                        w.Indexed = false;
                    }
                    const std::array<double, 3> direct = Direct(c.Series, boundary);
                    const double ratio = std::max(ErrorRatio(c, Fitted(before, c.Series, boundary), direct),
                                                  ErrorRatio(c, Fitted(after, c.Series, boundary), direct));
                    if (ratio > w.Ratio) w = {ratio, boundary, w.Indexed};
                    before = after;
                }
            });
        }
    }
    for (std::size_t i = 0; i < std::size(Cases); ++i) {
        SCOPED_TRACE(testing::Message() << Cases[i].Name << ", worst at JDE " << std::setprecision(15) << worst[i].Jde);
        EXPECT_TRUE(worst[i].Indexed);
        EXPECT_LE(worst[i].Ratio, 1);
    }
}

// Differences of angles across 0/360.
double AngleApart(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

void ExpectSamePositions(const StepPositions& fitted, const StepPositions& direct) {
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        SCOPED_TRACE(BodyLabels[body]);
        const BodyPosition& f = fitted[body];
        const BodyPosition& d = direct[body];
        EXPECT_LE(AngleApart(f.Longitude, d.Longitude), AngleTolerance);
        EXPECT_LE(std::fabs(f.Latitude - d.Latitude), AngleTolerance);
        EXPECT_LE(AngleApart(f.RightAscension, d.RightAscension), AngleTolerance);
        EXPECT_LE(std::fabs(f.Declination - d.Declination), AngleTolerance);
        const double distanceTolerance = body == Lun ? DistanceTolerance * KilometresPerAU : DistanceTolerance;
        EXPECT_LE(std::fabs(f.Distance - d.Distance), distanceTolerance);
    }
}

// Whole steps: every body's apparent place, the light-time passes of the
// planets (slightly before the instant) included.
TEST(SeriesFits, FittedEngineGivesTheDirectPositionsAtRandomInstantsFrom1800To2100) {
    std::mt19937_64 random(2100);
    std::uniform_real_distribution<double> instant(From1800, To2100);
    Engine fitted;
    Engine direct(SeriesEvaluation::Direct);
    for (int i = 0; i < 200; ++i) {
        const double jde = instant(random);
        SCOPED_TRACE(testing::Message() << "JDE " << std::setprecision(15) << jde);
        ExpectSamePositions(ComputeAllBodies(fitted, jde), ComputeAllBodies(direct, jde));
    }
}

TEST(SeriesFits, EnginesSayHowTheyEvaluate) {
    EXPECT_EQ(Engine().Evaluation(), SeriesEvaluation::Fitted);
    EXPECT_EQ(Engine(SeriesEvaluation::Fitted).Evaluation(), SeriesEvaluation::Fitted);
    EXPECT_EQ(Engine(SeriesEvaluation::Direct).Evaluation(), SeriesEvaluation::Direct);
    EXPECT_EQ(Engine(std::make_shared<SeriesFits>()).Evaluation(), SeriesEvaluation::Fitted);
    EXPECT_EQ(Engine(std::shared_ptr<SeriesFits>()).Evaluation(), SeriesEvaluation::Direct);
}

// A value depends on its instant alone: engines that share a store, on
// several threads and in any order, give the bits of an engine of its own.
TEST(SeriesFits, SharedPiecesGiveTheSameBitsInAnyOrderOnAnyThread) {
    std::vector<double> instants;
    for (int i = 0; i < 60; ++i) instants.push_back(2461406.5 + i * 3.7 + i % 7 * 0.013);
    std::vector<StepPositions> expected;
    for (const double jde : instants) {
        Engine own;
        expected.push_back(ComputeAllBodies(own, jde));
    }
    auto fits = std::make_shared<SeriesFits>();
    std::array<std::vector<StepPositions>, 4> results;
    {
        std::vector<std::jthread> threads;
        for (std::size_t t = 0; t < results.size(); ++t) {
            threads.emplace_back([&, t] {
                Engine engine(fits);
                std::vector<StepPositions>& out = results[t];
                out.resize(instants.size());
                // Forwards on even threads, backwards on odd ones.
                for (std::size_t n = 0; n < instants.size(); ++n) {
                    const std::size_t i = t % 2 == 0 ? n : instants.size() - 1 - n;
                    out[i] = ComputeAllBodies(engine, instants[i]);
                }
            });
        }
    }
    for (std::size_t t = 0; t < results.size(); ++t) {
        for (std::size_t i = 0; i < instants.size(); ++i) {
            for (int body = FirstBody; body <= LastComputedBody; ++body) {
                SCOPED_TRACE(testing::Message() << "thread " << t << ", instant " << i << ", " << BodyLabels[body]);
                const BodyPosition& a = results[t][i][body];
                const BodyPosition& b = expected[i][body];
                EXPECT_EQ(a.Longitude, b.Longitude);
                EXPECT_EQ(a.Latitude, b.Latitude);
                EXPECT_EQ(a.Distance, b.Distance);
                EXPECT_EQ(a.RightAscension, b.RightAscension);
                EXPECT_EQ(a.Declination, b.Declination);
            }
        }
    }
}

// Pieces prepared ahead are the pieces fitted on demand.
TEST(SeriesFits, PreparedPiecesAreThoseFittedOnDemand) {
    const double first = 2461406.5;
    const double last = first + 40;
    const std::vector<SeriesPiece> pieces = PiecesCovering(first, last);
    for (int s = 0; s < FittedSeriesCount; ++s) {
        const auto series = static_cast<FittedSeries>(s);
        SCOPED_TRACE(s);
        EXPECT_TRUE(std::ranges::any_of(pieces, [&](const SeriesPiece& p) {
            return p.Series == series && p.Index == PieceIndex(series, first - 0.2);
        })) << "the light time of the first instant";
        EXPECT_TRUE(std::ranges::any_of(
            pieces, [&](const SeriesPiece& p) { return p.Series == series && p.Index == PieceIndex(series, last); }));
    }
    SeriesFits prepared;
    SeriesFits onDemand;
    for (const SeriesPiece& p : pieces) prepared.Prepare(p);
    EXPECT_EQ(prepared.Size(), pieces.size());
    for (const SeriesPiece& p : pieces) {
        const auto a = prepared.Piece(p.Series, p.Index);
        const auto b = onDemand.Piece(p.Series, p.Index);
        EXPECT_EQ(a->Middle, b->Middle);
        EXPECT_EQ(a->Coefficients, b->Coefficients);
    }
    EXPECT_EQ(prepared.Size(), pieces.size()) << "asking again fits nothing new";
}

// A search over centuries does not keep every piece: the store forgets them
// all once it holds its maximum, the pieces in use live on, and a piece
// fitted again has the same bits.
TEST(SeriesFits, TheStoreForgetsItsPiecesBeyondItsMaximum) {
    SeriesFits fits;
    const auto first = fits.Piece(FittedSeries::MoonSums, 0);
    const ChebyshevPiece kept = *first;
    for (std::int64_t k = 1; k < static_cast<std::int64_t>(SeriesFits::MaxHeldPieces); ++k) {
        static_cast<void>(fits.Piece(FittedSeries::Pluto, k));
    }
    EXPECT_EQ(fits.Size(), SeriesFits::MaxHeldPieces);
    static_cast<void>(fits.Piece(FittedSeries::Pluto, -1));
    EXPECT_EQ(fits.Size(), 1u);
    EXPECT_EQ(first->Coefficients, kept.Coefficients) << "a piece in use lives on";
    const auto again = fits.Piece(FittedSeries::MoonSums, 0);
    EXPECT_NE(again, first);
    EXPECT_EQ(again->Coefficients, kept.Coefficients);
}

TEST(SeriesFits, EarthRadiusVectorIsTheEarthSunDistanceOfComputePlanet) {
    for (const SeriesEvaluation evaluation : {SeriesEvaluation::Fitted, SeriesEvaluation::Direct}) {
        for (const double jde : {2378497.3, 2451545.0, 2461406.5, 2488069.0}) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(evaluation) << " at " << jde);
            Engine planets(evaluation);
            Engine radius(evaluation);
            planets.ComputePlanet(Mar, Obliquity(true, jde), jde);
            EXPECT_EQ(radius.EarthRadiusVector(jde), planets.EarthSunDistance);
        }
    }
}

}  // namespace
}  // namespace kalto
