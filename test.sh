#!/usr/bin/env bash
# Installs what is missing, builds Kalto with every test, and runs them all.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh test
cmake --preset release -DKALTO_WERROR=ON -DKALTO_BUILD_TESTS=ON -DKALTO_BUILD_BENCH=ON
cmake --build --preset release
ctest --preset release --output-on-failure
