// SPDX-License-Identifier: GPL-3.0-or-later
// The "Efemerides" page's handlers: the run over the span and step shown, its
// progress and its end, the table of the selected body, the views and the
// page's part of the settings and of the export.

#include "EphemerisPage.h"

#include "DateConversion.h"
#include "EphemerisRun.h"
#include "EphemerisSpan.h"
#include "EphemerisTable.h"
#include "EphemerisTableModel.h"
#include "EphemerisTexts.h"
#include "QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

namespace kalto {

namespace {

QString RangeText(TDateTime start, TDateTime end, const DateFormatNames& names) {
    return ToQString(FormatDateTime(RangeDatePattern, start, names) + std::string(RangeSeparator) +
                     FormatDateTime(RangeDatePattern, end, names));
}

}  // namespace

void EphemerisPage::SetClock(WallClock clock) {
    Clock = std::move(clock);
    ResetEphemerisStatus();
}

TDateTime EphemerisPage::SpanStart() const {
    return ToDateTime(Controls.DE1->date());
}

void EphemerisPage::ApplySettings(const KaltoSettings& settings) {
    Controls.Graph->ApplySettings(settings);
}

void EphemerisPage::StoreSettings(KaltoSettings& settings) const {
    Controls.Graph->StoreSettings(settings);
}

void EphemerisPage::SetExportEnabled(bool enabled) {
    Controls.SBEfemToRtf->setEnabled(enabled);
}

// The rows exported are those shown, in the zone they were computed in,
// whatever the zone box says now.
ExportContent EphemerisPage::ContentToExport() const {
    if (Controls.SBViewChartDiagrama->isChecked()) {
        return Controls.Graph->ContentToExport();
    }
    if (Controls.SBViewEventos->isChecked()) {
        return Controls.Eventos->ContentToExport();
    }
    EphemerisTableExport table{.Rows = Completed.Rows, .Body = Body, .Clock = Completed.Clock, .OptionalColumns = {}};
    for (int column = FirstOptionalColumn; column < EphemerisColumnCount; ++column) {
        if (!Controls.StrGridEfem->isColumnHidden(column)) {
            table.OptionalColumns.push_back(column);
        }
    }
    return table;
}

void EphemerisPage::StopWork() {
    RunnerEfem.Stop();
    Controls.Eventos->StopWork();
}

// --- The views --------------------------------------------------------------

void EphemerisPage::ToggleChartView() {
    if (Controls.NotebookData->currentIndex() == 0) {
        SBViewChartDiagramaClick();
    } else {
        SBViewChartDataClick();
    }
}

void EphemerisPage::SBViewChartDataClick() {
    Controls.SBViewChartData->setChecked(true);
    Controls.NotebookData->setCurrentIndex(0);
}

void EphemerisPage::SBViewChartDiagramaClick() {
    Controls.SBViewChartDiagrama->setChecked(true);
    Controls.NotebookData->setCurrentIndex(1);
}

void EphemerisPage::SBViewEventosClick() {
    Controls.SBViewEventos->setChecked(true);
    Controls.NotebookData->setCurrentIndex(2);
}

// --- The run ----------------------------------------------------------------

void EphemerisPage::BCalContacClick() {
    Controls.BitBtnStopEfem->setEnabled(true);
    CalculateEphemeris();
}

// Starts a run over the span and step shown now, in the zone set last; the
// run reads them once, here. A run still going is stopped and replaced: the
// range it saved stays the one to restore.
void EphemerisPage::CalculateEphemeris() {
    Controls.CBDeltaTiempo->setEnabled(false);
    Controls.PanelEfemDateInterval->setEnabled(false);
    const int stepsPerDay =
        EphemerisStepChoices[static_cast<std::size_t>(Controls.CBDeltaTiempo->currentIndex())].StepsPerDay;
    if (!RunnerEfem.IsRunning()) {
        SavedRangeText = Controls.LabelFecha->text();
    }
    Controls.LabelFecha->setText(ToQString(RangeComputing));

    const EphemerisRequest request{
        .StartDate = ToDateTime(Controls.DE1->date()),
        .EndDate = ToDateTime(Controls.DE2->date()),
        .SpanDays = Span,
        .StepsPerDay = stepsPerDay,
        .Clock = Clock,
    };
    Controls.GaugeProgressEfem->setMaximum(static_cast<int>(TotalSteps(request)));
    Controls.GaugeProgressEfem->setValue(0);
    RunnerEfem.Start(request);
    ShowComputingStatus(0);
}

void EphemerisPage::ShowComputingStatus(std::int64_t stepsDone) {
    const auto& request = RunnerEfem.Request();
    const std::int64_t step = std::clamp<std::int64_t>(stepsDone, 0, TotalSteps(request) - 1);
    Controls.LabelStatusEfem->setText(ToQString(
        std::string(StatusComputing) + FormatDateTime(ComputingInstantPattern, StepInstant(request, step), DateNames)));
}

void EphemerisPage::RunnerEfemProgress(qint64 stepsDone) {
    Controls.GaugeProgressEfem->setValue(static_cast<int>(stepsDone));
    ShowComputingStatus(stepsDone);
}

// The rows keep the zone their run was started with.
void EphemerisPage::RunnerEfemCompleted(kalto::EphemerisRows rows) {
    const TDateTime start = rows->StartDate;
    const TDateTime end = rows->EndDate;
    Completed = {.Rows = std::move(rows), .Start = start, .End = end, .Clock = RunnerEfem.Request().Clock};
    FillEphemerisGrid();
    Controls.Graph->ShowRun(Completed);
    Controls.Eventos->ShowRun(Completed);
    Controls.LabelFecha->setText(RangeText(Completed.Start, Completed.End, DateNames));
    Controls.GaugeProgressEfem->setValue(Controls.GaugeProgressEfem->maximum());
    EndRun(ToQString(StatusComputed));
}

// A run whose rows could not be held ends as if stopped.
void EphemerisPage::RunnerEfemFailed() {
    Controls.LabelFecha->setText(SavedRangeText);
    EndRun(ToQString(StatusInterrupted));
}

void EphemerisPage::BitBtnStopEfemClick() {
    RunnerEfem.Stop();
    Controls.LabelFecha->setText(SavedRangeText);
    EndRun(ToQString(StatusInterrupted));
}

void EphemerisPage::EndRun(const QString& status) {
    Controls.CBDeltaTiempo->setEnabled(true);
    Controls.PanelEfemDateInterval->setEnabled(true);
    Controls.BitBtnStopEfem->setEnabled(false);
    Controls.LabelStatusEfem->setText(status);
}

void EphemerisPage::ResetEphemerisStatus() {
    Controls.GaugeProgressEfem->setValue(0);
    Controls.LabelStatusEfem->setText(ToQString(StatusToCompute));
}

void EphemerisPage::DateEWork1Change() {
    Span = kalto::SpanDays(ToDateTime(Controls.DE1->date()), ToDateTime(Controls.DE2->date()));
    ResetEphemerisStatus();
    emit SpanStartChanged();
}

void EphemerisPage::DE2Change() {
    const TDateTime start = ToDateTime(Controls.DE1->date());
    const TDateTime end = LimitEndDate(start, ToDateTime(Controls.DE2->date()));
    if (ToQDate(end) != Controls.DE2->date()) {
        const QSignalBlocker blocker(Controls.DE2);
        Controls.DE2->setDate(ToQDate(end));
    }
    Span = kalto::SpanDays(start, ToDateTime(Controls.DE2->date()));
    ResetEphemerisStatus();
}

void EphemerisPage::SBMD1Click(int months) {
    const TDateTime start = ToDateTime(Controls.DE1->date());
    {
        const QSignalBlocker blocker(Controls.DE2);
        Controls.DE2->setDate(ToQDate(IncMonth(start, months)));
    }
    Span = kalto::SpanDays(start, ToDateTime(Controls.DE2->date()));
    ResetEphemerisStatus();
}

void EphemerisPage::CBDeltaTiempoChange() {
    ResetEphemerisStatus();
}

// --- The table --------------------------------------------------------------

// "Todos" shows the all-bodies table in the single body's place; the column
// boxes belong to the single body's.
void EphemerisPage::FillEphemerisGrid() {
    const bool all = Body == AllBodiesTableBody;
    if (all) {
        if (Controls.ModelTodos->Rows() != Completed.Rows) Controls.ModelTodos->Fill(Completed.Rows);
    } else {
        Controls.ModelEfem->Fill(Completed.Rows, Body);
    }
    Controls.StrGridEfem->setVisible(!all);
    Controls.StrGridTodos->setVisible(all);
    for (QCheckBox* box :
         {Controls.CBViewHour, Controls.CBViewLon, Controls.CBViewLat, Controls.CBViewAR, Controls.CBViewDec}) {
        box->setEnabled(!all);
    }
}

void EphemerisPage::SBP1Click(int body) {
    Body = body;
    FillEphemerisGrid();
}

void EphemerisPage::CBViewLonClick(int column, bool checked) {
    Controls.StrGridEfem->setColumnHidden(column, !checked);
    ShownColumns += checked ? 1 : -1;
    FitGridWidth();
}

// The table is no wider than its shown columns and its scroll bar.
void EphemerisPage::FitGridWidth() {
    QTableView* grid = Controls.StrGridEfem;
    grid->setMaximumWidth(grid->horizontalHeader()->length() + 2 * grid->frameWidth() +
                          grid->verticalScrollBar()->sizeHint().width());
}

}  // namespace kalto
