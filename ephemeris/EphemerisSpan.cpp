// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisSpan.h"

#include <cmath>

namespace kalto {

int SpanDays(TDateTime start, TDateTime end) noexcept {
    // Dates are the floors of the date-times, so that the days before
    // 1899-12-30 count as they do after it.
    return static_cast<int>(std::fabs(std::floor(end) - std::floor(start))) + 1;
}

TDateTime LimitEndDate(TDateTime start, TDateTime end) noexcept {
    if (SpanDays(start, end) <= MaxSpanDays) {
        return end;
    }
    return IncMonth(std::floor(start), LimitedSpanMonths);
}

}  // namespace kalto
