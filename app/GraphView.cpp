// SPDX-License-Identifier: GPL-3.0-or-later
// The graph view's handlers: the chart painted from the last completed run and
// the view's options, its colours, its day marker and the pointer read-out.

#include "GraphView.h"

#include "ColorPicker.h"
#include "DrawGraph.h"
#include "GraphFrame.h"
#include "GraphPicture.h"
#include "GraphReadout.h"
#include "PaintBox.h"
#include "QtText.h"
#include "Settings.h"
#include "StatusPanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QPainter>
#include <QSpinBox>

namespace kalto {

namespace {

// Controls.DateDiaEfe holds a date-time as written, without a time zone (UTC spec), as
// the program's date-times are civil times in the zone of the run.
QDateTime ToPickerDateTime(TDateTime value) {
    const DecodedDateTime decoded = DecodeDateTime(value);
    return {QDate(decoded.date.year, decoded.date.month, decoded.date.day),
            QTime(decoded.time.hour, decoded.time.minute, decoded.time.second, decoded.time.millisecond), Qt::UTC};
}

TDateTime FromPickerDateTime(const QDateTime& value) {
    const QDate date = value.date();
    const QTime time = value.time();
    return EncodeDate(date.year(), date.month(), date.day()) +
           EncodeTime(time.hour(), time.minute(), time.second(), time.msec());
}

}  // namespace

void GraphView::ShowRun(CompletedRun run) {
    Run = std::move(run);
    Controls.PaintBoxEfem->update();
}

// The title states the zone of the rows drawn.
GraphExport GraphView::ContentToExport() const {
    return GraphExport(GraphPicture(FrameOfControls(GraphPictureWidth, GraphPictureHeight)),
                       Run.Clock.ZoneText(Run.Start));
}

// The picker shows the colour of the slot chosen, the stored one included.
void GraphView::ApplySettings(const KaltoSettings& settings) {
    Controls.CBDiaEfem->setChecked(settings.DayMarker);
    Controls.CBSignos->setChecked(settings.SignLines);
    Controls.CBDeca->setChecked(settings.DecanLines);
    Controls.CBMes->setChecked(settings.MonthLines);
    Controls.CBDias->setChecked(settings.DayLines);
    SlotColors = settings.Colors;
    Controls.CP->SetColor(ToQColor(SlotColors[ColorSlot]));
    Controls.PaintBoxEfem->update();
}

void GraphView::StoreSettings(KaltoSettings& settings) const {
    settings.DayMarker = Controls.CBDiaEfem->isChecked();
    settings.SignLines = Controls.CBSignos->isChecked();
    settings.DecanLines = Controls.CBDeca->isChecked();
    settings.MonthLines = Controls.CBMes->isChecked();
    settings.DayLines = Controls.CBDias->isChecked();
    settings.Colors = SlotColors;
}

// --- The chart --------------------------------------------------------------

void GraphView::PaintBoxEfemPaint(QPainter& painter) {
    const GraphFrame frame = FrameOfControls(Controls.PaintBoxEfem->width(), Controls.PaintBoxEfem->height());
    const GraphDrawing drawing = DrawGraph(painter, frame);
    LastGeometry = drawing.Geometry;
    Controls.StatusBar1->SetText(0, ToQString(drawing.MarkerText));
    Controls.StatusBar1->SetText(2, ToQString(drawing.ScaleText));
}

// The chart of the last completed run with the page's options and colours, as
// the paint box draws it and the export pictures it.
GraphFrame GraphView::FrameOfControls(int width, int height) const {
    GraphFrame frame;
    frame.Width = width;
    frame.Height = height;
    frame.Rows = Run.Rows;
    frame.StartDate = Run.Start;
    frame.EndDate = Run.End;
    for (std::size_t i = 0; i < ComputedBodyCount; ++i) {
        frame.ShownBodies[i + FirstBody] = Controls.CBVP[i]->isChecked();
    }
    frame.GraphSigns = Controls.SENoSigno->value();
    frame.GraphFirstSign = Controls.CBSigno->currentIndex();
    frame.Glyph = static_cast<GraphGlyph>(Controls.CBLTipoImagen->currentIndex());
    frame.Lines = Controls.CBLinea->isChecked();
    frame.SignLines = Controls.CBSignos->isChecked();
    frame.DecanLines = Controls.CBDeca->isChecked();
    frame.DayLines = Controls.CBDias->isChecked();
    frame.MonthLines = Controls.CBMes->isChecked();
    frame.ShowMarker = Controls.CBDiaEfem->isChecked();
    frame.MarkerDate = FromPickerDateTime(Controls.DateDiaEfe->dateTime());
    frame.Colors = SlotColors;
    frame.Names = Names;
    return frame;
}

// The moment under the pointer and the place in the zodiac of its row; nothing
// before the first run, whose chart has no days.
void GraphView::PaintBoxEfemMouseMove(QPoint position) {
    const std::string readout = Run.Rows ? PointerReadout(LastGeometry, position.x(), position.y(), Names) : "";
    Controls.StatusBar1->SetText(1, ToQString(readout));
}

// Outside the chart the pointer is over nothing.
void GraphView::PaintBoxEfemMouseLeave() {
    Controls.StatusBar1->SetText(1, QString());
}

// A click on the chart of a run moves the day marker to the moment under the
// pointer.
void GraphView::PaintBoxEfemMouseDown(QPoint position, Qt::MouseButton button) {
    if (button != Qt::LeftButton || !Controls.CBDiaEfem->isChecked() || !Run.Rows) {
        return;
    }
    if (const auto moment = PointerMoment(LastGeometry, position.x(), position.y())) {
        Controls.DateDiaEfe->setDateTime(ToPickerDateTime(*moment));
    }
}

// --- The options ------------------------------------------------------------

void GraphView::CGChange() {
    Controls.PaintBoxEfem->update();
}

void GraphView::CBVP1Click() {
    Controls.PaintBoxEfem->update();
}

// Every body box checked (tag 1) or cleared (tag 0). The boxes' own repaint
// requests and this one merge into a single paint.
void GraphView::SBViewAllClick(int tag) {
    for (std::size_t i = 0; i < ComputedBodyCount; ++i) {
        Controls.CBVP[i]->setChecked(tag == 1);
    }
    Controls.PaintBoxEfem->update();
}

// The marker some whole days forward (tag 1) or back (tag -1).
void GraphView::BNextClick(int tag) {
    Controls.DateDiaEfe->setDateTime(
        Controls.DateDiaEfe->dateTime().addDays(static_cast<qint64>(Controls.RxSDeltaDia->value()) * tag));
}

// --- The colours ------------------------------------------------------------

void GraphView::RBC1Click(int tag) {
    ColorSlot = tag;
    Controls.CP->SetColor(ToQColor(SlotColors[tag]));
}

void GraphView::CPColorChange(QColor color) {
    SlotColors[ColorSlot] = RgbColor(color.red(), color.green(), color.blue());
    Controls.PaintBoxEfem->update();
}

void GraphView::SBResetColorClick() {
    SlotColors = GraphColors{};
    Controls.CP->SetColor(ToQColor(SlotColors[ColorSlot]));
    Controls.PaintBoxEfem->update();
}

}  // namespace kalto
