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
    return zone_->name();
}

int TimeZone::OffsetSeconds(TDateTime universal) const {
    const date::sys_seconds instant(WholeSecond(universal));
    return static_cast<int>(zone_->get_info(instant).offset.count());
}

TDateTime TimeZone::ToWallTime(TDateTime universal) const {
    return universal + OffsetSeconds(universal) / SecondsPerDay;
}

TDateTime TimeZone::ToUniversalTime(TDateTime wall) const {
    const date::local_seconds local(WholeSecond(wall));
    // In a gap `first` is the period before the change, and of a wall time
    // that occurs twice it is the earlier period: both rules take `first`.
    const date::local_info info = zone_->get_info(local);
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
