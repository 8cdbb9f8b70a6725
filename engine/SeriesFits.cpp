// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeriesFits.h"

#include "ApparentPlace.h"
#include "Bodies.h"
#include "ConstTables.h"
#include "Engine.h"
#include "Moon.h"
#include "Pluto.h"
#include "Vsop87.h"

#include <cmath>
#include <cstddef>

namespace kalto {

namespace {

// Piece lengths and degrees from the errors measured over 1800-2100, each
// degree two above the least that brings the pieces down to the rounding
// noise of the series' own sums: about 5e-13 rad in the Earth's longitude,
// 1e-17 rad in its latitude and 1e-15 AU in its radius, 1e-13 of the radius
// vector for the planets, 2e-5 (1e-6 degree) in the Moon's sums. The fastest
// terms set the piece lengths: the Moon's of 5.6 days, Mercury's orbit of 88
// days and the Earth's 29.5-day wobble about the Earth-Moon barycentre.
constexpr std::array<SeriesFitPlan, FittedSeriesCount> Plans{{
    {8, 16, 3},    // Earth
    {8, 14, 3},    // Mercury
    {32, 14, 3},   // Venus
    {32, 12, 3},   // Mars
    {32, 12, 3},   // Jupiter
    {32, 14, 3},   // Saturn
    {32, 14, 3},   // Uranus
    {16, 14, 3},   // Neptune
    {4, 14, 3},    // Moon
    {128, 16, 3},  // Pluto
    {8, 16, 2},    // Earth, J2000.0
}};

// Days per unit of each series' time argument.
double DaysPerUnit(FittedSeries series) noexcept {
    switch (series) {
        case FittedSeries::MoonSums: return 36525;
        case FittedSeries::Pluto: return 73060;
        default: return 365250;
    }
}

constexpr std::size_t Slot(FittedSeries series) noexcept {
    return static_cast<std::size_t>(series);
}

}  // namespace

FittedSeries PlanetSeries(int body) noexcept {
    return static_cast<FittedSeries>(static_cast<int>(FittedSeries::Mercury) + (body - Mer));
}

const SeriesFitPlan& FitPlan(FittedSeries series) noexcept {
    return Plans[Slot(series)];
}

std::int64_t PieceIndex(FittedSeries series, double jde) noexcept {
    // Exact: the piece length is a power of two.
    const double pieces = (jde - J2000) * (1 / FitPlan(series).PieceDays);
    const auto index = static_cast<std::int64_t>(pieces);
    return static_cast<double>(index) > pieces ? index - 1 : index;
}

double SeriesArgument(FittedSeries series, double jde) noexcept {
    switch (series) {
        case FittedSeries::MoonSums: return JulianCenturies(jde);
        case FittedSeries::Pluto: return PlutoTime(jde);
        default: return JulianMillennia(jde);
    }
}

void EvaluateSeriesDirectly(FittedSeries series, double a, std::span<double> values) noexcept {
    switch (series) {
        case FittedSeries::Earth:
            values[0] = EvaluateCoordinate(ConstEarth.L, a);
            values[1] = EvaluateCoordinate(ConstEarth.B, a);
            values[2] = EvaluateCoordinate(ConstEarth.R, a);
            break;
        case FittedSeries::MoonSums: {
            const LunarSums sums = MoonSums(a);
            values[0] = sums.Longitude;
            values[1] = sums.Latitude;
            values[2] = sums.Distance;
            break;
        }
        case FittedSeries::Pluto: {
            const RectangularPosition p = PlutoHeliocentricAt(a);
            values[0] = p.X;
            values[1] = p.Y;
            values[2] = p.Z;
            break;
        }
        case FittedSeries::EarthJ2000:
            values[0] = EvaluateCoordinate(ConstPlutoII.EarthL, a);
            values[1] = EvaluateCoordinate(ConstPlutoII.EarthB, a);
            break;
        default: {
            const int body = Mer + (static_cast<int>(series) - static_cast<int>(FittedSeries::Mercury));
            const EclipticVector v = PlanetHeliocentricVector(body, a);
            values[0] = v.x;
            values[1] = v.y;
            values[2] = v.z;
            break;
        }
    }
}

ChebyshevPiece FitPiece(FittedSeries series, std::int64_t index) noexcept {
    const SeriesFitPlan& plan = FitPlan(series);
    ChebyshevPiece piece;
    const double start = J2000 + static_cast<double>(index) * plan.PieceDays;
    piece.Middle = SeriesArgument(series, start + plan.PieceDays / 2);
    piece.HalfWidth = plan.PieceDays / 2 / DaysPerUnit(series);
    piece.InverseHalfWidth = 1 / piece.HalfWidth;
    piece.Degree = plan.Degree;
    piece.Components = plan.Components;

    const auto samples = static_cast<std::size_t>(plan.Degree + 1);
    std::array<std::array<double, MaxChebyshevDegree + 1>, MaxChebyshevComponents> values{};
    for (std::size_t j = 0; j < samples; ++j) {
        std::array<double, MaxChebyshevComponents> sample{};
        EvaluateSeriesDirectly(series, ChebyshevSampleArgument(piece, static_cast<int>(j)), sample);
        for (std::size_t k = 0; k < static_cast<std::size_t>(plan.Components); ++k) values[k][j] = sample[k];
    }
    for (int k = 0; k < plan.Components; ++k) {
        FitChebyshevComponent(piece, k, std::span<const double>(values[static_cast<std::size_t>(k)].data(), samples));
    }
    return piece;
}

std::vector<SeriesPiece> PiecesCovering(double firstJde, double lastJde) {
    // More than the light time of Neptune (0.17 days).
    constexpr double LightTimeMargin = 0.5;
    std::vector<SeriesPiece> pieces;
    for (int s = 0; s < FittedSeriesCount; ++s) {
        const auto series = static_cast<FittedSeries>(s);
        const std::int64_t last = PieceIndex(series, lastJde);
        for (std::int64_t k = PieceIndex(series, firstJde - LightTimeMargin); k <= last; ++k) {
            pieces.push_back({series, k});
        }
    }
    return pieces;
}

std::shared_ptr<const ChebyshevPiece> SeriesFits::Piece(FittedSeries series, std::int64_t index) {
    const std::scoped_lock lock(Mutex);
    PieceMap& pieces = Pieces[Slot(series)];
    if (const auto held = pieces.find(index); held != pieces.end()) return held->second;
    MakeRoom();
    auto piece = std::make_shared<const ChebyshevPiece>(FitPiece(series, index));
    Pieces[Slot(series)].emplace(index, piece);
    ++Held;
    return piece;
}

void SeriesFits::Prepare(const SeriesPiece& wanted) {
    {
        const std::scoped_lock lock(Mutex);
        if (Pieces[Slot(wanted.Series)].contains(wanted.Index)) return;
    }
    auto piece = std::make_shared<const ChebyshevPiece>(FitPiece(wanted.Series, wanted.Index));
    const std::scoped_lock lock(Mutex);
    if (Pieces[Slot(wanted.Series)].contains(wanted.Index)) return;
    MakeRoom();
    Pieces[Slot(wanted.Series)].emplace(wanted.Index, std::move(piece));
    ++Held;
}

std::size_t SeriesFits::Size() {
    const std::scoped_lock lock(Mutex);
    return Held;
}

void SeriesFits::MakeRoom() {
    if (Held < MaxHeldPieces) return;
    for (PieceMap& pieces : Pieces) pieces.clear();
    Held = 0;
}

}  // namespace kalto
