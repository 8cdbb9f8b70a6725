// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The span of an ephemeris: days counted from the start to the end date, the
// 730-day limit, and the span buttons.

#include "DateTime.h"

#include <array>

namespace kalto {

inline constexpr int MaxSpanDays = 730;
// The end date moved by the limit: this many calendar months after the start.
inline constexpr int LimitedSpanMonths = 24;

// Months that the page's span buttons add to the first day.
inline constexpr std::array<int, 7> SpanButtonMonths{1, 2, 3, 4, 6, 12, 24};

// Calendar days from start to end, both included, in either order.
[[nodiscard]] int SpanDays(TDateTime start, TDateTime end) noexcept;

// The end date after a change of the end date: unchanged while the span is
// at most MaxSpanDays, else 24 calendar months after the start.
[[nodiscard]] TDateTime LimitEndDate(TDateTime start, TDateTime end) noexcept;

}  // namespace kalto
