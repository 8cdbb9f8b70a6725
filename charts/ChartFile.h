// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chart files: INI text of the settings file's kind.
//
//   [Carta]
//   Nombre=Ana
//   Fecha=1990-05-17 08:30        what a birth chart was made from: the local
//   Zona=Europe/Madrid            time, its zone (or TZ=2 for a fixed offset)
//   Latitud=41.3874               and the place, when given
//   Longitud=2.1686
//
//   [Puntos]
//   Sol=56.0925                   one point a line, in the chart's order:
//   ASC=112.25                    name=ecliptic longitude in decimal degrees
//
// A file without [Carta] is a chart named after the file.

#include "Chart.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kalto {

// Files longer than this are not charts.
inline constexpr std::size_t MaxChartFileSize = 1 << 20;

[[nodiscard]] std::string ChartFileText(const Chart& chart);

// A chart read, or why it could not be: a Spanish message that names
// `origin` (the file) and what is wrong.
struct ChartReading {
    std::optional<Chart> Value;
    std::string Problem;
};

// `defaultName` names a chart whose text has no Nombre.
[[nodiscard]] ChartReading ParseChartText(std::string_view text, std::string_view origin, std::string_view defaultName);
[[nodiscard]] ChartReading ReadChartFile(const std::filesystem::path& file);

// Writes the chart atomically (ReplaceFile): a failure leaves the previous
// file whole. Nothing on success, otherwise the message to show; a chart
// whose names cannot be written is refused before anything is written.
[[nodiscard]] std::optional<std::string> SaveChartFile(const std::filesystem::path& file, const Chart& chart);

// The folder of the user's charts: $XDG_CONFIG_HOME/Kalto/cartas, or
// ~/.config/Kalto/cartas.
[[nodiscard]] std::filesystem::path UserChartsFolder();

// A file name in that folder for a chart called `name`: its letters, digits
// and blanks, with anything else made '_', and ".ini".
[[nodiscard]] std::string ChartFileName(std::string_view name);

}  // namespace kalto
