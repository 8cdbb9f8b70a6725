// SPDX-License-Identifier: GPL-3.0-or-later
#include "BodySamples.h"

#include "Bodies.h"
#include "BodyMotion.h"
#include "TimeRoot.h"

#include <cmath>

namespace kalto {

namespace {

// Direct or retrograde between two longitudes.
int Direction(double from, double to) noexcept {
    const double motion = SignedDegrees(to - from);
    return motion > 0 ? 1 : (motion < 0 ? -1 : 0);
}

// The Sun, the Moon and the mean node never turn.
bool Turns(int body) noexcept {
    return body != Sol && body != Lun && body != Nod;
}

}  // namespace

double SampleStep(int body) noexcept {
    switch (body) {
        case Lun: return 1.0 / 24;  // up to 0.65° an hour
        case Mer:
        case Ven: return 0.25;  // up to 0.55° and 0.32°
        case Sol:
        case Mar: return 0.5;  // up to 0.51° and 0.4°
        default: return 1.0;   // Jupiter 0.25° a day, the rest slower
    }
}

BodySamples::BodySamples(Engine& engine, int body, TDateTime from, TDateTime to)
    : Computer(engine), BodyNumber(body), StepDays(SampleStep(body)), Origin(from) {
    const auto last = static_cast<std::int64_t>(std::ceil((to - from) / StepDays)) + 1;
    FirstIndex = -1;
    for (std::int64_t index = FirstIndex; index <= last; ++index) {
        Grid.push_back(LongitudeAtUT(Computer, BodyNumber, GridTime(index)));
    }
    FindStations(FirstIndex, last);
}

void BodySamples::ExtendBefore(double days) {
    const std::int64_t oldFirst = FirstIndex;
    const auto count = static_cast<std::int64_t>(std::ceil(days / StepDays));
    for (std::int64_t i = 0; i < count; ++i) {
        --FirstIndex;
        Grid.push_front(LongitudeAtUT(Computer, BodyNumber, GridTime(FirstIndex)));
    }
    FindStations(FirstIndex, oldFirst + 1);
}

void BodySamples::ExtendAfter(double days) {
    const std::int64_t oldLast = FirstIndex + static_cast<std::int64_t>(Grid.size()) - 1;
    const auto count = static_cast<std::int64_t>(std::ceil(days / StepDays));
    for (std::int64_t i = 1; i <= count; ++i) {
        Grid.push_back(LongitudeAtUT(Computer, BodyNumber, GridTime(oldLast + i)));
    }
    FindStations(oldLast - 1, oldLast + count);
}

std::vector<LongitudeSample> BodySamples::Samples() const {
    std::vector<LongitudeSample> samples;
    samples.reserve(Grid.size() + StationsFound.size());
    auto station = StationsFound.begin();
    for (std::size_t i = 0; i < Grid.size(); ++i) {
        const std::int64_t index = FirstIndex + static_cast<std::int64_t>(i);
        samples.push_back({GridTime(index), Grid[i]});
        if (station != StationsFound.end() && station->first == index) {
            samples.push_back(station->second);
            ++station;
        }
    }
    return samples;
}

std::vector<LongitudeSample> BodySamples::Stations() const {
    std::vector<LongitudeSample> stations;
    stations.reserve(StationsFound.size());
    for (const auto& [index, station] : StationsFound) stations.push_back(station);
    return stations;
}

TDateTime BodySamples::GridTime(std::int64_t index) const noexcept {
    return Origin + static_cast<double>(index) * StepDays;
}

// A turn of the motion at grid point k puts a station between k - 1 and
// k + 1, where the rate of the longitude changes sign; it is kept under the
// step it falls in.
void BodySamples::FindStations(std::int64_t from, std::int64_t to) {
    if (!Turns(BodyNumber)) return;
    const auto at = [this](std::int64_t index) { return Grid[static_cast<std::size_t>(index - FirstIndex)]; };
    const std::int64_t last = FirstIndex + static_cast<std::int64_t>(Grid.size()) - 1;
    for (std::int64_t k = std::max(from, FirstIndex + 1); k <= std::min(to, last - 1); ++k) {
        const int before = Direction(at(k - 1), at(k));
        const int after = Direction(at(k), at(k + 1));
        if (before == after || before == 0 || after == 0) continue;
        if (StationsFound.count(k - 1) != 0 || StationsFound.count(k) != 0) continue;
        const auto rate = [this](TDateTime t) { return LongitudeRate(Computer, BodyNumber, t); };
        const auto turn = FindTimeRoot(rate, GridTime(k - 1), GridTime(k + 1), StationTolerance);
        const TDateTime time = turn ? turn->Time : GridTime(k);
        if (time == GridTime(k)) continue;  // the grid point itself is the turn
        StationsFound[time < GridTime(k) ? k - 1 : k] = {time, LongitudeAtUT(Computer, BodyNumber, time)};
    }
}

}  // namespace kalto
