// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApparentPlace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kalto {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double ArcSecond = 1.0 / 3600.0;

TEST(ApparentPlace, Normalize360) {
    struct Case {
        double in, out;
    };
    const Case cases[] = {
        {370, 10},   {-10, 350},       {720, 0},          {0, 360},           {-360, 360}, {359.9999, 359.9999},
        {-370, 350}, {360.004, 0.004}, {-0.004, 359.996}, {1e5 + 0.5, 280.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_NEAR(Normalize360(c.in), c.out, 1e-9);
    }
}

TEST(ApparentPlace, QuadrantAngle) {
    struct Case {
        double x, y, angle;
    };
    const Case cases[] = {
        {1, 1, pi / 4}, {-1, 1, 3 * pi / 4}, {-1, -1, 5 * pi / 4}, {1, -1, 7 * pi / 4}, {1, 0, 2 * pi},
        {-1, 0, pi},    {0, 1, pi / 2},      {0, -1, -pi / 2},     {0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        EXPECT_NEAR(QuadrantAngle(c.x, c.y), c.angle, 1e-15);
    }
}

TEST(ApparentPlace, NutationAndObliquityAtMeeusExample) {
    // 1992 December 20, 0h TD.
    const double jde = 2448976.5;
    EXPECT_NEAR(NutationInLongitude(jde), 0.0046628, 1e-7);
    EXPECT_NEAR(Obliquity(false, jde), 23.4402056, 1e-7);
    EXPECT_NEAR(Obliquity(true, jde), 23.4396836, 1e-7);
    EXPECT_DOUBLE_EQ(Obliquity(false, J2000), 23.43929111);
}

TEST(ApparentPlace, NutationStaysWithinItsAmplitudes) {
    // Over two nodal periods: |Δψ| <= 18.96", |Δε| <= 9.96".
    for (double jde = 2440000; jde < 2440000 + 2 * 6798; jde += 0.7) {
        SCOPED_TRACE(jde);
        ASSERT_LE(std::fabs(NutationInLongitude(jde)), 18.96 * ArcSecond);
        ASSERT_LE(std::fabs(Obliquity(true, jde) - Obliquity(false, jde)), 9.96 * ArcSecond);
    }
}

TEST(ApparentPlace, FK5CorrectionAtTheOrigin) {
    double l = 0, b = 0;
    FK5Correction(l, b, 0);
    EXPECT_NEAR(l, -0.09033 * ArcSecond, 1e-10);
    EXPECT_LE(std::fabs(b), 0.055 * ArcSecond);
    EXPECT_NEAR(b, 0.03916 * ArcSecond, 1e-9);
}

TEST(ApparentPlace, FK5CorrectionMapsLatitudeFromTheSeriesRange) {
    double l = 100, b = 359;  // a series latitude of 359° is 1° south
    FK5Correction(l, b, 0.1);
    EXPECT_NEAR(b, -1, 1e-4);
}

TEST(ApparentPlace, AberrationOfABodyInConjunctionWithTheSun) {
    // On the ecliptic in the Sun's direction the body loses the whole constant
    // of aberration κ, less the eccentricity term, and gains the nutation.
    double l = 100, b = 0;
    const double jde = J2000;
    AberrationAndNutation(l, b, 100, 0, jde);
    const double e = 0.016708634, kappa = 0.0056932;
    const double expected = 100 - kappa + e * kappa * std::cos((102.93735 - 100) * pi / 180) + NutationInLongitude(jde);
    EXPECT_NEAR(l, expected, 1e-12);
    EXPECT_DOUBLE_EQ(b, 0);
}

TEST(ApparentPlace, EclipticToEquatorialReferencePoints) {
    const double e = 23.4392911;
    const EquatorialPosition solstice = EclipticToEquatorial(e, 0, 90);
    EXPECT_NEAR(solstice.RightAscension, 90, 1e-12);
    EXPECT_NEAR(solstice.Declination, e, 1e-12);
    const EquatorialPosition equinox = EclipticToEquatorial(e, 0, 0);
    EXPECT_DOUBLE_EQ(equinox.RightAscension, 360);
    EXPECT_DOUBLE_EQ(equinox.Declination, 0);
}

TEST(ApparentPlace, MeeusExample13a) {
    // Pollux: α = 116.328942°, δ = 28.026183°, ε = 23.4392911° gives
    // λ = 113.215630°, β = 6.684170°.
    const EclipticPosition ecl = EquatorialToEcliptic(23.4392911, 28.026183, 116.328942);
    EXPECT_NEAR(ecl.Longitude, 113.215630, 1e-6);
    EXPECT_NEAR(ecl.Latitude, 6.684170, 1e-6);
}

TEST(ApparentPlace, EquatorialAndEclipticRoundTrip) {
    const double e = 23.44;
    for (double ra = 0.5; ra < 360; ra += 17.3) {
        for (double dec = -85; dec <= 85; dec += 12.5) {
            SCOPED_TRACE(testing::Message() << ra << ", " << dec);
            const EclipticPosition ecl = EquatorialToEcliptic(e, dec, ra);
            const EquatorialPosition eq = EclipticToEquatorial(e, ecl.Latitude, ecl.Longitude);
            EXPECT_NEAR(eq.RightAscension, ra, 1e-9);
            EXPECT_NEAR(eq.Declination, dec, 1e-9);
        }
    }
}

TEST(ApparentPlace, NutationAndTrueObliquityAreTheTwoFunctionsValues) {
    for (double jde = 1721425.5; jde < 5373484.5; jde += 12345.678) {
        SCOPED_TRACE(jde);
        const NutationAndObliquity both = NutationAndTrueObliquity(jde);
        EXPECT_EQ(both.NutationInLongitude, NutationInLongitude(jde));
        EXPECT_EQ(both.TrueObliquity, Obliquity(true, jde));
    }
}

// The engine's own path for the Sun and the planets takes sines and cosines
// from the geocentric vector; it must agree with the formulas above.

SinCos Direction(double degrees) {
    return {std::sin(degrees * pi / 180), std::cos(degrees * pi / 180)};
}

TEST(ApparentPlace, TurnedAddsASmallAngle) {
    for (const double degrees : {0.0, 17.5, 90.0, 181.3, 269.99, 359.9}) {
        for (const double by : {-1e-3, -2.1e-4, 0.0, 1e-9, 5e-4, 1e-3}) {
            SCOPED_TRACE(testing::Message() << degrees << " turned by " << by);
            const SinCos turned = Turned(Direction(degrees), by);
            EXPECT_NEAR(turned.Sin, std::sin(degrees * pi / 180 + by), 4e-16);
            EXPECT_NEAR(turned.Cos, std::cos(degrees * pi / 180 + by), 4e-16);
        }
    }
}

TEST(ApparentPlace, AberrationOfADirectionIsThatOfAddAberrationAndNutation) {
    struct Case {
        double longitude, latitude, sun, T;
    };
    const Case cases[] = {{100, 0, 100, 0},        {313.08, -2.08, 268.36, -0.07}, {25.25, -1.26, 280.37, 0},
                          {0.004, 3.5, 181, 0.27}, {359.99, -6.8, 12, -2},         {200, 60, 90, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.longitude << ", " << c.latitude);
        double longitude = c.longitude;
        double latitude = c.latitude;
        AddAberrationAndNutation(longitude, latitude, c.sun, c.T, 0);
        const EclipticShift shift = Aberration(Direction(c.longitude), Direction(c.latitude), Direction(c.sun),
                                               Direction(PerihelionLongitude(c.T)), c.T);
        EXPECT_NEAR(shift.Longitude, longitude - c.longitude, 1e-13);
        EXPECT_NEAR(shift.Latitude, latitude - c.latitude, 1e-13);
    }
}

TEST(ApparentPlace, EclipticToEquatorialOfADirectionIsThatOfItsAngles) {
    const double e = 23.4392911;
    for (double longitude = 0; longitude < 360; longitude += 22.5) {
        for (const double latitude : {-7.0, -0.5, 0.0, 1e-12, 3.25, 8.0}) {
            SCOPED_TRACE(testing::Message() << longitude << ", " << latitude);
            const EquatorialPosition expected = EclipticToEquatorial(e, latitude, longitude);
            const EquatorialPosition direction =
                EclipticToEquatorial(Direction(e), Direction(latitude), Direction(longitude));
            EXPECT_NEAR(std::remainder(direction.RightAscension - expected.RightAscension, 360), 0, 1e-12);
            EXPECT_NEAR(direction.Declination, expected.Declination, 1e-12);
        }
    }
    // The vernal point itself, as QuadrantAngle gives it.
    EXPECT_DOUBLE_EQ(EclipticToEquatorial(Direction(e), {0, 1}, {0, 1}).RightAscension, 360);
}

}  // namespace
}  // namespace kalto
