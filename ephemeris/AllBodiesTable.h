// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The all-bodies table ("Todos"): one row a step with every body in a column
// of its own in compact sign notation, "14 Leo 22", and its mark of motion.
// Shared by the window's table, the command line and the document export.

#include "DateFormat.h"
#include "EphemerisRows.h"
#include "EphemerisTable.h"
#include "MotionMarks.h"

#include <array>
#include <string>

namespace kalto {

inline constexpr std::array<EphemerisColumn, 14> AllBodiesColumns{{
    {"Día", 30},
    {"Fecha", 95},
    {"Hora", 65},
    {"Sol", 84},
    {"Lun", 84},
    {"Mer", 84},
    {"Ven", 84},
    {"Mar", 84},
    {"Jup", 84},
    {"Sat", 84},
    {"Ura", 84},
    {"Nep", 84},
    {"Plu", 84},
    {"Nod", 84},
}};
inline constexpr int AllBodiesColumnCount = static_cast<int>(AllBodiesColumns.size());
// Column FirstBodyColumn + k holds body Sol + k.
inline constexpr int FirstBodyColumn = 3;

struct CompactSign {
    int Degrees = 0;  // 0..29
    int Sign = 0;     // 0 Ari .. 11 Pis
    int Minutes = 0;  // 0..59
};

// A longitude rounded to the minute, 29° 59.5' carrying into the next sign.
[[nodiscard]] CompactSign CompactSignOf(double longitude) noexcept;

// "14 Leo 22", the sign named as the lists name it ("Acu" for Aquarius).
[[nodiscard]] std::string CompactSignText(double longitude);

// The text of `column` on row `row` (0-based): the row's number, date and
// hour as the single-body table writes them, or the body's compact sign and,
// after a blank, its mark ("14 Leo 22 R").
[[nodiscard]] std::string AllBodiesCellText(const EphemerisRowSet& rows, const MotionMarks& marks, std::size_t row,
                                            int column, const DateFormatNames& names);

}  // namespace kalto
