// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonthlyPdf.h"

#include "MonthPagePainter.h"
#include "ReplacingFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace kalto {

namespace {

QPageSize PageSizeOf(PaperSize paper) {
    return QPageSize(paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter);
}

}  // namespace

std::optional<PaperSize> PaperNamed(std::string_view name) {
    if (name == "a4") return PaperSize::A4;
    if (name == "carta") return PaperSize::Letter;
    return std::nullopt;
}

std::string_view PaperName(PaperSize paper) {
    return paper == PaperSize::A4 ? "a4" : "carta";
}

void PaintMonthPages(QPainter& painter, QPagedPaintDevice& device, const MonthPages& pages,
                     const DateFormatNames& names) {
    for (std::size_t month = 0; month < pages.Months.size(); ++month) {
        if (month > 0) device.newPage();
        PaintMonthPage(painter, QRectF(painter.viewport()), pages, month, names);
    }
}

std::optional<std::string> WriteMonthlyPdf(const std::filesystem::path& file, const MonthPages& pages, PaperSize paper,
                                           const DateFormatNames& names) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Kalto"));
        writer.setTitle(QStringLiteral("Efemerides"));
        writer.setPageLayout(
            QPageLayout(PageSizeOf(paper), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        QPainter painter(&writer);
        PaintMonthPages(painter, writer, pages, names);
        painter.end();
    }
    if (ReplaceFile(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        return "Unable to write to " + file.string();
    }
    return std::nullopt;
}

}  // namespace kalto
