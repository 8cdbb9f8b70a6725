// SPDX-License-Identifier: GPL-3.0-or-later
#include "WallClock.h"

#include "TextForms.h"
#include "TimeScales.h"

#include <utility>

namespace kalto {

WallClock::WallClock(double zoneHours) noexcept : ZoneHours(zoneHours), FixedOffset(ZoneOffset(zoneHours)) {}

WallClock::WallClock(TimeZone zone) noexcept : NamedZone(std::move(zone)) {}

TDateTime WallClock::ToUniversalTime(TDateTime wall) const {
    return NamedZone ? NamedZone->ToUniversalTime(wall) : wall + FixedOffset;
}

TDateTime WallClock::ToWallTime(TDateTime universal) const {
    return NamedZone ? NamedZone->ToWallTime(universal) : universal - FixedOffset;
}

double WallClock::OffsetAt(TDateTime wall) const {
    return NamedZone ? NamedZone->ToUniversalTime(wall) - wall : FixedOffset;
}

std::string WallClock::ZoneText(TDateTime spanStart) const {
    if (!NamedZone) {
        return FormatFixed(ZoneHours, 2);
    }
    const double hours = NamedZone->OffsetSeconds(NamedZone->ToUniversalTime(spanStart)) / 3600.0;
    return std::string(NamedZone->Name()) + " (" + FormatFixed(hours, 2) + ")";
}

}  // namespace kalto
