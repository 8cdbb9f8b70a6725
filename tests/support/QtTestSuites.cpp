// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTestSuites.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace kalto::test {

int RunQtTestSuites(int argc, char** argv, std::span<const QtTestSuite> suites) {
    const bool named = argc > 1 && argv[1][0] != '-';
    if (!named) {
        int failed = 0;
        for (const QtTestSuite& suite : suites) failed += suite.Run(argc, argv) != 0 ? 1 : 0;
        return failed;
    }
    // QtTest reads its options from what follows the program's name.
    std::vector<char*> rest{argv[0]};
    rest.insert(rest.end(), argv + 2, argv + argc);
    rest.push_back(nullptr);
    for (const QtTestSuite& suite : suites) {
        if (std::strcmp(argv[1], suite.Name) == 0) return suite.Run(argc - 1, rest.data());
    }
    std::fprintf(stderr, "%s: no test class %s; the classes are:\n", argv[0], argv[1]);
    for (const QtTestSuite& suite : suites) std::fprintf(stderr, "  %s\n", suite.Name);
    return 2;
}

}  // namespace kalto::test
