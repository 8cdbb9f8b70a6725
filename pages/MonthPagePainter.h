// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One month's page drawn with QPainter, for the PDF file and the printer: the
// title, the table of the days and, below it, the month's events in columns.
// Sizes are given in points and drawn in the device's own units, so that the
// fonts, which Qt sizes in points for the device, and the layout agree at any
// resolution; the text stays text.

#include "DateFormat.h"
#include "MonthlyPages.h"

#include <QRectF>

#include <string>

class QPainter;

namespace kalto {

// The page's title: "Febrero 2027. Time Zone: Europe/Madrid (1.00)."
[[nodiscard]] std::string MonthPageTitle(const MonthPages& pages, std::size_t month, const DateFormatNames& names);

// The compact line of an event below the table: the day and hour on the
// wall clock, the body and what happens ("14 09:27 Mer estación retrógrada",
// "03 21:05 Lun □ Sat" for the aspectarian).
[[nodiscard]] std::string MonthPageEventLine(const Event& event, const WallClock& clock);

// Draws page `month` of `pages` into `area` (device units).
void PaintMonthPage(QPainter& painter, const QRectF& area, const MonthPages& pages, std::size_t month,
                    const DateFormatNames& names);

}  // namespace kalto
