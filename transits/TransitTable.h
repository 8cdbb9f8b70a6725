// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the transit list, shared by the window's table, its export and
// the command line: one row a pass, or a stay without one, with its moments on
// the search's wall clock; the CSV form; and the filters by body, point and
// aspect.

#include "AspectNames.h"
#include "ContactGrid.h"
#include "DateFormat.h"
#include "TransitSearch.h"
#include "WallClock.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kalto {

enum TransitColumn {
    TransitBody,
    TransitAspectColumn,
    TransitPoint,
    TransitStart,
    TransitExact,
    TransitEnd,
    TransitPass
};

inline constexpr std::array<GridColumn, 7> TransitColumns{{
    {"Cuerpo", 45},
    {"Aspecto", 100},
    {"Punto", 70},
    {"Inicia", 148},
    {"Exacto", 148},
    {"Finaliza", 148},
    {"Pasada", 50},
}};

// The moments, on a 24-hour clock to the second: "ene-02-2027 14:27:03".
inline constexpr std::string_view TransitMomentPattern = "mmm-dd-yyyy hh:nn:ss";

// The cells of a row, by TransitColumn: "Mar", "90° cuadratura", the point's
// name, the moments as TransitMomentPattern writes them (empty for a stay
// without a pass, UnfoundMomentText for an end too far away), "2/3".
[[nodiscard]] std::array<std::string, TransitColumns.size()> TransitCells(const Transit& row,
                                                                          const std::vector<ChartPoint>& points,
                                                                          const WallClock& clock,
                                                                          const DateFormatNames& names);

inline constexpr std::string_view TransitCsvHeader =
    "cuerpo,aspecto,punto,inicia,exacto,finaliza,pasada,lon_exacto,exacto_utc";

// A CSV line without its line break: local times AAAA-MM-DDTHH:MM:SS rounded
// to the second, the pass as k/n, the longitude at the exact moment in
// degrees and the exact moment in universal time with Z; the last four, and
// the exact moment, empty for a stay without a pass. A point's name with a
// comma or a quote is quoted.
[[nodiscard]] std::string TransitCsvLine(const Transit& row, const std::vector<ChartPoint>& points,
                                         const WallClock& clock);

// The heading of a list: "Tránsitos a la carta Ana. Time Zone: Europe/Madrid
// (1.00)." and a line with the span (wall-clock dates), the bodies and the
// aspects with their orbs.
[[nodiscard]] std::vector<std::string> TransitHeading(std::string_view chartName, const TransitRequest& request,
                                                      const WallClock& clock, const DateFormatNames& names);

// Which rows a list shows: none of its parts set shows them all.
struct TransitFilter {
    int Body = 0;     // a body number, or 0 for every body
    int Point = -1;   // a point's index, or -1 for every point
    int Aspect = -1;  // degrees, or -1 for every aspect

    [[nodiscard]] bool Shows(const Transit& row) const noexcept {
        return (Body == 0 || row.Body == Body) && (Point < 0 || row.Point == Point) &&
               (Aspect < 0 || row.Aspect == Aspect);
    }
};

}  // namespace kalto
