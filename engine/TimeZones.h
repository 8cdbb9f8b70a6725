// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Named time zones of the system's time-zone database (IANA tzdata, read
// through Howard Hinnant's date library): universal time to the wall-clock
// time of a zone and back, as the program's date-times. The library reads the
// transitions the zone files list, which end in 2037; after the last of them
// the rule in the file's footer applies, as it does for the C library.

#include "DateTime.h"
#include "PosixZoneRule.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace date {
class time_zone;
}

namespace kalto {

// A zone of the database, found by name. It holds a pointer into the
// database, which lives as long as the program, so copies are cheap and each
// conversion looks up the zone's transitions only.
class TimeZone {
public:
    // The zone called `name` ("Europe/Madrid", "UTC", a link such as
    // "US/Eastern"), or nothing when the database has no such name or cannot
    // be read.
    [[nodiscard]] static std::optional<TimeZone> Find(std::string_view name);

    [[nodiscard]] std::string_view Name() const;

    // The offset east of Greenwich in seconds in effect at a universal time;
    // local mean times have seconds (Madrid before 1901: -884).
    [[nodiscard]] int OffsetSeconds(TDateTime universal) const;

    // The wall-clock time of the zone at a universal time.
    [[nodiscard]] TDateTime ToWallTime(TDateTime universal) const;

    // The universal time of a wall-clock time of the zone. A wall time that
    // the clocks skip (the hour lost in spring) is read with the offset in
    // effect before the change, so 02:30 in a gap from 02:00 to 03:00 is the
    // instant the clock would have shown 02:30 had it not moved; a wall time
    // that occurs twice (autumn) is its first occurrence.
    [[nodiscard]] TDateTime ToUniversalTime(TDateTime wall) const;

private:
    explicit TimeZone(const date::time_zone* zone);

    const date::time_zone* Zone;
    // The footer's rule, from the universal second `RuleFrom` on.
    std::optional<PosixZoneRule> Rule;
    std::int64_t RuleFrom = 0;
};

// Every name the database accepts, links included, sorted; empty when the
// database cannot be read.
[[nodiscard]] std::vector<std::string> TimeZoneNames();

}  // namespace kalto
