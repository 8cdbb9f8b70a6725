// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeRoot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace kalto {
namespace {

TEST(TimeRoot, SignedDegreesIsTheDifferenceOnTheCircle) {
    struct Case {
        double degrees;
        double expected;
    };
    const Case cases[] = {
        {0, 0},    {179.5, 179.5}, {180, 180},   {-180, 180}, {190, -170},
        {359, -1}, {-359, 1},      {720.5, 0.5}, {-540, 180}, {-0.25, -0.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.degrees);
        EXPECT_DOUBLE_EQ(SignedDegrees(c.degrees), c.expected);
    }
}

// Smooth, steep, flat and broken functions, on brackets of a fraction of a
// day and on dates of this century (day numbers near 46,000, where a double
// holds the time to some microseconds).
TEST(TimeRoot, BrentsMethodFindsTheRootWithinTheTolerance) {
    struct Case {
        std::string name;
        TimeFunction f;
        TDateTime t0;
        TDateTime t1;
        TDateTime root;
        double tolerance;
    };
    const TDateTime day = 46466;  // 2027-03-20
    const Case cases[] = {
        {"cosine", [](TDateTime t) { return std::cos(t); }, 0, 3, std::numbers::pi / 2, 1e-12},
        {"cubic", [](TDateTime t) { return t * t * t - 2; }, 0, 2, std::cbrt(2.0), 1e-12},
        {"steep", [](TDateTime t) { return std::tanh(1e4 * (t - 0.3)); }, 0, 1, 0.3, 1e-9},
        {"flat", [](TDateTime t) { return std::pow(t - 0.6, 3); }, 0, 1, 0.6, 1e-6},
        {"step", [](TDateTime t) { return t < 0.7 ? -1.0 : 1.0; }, 0, 1, 0.7, 1e-9},
        {"a date, 1 degree a day", [=](TDateTime t) { return (t - day - 0.85) * 1.0; }, day, day + 2, day + 0.85,
         CrossingTolerance},
        {"a date, the Moon", [=](TDateTime t) { return std::sin(13.2 * (t - day - 0.123456)); }, day - 0.1, day + 0.2,
         day + 0.123456, CrossingTolerance},
        {"reversed bracket", [](TDateTime t) { return 0.5 - t; }, 1, 0, 0.5, 1e-12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<TimeRoot> root = FindTimeRoot(c.f, c.t0, c.t1, c.tolerance);
        ASSERT_TRUE(root);
        EXPECT_NEAR(root->Time, c.root, c.tolerance);
        EXPECT_EQ(root->Value, c.f(root->Time));
        EXPECT_LE(root->Evaluations, 60);
    }
}

TEST(TimeRoot, ABracketWithoutAChangeOfSignOrWithANaNGivesNothing) {
    EXPECT_FALSE(FindTimeRoot([](TDateTime t) { return t * t + 1; }, -1, 1, 1e-9));
    EXPECT_FALSE(FindTimeRoot([](TDateTime t) { return std::cos(t); }, 0, 2 * std::numbers::pi, 1e-9));
    EXPECT_FALSE(FindTimeRoot([](TDateTime t) { return t < 0.5 ? -1 : std::nan(""); }, 0, 1, 1e-9));
    // A zero at an end is the root.
    const std::optional<TimeRoot> end = FindTimeRoot([](TDateTime t) { return t - 1; }, 0, 1, 1e-9);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->Time, 1);
}

// sin t has roots at 0, pi, 2 pi, ...: from a guess the root of the nearest
// ring that brackets one is found, the later side first, however far the
// rings must reach; none beyond them.
TEST(TimeRoot, TheRootNearAGuessIsThatOfTheNearestRingThatBracketsOne) {
    const TimeFunction sine = [](TDateTime t) { return std::sin(t); };
    struct Case {
        TDateTime guess;
        double step;
        int rings;
        std::optional<TDateTime> root;
    };
    const Case cases[] = {
        {3.0, 0.01, 8, std::numbers::pi},      // later
        {3.3, 0.01, 8, std::numbers::pi},      // earlier
        {4.0, 0.01, 9, std::numbers::pi},      // earlier: 2 pi lies beyond the ring that reaches pi
        {5.0, 0.01, 9, 2 * std::numbers::pi},  // later, in the same ring as pi
        {std::numbers::pi, 0.01, 1, std::numbers::pi},
        {1.6, 0.001, 10, std::nullopt},      // the rings reach 0.512 either side
        {1.6, 0.001, 12, std::numbers::pi},  // and then 2.048
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guess);
        const std::optional<TimeRoot> root = FindTimeRootNear(sine, c.guess, c.step, c.rings, 1e-10);
        ASSERT_EQ(root.has_value(), c.root.has_value());
        if (root) {
            EXPECT_NEAR(root->Time, *c.root, 1e-10);
        }
    }
}

}  // namespace
}  // namespace kalto
