// SPDX-License-Identifier: GPL-3.0-or-later
// Each value of the settings file held to the range the window's control for
// it takes: below its range it becomes the lowest value, above it the
// highest, inside it stays; every other field stays as it was.

#include "SettingsRanges.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace kalto {
namespace {

struct IntegerRange {
    const char* Key;
    int KaltoSettings::*Field;
    int Coordinates;  // the coordinates the position is given in
    int Lowest;
    int Highest;
};

// The window's controls: the position's degrees below 360 (ecliptic) or 30
// (within a sign), minutes and seconds below 60, the two coordinate choices,
// no sign or one of twelve, eleven bodies, angles up to 180°, the two angle
// types, orbs up to 5°.
const IntegerRange IntegerRanges[] = {
    {"[Posicion] Gra, ecliptic", &KaltoSettings::PositionDegrees, 0, 0, 359},
    {"[Posicion] Gra, within a sign", &KaltoSettings::PositionDegrees, 1, 0, 29},
    {"[Posicion] Min", &KaltoSettings::PositionMinutes, 0, 0, 59},
    {"[Posicion] Sec", &KaltoSettings::PositionSeconds, 0, 0, 59},
    {"[Posicion] Cordenadas", &KaltoSettings::Coordinates, 0, 0, 1},
    {"[Posicion] Signos", &KaltoSettings::Sign, 0, -1, 11},
    {"[Contacto] Planeta", &KaltoSettings::ContactBody, 0, 0, 10},
    {"[Contacto] Angulo", &KaltoSettings::Angle, 0, 0, 180},
    {"[Contacto] TipAngulo", &KaltoSettings::AngleType, 0, 0, 1},
    {"[Contacto] Gra", &KaltoSettings::OrbDegrees, 0, 0, 5},
    {"[Contacto] Min", &KaltoSettings::OrbMinutes, 0, 0, 59},
};

TEST(HeldToControlRanges, EachIntegerBelowInsideAndAboveItsRange) {
    for (const IntegerRange& range : IntegerRanges) {
        const int middle = range.Lowest + (range.Highest - range.Lowest) / 2;
        const std::pair<int, int> cases[] = {
            {INT_MIN, range.Lowest},  {range.Lowest - 1, range.Lowest}, {range.Lowest, range.Lowest},
            {middle, middle},         {range.Highest, range.Highest},   {range.Highest + 1, range.Highest},
            {INT_MAX, range.Highest},
        };
        for (const auto& [stored, held] : cases) {
            SCOPED_TRACE(std::string(range.Key) + " = " + std::to_string(stored));
            KaltoSettings settings;
            if (range.Field != &KaltoSettings::Coordinates) settings.Coordinates = range.Coordinates;
            settings.*range.Field = stored;
            KaltoSettings expected = settings;
            expected.*range.Field = held;
            EXPECT_EQ(HeldToControlRanges(settings), expected);
        }
    }
}

TEST(HeldToControlRanges, TheTimeZoneBelowInsideAndAboveItsRange) {
    const std::pair<double, double> cases[] = {
        {-1e9, -11.99}, {-12, -11.99},  {-11.99, -11.99}, {-3.5, -3.5},
        {0, 0},         {11.99, 11.99}, {12, 11.99},      {1e9, 11.99},
    };
    for (const auto& [stored, held] : cases) {
        SCOPED_TRACE("[Config] TZ = " + std::to_string(stored));
        KaltoSettings settings;
        settings.TimeZone = stored;
        KaltoSettings expected = settings;
        expected.TimeZone = held;
        EXPECT_EQ(HeldToControlRanges(settings), expected);
    }
}

// A file whose every value lies inside its range, the switches and the
// colours away from their defaults, stays as it is.
TEST(HeldToControlRanges, ValuesInsideTheirRangesStayAsTheyAre) {
    KaltoSettings settings = test::ChangedSettings();
    settings.PositionDegrees = 12;  // degrees within a sign, as its coordinates say
    EXPECT_EQ(HeldToControlRanges(settings), settings);
}

}  // namespace
}  // namespace kalto
