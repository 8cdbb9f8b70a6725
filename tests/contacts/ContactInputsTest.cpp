// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactInputs.h"

#include <gtest/gtest.h>

#include <string>

namespace kalto {
namespace {

constexpr CoordinateMode Ecliptic = CoordinateMode::Ecliptic;
constexpr CoordinateMode Zodiac = CoordinateMode::Zodiac;

TEST(ContactInputs, TargetSpinEditsCarryAndWrapAsTheHandlerDoes) {
    struct Case {
        const char* name;
        ContactPosition edited;
        ContactPosition expected;
    };
    const Case cases[] = {
        {"seconds 60: minutes + 1", {10, 20, 60, Ecliptic, 0}, {10, 21, 0, Ecliptic, 0}},
        {"seconds 60 carry to the degrees", {10, 59, 60, Ecliptic, 0}, {11, 0, 0, Ecliptic, 0}},
        {"minutes 60", {10, 60, 5, Ecliptic, 0}, {11, 0, 5, Ecliptic, 0}},
        {"ecliptic 360 is 0", {360, 0, 0, Ecliptic, 0}, {0, 0, 0, Ecliptic, 0}},
        {"ecliptic carry past 359", {359, 59, 60, Ecliptic, 0}, {0, 0, 0, Ecliptic, 0}},
        {"zodiac 30 is 0 of the same sign", {30, 0, 0, Zodiac, 4}, {0, 0, 0, Zodiac, 4}},
        {"zodiac carry past 29 keeps the sign", {29, 59, 60, Zodiac, 11}, {0, 0, 0, Zodiac, 11}},
        {"seconds -1 borrow", {10, 20, -1, Ecliptic, 0}, {10, 19, 59, Ecliptic, 0}},
        {"ecliptic borrow below 0", {0, 0, -1, Ecliptic, 0}, {359, 59, 59, Ecliptic, 0}},
        {"zodiac degrees -1", {-1, 10, 0, Zodiac, 2}, {29, 10, 0, Zodiac, 2}},
        {"already normal", {123, 45, 36, Ecliptic, 0}, {123, 45, 36, Ecliptic, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NormalizePosition(c.edited), c.expected);
    }
}

TEST(ContactInputs, OrbNeverFallsBelowThirtyMinutes) {
    struct Case {
        OrbSpin edited;
        OrbSpin expected;
    };
    const Case cases[] = {
        {{0, 10}, {0, 30}}, {{0, 0}, {0, 30}},  {{0, 29}, {0, 30}}, {{0, 30}, {0, 30}}, {{0, -1}, {0, 30}},
        {{1, 10}, {1, 10}}, {{1, -1}, {0, 59}}, {{0, 60}, {1, 0}},  {{5, 60}, {6, 0}},  {{5, 59}, {5, 59}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.edited.Degrees) + ":" + std::to_string(c.edited.Minutes));
        const OrbSpin orb = NormalizeOrb(c.edited);
        EXPECT_EQ(orb, c.expected);
        EXPECT_GE(ContactOrb(orb), 0.5);
    }
    EXPECT_DOUBLE_EQ(ContactOrb({1, 30}), 1.5);
    EXPECT_DOUBLE_EQ(ContactOrb({5, 0}), 5.0);
}

TEST(ContactInputs, TargetAndItsText) {
    struct Case {
        ContactPosition position;
        double target;
        const char* text;
    };
    const Case cases[] = {
        {{123, 45, 36, Ecliptic, 7}, 123.76, " 123\u00B0 45' 36\""},
        {{0, 0, 0, Ecliptic, 0}, 0, " 00\u00B0 00' 00\""},
        {{15, 30, 0, Zodiac, 4}, 135.5, " 15\u00B0 30' 00\" Leo"},
        {{0, 0, 0, Zodiac, 10}, 300, " 00\u00B0 00' 00\" Acu"},
        {{29, 59, 59, Zodiac, 11}, 359 + 59.0 / 60 + 59.0 / 3600, " 29\u00B0 59' 59\" Pis"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_NEAR(ContactTarget(c.position), c.target, 1e-12);
        EXPECT_EQ(PositionText(c.position), c.text);
    }
}

TEST(ContactInputs, CoordinateSwitchKeepsTheTarget) {
    for (int degrees = 0; degrees < 360; ++degrees) {
        SCOPED_TRACE(degrees);
        const ContactPosition ecliptic{degrees, 12, 34, Ecliptic, 0};
        const ContactPosition zodiac = SwitchCoordinates(ecliptic, Zodiac);
        EXPECT_EQ(zodiac.Mode, Zodiac);
        EXPECT_EQ(zodiac.Sign, degrees / 30);
        EXPECT_EQ(zodiac.Degrees, degrees % 30);
        EXPECT_DOUBLE_EQ(ContactTarget(zodiac), ContactTarget(ecliptic));
        EXPECT_EQ(SwitchCoordinates(zodiac, Ecliptic), (ContactPosition{degrees, 12, 34, Ecliptic, degrees / 30}));
        // Choosing the mode already set changes nothing.
        EXPECT_EQ(SwitchCoordinates(zodiac, Zodiac), zodiac);
    }
}

TEST(ContactInputs, SpanDaysAndSpanButtons) {
    EXPECT_EQ(ContactSpanDays(EncodeDate(2027, 1, 1), EncodeDate(2027, 12, 31)), 364);
    EXPECT_EQ(ContactSpanDays(EncodeDate(2027, 1, 1), EncodeDate(2027, 1, 1)), 0);
    EXPECT_EQ(ContactSpanDays(EncodeDate(2027, 1, 2), EncodeDate(2027, 1, 1)), -1);
    // trunc of the difference of the date-times, times of day included.
    EXPECT_EQ(ContactSpanDays(EncodeDate(2027, 1, 1) + 0.75, EncodeDate(2027, 1, 3) + 0.25), 1);

    const TDateTime start = EncodeDate(2027, 1, 31) + 0.5;
    EXPECT_EQ(SpanButtonEnd(start, 1), EncodeDate(2027, 2, 28) + 0.5);
    EXPECT_EQ(SpanButtonEnd(start, 24), EncodeDate(2029, 1, 31) + 0.5);
    EXPECT_EQ(SpanButtonEnd(EncodeDate(2027, 12, 31), 2), EncodeDate(2028, 2, 29));

    const ContactDates dates = DoubleClickDates(EncodeDate(2027, 3, 16));
    EXPECT_EQ(dates.Start, EncodeDate(2027, 3, 1));
    EXPECT_EQ(dates.End, EncodeDate(2027, 3, 31));
}

}  // namespace
}  // namespace kalto
