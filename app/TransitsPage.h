// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Tránsitos" page: a chart (made from a birth, opened from a file,
// edited by hand), the transit search of the bodies chosen through the
// aspects chosen over a span, and its list with its filters.
//
// Its controls, by their names:
//   GBCarta              "Carta": LabelCarta (its name and file), BNuevaCarta
//                        "Nueva...", BAbrirCarta "Abrir...", BGuardarCarta
//                        "Guardar", BGuardarComo "Guardar como..."
//   StrGridPuntos        the points: "Punto", "Longitud" (decimal degrees,
//                        both editable) and "Posición" (in its sign)
//   BAddPunto, BDelPunto "Añadir" and "Quitar" a point
//   CBT[0..10]           "Cuerpos en tránsito", Sol first
//   CBAsp[i], SEGraAsp[i], SEMinAsp[i]
//                        "Aspectos": each of TransitAspectChoices with its orb
//   DTP1, DTP2           "Desde:" and "Hasta:", the span of exact passes
//   BCalcTran, BitBtnStopTran "Calcular" and "Parar"; GaugeProgressTran and
//                        LabelStatusTran show how far the search is
//   CBFiltroCuerpo, CBFiltroPunto, CBFiltroAspecto
//                        the list's filters, "Todos" first
//   StrGridTran, ModelTran the list
//   SBTranRTF, SBTranCSV "RTF" and "CSV": export the list shown

#include "Chart.h"
#include "DateFormat.h"
#include "ExportDocuments.h"
#include "TransitSearchRunner.h"
#include "TransitTableModel.h"

#include <QWidget>

#include <array>
#include <filesystem>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QTableWidget;
class QToolButton;

namespace kalto {

struct KaltoSettings;

// The aspects the page offers, the five major ones ticked at start-up.
inline constexpr std::array<int, 11> TransitAspectChoices = {0, 30, 45, 60, 72, 90, 120, 135, 144, 150, 180};

class TransitsPage : public QWidget {
    Q_OBJECT

    struct Ui {
        QGroupBox* GBCarta{};
        QLabel* LabelCarta{};
        QPushButton* BNuevaCarta{};
        QPushButton* BAbrirCarta{};
        QPushButton* BGuardarCarta{};
        QPushButton* BGuardarComo{};
        QTableWidget* StrGridPuntos{};
        QPushButton* BAddPunto{};
        QPushButton* BDelPunto{};
        std::array<QCheckBox*, 11> CBT{};
        std::array<QCheckBox*, TransitAspectChoices.size()> CBAsp{};
        std::array<QSpinBox*, TransitAspectChoices.size()> SEGraAsp{};
        std::array<QSpinBox*, TransitAspectChoices.size()> SEMinAsp{};
        QDateEdit* DTP1{};
        QDateEdit* DTP2{};
        QPushButton* BCalcTran{};
        QPushButton* BitBtnStopTran{};
        QProgressBar* GaugeProgressTran{};
        QLabel* LabelStatusTran{};
        QComboBox* CBFiltroCuerpo{};
        QComboBox* CBFiltroPunto{};
        QComboBox* CBFiltroAspecto{};
        QTableView* StrGridTran{};
        TransitTableModel* ModelTran{};
        QToolButton* SBTranRTF{};
        QToolButton* SBTranCSV{};
    };

public:
    explicit TransitsPage(DateFormatNames names, QWidget* parent = nullptr);

    [[nodiscard]] const Ui& ui() const { return Controls; }
    [[nodiscard]] const Chart& CurrentChart() const { return ShownChart; }
    [[nodiscard]] const TransitSearchRunner& Runner() const { return RunnerTran; }

    // The wall clock of the span and of the moments of the next search.
    void SetClock(WallClock clock);
    [[nodiscard]] TDateTime SpanStart() const;

    // The chart of `file`, shown and searched from now on; false, with a
    // message box (on stderr when `quiet`), when it cannot be read.
    bool OpenChart(const std::filesystem::path& file, bool quiet = false);
    // Writes the chart to `file`; false, with a message box (on stderr when
    // `quiet`), when it cannot be written.
    bool SaveChart(const std::filesystem::path& file, bool quiet = false);
    // Shows `chart` as a new chart without a file.
    void ShowNewChart(Chart chart);

    // The chart file of the settings, opened when it can be read (a message
    // on stderr otherwise); and the file shown now.
    void ApplySettings(const KaltoSettings& settings);
    void StoreSettings(KaltoSettings& settings) const;

    // The list shown, with its heading, as the "RTF" button exports it.
    [[nodiscard]] ExportContent ContentToExport() const;
    void SetExportEnabled(bool enabled);
    // The CSV of the list shown (TransitCsvLine), header first.
    [[nodiscard]] std::string CsvOfShownRows() const;
    void StopWork();

    void BCalcTranClick();

signals:
    void ExportRequested();
    void SpanStartChanged();

private:
    // Building the page (TransitsPageLayout.cpp).
    QWidget* CreateChartPanel();
    QWidget* CreateSearchPanel();
    QWidget* CreateResultsPanel();

    // The chart (TransitsPageChart.cpp).
    void BNuevaCartaClick();
    void BAbrirCartaClick();
    void BGuardarCartaClick();
    void BGuardarComoClick();
    void BAddPuntoClick();
    void BDelPuntoClick();
    void StrGridPuntosChange(int row, int column);
    void FillPointGrid();
    void ShowChartName();
    [[nodiscard]] bool KeepUnsavedChanges();
    void Complain(const QString& title, const std::string& problem, bool quiet);

    // The search and the list (TransitsPage.cpp).
    [[nodiscard]] TransitRequest RequestOfControls() const;
    void BitBtnStopTranClick();
    void RunnerTranProgress(int bodiesDone);
    void RunnerTranCompleted(std::vector<kalto::Transit> rows);
    void RunnerTranFailed();
    void EndSearch(const QString& status);
    void FillFilters();
    void CBFiltroChange();
    void SBTranCSVClick();

    Ui Controls;
    DateFormatNames Names;
    WallClock Clock;
    Chart ShownChart;
    std::filesystem::path ChartFile;  // empty for a chart not saved yet
    bool ChartModified = false;
    TransitSearchRunner RunnerTran;
    // The search whose rows the list shows: its chart's name and its request.
    std::string ListChartName;
    TransitRequest ListRequest;
};

}  // namespace kalto
