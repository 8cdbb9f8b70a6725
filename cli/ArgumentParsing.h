// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the values of command-line arguments, independent of the locale.
// Each Parse function throws UsageError with a Spanish message when the text is
// not a valid value.

#include "ContactInputs.h"
#include "DateTime.h"
#include "TimeZones.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalto::cli {

// The messages of a wrong command line, thrown as UsageError: an argument
// that is not an option where `command` takes options alone, an unknown
// option, an option without its value (`meaning` says what the value is; may
// be empty), a flag given a value and an unknown format (`offered` names the
// known ones).
[[noreturn]] void ThrowExtraArgument(std::string_view argument, std::string_view command);
[[noreturn]] void ThrowUnknownOption(std::string_view argument);
[[noreturn]] void ThrowMissingValue(std::string_view name, std::string_view meaning);
[[noreturn]] void ThrowFlagWithValue(std::string_view name);
[[noreturn]] void ThrowUnknownFormat(std::string_view text, std::string_view offered);

// `text` between « and », as the messages quote an argument.
[[nodiscard]] std::string Quoted(std::string_view text);

// Whether the texts are equal but for the case of ASCII letters.
[[nodiscard]] bool SameLetters(std::string_view a, std::string_view b);

// The index of `text` among `items`, in any case, or nothing.
template <std::size_t N>
[[nodiscard]] std::optional<int> ItemIndex(std::string_view text, const std::array<std::string_view, N>& items) {
    for (std::size_t i = 0; i < N; ++i) {
        if (SameLetters(text, items[i])) return static_cast<int>(i);
    }
    return std::nullopt;
}

// An output format named exactly by one of `names`, an enumeration in their
// order; otherwise throws UsageError naming the formats `offered`.
template <typename Format, std::size_t N>
[[nodiscard]] Format ParseFormat(std::string_view text, const std::array<std::string_view, N>& names,
                                 std::string_view offered) {
    for (std::size_t i = 0; i < N; ++i) {
        if (text == names[i]) return static_cast<Format>(i);
    }
    ThrowUnknownFormat(text, offered);
}

// A whole number written in decimal digits alone, without a sign, from `low`
// to `high`; nothing otherwise.
[[nodiscard]] std::optional<int> WholeNumber(std::string_view text, int low, int high);

// A date as the arguments write it, "AAAA-MM-DD", for the messages.
[[nodiscard]] std::string DateText(TDateTime value);

// A local date-time written "AAAA-MM-DD HH:MM" or "AAAA-MM-DD HH:MM:SS", which
// must be a real calendar date and a time of day from 00:00:00 to 23:59:59.
[[nodiscard]] TDateTime ParseLocalDateTime(std::string_view text);

// A date written "AAAA-MM-DD", which must be a real calendar date; 00:00 of it.
[[nodiscard]] TDateTime ParseDate(std::string_view text);

// Throws UsageError unless the `spanDays` days from `start` lie in the years
// 0001 to 9999. An ephemeris run goes forward from its start whatever the order
// of the dates given, and prints every day it computes.
void CheckEphemerisDays(TDateTime start, int spanDays);

// A time zone in hours east of Greenwich, from -11.99 to 11.99; a leading "+"
// is allowed.
[[nodiscard]] double ParseZoneHours(std::string_view text);

// A zone of the time-zone database by its name, exactly as `kalto-cli zonas`
// lists it ("Europe/Madrid", "UTC").
[[nodiscard]] TimeZone ParseZoneName(std::string_view text);

// The error of a command given both --tz and --zona.
inline constexpr std::string_view BothZonesMessage = "--tz y --zona no valen juntas; dé una sola de las dos";

// The steps per day of the step selector's item that lasts `text` minutes
// (1440, 720, 360, 180, 120, 60, 30, 15, 10 or 5).
[[nodiscard]] int ParseStepsPerDay(std::string_view text);

// A body by its label, "Sol" to "Nod" in any case: its number, FirstBody to
// LastComputedBody. The message offers "todos" too, which the commands that
// take it check first.
[[nodiscard]] int ParseBody(std::string_view text);

// A zodiac sign as the sign lists name it, "Ari" to "Pis" with "Acu" the
// eleventh, in any case: 0 for Aries to 11 for Pisces.
[[nodiscard]] int ParseSign(std::string_view text);

// The parts of a comma-separated list.
[[nodiscard]] std::vector<std::string_view> ListItems(std::string_view text);

// The contact angle: whole degrees from 0 to 180.
[[nodiscard]] int ParseAngle(std::string_view text);

// The contact position "G[:M[:S]]" as its spin edits take it: degrees up to
// 360 (30 within `sign`), minutes and seconds up to 60, carried and wrapped as
// the window's handler does. Without a sign the degrees are ecliptic ones.
[[nodiscard]] ContactPosition ParsePosition(std::string_view text, std::optional<int> sign);

// The orb "G[:M]": degrees from 0 to 5 and minutes up to 60, carried as the
// window's handler does: never under 0° 30', never over 5° 59'.
[[nodiscard]] OrbSpin ParseOrb(std::string_view text);

}  // namespace kalto::cli
