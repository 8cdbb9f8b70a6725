#pragma once
// The inputs of the contact search as the page's controls hold them, and the
// arithmetic of their change handlers: the target position, the orb, the
// coordinate switch and the span of dates.

#include "Bodies.h"
#include "DateTime.h"

#include <array>
#include <string>
#include <string_view>

namespace kalto {

// Items of the body list RGPlanetas; item i is body number i + 1.
inline constexpr std::array<std::string_view, ComputedBodyCount> ContactBodyItems = {
    "Sol", "Lun", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura", "Nep", "Plu", "Nod"};

// Items of the sign list RGSignos (the eleventh is "Acu" here).
inline constexpr std::array<std::string_view, 12> ContactSignItems = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                                                      "Lib", "Esc", "Sag", "Cap", "Acu", "Pis"};

// Items of RGTipoAngulo and RGCord.
inline constexpr std::array<std::string_view, 2> AngleTypeItems = {"Múltiplo", "Exacto"};
inline constexpr std::array<std::string_view, 2> CoordinateItems = {"Eclíptica", "Zodíaco"};

// SEAngulo: whole degrees.
inline constexpr int MinContactAngle = 0;
inline constexpr int MaxContactAngle = 180;
inline constexpr int ContactAngleIncrement = 15;
inline constexpr int DefaultContactAngle = 15;

// SEGraOrb and SEMinOrb; the handler never lets the orb fall below 30'.
inline constexpr int MaxOrbDegrees = 5;
inline constexpr double MinContactOrb = 0.5;

// Span buttons SE1..SE7: captions "1 m" .. "24 m", tags in months.
inline constexpr std::array<int, 7> ContactSpanButtonMonths = {1, 2, 3, 4, 6, 12, 24};

enum class CoordinateMode { Ecliptic = 0, Zodiac = 1 };

// The spin edits of "Con la posición:" with RGCord and RGSignos. In ecliptic
// mode Degrees counts 0..359 of the ecliptic; in zodiac mode 0..29 within Sign.
struct ContactPosition {
    int Degrees = 0;
    int Minutes = 0;
    int Seconds = 0;
    CoordinateMode Mode = CoordinateMode::Ecliptic;
    int Sign = 0;  // 0 Ari .. 11 Pis
    auto operator<=>(const ContactPosition&) const = default;
};

// SEGraOrb and SEMinOrb.
struct OrbSpin {
    int Degrees = 0;
    int Minutes = 30;
    auto operator<=>(const OrbSpin&) const = default;
};

// SEGraLonChange: seconds and minutes of 60 or more carry into the next unit,
// negative ones borrow from it; the degrees wrap at 360 in ecliptic mode and at
// 30 in zodiac mode, where the sign stays as it is.
[[nodiscard]] ContactPosition SEGraLonChange(ContactPosition position) noexcept;

// SEGraOrbChange: minutes of 60 or more carry into the degrees, which wrap at
// 180; an orb of 0 degrees and fewer than 30 minutes becomes 0° 30'; negative
// minutes borrow a degree.
[[nodiscard]] OrbSpin SEGraOrbChange(OrbSpin orb) noexcept;

// ContactTarget: the ecliptic longitude of the position, degrees.
[[nodiscard]] double ContactTarget(const ContactPosition& position) noexcept;

// ContactOrb: degrees.
[[nodiscard]] double ContactOrb(const OrbSpin& orb) noexcept;

// The position as the contact records and grids show it: " 123° 30' 00\"" in
// ecliptic mode, " 03° 30' 00\" Leo" in zodiac mode.
[[nodiscard]] std::string PositionText(const ContactPosition& position);

// RGCordClick: switching to zodiac mode takes the sign from the ecliptic
// degrees and keeps the degrees within it; switching to ecliptic mode adds the
// sign back. Choosing the mode already set changes nothing.
[[nodiscard]] ContactPosition RGCordClick(ContactPosition position, CoordinateMode mode) noexcept;

// ContactSpanDays: trunc(end - start), held to the range of int.
[[nodiscard]] int ContactSpanDays(TDateTime start, TDateTime end) noexcept;

// SE1Click: the end date `months` calendar months after `start`, the day cut
// to the length of the target month, the time of day kept.
[[nodiscard]] TDateTime SpanButtonEnd(TDateTime start, int months) noexcept;

struct ContactDates {
    TDateTime Start = 0;
    TDateTime End = 0;
};

// DateCWork1DblClick: from 15 days before `today` to 30 days after that.
[[nodiscard]] ContactDates DoubleClickDates(TDateTime today) noexcept;

}  // namespace kalto
