// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A command line that cannot be carried out; the message says why, in Spanish.

#include <stdexcept>

namespace kalto::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kalto::cli
