// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApparentPlace.h"
#include "ConstTables.h"
#include "Engine.h"
#include "Vsop87.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kalto {
namespace {

constexpr double ReferenceTolerance = 1e-5;  // degrees

// The authors' check values published with the VSOP87 files (vsop87.chk),
// version D: longitude and latitude in radians, radius in AU.
TEST(Planets, SeriesReproduceTheAuthorsCheckValues) {
    struct Case {
        const VsopTheory* theory;
        const char* name;
        double jd, l, b, r;
    };
    const Case cases[] = {
        {&ConstMercury, "Mercury", 2451545.0, 4.4293481036, -0.0527573409, 0.4664714751},
        {&ConstMercury, "Mercury", 2305445.0, 5.1836421820, -0.1170914848, 0.4326517759},
        {&ConstMercury, "Mercury", 2122820.0, 5.0128397764, -0.1143275808, 0.4352063237},
        {&ConstVenus, "Venus", 2451545.0, 3.1870221833, 0.0569782849, 0.7202129253},
        {&ConstVenus, "Venus", 2305445.0, 1.8291359617, 0.0311394084, 0.7186375037},
        {&ConstVenus, "Venus", 2122820.0, 3.3145399295, 0.0505016053, 0.7215819783},
        {&ConstEarth, "Earth", 2451545.0, 1.7519238681, -0.0000039656, 0.9833276819},
        {&ConstEarth, "Earth", 2305445.0, 1.7006065938, -0.0000016359, 0.9831254376},
        {&ConstEarth, "Earth", 2122820.0, 1.6367193623, -0.0000031292, 0.9830331815},
        {&ConsMars, "Mars", 2451545.0, 6.2735389983, -0.0247779824, 1.3912076925},
        {&ConsMars, "Mars", 2305445.0, 2.0058210394, 0.0300702181, 1.6371997207},
        {&ConsMars, "Mars", 2122820.0, 2.7367104344, 0.0295522719, 1.6571002307},
        {&ConstJupiter, "Jupiter", 2451545.0, 0.6334614186, -0.0205001039, 4.9653813154},
        {&ConstJupiter, "Jupiter", 2305445.0, 2.3348832684, 0.0140523907, 5.3439455032},
        {&ConstJupiter, "Jupiter", 2122820.0, 1.2695066546, -0.0075335740, 5.1193587362},
        {&ConstSaturn, "Saturn", 2451545.0, 0.7980038761, -0.0401984149, 9.1838483715},
        {&ConstSaturn, "Saturn", 2305445.0, 3.5217555199, 0.0437035058, 9.7571035629},
        {&ConstSaturn, "Saturn", 2122820.0, 3.5570108069, 0.0435371139, 9.8669939498},
        {&ConstUrano, "Uranus", 2451545.0, 5.5225485803, -0.0119527838, 19.9240482667},
        {&ConstUrano, "Uranus", 2305445.0, 0.5223325214, -0.0089983885, 19.7819882707},
        {&ConstUrano, "Uranus", 2122820.0, 0.7007226224, -0.0065610611, 19.5612078271},
        {&ConstNeptune, "Neptune", 2451545.0, 5.3045629252, 0.0042236789, 30.1205328392},
        {&ConstNeptune, "Neptune", 2305445.0, 2.5537079778, 0.0102374010, 30.1360158724},
        {&ConstNeptune, "Neptune", 2122820.0, 2.2124988267, 0.0027498093, 30.0653693610},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " at " << c.jd);
        const double tau = JulianMillennia(c.jd);
        const double l = std::remainder(EvaluateCoordinate(c.theory->L, tau) - c.l, 2 * std::numbers::pi);
        EXPECT_NEAR(l, 0, 1e-9);
        EXPECT_NEAR(EvaluateCoordinate(c.theory->B, tau), c.b, 1e-9);
        EXPECT_NEAR(EvaluateCoordinate(c.theory->R, tau), c.r, 1e-9);
    }
}

TEST(Planets, MeeusReferencePositions) {
    struct Case {
        double jde;
        int body;
        double longitude, latitude, distance, ra, dec;
        bool hasEquatorial;
    };
    const Case cases[] = {
        // 1992 December 20, 0h TD (Meeus example 33.a, complete VSOP87D).
        {2448976.5, Sol, 268.355882, 0, 0.9838242, 0, 0, false},
        {2448976.5, Ven, 313.081373, -2.084823, 0.910948, 316.172758, -18.888012, true},
        // J2000.0.
        {2451545.0, Sol, 280.368158, 0, 0, 0, 0, false},
        {2451545.0, Jup, 25.253068, -1.262168, 4.621164, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << BodyLabels[c.body] << " at " << c.jde);
        Engine engine;
        const double obliquity = Obliquity(true, c.jde);
        engine.ComputePlanet(Sol, obliquity, c.jde);
        if (c.body != Sol) engine.ComputePlanet(c.body, obliquity, c.jde);
        const BodyPosition& p = engine.BodyPositions[c.body];
        EXPECT_NEAR(p.Longitude, c.longitude, ReferenceTolerance);
        if (c.body != Sol) {
            EXPECT_NEAR(p.Latitude, c.latitude, ReferenceTolerance);
        }
        if (c.distance != 0) {
            EXPECT_NEAR(p.Distance, c.distance, 1e-6);
        }
        if (c.hasEquatorial) {
            EXPECT_NEAR(p.RightAscension, c.ra, ReferenceTolerance);
            EXPECT_NEAR(p.Declination, c.dec, ReferenceTolerance);
        }
    }
}

TEST(Planets, EveryPlanetCallLeavesTheSunOfTheEarthStep) {
    const double jde = 2448976.5;
    Engine engine;
    const double obliquity = Obliquity(true, jde);
    engine.ComputePlanet(Ven, obliquity, jde);
    EXPECT_NEAR(engine.BodyPositions[Sol].Longitude, 268.355857, ReferenceTolerance);
    engine.ComputePlanet(Sol, obliquity, jde);
    EXPECT_NEAR(engine.BodyPositions[Sol].Longitude, 268.355882, ReferenceTolerance);
}

TEST(Planets, TheSunsDistanceIsTheEarthsAndItsLatitudeNearlyZero) {
    struct Case {
        double jde;
        double distance;
    };
    const Case cases[] = {{2460311.5, 0.983}, {2460497.5, 1.017}};  // 2024-01-03, 2024-07-06
    for (const Case& c : cases) {
        SCOPED_TRACE(c.jde);
        Engine engine;
        engine.ComputePlanet(Sol, Obliquity(true, c.jde), c.jde);
        EXPECT_NEAR(engine.BodyPositions[Sol].Distance, engine.EarthSunDistance, 1e-12);
        EXPECT_NEAR(engine.EarthSunDistance, c.distance, 0.0005);
        EXPECT_LT(std::fabs(engine.BodyPositions[Sol].Latitude), 1.0 / 3600);
    }
}

TEST(Planets, ACallWritesOnlyItsBodyAndTheSun) {
    const double jde = 2460000.5;
    const double obliquity = Obliquity(true, jde);
    Engine engine;
    for (int body : {Sol, Mer, Ven, Jup}) engine.ComputePlanet(body, obliquity, jde);
    const auto before = engine.BodyPositions;
    engine.ComputePlanet(Mar, obliquity, jde);
    for (int body = 0; body < static_cast<int>(before.size()); ++body) {
        if (body == Mar || body == Sol) continue;
        SCOPED_TRACE(body);
        EXPECT_EQ(engine.BodyPositions[body].Longitude, before[body].Longitude);
        EXPECT_EQ(engine.BodyPositions[body].Declination, before[body].Declination);
    }
    const BodyPosition mars = engine.BodyPositions[Mar];
    engine.ComputePlanet(Mar, obliquity, jde);
    EXPECT_EQ(engine.BodyPositions[Mar].Longitude, mars.Longitude);
    EXPECT_EQ(engine.BodyPositions[Mar].Latitude, mars.Latitude);
    EXPECT_EQ(engine.BodyPositions[Mar].Distance, mars.Distance);
}

TEST(Planets, SouthernLatitudesAreNegativeAndLongitudesReduced) {
    // Over two decades, every planet stays within its range and a latitude
    // south of the ecliptic comes back negative, not as 360 - |b|.
    Engine engine;
    bool sawSouthern = false;
    for (double jde = 2451545.0; jde < 2451545.0 + 7300; jde += 97.3) {
        const double obliquity = Obliquity(true, jde);
        for (int body = Mer; body <= Nep; ++body) {
            engine.ComputePlanet(body, obliquity, jde);
            const BodyPosition& p = engine.BodyPositions[body];
            SCOPED_TRACE(testing::Message() << BodyLabels[body] << " at " << jde);
            ASSERT_GE(p.Longitude, 0);
            ASSERT_LT(p.Longitude, 360);
            ASSERT_LT(std::fabs(p.Latitude), 10);
            ASSERT_GE(p.Declination, -90);
            ASSERT_LE(p.Declination, 90);
            sawSouthern = sawSouthern || p.Latitude < 0;
        }
    }
    EXPECT_TRUE(sawSouthern);
}

TEST(Planets, MercuryNearInferiorConjunction) {
    // 2024-04-11: Mercury in inferior conjunction, about 0.57 AU away.
    const double jde = 2460411.5;
    Engine engine;
    engine.ComputePlanet(Mer, Obliquity(true, jde), jde);
    const double distance = engine.BodyPositions[Mer].Distance;
    EXPECT_NEAR(distance, 0.57, 0.03);
    const GeocentricVectorResult v =
        GeocentricVector(Mer, engine.EarthHeliocentric(jde), JulianMillennia(jde - 0.0057755183 * distance));
    EXPECT_NEAR(v.LightTime, 0.0057755183 * distance, 1e-7);
}

}  // namespace
}  // namespace kalto
