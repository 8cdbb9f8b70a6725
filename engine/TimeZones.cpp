// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeZones.h"

#include <date/tz.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <exception>

namespace kalto {

namespace {

// Where Debian's tzdata installs the zone files, which the library reads.
constexpr std::string_view ZoneDirectory = "/usr/share/zoneinfo/";

// Days from the program's epoch, 1899-12-30, to the Unix epoch, 1970-01-01.
constexpr double UnixEpochDay = 25569.0;
constexpr double SecondsPerDay = 86400.0;

// The library's list holds "localtime", the machine's own setting (a link to
// /etc/localtime), which is not a name of the database.
bool IsDatabaseName(std::string_view name) {
    return name != "localtime";
}

// The whole second that holds a date-time, taken to the nearest millisecond
// first as the program reads and shows times, so that the instant of a change
// is not read as the second before it.
std::chrono::seconds WholeSecond(TDateTime value) {
    const auto milliseconds = static_cast<std::int64_t>(std::llround((value - UnixEpochDay) * SecondsPerDay * 1000));
    return std::chrono::floor<std::chrono::seconds>(std::chrono::milliseconds(milliseconds));
}

}  // namespace

TimeZone::TimeZone(const date::time_zone* zone) : Zone(zone) {
    // The period the library reaches last, which its list leaves open.
    const date::sys_seconds farFuture = date::sys_days(date::year(9999) / 12 / 31);
    RuleFrom = Zone->get_info(farFuture).begin.time_since_epoch().count();
    Rule = ReadTzifFooterRule(std::string(ZoneDirectory) + Zone->name());
}

std::optional<TimeZone> TimeZone::Find(std::string_view name) {
    if (!IsDatabaseName(name)) return std::nullopt;
    try {
        return TimeZone(date::locate_zone(name));
    } catch (const std::exception&) {
        // An unknown name, or no database to look it up in.
        return std::nullopt;
    }
}

std::string_view TimeZone::Name() const {
    return Zone->name();
}

int TimeZone::OffsetSeconds(TDateTime universal) const {
    const date::sys_seconds instant(WholeSecond(universal));
    if (Rule && instant.time_since_epoch().count() >= RuleFrom) {
        return PosixRuleOffset(*Rule, instant.time_since_epoch().count());
    }
    return static_cast<int>(Zone->get_info(instant).offset.count());
}

TDateTime TimeZone::ToWallTime(TDateTime universal) const {
    return universal + OffsetSeconds(universal) / SecondsPerDay;
}

TDateTime TimeZone::ToUniversalTime(TDateTime wall) const {
    const date::local_seconds local(WholeSecond(wall));
    constexpr std::int64_t OneDay = 86400;
    if (Rule && local.time_since_epoch().count() - OneDay >= RuleFrom) {
        // Of the rule's two offsets, the larger gives the earlier instant:
        // when both fit it is the first occurrence, when neither does (a
        // skipped time) the offset in effect at it is the one before the
        // change.
        const int larger = std::max(Rule->StandardOffset, Rule->DaylightOffset);
        const int smaller = std::min(Rule->StandardOffset, Rule->DaylightOffset);
        const TDateTime early = wall - larger / SecondsPerDay;
        if (OffsetSeconds(early) == larger) return early;
        const TDateTime late = wall - smaller / SecondsPerDay;
        if (OffsetSeconds(late) == smaller) return late;
        return wall - OffsetSeconds(early) / SecondsPerDay;
    }
    // In a gap `first` is the period before the change, and of a wall time
    // that occurs twice it is the earlier period: both rules take `first`.
    const date::local_info info = Zone->get_info(local);
    return wall - static_cast<double>(info.first.offset.count()) / SecondsPerDay;
}

std::vector<std::string> TimeZoneNames() {
    std::vector<std::string> names;
    try {
        for (const date::time_zone& zone : date::get_tzdb().zones) {
            if (IsDatabaseName(zone.name())) names.emplace_back(zone.name());
        }
    } catch (const std::exception&) {
        return {};
    }
    std::ranges::sort(names);
    return names;
}

}  // namespace kalto
