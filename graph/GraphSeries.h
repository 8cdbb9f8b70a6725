// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where one body's series lies on the graph: a point for each day column and
// the lines that join consecutive points.

#include "EphemerisRows.h"
#include "GraphGeometry.h"

#include <span>
#include <vector>

namespace kalto {

struct GraphPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const GraphPoint&) const = default;
};

struct GraphSegment {
    GraphPoint From;
    GraphPoint To;
    bool operator==(const GraphSegment&) const = default;
};

struct GraphSeriesShape {
    std::vector<GraphPoint> Points;
    std::vector<GraphSegment> Segments;
};

// The rows a day holds: a run stores every step of every day of its span, so
// the row count divided by the span's days (at least 1).
[[nodiscard]] int RowsPerDay(const EphemerisRowSet& rows) noexcept;

// Day k is the row of the first step of that day, row k * rowsPerDay: with any
// step the points stand at the positions of 00:00 of their days, as their
// columns say. Points 0 .. GraphPoints - 1 are placed; point k is joined to the
// position of day k + 1 (when `lines` is set, the day has a column in the plot
// and the jump is not a wrap round the circle). Nothing is placed without a
// day axis or bands, and rows missing at the end are left out.
[[nodiscard]] GraphSeriesShape SeriesShape(const GraphGeometry& geometry, std::span<const EphemerisRow> rows,
                                           int rowsPerDay, bool lines);

}  // namespace kalto
