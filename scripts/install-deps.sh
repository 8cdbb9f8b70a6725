#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that Kalto needs to build, run and test, and
# only those that are missing. Runs as root, or through sudo otherwise.
# Usage: scripts/install-deps.sh build|test
set -euo pipefail

# qt6-base-dev brings Qt Widgets and Test with the offscreen and xcb platform
# plugins; fonts-dejavu-core gives the window a font where no desktop is installed;
# qt6-translations-l10n has Qt's Spanish texts (dialog buttons, file and colour
# dialogs), which the program loads whatever the system language;
# libhowardhinnant-date-dev reads the named time zones from tzdata, the
# system's time-zone database.
build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev fonts-dejavu-core libsimpleini-dev qt6-translations-l10n
                libhowardhinnant-date-dev tzdata)
# LibreOffice's word processor reads the exported documents back in the tests;
# Liberation Sans stands in for the documents' Arial; poppler-utils reads the
# printable pages' PDF back (pages, text). ccache keeps the compiled files of a
# test run for the next one.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils libreoffice-writer-nogui fonts-liberation2
               poppler-utils ccache)

case "${1:-build}" in
  build) wanted=("${build_packages[@]}") ;;
  test)  wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
  *) echo "uso: $0 build|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "Kalto: all required packages are installed."
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Kalto: missing packages (${missing[*]}) and no sudo to install them; install them as root." >&2
  exit 1
fi

echo "Kalto: installing missing Debian packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
