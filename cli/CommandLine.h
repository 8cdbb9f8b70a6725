// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of kalto-cli: picks the command named by the first argument
// and runs it, or prints the help.

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace kalto::cli {

// Exit statuses.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;  // the command could not write its output
inline constexpr int ExitUsage = 2;

// `args` are the arguments after the program's name. Commands that read data
// read `in`; results go to `out`, messages about a wrong command line or wrong
// input to `err`; returns the exit status.
[[nodiscard]] int RunCommandLine(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                                 std::ostream& err);

}  // namespace kalto::cli
