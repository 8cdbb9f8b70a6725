// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a fuzz target reports a broken property: the message on stderr and an
// abort, which libFuzzer records as a crash with its input and the replay
// reports as a failed test.

#include <cstdio>
#include <cstdlib>

namespace kalto::fuzz {

inline void Check(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

}  // namespace kalto::fuzz
