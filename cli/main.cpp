// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    // Under a file size limit (ulimit -f) a write past it then fails with EFBIG
    // and is reported as a full disk is, instead of the signal ending the
    // program with its output's temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return kalto::cli::RunCommandLine(args, std::cin, std::cout, std::cerr);
}
