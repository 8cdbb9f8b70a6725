// SPDX-License-Identifier: GPL-3.0-or-later
#include "WallClock.h"

#include "TextForms.h"
#include "TimeScales.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
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

int WallClock::OffsetSecondsAt(TDateTime wall) const {
    return NamedZone ? NamedZone->OffsetSeconds(NamedZone->ToUniversalTime(wall))
                     : static_cast<int>(std::lround(ZoneHours * 3600));
}

std::string WallClock::ZoneText(TDateTime spanStart) const {
    if (!NamedZone) {
        return FormatFixed(ZoneHours, 2);
    }
    const double hours = OffsetSecondsAt(spanStart) / 3600.0;
    return std::string(NamedZone->Name()) + " (" + FormatFixed(hours, 2) + ")";
}

std::string SpanHeadingText(const WallClock& clock, TDateTime start, TDateTime end, const DateFormatNames& names) {
    return "Desde " + FormatDateTime("mmm-dd-yyyy", clock.ToWallTime(start), names) + " hasta " +
           FormatDateTime("mmm-dd-yyyy", clock.ToWallTime(end), names);
}

std::string UtcOffsetText(int offsetSeconds) {
    const int magnitude = std::abs(offsetSeconds);
    const int hours = magnitude / 3600;
    const int minutes = magnitude / 60 % 60;
    const int seconds = magnitude % 60;
    char text[32];
    if (seconds == 0) {
        std::snprintf(text, sizeof text, "UTC%c%02d:%02d", offsetSeconds < 0 ? '-' : '+', hours, minutes);
    } else {
        std::snprintf(text, sizeof text, "UTC%c%02d:%02d:%02d", offsetSeconds < 0 ? '-' : '+', hours, minutes, seconds);
    }
    return text;
}

}  // namespace kalto
