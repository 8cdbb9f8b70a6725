// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventsView.h"

#include "Bodies.h"
#include "QtText.h"
#include "ReplacingFile.h"
#include "SpeedButton.h"
#include "StringGridLook.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace kalto {

namespace {

// The kinds as the filter names them, in EventKind's order.
constexpr std::array<const char*, EventKindCount> KindCaptions = {"estaciones", "ingresos", "ingresos de la Luna",
                                                                  "fases",      "aspectos", "luna vacía de curso"};

}  // namespace

EventsView::EventsView(DateFormatNames names, QWidget* parent) : QWidget(parent), Names(std::move(names)) {
    Ui& ui = Controls;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* strip = new QHBoxLayout;
    ui.CBTipoEvento = new QComboBox;
    ui.CBTipoEvento->addItem(QStringLiteral("Todos"), -1);
    for (int kind = 0; kind < EventKindCount; ++kind) {
        ui.CBTipoEvento->addItem(QString::fromUtf8(KindCaptions[static_cast<std::size_t>(kind)]), kind);
    }
    ui.CBCuerpoEvento = new QComboBox;
    ui.CBCuerpoEvento->addItem(QStringLiteral("Todos"), 0);
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        ui.CBCuerpoEvento->addItem(ToQString(BodyLabels[static_cast<std::size_t>(body)]), body);
    }
    ui.LabelStatusEventos = new QLabel(QStringLiteral("Status: eventos por calcular"));
    strip->addWidget(new QLabel(QStringLiteral("Tipo:")));
    strip->addWidget(ui.CBTipoEvento);
    strip->addWidget(new QLabel(QStringLiteral("Cuerpo:")));
    strip->addWidget(ui.CBCuerpoEvento);
    strip->addSpacing(16);
    strip->addWidget(ui.LabelStatusEventos);
    strip->addStretch(1);
    ui.SBEventosCSV = NewSpeedButton(QStringLiteral("CSV"), QStringLiteral("Guardar la lista como CSV"));
    strip->addWidget(ui.SBEventosCSV);
    layout->addLayout(strip);

    ui.ModelEventos = new EventTableModel(Names, this);
    ui.SortEventos = new QSortFilterProxyModel(this);
    ui.SortEventos->setSourceModel(ui.ModelEventos);
    ui.SortEventos->setSortRole(Qt::UserRole);
    ui.StrGridEventos = new QTableView;
    ui.StrGridEventos->setModel(ui.SortEventos);
    SetStringGridLook(ui.StrGridEventos);
    ui.StrGridEventos->setSortingEnabled(true);
    ui.StrGridEventos->sortByColumn(EventMoment, Qt::AscendingOrder);
    for (std::size_t column = 0; column < EventColumns.size(); ++column) {
        ui.StrGridEventos->setColumnWidth(static_cast<int>(column), EventColumns[column].Width);
    }
    layout->addWidget(ui.StrGridEventos, 1);

    for (QComboBox* filter : {ui.CBTipoEvento, ui.CBCuerpoEvento}) {
        connect(filter, &QComboBox::currentIndexChanged, this, &EventsView::CBFiltroEventoChange);
    }
    connect(ui.SBEventosCSV, &QToolButton::clicked, this, &EventsView::SBEventosCSVClick);
    connect(&RunnerEventos, &EventSearchRunner::Completed, this, &EventsView::RunnerEventosCompleted);
    connect(&RunnerEventos, &EventSearchRunner::Failed, this, &EventsView::RunnerEventosFailed);
}

void EventsView::ShowRun(const CompletedRun& run) {
    if (!run.Rows) return;
    RunClock = run.Clock;
    const EventRequest request{.Start = RunClock.ToUniversalTime(run.Start),
                               .End = RunClock.ToUniversalTime(run.End + 1),
                               .Kinds = AllEventKinds(),
                               .Evaluation = SeriesEvaluation::Fitted};
    Controls.LabelStatusEventos->setText(QStringLiteral("Status: calculando eventos..."));
    RunnerEventos.Start(request);
}

void EventsView::StopWork() {
    RunnerEventos.Stop();
}

void EventsView::RunnerEventosCompleted(std::vector<Event> events) {
    const auto count = events.size();
    EventFilter filter;
    Controls.ModelEventos->Fill(std::move(events), RunClock, filter);
    CBFiltroEventoChange();
    Controls.LabelStatusEventos->setText(QStringLiteral("Status: Eventos = %1").arg(count));
}

void EventsView::RunnerEventosFailed() {
    Controls.LabelStatusEventos->setText(QStringLiteral("Status: Cálculos Interrumpidos"));
}

void EventsView::CBFiltroEventoChange() {
    EventFilter filter;
    if (const int kind = Controls.CBTipoEvento->currentData().toInt(); kind >= 0) {
        filter.Kind = static_cast<EventKind>(kind);
    }
    filter.Body = Controls.CBCuerpoEvento->currentData().toInt();
    Controls.ModelEventos->SetFilter(filter);
}

std::vector<Event> EventsView::EventsInShownOrder() const {
    const Ui& ui = Controls;
    std::vector<Event> events;
    for (int row = 0; row < ui.SortEventos->rowCount(); ++row) {
        const QModelIndex source = ui.SortEventos->mapToSource(ui.SortEventos->index(row, 0));
        events.push_back(ui.ModelEventos->ShownEvents()[static_cast<std::size_t>(source.row())]);
    }
    return events;
}

EventsExport EventsView::ContentToExport() const {
    return {EventHeading(RunnerEventos.Request(), RunClock, Names), EventsInShownOrder(), RunClock};
}

std::string EventsView::CsvOfShownEvents() const {
    std::string csv(EventCsvHeader);
    csv += '\n';
    for (const Event& event : EventsInShownOrder()) {
        csv += EventCsvLine(event, RunClock);
        csv += '\n';
    }
    return csv;
}

// The list shown as CSV, written atomically.
void EventsView::SBEventosCSVClick() {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Guardar CSV"),
                                                      QStringLiteral("eventos.csv"), QStringLiteral("CSV (*.csv)"));
    if (file.isEmpty()) return;
    if (ReplaceFile(file.toStdString(), CsvOfShownEvents())) {
        QMessageBox::warning(this, QStringLiteral("Guardar CSV"), QStringLiteral("Unable to write to %1").arg(file));
    }
}

}  // namespace kalto
