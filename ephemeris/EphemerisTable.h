// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ephemeris table: its eight columns and the text of every cell, shared by
// the window's table, the command line and the document export.

#include "DateFormat.h"
#include "EphemerisRows.h"

#include <array>
#include <string>
#include <string_view>

namespace kalto {

struct EphemerisColumn {
    std::string_view Header;
    int Width;  // pixels at start-up
};

inline constexpr std::array<EphemerisColumn, 8> EphemerisColumns{{
    {"Día", 30},
    {"Fecha", 95},
    {"Val.", 85},
    {"Hora", 65},
    {"Lon.", 85},
    {"Lat.", 85},
    {"AR.", 85},
    {"Dec.", 85},
}};

inline constexpr int EphemerisColumnCount = static_cast<int>(EphemerisColumns.size());
// Columns 3..7 can be hidden; 0..2 are always shown.
inline constexpr int FirstOptionalColumn = 3;

inline constexpr std::string_view EphemerisDatePattern = "mmm dd yyyy, ddd";
inline constexpr std::string_view EphemerisTimePattern = "hh:nn am/pm";

// The text of `column` for `row` shown on table line `line` (1-based), its
// date and hour on `clock`, the wall clock of the run.
[[nodiscard]] std::string EphemerisCellText(const EphemerisRow& row, int line, int column, const DateFormatNames& names,
                                            const WallClock& clock);

}  // namespace kalto
