// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart's day axis as wall-clock time. Day column d starts d days after
// the axis start and the rows are drawn evenly along it. At a fixed offset a
// point of the axis is simply the axis start plus its days; in a named zone
// the rows' spacing on the wall clock changes where summer time does (a daily
// run's rows are each day's own 00:00, shorter steps run evenly in real time),
// so the instant of a point is read between the rows drawn around it.

#include "GraphGeometry.h"

namespace kalto {

// The wall-clock time of the point `days` after the axis start.
[[nodiscard]] TDateTime AxisWallTime(const GraphGeometry& geometry, double days);

// The days after the axis start of the point that stands for the wall time
// `wall`; outside the rows, counted on at the pace of the nearest ones.
[[nodiscard]] double AxisDays(const GraphGeometry& geometry, TDateTime wall);

}  // namespace kalto
