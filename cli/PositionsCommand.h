// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli posiciones: every body at each Julian Ephemeris Day read from the
// standard input, as one step of the ephemeris computes them.

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kalto::cli {

// The lines of the help that describe the command.
[[nodiscard]] std::string PositionsUsage();

// Throws UsageError naming the line when a line is not a number; the lines
// before it have been printed.
void RunPositions(std::span<const std::string_view> args, std::istream& in, std::ostream& out);

}  // namespace kalto::cli
