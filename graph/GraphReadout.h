// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the graph page's status bar: the day of the marker, the scale of
// the axes and what lies under the pointer; and the day a click picks.

#include "DateFormat.h"
#include "GraphGeometry.h"

#include <optional>
#include <string>
#include <string_view>

namespace kalto {

inline constexpr std::string_view MarkerDatePattern = "dddd, mmm-dd-yyyy";
inline constexpr std::string_view PointerMomentPattern = "mmm/dd/yyyy [hh:nn am/pm]";
inline constexpr std::string_view MonthLabelPattern = "yy-mm";

// Status panel 0: the marker date, "viernes, ene-15-2027".
[[nodiscard]] std::string MarkerDateText(TDateTime markerDate, const DateFormatNames& names);

// Status panel 2: "Eje X: 1 pixel ~ ±0h58m Eje Y: 1 pixel ~ ± 00º 37' 30\"",
// the time and the arc that one pixel spans. Without a day axis the X part is
// left out, without bands the Y part.
[[nodiscard]] std::string ScaleText(const GraphGeometry& geometry);

// The moment under column x, as the wall clock of the rows drawn shows it:
// the point (x - LeftMargin) / DayWidth days, a fractional day, along the
// axis (GraphTimeAxis.h). None left of the plot, right of the last day or
// above it, nor without a day axis or bands. A click on the chart moves the
// day marker to this moment, and leaves it where there is none.
[[nodiscard]] std::optional<TDateTime> PointerMoment(const GraphGeometry& geometry, int x, int y);

// Status panel 1 for the pointer at (x, y): the moment, ",", the degrees
// within the sign of that row and the sign's abbreviation:
// "ene/15/2027 [12:00 pm], 12º 30' 00\" Tau". Empty where PointerMoment has
// none.
[[nodiscard]] std::string PointerReadout(const GraphGeometry& geometry, int x, int y, const DateFormatNames& names);

}  // namespace kalto
