// SPDX-License-Identifier: GPL-3.0-or-later
// The "Contactos" page's handlers: its inputs, the search on its worker
// thread, and the grids, filter and panels of the results.

#include "TFormMain.h"

#include "ContactGrid.h"
#include "DateConversion.h"
#include "GridFont.h"
#include "QtText.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTextCursor>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace kalto {

namespace {

// MemoDescpContacto holds at most this many characters.
constexpr int DescriptionMaxLength = 200;

// StrGridCont's column "Dur. Aprox.".
constexpr int DurationColumn = 7;

CoordinateMode ModeOfItem(int item) {
    return item == static_cast<int>(CoordinateMode::Zodiac) ? CoordinateMode::Zodiac : CoordinateMode::Ecliptic;
}

// The range of the degrees' spin edit: one beyond each end, so that spinning
// past either end wraps round through NormalizePosition.
void SetDegreesRange(QSpinBox* spin, CoordinateMode mode) {
    spin->setRange(-1, mode == CoordinateMode::Zodiac ? 30 : 360);
}

}  // namespace

// The start-up values of the page's controls.
void TFormMain::FormCreateContacts() {
    Contacts = {};
    RGTipoAngulo->setCurrentIndex(0);
    RGPlanetas->SetItemIndex(0);
    ContactBody = Sol;
    SwitchCoordinates(RGCord->ItemIndex());

    // From the ephemeris page's start date to one month later.
    {
        const QSignalBlocker blocker1(DTP1);
        const QSignalBlocker blocker2(DTP2);
        DTP1->setDate(Ephemeris().ui().DE1->date());
        DTP2->setDate(ToQDate(SpanButtonEnd(ToDateTime(DTP1->date()), ContactSpanButtonMonths[0])));
    }
    DateCWork1Change();
    NormalizePosition();
    NormalizeOrb();

    for (int column = 0; column < static_cast<int>(ContactGridColumns.size()); ++column) {
        StrGridCont->setColumnWidth(column, ContactGridColumns[static_cast<std::size_t>(column)].Width);
    }
    StrGridCont->setColumnHidden(0, true);
    for (int column = 0; column < static_cast<int>(ContactDetailColumns.size()); ++column) {
        StrGridDetCont->setColumnWidth(column, ContactDetailColumns[static_cast<std::size_t>(column)].Width);
    }
    GaugeProgressCalc->setValue(0);
    LabelStatusContact->setText(ToQString(StatusContactsToCompute));
    FillContactGrid();
}

// --- The inputs -------------------------------------------------------------

ContactPosition TFormMain::PositionOfSpins() const {
    return {.Degrees = SEGraLon->value(),
            .Minutes = SEMinLon->value(),
            .Seconds = SESecLon->value(),
            .Mode = ShownCoordinates,
            .Sign = std::max(RGSignos->ItemIndex(), 0)};
}

void TFormMain::ShowPosition(const ContactPosition& position) {
    const QSignalBlocker blockDegrees(SEGraLon);
    const QSignalBlocker blockMinutes(SEMinLon);
    const QSignalBlocker blockSeconds(SESecLon);
    ShownCoordinates = position.Mode;
    SetDegreesRange(SEGraLon, position.Mode);
    SEGraLon->setValue(position.Degrees);
    SEMinLon->setValue(position.Minutes);
    SESecLon->setValue(position.Seconds);
    RGCord->SetItemIndex(static_cast<int>(position.Mode));
    RGSignos->SetItemIndex(position.Sign);
    RGSignos->setEnabled(position.Mode == CoordinateMode::Zodiac);
}

void TFormMain::NormalizePosition() {
    const ContactPosition position = kalto::NormalizePosition(PositionOfSpins());
    ShowPosition(position);
    ContactTarget = kalto::ContactTarget(position);
}

// Carries and borrows as the orb's arithmetic says; an orb carried past the
// largest the degrees' spin edit holds stays at its last minute instead.
void TFormMain::NormalizeOrb() {
    OrbSpin orb = kalto::NormalizeOrb({.Degrees = SEGraOrb->value(), .Minutes = SEMinOrb->value()});
    if (orb.Degrees > SEGraOrb->maximum()) {
        orb = {.Degrees = SEGraOrb->maximum(), .Minutes = 59};
    }
    {
        const QSignalBlocker blockDegrees(SEGraOrb);
        const QSignalBlocker blockMinutes(SEMinOrb);
        SEGraOrb->setValue(orb.Degrees);
        SEMinOrb->setValue(orb.Minutes);
    }
    ContactOrb = kalto::ContactOrb(orb);
}

void TFormMain::SwitchCoordinates(int item) {
    const ContactPosition position = kalto::SwitchCoordinates(PositionOfSpins(), ModeOfItem(item));
    ShowPosition(position);
    ContactTarget = kalto::ContactTarget(position);
}

void TFormMain::RGSignosClick() {
    ContactTarget = kalto::ContactTarget(PositionOfSpins());
}

void TFormMain::RGPlanetasClick(int item) {
    ContactBody = item + FirstBody;
    if (CBAutomatic->isChecked()) {
        Controls.ActionCalc->trigger();
    }
}

void TFormMain::SE1Click(int months) {
    {
        const QSignalBlocker blocker(DTP2);
        DTP2->setDate(ToQDate(SpanButtonEnd(ToDateTime(DTP1->date()), months)));
    }
    DateCWork1Change();
}

void TFormMain::DateCWork1Change() {
    ContactSpanDays = kalto::ContactSpanDays(ToDateTime(DTP1->date()), ToDateTime(DTP2->date()));
}

void TFormMain::DateCWork1DblClick() {
    const ContactDates dates = DoubleClickDates(ToDateTime(QDate::currentDate()));
    {
        const QSignalBlocker blocker1(DTP1);
        const QSignalBlocker blocker2(DTP2);
        DTP1->setDate(ToQDate(dates.Start));
        DTP2->setDate(ToQDate(dates.End));
    }
    DateCWork1Change();
}

// --- The search -------------------------------------------------------------

void TFormMain::BCalcClick() {
    Controls.ActionCalc->trigger();
}

void TFormMain::ActionCalcExecute() {
    BitBtnStopCalc->setEnabled(true);
    CalculateContacts();
}

// Starts a search with the inputs shown now, which it reads once, here. A
// search still going is stopped and replaced.
void TFormMain::CalculateContacts() {
    NormalizePosition();
    const ContactSearchInput input{
        .Body = ContactBody,
        .StartDate = ToDateTime(DTP1->date()),
        .EndDate = ToDateTime(DTP2->date()),
        .Angle = SEAngulo->value(),
        .Exact = RGTipoAngulo->currentIndex() == 1,
        .Position = PositionOfSpins(),
        .Orb = ContactOrb,
        .ZoneHours = Controls.SETz->value(),
    };
    CleanListOnCompletion = CBCleanListContact->isChecked();
    // A span whose end precedes its start has a gauge of nothing to do.
    GaugeProgressCalc->setRange(0, std::max(ContactGaugeMaximum(input), 1));
    GaugeProgressCalc->setValue(0);
    RunnerCalc.Start(input);
    RunnerCalcProgress(0, input.StartDate, 0);
}

void TFormMain::RunnerCalcProgress(int count, double instant, int daysDone) {
    GaugeProgressCalc->setValue(daysDone);
    LabelStatusContact->setText(ToQString(RunningStatusText(count, instant, Names)));
}

void TFormMain::RunnerCalcCompleted(kalto::ContactSearchResult result) {
    const ContactSearchInput& input = RunnerCalc.Input();
    BitBtnStopCalc->setEnabled(false);
    GaugeProgressCalc->setValue(GaugeProgressCalc->maximum());
    LabelStatusContact->setText(ToQString(CompletedStatusText(static_cast<int>(result.Contacts.size()))));
    for (const std::string& line : SearchDescription(input, Names)) {
        MemoInfoCalc->appendPlainText(ToQString(line));
    }
    CommitContactSearch(Contacts, result, input, CleanListOnCompletion);
    FillContactGrid();
}

// A search whose contacts could not be held ends as if stopped.
void TFormMain::RunnerCalcFailed() {
    BitBtnStopCalc->setEnabled(false);
    LabelStatusContact->setText(ToQString(StatusContactsInterrupted));
}

void TFormMain::BitBtnStopCalcClick() {
    RunnerCalc.Stop();
    BitBtnStopCalc->setEnabled(false);
    LabelStatusContact->setText(ToQString(StatusContactsInterrupted));
}

// --- The results ------------------------------------------------------------

// The records of the sorted list that the filter lets through, and the detail
// of the first of them, the row that becomes current.
void TFormMain::FillContactGrid() {
    ModelCont->Fill(FilterByAngle(Contacts.SortedContactList, Contacts.Filter));
    FitDurationColumn();
    if (ModelCont->ShownContactList().empty()) {
        FillContactDetail(nullptr);
        return;
    }
    // The reset left no current row, so this always reports a row change.
    StrGridCont->setCurrentIndex(ModelCont->index(0, 1));
}

// A contact of a day or more lasts "0 años 0 meses 2 días = 2 días 23h 37m
// 24s", more than "Dur. Aprox." holds at its start-up width: the column widens
// to show the longest duration shown whole. It never narrows.
void TFormMain::FitDurationColumn() {
    const QFontMetricsF metrics(StrGridCont->font());
    const ContactRecordList& shown = ModelCont->ShownContactList();
    double widest = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::string text = ContactCellText(*shown[i], static_cast<int>(i) + 1, DurationColumn, Names);
        widest = std::max(widest, metrics.horizontalAdvance(ToQString(text)));
    }
    const int width = StrGridCont->columnWidth(DurationColumn);
    // Text is laid out in fractions of a pixel: the room is rounded up.
    const int missing = static_cast<int>(std::ceil(widest)) - GridTextRoom(StrGridCont, width);
    if (missing > 0) {
        StrGridCont->setColumnWidth(DurationColumn, width + missing);
    }
}

void TFormMain::FillContactDetail(const ContactRecord* record) {
    const GridCells cells = record != nullptr
                                ? kalto::FillContactDetail(*record, Contacts.LastTarget, Contacts.LastOrb, Names)
                                : EmptyContactDetail();
    StrGridDetCont->setRowCount(static_cast<int>(cells.size()) - 1);
    for (std::size_t row = 1; row < cells.size(); ++row) {
        for (std::size_t column = 0; column < cells[row].size(); ++column) {
            auto* item = new QTableWidgetItem(ToQString(cells[row][column]));
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            item->setToolTip(item->text());
            StrGridDetCont->setItem(static_cast<int>(row) - 1, static_cast<int>(column), item);
        }
    }
}

// Rows of the view count from the first contact: view row r shows entry r of
// ShownContactList.
void TFormMain::StrGridContRowChanging(int /*oldRow*/, int newRow) {
    const ContactRecordList& shown = ModelCont->ShownContactList();
    if (newRow < 0 || newRow >= static_cast<int>(shown.size())) {
        FillContactDetail(nullptr);
        return;
    }
    FillContactDetail(shown[static_cast<std::size_t>(newRow)].get());
}

std::array<QToolButton*, AngleBandCount> TFormMain::AngleButtons() const {
    return {TBTra1, TBTra2, TBTra3, TBTra4, TBTra5, TBTra6, TBTra7, TBTra8, TBTra9, TBTra10, TBTra11, TBTra12, TBTra13};
}

void TFormMain::TBTra1Click(int tag) {
    const auto band = static_cast<std::size_t>(tag - 1);
    Contacts.Filter[band] = AngleButtons()[band]->isChecked();
    FillContactGrid();
}

void TFormMain::SBAllItemClick() {
    for (QToolButton* button : AngleButtons()) {
        button->setChecked(true);
    }
    Contacts.Filter = AllAngleBands;
    FillContactGrid();
}

void TFormMain::SBNoneItemClick() {
    for (QToolButton* button : AngleButtons()) {
        button->setChecked(false);
    }
    Contacts.Filter = NoAngleBands;
    FillContactGrid();
}

void TFormMain::SBResetListContactClick() {
    ResetContactLists(Contacts);
    FillContactGrid();
}

void TFormMain::CBContacDetClick() {
    PanelDetTra->setVisible(CBContacDet->isChecked());
}

void TFormMain::CBContacDescClick() {
    PanelDescTran->setVisible(CBContacDesc->isChecked());
    PanelTextTran->setVisible(CBContacDesc->isChecked() || CBContacOpc->isChecked());
}

void TFormMain::CBContacOpcClick() {
    PanelOpcBusqueda->setVisible(CBContacOpc->isChecked());
    PanelTextTran->setVisible(CBContacDesc->isChecked() || CBContacOpc->isChecked());
}

// The user's description of the contacts, for the export, is cut at its
// largest length.
void TFormMain::MemoDescpContactoChange() {
    const QString text = MemoDescpContacto->toPlainText();
    if (text.size() <= DescriptionMaxLength) {
        return;
    }
    const QSignalBlocker blocker(MemoDescpContacto);
    MemoDescpContacto->setPlainText(text.left(DescriptionMaxLength));
    MemoDescpContacto->moveCursor(QTextCursor::End);
}

}  // namespace kalto
