// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates of the date pickers as the program's date-times (days since 1899-12-30)
// and back.

#include "DateTime.h"

#include <QDate>

#include <cmath>

namespace kalto {

inline const QDate DateTimeOrigin{1899, 12, 30};

[[nodiscard]] inline TDateTime ToDateTime(QDate date) {
    return static_cast<TDateTime>(DateTimeOrigin.daysTo(date));
}

// The date of a date-time; its time of day is dropped.
[[nodiscard]] inline QDate ToQDate(TDateTime value) {
    return DateTimeOrigin.addDays(static_cast<qint64>(std::floor(value)));
}

}  // namespace kalto
