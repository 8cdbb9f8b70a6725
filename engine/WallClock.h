// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wall clock of a run: a fixed offset in hours east of Greenwich, as the
// offset box gives it, or a named zone of the time-zone database, whose offset
// follows its rules at each instant.

#include "DateFormat.h"
#include "DateTime.h"
#include "TimeZones.h"

#include <optional>
#include <string>

namespace kalto {

class WallClock {
public:
    // Universal time: offset 0.
    WallClock() = default;
    // A fixed offset, -11.99..11.99 hours, converted as ZoneOffset splits it.
    explicit WallClock(double zoneHours) noexcept;
    explicit WallClock(TimeZone zone) noexcept;

    [[nodiscard]] const std::optional<TimeZone>& Zone() const noexcept { return NamedZone; }
    // The fixed offset in hours; 0 for a named zone.
    [[nodiscard]] double FixedHours() const noexcept { return ZoneHours; }

    [[nodiscard]] TDateTime ToUniversalTime(TDateTime wall) const;
    [[nodiscard]] TDateTime ToWallTime(TDateTime universal) const;
    // The day fraction that takes the wall time `wall` to universal time; for
    // a fixed offset, ZoneOffset of its hours.
    [[nodiscard]] double OffsetAt(TDateTime wall) const;

    // The offset east of Greenwich in whole seconds in effect at the wall time
    // `wall`: a named zone's by its rules, a fixed offset's hours rounded to
    // the second.
    [[nodiscard]] int OffsetSecondsAt(TDateTime wall) const;

    // How the texts name the zone: the fixed offset with two decimals
    // ("2.00"), or the zone's name and the offset in effect at the wall time
    // `spanStart` ("Europe/Madrid (1.00)").
    [[nodiscard]] std::string ZoneText(TDateTime spanStart) const;

private:
    double ZoneHours = 0;
    double FixedOffset = 0;  // the day fraction that takes wall time to universal time
    std::optional<TimeZone> NamedZone;
};

// "Desde ene-01-2027 hasta feb-01-2027": the dates on `clock` of the
// universal times `start` and `end`, as the lists' headings give a span.
[[nodiscard]] std::string SpanHeadingText(const WallClock& clock, TDateTime start, TDateTime end,
                                          const DateFormatNames& names);

// An offset in seconds east of Greenwich as "UTC+01:00", "UTC-03:00",
// "UTC+05:45"; a local mean time's seconds follow the minutes ("UTC-00:14:44").
[[nodiscard]] std::string UtcOffsetText(int offsetSeconds);

}  // namespace kalto
