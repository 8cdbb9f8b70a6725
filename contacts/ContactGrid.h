// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the contact grids: the summary grid (one row per
// contact shown), the export's summary table, and the detail grid
// the detail grid (the three moments of one contact).

#include "ContactRecord.h"
#include "ContactResults.h"
#include "DateFormat.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kalto {

// Rows of cell texts, the title row first.
using GridCells = std::vector<std::vector<std::string>>;

struct GridColumn {
    std::string_view Title;
    int Width;  // pixels at start-up
};

// The summary grid; column 0 (the finding order) is hidden at start-up.
inline constexpr std::array<GridColumn, 9> ContactGridColumns{{
    {"", 60},
    {"No.", 40},
    {"Pla.", 30},
    {"Pos.", 85},
    {"Inicia", 165},
    {"Partil", 165},
    {"Finaliza", 165},
    {"Dur. Aprox.", 120},
    {"Contacto", 65},
}};

// The detail grid.
inline constexpr std::array<GridColumn, 7> ContactDetailColumns{{
    {"Det.", 40},
    {"Fecha", 95},
    {"Hora", 70},
    {"Angulo", 65},
    {"Pos. Zodíaco", 80},
    {"Pos. Eclíptica", 65},
    {"Precisión", 65},
}};

inline constexpr std::string_view ContactMomentPattern = "mmm-dd-yyyy, ddd, hh:nn:ss am/pm";
inline constexpr std::string_view DetailDatePattern = "mmm-dd-yyyy, ddd";
inline constexpr std::string_view DetailTimePattern = "hh:nn:ss am/pm";

// Shown in place of a moment, and of the duration, that the fine scan did not
// reach before its bound.
inline constexpr std::string_view UnfoundMomentText = "sin determinar";

// Window: the nine columns of the summary grid. Export: the export's table, the same
// without column 0.
enum class ContactGridMode { Window = 0, Export = 1 };

struct ContactGridFill {
    ContactRecordList ShownContactList;  // row r of Grid shows entry r - 1
    GridCells Grid;                      // a title row and one empty row when nothing is shown
    GridCells Detail;                    // the detail grid for the first record shown, or emptied
};

// FillContactGrid: the records of `list` that `results.Filter` lets through,
// their rows, and the detail grid of the first of them measured against
// results.LastTarget and results.LastOrb.
[[nodiscard]] ContactGridFill FillContactGrid(ContactGridMode mode, const ContactRecordList& list,
                                              const ContactResults& results, const DateFormatNames& names);

// The text of one cell of the summary grid, columns 0 to 8 as the window numbers
// them, for `record` shown in row `row` (the first contact is row 1).
[[nodiscard]] std::string ContactCellText(const ContactRecord& record, int row, int column,
                                          const DateFormatNames& names);

// FillContactDetail: rows "inicia", "partil", "finaliza" of the record, each
// with its date, time, separation from `lastTarget`, position in the sign,
// longitude and precision (the distance from the exact angle, or for the
// boundary rows from the nearer edge of the orb `lastOrb`).
[[nodiscard]] GridCells FillContactDetail(const ContactRecord& record, double lastTarget, double lastOrb,
                                          const DateFormatNames& names);

// The detail grid with no record: the title row and one empty row.
[[nodiscard]] GridCells EmptyContactDetail();

}  // namespace kalto
