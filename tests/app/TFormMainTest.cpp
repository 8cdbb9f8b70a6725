// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven offscreen: keys pressed, buttons clicked, labels and
// the table read back.

#include "AppTests.h"
#include "DateConversion.h"
#include "EphemerisGridFont.h"
#include "EphemerisRun.h"
#include "EphemerisTable.h"
#include "EphemerisTexts.h"
#include "LocaleNames.h"
#include "TFormMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace kalto;

namespace {

// Generous: runs share the machine with other tests.
constexpr int RunTimeout = 180000;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The range label's text as the user's locale writes it.
QString RangeLabel(QDate start, QDate end) {
    const auto names = LocaleDateFormatNames(QLocale::system());
    return Q(FormatDateTime(RangeDatePattern, ToDateTime(start), names) + std::string(RangeSeparator) +
             FormatDateTime(RangeDatePattern, ToDateTime(end), names));
}

QString Cell(const TFormMain& form, int row, int column) {
    return form.Ephemeris().ui().ModelEfem->data(form.Ephemeris().ui().ModelEfem->index(row, column)).toString();
}

}  // namespace

class TFormMainTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> Form;

    void PressF8() { QTest::keyClick(Form.get(), Qt::Key_F8); }

    void SetSpan(QDate start, QDate end) {
        Form->Ephemeris().ui().DE1->setDate(start);
        Form->Ephemeris().ui().DE2->setDate(end);
    }

    QToolButton* SpanButton(int index) const {
        const std::array buttons{Form->Ephemeris().ui().SBMD[0], Form->Ephemeris().ui().SBMD[1],
                                 Form->Ephemeris().ui().SBMD[2], Form->Ephemeris().ui().SBMD[3],
                                 Form->Ephemeris().ui().SBMD[4], Form->Ephemeris().ui().SBMD[5],
                                 Form->Ephemeris().ui().SBMD[6]};
        return buttons[static_cast<std::size_t>(index)];
    }

    QToolButton* BodyButton(int body) const {
        const std::array buttons{
            Form->Ephemeris().ui().SBP[0], Form->Ephemeris().ui().SBP[1], Form->Ephemeris().ui().SBP[2],
            Form->Ephemeris().ui().SBP[3], Form->Ephemeris().ui().SBP[4], Form->Ephemeris().ui().SBP[5],
            Form->Ephemeris().ui().SBP[6], Form->Ephemeris().ui().SBP[7], Form->Ephemeris().ui().SBP[8],
            Form->Ephemeris().ui().SBP[9], Form->Ephemeris().ui().SBP[10]};
        return buttons[static_cast<std::size_t>(body - 1)];
    }

    QCheckBox* ColumnBox(int column) const {
        const std::array boxes{Form->Ephemeris().ui().CBViewHour, Form->Ephemeris().ui().CBViewLon,
                               Form->Ephemeris().ui().CBViewLat, Form->Ephemeris().ui().CBViewAR,
                               Form->Ephemeris().ui().CBViewDec};
        return boxes[static_cast<std::size_t>(column - FirstOptionalColumn)];
    }

    // A one-day run at "24 horas"; whether it was committed.
    [[nodiscard]] bool RunOneDay(QDate day) {
        SetSpan(day, day);
        Form->Ephemeris().ui().CBDeltaTiempo->setCurrentIndex(0);
        PressF8();
        return QTest::qWaitFor([this] { return Form->Ephemeris().ui().LabelStatusEfem->text() == Q(StatusComputed); },
                               RunTimeout);
    }

    // 24 months at 5 minutes; whether it was caught running.
    [[nodiscard]] bool StartLongRun(QDate start) {
        Form->Ephemeris().ui().DE1->setDate(start);
        QTest::mouseClick(Form->Ephemeris().ui().SBMD[6], Qt::LeftButton);
        Form->Ephemeris().ui().CBDeltaTiempo->setCurrentIndex(9);
        PressF8();
        return QTest::qWaitFor([this] { return Form->Ephemeris().ui().GaugeProgressEfem->value() > 0; }, RunTimeout) &&
               Form->Ephemeris().Runner().IsRunning();
    }

    void VerifyIdleControls() {
        QVERIFY(!Form->Ephemeris().ui().BitBtnStopEfem->isEnabled());
        QVERIFY(Form->Ephemeris().ui().CBDeltaTiempo->isEnabled());
        QVERIFY(Form->Ephemeris().ui().PanelEfemDateInterval->isEnabled());
    }

private slots:
    void init() {
        Form = std::make_unique<TFormMain>();
        Form->show();
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }

    void cleanup() { Form.reset(); }

    void startUp() {
        const QDate today = QDate::currentDate();
        QCOMPARE(Form->windowTitle(), QStringLiteral("Kalto 3.00"));
        QCOMPARE(Form->ui().PCContactos->currentWidget(), Form->ui().TSEfemerides);
        QCOMPARE(Form->ui().PCContactos->tabText(0), QStringLiteral("    Efemerides"));
        QCOMPARE(Form->ui().PCContactos->tabText(1), QStringLiteral("   Contactos"));
        QCOMPARE(Form->palette().color(QPalette::Window), QColor(248, 255, 240));
        QCOMPARE(Form->Ephemeris().ui().NotebookData->currentIndex(), 0);
        QVERIFY(Form->Ephemeris().ui().SBViewChartData->isChecked());
        QVERIFY(!Form->Ephemeris().ui().SBViewChartDiagrama->isChecked());
        QVERIFY(Form->Ephemeris().ui().SBEfemToRtf->isEnabled());
        QCOMPARE(Form->Ephemeris().ui().LabelFecha->text(), QStringLiteral("< >"));
        QCOMPARE(Form->Ephemeris().ui().LabelStatusEfem->text(), QStringLiteral(" Status: Efemerides por calcular"));
        QCOMPARE(Form->Ephemeris().ui().GaugeProgressEfem->value(), 0);
        QCOMPARE(Form->Ephemeris().ui().DE1->date(), today);
        QCOMPARE(Form->Ephemeris().ui().DE2->date(), today.addMonths(1));
        QCOMPARE(Form->Ephemeris().SpanDays(), static_cast<int>(today.daysTo(today.addMonths(1))) + 1);
        QCOMPARE(Form->Ephemeris().ui().CBDeltaTiempo->currentText(), QStringLiteral("24 horas"));
        QCOMPARE(Form->ui().SETz->minimum(), -11.99);
        QCOMPARE(Form->ui().SETz->maximum(), 11.99);
        QCOMPARE(Form->ui().SETz->singleStep(), 0.5);
        VerifyIdleControls();
        QCOMPARE(Form->Ephemeris().SelectedBody(), 1);
        QVERIFY(Form->Ephemeris().ui().SBP[0]->isChecked());
        QVERIFY(Form->Ephemeris().LastRun().Rows == nullptr);
        QCOMPARE(Form->Ephemeris().LastRun().Start, 0.0);
        QCOMPARE(Form->Ephemeris().LastRun().End, 0.0);
        QCOMPARE(Form->Ephemeris().VisibleColumnCount(), 2);
        QCOMPARE(Form->Ephemeris().ui().ModelEfem->rowCount(), 1);
        QCOMPARE(Form->Ephemeris().ui().StrGridEfem->verticalHeader()->defaultSectionSize(), 18);
        QCOMPARE(Form->Ephemeris().ui().StrGridEfem->rowHeight(0), 18);
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
        QCOMPARE(Form->Ephemeris().ui().CBDeltaTiempo->count(), 10);
        QCOMPARE(Form->Ephemeris().ui().CBDeltaTiempo->itemText(index), text);
        QVERIFY(!Form->Ephemeris().ui().CBDeltaTiempo->isEditable());
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
        auto* grid = Form->Ephemeris().ui().StrGridEfem;
        QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), header);
        QCOMPARE(grid->isColumnHidden(column), hidden);
        grid->setColumnHidden(column, false);
        QCOMPARE(grid->columnWidth(column), width);
        QCOMPARE(Cell(*Form, 0, column), QString());
    }

    void tableLooksLikeAGrid() {
        auto* grid = Form->Ephemeris().ui().StrGridEfem;
        QVERIFY(grid->showGrid());
        QVERIFY(!grid->alternatingRowColors());
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            QCOMPARE(grid->palette().color(group, QPalette::Highlight), QColor(255, 255, 0));
            QCOMPARE(grid->palette().color(group, QPalette::HighlightedText), QColor(0, 0, 0));
        }
        const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
        QVERIFY(EphemerisColumnsFit(grid->font(), Form->Ephemeris().Names(), margin));
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

        Form->Ephemeris().ui().DE1->setDate(start);
        if (spanButton >= 0) {
            QTest::mouseClick(SpanButton(spanButton), Qt::LeftButton);
        } else {
            Form->Ephemeris().ui().DE2->setDate(end);
        }
        QCOMPARE(Form->Ephemeris().ui().DE2->date(), end);
        Form->Ephemeris().ui().CBDeltaTiempo->setCurrentIndex(step);
        if (byKey) {
            PressF8();
        } else {
            QTest::mouseClick(Form->Ephemeris().ui().BCalContac, Qt::LeftButton);
        }
        QVERIFY(Form->Ephemeris().ui().BitBtnStopEfem->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(Form->Ephemeris().ui().LabelStatusEfem->text(),
                                  QStringLiteral(" Status: OK Nuevo rango de Efemerides calculadas. "), RunTimeout);

        QCOMPARE(Form->Ephemeris().ui().LabelFecha->text(), RangeLabel(start, end));
        VerifyIdleControls();
        QCOMPARE(Form->Ephemeris().ui().GaugeProgressEfem->value(), rowCount);
        QCOMPARE(Form->Ephemeris().ui().GaugeProgressEfem->maximum(), rowCount);
        QVERIFY(Form->Ephemeris().LastRun().Rows != nullptr);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            QCOMPARE(Form->Ephemeris().LastRun().Rows->Bodies[static_cast<std::size_t>(body)].size(),
                     static_cast<std::size_t>(rowCount));
        }
        const auto& sun = Form->Ephemeris().LastRun().Rows->Bodies[Sol];
        QCOMPARE(sun.front().LocalTime, ToDateTime(start));
        const TDateTime last =
            ToDateTime(lastInstant.date()) + lastInstant.time().msecsSinceStartOfDay() / 86'400'000.0;
        QVERIFY(std::abs(sun.back().LocalTime - last) < 1e-6);
        QCOMPARE(Form->Ephemeris().LastRun().Start, ToDateTime(start));
        QCOMPARE(Form->Ephemeris().LastRun().End, ToDateTime(end));
        QCOMPARE(Form->Ephemeris().ui().ModelEfem->rowCount(), rowCount);
        QCOMPARE(Cell(*Form, rowCount - 1, 0), QStringLiteral(" %1").arg(rowCount));
    }

    // The Sun at 00:00 on 1 March 2024, zone 0: in Pisces, right ascension
    // near 22h 50m, shown as about 342 degrees, declination about -7.5.
    void tableShowsTheCommittedRun() {
        Form->ui().SETz->setValue(0);
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const auto names = LocaleDateFormatNames(QLocale::system());
        QCOMPARE(Cell(*Form, 0, 0), QStringLiteral(" 1"));
        QCOMPARE(Cell(*Form, 0, 1), Q(FormatDateTime("mmm dd yyyy, ddd", EncodeDate(2024, 3, 1), names)));
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
                                       .ZoneHours = 0};
        const auto expected = RunEphemeris(request, progress);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            QTest::mouseClick(BodyButton(body), Qt::LeftButton);
            for (int column = 0; column < EphemerisColumnCount; ++column) {
                const auto& row = expected->Bodies[static_cast<std::size_t>(body)][0];
                QCOMPARE(Cell(*Form, 0, column), Q(EphemerisCellText(row, 1, column, names)));
            }
        }
    }

    // The zone is read when the run starts: a later run in another zone gives
    // other positions for the same local times.
    void runUsesTheTimeZone() {
        Form->ui().SETz->setValue(5.75);
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const float eastern = Form->Ephemeris().LastRun().Rows->Bodies[Lun][0].Longitude;
        Form->ui().SETz->setValue(-3.5);
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const float western = Form->Ephemeris().LastRun().Rows->Bodies[Lun][0].Longitude;
        QCOMPARE(Form->Ephemeris().LastRun().Rows->Bodies[Lun][0].LocalTime, ToDateTime(QDate(2024, 3, 1)));
        // 9.25 hours apart; the Moon moves about half a degree an hour.
        QVERIFY2(western - eastern > 3.0F && western - eastern < 7.0F, qPrintable(QString::number(western - eastern)));
    }

    void runningState() {
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const auto names = LocaleDateFormatNames(QLocale::system());
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));
        QVERIFY(Form->Ephemeris().ui().BitBtnStopEfem->isEnabled());
        QVERIFY(!Form->Ephemeris().ui().CBDeltaTiempo->isEnabled());
        QVERIFY(!Form->Ephemeris().ui().PanelEfemDateInterval->isEnabled());
        QVERIFY(Form->Ephemeris().ui().DE1->isEnabled());
        QVERIFY(Form->Ephemeris().ui().DE2->isEnabled());
        QVERIFY(Form->Ephemeris().ui().SBMD[0]->isEnabled());
        QVERIFY(Form->ui().SETz->isEnabled());
        QVERIFY(Form->Ephemeris().ui().BCalContac->isEnabled());
        QCOMPARE(Form->Ephemeris().ui().LabelFecha->text(), QStringLiteral("calculando"));
        QCOMPARE(Form->Ephemeris().ui().GaugeProgressEfem->maximum(), Form->Ephemeris().SpanDays() * 288);

        // The gauge and the status are set together: the status names the
        // instant of the step the gauge has reached.
        const QString status = Form->Ephemeris().ui().LabelStatusEfem->text();
        QVERIFY2(status.startsWith(QStringLiteral(" Status: Calculando efemerides. ")), qPrintable(status));
        const QString shown = status.mid(Q(StatusComputing).size());
        const QRegularExpression instant(QStringLiteral("^\\S+-\\d\\d-\\d{4},\\d\\d:\\d\\d (am|pm)$"));
        QVERIFY2(instant.match(shown).hasMatch(), qPrintable(shown));
        const auto step =
            StepInstant(Form->Ephemeris().Runner().Request(), Form->Ephemeris().ui().GaugeProgressEfem->value());
        QCOMPARE(shown, Q(FormatDateTime("mmm-dd-yyyy,hh:mm am/pm", step, names)));
        Form->Ephemeris().StopWork();
    }

    // "Parar": interrupted, the previous range and rows stay, the stopped run
    // never commits.
    void stopKeepsThePreviousRun() {
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const QString range = Form->Ephemeris().ui().LabelFecha->text();
        const auto rows = Form->Ephemeris().LastRun().Rows;
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));

        QTest::mouseClick(Form->Ephemeris().ui().BitBtnStopEfem, Qt::LeftButton);
        QCOMPARE(Form->Ephemeris().ui().LabelStatusEfem->text(), QStringLiteral("Cálculos Interrumpidos"));
        QCOMPARE(Form->Ephemeris().ui().LabelFecha->text(), range);
        VerifyIdleControls();
        QTRY_COMPARE_WITH_TIMEOUT(Form->Ephemeris().Runner().WorkerCount(), 0, RunTimeout);
        QCOMPARE(Form->Ephemeris().LastRun().Rows, rows);
        QCOMPARE(Form->Ephemeris().ui().LabelStatusEfem->text(), QStringLiteral("Cálculos Interrumpidos"));
        QCOMPARE(Form->Ephemeris().ui().LabelFecha->text(), range);
        QCOMPARE(Form->Ephemeris().ui().ModelEfem->rowCount(), 1);
        QVERIFY(!Cell(*Form, 0, 1).isEmpty());
    }

    void stopBeforeAnyRunShowsNoRange() {
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));
        QTest::mouseClick(Form->Ephemeris().ui().BitBtnStopEfem, Qt::LeftButton);
        QCOMPARE(Form->Ephemeris().ui().LabelFecha->text(), QStringLiteral("< >"));
        QVERIFY(Form->Ephemeris().LastRun().Rows == nullptr);
        QCOMPARE(Form->Ephemeris().ui().ModelEfem->rowCount(), 1);
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
        QTest::mouseClick(Form->Ephemeris().ui().SBMD[0],
                          Qt::LeftButton);  // 1 January to 1 February, still at 5 minutes
        if (byKey) {
            PressF8();
        } else {
            QTest::mouseClick(Form->Ephemeris().ui().BCalContac, Qt::LeftButton);
        }
        QCOMPARE(Form->Ephemeris().ui().LabelFecha->text(), QStringLiteral("calculando"));
        QTRY_COMPARE_WITH_TIMEOUT(Form->Ephemeris().ui().LabelStatusEfem->text(), Q(StatusComputed), RunTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(Form->Ephemeris().Runner().WorkerCount(), 0, RunTimeout);
        QCOMPARE(Form->Ephemeris().ui().LabelStatusEfem->text(), Q(StatusComputed));
        QCOMPARE(Form->Ephemeris().ui().LabelFecha->text(), RangeLabel(QDate(2024, 1, 1), QDate(2024, 2, 1)));
        QCOMPARE(Form->Ephemeris().LastRun().Rows->RowCount(), std::size_t{32 * 288});
        QCOMPARE(Form->Ephemeris().ui().ModelEfem->rowCount(), 32 * 288);
        VerifyIdleControls();
    }

    // Stopping the run that replaced another puts back the range shown before
    // the first one, not "calculando".
    void stopAfterReplacingRestoresTheFirstSavedRange() {
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const QString range = Form->Ephemeris().ui().LabelFecha->text();
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));
        PressF8();
        QTRY_VERIFY_WITH_TIMEOUT(Form->Ephemeris().ui().GaugeProgressEfem->value() > 0, RunTimeout);
        QTest::mouseClick(Form->Ephemeris().ui().BitBtnStopEfem, Qt::LeftButton);
        QCOMPARE(Form->Ephemeris().ui().LabelFecha->text(), range);
        QTRY_COMPARE_WITH_TIMEOUT(Form->Ephemeris().Runner().WorkerCount(), 0, RunTimeout);
        QCOMPARE(Form->Ephemeris().LastRun().Rows->RowCount(), std::size_t{1});
    }

    void closingDuringARunStopsIt() {
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const auto rows = Form->Ephemeris().LastRun().Rows;
        QVERIFY(StartLongRun(QDate(2024, 1, 1)));
        QVERIFY(Form->close());
        QVERIFY(!Form->Ephemeris().Runner().IsRunning());
        QCOMPARE(Form->Ephemeris().LastRun().Rows, rows);
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
        const QString range = Form->Ephemeris().ui().LabelFecha->text();
        const auto rows = Form->Ephemeris().LastRun().Rows;
        QVERIFY(Form->Ephemeris().ui().GaugeProgressEfem->value() > 0);

        if (change == "step") {
            QTest::keyClick(Form->Ephemeris().ui().CBDeltaTiempo, Qt::Key_Down);
            QCOMPARE(Form->Ephemeris().ui().CBDeltaTiempo->currentIndex(), 1);
        } else if (change == "zone") {
            QTest::keyClick(Form->ui().SETz, Qt::Key_Up);
            QCOMPARE(Form->ui().SETz->value(), 0.5);
        } else if (change == "start") {
            QTest::keyClick(Form->Ephemeris().ui().DE1, Qt::Key_Up);
            QVERIFY(Form->Ephemeris().ui().DE1->date() != QDate(2024, 3, 1));
        } else if (change == "end") {
            QTest::keyClick(Form->Ephemeris().ui().DE2, Qt::Key_Up);
            QVERIFY(Form->Ephemeris().ui().DE2->date() != QDate(2024, 3, 1));
        } else {
            QTest::mouseClick(Form->Ephemeris().ui().SBMD[1], Qt::LeftButton);
        }
        QCOMPARE(Form->Ephemeris().ui().LabelStatusEfem->text(), QStringLiteral(" Status: Efemerides por calcular"));
        QCOMPARE(Form->Ephemeris().ui().GaugeProgressEfem->value(), 0);
        QCOMPARE(Form->Ephemeris().LastRun().Rows, rows);
        QCOMPARE(Form->Ephemeris().ui().LabelFecha->text(), range);
        QCOMPARE(Form->Ephemeris().ui().ModelEfem->rowCount(), 1);
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
            Form->Ephemeris().ui().DE1->setDate(start);
            Form->Ephemeris().ui().DE2->setDate(end);
        } else {
            SetSpan(end, end);
            Form->Ephemeris().ui().DE1->setDate(start);
        }
        QCOMPARE(Form->Ephemeris().ui().DE1->date(), start);
        QCOMPARE(Form->Ephemeris().ui().DE2->date(), expectedEnd);
        QCOMPARE(Form->Ephemeris().SpanDays(), spanDays);
        QCOMPARE(Form->Ephemeris().ui().LabelStatusEfem->text(), Q(StatusToCompute));
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
        Form->Ephemeris().ui().DE1->setDate(start);
        QTest::mouseClick(SpanButton(button), Qt::LeftButton);
        QCOMPARE(Form->Ephemeris().ui().DE2->date(), end);
        QCOMPARE(Form->Ephemeris().SpanDays(), static_cast<int>(start.daysTo(end)) + 1);
        QCOMPARE(Form->Ephemeris().ui().LabelStatusEfem->text(), Q(StatusToCompute));
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
        QCOMPARE(Form->Ephemeris().SelectedBody(), body);
        for (int other = 1; other <= 11; ++other) {
            QCOMPARE(BodyButton(other)->isChecked(), other == body);
        }
        QCOMPARE(Form->Ephemeris().ui().ModelEfem->rowCount(), 1);
        QCOMPARE(Form->Ephemeris().ui().ModelEfem->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Fecha"));
        for (int column = 0; column < EphemerisColumnCount; ++column) {
            QCOMPARE(Cell(*Form, 0, column), QString());
        }
    }

    // The body chosen before a run is the one the run's table shows.
    void selectedBodySurvivesARun() {
        QTest::mouseClick(Form->Ephemeris().ui().SBP[10], Qt::LeftButton);
        QVERIFY(RunOneDay(QDate(2024, 3, 1)));
        const auto names = LocaleDateFormatNames(QLocale::system());
        const auto& node = Form->Ephemeris().LastRun().Rows->Bodies[Nod][0];
        QCOMPARE(Cell(*Form, 0, 4), Q(EphemerisCellText(node, 1, 4, names)));
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
        auto* grid = Form->Ephemeris().ui().StrGridEfem;
        const int width = EphemerisColumns[static_cast<std::size_t>(column)].Width;
        QCOMPARE(box->text(), caption);
        QCOMPARE(box->isChecked(), ticked);
        QCOMPARE(grid->isColumnHidden(column), !ticked);

        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(grid->isColumnHidden(column), ticked);
        QCOMPARE(Form->Ephemeris().VisibleColumnCount(), ticked ? 1 : 3);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(grid->isColumnHidden(column), !ticked);
        QCOMPARE(Form->Ephemeris().VisibleColumnCount(), 2);
        grid->setColumnHidden(column, false);
        QCOMPARE(grid->columnWidth(column), width);
        QCOMPARE(grid->horizontalHeader()->visualIndex(column), column);
    }

    void tickingTheHiddenColumns() {
        QTest::mouseClick(Form->Ephemeris().ui().CBViewLat, Qt::LeftButton);
        QTest::mouseClick(Form->Ephemeris().ui().CBViewAR, Qt::LeftButton);
        QTest::mouseClick(Form->Ephemeris().ui().CBViewDec, Qt::LeftButton);
        QCOMPARE(Form->Ephemeris().VisibleColumnCount(), 5);
        for (int column = 0; column < EphemerisColumnCount; ++column) {
            QVERIFY(!Form->Ephemeris().ui().StrGridEfem->isColumnHidden(column));
        }
    }

    void clearedLongitudeComesBack() {
        QTest::mouseClick(Form->Ephemeris().ui().CBViewLon, Qt::LeftButton);
        QVERIFY(Form->Ephemeris().ui().StrGridEfem->isColumnHidden(4));
        QCOMPARE(Form->Ephemeris().VisibleColumnCount(), 1);
        QTest::mouseClick(Form->Ephemeris().ui().CBViewLon, Qt::LeftButton);
        QVERIFY(!Form->Ephemeris().ui().StrGridEfem->isColumnHidden(4));
        QCOMPARE(Form->Ephemeris().ui().StrGridEfem->columnWidth(4), 85);
        QCOMPARE(Form->Ephemeris().ui().StrGridEfem->horizontalHeader()->visualIndex(4), 4);
        QCOMPARE(Form->Ephemeris().VisibleColumnCount(), 2);
    }

    // F5 switches table and graph, or brings the Efemerides page back; F6
    // shows the Contactos page.
    void pageKeys() {
        QTest::keyClick(Form.get(), Qt::Key_F5);
        QCOMPARE(Form->Ephemeris().ui().NotebookData->currentIndex(), 1);
        QVERIFY(Form->Ephemeris().ui().SBViewChartDiagrama->isChecked());
        QVERIFY(!Form->Ephemeris().ui().SBViewChartData->isChecked());

        QTest::keyClick(Form.get(), Qt::Key_F6);
        QCOMPARE(Form->ui().PCContactos->currentWidget(), Form->ui().TSContactos);
        QTest::keyClick(Form.get(), Qt::Key_F5);
        QCOMPARE(Form->ui().PCContactos->currentWidget(), Form->ui().TSEfemerides);
        QCOMPARE(Form->Ephemeris().ui().NotebookData->currentIndex(), 1);

        QTest::keyClick(Form.get(), Qt::Key_F5);
        QCOMPARE(Form->Ephemeris().ui().NotebookData->currentIndex(), 0);
        QVERIFY(Form->Ephemeris().ui().SBViewChartData->isChecked());
        QVERIFY(!Form->Ephemeris().ui().SBViewChartDiagrama->isChecked());
    }

    void pageButtons() {
        QTest::mouseClick(Form->Ephemeris().ui().SBViewChartDiagrama, Qt::LeftButton);
        QCOMPARE(Form->Ephemeris().ui().NotebookData->currentIndex(), 1);
        QVERIFY(!Form->Ephemeris().ui().SBViewChartData->isChecked());
        QTest::mouseClick(Form->Ephemeris().ui().SBViewChartData, Qt::LeftButton);
        QCOMPARE(Form->Ephemeris().ui().NotebookData->currentIndex(), 0);
        QVERIFY(!Form->Ephemeris().ui().SBViewChartDiagrama->isChecked());
    }
};

int RunTFormMainTests(int argc, char** argv) {
    TFormMainTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TFormMainTest.moc"
