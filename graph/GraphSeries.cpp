// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphSeries.h"

#include "EphemerisSpan.h"

#include <algorithm>
#include <cstddef>

namespace kalto {

int RowsPerDay(const EphemerisRowSet& rows) noexcept {
    const std::size_t days = static_cast<std::size_t>(std::max(SpanDays(rows.StartDate, rows.EndDate), 1));
    return static_cast<int>(std::max<std::size_t>(rows.RowCount() / days, 1));
}

GraphSeriesShape SeriesShape(const GraphGeometry& g, std::span<const EphemerisRow> rows, int rowsPerDay, bool lines) {
    GraphSeriesShape shape;
    if (!g.HasDayAxis() || !g.HasBands() || rowsPerDay < 1) {
        return shape;
    }
    const auto stride = static_cast<std::size_t>(rowsPerDay);
    const auto rowOfDay = [&](int day) { return static_cast<std::size_t>(day) * stride; };
    for (int k = 0; k < g.GraphPoints && rowOfDay(k) < rows.size(); ++k) {
        const GraphPoint point{DayX(g, k), LongitudeY(g, rows[rowOfDay(k)].Longitude)};
        shape.Points.push_back(point);
        if (lines && k + 1 <= g.PlotWidth && k + 1 <= g.GraphPoints && rowOfDay(k + 1) < rows.size()) {
            const GraphPoint next{DayX(g, k + 1), LongitudeY(g, rows[rowOfDay(k + 1)].Longitude)};
            if (JoinsPoints(g, point.Y, next.Y)) {
                shape.Segments.push_back({point, next});
            }
        }
    }
    return shape;
}

}  // namespace kalto
