// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Formatting of date-times with the common date/time pattern letters.

#include "DateTime.h"

#include <array>
#include <string>
#include <string_view>

namespace kalto {

// Month and day names and separators of a language, UTF-8; the window fills
// them from the user's locale.
struct DateFormatNames {
    std::array<std::string, 12> shortMonthNames;  // January first
    std::array<std::string, 12> longMonthNames;
    std::array<std::string, 7> shortDayNames;  // Sunday first
    std::array<std::string, 7> longDayNames;
    std::string dateSeparator;
    std::string timeSeparator;
};

// Spanish names ("ene", "enero", "dom", "domingo"), "/" and ":".
[[nodiscard]] DateFormatNames SpanishDateFormatNames();

// `value` formatted by `pattern`, to the nearest millisecond. Pattern letters,
// matched in either case (a longer run of one letter counts as its longest form):
//   d dd        day of the month, bare or with two digits
//   ddd dddd    short and long day name
//   m mm        month, bare or with two digits; minutes when the last letter
//               before them is an hour field (as in "hh:mm")
//   mmm mmmm    short and long month name
//   yy yyyy     year with two or four digits (y and yyy likewise)
//   h hh        hour; on the 12-hour clock (0 prints as 12, 13 as 1) when an
//               am/pm marker follows before the next hour field
//   n nn        minutes
//   s ss        seconds
//   am/pm       "am" before noon, "pm" from noon on, each printed in the case
//               written in the pattern ("AM/PM" gives "AM" or "PM")
//   /  :        the date and the time separator of `names`
//   "…" '…'     the quoted text as it stands
// Every other character prints as it stands. A bare fraction of a day formats
// as a time of day. A value that is not a date-time from 0001-01-01 up to the
// end of 9999-12-31 (NaN included) gives an empty text.
[[nodiscard]] std::string FormatDateTime(std::string_view pattern, TDateTime value, const DateFormatNames& names);

}  // namespace kalto
