#pragma once
// Reading the values of command-line arguments, independent of the locale.
// Each function throws UsageError with a Spanish message when the text is not
// a valid value.

#include "DateTime.h"

#include <string_view>

namespace kalto::cli {

// A local date-time written "AAAA-MM-DD HH:MM" or "AAAA-MM-DD HH:MM:SS", which
// must be a real calendar date and a time of day from 00:00:00 to 23:59:59.
[[nodiscard]] TDateTime ParseLocalDateTime(std::string_view text);

// A date written "AAAA-MM-DD", which must be a real calendar date; 00:00 of it.
[[nodiscard]] TDateTime ParseDate(std::string_view text);

// A time zone in hours east of Greenwich, from -11.99 to 11.99; a leading "+"
// is allowed.
[[nodiscard]] double ParseZoneHours(std::string_view text);

}  // namespace kalto::cli
