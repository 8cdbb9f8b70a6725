// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The documents that kalto-cli writes with --formato rtf: the window's export
// documents, laid out for 96 pixels per inch since there is no screen, with
// Spanish month and day names.

#include "ExportDocuments.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kalto::cli {

inline constexpr int CommandLinePixelsPerInch = 96;

// A writer of the document `file`, created before any work so that a file
// that cannot be written is reported at once. Throws CommandFailure.
[[nodiscard]] std::unique_ptr<RtfWriter> CreateRtfDocument(const std::string& file);

// Writes and saves the document; throws CommandFailure when it cannot, and
// then no file is left behind.
void WriteRtfDocument(RtfWriter& writer, const ExportContent& content);

// --columnas: "hora,lon,lat,ar,dec" (any of them, in any order) or "ninguna",
// as the optional columns of the ephemeris table in its order (3 to 7).
// Throws UsageError.
[[nodiscard]] std::vector<int> ParseTableColumns(std::string_view text);

}  // namespace kalto::cli
