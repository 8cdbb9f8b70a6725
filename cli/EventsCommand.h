// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli eventos: the events of a span (stations, ingresses, phases,
// aspects, the Moon void of course).

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kalto::cli {

// The lines of the help that describe the command.
[[nodiscard]] std::string EventsUsage();

// Runs `eventos` with its arguments (the words after "eventos"). Throws
// UsageError when the arguments are wrong.
void RunEvents(std::span<const std::string_view> args, std::istream& in, std::ostream& out);

}  // namespace kalto::cli
