// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printable ephemeris: one page a calendar month, as the printed books lay
// it out. Each page holds a line a day at that day's own 00:00 on the wall
// clock, every body in compact sign notation with its marks of motion, and
// below the table the month's events: ingresses, stations, phases and the
// aspectarian.

#include "EphemerisRows.h"
#include "EventSearch.h"
#include "MotionMarks.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace kalto {

inline constexpr int MaxMonthPages = 24;

struct MonthPage {
    int Year = 0;
    int Month = 0;              // 1..12
    std::size_t FirstRow = 0;   // the month's first day among the rows
    std::size_t Days = 0;       // its rows
    std::vector<Event> Events;  // in the month, by moment
};

struct MonthPages {
    std::vector<MonthPage> Months;
    EphemerisRows Rows;  // a row a day, at its 00:00 on Rows->Clock
    MotionMarks Marks;   // of Rows
};

// The events a page lists.
[[nodiscard]] std::vector<EventKind> PageEventKinds();

// The whole months from the month of `from` to the month of `to` (dates on
// `clock`), at most MaxMonthPages of them; nothing when `stop` is set before
// the end. The rows are one run of a step a day, the events one search.
[[nodiscard]] std::optional<MonthPages> ComputeMonthPages(TDateTime from, TDateTime to, const WallClock& clock,
                                                          const std::atomic<bool>& stop);

// The months from the month of `from` to the month of `to`, both counted.
[[nodiscard]] int MonthCount(TDateTime from, TDateTime to) noexcept;

}  // namespace kalto
