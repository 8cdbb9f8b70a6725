// SPDX-License-Identifier: GPL-3.0-or-later
#include "MotionMarks.h"

#include "BodyMotion.h"
#include "BodySamples.h"
#include "Engine.h"

#include <algorithm>

namespace kalto {

namespace {

// How long before a station its direction is read: far enough for the rate
// to stand clear of zero, well inside the months between two stations.
constexpr double BeforeTurn = 0.1;

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
        BodyStations& stations = ByBody[static_cast<std::size_t>(body)];
        stations.RetrogradeAtStart = LongitudeRate(engine, body, first) < 0;
        // A station up to half a row before the first row or after the last
        // is still nearest to it; the longest step between rows is a day.
        for (const LongitudeSample& turn : BodySamples(engine, body, first - 1, last + 1).Stations()) {
            const bool turnsRetrograde = LongitudeRate(engine, body, turn.Time - BeforeTurn) > 0;
            stations.Stations.push_back({turn.Time, NearestRow(times, turn.Time), turnsRetrograde});
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
