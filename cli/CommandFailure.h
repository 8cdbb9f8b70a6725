// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A command that could not finish its work, such as an output file that cannot
// be written; the message says why, in Spanish.

#include <stdexcept>

namespace kalto::cli {

class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kalto::cli
