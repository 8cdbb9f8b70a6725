// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rule of a time zone for the times after the last transition its file
// lists: the footer of a TZif file (RFC 8536, section 3.3), a TZ string in the
// POSIX form such as "CET-1CEST,M3.5.0,M10.5.0/3" (Madrid) or
// "<-04>4<-03>,M9.1.6/24,M4.1.6/24" (Santiago). The files list transitions up
// to 2037 and leave the later years to this rule.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalto {

struct PosixZoneRule {
    // A day of the year on which the clocks change: "Jn" (1 to 365, 29
    // February never counted), "n" (0 to 365, counted) or "Mm.w.d" (day d,
    // 0 = Sunday, of week w, 5 = the last, of month m).
    struct ChangeDay {
        char Kind = 'M';  // 'J', 'N' or 'M'
        int Month = 0;
        int Week = 0;
        int Day = 0;
    };

    int StandardOffset = 0;  // seconds east of Greenwich
    bool HasDaylightTime = false;
    int DaylightOffset = 0;  // the standard offset when there is no daylight time
    ChangeDay Start, End;
    // Local times of the changes in seconds after 00:00, from -167 h to 167 h:
    // `Start` in standard time, `End` in daylight time.
    int StartTime = 7200;
    int EndTime = 7200;
};

// The rule of a TZ string; nothing when the text is not one.
[[nodiscard]] std::optional<PosixZoneRule> ParsePosixZoneRule(std::string_view text);

// The rule in the footer of the TZif file at `path`; nothing when the file
// cannot be read, is not a TZif file of version 2 or later, or has no rule.
[[nodiscard]] std::optional<PosixZoneRule> ReadTzifFooterRule(const std::string& path);

// The offset east of Greenwich in seconds that the rule gives at a universal
// time, in seconds since 1970-01-01 00:00 UT.
[[nodiscard]] int PosixRuleOffset(const PosixZoneRule& rule, std::int64_t universalSeconds);

}  // namespace kalto
