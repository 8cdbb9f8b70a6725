// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsRanges.h"

#include "ContactInputs.h"

#include <algorithm>

namespace kalto {

KaltoSettings HeldToControlRanges(KaltoSettings settings) {
    settings.Coordinates = std::clamp(settings.Coordinates, 0, static_cast<int>(CoordinateItems.size()) - 1);
    const bool withinSign = settings.Coordinates == static_cast<int>(CoordinateMode::Zodiac);
    settings.PositionDegrees =
        std::clamp(settings.PositionDegrees, 0, withinSign ? MaxSignDegrees : MaxEclipticDegrees);
    settings.PositionMinutes = std::clamp(settings.PositionMinutes, 0, MaxArcMinutes);
    settings.PositionSeconds = std::clamp(settings.PositionSeconds, 0, MaxArcMinutes);
    settings.Sign = std::clamp(settings.Sign, -1, static_cast<int>(ContactSignItems.size()) - 1);

    settings.ContactBody = std::clamp(settings.ContactBody, 0, static_cast<int>(ContactBodyItems.size()) - 1);
    settings.Angle = std::clamp(settings.Angle, MinContactAngle, MaxContactAngle);
    settings.AngleType = std::clamp(settings.AngleType, 0, static_cast<int>(AngleTypeItems.size()) - 1);
    settings.OrbDegrees = std::clamp(settings.OrbDegrees, 0, MaxOrbDegrees);
    settings.OrbMinutes = std::clamp(settings.OrbMinutes, 0, MaxArcMinutes);

    settings.TimeZone = std::clamp(settings.TimeZone, MinTimeZone, MaxTimeZone);
    return settings;
}

}  // namespace kalto
