// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli carta: writes the chart file of a birth.

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kalto::cli {

// The lines of the help that describe the command.
[[nodiscard]] std::string ChartUsage();

// Runs `carta` with its arguments (the words after "carta"): writes the chart
// file and prints its points, one "name longitude" a line. Throws UsageError
// when the arguments are wrong and CommandFailure when the file cannot be
// written.
void RunChart(std::span<const std::string_view> args, std::istream& in, std::ostream& out);

}  // namespace kalto::cli
