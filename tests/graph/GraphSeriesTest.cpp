// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphSeries.h"

#include "GraphTestRows.h"

#include <gtest/gtest.h>

namespace kalto {
namespace {

const TDateTime Jan1 = EncodeDate(2027, 1, 1);

TEST(GraphSeries, RowsPerDayOfARun) {
    struct Case {
        int days, rowsPerDay;
    };
    for (const Case c : {Case{31, 1}, Case{31, 24}, Case{1, 288}, Case{732, 2}}) {
        SCOPED_TRACE(c.rowsPerDay);
        EXPECT_EQ(RowsPerDay(*MadeUpRows(Jan1, c.days, c.rowsPerDay, [](int, int) { return 0.0; })), c.rowsPerDay);
    }
    EXPECT_EQ(RowsPerDay(EphemerisRowSet{}), 1);  // no rows
}

// The default chart's run of 31 days: 30 points a body, rows 0 to 29, the
// last one joined to row 30.
TEST(GraphSeries, ThirtyPointsForARunOf31Days) {
    const GraphGeometry g = ComputeGraphGeometry(779, 605, Jan1, Jan1 + 30, 12, 0);
    const EphemerisRows rows = MadeUpRows(Jan1, 31, 1, [](int, int row) { return 100.0 + row; });
    const GraphSeriesShape shape = SeriesShape(g, rows->Bodies[Sol], 1, true);
    ASSERT_EQ(shape.Points.size(), 30u);
    ASSERT_EQ(shape.Segments.size(), 30u);
    for (int k = 0; k < 30; ++k) {
        SCOPED_TRACE(k);
        const GraphPoint point{13 + 25 * k, LongitudeY(g, 100.0 + k)};
        EXPECT_EQ(shape.Points[static_cast<std::size_t>(k)], point);
        EXPECT_EQ(shape.Segments[static_cast<std::size_t>(k)].From, point);
        const GraphPoint next{13 + 25 * (k + 1), LongitudeY(g, 101.0 + k)};
        EXPECT_EQ(shape.Segments[static_cast<std::size_t>(k)].To, next);
    }
    EXPECT_TRUE(SeriesShape(g, rows->Bodies[Sol], 1, false).Segments.empty());
}

TEST(GraphSeries, AWrapRoundTheCircleIsLeftUnjoined) {
    const GraphGeometry g = ComputeGraphGeometry(779, 605, Jan1, Jan1 + 5, 12, 0);
    const double longitudes[] = {356, 357.5, 359, 0.5, 2, 3.5};  // forward across 0 Ari after day 2
    const EphemerisRows rows = MadeUpRows(Jan1, 6, 1, [&](int, int row) { return longitudes[row]; });
    const GraphSeriesShape shape = SeriesShape(g, rows->Bodies[Lun], 1, true);
    ASSERT_EQ(shape.Points.size(), 5u);
    ASSERT_EQ(shape.Segments.size(), 4u);
    EXPECT_EQ(shape.Segments[1].To.X, DayX(g, 2));    // day 1 to day 2
    EXPECT_EQ(shape.Segments[2].From.X, DayX(g, 3));  // day 3 to day 4: day 2 to 3 is the wrap
}

// With a step below a day each column takes the first step of its day.
TEST(GraphSeries, EachDayTakesTheRowOfItsFirstStep) {
    const GraphGeometry g = ComputeGraphGeometry(779, 605, Jan1, Jan1 + 30, 12, 0);
    // 24 rows a day; row r lies at 10 degrees a day.
    const EphemerisRows rows = MadeUpRows(Jan1, 31, 24, [](int, int row) { return 10.0 * row / 24; });
    const GraphSeriesShape shape = SeriesShape(g, rows->Bodies[Mar], RowsPerDay(*rows), true);
    ASSERT_EQ(shape.Points.size(), 30u);
    for (int k = 0; k < 30; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(shape.Points[static_cast<std::size_t>(k)].Y, LongitudeY(g, 10.0 * k));
    }
    EXPECT_EQ(shape.Segments.back().To.Y, LongitudeY(g, 300));
}

TEST(GraphSeries, RowsMissingAtTheEndAreLeftOut) {
    const GraphGeometry g = ComputeGraphGeometry(779, 605, Jan1, Jan1 + 30, 12, 0);
    const EphemerisRows rows = MadeUpRows(Jan1, 10, 1, [](int, int row) { return 50.0 + row; });
    const GraphSeriesShape shape = SeriesShape(g, rows->Bodies[Sol], 1, true);
    EXPECT_EQ(shape.Points.size(), 10u);
    EXPECT_EQ(shape.Segments.size(), 9u);
    EXPECT_TRUE(SeriesShape(g, {}, 1, true).Points.empty());
}

// A point is joined only while the next day still has a column of the plot.
TEST(GraphSeries, LinesStopAtThePlotWidth) {
    // 3 plot pixels for 5 days: 0.6 rounds to 1 pixel a day, 4 points.
    const GraphGeometry g = ComputeGraphGeometry(16, 605, Jan1, Jan1 + 4, 12, 0);
    ASSERT_EQ(g.DayWidth, 1);
    const EphemerisRows rows = MadeUpRows(Jan1, 5, 1, [](int, int row) { return 200.0 + row; });
    const GraphSeriesShape shape = SeriesShape(g, rows->Bodies[Sol], 1, true);
    EXPECT_EQ(shape.Points.size(), 4u);
    EXPECT_EQ(shape.Segments.size(), 3u);
}

TEST(GraphSeries, NothingIsPlacedWithoutADayAxisOrBands) {
    const EphemerisRows rows = MadeUpRows(Jan1, 731, 1, [](int, int row) { return row % 360; });
    const GraphGeometry cases[] = {
        ComputeGraphGeometry(779, 605, Jan1 + 30, Jan1, 12, 0),   // start after end
        ComputeGraphGeometry(300, 605, Jan1, Jan1 + 730, 12, 0),  // days narrower than half a pixel
        ComputeGraphGeometry(779, 30, Jan1, Jan1 + 30, 12, 0),    // bands under a pixel high
    };
    for (const GraphGeometry& g : cases) {
        const GraphSeriesShape shape = SeriesShape(g, rows->Bodies[Sol], 1, true);
        EXPECT_TRUE(shape.Points.empty());
        EXPECT_TRUE(shape.Segments.empty());
    }
}

}  // namespace
}  // namespace kalto
