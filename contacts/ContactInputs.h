// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inputs of the contact search as the page's controls hold them, and the
// arithmetic that keeps them consistent: the target position, the orb, the
// coordinate switch and the span of dates.

#include "Bodies.h"
#include "DateTime.h"
#include "SignNames.h"

#include <array>
#include <string>
#include <string_view>

namespace kalto {

// The page's list of bodies; item i is body number i + 1.
inline constexpr std::array<std::string_view, ComputedBodyCount> ContactBodyItems = {
    "Sol", "Lun", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura", "Nep", "Plu", "Nod"};

// The page's list of signs, in the lists' form ("Acu").
inline constexpr const std::array<std::string_view, SignCount>& ContactSignItems = SignListItems;

// The kinds of angle and of coordinates the page offers.
inline constexpr std::array<std::string_view, 2> AngleTypeItems = {"Múltiplo", "Exacto"};
inline constexpr std::array<std::string_view, 2> CoordinateItems = {"Eclíptica", "Zodíaco"};

// The angle of a contact: whole degrees.
inline constexpr int MinContactAngle = 0;
inline constexpr int MaxContactAngle = 180;
inline constexpr int ContactAngleIncrement = 15;
inline constexpr int DefaultContactAngle = 15;

// The orb in degrees and minutes; it never falls below 30'.
inline constexpr int MaxOrbDegrees = 5;
inline constexpr double MinContactOrb = 0.5;

// The span buttons "1 m" .. "24 m": calendar months after the first day.
inline constexpr std::array<int, 7> ContactSpanButtonMonths = {1, 2, 3, 4, 6, 12, 24};

enum class CoordinateMode { Ecliptic = 0, Zodiac = 1 };

// The fixed point of "Con la posición:" with its coordinates and sign. In ecliptic
// mode Degrees counts 0..359 of the ecliptic; in zodiac mode 0..29 within Sign.
struct ContactPosition {
    int Degrees = 0;
    int Minutes = 0;
    int Seconds = 0;
    CoordinateMode Mode = CoordinateMode::Ecliptic;
    int Sign = 0;  // 0 Ari .. 11 Pis
    auto operator<=>(const ContactPosition&) const = default;
};

// The orb as degrees and minutes.
struct OrbSpin {
    int Degrees = 0;
    int Minutes = 30;
    auto operator<=>(const OrbSpin&) const = default;
};

// Seconds and minutes of 60 or more carry into the next unit,
// negative ones borrow from it; the degrees wrap at 360 in ecliptic mode and at
// 30 in zodiac mode, where the sign stays as it is.
[[nodiscard]] ContactPosition NormalizePosition(ContactPosition position) noexcept;

// Minutes of 60 or more carry into the degrees, which wrap at
// 180; an orb of 0 degrees and fewer than 30 minutes becomes 0° 30'; negative
// minutes borrow a degree.
[[nodiscard]] OrbSpin NormalizeOrb(OrbSpin orb) noexcept;

// ContactTarget: the ecliptic longitude of the position, degrees.
[[nodiscard]] double ContactTarget(const ContactPosition& position) noexcept;

// ContactOrb: degrees.
[[nodiscard]] double ContactOrb(const OrbSpin& orb) noexcept;

// The position as the contact records and grids show it: " 123° 30' 00\"" in
// ecliptic mode, " 03° 30' 00\" Leo" in zodiac mode.
[[nodiscard]] std::string PositionText(const ContactPosition& position);

// Switching to zodiac mode takes the sign from the ecliptic
// degrees and keeps the degrees within it; switching to ecliptic mode adds the
// sign back. Choosing the mode already set changes nothing.
[[nodiscard]] ContactPosition SwitchCoordinates(ContactPosition position, CoordinateMode mode) noexcept;

// ContactSpanDays: trunc(end - start), held to the range of int.
[[nodiscard]] int ContactSpanDays(TDateTime start, TDateTime end) noexcept;

// The end date `months` calendar months after `start`, the day cut
// to the length of the target month, the time of day kept.
[[nodiscard]] TDateTime SpanButtonEnd(TDateTime start, int months) noexcept;

struct ContactDates {
    TDateTime Start = 0;
    TDateTime End = 0;
};

// The dates a double click on either date gives: from 15 days before `today` to 30 days after that.
[[nodiscard]] ContactDates DoubleClickDates(TDateTime today) noexcept;

}  // namespace kalto
