// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The costly sums of the body theories replaced by piecewise Chebyshev
// approximations fitted to them on demand: a piece is fitted the first time an
// instant inside it is asked for, from the full series evaluated at its
// nodes, and kept for whoever asks again. The pieces lie on a fixed grid of
// days from J2000.0, so a value depends on its instant alone, never on which
// engine, thread or span needed the piece first.

#include "Chebyshev.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <unordered_map>
#include <vector>

namespace kalto {

// What each approximation reproduces, and the time argument it is a function
// of: the one that the direct evaluation computes from the Julian Ephemeris Day.
enum class FittedSeries : int {
    Earth,    // VSOP87D L, B as summed (radians) and R (AU); τ, Julian millennia
    Mercury,  // the planets: heliocentric x, y, z (AU), ecliptic and equinox of the
    Venus,    //   date after the FK5 correction, as the light-time passes use them; τ
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    MoonSums,    // Σl, Σb (1e-6 degree) and Σr (1e-3 km) of the lunar theory; T, Julian centuries
    Pluto,       // heliocentric X, Y, Z (AU), equatorial J2000.0; the Pluto time argument x
    EarthJ2000,  // the Earth's L and B on the ecliptic of J2000.0 (radians); τ
};
inline constexpr int FittedSeriesCount = 11;

// The approximation of a planet, body 3 (Mercury) to 9 (Neptune).
[[nodiscard]] FittedSeries PlanetSeries(int body) noexcept;

// How a series is cut: pieces of PieceDays days (a power of two), piece k
// starting at J2000.0 + k PieceDays, each a polynomial of degree Degree.
struct SeriesFitPlan {
    double PieceDays;
    int Degree;
    int Components;
};

[[nodiscard]] const SeriesFitPlan& FitPlan(FittedSeries series) noexcept;

// The index of the piece that holds jde.
[[nodiscard]] std::int64_t PieceIndex(FittedSeries series, double jde) noexcept;

// The time argument of the series at jde.
[[nodiscard]] double SeriesArgument(FittedSeries series, double jde) noexcept;

// The series evaluated in full at the time argument a: the reference that the
// pieces reproduce.
void EvaluateSeriesDirectly(FittedSeries series, double a, std::span<double> values) noexcept;

// Piece `index` of the series, fitted now.
[[nodiscard]] ChebyshevPiece FitPiece(FittedSeries series, std::int64_t index) noexcept;

// One piece of one series.
struct SeriesPiece {
    FittedSeries Series;
    std::int64_t Index;
};

// The pieces of every series that the instants from firstJde to lastJde use,
// with the light time of the farthest planet before the first.
[[nodiscard]] std::vector<SeriesPiece> PiecesCovering(double firstJde, double lastJde);

// The pieces fitted so far, shared by the engines that hold it: any number of
// threads may ask for pieces at once. The store holds at most MaxHeldPieces
// (some 6 MB; the largest ephemeris needs 640) and forgets them all when it
// would hold more, as a search over centuries may; a piece lives on while an
// engine uses it, and one asked for again is fitted again, to the same bits.
class SeriesFits {
public:
    static constexpr std::size_t MaxHeldPieces = 8192;

    // The piece, fitted first if the store does not hold it.
    [[nodiscard]] std::shared_ptr<const ChebyshevPiece> Piece(FittedSeries series, std::int64_t index);

    // Fits the piece unless it is held already, without blocking the threads
    // that ask for other pieces meanwhile.
    void Prepare(const SeriesPiece& piece);

    // The number of pieces held.
    [[nodiscard]] std::size_t Size();

private:
    // Makes room for one more piece; under the lock.
    void MakeRoom();

    using PieceMap = std::unordered_map<std::int64_t, std::shared_ptr<const ChebyshevPiece>>;
    std::mutex Mutex;
    std::array<PieceMap, FittedSeriesCount> Pieces;
    std::size_t Held = 0;
};

}  // namespace kalto
