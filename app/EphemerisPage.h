// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Efemerides" page: the ephemeris run over a span of dates, its table of
// one body at a time ("Listado") and its graph ("Gráfico", GraphView.h).
//
// Its controls, by their names:
//   SBViewChartData         "Listado", shows the run and the table
//   SBViewChartDiagrama     "Gráfico", shows the graph
//   SBViewEventos           "Eventos", shows the events of the run's span
//   SBImprimir              "Imprimir...", the printable monthly pages
//   SBEfemToRtf             "RTF", exports the view shown
//   LabelFecha              the dates of the rows that both views show
//   NotebookData            the views, "Calcular" (0), "Grafico" (1), "Eventos" (2)
//   DE1, DE2                "Desde:" and "Hasta:", the span of the run
//   SBMD[0..6]              the span buttons, "1 m" .. "24 m" after "Desde:"
//   PanelEfemDateInterval   "cada:" and CBDeltaTiempo, the step of the run
//   BCalContac              "Calcular", starts a run (F8)
//   BitBtnStopEfem          "Parar", stops it
//   GaugeProgressEfem       the run's progress
//   LabelStatusEfem         the run's status
//   PanelButtonEfem         the column of body buttons and column boxes
//   SBP[0..11]              the body the table shows, Sol first, and "Todos"
//                           (SBP[11]): every body in the all-bodies table
//   CBViewHour .. CBViewDec "hor.", "lon.", "lat.", "ar.", "dec.": the
//                           table's optional columns
//   StrGridEfem, ModelEfem  the table and the rows it shows
//   StrGridTodos, ModelTodos the all-bodies table, in StrGridEfem's place
//                           while "Todos" is chosen
//   Graph                   the "Gráfico" view
//   Eventos                 the "Eventos" view

#include "AllBodiesTableModel.h"
#include "DateFormat.h"
#include "EphemerisRows.h"
#include "EphemerisRunner.h"
#include "EphemerisTableModel.h"
#include "EventsView.h"
#include "ExportDocuments.h"
#include "GraphView.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableView;
class QToolButton;

namespace kalto {

struct KaltoSettings;

class EphemerisPage : public QWidget {
    Q_OBJECT

    struct Ui {
        QToolButton* SBViewChartData{};
        QToolButton* SBViewChartDiagrama{};
        QToolButton* SBViewEventos{};
        QToolButton* SBImprimir{};
        QToolButton* SBEfemToRtf{};
        QLabel* LabelFecha{};
        QStackedWidget* NotebookData{};

        QDateEdit* DE1{};
        QDateEdit* DE2{};
        std::array<QToolButton*, 7> SBMD{};
        QWidget* PanelEfemDateInterval{};
        QComboBox* CBDeltaTiempo{};
        QPushButton* BCalContac{};
        QPushButton* BitBtnStopEfem{};
        QProgressBar* GaugeProgressEfem{};
        QLabel* LabelStatusEfem{};

        QWidget* PanelButtonEfem{};
        std::array<QToolButton*, ComputedBodyCount + 1> SBP{};
        QCheckBox* CBViewHour{};
        QCheckBox* CBViewLon{};
        QCheckBox* CBViewLat{};
        QCheckBox* CBViewAR{};
        QCheckBox* CBViewDec{};
        QTableView* StrGridEfem{};
        EphemerisTableModel* ModelEfem{};
        QTableView* StrGridTodos{};
        AllBodiesTableModel* ModelTodos{};

        GraphView* Graph{};
        EventsView* Eventos{};
    };

public:
    explicit EphemerisPage(DateFormatNames names, QWidget* parent = nullptr);

    [[nodiscard]] const Ui& ui() const { return Controls; }
    [[nodiscard]] GraphView& Graph() const { return *Controls.Graph; }

    // The wall clock that the next run computes its rows in.
    void SetClock(WallClock clock);
    // The date of "Desde:", the start of the next run's span.
    [[nodiscard]] TDateTime SpanStart() const;
    // The table of the selected body with the optional columns shown, or the
    // graph, as the view shown now; both in the zone of their rows.
    [[nodiscard]] ExportContent ContentToExport() const;
    void SetExportEnabled(bool enabled);
    void ApplySettings(const KaltoSettings& settings);
    void StoreSettings(KaltoSettings& settings) const;
    // Stops a run still going, as the window closes; it ends without rows.
    void StopWork();

    // F5: the table or the graph, whichever is not shown.
    void ToggleChartView();

    // The last completed run, and the table's choices.
    [[nodiscard]] const CompletedRun& LastRun() const { return Completed; }
    [[nodiscard]] const EphemerisRunner& Runner() const { return RunnerEfem; }
    [[nodiscard]] int SpanDays() const { return Span; }
    [[nodiscard]] int SelectedBody() const { return Body; }
    [[nodiscard]] int VisibleColumnCount() const { return ShownColumns; }
    [[nodiscard]] const DateFormatNames& Names() const { return DateNames; }

    // Handlers, one an event.
    void BCalContacClick();
    void BitBtnStopEfemClick();
    void DateEWork1Change();
    void DE2Change();
    void SBMD1Click(int months);
    void CBDeltaTiempoChange();
    void SBP1Click(int body);
    void CBViewLonClick(int column, bool checked);
    void SBViewChartDataClick();
    void SBViewChartDiagramaClick();
    void SBViewEventosClick();

signals:
    // The "RTF" button was clicked.
    void ExportRequested();
    // "Imprimir..." was clicked.
    void PrintRequested();
    // "Desde:" changed.
    void SpanStartChanged();

private:
    // Building the page (EphemerisPageLayout.cpp).
    QWidget* CreateRunPanel();
    QWidget* CreateTablePanel();

    void CalculateEphemeris();
    void EndRun(const QString& status);
    void ResetEphemerisStatus();
    void ShowComputingStatus(std::int64_t stepsDone);
    void RunnerEfemProgress(qint64 stepsDone);
    void RunnerEfemCompleted(kalto::EphemerisRows rows);
    void RunnerEfemFailed();
    void FillEphemerisGrid();
    void FitGridWidth();

    Ui Controls;
    DateFormatNames DateNames;
    WallClock Clock;

    // The run in progress, and the last completed one.
    EphemerisRunner RunnerEfem;
    CompletedRun Completed;
    QString SavedRangeText;  // the range label to restore when a run stops

    int Span = 1;  // the days from "Desde:" to "Hasta:", both included
    int Body = Sol;
    int ShownColumns = 0;
};

}  // namespace kalto
