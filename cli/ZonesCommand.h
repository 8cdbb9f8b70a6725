// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli zonas: the names of the time-zone database that --zona takes.

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kalto::cli {

// The lines of the help that describe the command.
[[nodiscard]] std::string ZonesUsage();

// Prints every name the database accepts, links included, sorted, one a line.
// Throws UsageError for any argument, CommandFailure when the database cannot
// be read.
void RunZones(std::span<const std::string_view> args, std::istream& in, std::ostream& out);

}  // namespace kalto::cli
