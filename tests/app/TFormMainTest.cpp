// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven offscreen: keys pressed, buttons clicked, labels and
// the table read back.

#include "AllBodiesTable.h"
#include "AppTests.h"
#include "DateConversion.h"
#include "EphemerisGridFont.h"
#include "EphemerisRun.h"
#include "EphemerisTable.h"
#include "EphemerisTexts.h"
#include "LocaleNames.h"
#include "PrintPagesDialog.h"
#include "QtText.h"
#include "TFormMain.h"
#include "TestFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <memory>

using namespace kalto;

namespace {

// The range label's text as the user's locale writes it.
QString RangeLabel(QDate start, QDate end) {
    const auto names = LocaleDateFormatNames(QLocale::system());
    return ToQString(FormatDateTime(RangeDatePattern, ToDateTime(start), names) + std::string(RangeSeparator) +
                     FormatDateTime(RangeDatePattern, ToDateTime(end), names));
}

QString Cell(const TFormMain& form, int row, int column) {
    return form.Ephemeris().ui().ModelEfem->data(form.Ephemeris().ui().ModelEfem->index(row, column)).toString();
}

}  // namespace

class TFormMainTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> Form;

    [[nodiscard]] EphemerisPage& Page() const { return Form->Ephemeris(); }

    void PressF8() { QTest::keyClick(Form.get(), Qt::Key_F8); }

    void SetSpan(QDate start, QDate end) {
        Page().ui().DE1->setDate(start);
        Page().ui().DE2->setDate(end);
    }

    QToolButton* SpanButton(int index) const { return Page().ui().SBMD[static_cast<std::size_t>(index)]; }

    QToolButton* BodyButton(int body) const { return Page().ui().SBP[static_cast<std::size_t>(body - 1)]; }

    QCheckBox* ColumnBox(int column) const {
        const std::array boxes{Page().ui().CBViewHour, Page().ui().CBViewLon, Page().ui().CBViewLat,
                               Page().ui().CBViewAR, Page().ui().CBViewDec};
        return boxes[static_cast<std::size_t>(column - FirstOptionalColumn)];
    }

    // A one-day run at "24 horas"; whether it was committed.
    [[nodiscard]] bool RunOneDay(QDate day) {
        SetSpan(day, day);
        Page().ui().CBDeltaTiempo->setCurrentIndex(0);
        PressF8();
        return WaitForStatus(Page().ui().LabelStatusEfem, ToQString(StatusComputed));
    }

    // 24 months at 5 minutes; whether it was caught running.
    [[nodiscard]] bool StartLongRun(QDate start) {
        Page().ui().DE1->setDate(start);
        QTest::mouseClick(Page().ui().SBMD[6], Qt::LeftButton);
        Page().ui().CBDeltaTiempo->setCurrentIndex(9);
        PressF8();
        return QTest::qWaitFor([this] { return Page().ui().GaugeProgressEfem->value() > 0; }, RunTimeout) &&
               Page().Runner().IsRunning();
    }

    void VerifyIdleControls() {
        QVERIFY(!Page().ui().BitBtnStopEfem->isEnabled());
        QVERIFY(Page().ui().CBDeltaTiempo->isEnabled());
        QVERIFY(Page().ui().PanelEfemDateInterval->isEnabled());
    }

private slots:
    void init() {
        Form = std::make_unique<TFormMain>();
        Form->show();
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }

    void cleanup() { Form.reset(); }

    // Every date box takes a date typed over its whole text, day included.
    void typedDateTakes_data() {
        // 0 "Desde:", 1 "Hasta:", 2 the graph's day marker, 3 and 4 the contacts' "Desde:" and "Hasta:"
        QTest::addColumn<int>("field");
        QTest::addColumn<QDateTime>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDateTime>("expected");
        const QDateTime ninth(QDate(2027, 3, 9), QTime(10, 20), Qt::UTC);
        const QDateTime fifteenth(QDate(2027, 3, 15), QTime(11, 45), Qt::UTC);
        QTest::newRow("Desde:") << 0 << ninth << QStringLiteral("15/03/2027") << fifteenth;
        QTest::newRow("Hasta:") << 1 << ninth << QStringLiteral("15/03/2027") << fifteenth;
        QTest::newRow("a day of another month and year")
            << 0 << ninth << QStringLiteral("28/11/2028") << QDateTime(QDate(2028, 11, 28), QTime(0, 0), Qt::UTC);
        QTest::newRow("the day marker, its time too") << 2 << ninth << QStringLiteral("15/03/2027 11:45") << fifteenth;
        QTest::newRow("contacts, Desde:") << 3 << ninth << QStringLiteral("15/03/2027") << fifteenth;
        QTest::newRow("contacts, Hasta:")
            << 4 << ninth << QStringLiteral("28/11/2028") << QDateTime(QDate(2028, 11, 28), QTime(0, 0), Qt::UTC);
    }

    void typedDateTakes() {
        QFETCH(int, field);
        QFETCH(QDateTime, shown);
        QFETCH(QString, typed);
        QFETCH(QDateTime, expected);
        const std::array<QDateTimeEdit*, 5> fields{Page().ui().DE1, Page().ui().DE2, Page().Graph().ui().DateDiaEfe,
                                                   Form->Contacts().ui().DTP1, Form->Contacts().ui().DTP2};
        QDateTimeEdit* box = fields[static_cast<std::size_t>(field)];
        SetSpan(QDate(2027, 3, 1), QDate(2027, 3, 31));
        box->setDateTime(shown);
        if (field == 2) {
            Page().SBViewChartDiagramaClick();
        }
        if (field >= 3) {
            Form->ui().ActionViewCalc->trigger();
        }
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        const auto* line = box->findChild<QLineEdit*>();
        QCOMPARE(line->selectedText(), line->text());

        QTest::keyClicks(box, typed);
        QCOMPARE(box->date(), expected.date());
        if (field == 2) {
            QCOMPARE(box->time(), expected.time());
        }
    }

    void startUp() {
        const QDate today = QDate::currentDate();
        QCOMPARE(Form->windowTitle(), QStringLiteral("Kalto 3.00"));
        QCOMPARE(Form->ui().PCContactos->currentWidget(), Form->ui().TSEfemerides);
        QCOMPARE(Form->ui().PCContactos->tabText(0), QStringLiteral("    Efemerides"));
        QCOMPARE(Form->ui().PCContactos->tabText(1), QStringLiteral("   Contactos"));
        QCOMPARE(Form->palette().color(QPalette::Window), QColor(248, 255, 240));
        QCOMPARE(Page().ui().NotebookData->currentIndex(), 0);
        QVERIFY(Page().ui().SBViewChartData->isChecked());
        QVERIFY(!Page().ui().SBViewChartDiagrama->isChecked());
        QVERIFY(Page().ui().SBEfemToRtf->isEnabled());
        QCOMPARE(Page().ui().LabelFecha->text(), QStringLiteral("< >"));
        QCOMPARE(Page().ui().LabelStatusEfem->text(), QStringLiteral(" Status: Efemerides por calcular"));
        QCOMPARE(Page().ui().GaugeProgressEfem->value(), 0);
        QCOMPARE(Page().ui().DE1->date(), today);
        QCOMPARE(Page().ui().DE2->date(), today.addMonths(1));
        QCOMPARE(Page().SpanDays(), static_cast<int>(today.daysTo(today.addMonths(1))) + 1);
        QCOMPARE(Page().ui().CBDeltaTiempo->currentText(), QStringLiteral("24 horas"));
        QCOMPARE(Form->ui().SETz->minimum(), -11.99);
        QCOMPARE(Form->ui().SETz->maximum(), 11.99);
        QCOMPARE(Form->ui().SETz->singleStep(), 0.5);
        VerifyIdleControls();
        QCOMPARE(Page().SelectedBody(), 1);
        QVERIFY(Page().ui().SBP[0]->isChecked());
        QVERIFY(Page().LastRun().Rows == nullptr);
        QCOMPARE(Page().LastRun().Start, 0.0);
        QCOMPARE(Page().LastRun().End, 0.0);
        QCOMPARE(Page().VisibleColumnCount(), 2);
        QCOMPARE(Page().ui().ModelEfem->rowCount(), 1);
        QCOMPARE(Page().ui().StrGridEfem->verticalHeader()->defaultSectionSize(), 18);
        QCOMPARE(Page().ui().StrGridEfem->rowHeight(0), 18);
    }

    void stepItems_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        const char* texts[] = {"24 horas", "12 horas", "6   horas", "3   horas", "2   horas",
                               "60 min",   "30 min",   "15 min",    "10 min",    "5   min"};
        for (int i = 0; i < 10; ++i) {
            QTest::newRow(texts[i]) << i << QString::fromUtf8(texts[i]);
        }
    }

    void stepItems() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QCOMPARE(Page().ui().CBDeltaTiempo->count(), 10);
        QCOMPARE(Page().ui().CBDeltaTiempo->itemText(index), text);
        QVERIFY(!Page().ui().CBDeltaTiempo->isEditable());
    }

    void columns_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("Día") << 0 << "Día" << 30 << false;
        QTest::newRow("Fecha") << 1 << "Fecha" << 95 << false;
        QTest::newRow("Val.") << 2 << "Val." << 85 << false;
        QTest::newRow("Hora") << 3 << "Hora" << 65 << false;
        QTest::newRow("Lon.") << 4 << "Lon." << 85 << false;
        QTest::newRow("Lat.") << 5 << "Lat." << 85 << true;
        QTest::newRow("AR.") << 6 << "AR." << 85 << true;
        QTest::newRow("Dec.") << 7 << "Dec." << 85 << true;
    }

    void columns() {
        QFETCH(int, column);
        QFETCH(QString, header);
        QFETCH(int, width);
        QFETCH(bool, hidden);
        auto* grid = Page().ui().StrGridEfem;
        QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), header);
        QCOMPARE(grid->isColumnHidden(column), hidden);
        grid->setColumnHidden(column, false);
        QCOMPARE(grid->columnWidth(column), width);
        QCOMPARE(Cell(*Form, 0, column), QString());
    }

    void tableLooksLikeAGrid() {
        auto* grid = Page().ui().StrGridEfem;
        QVERIFY(grid->showGrid());
        QVERIFY(!grid->alternatingRowColors());
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            QCOMPARE(grid->palette().color(group, QPalette::Highlight), QColor(255, 255, 0));
            QCOMPARE(grid->palette().color(group, QPalette::HighlightedText), QColor(0, 0, 0));
        }
        const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
        QVERIFY(EphemerisColumnsFit(grid->font(), Page().Names(), margin));
    }

    // F8 and "Calcular" run the span and step on the controls and commit.
    void runCommitsRows_data() {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("spanButton");  // -1: the end date is the start date
        QTest::addColumn<int>("step");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QDateTime>("lastInstant");
        QTest::newRow("1 March, 24 horas, F8") << true << QDate(2024, 3, 1) << -1 << 0 << QDate(2024, 3, 1) << 1
                                               << QDateTime(QDate(2024, 3, 1), QTime(0, 0));
        QTest::newRow("1 January + 1 m, 60 min, Calcular") << false << QDate(2024, 1, 1) << 0 << 5 << QDate(2024, 2, 1)
                                                           << 768 << QDateTime(QDate(2024, 2, 1), QTime(23, 0));
        QTest::newRow("two days, 6 horas, F8") << true << QDate(2023, 12, 31) << -1 << 2 << QDate(2024, 1, 1) << 8
                                               << QDateTime(QDate(2024, 1, 1), QTime(18, 0));
    }

    void runCommitsRows() {
        QFETCH(bool, byKey);
        QFETCH(QDate, start);
        QFETCH(int, spanButton);
        QFETCH(int, step);
        QFETCH(QDate, end);
        QFETCH(int, rowCount);
        QFETCH(QDateTime, lastInstant);

        Page().ui().DE1->setDate(start);
        if (spanButton >= 0) {
            QTest::mouseClick(SpanButton(spanButton), Qt::LeftButton);
        } else {
            Page().ui().DE2->setDate(end);
        }
        QCOMPARE(Page().ui().DE2->date(), end);
        Page().ui().CBDeltaTiempo->setCurrentIndex(step);
        if (byKey) {
            PressF8();
        } else {
            QTest::mouseClick(Page().ui().BCalContac, Qt::LeftButton);
        }
        QVERIFY(Page().ui().BitBtnStopEfem->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(Page().ui().LabelStatusEfem->text(),
                                  QStringLiteral(" Status: OK Nuevo rango de Efemerides calculadas. "), RunTimeout);

        QCOMPARE(Page().ui().LabelFecha->text(), RangeLabel(start, end));
        VerifyIdleControls();
        QCOMPARE(Page().ui().GaugeProgressEfem->value(), rowCount);
        QCOMPARE(Page().ui().GaugeProgressEfem->maximum(), rowCount);
        QVERIFY(Page().LastRun().Rows != nullptr);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            QCOMPARE(Page().LastRun().Rows->Bodies[static_cast<std::size_t>(body)].size(),
                     static_cast<std::size_t>(rowCount));
        }
        const auto& sun = Page().LastRun().Rows->Bodies[Sol];
        const WallClock& clock = Page().LastRun().Rows->Clock;
        QVERIFY(std::abs(clock.ToWallTime(sun.front().UniversalTime) - ToDateTime(start)) < 1e-9);
        const TDateTime last =
            ToDateTime(lastInstant.date()) + lastInstant.time().msecsSinceStartOfDay() / 86'400'000.0;
        QVERIFY(std::abs(clock.ToWallTime(sun.back().UniversalTime) - last) < 1e-6);
        QCOMPARE(Page().LastRun().Start, ToDateTime(start));
        QCOMPARE(Page().LastRun().End, ToDateTime(end));
        QCOMPARE(Page().ui().ModelEfem->rowCount(), rowCount);
        QCOMPARE(Cell(*Form, rowCount - 1, 0), QStringLiteral(" %1").arg(rowCount));
    }

    // The Sun at 00:00 on 1 March 2024, zone 0: in Pisces, right ascension
    // near 22h 50m, shown as about 342 degrees, declination about -7.5.
    void tableShowsTheCommittedRun() {
        Form->ui().SETz->setValue(0);
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const auto names = LocaleDateFormatNames(QLocale::system());
        QCOMPARE(Cell(*Form, 0, 0), QStringLiteral(" 1"));
        QCOMPARE(Cell(*Form, 0, 1), ToQString(FormatDateTime("mmm dd yyyy, ddd", EncodeDate(2024, 3, 1), names)));
        QCOMPARE(Cell(*Form, 0, 3), QStringLiteral("12:00 am"));
        QVERIFY2(Cell(*Form, 0, 2).endsWith(QStringLiteral("Pis")), qPrintable(Cell(*Form, 0, 2)));
        QVERIFY2(Cell(*Form, 0, 4).startsWith(QStringLiteral(" 340°")), qPrintable(Cell(*Form, 0, 4)));
        QVERIFY2(Cell(*Form, 0, 6).startsWith(QStringLiteral("+ 342°")), qPrintable(Cell(*Form, 0, 6)));
        QVERIFY2(Cell(*Form, 0, 7).startsWith(QStringLiteral("- 07°")), qPrintable(Cell(*Form, 0, 7)));

        // The rows are those of the plain run for the controls' request.
        EphemerisProgress progress;
        const EphemerisRequest request{.StartDate = ToDateTime(QDate(2024, 3, 1)),
                                       .EndDate = ToDateTime(QDate(2024, 3, 1)),
                                       .SpanDays = 1,
                                       .StepsPerDay = 1,
                                       .Clock = WallClock()};
        const auto expected = RunEphemeris(request, progress);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            QTest::mouseClick(BodyButton(body), Qt::LeftButton);
            for (int column = 0; column < EphemerisColumnCount; ++column) {
                const auto& row = expected->Bodies[static_cast<std::size_t>(body)][0];
                QCOMPARE(Cell(*Form, 0, column), ToQString(EphemerisCellText(row, 1, column, names, expected->Clock)));
            }
        }
    }

    // The zone is read when the run starts: a later run in another zone gives
    // other positions for the same local times.
    void runUsesTheTimeZone() {
        Form->ui().SETz->setValue(5.75);
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const float eastern = Page().LastRun().Rows->Bodies[Lun][0].Longitude;
        Form->ui().SETz->setValue(-3.5);
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const float western = Page().LastRun().Rows->Bodies[Lun][0].Longitude;
        const EphemerisRowSet& rows = *Page().LastRun().Rows;
        QVERIFY(std::abs(rows.Clock.ToWallTime(rows.Bodies[Lun][0].UniversalTime) - ToDateTime(QDate(2024, 3, 1))) <
                1e-9);
        // 9.25 hours apart; the Moon moves about half a degree an hour.
        QVERIFY2(western - eastern > 3.0F && western - eastern < 7.0F, qPrintable(QString::number(western - eastern)));
    }

    // A named zone takes the offset box's place, shows its offset at the start
    // of the span of the page shown, and its rows follow the change of summer
    // time: hourly rows evenly spaced in real time jump from 01:00 to 03:00.
    void runInANamedZone() {
        Form->ui().CBZona->setCurrentIndex(Form->ui().CBZona->findText(QStringLiteral("Europe/Madrid")));
        QVERIFY(Form->ui().SETz->isHidden());
        SetSpan(QDate(2027, 4, 1), QDate(2027, 4, 1));
        QCOMPARE(Form->ui().LabelUTC->text(), QStringLiteral("UTC+02:00"));
        SetSpan(QDate(2027, 3, 27), QDate(2027, 3, 28));
        QCOMPARE(Form->ui().LabelUTC->text(), QStringLiteral("UTC+01:00"));
        Form->Contacts().ui().DTP1->setDate(QDate(2027, 8, 1));
        Form->ui().PCContactos->setCurrentWidget(Form->ui().TSContactos);
        QCOMPARE(Form->ui().LabelUTC->text(), QStringLiteral("UTC+02:00"));
        Form->ui().PCContactos->setCurrentWidget(Form->ui().TSEfemerides);
        QCOMPARE(Form->ui().LabelUTC->text(), QStringLiteral("UTC+01:00"));

        Page().ui().CBDeltaTiempo->setCurrentIndex(5);  // 60 min
        PressF8();
        QVERIFY(WaitForStatus(Page().ui().LabelStatusEfem, ToQString(StatusComputed)));
        QCOMPARE(Cell(*Form, 24 + 1, 3), QStringLiteral("01:00 am"));
        QCOMPARE(Cell(*Form, 24 + 2, 3), QStringLiteral("03:00 am"));
        QCOMPARE(Page().ContentToExport().index(), 0U);  // the table, named by its zone
        QCOMPARE(std::get<0>(Page().ContentToExport()).Clock.ZoneText(ToDateTime(QDate(2027, 3, 27))),
                 std::string("Europe/Madrid (1.00)"));

        Form->ui().CBZona->setCurrentIndex(0);
        QVERIFY(!Form->ui().SETz->isHidden());
        QVERIFY(Form->ui().LabelUTC->isHidden());
    }

    // Typing filters the zones by any part of the name, whatever the case;
    // only a name of the list is taken.
    void zoneListTakesOnlyItsNames() {
        QComboBox* list = Form->ui().CBZona;
        QCOMPARE(list->itemText(0), QStringLiteral("[Desfase fijo]"));
        QCOMPARE(list->currentIndex(), 0);
        for (const char* name : {"UTC", "US/Eastern", "America/Argentina/Buenos_Aires", "Asia/Kolkata"}) {
            QVERIFY2(list->findText(QString::fromLatin1(name)) > 0, name);
        }
        list->completer()->setCompletionPrefix(QStringLiteral("madrid"));
        QCOMPARE(list->completer()->currentCompletion(), QStringLiteral("Europe/Madrid"));

        list->lineEdit()->setText(QStringLiteral("Nowhere/Land"));
        emit list->lineEdit()->editingFinished();
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->currentText(), QStringLiteral("[Desfase fijo]"));
        list->lineEdit()->setText(QStringLiteral("asia/kolkata"));
        emit list->lineEdit()->editingFinished();
        QCOMPARE(list->currentText(), QStringLiteral("Asia/Kolkata"));
        QCOMPARE(Form->ui().LabelUTC->text(), QStringLiteral("UTC+05:30"));
    }

    void runningState() {
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const auto names = LocaleDateFormatNames(QLocale::system());
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));
        QVERIFY(Page().ui().BitBtnStopEfem->isEnabled());
        QVERIFY(!Page().ui().CBDeltaTiempo->isEnabled());
        QVERIFY(!Page().ui().PanelEfemDateInterval->isEnabled());
        QVERIFY(Page().ui().DE1->isEnabled());
        QVERIFY(Page().ui().DE2->isEnabled());
        QVERIFY(Page().ui().SBMD[0]->isEnabled());
        QVERIFY(Form->ui().SETz->isEnabled());
        QVERIFY(Page().ui().BCalContac->isEnabled());
        QCOMPARE(Page().ui().LabelFecha->text(), QStringLiteral("calculando"));
        QCOMPARE(Page().ui().GaugeProgressEfem->maximum(), Page().SpanDays() * 288);

        // The gauge and the status are set together: the status names the
        // instant of the step the gauge has reached.
        const QString status = Page().ui().LabelStatusEfem->text();
        QVERIFY2(status.startsWith(QStringLiteral(" Status: Calculando efemerides. ")), qPrintable(status));
        const QString shown = status.mid(ToQString(StatusComputing).size());
        const QRegularExpression instant(QStringLiteral("^\\S+-\\d\\d-\\d{4},\\d\\d:\\d\\d (am|pm)$"));
        QVERIFY2(instant.match(shown).hasMatch(), qPrintable(shown));
        const auto step = StepInstant(Page().Runner().Request(), Page().ui().GaugeProgressEfem->value());
        QCOMPARE(shown, ToQString(FormatDateTime("mmm-dd-yyyy,hh:mm am/pm", step, names)));
        Page().StopWork();
    }

    // "Parar": interrupted, the previous range and rows stay, the stopped run
    // never commits.
    void stopKeepsThePreviousRun() {
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const QString range = Page().ui().LabelFecha->text();
        const auto rows = Page().LastRun().Rows;
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));

        QTest::mouseClick(Page().ui().BitBtnStopEfem, Qt::LeftButton);
        QCOMPARE(Page().ui().LabelStatusEfem->text(), QStringLiteral("Cálculos Interrumpidos"));
        QCOMPARE(Page().ui().LabelFecha->text(), range);
        VerifyIdleControls();
        QTRY_COMPARE_WITH_TIMEOUT(Page().Runner().WorkerCount(), 0, RunTimeout);
        QCOMPARE(Page().LastRun().Rows, rows);
        QCOMPARE(Page().ui().LabelStatusEfem->text(), QStringLiteral("Cálculos Interrumpidos"));
        QCOMPARE(Page().ui().LabelFecha->text(), range);
        QCOMPARE(Page().ui().ModelEfem->rowCount(), 1);
        QVERIFY(!Cell(*Form, 0, 1).isEmpty());
    }

    void stopBeforeAnyRunShowsNoRange() {
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));
        QTest::mouseClick(Page().ui().BitBtnStopEfem, Qt::LeftButton);
        QCOMPARE(Page().ui().LabelFecha->text(), QStringLiteral("< >"));
        QVERIFY(Page().LastRun().Rows == nullptr);
        QCOMPARE(Page().ui().ModelEfem->rowCount(), 1);
        QCOMPARE(Cell(*Form, 0, 1), QString());
    }

    // F8 during a run stops it and starts anew; the new run's rows, range and
    // status are what the window ends with.
    void newRunReplacesTheRunningOne_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("F8") << true;
        QTest::newRow("Calcular") << false;
    }

    void newRunReplacesTheRunningOne() {
        QFETCH(bool, byKey);
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));
        QTest::mouseClick(Page().ui().SBMD[0],
                          Qt::LeftButton);  // 1 January to 1 February, still at 5 minutes
        if (byKey) {
            PressF8();
        } else {
            QTest::mouseClick(Page().ui().BCalContac, Qt::LeftButton);
        }
        QCOMPARE(Page().ui().LabelFecha->text(), QStringLiteral("calculando"));
        QTRY_COMPARE_WITH_TIMEOUT(Page().ui().LabelStatusEfem->text(), ToQString(StatusComputed), RunTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(Page().Runner().WorkerCount(), 0, RunTimeout);
        QCOMPARE(Page().ui().LabelStatusEfem->text(), ToQString(StatusComputed));
        QCOMPARE(Page().ui().LabelFecha->text(), RangeLabel(QDate(2024, 1, 1), QDate(2024, 2, 1)));
        QCOMPARE(Page().LastRun().Rows->RowCount(), std::size_t{32 * 288});
        QCOMPARE(Page().ui().ModelEfem->rowCount(), 32 * 288);
        VerifyIdleControls();
    }

    // Stopping the run that replaced another puts back the range shown before
    // the first one, not "calculando".
    void stopAfterReplacingRestoresTheFirstSavedRange() {
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const QString range = Page().ui().LabelFecha->text();
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));
        PressF8();
        QTRY_VERIFY_WITH_TIMEOUT(Page().ui().GaugeProgressEfem->value() > 0, RunTimeout);
        QTest::mouseClick(Page().ui().BitBtnStopEfem, Qt::LeftButton);
        QCOMPARE(Page().ui().LabelFecha->text(), range);
        QTRY_COMPARE_WITH_TIMEOUT(Page().Runner().WorkerCount(), 0, RunTimeout);
        QCOMPARE(Page().LastRun().Rows->RowCount(), std::size_t{1});
    }

    void closingDuringARunStopsIt() {
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const auto rows = Page().LastRun().Rows;
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));
        QVERIFY(Form->close());
        QVERIFY(!Page().Runner().IsRunning());
        QCOMPARE(Page().LastRun().Rows, rows);
        Form.reset();  // joins the stopped run's thread
    }

    // Every change of span, step or zone asks for a new run and leaves the
    // committed rows and their range alone.
    void changesResetTheStatus_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("step") << "step";
        QTest::newRow("time zone") << "zone";
        QTest::newRow("start date") << "start";
        QTest::newRow("end date") << "end";
        QTest::newRow("span button") << "span";
    }

    void changesResetTheStatus() {
        QFETCH(QString, change);
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const QString range = Page().ui().LabelFecha->text();
        const auto rows = Page().LastRun().Rows;
        QVERIFY(Page().ui().GaugeProgressEfem->value() > 0);

        if (change == "step") {
            QTest::keyClick(Page().ui().CBDeltaTiempo, Qt::Key_Down);
            QCOMPARE(Page().ui().CBDeltaTiempo->currentIndex(), 1);
        } else if (change == "zone") {
            QTest::keyClick(Form->ui().SETz, Qt::Key_Up);
            QCOMPARE(Form->ui().SETz->value(), 0.5);
        } else if (change == "start") {
            QTest::keyClick(Page().ui().DE1, Qt::Key_Up);
            QVERIFY(Page().ui().DE1->date() != QDate(2024, 3, 1));
        } else if (change == "end") {
            QTest::keyClick(Page().ui().DE2, Qt::Key_Up);
            QVERIFY(Page().ui().DE2->date() != QDate(2024, 3, 1));
        } else {
            QTest::mouseClick(Page().ui().SBMD[1], Qt::LeftButton);
        }
        QCOMPARE(Page().ui().LabelStatusEfem->text(), QStringLiteral(" Status: Efemerides por calcular"));
        QCOMPARE(Page().ui().GaugeProgressEfem->value(), 0);
        QCOMPARE(Page().LastRun().Rows, rows);
        QCOMPARE(Page().ui().LabelFecha->text(), range);
        QCOMPARE(Page().ui().ModelEfem->rowCount(), 1);
    }

    // A new end date more than 730 days from the start becomes 24 calendar
    // months after the start; a new start date is never limited.
    void spanLimit_data() {
        QTest::addColumn<bool>("moveEnd");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QDate>("expectedEnd");
        QTest::addColumn<int>("spanDays");
        const QDate start(2024, 1, 1);
        QTest::newRow("end 800 days on") << true << start << start.addDays(800) << QDate(2026, 1, 1) << 732;
        QTest::newRow("730 days accepted") << true << start << start.addDays(729) << start.addDays(729) << 730;
        QTest::newRow("731 days limited") << true << start << start.addDays(730) << QDate(2026, 1, 1) << 732;
        QTest::newRow("end 800 days before") << true << start << start.addDays(-800) << QDate(2026, 1, 1) << 732;
        QTest::newRow("from 29 February")
            << true << QDate(2024, 2, 29) << QDate(2027, 1, 1) << QDate(2026, 2, 28) << 731;
        QTest::newRow("start 800 days back") << false << start.addDays(-800) << start << start << 801;
    }

    void spanLimit() {
        QFETCH(bool, moveEnd);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QDate, expectedEnd);
        QFETCH(int, spanDays);
        if (moveEnd) {
            Page().ui().DE1->setDate(start);
            Page().ui().DE2->setDate(end);
        } else {
            SetSpan(end, end);
            Page().ui().DE1->setDate(start);
        }
        QCOMPARE(Page().ui().DE1->date(), start);
        QCOMPARE(Page().ui().DE2->date(), expectedEnd);
        QCOMPARE(Page().SpanDays(), spanDays);
        QCOMPARE(Page().ui().LabelStatusEfem->text(), ToQString(StatusToCompute));
    }

    // "Todos" puts the all-bodies table in the single body's place, with a
    // line a step and a column a body, and the export follows it; a body's
    // button brings its own table back.
    void allBodiesView() {
        QVERIFY(RunOneDay(QDate(2027, 2, 10)));
        QCOMPARE(Page().ui().SBP[11]->text(), QStringLiteral("Todos"));
        QTest::mouseClick(Page().ui().SBP[11], Qt::LeftButton);
        QVERIFY(Page().ui().StrGridTodos->isVisible());
        QVERIFY(!Page().ui().StrGridEfem->isVisible());
        QVERIFY(!Page().ui().CBViewLon->isEnabled());
        const auto* model = Page().ui().ModelTodos;
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->columnCount(), AllBodiesColumnCount);
        const EphemerisRowSet& rows = *Page().LastRun().Rows;
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            const QString cell = model->data(model->index(0, FirstBodyColumn + body - FirstBody)).toString();
            const QString text = ToQString(CompactSignText(rows.Bodies[static_cast<std::size_t>(body)][0].Longitude));
            QVERIFY2(cell.contains(text), qPrintable(cell + " / " + text));
        }
        // Mercury turned retrograde on 10 February 2027.
        QVERIFY(model->data(model->index(0, FirstBodyColumn + Mer - FirstBody)).toString().endsWith(" SR"));
        const ExportContent content = Page().ContentToExport();
        QCOMPARE(std::get<EphemerisTableExport>(content).Body, AllBodiesTableBody);

        QTest::mouseClick(BodyButton(Mar), Qt::LeftButton);
        QVERIFY(Page().ui().StrGridEfem->isVisible());
        QVERIFY(!Page().ui().StrGridTodos->isVisible());
        QVERIFY(Page().ui().CBViewLon->isEnabled());
    }

    // "Eventos" lists the events of the run's span as the plain search finds
    // them, filtered by kind and sorted by any column; "Imprimir..." saves the
    // months chosen as a page each.
    void eventsAndPrintedPages() {
        SetSpan(QDate(2027, 3, 1), QDate(2027, 3, 31));
        Page().ui().CBDeltaTiempo->setCurrentIndex(0);
        PressF8();
        QVERIFY(WaitForStatus(Page().ui().LabelStatusEfem, ToQString(StatusComputed)));
        Page().ui().SBViewEventos->click();
        QCOMPARE(Page().ui().NotebookData->currentIndex(), 2);
        const EventsView& events = *Page().ui().Eventos;
        QVERIFY(QTest::qWaitFor([&events] { return !events.Runner().IsRunning(); }, RunTimeout));
        EventProgress progress;
        const auto expected = SearchEvents({.Start = EncodeDate(2027, 3, 1),
                                            .End = EncodeDate(2027, 4, 1),
                                            .Kinds = AllEventKinds(),
                                            .Evaluation = SeriesEvaluation::Fitted},
                                           progress);
        QVERIFY(expected && !expected->empty());
        QCOMPARE(events.ui().ModelEventos->ShownEvents(), *expected);

        events.ui().CBTipoEvento->setCurrentIndex(events.ui().CBTipoEvento->findText(QStringLiteral("fases")));
        const auto& phases = events.ui().ModelEventos->ShownEvents();
        QVERIFY(phases.size() >= 4 && phases.size() <= 5);
        for (const Event& event : phases) QCOMPARE(event.Kind, EventKind::Phase);
        events.ui().StrGridEventos->sortByColumn(EventLongitude, Qt::DescendingOrder);
        const auto* sorted = events.ui().SortEventos;
        QVERIFY(sorted->data(sorted->index(0, EventLongitude), Qt::UserRole).toDouble() >=
                sorted->data(sorted->index(sorted->rowCount() - 1, EventLongitude), Qt::UserRole).toDouble());
        // "RTF" and "CSV" take the events shown, in the order shown.
        const auto exported = std::get<EventsExport>(Page().ContentToExport());
        QCOMPARE(exported.Events.size(), phases.size());
        QVERIFY(exported.Events.front().Longitude >= exported.Events.back().Longitude);
        QVERIFY(exported.Heading.front().starts_with("Eventos. Time Zone: "));
        const std::string csv = events.CsvOfShownEvents();
        QCOMPARE(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')), phases.size() + 1);

        test::TemporaryFolder folder("kalto-pages");
        PrintPagesDialog dialog(WallClock(), SpanishDateFormatNames(), PaperSize::A4);
        dialog.ui().DTPMesDesde->setDate(QDate(2027, 1, 1));
        dialog.ui().DTPMesHasta->setDate(QDate(2027, 3, 1));
        dialog.SavePdf(folder.Path() / "tres.pdf");
        QVERIFY(QTest::qWaitFor([&dialog] { return !dialog.IsWorking(); }, RunTimeout));
        QVERIFY2(dialog.ui().LabelEstado->text().startsWith(QStringLiteral("3 páginas guardadas")),
                 qPrintable(dialog.ui().LabelEstado->text()));
        QVERIFY(std::filesystem::file_size(folder.Path() / "tres.pdf") > 1000);
    }

    void spanButtons_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::newRow("31 January + 1 m") << 0 << "1 m" << QDate(2023, 1, 31) << QDate(2023, 2, 28);
        QTest::newRow("31 January + 1 m, leap year") << 0 << "1 m" << QDate(2024, 1, 31) << QDate(2024, 2, 29);
        QTest::newRow("2 m") << 1 << "2 m" << QDate(2024, 12, 31) << QDate(2025, 2, 28);
        QTest::newRow("30 November + 3 m") << 2 << "3 m" << QDate(2023, 11, 30) << QDate(2024, 2, 29);
        QTest::newRow("4 m") << 3 << "4 m" << QDate(2024, 5, 31) << QDate(2024, 9, 30);
        QTest::newRow("6 m") << 4 << "6 m" << QDate(2024, 3, 31) << QDate(2024, 9, 30);
        QTest::newRow("12 m") << 5 << "12 m" << QDate(2024, 1, 15) << QDate(2025, 1, 15);
        QTest::newRow("29 February + 24 m") << 6 << "24 m" << QDate(2024, 2, 29) << QDate(2026, 2, 28);
    }

    void spanButtons() {
        QFETCH(int, button);
        QFETCH(QString, caption);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QCOMPARE(SpanButton(button)->text(), caption);
        Page().ui().DE1->setDate(start);
        QTest::mouseClick(SpanButton(button), Qt::LeftButton);
        QCOMPARE(Page().ui().DE2->date(), end);
        QCOMPARE(Page().SpanDays(), static_cast<int>(start.daysTo(end)) + 1);
        QCOMPARE(Page().ui().LabelStatusEfem->text(), ToQString(StatusToCompute));
    }

    void bodyButtons_data() {
        QTest::addColumn<int>("body");
        QTest::addColumn<QString>("caption");
        const char* captions[] = {"Sol", "Lun", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura", "Nep", "Plu", "Nod"};
        for (int body = 1; body <= 11; ++body) {
            QTest::newRow(captions[body - 1]) << body << QString::fromUtf8(captions[body - 1]);
        }
    }

    // Before any run a body shows a header and one blank line.
    void bodyButtons() {
        QFETCH(int, body);
        QFETCH(QString, caption);
        QCOMPARE(BodyButton(body)->text(), caption);
        QTest::mouseClick(BodyButton(body), Qt::LeftButton);
        QCOMPARE(Page().SelectedBody(), body);
        for (int other = 1; other <= 11; ++other) {
            QCOMPARE(BodyButton(other)->isChecked(), other == body);
        }
        QCOMPARE(Page().ui().ModelEfem->rowCount(), 1);
        QCOMPARE(Page().ui().ModelEfem->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Fecha"));
        for (int column = 0; column < EphemerisColumnCount; ++column) {
            QCOMPARE(Cell(*Form, 0, column), QString());
        }
    }

    // The body chosen before a run is the one the run's table shows.
    void selectedBodySurvivesARun() {
        QTest::mouseClick(Page().ui().SBP[10], Qt::LeftButton);
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const auto names = LocaleDateFormatNames(QLocale::system());
        const auto& node = Page().LastRun().Rows->Bodies[Nod][0];
        QCOMPARE(Cell(*Form, 0, 4), ToQString(EphemerisCellText(node, 1, 4, names, Page().LastRun().Rows->Clock)));
    }

    void columnBoxes_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("hor.") << 3 << "hor." << true;
        QTest::newRow("lon.") << 4 << "lon." << true;
        QTest::newRow("lat.") << 5 << "lat." << false;
        QTest::newRow("ar.") << 6 << "ar." << false;
        QTest::newRow("dec.") << 7 << "dec." << false;
    }

    // Each box shows or hides its column, which comes back at its place with
    // its width.
    void columnBoxes() {
        QFETCH(int, column);
        QFETCH(QString, caption);
        QFETCH(bool, ticked);
        auto* box = ColumnBox(column);
        auto* grid = Page().ui().StrGridEfem;
        const int width = EphemerisColumns[static_cast<std::size_t>(column)].Width;
        QCOMPARE(box->text(), caption);
        QCOMPARE(box->isChecked(), ticked);
        QCOMPARE(grid->isColumnHidden(column), !ticked);

        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(grid->isColumnHidden(column), ticked);
        QCOMPARE(Page().VisibleColumnCount(), ticked ? 1 : 3);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(grid->isColumnHidden(column), !ticked);
        QCOMPARE(Page().VisibleColumnCount(), 2);
        grid->setColumnHidden(column, false);
        QCOMPARE(grid->columnWidth(column), width);
        QCOMPARE(grid->horizontalHeader()->visualIndex(column), column);
    }

    void tickingTheHiddenColumns() {
        QTest::mouseClick(Page().ui().CBViewLat, Qt::LeftButton);
        QTest::mouseClick(Page().ui().CBViewAR, Qt::LeftButton);
        QTest::mouseClick(Page().ui().CBViewDec, Qt::LeftButton);
        QCOMPARE(Page().VisibleColumnCount(), 5);
        for (int column = 0; column < EphemerisColumnCount; ++column) {
            QVERIFY(!Page().ui().StrGridEfem->isColumnHidden(column));
        }
    }

    void clearedLongitudeComesBack() {
        QTest::mouseClick(Page().ui().CBViewLon, Qt::LeftButton);
        QVERIFY(Page().ui().StrGridEfem->isColumnHidden(4));
        QCOMPARE(Page().VisibleColumnCount(), 1);
        QTest::mouseClick(Page().ui().CBViewLon, Qt::LeftButton);
        QVERIFY(!Page().ui().StrGridEfem->isColumnHidden(4));
        QCOMPARE(Page().ui().StrGridEfem->columnWidth(4), 85);
        QCOMPARE(Page().ui().StrGridEfem->horizontalHeader()->visualIndex(4), 4);
        QCOMPARE(Page().VisibleColumnCount(), 2);
    }

    // F5 switches table and graph, or brings the Efemerides page back; F6
    // shows the Contactos page.
    void pageKeys() {
        QTest::keyClick(Form.get(), Qt::Key_F5);
        QCOMPARE(Page().ui().NotebookData->currentIndex(), 1);
        QVERIFY(Page().ui().SBViewChartDiagrama->isChecked());
        QVERIFY(!Page().ui().SBViewChartData->isChecked());

        QTest::keyClick(Form.get(), Qt::Key_F6);
        QCOMPARE(Form->ui().PCContactos->currentWidget(), Form->ui().TSContactos);
        QTest::keyClick(Form.get(), Qt::Key_F5);
        QCOMPARE(Form->ui().PCContactos->currentWidget(), Form->ui().TSEfemerides);
        QCOMPARE(Page().ui().NotebookData->currentIndex(), 1);

        QTest::keyClick(Form.get(), Qt::Key_F5);
        QCOMPARE(Page().ui().NotebookData->currentIndex(), 0);
        QVERIFY(Page().ui().SBViewChartData->isChecked());
        QVERIFY(!Page().ui().SBViewChartDiagrama->isChecked());
    }

    void pageButtons() {
        QTest::mouseClick(Page().ui().SBViewChartDiagrama, Qt::LeftButton);
        QCOMPARE(Page().ui().NotebookData->currentIndex(), 1);
        QVERIFY(!Page().ui().SBViewChartData->isChecked());
        QTest::mouseClick(Page().ui().SBViewChartData, Qt::LeftButton);
        QCOMPARE(Page().ui().NotebookData->currentIndex(), 0);
        QVERIFY(!Page().ui().SBViewChartDiagrama->isChecked());
    }
};

int RunTFormMainTests(int argc, char** argv) {
    TFormMainTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TFormMainTest.moc"
