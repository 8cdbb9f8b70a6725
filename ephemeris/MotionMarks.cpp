// SPDX-License-Identifier: GPL-3.0-or-later
#include "MotionMarks.h"

#include "BodyMotion.h"
#include "Engine.h"
#include "TimeRoot.h"

#include <algorithm>
#include <cmath>

namespace kalto {

namespace {

// Stations of a planet lie months apart; a day between samples of its rate
// brackets each one alone.
constexpr double RateSampleDays = 1;

bool Turns(int body) {
    return body >= Mer && body <= Plu;
}

std::size_t NearestRow(const std::vector<EphemerisRow>& rows, TDateTime time) {
    const auto after = std::lower_bound(rows.begin(), rows.end(), time,
                                        [](const EphemerisRow& row, TDateTime t) { return row.UniversalTime < t; });
    if (after == rows.begin()) return 0;
    if (after == rows.end()) return rows.size() - 1;
    const auto before = after - 1;
    return static_cast<std::size_t>((time - before->UniversalTime <= after->UniversalTime - time ? before : after) -
                                    rows.begin());
}

}  // namespace

MotionMarks::MotionMarks(const EphemerisRowSet& rows) : Rows(&rows) {
    const auto& times = rows.Bodies[Sol];
    if (times.empty()) return;
    const TDateTime first = times.front().UniversalTime;
    const TDateTime last = times.back().UniversalTime;
    Engine engine;
    for (int body = Mer; body <= Plu; ++body) {
        if (!Turns(body)) continue;
        BodyStations& stations = ByBody[static_cast<std::size_t>(body)];
        const auto rate = [&engine, body](TDateTime t) { return LongitudeRate(engine, body, t); };
        stations.RetrogradeAtStart = rate(first) < 0;
        double previous = rate(first - RateSampleDays);
        for (TDateTime t = first - RateSampleDays; t < last + RateSampleDays; t += RateSampleDays) {
            const double next = rate(t + RateSampleDays);
            if ((previous < 0) != (next < 0)) {
                if (const auto turn = FindTimeRoot(rate, t, previous, t + RateSampleDays, next, StationTolerance)) {
                    stations.Stations.push_back({turn->Time, NearestRow(times, turn->Time), previous > 0});
                }
            }
            previous = next;
        }
    }
}

std::string_view MotionMarks::Mark(int body, std::size_t row) const {
    if (Rows == nullptr || body < FirstBody || body > LastComputedBody || !Turns(body)) return {};
    const BodyStations& stations = ByBody[static_cast<std::size_t>(body)];
    bool retrograde = stations.RetrogradeAtStart;
    const TDateTime time = Rows->Bodies[Sol][row].UniversalTime;
    for (const Station& station : stations.Stations) {
        if (station.NearestRow == row) return station.TurnsRetrograde ? "SR" : "SD";
        if (station.Time <= time) retrograde = station.TurnsRetrograde;
    }
    return retrograde ? "R" : "";
}

}  // namespace kalto
