// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphReadout.h"
#include "GraphTimeAxis.h"

#include <gtest/gtest.h>

namespace kalto {
namespace {

const TDateTime Jan15 = EncodeDate(2027, 1, 15);  // a Friday

// The default chart of 779 x 605 pixels: 25 pixels a day, 48 a sign.
GraphGeometry DefaultChart(int firstSign = 0) {
    return ComputeGraphGeometry(779, 605, Jan15, Jan15 + 30, 12, firstSign);
}

TEST(GraphReadout, ScaleOfTheAxes) {
    struct Case {
        const char* name;
        GraphGeometry geometry;
        const char* text;
    };
    const Case cases[] = {
        {"25 pixels a day (57.6 minutes), 48 a sign (0.625 degrees)", DefaultChart(),
         "Eje X: 1 pixel ~ ±0h58m Eje Y: 1 pixel ~ ± 00º 37' 30\""},
        {"the export's picture of a month", ComputeGraphGeometry(900, 500, Jan15, Jan15 + 30, 12, 0),
         "Eje X: 1 pixel ~ ±0h50m Eje Y: 1 pixel ~ ± 00º 46' 09\""},  // 39 pixels a sign
        {"one pixel a day", ComputeGraphGeometry(900, 500, Jan15, Jan15 + 731, 12, 0),
         "Eje X: 1 pixel ~ ±24h0m Eje Y: 1 pixel ~ ± 00º 46' 09\""},
        {"no day axis: the start after the end", ComputeGraphGeometry(779, 605, Jan15, Jan15 - 5, 12, 0),
         "Eje Y: 1 pixel ~ ± 00º 37' 30\""},
        {"neither axis", ComputeGraphGeometry(300, 25, Jan15, Jan15 + 730, 12, 0), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ScaleText(c.geometry), c.text);
    }
}

TEST(GraphReadout, MarkerDateInTheStatusBar) {
    EXPECT_EQ(MarkerDateText(Jan15, SpanishDateFormatNames()), "viernes, ene-15-2027");
    EXPECT_EQ(MarkerDateText(EncodeDate(2028, 2, 29) + 0.75, SpanishDateFormatNames()), "martes, feb-29-2028");
}

TEST(GraphReadout, DateTimeAndPlaceUnderThePointer) {
    struct Case {
        const char* name;
        int firstSign;
        int x, y;
        const char* text;
    };
    const Case cases[] = {
        {"the top left corner of the plot", 0, 13, 20, "ene/15/2027 [12:00 am], 00º 00' 00\" Ari"},
        {"2.4 days in, 20 pixels into the second band", 0, 13 + 60, 20 + 48 + 20,
         "ene/17/2027 [09:36 am], 12º 30' 00\" Tau"},
        {"the same point with Acu on top", 10, 13 + 60, 20 + 48 + 20, "ene/17/2027 [09:36 am], 12º 30' 00\" Pis"},
        {"the last row of the fourth band with Acu on top", 10, 13 + 60, 20 + 3 * 48 + 47,
         "ene/17/2027 [09:36 am], 29º 22' 30\" Tau"},
        {"an afternoon", 0, 13 + 140, 20, "ene/20/2027 [02:24 pm], 00º 00' 00\" Ari"},
        {"below the last band the circle goes on", 0, 13, 20 + 12 * 48 + 4, "ene/15/2027 [12:00 am], 02º 30' 00\" Ari"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PointerReadout(DefaultChart(c.firstSign), c.x, c.y, SpanishDateFormatNames()), c.text);
    }
}

TEST(GraphReadout, PointerDegreesThatRoundToAWholeMinuteCarry) {
    struct Case {
        int bandHeight, row;
        const char* text;
    };
    const Case cases[] = {
        {45, 13, "ene/15/2027 [12:00 am], 08º 40' 00\" Leo"},  // 8.6666...° is 8° 39' 59.99...
        {50, 29, "ene/15/2027 [12:00 am], 17º 24' 00\" Leo"},  // 17.4° held as 17° 23' 59.99...
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bandHeight);
        // Twelve bands and the top margin's 20 rows with the bottom line's one.
        const GraphGeometry g = ComputeGraphGeometry(779, 12 * c.bandHeight + 21, Jan15, Jan15 + 30, 12, 4);
        ASSERT_EQ(g.BandHeight, c.bandHeight);
        EXPECT_EQ(PointerReadout(g, 13, 20 + c.row, SpanishDateFormatNames()), c.text);
    }
}

TEST(GraphReadout, NothingUnderThePointerOutsideThePlotOrWithoutAxes) {
    struct Case {
        const char* name;
        GraphGeometry geometry;
        int x, y;
    };
    const Case cases[] = {
        {"in the left margin", DefaultChart(), 12, 100},
        {"above the top margin", DefaultChart(), 100, 19},
        {"right of the last day", ComputeGraphGeometry(779, 605, Jan15, Jan15 + 14, 12, 0), 778, 100},
        {"left of the target", DefaultChart(), -5, 100},
        {"start after end", ComputeGraphGeometry(779, 605, Jan15, Jan15 - 5, 12, 0), 100, 100},
        {"days narrower than half a pixel", ComputeGraphGeometry(300, 605, Jan15, Jan15 + 730, 12, 0), 100, 100},
        {"no bands", ComputeGraphGeometry(779, 25, Jan15, Jan15 + 30, 12, 0), 100, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PointerReadout(c.geometry, c.x, c.y, SpanishDateFormatNames()), "");
        EXPECT_FALSE(PointerMoment(c.geometry, c.x, c.y).has_value());
    }
}

TEST(GraphReadout, AClickPicksTheMomentUnderThePointer) {
    const GraphGeometry g = DefaultChart();
    EXPECT_EQ(PointerMoment(g, 13, 20), Jan15);
    EXPECT_EQ(PointerMoment(g, 13 + 75, 300), Jan15 + 3);
    EXPECT_DOUBLE_EQ(*PointerMoment(g, 13 + 80, 300), Jan15 + 3.2);
    // The marker drawn at that moment stands in the clicked column.
    EXPECT_EQ(MarkerX(g, *PointerMoment(g, 13 + 80, 300)), 13 + 75);
}

// Rows of a run in Madrid across the spring change of 2027 (28 March, 02:00
// becomes 03:00): each day's own 00:00, or every hour in real time from the
// first day's 00:00.
EphemerisRows MadridRows(const WallClock& clock, bool daily, TDateTime start, int days) {
    auto rows = std::make_shared<EphemerisRowSet>();
    rows->Clock = clock;
    const TDateTime first = clock.ToUniversalTime(start);
    for (int i = 0; i < (daily ? days : 24 * days); ++i) {
        EphemerisRow row;
        row.UniversalTime = daily ? clock.ToUniversalTime(start + i) : first + i / 24.0;
        rows->Bodies[Sol].push_back(row);
    }
    return rows;
}

TEST(GraphReadout, ANamedZonesAxisReadsTheWallClockOfTheRowsDrawn) {
    const auto madrid = TimeZone::Find("Europe/Madrid");
    ASSERT_TRUE(madrid);
    const TDateTime start = EncodeDate(2027, 3, 26);
    const TDateTime hour = 1.0 / 24;
    struct Case {
        const char* name;
        WallClock clock;
        bool daily;
        int x;  // pixels after the left margin, 100 a day
        TDateTime moment;
    };
    const Case cases[] = {
        {"daily, a day's column after the change", WallClock(*madrid), true, 300, start + 3},
        {"daily, through the short day (23 h)", WallClock(*madrid), true, 260, start + 2 + 14.8 * hour},
        {"hourly, three days of real time", WallClock(*madrid), false, 300, start + 3 + hour},
        {"hourly, before the change", WallClock(*madrid), false, 150, start + 1.5},
        {"a fixed offset is the axis itself", WallClock(1.0), false, 300, start + 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphGeometry g = ComputeGraphGeometry(13 + 500, 605, start, start + 4, 12, 0);
        g.Rows = MadridRows(c.clock, c.daily, start, 5);
        const auto moment = PointerMoment(g, 13 + c.x, 300);
        ASSERT_TRUE(moment);
        EXPECT_NEAR(*moment, c.moment, 1e-6);
        EXPECT_NEAR(AxisDays(g, *moment), c.x / 100.0, 1e-6);
        // The marker put there by a click stands in the clicked column.
        EXPECT_EQ(MarkerX(g, *moment), 13 + c.x / 100 * 100 + (c.x % 100 >= 50 ? 100 : 0));
    }
}

}  // namespace
}  // namespace kalto
