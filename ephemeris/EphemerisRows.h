// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stored rows of an ephemeris run: one sequence per body, in time order.

#include "Bodies.h"
#include "DateTime.h"
#include "WallClock.h"

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace kalto {

// One body at one step. The engine's values narrowed to 32 bits; the instant in
// universal time, which the tables turn into the run's wall-clock time.
struct EphemerisRow {
    float Longitude = 0;       // degrees, 0..360
    float Latitude = 0;        // degrees
    float RightAscension = 0;  // degrees, 0..360 (not hours)
    float Declination = 0;     // degrees
    float Distance = 0;        // AU; km for the Moon; 0 for Pluto and the node
    TDateTime UniversalTime = 0;
};

// The rows of one run, indexed by body number 1..11 (entry 0 unused). Every
// sequence has the same length and row i of each belongs to the same instant.
struct EphemerisRowSet {
    std::array<std::vector<EphemerisRow>, LastComputedBody + 1> Bodies;
    TDateTime StartDate = 0;  // the dates of the span the run was asked for
    TDateTime EndDate = 0;
    WallClock Clock;  // the wall clock the run was asked in

    [[nodiscard]] std::size_t RowCount() const noexcept { return Bodies[Sol].size(); }
};

// Completed runs are shared read-only between the table, the graph and the
// export; a commit hands a run's rows over without copying them.
using EphemerisRows = std::shared_ptr<const EphemerisRowSet>;

}  // namespace kalto
