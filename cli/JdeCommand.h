// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli jde: the Julian Ephemeris Day of a local date and time.

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kalto::cli {

// The lines of the help that describe the command.
[[nodiscard]] std::string JdeUsage();

// Runs `jde` with its arguments (the words after "jde"); prints "JDE DELTAT".
// Throws UsageError when the arguments are wrong.
void RunJde(std::span<const std::string_view> args, std::istream& in, std::ostream& out);

}  // namespace kalto::cli
