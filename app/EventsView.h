// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Eventos" view of the "Efemerides" page: the events of the last
// completed run's span (stations, ingresses, the Moon's phases, the
// aspectarian, the Moon void of course), sortable by any column and filtered
// by kind and body.
//
// Its controls, by their names:
//   CBTipoEvento      "Tipo:", the kind shown, "Todos" first
//   CBCuerpoEvento    "Cuerpo:", the body shown, "Todos" first
//   StrGridEventos    the list (a sorting proxy over ModelEventos)
//   LabelStatusEventos what the list holds, or that it is being found
//   SBEventosCSV      "CSV": saves the list shown

#include "DateFormat.h"
#include "EventSearchRunner.h"
#include "EventTableModel.h"
#include "ExportDocuments.h"
#include "GraphView.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class QToolButton;

namespace kalto {

class EventsView : public QWidget {
    Q_OBJECT

    struct Ui {
        QComboBox* CBTipoEvento{};
        QComboBox* CBCuerpoEvento{};
        QTableView* StrGridEventos{};
        EventTableModel* ModelEventos{};
        QSortFilterProxyModel* SortEventos{};
        QLabel* LabelStatusEventos{};
        QToolButton* SBEventosCSV{};
    };

public:
    explicit EventsView(DateFormatNames names, QWidget* parent = nullptr);

    [[nodiscard]] const Ui& ui() const { return Controls; }
    [[nodiscard]] const EventSearchRunner& Runner() const { return RunnerEventos; }

    // Finds the events from 00:00 of the run's first day to 00:00 of the day
    // after its last, on the run's wall clock.
    void ShowRun(const CompletedRun& run);
    void StopWork();

    // The events shown, in the order shown, as the page's "RTF" button
    // exports them and "CSV" saves them (EventCsvLine, header first).
    [[nodiscard]] EventsExport ContentToExport() const;
    [[nodiscard]] std::string CsvOfShownEvents() const;

private:
    void RunnerEventosCompleted(std::vector<kalto::Event> events);
    void RunnerEventosFailed();
    void CBFiltroEventoChange();
    void SBEventosCSVClick();
    [[nodiscard]] std::vector<Event> EventsInShownOrder() const;

    Ui Controls;
    DateFormatNames Names;
    WallClock RunClock;
    EventSearchRunner RunnerEventos;
};

}  // namespace kalto
