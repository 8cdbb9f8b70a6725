// SPDX-License-Identifier: GPL-3.0-or-later
// The "Grafico" page's handlers: the chart painted from the last completed run
// and the page's options, its colours, its day marker and the pointer read-out.

#include "TFormMain.h"

#include "ColorPicker.h"
#include "GraphFrame.h"
#include "GraphReadout.h"
#include "DrawGraph.h"
#include "PaintBox.h"
#include "QtText.h"
#include "StatusPanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QPainter>
#include <QSpinBox>

namespace kalto {

namespace {

// DateDiaEfe holds a date-time as written, without a time zone (UTC spec), as
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

void TFormMain::FormCreateGraph() {
    SelectedColorSlot = DayColor;
    CBSigno->setCurrentIndex(0);
    CBLTipoImagen->setCurrentIndex(static_cast<int>(GraphGlyph::None));
    const QDateTime now = QDateTime::currentDateTime();
    DateDiaEfe->setDateTime(QDateTime(now.date(), now.time(), Qt::UTC));
}

std::array<QCheckBox*, ComputedBodyCount> TFormMain::BodyBoxes() const {
    return {CBVP1, CBVP2, CBVP3, CBVP4, CBVP5, CBVP6, CBVP7, CBVP8, CBVP9, CBVP10, CBVP11};
}

// --- The chart --------------------------------------------------------------

void TFormMain::PaintBoxEfemPaint(QPainter& painter) {
    const GraphFrame frame = GraphFrameOfControls(PaintBoxEfem->width(), PaintBoxEfem->height());
    const GraphDrawing drawing = DrawGraph(painter, frame);
    GraphGeometry = drawing.Geometry;
    StatusBar1->SetText(0, ToQString(drawing.MarkerText));
    StatusBar1->SetText(2, ToQString(drawing.ScaleText));
}

// The chart of the last completed run with the page's options and colours, as
// the paint box draws it and the export pictures it.
GraphFrame TFormMain::GraphFrameOfControls(int width, int height) const {
    GraphFrame frame;
    frame.Width = width;
    frame.Height = height;
    frame.Rows = EphemerisRows;
    frame.StartDate = EphemerisStart;
    frame.EndDate = EphemerisEnd;
    const auto boxes = BodyBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        frame.ShownBodies[i + FirstBody] = boxes[i]->isChecked();
    }
    frame.GraphSigns = SENoSigno->value();
    frame.GraphFirstSign = CBSigno->currentIndex();
    frame.Glyph = static_cast<GraphGlyph>(CBLTipoImagen->currentIndex());
    frame.Lines = CBLinea->isChecked();
    frame.SignLines = CBSignos->isChecked();
    frame.DecanLines = CBDeca->isChecked();
    frame.DayLines = CBDias->isChecked();
    frame.MonthLines = CBMes->isChecked();
    frame.ShowMarker = CBDiaEfem->isChecked();
    frame.MarkerDate = FromPickerDateTime(DateDiaEfe->dateTime());
    frame.Colors = GraphColors;
    frame.Names = Names;
    return frame;
}

// The moment under the pointer and the place in the zodiac of its row.
void TFormMain::PaintBoxEfemMouseMove(QPoint position) {
    StatusBar1->SetText(1, ToQString(PointerReadout(GraphGeometry, position.x(), position.y(), Names)));
}

// A click on the chart moves the day marker to the moment under the pointer.
void TFormMain::PaintBoxEfemMouseDown(QPoint position, Qt::MouseButton button) {
    if (button != Qt::LeftButton || !CBDiaEfem->isChecked()) {
        return;
    }
    if (const auto moment = PointerMoment(GraphGeometry, position.x(), position.y())) {
        DateDiaEfe->setDateTime(ToPickerDateTime(*moment));
    }
}

// --- The options ------------------------------------------------------------

void TFormMain::CGChange() {
    PaintBoxEfem->update();
}

void TFormMain::CBVP1Click() {
    PaintBoxEfem->update();
}

// Every body box checked (tag 1) or cleared (tag 0). The boxes' own repaint
// requests and this one merge into a single paint.
void TFormMain::SBViewAllClick(int tag) {
    for (QCheckBox* box : BodyBoxes()) {
        box->setChecked(tag == 1);
    }
    PaintBoxEfem->update();
}

// The marker some whole days forward (tag 1) or back (tag -1).
void TFormMain::BNextClick(int tag) {
    DateDiaEfe->setDateTime(DateDiaEfe->dateTime().addDays(static_cast<qint64>(RxSDeltaDia->value()) * tag));
}

// --- The colours ------------------------------------------------------------

void TFormMain::RBC1Click(int tag) {
    SelectedColorSlot = tag;
    CP->SetColor(ToQColor(GraphColors[tag]));
}

void TFormMain::CPColorChange(QColor color) {
    GraphColors[SelectedColorSlot] = RgbColor(color.red(), color.green(), color.blue());
    PaintBoxEfem->update();
}

void TFormMain::SBResetColorClick() {
    GraphColors = kalto::GraphColors{};
    CP->SetColor(ToQColor(GraphColors[SelectedColorSlot]));
    PaintBoxEfem->update();
}

}  // namespace kalto
