// SPDX-License-Identifier: GPL-3.0-or-later
// The "Contactos" page's start-up values, its inputs' handlers, its settings
// keys and what it exports.

#include "ContactsPage.h"

#include "ContactGrid.h"
#include "DateConversion.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "ScrollColumn.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kalto {

namespace {

CoordinateMode ModeOfItem(int item) {
    return item == static_cast<int>(CoordinateMode::Zodiac) ? CoordinateMode::Zodiac : CoordinateMode::Ecliptic;
}

// The range of the degrees' spin edit: one beyond each end, so that spinning
// past either end wraps round through SEGraLonChange.
void SetDegreesRange(QSpinBox* spin, CoordinateMode mode) {
    spin->setRange(-1, mode == CoordinateMode::Zodiac ? 30 : 360);
}

// The words of a control's font; its colour is the window text's, which gets
// no colour word.
RtfFont RtfFontOf(const QFont& font, int pixelsPerInch) {
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / pixelsPerInch;
    return {.Size = static_cast<int>(std::lround(points)),
            .Bold = font.bold(),
            .Italic = font.italic(),
            .Underline = font.underline(),
            .StrikeOut = font.strikeOut()};
}

std::vector<std::string> MemoLinesOf(const QPlainTextEdit* memo) {
    return MemoLines(memo->toPlainText().toStdString());
}

}  // namespace

ContactsPage::ContactsPage(DateFormatNames names, QWidget* parent) : QWidget(parent), Names(std::move(names)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(ScrollColumn(CreateInputPanel()));
    layout->addWidget(CreateResultsPanel(), 1);

    connect(&RunnerCalc, &ContactSearchRunner::ProgressChanged, this, &ContactsPage::RunnerCalcProgress);
    connect(&RunnerCalc, &ContactSearchRunner::Completed, this, &ContactsPage::RunnerCalcCompleted);
    connect(&RunnerCalc, &ContactSearchRunner::Failed, this, &ContactsPage::RunnerCalcFailed);
    FormCreate();
}

// The start-up values of the page's controls.
void ContactsPage::FormCreate() {
    const Ui& ui = Controls;
    Contacts = {};
    ui.RGTipoAngulo->setCurrentIndex(0);
    ui.RGPlanetas->SetItemIndex(0);
    ContactBody = Sol;
    RGCordClick(ui.RGCord->ItemIndex());

    // From today, the ephemeris page's start date, to one month later.
    {
        const QSignalBlocker blocker1(ui.DTP1);
        const QSignalBlocker blocker2(ui.DTP2);
        ui.DTP1->setDate(QDate::currentDate());
        ui.DTP2->setDate(ToQDate(SpanButtonEnd(ToDateTime(ui.DTP1->date()), ContactSpanButtonMonths[0])));
    }
    DateCWork1Change();
    SEGraLonChange();
    SEGraOrbChange();

    for (int column = 0; column < static_cast<int>(ContactGridColumns.size()); ++column) {
        ui.StrGridCont->setColumnWidth(column, ContactGridColumns[static_cast<std::size_t>(column)].Width);
    }
    ui.StrGridCont->setColumnHidden(0, true);
    for (int column = 0; column < static_cast<int>(ContactDetailColumns.size()); ++column) {
        ui.StrGridDetCont->setColumnWidth(column, ContactDetailColumns[static_cast<std::size_t>(column)].Width);
    }
    ui.GaugeProgressCalc->setValue(0);
    ui.LabelStatusContact->setText(ToQString(StatusContactsToCompute));
    FillContactGrid();
}

void ContactsPage::SetClock(WallClock clock) {
    Clock = std::move(clock);
}

TDateTime ContactsPage::SpanStart() const {
    return ToDateTime(Controls.DTP1->date());
}

void ContactsPage::StopWork() {
    RunnerCalc.Stop();
}

// --- The inputs -------------------------------------------------------------

ContactPosition ContactsPage::PositionOfSpins() const {
    const Ui& ui = Controls;
    return {.Degrees = ui.SEGraLon->value(),
            .Minutes = ui.SEMinLon->value(),
            .Seconds = ui.SESecLon->value(),
            .Mode = ShownCoordinates,
            .Sign = std::max(ui.RGSignos->ItemIndex(), 0)};
}

void ContactsPage::ShowPosition(const ContactPosition& position) {
    const Ui& ui = Controls;
    const QSignalBlocker blockDegrees(ui.SEGraLon);
    const QSignalBlocker blockMinutes(ui.SEMinLon);
    const QSignalBlocker blockSeconds(ui.SESecLon);
    ShownCoordinates = position.Mode;
    SetDegreesRange(ui.SEGraLon, position.Mode);
    ui.SEGraLon->setValue(position.Degrees);
    ui.SEMinLon->setValue(position.Minutes);
    ui.SESecLon->setValue(position.Seconds);
    ui.RGCord->SetItemIndex(static_cast<int>(position.Mode));
    ui.RGSignos->SetItemIndex(position.Sign);
    ui.RGSignos->setEnabled(position.Mode == CoordinateMode::Zodiac);
}

// SEGraLon, SEMinLon and SESecLon: the position carries and borrows between
// its fields and wraps round the circle or the sign.
void ContactsPage::SEGraLonChange() {
    const ContactPosition position = NormalizePosition(PositionOfSpins());
    ShowPosition(position);
    ContactTarget = kalto::ContactTarget(position);
}

// SEGraOrb and SEMinOrb: carries and borrows as the orb's arithmetic says; an
// orb carried past the largest the degrees' spin edit holds stays at its last
// minute instead.
void ContactsPage::SEGraOrbChange() {
    const Ui& ui = Controls;
    OrbSpin orb = NormalizeOrb({.Degrees = ui.SEGraOrb->value(), .Minutes = ui.SEMinOrb->value()});
    if (orb.Degrees > ui.SEGraOrb->maximum()) {
        orb = {.Degrees = ui.SEGraOrb->maximum(), .Minutes = 59};
    }
    {
        const QSignalBlocker blockDegrees(ui.SEGraOrb);
        const QSignalBlocker blockMinutes(ui.SEMinOrb);
        ui.SEGraOrb->setValue(orb.Degrees);
        ui.SEMinOrb->setValue(orb.Minutes);
    }
    ContactOrb = kalto::ContactOrb(orb);
}

void ContactsPage::RGCordClick(int item) {
    const ContactPosition position = SwitchCoordinates(PositionOfSpins(), ModeOfItem(item));
    ShowPosition(position);
    ContactTarget = kalto::ContactTarget(position);
}

void ContactsPage::RGSignosClick() {
    ContactTarget = kalto::ContactTarget(PositionOfSpins());
}

void ContactsPage::RGPlanetasClick(int item) {
    ContactBody = item + FirstBody;
    if (Controls.CBAutomatic->isChecked()) {
        BCalcClick();
    }
}

void ContactsPage::SE1Click(int months) {
    const Ui& ui = Controls;
    {
        const QSignalBlocker blocker(ui.DTP2);
        ui.DTP2->setDate(ToQDate(SpanButtonEnd(ToDateTime(ui.DTP1->date()), months)));
    }
    DateCWork1Change();
}

void ContactsPage::DateCWork1Change() {
    ContactSpanDays = kalto::ContactSpanDays(ToDateTime(Controls.DTP1->date()), ToDateTime(Controls.DTP2->date()));
    emit SpanStartChanged();
}

void ContactsPage::DateCWork1DblClick() {
    const Ui& ui = Controls;
    const ContactDates dates = DoubleClickDates(ToDateTime(QDate::currentDate()));
    {
        const QSignalBlocker blocker1(ui.DTP1);
        const QSignalBlocker blocker2(ui.DTP2);
        ui.DTP1->setDate(ToQDate(dates.Start));
        ui.DTP2->setDate(ToQDate(dates.End));
    }
    DateCWork1Change();
}

// --- The settings file ------------------------------------------------------

void ContactsPage::ApplySettings(const KaltoSettings& settings) {
    const Ui& ui = Controls;
    ui.RGPlanetas->SetItemIndex(settings.ContactBody);
    ContactBody = ui.RGPlanetas->ItemIndex() + FirstBody;

    // The degrees count in the coordinates the file was written in.
    const auto mode = static_cast<CoordinateMode>(settings.Coordinates);
    ShowPosition({.Degrees = settings.PositionDegrees,
                  .Minutes = settings.PositionMinutes,
                  .Seconds = settings.PositionSeconds,
                  .Mode = mode,
                  .Sign = settings.Sign});  // -1, none: the list stays

    ui.SEAngulo->setValue(settings.Angle);
    // A file without the key gives item 0, "Múltiplo".
    ui.RGTipoAngulo->setCurrentIndex(settings.AngleType);
    {
        const QSignalBlocker blockDegrees(ui.SEGraOrb);
        const QSignalBlocker blockMinutes(ui.SEMinOrb);
        ui.SEGraOrb->setValue(settings.OrbDegrees);
        ui.SEMinOrb->setValue(settings.OrbMinutes);
    }
    SEGraOrbChange();  // an orb under 0° 30' becomes 0° 30'
    ui.CBAutomatic->setChecked(settings.AutoSearch);
    ui.CBMomentosExactos->setChecked(settings.ExactMoments);

    // Both coordinate switches run, then the stored one again, so that the
    // position, the sign list and the target come out as a click on the
    // stored choice leaves them.
    RGCordClick(static_cast<int>(CoordinateMode::Ecliptic));
    RGCordClick(static_cast<int>(CoordinateMode::Zodiac));
    RGCordClick(static_cast<int>(mode));
}

void ContactsPage::StoreSettings(KaltoSettings& settings) const {
    const Ui& ui = Controls;
    settings.PositionDegrees = ui.SEGraLon->value();
    settings.PositionMinutes = ui.SEMinLon->value();
    settings.PositionSeconds = ui.SESecLon->value();
    settings.Coordinates = ui.RGCord->ItemIndex();
    settings.Sign = ui.RGSignos->ItemIndex();
    settings.ContactBody = ContactBody - FirstBody;
    settings.Angle = ui.SEAngulo->value();
    settings.AngleType = ui.RGTipoAngulo->currentIndex();
    settings.OrbDegrees = ui.SEGraOrb->value();
    settings.OrbMinutes = ui.SEMinOrb->value();
    settings.AutoSearch = ui.CBAutomatic->isChecked();
    settings.ExactMoments = ui.CBMomentosExactos->isChecked();
}

// --- The export -------------------------------------------------------------

ExportContent ContactsPage::ContentToExport() const {
    const Ui& ui = Controls;
    ContactsExport contacts;
    if (ui.CBContacOpc->isChecked()) {
        contacts.SearchOptions = MemoLinesOf(ui.MemoInfoCalc);
    }
    if (ui.CBContacDesc->isChecked()) {
        contacts.Description = MemoLinesOf(ui.MemoDescpContacto);
    }
    contacts.MemoFont = RtfFontOf(ui.MemoInfoCalc->font(), logicalDpiX());
    contacts.Details = ui.CBContacDet->isChecked();
    contacts.Results = Contacts;
    return contacts;
}

void ContactsPage::SetExportEnabled(bool enabled) {
    Controls.SBTranToRTF->setEnabled(enabled);
}

}  // namespace kalto
