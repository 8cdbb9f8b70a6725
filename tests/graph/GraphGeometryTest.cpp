// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace kalto {
namespace {

const TDateTime Jan1 = EncodeDate(2027, 1, 1);

TEST(GraphGeometry, DefaultChartOf31DaysOn779By605) {
    const GraphGeometry g = ComputeGraphGeometry(779, 605, Jan1, Jan1 + 30, 12, 0);
    EXPECT_EQ(g.LeftMargin, 13);
    EXPECT_EQ(g.TopMargin, 20);
    EXPECT_EQ(g.PlotWidth, 766);
    EXPECT_EQ(g.GraphDays, 31);
    EXPECT_EQ(g.GraphPoints, 30);
    EXPECT_EQ(g.DayWidth, 25);  // 766 / 31 = 24.7
    EXPECT_EQ(g.BandHeight, 48);
    EXPECT_EQ(g.DecanStep, 16);
    EXPECT_EQ(g.Bottom, 20 + 12 * 48);
    EXPECT_EQ(g.Right, 13 + 31 * 25);
    EXPECT_TRUE(g.HasDayAxis());
    EXPECT_TRUE(g.HasBands());
}

TEST(GraphGeometry, SizesOfDaysAndBands) {
    struct Case {
        const char* name;
        int width, height;
        double days;  // end - start
        int signs;
        int graphDays, dayWidth, bandHeight, decanStep;
    };
    const Case cases[] = {
        {"before any run both dates are 0", 779, 605, 0, 12, 1, 766, 48, 16},
        {"37.5 pixels a day round to 38", 13 + 75, 605, 1, 12, 2, 38, 48, 16},
        {"36.5 pixels a day round to 36", 13 + 73, 605, 1, 12, 2, 36, 48, 16},
        {"the picture of the export", 900, 500, 30, 12, 31, 29, 39, 13},  // bottom line on row 488
        {"two years on the export's picture", 900, 500, 731, 12, 732, 1, 39, 13},
        {"a bottom line on the last row", 779, 20 + 12 * 40 + 1, 30, 12, 31, 25, 40, 13},
        {"four signs", 779, 605, 30, 4, 31, 25, 146, 48},
        {"one sign", 779, 605, 30, 1, 31, 25, 584, 194},
        {"a fraction of a day is dropped", 779, 605, 30.75, 12, 31, 25, 48, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GraphGeometry g = ComputeGraphGeometry(c.width, c.height, Jan1, Jan1 + c.days, c.signs, 0);
        EXPECT_EQ(g.GraphDays, c.graphDays);
        EXPECT_EQ(g.GraphPoints, c.graphDays - 1);
        EXPECT_EQ(g.DayWidth, c.dayWidth);
        EXPECT_EQ(g.BandHeight, c.bandHeight);
        EXPECT_EQ(g.DecanStep, c.decanStep);
        EXPECT_EQ(g.Bottom, g.TopMargin + c.signs * c.bandHeight);
        EXPECT_EQ(g.Right, g.LeftMargin + c.graphDays * c.dayWidth);
    }
}

// Without day columns the chart keeps its bands across the plot and has no
// day axis; nothing divides by a zero or negative count.
TEST(GraphGeometry, NoDayAxisWhenTheStartIsAfterTheEndOrDaysAreNarrowerThanHalfAPixel) {
    struct Case {
        const char* name;
        int width;
        double days;
        int graphDays;
    };
    const Case cases[] = {
        {"end the day before the start", 779, -1, 0},
        {"end a month before the start", 779, -31, -30},
        {"731 days on 287 pixels", 300, 730, 731},
        {"a target narrower than the margin", 5, 30, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GraphGeometry g = ComputeGraphGeometry(c.width, 605, Jan1, Jan1 + c.days, 12, 0);
        EXPECT_EQ(g.GraphDays, c.graphDays);
        EXPECT_EQ(g.DayWidth, 0);
        EXPECT_FALSE(g.HasDayAxis());
        EXPECT_EQ(g.Right, g.LeftMargin + std::max(g.PlotWidth, 0));
        EXPECT_TRUE(DayMarks(g).empty());
    }
}

TEST(GraphGeometry, NoBandsOnATargetNoHigherThanTheTopMargin) {
    for (const int height : {0, 20, 31}) {
        SCOPED_TRACE(height);
        const GraphGeometry g = ComputeGraphGeometry(779, height, Jan1, Jan1 + 30, 12, 0);
        EXPECT_EQ(g.BandHeight, 0);
        EXPECT_FALSE(g.HasBands());
        EXPECT_EQ(g.Bottom, g.TopMargin);
    }
}

TEST(GraphGeometry, SignCountAndFirstSignAreHeldToTheCircle) {
    EXPECT_EQ(ComputeGraphGeometry(779, 605, Jan1, Jan1, 0, 0).GraphSigns, 1);
    EXPECT_EQ(ComputeGraphGeometry(779, 605, Jan1, Jan1, 13, 0).GraphSigns, 12);
    EXPECT_EQ(ComputeGraphGeometry(779, 605, Jan1, Jan1, 12, 14).GraphFirstSign, 2);
    EXPECT_EQ(ComputeGraphGeometry(779, 605, Jan1, Jan1, 12, -1).GraphFirstSign, 11);
}

TEST(GraphGeometry, VerticalPositionOfALongitude) {
    struct Case {
        const char* name;
        int signs, firstSign;
        double longitude;
        int y;
    };
    // 779 x 605: 48 pixels a band with twelve signs, 146 with four.
    const Case cases[] = {
        {"0 Ari at the top", 12, 0, 0, 20},
        {"15 Ari", 12, 0, 15, 20 + 24},
        {"0 Tau one band down", 12, 0, 30, 20 + 48},
        {"359 Pis near the bottom", 12, 0, 359, 20 + 574},  // 574.4
        {"0.5 pixel rounds to the even 0", 12, 0, 0.3125, 20},
        {"1.5 pixels round to the even 2", 12, 0, 0.9375, 22},
        {"Acu at the top: 15 Acu", 4, 10, 315, 20 + 73},
        {"Acu at the top: 15 Pis in the second band", 4, 10, 345, 20 + 146 + 73},
        {"Acu at the top: 15 Ari in the third band", 4, 10, 15, 20 + 2 * 146 + 73},
        {"Acu at the top: 15 Tau in the fourth band", 4, 10, 45, 20 + 3 * 146 + 73},
        {"Acu at the top: 15 Gem below the bottom", 4, 10, 75, 20 + 4 * 146 + 73},
        {"Leo at the top: 0 Leo", 12, 4, 120, 20},
        {"Leo at the top: 29 Can at the bottom", 12, 4, 119, 20 + 11 * 48 + 46},  // 46.4
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GraphGeometry g = ComputeGraphGeometry(779, 605, Jan1, Jan1 + 30, c.signs, c.firstSign);
        EXPECT_EQ(LongitudeY(g, c.longitude), c.y);
    }
}

TEST(GraphGeometry, AJumpRoundTheCircleIsNotJoined) {
    const GraphGeometry twelve = ComputeGraphGeometry(779, 605, Jan1, Jan1 + 30, 12, 0);
    // From 359 to 1 degree: from the bottom band to the top one.
    const int before = LongitudeY(twelve, 359);
    const int after = LongitudeY(twelve, 1);
    EXPECT_GT(before - after, 11 * 48);
    EXPECT_FALSE(JoinsPoints(twelve, before, after));
    EXPECT_FALSE(JoinsPoints(twelve, after, before));  // moving back across 0 Ari
    // Eleven bands is the limit.
    EXPECT_TRUE(JoinsPoints(twelve, 20, 20 + 11 * 48 - 1));
    EXPECT_FALSE(JoinsPoints(twelve, 20, 20 + 11 * 48));
    // The Moon's fastest day, about 15 degrees, stays joined.
    EXPECT_TRUE(JoinsPoints(twelve, LongitudeY(twelve, 100), LongitudeY(twelve, 115.5)));

    const GraphGeometry four = ComputeGraphGeometry(779, 605, Jan1, Jan1 + 30, 4, 10);
    EXPECT_TRUE(JoinsPoints(four, 20, 20 + 3 * 146 - 1));
    EXPECT_FALSE(JoinsPoints(four, LongitudeY(four, 299), LongitudeY(four, 301)));  // 29 Cap to 1 Acu
}

// With one sign shown the limit of GraphSigns - 1 bands would be 0 and no
// line would ever be drawn; one band is the limit there, as with two signs.
TEST(GraphGeometry, OneSignShownStillJoinsItsPoints) {
    const GraphGeometry one = ComputeGraphGeometry(779, 605, Jan1, Jan1 + 30, 1, 3);
    EXPECT_TRUE(JoinsPoints(one, LongitudeY(one, 95), LongitudeY(one, 108)));
    EXPECT_TRUE(JoinsPoints(one, 30, 30));
    EXPECT_FALSE(JoinsPoints(one, LongitudeY(one, 89), LongitudeY(one, 91)));  // Gem to Can round the circle
}

TEST(GraphGeometry, DayLinesAndFirstsOfMonths) {
    const TDateTime jan20 = EncodeDate(2027, 1, 20);
    const GraphGeometry g = ComputeGraphGeometry(779, 605, jan20, jan20 + 30, 12, 0);
    const std::vector<GraphDayMark> marks = DayMarks(g);
    ASSERT_EQ(marks.size(), 32u);  // both ends included
    for (int w = 0; w <= 31; ++w) {
        SCOPED_TRACE(w);
        EXPECT_EQ(marks[static_cast<std::size_t>(w)].X, 13 + w * 25);
        EXPECT_EQ(marks[static_cast<std::size_t>(w)].Date, jan20 + w);
        EXPECT_EQ(marks[static_cast<std::size_t>(w)].FirstOfMonth, w == 12);  // February 1
    }
}

TEST(GraphGeometry, MarkerColumnIsTheMarkerDateRoundedToAWholeDay) {
    const GraphGeometry g = ComputeGraphGeometry(779, 605, Jan1, Jan1 + 30, 12, 0);
    struct Case {
        double days;  // marker - start
        int x;
    };
    const Case cases[] = {
        {0, 13},
        {9.4, 13 + 9 * 25},
        {9.5, 13 + 10 * 25},  // halves to the even day
        {10.5, 13 + 10 * 25},
        {-0.4, 13},
        {30, 13 + 30 * 25},
        {-1000, -2},  // far outside: just outside the target
        {1e12, 779 + 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.days);
        EXPECT_EQ(MarkerX(g, Jan1 + c.days), c.x);
    }
}

}  // namespace
}  // namespace kalto
