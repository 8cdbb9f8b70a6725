// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A body's apparent longitude sampled at even steps of universal time, with
// its stations put in among the steps, so that between two neighbouring
// samples the longitude moves one way only: a function of it crosses a value
// there at most once, and a change of sign at the two ends finds every
// crossing. The steps are short enough for the body's fastest motion to stay
// under a degree a step.

#include "DateTime.h"
#include "Engine.h"

#include <cstdint>
#include <deque>
#include <map>
#include <vector>

namespace kalto {

struct LongitudeSample {
    TDateTime Time = 0;  // universal time
    double Longitude = 0;
};

// The sampling step of a body, days.
[[nodiscard]] double SampleStep(int body) noexcept;

class BodySamples {
public:
    // The samples from `from` to `to`, a step beyond each end included.
    BodySamples(Engine& engine, int body, TDateTime from, TDateTime to);

    // About `days` more samples before the first or after the last.
    void ExtendBefore(double days);
    void ExtendAfter(double days);

    [[nodiscard]] int Body() const noexcept { return BodyNumber; }
    [[nodiscard]] double Step() const noexcept { return StepDays; }
    // Every sample in time order, stations included.
    [[nodiscard]] std::vector<LongitudeSample> Samples() const;
    // The stations alone, in time order: the instants at which the rate of
    // the longitude changes sign, to StationTolerance.
    [[nodiscard]] std::vector<LongitudeSample> Stations() const;

private:
    [[nodiscard]] TDateTime GridTime(std::int64_t index) const noexcept;
    void FindStations(std::int64_t from, std::int64_t to);

    Engine& Computer;
    int BodyNumber;
    double StepDays;
    TDateTime Origin;             // the time of grid index 0
    std::int64_t FirstIndex = 0;  // the grid index of Grid.front()
    std::deque<double> Grid;      // the longitudes at Origin + index × StepDays
    // Each station found, by the grid index of the step it falls in.
    std::map<std::int64_t, LongitudeSample> StationsFound;
};

}  // namespace kalto
