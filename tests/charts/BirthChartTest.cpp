// SPDX-License-Identifier: GPL-3.0-or-later
#include "BirthChart.h"

#include "ApparentPlace.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalto {
namespace {

double Separation(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

TEST(BirthChart, TheBodiesOfTheMomentAndTheAnglesOfThePlace) {
    ChartBirth barcelona{.LocalTime = EncodeDate(2027, 3, 20) + EncodeTime(21, 24, 45),
                         .ZoneName = "Europe/Madrid",
                         .ZoneHours = 0,
                         .Latitude = 41.3874,
                         .Longitude = 2.1686};
    const auto clock = BirthClock(barcelona);
    ASSERT_TRUE(clock);
    const Chart chart = MakeBirthChart("Equinoccio", barcelona, *clock);
    ASSERT_EQ(chart.Points.size(), 13U);
    const char* names[] = {"Sol", "Lun", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura", "Nep", "Plu", "Nod", "ASC", "MC"};
    for (std::size_t i = 0; i < chart.Points.size(); ++i) {
        EXPECT_EQ(chart.Points[i].Name, names[i]);
        EXPECT_GE(chart.Points[i].Longitude, 0.0);
        EXPECT_LT(chart.Points[i].Longitude, 360.0);
    }
    // The March equinox of 2027 falls at 20:24:4x UT, 21:24 in Madrid's winter.
    EXPECT_LT(Separation(chart.Points[0].Longitude, 0.0), 0.001);

    // The same instant given in universal time makes the same chart.
    ChartBirth universal = barcelona;
    universal.ZoneName.clear();
    universal.LocalTime -= 1.0 / 24;
    const Chart same = MakeBirthChart("Equinoccio", universal, *BirthClock(universal));
    for (std::size_t i = 0; i < chart.Points.size(); ++i) {
        EXPECT_NEAR(same.Points[i].Longitude, chart.Points[i].Longitude, 1e-9) << names[i];
    }
    // The ascendant and the midheaven are a quadrant or so apart, the
    // ascendant ahead.
    const double ahead = std::remainder(chart.Points[11].Longitude - chart.Points[12].Longitude, 360.0);
    EXPECT_GT(ahead, 45.0);
    EXPECT_LT(ahead, 135.0);
}

TEST(BirthChart, WithoutAPlaceOnlyTheBodiesAndAnUnknownZoneHasNoClock) {
    ChartBirth birth;
    birth.LocalTime = EncodeDate(1990, 5, 17);
    birth.ZoneHours = 2;
    EXPECT_EQ(MakeBirthChart("x", birth, *BirthClock(birth)).Points.size(), 11U);
    birth.ZoneName = "Mars/Olympus";
    EXPECT_FALSE(BirthClock(birth));
}

}  // namespace
}  // namespace kalto
