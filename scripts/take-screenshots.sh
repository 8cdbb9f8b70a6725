#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Retakes the README's and the user manual's screenshots in docs/screenshots
# (efemerides.png, todos.png, eventos.png, grafico.png, contactos.png, zona.png, transitos.png at 1280 x 800, carta.png, imprimir.png and acerca-de.png):
# builds the screenshot program of the release build and runs it in Spanish,
# under Xvfb when xvfb-run is installed, on Qt's offscreen platform otherwise.
# Usage: scripts/take-screenshots.sh [FOLDER]   (default: docs/screenshots)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
folder="$(realpath -m "${1:-$root/docs/screenshots}")"
build="$root/build/release"

cd "$root"
if [ ! -f "$build/build.ninja" ]; then
  cmake --preset release
fi
cmake --build "$build" --target kalto_screenshots
mkdir -p "$folder"

# The month and day names, the decimal comma and Qt's own texts in Spanish.
export LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 LANGUAGE=es
program=("$build/app/kalto_screenshots" "$folder")
if command -v xvfb-run >/dev/null 2>&1; then
  xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "${program[@]}"
else
  QT_QPA_PLATFORM=offscreen "${program[@]}"
fi
echo "Capturas en $folder"
