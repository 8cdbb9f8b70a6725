// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ephemeris rows made up for the graph tests: a run from `start` over `days`
// days with `rowsPerDay` rows a day, every body at longitude(row index).

#include "EphemerisRows.h"

#include <functional>
#include <memory>

namespace kalto {

inline EphemerisRows MadeUpRows(TDateTime start, int days, int rowsPerDay,
                                const std::function<double(int body, int row)>& longitude) {
    auto rows = std::make_shared<EphemerisRowSet>();
    rows->StartDate = start;
    rows->EndDate = start + (days - 1);
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        for (int row = 0; row < days * rowsPerDay; ++row) {
            EphemerisRow position;
            position.Longitude = static_cast<float>(longitude(body, row));
            position.UniversalTime = start + double(row) / rowsPerDay;
            rows->Bodies[static_cast<std::size_t>(body)].push_back(position);
        }
    }
    return rows;
}

}  // namespace kalto
