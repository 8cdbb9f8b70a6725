// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout of one drawing of the ephemeris graph: days run left to right in
// columns DayWidth pixels wide, the signs top to bottom in bands BandHeight
// pixels high. Computed afresh for every drawing and kept for the pointer.

#include "DateTime.h"
#include "EphemerisRows.h"

#include <vector>

namespace kalto {

struct GraphGeometry {
    int LeftMargin = 13;  // the sign glyphs' column
    int TopMargin = 20;   // the month labels' row
    int Width = 0;        // of the target rectangle
    int Height = 0;
    int GraphSigns = 12;      // bands shown
    int GraphFirstSign = 0;   // sign of the top band, 0 = Ari
    TDateTime AxisStart = 0;  // the date of day column 0
    int GraphDays = 1;        // day columns: (end - start + 1) truncated
    int GraphPoints = 0;      // points a series: (end - start) truncated
    int PlotWidth = 0;        // Width - LeftMargin
    int DayWidth = 0;         // pixels a day: PlotWidth / GraphDays, rounded
    int BandHeight = 0;       // pixels a sign: (Height - TopMargin - 1) div GraphSigns
    int DecanStep = 0;        // BandHeight div 3
    int Bottom = 0;           // TopMargin + GraphSigns * BandHeight
    int Right = 0;            // LeftMargin + GraphDays * DayWidth, or the plot's edge
    EphemerisRows Rows;       // the rows drawn, whose instants a named zone's axis follows

    // Days have columns at least one pixel wide. Not so when the start lies
    // after the end (no day columns) or when there are more than about twice
    // as many days as plot pixels (the width rounds to 0): then the chart has
    // no time axis, only its sign bands are drawn, and the pointer reads
    // nothing.
    [[nodiscard]] bool HasDayAxis() const noexcept { return GraphDays >= 1 && DayWidth >= 1; }
    // Signs have bands at least one pixel high (not so on a target shorter
    // than the top margin plus one pixel a band).
    [[nodiscard]] bool HasBands() const noexcept { return BandHeight >= 1; }
};

// The layout of a width x height target for a run from `start` to `end`.
// graphSigns is held to 1..12 and graphFirstSign taken modulo 12. Without a
// day axis, DayWidth is 0 and Right is the right edge of the plot, so that the
// frame and the sign lines still span it.
[[nodiscard]] GraphGeometry ComputeGraphGeometry(int width, int height, TDateTime start, TDateTime end, int graphSigns,
                                                 int graphFirstSign) noexcept;

// The row of a longitude (degrees, 0..360): its place in the circle of twelve
// bands that starts with the first sign's band; signs after the shown ones
// fall below Bottom.
[[nodiscard]] int LongitudeY(const GraphGeometry& geometry, double longitude) noexcept;

// Whether two consecutive points of a series are joined: a jump of
// GraphSigns - 1 bands or more (one band when one sign is shown) means the
// series went round the circle.
[[nodiscard]] bool JoinsPoints(const GraphGeometry& geometry, int y, int y2) noexcept;

// The column of day `day` (0 = the start date).
[[nodiscard]] int DayX(const GraphGeometry& geometry, int day) noexcept;

// The column of the day marker: the marker date rounded to a whole day of the
// axis (GraphTimeAxis.h); a date far outside the axis gives a column just
// outside the target.
[[nodiscard]] int MarkerX(const GraphGeometry& geometry, TDateTime markerDate);

struct GraphDayMark {
    int X = 0;
    TDateTime Date = 0;
    bool FirstOfMonth = false;
};

// The day lines: days 0 to GraphDays, both ends included; none without a day
// axis.
[[nodiscard]] std::vector<GraphDayMark> DayMarks(const GraphGeometry& geometry);

}  // namespace kalto
