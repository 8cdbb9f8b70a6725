// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the wall clock above three pages, "Efemerides" (the
// ephemeris run, its table and its graph), "Contactos" (the contact search and
// its results) and "Tránsitos" (the transits to a chart), and the commands
// with their keys.

#include "ContactsPage.h"
#include "DateFormat.h"
#include "EphemerisPage.h"
#include "ExportRunner.h"
#include "MonthlyPdf.h"
#include "TimeZones.h"
#include "TransitsPage.h"
#include "WallClock.h"

#include <QDateTime>
#include <QMainWindow>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>

class QAction;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTabWidget;
class QToolButton;
class QWidget;

namespace kalto {

class TDlgAviso;
class TDlgExportData;
struct KaltoSettings;

class TFormMain : public QMainWindow {
    Q_OBJECT

    // The window's own controls: the top strip, the pages and the commands.
    struct Ui {
        QToolButton* SBHelp{};      // "?", the user manual
        QDoubleSpinBox* SETz{};     // the fixed offset of the runs and searches, hours east
        QLabel* LabelUTC{};         // in SETz's place for a named zone: its offset at the start of the span shown
        QComboBox* CBZona{};        // "Zona:", the fixed offset (first item) or a zone of the database
        QTabWidget* PCContactos{};  // the two pages
        EphemerisPage* TSEfemerides{};
        ContactsPage* TSContactos{};
        TransitsPage* TSTransitos{};
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
    [[nodiscard]] ContactsPage& Contacts() const { return *Controls.TSContactos; }
    [[nodiscard]] TransitsPage& Transits() const { return *Controls.TSTransitos; }
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
    void ActionCalcExecute();
    // The about box and the help (TFormMainAbout.cpp).
    void ActionViewAboutExecute();
    void SBHelpClick();

    // The wall clock (TFormMainZone.cpp): the offset box or a named zone.
    void CreateZoneList();
    void SETzChange();
    void CBZonaChange();
    void ShowZoneOffset();
    // Chooses the zone called `name`, or the fixed offset for an empty name;
    // false, with the fixed offset chosen, when the database has no such zone.
    bool SelectZone(const std::string& name);
    [[nodiscard]] std::string SelectedZoneName() const;
    [[nodiscard]] WallClock CurrentClock() const;
    std::optional<TimeZone> SelectedZone;

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
    // "Imprimir...": the printable monthly pages, on the paper kept in the
    // settings.
    void PrintPages();
    PaperSize PrintPaper = PaperSize::A4;
    ExportRunner RunnerExport;
    QString ExportFile;  // the file of the export in progress

    Ui Controls;
    DateFormatNames Names;  // the system's month and day names, for both pages
    // The program file's modification time, for the about box.
    QDateTime ProgramFileTime;
};

}  // namespace kalto
