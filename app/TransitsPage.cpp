// SPDX-License-Identifier: GPL-3.0-or-later
// The "Tránsitos" page's search and list: the search with the chart and
// choices shown, its progress and its end, the filters and the exports.

#include "TransitsPage.h"

#include "Bodies.h"
#include "DateConversion.h"
#include "QtText.h"
#include "ReplacingFile.h"
#include "TransitTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>

namespace kalto {

void TransitsPage::SetClock(WallClock clock) {
    Clock = std::move(clock);
}

TDateTime TransitsPage::SpanStart() const {
    return ToDateTime(Controls.DTP1->date());
}

void TransitsPage::StopWork() {
    RunnerTran.Stop();
}

void TransitsPage::SetExportEnabled(bool enabled) {
    Controls.SBTranRTF->setEnabled(enabled);
}

ExportContent TransitsPage::ContentToExport() const {
    const TransitTableModel& model = *Controls.ModelTran;
    return TransitsExport{TransitHeading(ListChartName, ListRequest, model.Clock(), Names), model.Points(),
                          model.ShownRows(), model.Clock()};
}

std::string TransitsPage::CsvOfShownRows() const {
    const TransitTableModel& model = *Controls.ModelTran;
    std::string csv(TransitCsvHeader);
    csv += '\n';
    for (const Transit& row : model.ShownRows()) {
        csv += TransitCsvLine(row, model.Points(), model.Clock());
        csv += '\n';
    }
    return csv;
}

// --- The search -------------------------------------------------------------

// The span from local 00:00 of "Desde:" to local 00:00 of "Hasta:".
TransitRequest TransitsPage::RequestOfControls() const {
    const Ui& ui = Controls;
    TransitRequest request;
    for (int i = 0; i < ComputedBodyCount; ++i) {
        if (ui.CBT[static_cast<std::size_t>(i)]->isChecked()) request.Bodies.push_back(i + FirstBody);
    }
    request.Points = ShownChart.Points;
    for (std::size_t i = 0; i < TransitAspectChoices.size(); ++i) {
        if (!ui.CBAsp[i]->isChecked()) continue;
        const double orb = ui.SEGraAsp[i]->value() + ui.SEMinAsp[i]->value() / 60.0;
        request.Aspects.push_back({TransitAspectChoices[i], std::clamp(orb, MinTransitOrb, MaxTransitOrb)});
    }
    request.Start = Clock.ToUniversalTime(ToDateTime(ui.DTP1->date()));
    request.End = Clock.ToUniversalTime(ToDateTime(ui.DTP2->date()));
    return request;
}

void TransitsPage::BCalcTranClick() {
    const TransitRequest request = RequestOfControls();
    QString missing;
    if (request.Points.empty()) missing = QStringLiteral("la carta no tiene puntos");
    if (request.Bodies.empty()) missing = QStringLiteral("no hay cuerpos en tránsito marcados");
    if (request.Aspects.empty()) missing = QStringLiteral("no hay aspectos marcados");
    if (request.End < request.Start) missing = QStringLiteral("«Hasta:» es anterior a «Desde:»");
    if (!missing.isEmpty()) {
        Controls.LabelStatusTran->setText(QStringLiteral("Status: ") + missing);
        return;
    }
    Controls.GaugeProgressTran->setRange(0, static_cast<int>(request.Bodies.size()));
    Controls.GaugeProgressTran->setValue(0);
    Controls.BitBtnStopTran->setEnabled(true);
    Controls.LabelStatusTran->setText(QStringLiteral("Status: calculando tránsitos..."));
    RunnerTran.Start(request);
}

void TransitsPage::BitBtnStopTranClick() {
    RunnerTran.Stop();
    EndSearch(QStringLiteral("Status: Cálculos Interrumpidos"));
}

void TransitsPage::RunnerTranProgress(int bodiesDone) {
    Controls.GaugeProgressTran->setValue(bodiesDone);
}

// The rows keep the chart, the choices and the clock of their search.
void TransitsPage::RunnerTranCompleted(std::vector<Transit> rows) {
    ListRequest = RunnerTran.Request();
    ListChartName = ShownChart.Name;
    const auto count = rows.size();
    Controls.ModelTran->Fill(std::move(rows), ListRequest.Points, Clock, {});
    FillFilters();
    Controls.GaugeProgressTran->setValue(Controls.GaugeProgressTran->maximum());
    EndSearch(QStringLiteral("Status: Tránsitos = %1").arg(count));
}

void TransitsPage::RunnerTranFailed() {
    EndSearch(QStringLiteral("Status: Cálculos Interrumpidos"));
}

void TransitsPage::EndSearch(const QString& status) {
    Controls.BitBtnStopTran->setEnabled(false);
    Controls.LabelStatusTran->setText(status);
}

// --- The list ---------------------------------------------------------------

// "Todos", then the bodies, points and aspects of the list's search.
void TransitsPage::FillFilters() {
    const Ui& ui = Controls;
    const QSignalBlocker bodies(ui.CBFiltroCuerpo);
    const QSignalBlocker points(ui.CBFiltroPunto);
    const QSignalBlocker aspects(ui.CBFiltroAspecto);
    for (QComboBox* filter : {ui.CBFiltroCuerpo, ui.CBFiltroPunto, ui.CBFiltroAspecto}) {
        filter->clear();
        filter->addItem(QStringLiteral("Todos"), -1);
    }
    for (const int body : ListRequest.Bodies) {
        ui.CBFiltroCuerpo->addItem(ToQString(BodyLabels[static_cast<std::size_t>(body)]), body);
    }
    for (std::size_t i = 0; i < ListRequest.Points.size(); ++i) {
        ui.CBFiltroPunto->addItem(ToQString(ListRequest.Points[i].Name), static_cast<int>(i));
    }
    for (const TransitAspect& aspect : ListRequest.Aspects) {
        ui.CBFiltroAspecto->addItem(QStringLiteral("%1°").arg(aspect.Degrees), aspect.Degrees);
    }
}

void TransitsPage::CBFiltroChange() {
    const Ui& ui = Controls;
    TransitFilter filter;
    filter.Body = std::max(ui.CBFiltroCuerpo->currentData().toInt(), 0);
    filter.Point = ui.CBFiltroPunto->currentData().toInt();
    filter.Aspect = ui.CBFiltroAspecto->currentData().toInt();
    ui.ModelTran->SetFilter(filter);
}

// The list shown as CSV, written atomically.
void TransitsPage::SBTranCSVClick() {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Guardar CSV"),
                                                      ToQString(ListChartName) + QStringLiteral(" tránsitos.csv"),
                                                      QStringLiteral("CSV (*.csv)"));
    if (file.isEmpty()) return;
    if (ReplaceFile(file.toStdString(), CsvOfShownRows())) {
        QMessageBox::warning(this, QStringLiteral("Guardar CSV"), QStringLiteral("Unable to write to %1").arg(file));
    }
}

}  // namespace kalto
