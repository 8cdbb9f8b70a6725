// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a command stops, in a Spanish message. The two kinds end the program
// with different exit statuses and messages (see CommandLine.h).

#include <stdexcept>

namespace kalto::cli {

// A command line that cannot be carried out: the message and a pointer to
// the help, exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command that could not finish its work, such as an output file that
// cannot be written: the message alone, exit status 1.
class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kalto::cli
