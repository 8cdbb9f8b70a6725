#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds a release build of Kalto and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh build
cmake --preset release -DKALTO_BUILD_TESTS=OFF -DKALTO_BUILD_BENCH=OFF
cmake --build --preset release

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/release/app/kalto
fi

cli=build/release/cli/kalto-cli
echo
echo "No display to open the Kalto window on (neither DISPLAY nor WAYLAND_DISPLAY is set)."
echo "The window is build/release/app/kalto; this is what kalto-cli can do meanwhile:"
echo
echo "\$ kalto-cli --help"
"$cli" --help
echo
echo "\$ kalto-cli jde \"2026-12-08 12:00\" --tz -3"
"$cli" jde "2026-12-08 12:00" --tz -3
