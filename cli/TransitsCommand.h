// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli transitos: the transits of the bodies to the points of a chart.

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kalto::cli {

// The lines of the help that describe the command.
[[nodiscard]] std::string TransitsUsage();

// Runs `transitos` with its arguments (the words after "transitos"). Throws
// UsageError when the arguments are wrong and CommandFailure when the chart
// cannot be read or the document cannot be written.
void RunTransits(std::span<const std::string_view> args, std::istream& in, std::ostream& out);

}  // namespace kalto::cli
