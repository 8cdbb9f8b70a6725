// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisTable.h"

#include "TextForms.h"

namespace kalto {

namespace {

// Latitude, right ascension and declination: whole seconds of arc, "+ "/"- ".
std::string SignedAngleText(float value) {
    return AngleToText(360, 0, AnglePrefix::PlusMinus, AngleStyle::DMS, value);
}

}  // namespace

std::string EphemerisCellText(const EphemerisRow& row, int line, int column, const DateFormatNames& names,
                              const WallClock& clock) {
    switch (column) {
        case 0: return std::string(" ").append(std::to_string(line));
        case 1: return FormatDateTime(EphemerisDatePattern, clock.ToWallTime(row.UniversalTime), names);
        case 2: return SignPositionText(row.Longitude);
        case 3: return FormatDateTime(EphemerisTimePattern, clock.ToWallTime(row.UniversalTime), names);
        case 4: return DegreesToText(false, DegreeGlyph, 0, row.Longitude);
        case 5: return SignedAngleText(row.Latitude);
        case 6: return SignedAngleText(row.RightAscension);
        case 7: return SignedAngleText(row.Declination);
        default: return {};
    }
}

}  // namespace kalto
