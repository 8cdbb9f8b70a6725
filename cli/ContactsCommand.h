// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli contactos: the contact search of the window, its contacts as CSV
// or as the window's grid.

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kalto::cli {

// The lines of the help that describe the command.
[[nodiscard]] std::string ContactsUsage();

// Throws UsageError when the arguments are wrong and CommandFailure when the
// document cannot be written.
void RunContacts(std::span<const std::string_view> args, std::istream& in, std::ostream& out);

}  // namespace kalto::cli
