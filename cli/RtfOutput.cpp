// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfOutput.h"

#include "CommandErrors.h"
#include "EphemerisTable.h"

#include <algorithm>
#include <array>

namespace kalto::cli {

namespace {

// The names of the optional columns 3 to 7, as the window's boxes call them.
constexpr std::array<std::string_view, 5> ColumnNames = {"hora", "lon", "lat", "ar", "dec"};

}  // namespace

std::unique_ptr<RtfWriter> CreateRtfDocument(const std::string& file) {
    auto writer = std::make_unique<RtfWriter>(file);
    if (!writer->Status().Ok()) {
        throw CommandFailure(writer->Status().ErrorMessage);
    }
    return writer;
}

void WriteRtfDocument(RtfWriter& writer, const ExportContent& content) {
    ExportSettings settings;
    settings.PixelsPerInch = CommandLinePixelsPerInch;
    const ExportStatus status = WriteDocument(writer, content, settings);
    if (!status.Ok()) {
        throw CommandFailure(status.ErrorMessage);
    }
}

std::vector<int> ParseTableColumns(std::string_view text) {
    std::array<bool, ColumnNames.size()> shown{};
    if (text != "ninguna") {
        for (std::size_t start = 0;;) {
            const std::size_t comma = text.find(',', start);
            const std::string_view item = text.substr(start, comma - start);
            const auto* name = std::ranges::find(ColumnNames, item);
            if (name == ColumnNames.end()) {
                throw UsageError("columna desconocida: «" + std::string(item) +
                                 "»; deben ser hora, lon, lat, ar o dec separadas por comas, o ninguna");
            }
            shown[static_cast<std::size_t>(name - ColumnNames.begin())] = true;
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
    }
    std::vector<int> columns;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i]) columns.push_back(FirstOptionalColumn + static_cast<int>(i));
    }
    return columns;
}

}  // namespace kalto::cli
