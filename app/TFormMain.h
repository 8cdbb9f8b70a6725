// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the time zone above two pages, "Efemerides" (the ephemeris
// run, its table and its graph) and "Contactos" (the contact search and its
// results), and the commands with their keys.

#include "DateFormat.h"
#include "EphemerisRows.h"
#include "EphemerisRunner.h"
#include "EphemerisTableModel.h"
#include "ExportRunner.h"
#include "GraphColors.h"
#include "GraphFrame.h"
#include "GraphGeometry.h"

#include <QDateTime>
#include <QMainWindow>
#include <QString>

#include <array>
#include <filesystem>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDateTimeEdit;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPainter;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolButton;
class QWidget;

namespace kalto {

class ColorPicker;
class ContactsPage;
class PaintBox;
class StatusPanels;
class TDlgAviso;
class TDlgExportData;
struct KaltoSettings;

class TFormMain : public QMainWindow {
    Q_OBJECT

public:
    // A window without a settings file starts from its controls' design
    // values and saves nothing; the program's window keeps its settings in
    // `settingsFile` (TFormMainSettings.cpp).
    explicit TFormMain(QWidget* parent = nullptr);
    explicit TFormMain(std::filesystem::path settingsFile, QWidget* parent = nullptr);

    // Top strip and pages.
    QToolButton* SBHelp{};
    QDoubleSpinBox* SETz{};
    QTabWidget* PCContactos{};
    QWidget* TSEfemerides{};
    QWidget* TSContactos{};  // the ContactsPage

    // "Efemerides": page buttons, range label and the notebook.
    QToolButton* SBViewChartData{};
    QToolButton* SBViewChartDiagrama{};
    QToolButton* SBEfemToRtf{};
    QLabel* LabelFecha{};
    QStackedWidget* NotebookData{};

    // "Calcular": the run.
    QDateEdit* DE1{};
    QDateEdit* DE2{};
    QToolButton *SBMD1{}, *SBMD2{}, *SBMD3{}, *SBMD4{}, *SBMD5{}, *SBMD6{}, *SBMD7{};
    QWidget* PanelEfemDateInterval{};
    QComboBox* CBDeltaTiempo{};
    QPushButton* BCalContac{};
    QPushButton* BitBtnStopEfem{};
    QProgressBar* GaugeProgressEfem{};
    QLabel* LabelStatusEfem{};

    // "Calcular": the table, its body buttons and column boxes.
    QWidget* PanelButtonEfem{};
    QToolButton *SBP1{}, *SBP2{}, *SBP3{}, *SBP4{}, *SBP5{}, *SBP6{}, *SBP7{}, *SBP8{}, *SBP9{}, *SBP10{}, *SBP11{};
    QCheckBox* CBViewHour{};
    QCheckBox* CBViewLon{};
    QCheckBox* CBViewLat{};
    QCheckBox* CBViewAR{};
    QCheckBox* CBViewDec{};
    QTableView* StrGridEfem{};
    EphemerisTableModel* ModelEfem{};

    // "Grafico": the graph, its options and its status bar (TFormMainGraph.cpp).
    QWidget* PanelConfigViewPlanets{};
    QSpinBox* SENoSigno{};
    QComboBox* CBSigno{};
    QComboBox* CBLTipoImagen{};
    QCheckBox* CBLinea{};
    QCheckBox *CBVP1{}, *CBVP2{}, *CBVP3{}, *CBVP4{}, *CBVP5{}, *CBVP6{}, *CBVP7{}, *CBVP8{}, *CBVP9{}, *CBVP10{},
        *CBVP11{}, *CBVP12{};
    QToolButton* SBViewAll{};
    QToolButton* SBViewNone{};
    QGroupBox* GBConfigGrid{};
    QCheckBox* CBSignos{};
    QCheckBox* CBDeca{};
    QCheckBox* CBDias{};
    QCheckBox* CBMes{};
    QCheckBox* CBDiaEfem{};
    QDateTimeEdit* DateDiaEfe{};
    QSpinBox* RxSDeltaDia{};
    QToolButton* BPrev{};
    QToolButton* BNext{};
    QRadioButton *RBC1{}, *RBC2{}, *RBC3{}, *RBC4{}, *RBC5{}, *RBC6{};
    ColorPicker* CP{};
    QToolButton* SBResetColor{};
    PaintBox* PaintBoxEfem{};
    StatusPanels* StatusBar1{};

    QAction* ActionEfem{};
    QAction* ActionCalc{};
    QAction* ActionViewEfem{};
    QAction* ActionViewCalc{};
    QAction* ActionViewAbout{};

    // The program file's modification time, for the about box.
    QDateTime ProgramFileTime;

    // The run in progress, and the rows and dates of the last completed one.
    EphemerisRunner RunnerEfem;
    kalto::EphemerisRows EphemerisRows;
    TDateTime EphemerisStart = 0;
    TDateTime EphemerisEnd = 0;
    QString SavedRangeText;

    int SpanDays = 1;
    int SelectedBody = Sol;
    int VisibleColumnCount = 0;
    DateFormatNames Names;

    void ActionEfemExecute();
    void ActionViewEfemExecute();
    void ActionViewCalcExecute();
    // The about box and the help (TFormMainAbout.cpp).
    void ActionViewAboutExecute();
    void SBHelpClick();

    void BCalContacClick();
    void BitBtnStopEfemClick();
    void DateEWork1Change();
    void DE2Change();
    void SBMD1Click(int months);
    void CBDeltaTiempoChange();
    void SETzChange();
    void ResetEphemerisStatus();

    void SBP1Click(int body);
    void CBViewLonClick(int column, bool checked);
    void FillEphemerisGrid();
    void FitGridWidth();

    void SBViewChartDataClick();
    void SBViewChartDiagramaClick();

    // "Grafico" (TFormMainGraph.cpp): the colour slots, the slot the picker
    // edits, and the layout of the last paint for the pointer.
    kalto::GraphColors GraphColors;
    int SelectedColorSlot = DayColor;
    kalto::GraphGeometry GraphGeometry;

    void PaintBoxEfemPaint(QPainter& painter);
    void PaintBoxEfemMouseDown(QPoint position, Qt::MouseButton button);
    void PaintBoxEfemMouseMove(QPoint position);
    void CGChange();
    void CBVP1Click();
    void SBViewAllClick(int tag);
    void BNextClick(int tag);
    void RBC1Click(int tag);
    void CPColorChange(QColor color);
    void SBResetColorClick();

    // "Contactos": the page, and F9 (TFormMain.cpp).
    [[nodiscard]] ContactsPage& Contacts() const;
    void ActionCalcExecute();

    // The export (TFormMainExport.cpp): its dialog, its progress window and
    // the worker that writes the document; both "RTF" buttons run SBEfemToRtfClick.
    TDlgExportData* DlgExportData{};
    TDlgAviso* DlgAviso{};
    ExportRunner RunnerExport;
    void SBEfemToRtfClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window (TFormMainLayout.cpp).
    QWidget* CreateTopStrip();
    QWidget* CreateEfemeridesPage();
    QWidget* CreateRunPanel();
    QWidget* CreateTablePanel();
    void CreateActions();
    void CreateAboutAndHelp();
    // The "Grafico" page (GraphPageLayout.cpp).
    QWidget* CreateGraficoPage();
    QWidget* CreateGraphOptionsPanel();
    QWidget* CreateGraphBodyGroup();
    QWidget* CreateGraphMarkerGroup();
    QWidget* CreateGraphColorGroup();
    [[nodiscard]] std::array<QCheckBox*, ComputedBodyCount> BodyBoxes() const;

    void FormCreate();
    void ShowStartSplash();
    void CalculateEphemeris();
    void EndRun(const QString& status);
    void RunnerEfemProgress(qint64 stepsDone);
    void RunnerEfemCompleted(kalto::EphemerisRows rows);
    void RunnerEfemFailed();
    void ShowComputingStatus(std::int64_t stepsDone);

    void FormCreateGraph();
    // The settings file (TFormMainSettings.cpp), written once, at the first close.
    [[nodiscard]] KaltoSettings ReadSettingsFile() const;
    void ApplySettings(const KaltoSettings& stored);
    [[nodiscard]] KaltoSettings CurrentSettings() const;
    void FormDestroy(bool closedByUser);
    std::filesystem::path SettingsFile;
    bool SettingsWritten = false;

    ContactsPage* PageContactos{};

    void FormCreateExport();
    [[nodiscard]] ExportContent ExportContentOfPage() const;
    [[nodiscard]] GraphFrame GraphFrameOfControls(int width, int height) const;
    void RunnerExportProgress(int percent);
    void RunnerExportFinished(const kalto::ExportStatus& status);
    QString ExportFile;  // the file of the export in progress
};

}  // namespace kalto
