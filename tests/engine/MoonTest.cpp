// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApparentPlace.h"
#include "Engine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalto {
namespace {

constexpr double AngleTolerance = 1e-5;     // degrees
constexpr double DistanceTolerance = 0.01;  // km

TEST(Moon, ReferencePositions) {
    struct Case {
        const char* what;
        double jde, longitude, latitude, distance;
    };
    const Case cases[] = {
        // Meeus, Astronomical Algorithms, example 47.a (1992 April 12, 0h TD): the
        // geometric 133.162655 plus the low-precision nutation 0.004579.
        {"Meeus 47.a", 2448724.5, 133.167233, -3.229126, 368409.68},
        {"J2000.0", 2451545.0, 223.314813, 5.171280, 402444.81},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Engine engine;
        engine.ComputeMoon(c.jde);
        const BodyPosition& moon = engine.BodyPositions[Lun];
        EXPECT_NEAR(moon.Longitude, c.longitude, AngleTolerance);
        EXPECT_NEAR(moon.Latitude, c.latitude, AngleTolerance);
        EXPECT_NEAR(moon.Distance, c.distance, DistanceTolerance);
    }
}

// Meeus prints the sums of example 47.a rounded to units: Σl = -1127527 and
// Σb = -3229126 (1e-6 degree), Σr = -16590875 (1e-3 km), with the geometric
// longitude 133.162655. Matching them this closely checks every term, the
// eccentricity factor included (E² for m = -2 as for m = 2, E for m = -1).
TEST(Moon, ReproducesTheSumsOfMeeusExample47a) {
    constexpr double jde = 2448724.5;
    Engine engine;
    engine.ComputeMoon(jde);
    const BodyPosition& moon = engine.BodyPositions[Lun];
    EXPECT_NEAR(moon.Longitude - NutationInLongitude(jde), 133.162655, 6e-7);
    EXPECT_NEAR(moon.Latitude, -3.229126, 6e-7);
    EXPECT_NEAR(moon.Distance, 385000.56 - 16590.875, 6e-4);
}

TEST(Moon, LeavesRightAscensionAndDeclinationAndOtherEntriesAlone) {
    Engine engine;
    for (BodyPosition& entry : engine.BodyPositions) entry = {7, 7, 7, 7, 7};
    engine.ComputeMoon(2451545.0);
    for (int body = 0; body < static_cast<int>(engine.BodyPositions.size()); ++body) {
        SCOPED_TRACE(body);
        const BodyPosition& entry = engine.BodyPositions[body];
        EXPECT_EQ(entry.RightAscension, 7);
        EXPECT_EQ(entry.Declination, 7);
        if (body != Lun) {
            EXPECT_EQ(entry.Longitude, 7);
            EXPECT_EQ(entry.Latitude, 7);
            EXPECT_EQ(entry.Distance, 7);
        }
    }
}

// Every 1.3 days from 1985 to 2015 the Moon keeps to the known bounds of its
// orbit: perigee above 356,000 km, apogee below 407,000 km, latitude within
// the 5.3° of the orbit's inclination and its perturbations.
TEST(Moon, DistanceAndLatitudeStayWithinTheOrbitsBounds) {
    Engine engine;
    double nearest = 1e9, farthest = 0, highest = 0;
    for (double jde = 2446066.5; jde < 2446066.5 + 30 * 365.25; jde += 1.3) {
        engine.ComputeMoon(jde);
        const BodyPosition& moon = engine.BodyPositions[Lun];
        ASSERT_GE(moon.Longitude, 0) << jde;
        ASSERT_LT(moon.Longitude, 360) << jde;
        nearest = std::fmin(nearest, moon.Distance);
        farthest = std::fmax(farthest, moon.Distance);
        highest = std::fmax(highest, std::fabs(moon.Latitude));
    }
    EXPECT_GT(nearest, 356000);
    EXPECT_LT(nearest, 357500);  // the sampling does reach perigees
    EXPECT_LT(farthest, 407000);
    EXPECT_GT(farthest, 406000);  // and apogees
    EXPECT_LT(highest, 5.35);
    EXPECT_GT(highest, 5.0);
}

TEST(LunarNode, ReferenceLongitudes) {
    struct Case {
        const char* what;
        double jde, meanNode, tolerance;
    };
    const Case cases[] = {
        // Ω = 125.0445479 at J2000.0, the constant term of Meeus 47.7.
        {"J2000.0", 2451545.0, 125.0445479, 1e-9},
        // Meeus example 22.a, 1987 April 10, 0h TD: Ω = 11.2531.
        {"Meeus 22.a", 2446895.5, 11.2531, 6e-5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Engine engine;
        engine.ComputeLunarNode(c.jde);
        EXPECT_NEAR(engine.BodyPositions[Nod].Longitude - NutationInLongitude(c.jde), c.meanNode, c.tolerance);
    }
    Engine engine;
    engine.ComputeLunarNode(2451545.0);
    EXPECT_NEAR(engine.BodyPositions[Nod].Longitude, 125.040650, AngleTolerance);
}

// The mean node regresses by 1934.136° a century, 0.05295° a day; the nutation
// changes the daily step by less than 0.0001°.
TEST(LunarNode, RegressesAboutAFiftiethOfADegreeADay) {
    Engine engine;
    for (double jde = 2415020.5; jde < 2488070.5; jde += 997.3) {
        SCOPED_TRACE(jde);
        engine.ComputeLunarNode(jde);
        const double today = engine.BodyPositions[Nod].Longitude;
        engine.ComputeLunarNode(jde + 1);
        const double tomorrow = engine.BodyPositions[Nod].Longitude;
        EXPECT_NEAR(std::remainder(tomorrow - today, 360.0), -0.052954, 1e-4);
        EXPECT_GE(tomorrow, 0);
        EXPECT_LT(tomorrow, 360);
    }
}

TEST(LunarNode, LatitudeIsATinyPositiveConstantAndDistanceIsNeverWritten) {
    Engine engine;
    engine.BodyPositions[Nod].RightAscension = 7;
    engine.BodyPositions[Nod].Declination = 8;
    for (double jde : {2341972.5, 2415020.5, 2451545.0, 2488092.5}) {
        SCOPED_TRACE(jde);
        engine.ComputeLunarNode(jde);
        const BodyPosition& node = engine.BodyPositions[Nod];
        EXPECT_EQ(node.Latitude, 1e-12);
        EXPECT_EQ(node.Distance, 0);
        EXPECT_EQ(node.RightAscension, 7);
        EXPECT_EQ(node.Declination, 8);
    }
}

}  // namespace
}  // namespace kalto
