// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the time zone above two pages, "Efemerides" (the ephemeris
// run, its table and its graph) and "Contactos" (the contact search and its
// results), and the commands with their keys.

#include "ContactGridModel.h"
#include "ContactResults.h"
#include "ContactSearchRunner.h"
#include "DateFormat.h"
#include "EphemerisPage.h"
#include "ExportRunner.h"

#include <QDateTime>
#include <QMainWindow>
#include <QString>

#include <array>
#include <filesystem>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTableView;
class QTableWidget;
class QToolBar;
class QToolButton;
class QWidget;

namespace kalto {

class RadioGroup;
class TDlgAviso;
class TDlgExportData;
struct KaltoSettings;

class TFormMain : public QMainWindow {
    Q_OBJECT

    // The window's own controls: the top strip, the pages and the commands.
    struct Ui {
        QToolButton* SBHelp{};      // "?", the user manual
        QDoubleSpinBox* SETz{};     // the time zone of the runs and searches, hours east
        QTabWidget* PCContactos{};  // the two pages
        EphemerisPage* TSEfemerides{};
        QWidget* TSContactos{};
        QAction* ActionEfem{};            // F8, the ephemeris run
        QAction* ActionCalc{};            // F9, the contact search
        QAction* ActionViewEfem{};        // F5, the ephemeris page, its table or its graph
        QAction* ActionViewCalc{};        // F6, the contacts page
        QAction* ActionViewAbout{};       // F2, the about box
        TDlgExportData* DlgExportData{};  // the export's dialog
        TDlgAviso* DlgAviso{};            // the export's progress
    };

public:
    // A window without a settings file starts from its controls' design
    // values and saves nothing; the program's window keeps its settings in
    // `settingsFile` (TFormMainSettings.cpp).
    explicit TFormMain(QWidget* parent = nullptr);
    explicit TFormMain(std::filesystem::path settingsFile, QWidget* parent = nullptr);

    [[nodiscard]] const Ui& ui() const { return Controls; }
    [[nodiscard]] EphemerisPage& Ephemeris() const { return *Controls.TSEfemerides; }
    // Whether an export is being written.
    [[nodiscard]] bool IsExporting() const { return RunnerExport.IsRunning(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window (TFormMainLayout.cpp).
    QWidget* CreateTopStrip();
    void CreateActions();
    void CreateAboutAndHelp();
    void FormCreate();
    void ShowStartSplash();

    void ActionViewEfemExecute();
    void ActionViewCalcExecute();
    // The about box and the help (TFormMainAbout.cpp).
    void ActionViewAboutExecute();
    void SBHelpClick();
    void SETzChange();

    // The settings file (TFormMainSettings.cpp), written once, at the first close.
    [[nodiscard]] KaltoSettings ReadSettingsFile() const;
    void ApplySettings(const KaltoSettings& stored);
    [[nodiscard]] KaltoSettings CurrentSettings() const;
    void FormDestroy(bool closedByUser);
    std::filesystem::path SettingsFile;
    bool SettingsWritten = false;

    // The export (TFormMainExport.cpp) of the page shown, asked for by its
    // "RTF" button, written by a worker while the progress window shows.
    void FormCreateExport();
    void ExportShownPage();
    [[nodiscard]] ExportContent ContentOfShownPage() const;
    void SetExportEnabled(bool enabled);
    void RunnerExportProgress(int percent);
    void RunnerExportFinished(const kalto::ExportStatus& status);
    ExportRunner RunnerExport;
    QString ExportFile;  // the file of the export in progress

    Ui Controls;
    DateFormatNames Names;  // the system's month and day names, for both pages
    // The program file's modification time, for the about box.
    QDateTime ProgramFileTime;

    // ---- "Contactos" ----
public:
    // "Contactos": the search's inputs (TFormMainContacts.cpp).
    RadioGroup* RGPlanetas{};
    QWidget* PanelCalcDateInterval{};
    QDateEdit* DTP1{};
    QDateEdit* DTP2{};
    QToolButton *SE1{}, *SE2{}, *SE3{}, *SE4{}, *SE5{}, *SE6{}, *SE7{};
    QGroupBox* GBAngulo{};
    QSpinBox* SEAngulo{};
    QComboBox* RGTipoAngulo{};
    QSpinBox* SEGraOrb{};
    QSpinBox* SEMinOrb{};
    QGroupBox* GBContacto{};
    QSpinBox* SEGraLon{};
    QSpinBox* SEMinLon{};
    QSpinBox* SESecLon{};
    RadioGroup* RGCord{};
    RadioGroup* RGSignos{};
    QCheckBox* CBCleanListContact{};
    QCheckBox* CBAutomatic{};
    QPushButton* BCalc{};
    QPushButton* BitBtnStopCalc{};
    QProgressBar* GaugeProgressCalc{};
    QLabel* LabelStatusContact{};

    // "Contactos": the results, their filter and their panels.
    QToolButton* SBTranToRTF{};
    QToolBar* ToolBarCasas{};
    QToolButton *TBTra1{}, *TBTra2{}, *TBTra3{}, *TBTra4{}, *TBTra5{}, *TBTra6{}, *TBTra7{}, *TBTra8{}, *TBTra9{},
        *TBTra10{}, *TBTra11{}, *TBTra12{}, *TBTra13{};
    QToolButton* SBAllItem{};
    QToolButton* SBNoneItem{};
    QToolButton* SBResetListContact{};
    QCheckBox* CBContacDet{};
    QCheckBox* CBContacDesc{};
    QCheckBox* CBContacOpc{};
    QSplitter* Splitter1{};
    QTableView* StrGridCont{};
    ContactGridModel* ModelCont{};  // holds ShownContactList
    QWidget* PanelDetTra{};
    QTableWidget* StrGridDetCont{};
    QWidget* PanelTextTran{};
    QWidget* PanelDescTran{};
    QPlainTextEdit* MemoDescpContacto{};
    QWidget* PanelOpcBusqueda{};
    QPlainTextEdit* MemoInfoCalc{};

    // The search in progress; the contact lists, the angle filter and the
    // target and orb of the last completed search.
    ContactSearchRunner RunnerCalc;
    ContactResults Contacts;
    double ContactTarget = 0;  // degrees of the position on the spin edits
    double ContactOrb = MinContactOrb;
    int ContactSpanDays = 0;
    int ContactBody = Sol;  // the body chosen in RGPlanetas
    // How the degrees on SEGraLon count: the coordinates RGCord last applied.
    CoordinateMode ShownCoordinates = CoordinateMode::Ecliptic;
    bool CleanListOnCompletion = true;  // "limpiar lista" as it was when the search started

    // "Contactos" (TFormMainContacts.cpp).
    void ActionCalcExecute();
    void BCalcClick();
    void BitBtnStopCalcClick();
    void RGPlanetasClick(int item);
    void SwitchCoordinates(int item);
    void RGSignosClick();
    void NormalizePosition();
    void NormalizeOrb();
    void SE1Click(int months);
    void DateCWork1Change();
    void DateCWork1DblClick();
    void StrGridContRowChanging(int oldRow, int newRow);
    void TBTra1Click(int tag);
    void SBAllItemClick();
    void SBNoneItemClick();
    void SBResetListContactClick();
    void CBContacDetClick();
    void CBContacDescClick();
    void CBContacOpcClick();
    void MemoDescpContactoChange();
    void FillContactGrid();
    void FillContactDetail(const ContactRecord* record);

private:
    // The "Contactos" page (ContactsPageLayout.cpp).
    QWidget* CreateContactosPage();
    QWidget* CreateContactInputPanel();
    QWidget* CreateContactResultsPanel();
    QWidget* CreateContactTargetGroup();
    QWidget* CreateContactToolStrip();
    void FormCreateContacts();
    [[nodiscard]] ContactPosition PositionOfSpins() const;
    void ShowPosition(const ContactPosition& position);
    [[nodiscard]] std::array<QToolButton*, AngleBandCount> AngleButtons() const;
    void CalculateContacts();
    void FitDurationColumn();
    void RunnerCalcProgress(int count, double instant, int daysDone);
    void RunnerCalcCompleted(kalto::ContactSearchResult result);
    void RunnerCalcFailed();
    [[nodiscard]] ExportContent ContactsContentToExport() const;
    void ApplyContactSettings(const KaltoSettings& stored);
    void StoreContactSettings(KaltoSettings& settings) const;
};

}  // namespace kalto
