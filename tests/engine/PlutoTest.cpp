// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApparentPlace.h"
#include "ConstTables.h"
#include "Engine.h"
#include "Pluto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kalto {
namespace {

TEST(Pluto, TimeArgumentSpansTheSeriesInterval) {
    struct Case {
        double jde, x, fx;
    };
    const Case cases[] = {
        {2341972.5, -1, -73060},  // 1700 January 1, 0h
        {2415032.5, 0, 0},        // 1900 January 1, 0h
        {2488092.5, 1, 73060},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.jde);
        EXPECT_EQ(PlutoTime(c.jde), c.x);
        EXPECT_EQ(PlutoDays(PlutoTime(c.jde)), c.fx);
    }
}

// At x = 0 every argument is 0, so each coordinate is its constant term plus
// the cosine amplitudes of the 82 terms of power 0.
TEST(Pluto, AtTheOriginOfTimeEachCoordinateIsItsConstantAndPeriodicCosineAmplitudes) {
    const RectangularPosition p = PlutoHeliocentric(2415032.5);
    const PlutoCoordinate* coordinates[] = {&ConstPlutoII.X, &ConstPlutoII.Y, &ConstPlutoII.Z};
    const double values[] = {p.X, p.Y, p.Z};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        double expected = coordinates[k]->Polynomial[0];
        for (int i = 0; i < 82; ++i) expected += coordinates[k]->Cosines[i];
        EXPECT_NEAR(values[k], expected * 1e-10, 1e-12);
    }
}

struct PublishedPosition {
    double jd, x, y, z;
};

// The positions that Chapront and Francou print with their series (file
// test_positions.csv: jd_tdb,x_au,y_au,z_au,source).
constexpr const char* PublishedPositionsFile = KALTO_DATA_DIR "/pluto/test_positions.csv";

std::vector<PublishedPosition> ReadPublishedPositions() {
    std::ifstream file(PublishedPositionsFile);
    std::vector<PublishedPosition> positions;
    std::string line;
    std::getline(file, line);  // header
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        PublishedPosition p;
        char comma;
        if (fields >> p.jd >> comma >> p.x >> comma >> p.y >> comma >> p.z) positions.push_back(p);
    }
    return positions;
}

TEST(Pluto, HeliocentricSeriesReproduceTheAuthorsPositions) {
    const std::vector<PublishedPosition> positions = ReadPublishedPositions();
    ASSERT_EQ(positions.size(), 41u) << PublishedPositionsFile;
    for (const PublishedPosition& expected : positions) {
        SCOPED_TRACE(expected.jd);
        const RectangularPosition p = PlutoHeliocentric(expected.jd);
        EXPECT_NEAR(p.X, expected.x, 1e-9);
        EXPECT_NEAR(p.Y, expected.y, 1e-9);
        EXPECT_NEAR(p.Z, expected.z, 1e-9);
    }
}

TEST(Pluto, HeliocentricPositionAtJ2000) {
    const RectangularPosition p = PlutoHeliocentric(2451545.0);
    EXPECT_NEAR(p.X, -9.876003, 5e-7);
    EXPECT_NEAR(p.Y, -27.979190, 5e-7);
    EXPECT_NEAR(p.Z, -5.753682, 5e-7);
}

// Meeus, Astronomical Algorithms, example 26.a: 1992 October 13.0 TD, R =
// 0.99760775 AU. Meeus sums his abridged series and applies no FK5 correction;
// with the complete series and the correction the Sun moves by up to 0.3"
// (1.5e-6 AU).
TEST(Pluto, SunGeocentricJ2000MatchesMeeusExample26a) {
    const RectangularPosition sun = SunGeocentricJ2000(0.99760775, 2448908.5);
    EXPECT_NEAR(sun.X, -0.9373959, 2e-6);
    EXPECT_NEAR(sun.Y, -0.3131679, 2e-6);
    EXPECT_NEAR(sun.Z, -0.1357792, 2e-6);
}

TEST(Pluto, SunVectorScalesWithTheEarthSunDistance) {
    for (double jde : {2341972.5, 2448908.5, 2451545.0, 2488092.5}) {
        for (double r : {0.9833, 1.0, 1.0167}) {
            SCOPED_TRACE(testing::Message() << jde << " R " << r);
            const RectangularPosition once = SunGeocentricJ2000(r, jde);
            const RectangularPosition twice = SunGeocentricJ2000(2 * r, jde);
            EXPECT_DOUBLE_EQ(twice.X, 2 * once.X);
            EXPECT_DOUBLE_EQ(twice.Y, 2 * once.Y);
            EXPECT_DOUBLE_EQ(twice.Z, 2 * once.Z);
            // The rotation to the equator keeps the length.
            EXPECT_NEAR(std::sqrt(once.X * once.X + once.Y * once.Y + once.Z * once.Z), r, 1e-9);
        }
    }
}

TEST(Pluto, RectangularToEquatorialDirections) {
    struct Case {
        double xi, eta, zeta, ra, dec;
    };
    const Case cases[] = {
        {1, 0, 0, 360, 0},  // the angle of (1, 0) is 2π
        {0, 2, 0, 90, 0},  {-3, 0, 0, 180, 0}, {1, 1, std::sqrt(2.0), 45, 45}, {1, -1, -std::sqrt(2.0), 315, -45},
        {0, 0, 5, 0, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.xi << ' ' << c.eta << ' ' << c.zeta);
        const EquatorialPosition e = RectangularToEquatorial(c.xi, c.eta, c.zeta);
        EXPECT_NEAR(e.RightAscension, c.ra, 1e-12);
        EXPECT_NEAR(e.Declination, c.dec, 1e-12);
    }
}

TEST(Pluto, PrecessionFromJ2000) {
    struct Case {
        const char* what;
        double ra0, dec0, jde, ra, dec, tolerance;
    };
    const Case cases[] = {
        // Meeus example 21.b: θ Persei (proper motion applied) to 2028 November 13.19 TD.
        {"Meeus 21.b", 41.054063, 49.227750, 2462088.69, 41.547214, 49.348483, 2e-6},
        // At J2000.0 itself the angles vanish.
        {"J2000.0", 251.428215, -11.396638, 2451545.0, 251.428215, -11.396638, 1e-12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const EquatorialPosition e = PrecessJ2000ToDate(c.ra0, c.dec0, c.jde);
        EXPECT_NEAR(e.RightAscension, c.ra, c.tolerance);
        EXPECT_NEAR(e.Declination, c.dec, c.tolerance);
    }
}

// The reference values are rounded to 1e-6 degree; that tolerance also
// catches the Sun's FK5 correction applied the wrong way round (1.3e-6°).
TEST(Pluto, ReferencePositionAtJ2000) {
    constexpr double tolerance = 1e-6;  // degrees
    constexpr double jde = 2451545.0;
    constexpr double earthSunDistance = 0.9833277;
    const RectangularPosition sun = SunGeocentricJ2000(earthSunDistance, jde);
    const RectangularPosition pluto = PlutoHeliocentric(jde);
    const EquatorialPosition j2000 = RectangularToEquatorial(pluto.X + sun.X, pluto.Y + sun.Y, pluto.Z + sun.Z);
    EXPECT_NEAR(j2000.RightAscension, 251.428215, tolerance);
    EXPECT_NEAR(j2000.Declination, -11.396638, tolerance);

    Engine engine;
    engine.ComputePluto(Obliquity(true, jde), earthSunDistance, jde);
    EXPECT_NEAR(engine.BodyPositions[Plu].Longitude, 251.464027, tolerance);
    EXPECT_NEAR(engine.BodyPositions[Plu].Latitude, 10.854064, tolerance);
}

TEST(Pluto, WritesOnlyLongitudeAndLatitudeOfItsEntry) {
    Engine engine;
    for (BodyPosition& entry : engine.BodyPositions) entry = {7, 7, 7, 7, 7};
    engine.BodyPositions[Plu].Distance = 0;
    engine.EarthSunDistance = 5;
    for (double jde : {2341972.5, 2451545.0, 2488092.5}) {
        SCOPED_TRACE(jde);
        engine.ComputePluto(Obliquity(true, jde), 0.99, jde);
        for (int body = 0; body < static_cast<int>(engine.BodyPositions.size()); ++body) {
            SCOPED_TRACE(body);
            const BodyPosition& entry = engine.BodyPositions[body];
            EXPECT_EQ(entry.RightAscension, 7);
            EXPECT_EQ(entry.Declination, 7);
            EXPECT_EQ(entry.Distance, body == Plu ? 0 : 7);
            if (body != Plu) {
                EXPECT_EQ(entry.Longitude, 7);
                EXPECT_EQ(entry.Latitude, 7);
            }
        }
        EXPECT_EQ(engine.EarthSunDistance, 5);
        EXPECT_GT(engine.BodyPositions[Plu].Longitude, 0);
        EXPECT_LE(engine.BodyPositions[Plu].Longitude, 360);
    }
}

}  // namespace
}  // namespace kalto
