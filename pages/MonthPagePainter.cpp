// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonthPagePainter.h"

#include "AllBodiesTable.h"
#include "QtText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kalto {

namespace {

// DejaVu Sans draws the zodiac's characters and the aspects' signs.
const QString PageFontFamily = QStringLiteral("DejaVu Sans");
constexpr double TitleSize = 13;
constexpr double TableSize = 7;
constexpr double LargestEventSize = 6.5;
constexpr double SmallestEventSize = 4.5;
constexpr double DayColumnWidth = 42;  // points, as the other lengths
constexpr double Gap = 8;
constexpr double RowPadding = 1.5;
constexpr double TitlePadding = 4;
constexpr double EventsMargin = 6;
constexpr char32_t FirstZodiacCharacter = U'\u2648';

QFont PageFont(double points, bool bold = false) {
    QFont font(PageFontFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The aspects' signs: conjunction, sextile, square, trine, opposition.
QString AspectSign(int degrees) {
    switch (degrees) {
        case 0: return QStringLiteral("\u260C");
        case 60: return QStringLiteral("\u2736");  // DejaVu Sans lacks the sextile's own U+26B9
        case 90: return QStringLiteral("\u25A1");
        case 120: return QStringLiteral("\u25B3");
        case 180: return QStringLiteral("\u260D");
        default: return QString::number(degrees) + QStringLiteral("°");
    }
}

QString BodyCell(const MonthPages& pages, std::size_t row, int body) {
    const double longitude = pages.Rows->Bodies[static_cast<std::size_t>(body)][row].Longitude;
    const char32_t glyph = FirstZodiacCharacter + static_cast<char32_t>(CompactSignOf(longitude).Sign);
    QString text = QString::fromUcs4(&glyph, 1) + QLatin1Char(' ') + ToQString(CompactSignText(longitude));
    if (const std::string_view mark = pages.Marks.Mark(body, row); !mark.empty()) {
        text += QLatin1Char(' ') + ToQString(mark);
    }
    return text;
}

// The table: a header row and a line a day.
double PaintTable(QPainter& painter, const QRectF& area, const MonthPages& pages, const MonthPage& page,
                  const DateFormatNames& names, double unit) {
    painter.setFont(PageFont(TableSize));
    const double lineHeight = QFontMetricsF(painter.font()).height() + RowPadding * unit;
    const double dayWidth = DayColumnWidth * unit;
    const double bodyWidth = (area.width() - dayWidth) / ComputedBodyCount;
    double y = area.top();
    const auto cellRect = [&](int column, double top) {
        const double left = column == 0 ? area.left() : area.left() + dayWidth + (column - 1) * bodyWidth;
        return QRectF(left, top, column == 0 ? dayWidth : bodyWidth, lineHeight);
    };
    painter.setFont(PageFont(TableSize, true));
    painter.drawText(cellRect(0, y), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Día"));
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        painter.drawText(cellRect(body, y), Qt::AlignLeft | Qt::AlignVCenter,
                         ToQString(BodyLabels[static_cast<std::size_t>(body)]));
    }
    y += lineHeight;
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setFont(PageFont(TableSize));
    for (std::size_t day = 0; day < page.Days; ++day) {
        const std::size_t row = page.FirstRow + day;
        const TDateTime wall = pages.Rows->Clock.ToWallTime(pages.Rows->Bodies[Sol][row].UniversalTime);
        if (day % 7 == 6)
            painter.fillRect(cellRect(0, y).united(cellRect(ComputedBodyCount, y)), QColor(238, 238, 238));
        painter.drawText(cellRect(0, y), Qt::AlignLeft | Qt::AlignVCenter,
                         ToQString(FormatDateTime("dd ddd", wall, names)));
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            painter.drawText(cellRect(body, y), Qt::AlignLeft | Qt::AlignVCenter, BodyCell(pages, row, body));
        }
        y += lineHeight;
    }
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    return y;
}

// The events in as many columns as they need, the font shrunk until they fit.
void PaintEvents(QPainter& painter, const QRectF& area, const MonthPage& page, const WallClock& clock, double unit) {
    std::vector<QString> lines;
    for (const Event& event : page.Events) lines.push_back(ToQString(MonthPageEventLine(event, clock)));
    if (lines.empty() || area.height() <= 0) return;
    for (double size = LargestEventSize;; size -= 0.5) {
        painter.setFont(PageFont(size));
        const QFontMetricsF metrics(painter.font());
        const double lineHeight = metrics.height();
        double widest = 0;
        for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
        const auto perColumn = static_cast<std::size_t>(std::max(1.0, std::floor(area.height() / lineHeight)));
        const auto columns = (lines.size() + perColumn - 1) / perColumn;
        const double columnWidth = widest + Gap * unit;
        if (columns * columnWidth <= area.width() || size <= SmallestEventSize) {
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const double x = area.left() + static_cast<double>(i / perColumn) * columnWidth;
                const double y = area.top() + static_cast<double>(i % perColumn) * lineHeight;
                painter.drawText(QRectF(x, y, columnWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
            }
            return;
        }
    }
}

}  // namespace

std::string MonthPageTitle(const MonthPages& pages, std::size_t month, const DateFormatNames& names) {
    const MonthPage& page = pages.Months[month];
    std::string name = names.longMonthNames[static_cast<std::size_t>(page.Month - 1)];
    if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name + " " + std::to_string(page.Year) +
           ". Time Zone: " + pages.Rows->Clock.ZoneText(EncodeDate(page.Year, page.Month, 1)) + ".";
}

std::string MonthPageEventLine(const Event& event, const WallClock& clock) {
    const DecodedDateTime wall = DecodeDateTime(std::round(clock.ToWallTime(event.Time) * 1440) / 1440);
    char moment[16];
    std::snprintf(moment, sizeof moment, "%02d %02d:%02d ", wall.date.day, wall.time.hour, wall.time.minute);
    std::string line = moment;
    line += BodyLabels[static_cast<std::size_t>(event.Body)];
    line += ' ';
    if (event.Kind == EventKind::Aspect) {
        line += AspectSign(event.Detail).toStdString();
        line += ' ';
        line += BodyLabels[static_cast<std::size_t>(event.Other)];
    } else {
        line += event.Text;
    }
    return line;
}

void PaintMonthPage(QPainter& painter, const QRectF& area, const MonthPages& pages, std::size_t month,
                    const DateFormatNames& names) {
    const MonthPage& page = pages.Months[month];
    const double unit = painter.device()->logicalDpiY() / 72.0;  // device units a point
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(PageFont(TitleSize, true));
    const double titleHeight = QFontMetricsF(painter.font()).height() + TitlePadding * unit;
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight), Qt::AlignLeft | Qt::AlignTop,
                     ToQString(MonthPageTitle(pages, month, names)));
    const double tableBottom = PaintTable(
        painter, QRectF(area.left(), area.top() + titleHeight, area.width(), area.height()), pages, page, names, unit);
    const double eventsTop = tableBottom + EventsMargin * unit;
    PaintEvents(painter, QRectF(area.left(), eventsTop, area.width(), area.bottom() - eventsTop), page,
                pages.Rows->Clock, unit);
    painter.restore();
}

}  // namespace kalto
