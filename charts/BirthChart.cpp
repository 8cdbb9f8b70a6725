// SPDX-License-Identifier: GPL-3.0-or-later
#include "BirthChart.h"

#include "ApparentPlace.h"
#include "Bodies.h"
#include "ChartAngles.h"
#include "EphemerisStep.h"
#include "TimeScales.h"

#include <utility>

namespace kalto {

std::optional<WallClock> BirthClock(const ChartBirth& birth) {
    if (birth.ZoneName.empty()) {
        return WallClock(birth.ZoneHours);
    }
    if (auto zone = TimeZone::Find(birth.ZoneName)) {
        return WallClock(std::move(*zone));
    }
    return std::nullopt;
}

// One instant: the series summed in full, as fitting pieces for it would cost
// more than it saves.
Chart MakeBirthChart(std::string name, const ChartBirth& birth, const WallClock& clock) {
    Chart chart{.Name = std::move(name), .Birth = birth, .Points = {}};
    const TDateTime universal = clock.ToUniversalTime(birth.LocalTime);
    const double jde = LocalToJDE(universal, 0).jde;
    Engine engine(SeriesEvaluation::Direct);
    const StepPositions positions = ComputeAllBodies(engine, jde);
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        chart.Points.push_back({std::string(BodyLabels[static_cast<std::size_t>(body)]),
                                NormalizedLongitude(positions[static_cast<std::size_t>(body)].Longitude)});
    }
    if (birth.Latitude && birth.Longitude) {
        const double localSiderealTime =
            GreenwichApparentSiderealTime(JulianDayOfUniversalTime(universal), jde) + *birth.Longitude;
        const ChartAngles angles = ComputeChartAngles(localSiderealTime, Obliquity(true, jde), *birth.Latitude);
        chart.Points.push_back({"ASC", angles.Ascendant});
        chart.Points.push_back({"MC", angles.Midheaven});
    }
    return chart;
}

}  // namespace kalto
