// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsTestSupport.h"

namespace kalto::test {

KaltoSettings ChangedSettings() {
    KaltoSettings settings;
    settings.PositionDegrees = 123;
    settings.PositionMinutes = 45;
    settings.PositionSeconds = 36;
    settings.Coordinates = 1;
    settings.Sign = 11;
    settings.ContactBody = 10;
    settings.Angle = 120;
    settings.AngleType = 1;
    settings.OrbDegrees = 4;
    settings.OrbMinutes = 15;
    settings.ExactMoments = true;
    settings.TimeZone = -5.75;
    settings.ZoneName = "America/Argentina/Buenos_Aires";
    settings.Paper = "carta";
    settings.ChartFile = "/home/ana/.config/Kalto/cartas/Ana.ini";
    settings.DayMarker = false;
    settings.SignLines = false;
    settings.DecanLines = false;
    settings.MonthLines = false;
    settings.DayLines = true;
    settings.AutoSearch = true;
    for (int slot = 1; slot <= GraphColorSlotCount; ++slot) settings.Colors[slot] = RgbColor(slot, 2 * slot, 3 * slot);
    return settings;
}

}  // namespace kalto::test
