// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawGraph.h"

#include "Glyphs.h"
#include "GraphReadout.h"
#include "GraphSeries.h"

#include <QFont>
#include <QFontMetrics>
#include <QPen>

namespace kalto {

namespace {

// Month lines reach this far up into the row of the month labels.
constexpr int MonthLineRise = 10;
constexpr int MarkerPenWidth = 2;
constexpr int DecansInSign = 3;
constexpr int SignsInCircle = 12;

QPen SolidPen(TColor color, int width = 1) {
    QPen pen(ToQColor(color));
    pen.setWidth(width);
    return pen;
}

// One pixel on, one off.
QPen DottedPen(TColor color) {
    QPen pen(ToQColor(color));
    pen.setWidth(1);
    pen.setDashPattern({1, 1});
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QFont LabelFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(7);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// Combines a glyph with what lies under it by bitwise AND: its white pixels
// leave the picture unchanged.
void DrawGlyph(QPainter& painter, int x, int y, const QImage& glyph) {
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(QPoint(x, y), glyph);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void HorizontalLine(QPainter& painter, int y, int fromX, int toX) {
    painter.drawLine(fromX, y, toX, y);
}

// The left edge and the top and bottom lines of the plot.
void DrawFrame(QPainter& painter, const GraphGeometry& g, const GraphColors& colors) {
    painter.setPen(SolidPen(colors[SignColor]));
    painter.drawLine(g.LeftMargin, g.TopMargin, g.LeftMargin, g.Bottom);
    HorizontalLine(painter, g.TopMargin, g.LeftMargin, g.Right);
    HorizontalLine(painter, g.Bottom, g.LeftMargin, g.Right);
}

// Each band's sign glyph in the margin, its decan lines and the sign
// line under it.
void DrawSignBands(QPainter& painter, const GraphGeometry& g, const GraphFrame& frame) {
    if (!g.HasBands()) {
        return;  // the glyphs would pile up on one row
    }
    for (int v = 0; v < g.GraphSigns; ++v) {
        const int top = g.TopMargin + v * g.BandHeight;
        DrawGlyph(painter, 1, top + g.DecanStep, SignGlyph((g.GraphFirstSign + v) % SignsInCircle));
        if (frame.DecanLines) {
            painter.setPen(DottedPen(frame.Colors[DecanColor]));
            for (int i = 1; i <= DecansInSign; ++i) {
                HorizontalLine(painter, top + i * g.DecanStep, g.LeftMargin, g.Right);
            }
        }
        if (frame.SignLines) {
            painter.setPen(SolidPen(frame.Colors[SignColor]));
            HorizontalLine(painter, top + g.BandHeight, g.LeftMargin, g.Right);
        }
    }
}

// The "yy-mm" label and the month line at each first of a month, and
// the day lines.
void DrawDays(QPainter& painter, const GraphGeometry& g, const GraphFrame& frame) {
    painter.setFont(LabelFont());
    const int ascent = painter.fontMetrics().ascent();
    for (const GraphDayMark& mark : DayMarks(g)) {
        if (mark.FirstOfMonth) {
            painter.setPen(QColor(Qt::black));
            const std::string label = FormatDateTime(MonthLabelPattern, mark.Date, frame.Names);
            painter.drawText(mark.X, ascent, QString::fromStdString(label));
        }
        if (frame.DayLines) {
            painter.setPen(SolidPen(frame.Colors[DaysColor]));
            painter.drawLine(mark.X, g.TopMargin, mark.X, g.Bottom);
        }
        if (frame.MonthLines && mark.FirstOfMonth) {
            painter.setPen(SolidPen(frame.Colors[MonthColor]));
            painter.drawLine(mark.X, g.TopMargin - MonthLineRise, mark.X, g.Bottom);
        }
    }
}

// The day marker, a line two pixels wide.
void DrawMarker(QPainter& painter, const GraphGeometry& g, const GraphFrame& frame) {
    const int x = MarkerX(g, frame.MarkerDate);
    painter.setPen(SolidPen(frame.Colors[DayColor], MarkerPenWidth));
    painter.drawLine(x, g.TopMargin, x, g.Bottom);
}

const QImage* SeriesGlyph(GraphGlyph choice, int body) {
    switch (choice) {
        case GraphGlyph::Circle:
        case GraphGlyph::Square:
        case GraphGlyph::Triangle:
        case GraphGlyph::Asterisk: return &PointGlyph(static_cast<int>(choice));
        case GraphGlyph::BodyImage: return &BodyGlyph(body);
        case GraphGlyph::None: break;
    }
    return nullptr;
}

// Each shown body in turn, Sol to Nod, so that the glyphs of later
// bodies darken earlier ones where they overlap. Every pixel that one body
// paints has that body's colour, so its glyphs may go before its lines.
void DrawSeries(QPainter& painter, const GraphGeometry& g, const GraphFrame& frame) {
    if (!frame.Rows) {
        return;
    }
    const int rowsPerDay = RowsPerDay(*frame.Rows);
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        if (!frame.ShownBodies[static_cast<std::size_t>(body)]) {
            continue;
        }
        const TColor color = BodyColors[static_cast<std::size_t>(body)];
        const GraphSeriesShape shape =
            SeriesShape(g, frame.Rows->Bodies[static_cast<std::size_t>(body)], rowsPerDay, frame.Lines);
        if (const QImage* glyph = SeriesGlyph(frame.Glyph, body)) {
            const QImage tinted = TintedGlyph(*glyph, ToQColor(color));
            for (const GraphPoint& point : shape.Points) {
                DrawGlyph(painter, point.X - tinted.width() / 2, point.Y - tinted.height() / 2, tinted);
            }
        }
        painter.setPen(SolidPen(color));
        for (const GraphSegment& segment : shape.Segments) {
            painter.drawLine(segment.From.X, segment.From.Y, segment.To.X, segment.To.Y);
        }
    }
}

}  // namespace

GraphDrawing DrawGraph(QPainter& painter, const GraphFrame& frame) {
    GraphGeometry g = ComputeGraphGeometry(frame.Width, frame.Height, frame.StartDate, frame.EndDate, frame.GraphSigns,
                                           frame.GraphFirstSign);
    g.Rows = frame.Rows;
    painter.save();
    painter.setClipRect(0, 0, frame.Width, frame.Height, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    painter.fillRect(0, 0, frame.Width, frame.Height, ToQColor(frame.Colors[BackColor]));
    DrawFrame(painter, g, frame.Colors);
    DrawSignBands(painter, g, frame);
    DrawDays(painter, g, frame);
    // Without a day axis there is no column for the marker.
    if (frame.ShowMarker && g.HasDayAxis()) {
        DrawMarker(painter, g, frame);
    }
    DrawSeries(painter, g, frame);

    painter.restore();
    return {g, MarkerDateText(frame.MarkerDate, frame.Names), ScaleText(g)};
}

QImage RenderGraphImage(const GraphFrame& frame) {
    QImage image(frame.Width, frame.Height, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawGraph(painter, frame);
    return image;
}

}  // namespace kalto
