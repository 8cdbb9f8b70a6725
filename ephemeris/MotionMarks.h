// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The marks of motion in the all-bodies table: "R" on the rows of a body
// whose longitude decreases, and on the row nearest each station "SR" (turning
// retrograde) or "SD" (turning direct). The stations are those the engine
// gives (BodySamples), not read from the stored rows, whose 32-bit longitudes
// cannot tell a slow planet's motion over a few minutes.

#include "EphemerisRows.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace kalto {

class MotionMarks {
public:
    MotionMarks() = default;
    // The stations of Mercury to Pluto over the rows' span, found with an
    // engine of its own on the fitted series.
    explicit MotionMarks(const EphemerisRowSet& rows);

    // "", "R", "SR" or "SD" for `body` on row `row`; the Sun, the Moon and the
    // mean node (always retrograde) carry none.
    [[nodiscard]] std::string_view Mark(int body, std::size_t row) const;

private:
    struct Station {
        TDateTime Time = 0;
        std::size_t NearestRow = 0;
        bool TurnsRetrograde = false;
    };
    struct BodyStations {
        bool RetrogradeAtStart = false;
        std::vector<Station> Stations;  // in time order
    };

    const EphemerisRowSet* Rows = nullptr;
    std::array<BodyStations, LastComputedBody + 1> ByBody{};
};

}  // namespace kalto
