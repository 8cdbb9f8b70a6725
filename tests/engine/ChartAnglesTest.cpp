// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartAngles.h"

#include "ApparentPlace.h"
#include "TimeScales.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalto {
namespace {

constexpr double DegreesPerTimeSecond = 15.0 / 3600.0;

double Hms(int hours, int minutes, double seconds) {
    return (hours * 3600 + minutes * 60 + seconds) * DegreesPerTimeSecond;
}

double Signed180(double degrees) {
    return std::remainder(degrees, 360.0);
}

TEST(ChartAngles, SiderealTimeOfMeeusExamples) {
    // Meeus, Astronomical Algorithms, 2nd ed.: 12.a (1987 April 10, 0h UT)
    // and 12.b (19h21m UT), mean and apparent; a Julian Day in a double
    // carries about 40 µs, 2e-7 degree.
    const TDateTime midnight = EncodeDate(1987, 4, 10);
    const TDateTime evening = midnight + EncodeTime(19, 21, 0);
    EXPECT_NEAR(GreenwichMeanSiderealTime(JulianDayOfUniversalTime(midnight)), Hms(13, 10, 46.3668), 5e-7);
    EXPECT_NEAR(GreenwichMeanSiderealTime(JulianDayOfUniversalTime(evening)), 128.7378734, 5e-7);
    // The engine's nutation is the short series, good to about 0.5"; 0.05 s of
    // time covers it.
    EXPECT_NEAR(GreenwichApparentSiderealTime(JulianDayOfUniversalTime(midnight), LocalToJDE(midnight, 0).jde),
                Hms(13, 10, 46.1351), 0.05 * DegreesPerTimeSecond);
}

// Meeus 13.b: Venus seen from the US Naval Observatory, Washington (38°55'17"
// N, 77°03'56" west, which Meeus counts positive), 1987 April 10, 19h21m UT.
struct Washington {
    static constexpr double Latitude = 38 + 55 / 60.0 + 17 / 3600.0;
    static constexpr double EastLongitude = -(77 + 3 / 60.0 + 56 / 3600.0);
    TDateTime Instant = EncodeDate(1987, 4, 10) + EncodeTime(19, 21, 0);
    double Jde = LocalToJDE(Instant, 0).jde;
    double LocalSiderealTime = GreenwichApparentSiderealTime(JulianDayOfUniversalTime(Instant), Jde) + EastLongitude;
};

TEST(ChartAngles, LocalHourAngleOfMeeusExample) {
    const Washington place;
    const double venusRightAscension = Hms(23, 9, 16.641);
    EXPECT_NEAR(Signed180(place.LocalSiderealTime - venusRightAscension), 64.352133, 3e-4);
}

// The ascendant lies on the horizon east of the meridian; the midheaven on
// the meridian above the horizon, at the sidereal time's right ascension.
TEST(ChartAngles, AscendantRisesAndMidheavenCulminates) {
    const Washington washington;
    struct Case {
        const char* name;
        double latitude;
        double localSiderealTime;
    };
    const Case cases[] = {
        {"Washington, Meeus 13.b", Washington::Latitude, washington.LocalSiderealTime},
        {"Barcelona", 41.3874, 127.5},
        {"Buenos Aires, south", -34.6037, 300.25},
        {"the equator at 0h", 0.0, 0.0},
        {"Oslo at 18h", 59.9139, 270.0},
    };
    const double obliquity = Obliquity(true, washington.Jde);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartAngles angles = ComputeChartAngles(c.localSiderealTime, obliquity, c.latitude);
        const double phi = c.latitude * DegToRad;

        const EquatorialPosition rising = EclipticToEquatorial(obliquity, 0, angles.Ascendant);
        const double hourAngle = (c.localSiderealTime - rising.RightAscension) * DegToRad;
        const double delta = rising.Declination * DegToRad;
        const double altitude =
            std::asin(std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(hourAngle));
        EXPECT_NEAR(altitude * RadToDeg, 0.0, 1e-9);
        EXPECT_LT(std::sin(hourAngle), 0.0);  // east of the meridian

        const EquatorialPosition culminating = EclipticToEquatorial(obliquity, 0, angles.Midheaven);
        EXPECT_NEAR(Signed180(culminating.RightAscension - c.localSiderealTime), 0.0, 1e-9);
        EXPECT_GE(angles.Ascendant, 0.0);
        EXPECT_LT(angles.Ascendant, 360.0);
    }
}

}  // namespace
}  // namespace kalto
