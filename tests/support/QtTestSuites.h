// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main function of a program of several QtTest classes: ctest runs each
// class as an entry of its own by naming it as the first argument
// (`kalto_app_tests TFormMainTest`, QtTest's own options after it); without a
// name every class runs in turn, for a run by hand.

#include <span>

namespace kalto::test {

struct QtTestSuite {
    const char* Name;  // the test class
    int (*Run)(int argc, char** argv);
};

// Runs the suite named by argv[1], or all of them when argv[1] is absent or
// an option; the result is the number of suites that failed, or 2 with the
// list of names for a name that is none of them.
int RunQtTestSuites(int argc, char** argv, std::span<const QtTestSuite> suites);

}  // namespace kalto::test
