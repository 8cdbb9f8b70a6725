// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphTimeAxis.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace kalto {

namespace {

// The rows of a named zone's run, or none where the axis is linear.
const std::vector<EphemerisRow>* ZoneRows(const GraphGeometry& g) {
    if (!g.Rows || !g.Rows->Clock.Zone() || g.Rows->RowCount() < 2 || g.GraphDays < 1) {
        return nullptr;
    }
    return &g.Rows->Bodies[Sol];
}

double RowsPerDay(const GraphGeometry& g) {
    return double(g.Rows->RowCount()) / g.GraphDays;
}

}  // namespace

TDateTime AxisWallTime(const GraphGeometry& g, double days) {
    const auto* rows = ZoneRows(g);
    if (rows == nullptr) {
        return g.AxisStart + days;
    }
    const double position = days * RowsPerDay(g);
    const auto last = static_cast<double>(rows->size() - 2);
    const auto i = static_cast<std::size_t>(std::clamp(std::floor(position), 0.0, last));
    const TDateTime from = (*rows)[i].UniversalTime;
    const TDateTime to = (*rows)[i + 1].UniversalTime;
    return g.Rows->Clock.ToWallTime(from + (position - double(i)) * (to - from));
}

double AxisDays(const GraphGeometry& g, TDateTime wall) {
    const auto* rows = ZoneRows(g);
    if (rows == nullptr) {
        return wall - g.AxisStart;
    }
    const TDateTime universal = g.Rows->Clock.ToUniversalTime(wall);
    const auto after = std::upper_bound(rows->begin(), rows->end(), universal,
                                        [](TDateTime t, const EphemerisRow& row) { return t < row.UniversalTime; });
    const auto offset = std::clamp<std::ptrdiff_t>(after - rows->begin() - 1, 0, std::ssize(*rows) - 2);
    const auto i = static_cast<std::size_t>(offset);
    const TDateTime from = (*rows)[i].UniversalTime;
    const TDateTime to = (*rows)[i + 1].UniversalTime;
    return (double(i) + (universal - from) / (to - from)) / RowsPerDay(g);
}

}  // namespace kalto
