#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Kalto with every test, and runs them all;
# then builds them again under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer and runs them all again: any report fails.
# The tests run in parallel, one a core; ccache, installed with the test
# packages, makes a second run rebuild only what changed.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh test
cmake --preset release -DKALTO_WERROR=ON -DKALTO_BUILD_TESTS=ON -DKALTO_BUILD_BENCH=ON
cmake --build --preset release
ctest --preset release --output-on-failure -j "$(nproc)"

# The sanitizers' options and the leak suppressions of system libraries come
# with the asan preset, so `ctest --preset asan` alone runs the same way.
cmake --preset asan -DKALTO_WERROR=ON -DKALTO_BUILD_TESTS=ON -DKALTO_BUILD_BENCH=OFF
cmake --build --preset asan
ctest --preset asan --output-on-failure -j "$(nproc)"
