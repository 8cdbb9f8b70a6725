// SPDX-License-Identifier: GPL-3.0-or-later
#include "AngleMatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalto {
namespace {

TEST(AngleMatch, FindsTheMultipleWithinTheOrb) {
    struct Case {
        const char* name;
        double longitude;
        double reference;
        double alpha;
        double orb;
        bool exact;
        bool inOrb;
        int multiple;
    };
    const Case cases[] = {
        {"exact square", 100.5, 10, 90, 1, true, true, 1},
        {"exact square on the other side", 280.2, 10, 90, 1, true, true, 1},
        {"exact: the conjunction does not count", 10.5, 10, 90, 1, true, false, 0},
        {"exact: the opposition does not count", 190, 10, 90, 1, true, false, 2},
        {"exact just outside the orb", 101.1, 10, 90, 1, true, false, 1},
        {"multiple: conjunction", 10.5, 10, 90, 1, false, true, 0},
        {"multiple: square from below", 99.2, 10, 90, 1, false, true, 1},
        {"multiple: opposition", 189.5, 10, 90, 1, false, true, 2},
        {"multiple: between the multiples", 55, 10, 90, 1, false, false, 0},
        {"multiple: across 0 degrees", 359.5, 0.3, 90, 1, false, true, 0},
        {"multiple of 15", 55.4, 10, 15, 0.5, false, true, 3},
        {"alpha 0, multiple: conjunction with k = 0", 10.8, 10, 0, 1, false, true, 0},
        {"alpha 0, exact: conjunction with k = 0", 9.2, 10, 0, 1, true, true, 0},
        {"alpha 0 outside the orb", 11.2, 10, 0, 1, false, false, 0},
        {"two multiples fit: the larger wins", 14, 10, 8, 5, false, true, 1},
        {"183 degrees: 61 with an orb of 5 at 179", 189, 10, 61, 5, false, true, 3},
        {"183 degrees on the other side", 191, 10, 61, 5, false, true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AngleMatchResult match = AngleMatch(c.longitude, c.reference, c.alpha, c.orb, c.exact);
        EXPECT_EQ(match.InOrb, c.inOrb);
        if (c.inOrb) {
            EXPECT_EQ(match.Multiple, c.multiple);
        }
        EXPECT_NEAR(match.Separation, Separation(c.longitude, c.reference), 1e-12);
    }
}

TEST(AngleMatch, SeparationIsTheShorterArcWhateverTheOrder) {
    const double points[] = {0, 0.25, 59.5, 179.75, 180, 180.25, 270, 359.75};
    for (const double a : points) {
        for (const double b : points) {
            SCOPED_TRACE(std::to_string(a) + " " + std::to_string(b));
            const double s = Separation(a, b);
            EXPECT_GE(s, 0);
            EXPECT_LE(s, 180);
            EXPECT_DOUBLE_EQ(s, Separation(b, a));
            double d = std::fmod(std::fabs(a - b), 360.0);
            if (d > 180) d = 360 - d;
            EXPECT_NEAR(s, d, 1e-12);
        }
    }
}

TEST(AngleMatch, DirectionAndStationTestReadCrossingsOfZeroAndOneEightyAsMotion) {
    struct Case {
        const char* name;
        double earlier;
        double later;
        int direction;
        bool turnedIfDirect;
        bool turnedIfRetrograde;
    };
    const Case cases[] = {
        {"direct", 10, 10.1, +1, false, true},
        {"retrograde", 10.1, 10, -1, true, false},
        {"direct across 0", 359.9, 0.1, +1, false, false},
        {"retrograde across 0", 0.1, 359.9, -1, false, false},
        {"direct across 180", 179.9, 180.1, +1, false, false},
        {"retrograde across 180", 180.1, 179.9, -1, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MovingDirection(c.earlier, c.later), c.direction);
        EXPECT_EQ(MovedAgainst(+1, c.earlier, c.later), c.turnedIfDirect);
        EXPECT_EQ(MovedAgainst(-1, c.earlier, c.later), c.turnedIfRetrograde);
    }
}

TEST(AngleMatch, Wrap360KeepsLongitudesInRange) {
    const double cases[][2] = {{0, 0}, {360, 0}, {-1, 359}, {361.5, 1.5}, {-360, 0}, {725, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_NEAR(Wrap360(c[0]), c[1], 1e-12);
        EXPECT_LT(Wrap360(c[0]), 360);
    }
}

}  // namespace
}  // namespace kalto
