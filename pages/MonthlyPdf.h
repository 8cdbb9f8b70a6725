// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printable months as a PDF file, written through Qt's own PDF writer:
// landscape pages of A4 or US Letter paper, the text kept as text so that it
// can be searched and copied. The file is replaced whole or not at all.

#include "DateFormat.h"
#include "MonthlyPages.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class QPagedPaintDevice;
class QPainter;

namespace kalto {

enum class PaperSize { A4, Letter };

// "a4" or "carta", as the settings and the command line name them.
[[nodiscard]] std::optional<PaperSize> PaperNamed(std::string_view name);
[[nodiscard]] std::string_view PaperName(PaperSize paper);

// Draws every month on `device`, a page each, with `painter` begun on it.
void PaintMonthPages(QPainter& painter, QPagedPaintDevice& device, const MonthPages& pages,
                     const DateFormatNames& names);

// Writes the PDF; nothing on success, otherwise the message to show:
// "Unable to write to " and the path.
[[nodiscard]] std::optional<std::string> WriteMonthlyPdf(const std::filesystem::path& file, const MonthPages& pages,
                                                         PaperSize paper, const DateFormatNames& names);

}  // namespace kalto
