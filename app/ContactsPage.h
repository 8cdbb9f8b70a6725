// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Contactos" page: the inputs of a contact search, the search on its
// worker thread, and the contacts found, filtered by angle, with the detail of
// the current one.
//
// The controls, by the names the program gives them:
//   RGPlanetas           "Buscar contactos de:", the body searched
//   PanelCalcDateInterval the span: DTP1 "Desde:", DTP2 "Hasta:" and the
//                        buttons SE[0..6] that set "Hasta:" 1 to 24 months on
//   GBAngulo             the angle: SEAngulo "Angulo:", RGTipoAngulo "Tipo:"
//                        (Múltiplo or Exacto), the orb SEGraOrb and SEMinOrb
//   GBContacto           the position: SEGraLon, SEMinLon and SESecLon, read in
//                        the coordinates of RGCord and, in the zodiac, counted
//                        in the sign of RGSignos
//   CBCleanListContact   "limpiar lista": a search replaces the list
//   CBAutomatic          "autom.": choosing a body starts a search
//   CBMomentosExactos    "momentos exactos": the search refines each moment
//                        to the instant the angle is exact
//   BCalc, BitBtnStopCalc "Calcular" and "Parar"; GaugeProgressCalc and
//                        LabelStatusContact show how far the search is
//   SBTranToRTF          "RTF": exports the page
//   ToolBarCasas         the angle filter: TBTra[0..12] show the bands of 15°
//                        (TBTra[12] 180° and above); SBAllItem "T" and
//                        SBNoneItem "N" switch them all; SBResetListContact
//                        "R" empties the lists
//   CBContacDet          "detalles": shows the detail grid, and exports the
//                        detail of each contact instead of the summary
//   CBContacDesc, CBContacOpc "descripción" and "opciones búsqueda", created
//                        hidden: they show the memos and put them in the export
//   Splitter1            StrGridCont (the summary, over ModelCont) above
//                        PanelDetTra (StrGridDetCont, the current contact's
//                        three moments)
//   PanelTextTran        PanelDescTran with MemoDescpContacto, the user's
//                        description, and PanelOpcBusqueda with MemoInfoCalc,
//                        the log of the searches' options

#include "ContactGridModel.h"
#include "ContactInputs.h"
#include "ContactResults.h"
#include "ContactSearchRunner.h"
#include "DateFormat.h"
#include "ExportDocuments.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;
class QTableWidget;
class QToolBar;
class QToolButton;

namespace kalto {

class RadioGroup;
struct KaltoSettings;

class ContactsPage : public QWidget {
    Q_OBJECT

    struct Ui {
        // The search's inputs.
        RadioGroup* RGPlanetas{};
        QWidget* PanelCalcDateInterval{};
        QDateEdit* DTP1{};
        QDateEdit* DTP2{};
        std::array<QToolButton*, 7> SE{};
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
        QCheckBox* CBMomentosExactos{};
        QPushButton* BCalc{};
        QPushButton* BitBtnStopCalc{};
        QProgressBar* GaugeProgressCalc{};
        QLabel* LabelStatusContact{};

        // The results, their filter and their panels.
        QToolButton* SBTranToRTF{};
        QToolBar* ToolBarCasas{};
        std::array<QToolButton*, AngleBandCount> TBTra{};
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
    };

public:
    explicit ContactsPage(DateFormatNames names, QWidget* parent = nullptr);

    [[nodiscard]] const Ui& ui() const { return Controls; }

    // The wall clock the next search computes in.
    void SetClock(WallClock clock);
    // The date of "Desde:", the start of the next search's span.
    [[nodiscard]] TDateTime SpanStart() const;

    // What the "RTF" button exports now: the memos whose boxes are checked,
    // then the summary, or with "detalles" the detail of each contact shown.
    [[nodiscard]] ExportContent ContentToExport() const;
    // Off while an export is written.
    void SetExportEnabled(bool enabled);

    // The stored values go to their controls, held to the controls' ranges;
    // the body is chosen without a click, so "autom." starts no search.
    void ApplySettings(const KaltoSettings& settings);
    // Writes the values of the page's keys into `settings`.
    void StoreSettings(KaltoSettings& settings) const;

    // Stops a search still going; it ends without contacts.
    void StopWork();

    // "Calcular" (and F9): starts a search with the inputs shown.
    void BCalcClick();

    // The state the controls leave: the body chosen, the target position and
    // the orb in degrees, the days of the span and how the degrees count.
    [[nodiscard]] int Body() const { return ContactBody; }
    [[nodiscard]] double Target() const { return ContactTarget; }
    [[nodiscard]] double Orb() const { return ContactOrb; }
    [[nodiscard]] int SpanDays() const { return ContactSpanDays; }
    [[nodiscard]] CoordinateMode Coordinates() const { return ShownCoordinates; }
    // The lists of the completed searches and the search in progress.
    [[nodiscard]] const ContactResults& Results() const { return Contacts; }
    [[nodiscard]] const ContactSearchRunner& Runner() const { return RunnerCalc; }
    // Shows `results` in the grids as a completed search leaves them.
    void ShowResults(ContactResults results);

signals:
    // "RTF" was clicked.
    void ExportRequested();
    // "Desde:" changed.
    void SpanStartChanged();

private:
    // Building the page (ContactsPageLayout.cpp).
    QWidget* CreateInputPanel();
    QWidget* CreateTargetGroup();
    QWidget* CreateResultsPanel();
    QWidget* CreateToolStrip();
    void FormCreate();

    // The inputs (ContactsPage.cpp).
    void RGPlanetasClick(int item);
    void RGCordClick(int item);
    void RGSignosClick();
    void SEGraLonChange();
    void SEGraOrbChange();
    void SE1Click(int months);
    void DateCWork1Change();
    void DateCWork1DblClick();
    [[nodiscard]] ContactPosition PositionOfSpins() const;
    void ShowPosition(const ContactPosition& position);

    // The search (ContactsPageSearch.cpp).
    void BitBtnStopCalcClick();
    void CalculateContacts();
    void RunnerCalcProgress(int count, double instant, int daysDone);
    void RunnerCalcCompleted(kalto::ContactSearchResult result);
    void RunnerCalcFailed();

    // The results (ContactsPageResults.cpp).
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
    void FitDurationColumn();
    void FillContactDetail(const ContactRecord* record);

    Ui Controls;
    DateFormatNames Names;
    WallClock Clock;

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
};

}  // namespace kalto
