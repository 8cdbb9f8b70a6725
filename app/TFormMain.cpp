// SPDX-License-Identifier: GPL-3.0-or-later
#include "TFormMain.h"

#include "ContactsPage.h"
#include "DateConversion.h"
#include "EphemerisRun.h"
#include "EphemerisSpan.h"
#include "EphemerisTable.h"
#include "EphemerisTexts.h"
#include "LocaleNames.h"
#include "PageTabStyle.h"
#include "PaintBox.h"
#include "Product.h"
#include "QtText.h"
#include "Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kalto {

namespace {

QString RangeText(TDateTime start, TDateTime end, const DateFormatNames& names) {
    return ToQString(FormatDateTime(RangeDatePattern, start, names) + std::string(RangeSeparator) +
                     FormatDateTime(RangeDatePattern, end, names));
}

}  // namespace

TFormMain::TFormMain(QWidget* parent) : TFormMain(std::filesystem::path(), parent) {}

TFormMain::TFormMain(std::filesystem::path settingsFile, QWidget* parent)
    : QMainWindow(parent), Names(LocaleDateFormatNames(QLocale::system())), SettingsFile(std::move(settingsFile)) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(CreateTopStrip());

    PCContactos = new QTabWidget(central);
    TSEfemerides = CreateEfemeridesPage();
    PageContactos = new ContactsPage(Names);
    PageContactos->SetZoneHours(SETz->value());
    TSContactos = PageContactos;
    PCContactos->addTab(TSEfemerides, QStringLiteral("    Efemerides"));
    PCContactos->addTab(TSContactos, QStringLiteral("   Contactos"));
    SetPageTabLook(PCContactos->tabBar());
    for (int tab = 0; tab < PCContactos->count(); ++tab) {
        PCContactos->widget(tab)->setAutoFillBackground(true);  // in the window's colour
    }
    layout->addWidget(PCContactos, 1);
    setCentralWidget(central);

    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(248, 255, 240));
    setPalette(background);
    setAutoFillBackground(true);

    CreateActions();
    CreateAboutAndHelp();
    connect(&RunnerEfem, &EphemerisRunner::ProgressChanged, this, &TFormMain::RunnerEfemProgress);
    connect(&RunnerEfem, &EphemerisRunner::Completed, this, &TFormMain::RunnerEfemCompleted);
    connect(&RunnerEfem, &EphemerisRunner::Failed, this, &TFormMain::RunnerEfemFailed);
    FormCreate();
    FormCreateExport();
}

// The start-up values of the window's controls.
void TFormMain::FormCreate() {
    ShowStartSplash();
    const KaltoSettings stored = ReadSettingsFile();
    setWindowTitle(QStringLiteral("%1 %2").arg(ProductName, ProductVersion));

    SelectedBody = Sol;
    CBDeltaTiempo->setCurrentIndex(0);

    {
        const QSignalBlocker blocker(DE1);
        DE1->setDate(QDate::currentDate());
    }
    SBMD1Click(SpanButtonMonths[0]);
    ResetEphemerisStatus();
    FormCreateGraph();
    ApplySettings(stored);  // over the pages' own start-up values

    for (int column = 0; column < EphemerisColumnCount; ++column) {
        StrGridEfem->setColumnWidth(column, EphemerisColumns[static_cast<std::size_t>(column)].Width);
    }
    // Lat., AR. and Dec. start hidden, as their boxes start cleared.
    for (int column = 5; column < EphemerisColumnCount; ++column) {
        StrGridEfem->setColumnHidden(column, true);
    }
    VisibleColumnCount = 2;
    FitGridWidth();
    FillEphemerisGrid();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    // A run or search still going ends without results; its thread is joined
    // when it reports or, at the latest, when the window is destroyed.
    RunnerEfem.Stop();
    Contacts().StopWork();
    FormDestroy(event->spontaneous());
    event->accept();
}

// --- Commands ---------------------------------------------------------------

void TFormMain::ActionEfemExecute() {
    BitBtnStopEfem->setEnabled(true);
    CalculateEphemeris();
}

void TFormMain::ActionViewEfemExecute() {
    if (PCContactos->currentWidget() == TSContactos) {
        PCContactos->setCurrentWidget(TSEfemerides);
    } else if (NotebookData->currentIndex() == 0) {
        SBViewChartDiagramaClick();
    } else {
        SBViewChartDataClick();
    }
}

ContactsPage& TFormMain::Contacts() const {
    return *PageContactos;
}

void TFormMain::ActionCalcExecute() {
    Contacts().BCalcClick();
}

void TFormMain::ActionViewCalcExecute() {
    PCContactos->setCurrentWidget(TSContactos);
}

void TFormMain::SBViewChartDataClick() {
    SBViewChartData->setChecked(true);
    NotebookData->setCurrentIndex(0);
}

void TFormMain::SBViewChartDiagramaClick() {
    SBViewChartDiagrama->setChecked(true);
    NotebookData->setCurrentIndex(1);
}

// --- The run ----------------------------------------------------------------

void TFormMain::BCalContacClick() {
    ActionEfem->trigger();
}

// Starts a run over the span and step shown now; the run reads the start date
// and the time zone once, here. A run still going is stopped and replaced: the
// range it saved stays the one to restore.
void TFormMain::CalculateEphemeris() {
    CBDeltaTiempo->setEnabled(false);
    PanelEfemDateInterval->setEnabled(false);
    const int stepsPerDay = EphemerisStepChoices[static_cast<std::size_t>(CBDeltaTiempo->currentIndex())].StepsPerDay;
    if (!RunnerEfem.IsRunning()) {
        SavedRangeText = LabelFecha->text();
    }
    LabelFecha->setText(ToQString(RangeComputing));

    const EphemerisRequest request{
        .StartDate = ToDateTime(DE1->date()),
        .EndDate = ToDateTime(DE2->date()),
        .SpanDays = SpanDays,
        .StepsPerDay = stepsPerDay,
        .ZoneHours = SETz->value(),
    };
    GaugeProgressEfem->setMaximum(static_cast<int>(TotalSteps(request)));
    GaugeProgressEfem->setValue(0);
    RunnerEfem.Start(request);
    ShowComputingStatus(0);
}

void TFormMain::ShowComputingStatus(std::int64_t stepsDone) {
    const auto& request = RunnerEfem.Request();
    const std::int64_t step = std::clamp<std::int64_t>(stepsDone, 0, TotalSteps(request) - 1);
    LabelStatusEfem->setText(ToQString(std::string(StatusComputing) +
                                       FormatDateTime(ComputingInstantPattern, StepInstant(request, step), Names)));
}

void TFormMain::RunnerEfemProgress(qint64 stepsDone) {
    GaugeProgressEfem->setValue(static_cast<int>(stepsDone));
    ShowComputingStatus(stepsDone);
}

void TFormMain::RunnerEfemCompleted(kalto::EphemerisRows rows) {
    EphemerisRows = std::move(rows);
    EphemerisStart = EphemerisRows->StartDate;
    EphemerisEnd = EphemerisRows->EndDate;
    FillEphemerisGrid();
    PaintBoxEfem->update();
    LabelFecha->setText(RangeText(EphemerisStart, EphemerisEnd, Names));
    GaugeProgressEfem->setValue(GaugeProgressEfem->maximum());
    EndRun(ToQString(StatusComputed));
}

// A run whose rows could not be held ends as if stopped.
void TFormMain::RunnerEfemFailed() {
    LabelFecha->setText(SavedRangeText);
    EndRun(ToQString(StatusInterrupted));
}

void TFormMain::BitBtnStopEfemClick() {
    RunnerEfem.Stop();
    LabelFecha->setText(SavedRangeText);
    EndRun(ToQString(StatusInterrupted));
}

void TFormMain::EndRun(const QString& status) {
    CBDeltaTiempo->setEnabled(true);
    PanelEfemDateInterval->setEnabled(true);
    BitBtnStopEfem->setEnabled(false);
    LabelStatusEfem->setText(status);
}

void TFormMain::ResetEphemerisStatus() {
    GaugeProgressEfem->setValue(0);
    LabelStatusEfem->setText(ToQString(StatusToCompute));
}

void TFormMain::DateEWork1Change() {
    SpanDays = kalto::SpanDays(ToDateTime(DE1->date()), ToDateTime(DE2->date()));
    ResetEphemerisStatus();
}

void TFormMain::DE2Change() {
    const TDateTime start = ToDateTime(DE1->date());
    const TDateTime end = LimitEndDate(start, ToDateTime(DE2->date()));
    if (ToQDate(end) != DE2->date()) {
        const QSignalBlocker blocker(DE2);
        DE2->setDate(ToQDate(end));
    }
    SpanDays = kalto::SpanDays(start, ToDateTime(DE2->date()));
    ResetEphemerisStatus();
}

void TFormMain::SBMD1Click(int months) {
    const TDateTime start = ToDateTime(DE1->date());
    {
        const QSignalBlocker blocker(DE2);
        DE2->setDate(ToQDate(IncMonth(start, months)));
    }
    SpanDays = kalto::SpanDays(start, ToDateTime(DE2->date()));
    ResetEphemerisStatus();
}

void TFormMain::CBDeltaTiempoChange() {
    ResetEphemerisStatus();
}

void TFormMain::SETzChange() {
    ResetEphemerisStatus();
    Contacts().SetZoneHours(SETz->value());
}

// --- The table --------------------------------------------------------------

void TFormMain::FillEphemerisGrid() {
    ModelEfem->Fill(EphemerisRows, SelectedBody);
}

void TFormMain::SBP1Click(int body) {
    SelectedBody = body;
    FillEphemerisGrid();
}

void TFormMain::CBViewLonClick(int column, bool checked) {
    StrGridEfem->setColumnHidden(column, !checked);
    VisibleColumnCount += checked ? 1 : -1;
    FitGridWidth();
}

// The table is no wider than its shown columns and its scroll bar.
void TFormMain::FitGridWidth() {
    StrGridEfem->setMaximumWidth(StrGridEfem->horizontalHeader()->length() + 2 * StrGridEfem->frameWidth() +
                                 StrGridEfem->verticalScrollBar()->sizeHint().width());
}

}  // namespace kalto
