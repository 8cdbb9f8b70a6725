// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli efemerides: the ephemeris of a span of dates, computed as the
// window computes it, as CSV or as the window's table.

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kalto::cli {

// The lines of the help that describe the command.
[[nodiscard]] std::string EphemerisUsage();

// Throws UsageError when the arguments are wrong and CommandFailure when the
// document cannot be written. `err` gets the note on a
// moved end date and, on a terminal, the progress of a long run.
void RunEphemerisCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                         std::ostream& err);

}  // namespace kalto::cli
