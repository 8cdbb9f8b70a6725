// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphGeometry.h"

#include "GraphTimeAxis.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kalto {

namespace {

constexpr int SignsInCircle = 12;
constexpr int DecansInSign = 3;

// Whole numbers are held to this magnitude before they become ints, so that
// no conversion overflows whatever dates and sizes a caller passes.
constexpr double IntLimit = 1e9;

int DayCount(double days) noexcept {
    return static_cast<int>(std::clamp(std::trunc(days), -IntLimit, IntLimit));
}

// To the nearest integer, halves to the even neighbour (the default rounding
// mode).
int RoundToInt(double value) noexcept {
    return static_cast<int>(std::clamp(std::nearbyint(value), -IntLimit, IntLimit));
}

}  // namespace

GraphGeometry ComputeGraphGeometry(int width, int height, TDateTime start, TDateTime end, int graphSigns,
                                   int graphFirstSign) noexcept {
    GraphGeometry g;
    g.Width = width;
    g.Height = height;
    g.GraphSigns = std::clamp(graphSigns, 1, SignsInCircle);
    g.GraphFirstSign = (graphFirstSign % SignsInCircle + SignsInCircle) % SignsInCircle;
    g.AxisStart = start;
    g.GraphDays = DayCount(end - start + 1);
    g.GraphPoints = DayCount(end - start);
    g.PlotWidth = width - g.LeftMargin;
    // No day count to divide by when the start lies after the end.
    g.DayWidth = g.GraphDays >= 1 ? std::max(RoundToInt(double(g.PlotWidth) / g.GraphDays), 0) : 0;
    // The bottom line lies on row Bottom, which must be a row of the target:
    // of a height of 500 with twelve signs, 480 rows would put it on row 500,
    // just outside, so one row is kept for it.
    g.BandHeight = std::max((height - g.TopMargin - 1) / g.GraphSigns, 0);
    g.DecanStep = g.BandHeight / DecansInSign;
    g.Bottom = g.TopMargin + g.GraphSigns * g.BandHeight;
    g.Right = g.HasDayAxis() ? g.LeftMargin + g.GraphDays * g.DayWidth : g.LeftMargin + std::max(g.PlotWidth, 0);
    return g;
}

int LongitudeY(const GraphGeometry& g, double longitude) noexcept {
    int y = g.TopMargin + RoundToInt(longitude * g.BandHeight / 30) - g.GraphFirstSign * g.BandHeight;
    if (y < g.TopMargin) {
        y += SignsInCircle * g.BandHeight;
    }
    return y;
}

bool JoinsPoints(const GraphGeometry& g, int y, int y2) noexcept {
    // A wrap jumps nearly twelve bands, a day's motion less than one. With
    // one sign shown, GraphSigns - 1 would be 0 bands and nothing would ever
    // be joined; one band serves there.
    return std::abs(y2 - y) < std::max(g.GraphSigns - 1, 1) * g.BandHeight;
}

int DayX(const GraphGeometry& g, int day) noexcept {
    return g.LeftMargin + day * g.DayWidth;
}

int MarkerX(const GraphGeometry& g, TDateTime markerDate) {
    const double x = g.LeftMargin + std::nearbyint(AxisDays(g, markerDate)) * g.DayWidth;
    // The marker is two pixels wide: held this far out it stays unseen.
    return static_cast<int>(std::clamp(x, -2.0, g.Width + 2.0));
}

std::vector<GraphDayMark> DayMarks(const GraphGeometry& g) {
    std::vector<GraphDayMark> marks;
    if (!g.HasDayAxis()) {
        return marks;
    }
    marks.reserve(static_cast<std::size_t>(g.GraphDays) + 1);
    for (int w = 0; w <= g.GraphDays; ++w) {
        const TDateTime date = g.AxisStart + w;
        marks.push_back({DayX(g, w), date, DecodeDate(date).day == 1});
    }
    return marks;
}

}  // namespace kalto
