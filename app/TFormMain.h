#pragma once
// The main window: the time zone above two pages, "Efemerides" (the ephemeris
// run and its table) and "Contactos", and the commands with their keys.

#include "DateFormat.h"
#include "EphemerisRows.h"
#include "EphemerisRunner.h"
#include "EphemerisTableModel.h"

#include <QMainWindow>
#include <QString>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolButton;
class QWidget;

namespace kalto {

class TFormMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TFormMain(QWidget* parent = nullptr);

    // Top strip and pages.
    QToolButton* SBHelp{};
    QDoubleSpinBox* SETz{};
    QTabWidget* PCContactos{};
    QWidget* TSEfemerides{};
    QWidget* TSContactos{};

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

    QAction* ActionEfem{};
    QAction* ActionViewEfem{};
    QAction* ActionViewCalc{};

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window (TFormMainLayout.cpp).
    QWidget* CreateTopStrip();
    QWidget* CreateEfemeridesPage();
    QWidget* CreateRunPanel();
    QWidget* CreateTablePanel();
    void CreateActions();

    void FormCreate();
    void CalculateEphemeris();
    void EndRun(const QString& status);
    void RunnerEfemProgress(qint64 stepsDone);
    void RunnerEfemCompleted(kalto::EphemerisRows rows);
    void RunnerEfemFailed();
    void ShowComputingStatus(std::int64_t stepsDone);
};

}  // namespace kalto
