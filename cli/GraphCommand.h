// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli grafico: the window's ephemeris graph of a span of dates, drawn
// into a PNG file or, with --formato rtf, the window's graph document.

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kalto::cli {

// The lines of the help that describe the command.
[[nodiscard]] std::string GraphUsage();

// Throws UsageError when the arguments are wrong and CommandFailure when the
// file cannot be written. `err` gets the note on a moved end date.
void RunGraphCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kalto::cli
