// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chart: a name and a set of points of the zodiac, each a name and an
// ecliptic longitude, and what a birth chart was made from.

#include "DateTime.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalto {

struct ChartPoint {
    std::string Name;
    double Longitude = 0;  // degrees, 0..360

    bool operator==(const ChartPoint&) const = default;
};

// The moment and place a birth chart was made from.
struct ChartBirth {
    TDateTime LocalTime = 0;  // on the wall clock of the zone, to the minute
    std::string ZoneName;     // a zone of the time-zone database; empty: the fixed offset ZoneHours
    double ZoneHours = 0;
    // Geographic, decimal degrees, north and east positive; both or neither.
    std::optional<double> Latitude;
    std::optional<double> Longitude;

    bool operator==(const ChartBirth&) const = default;
};

struct Chart {
    std::string Name;
    std::optional<ChartBirth> Birth;
    std::vector<ChartPoint> Points;

    bool operator==(const Chart&) const = default;
};

// Why `name` cannot name a point of `chart`, or nothing when it can: it is
// empty, begins or ends with a blank, holds '=', a line break or a control
// character, begins with ';', '#' or '[', or another point has it, whatever
// the case of its letters (`except`, the point being renamed, aside).
[[nodiscard]] std::optional<std::string> PointNameProblem(const Chart& chart, std::string_view name,
                                                          const ChartPoint* except = nullptr);

// Why `name` cannot name a chart (empty, or a line break or control
// character), or nothing.
[[nodiscard]] std::optional<std::string> ChartNameProblem(std::string_view name);

// A longitude taken to 0..360.
[[nodiscard]] double NormalizedLongitude(double degrees) noexcept;

}  // namespace kalto
