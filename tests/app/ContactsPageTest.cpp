// SPDX-License-Identifier: GPL-3.0-or-later
// The "Contactos" page driven offscreen: keys pressed, buttons and radio
// buttons clicked, spin edits stepped, the grids, labels and memo read back
// and compared with the plain search's results for the same inputs.

#include "AppTests.h"
#include "ContactGrid.h"
#include "ContactGridFont.h"
#include "ContactsPage.h"
#include "DateConversion.h"
#include "GridFont.h"
#include "LocaleNames.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "Settings.h"
#include "TFormMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <memory>
#include <variant>
#include <vector>

using namespace kalto;

namespace {

// Generous: searches share the machine with other tests.
constexpr int SearchTimeout = 180000;

// What a search asks for, as the page's controls hold it.
struct Search {
    int Item = 0;  // of RGPlanetas
    QDate Start;
    QDate End;
    int Angle = 90;
    bool Exact = false;
    int OrbDegrees = 1;
    int OrbMinutes = 0;
    int Degrees = 0;            // SEGraLon, ecliptic
    bool ExactMoments = false;  // CBMomentosExactos

    [[nodiscard]] ContactSearchInput Input(double zoneHours = 0) const {
        return {.Body = Item + 1,
                .StartDate = ToDateTime(Start),
                .EndDate = ToDateTime(End),
                .Angle = Angle,
                .Exact = Exact,
                .Position = {.Degrees = Degrees},
                .Orb = OrbDegrees + OrbMinutes / 60.0,
                .Clock = WallClock(zoneHours),
                .ExactMoments = ExactMoments};
    }
};

// The Sun by multiples of 90° from 0° Ari over the year 2027, orb 1°: the
// March equinox (0°), the June solstice (90°), the September equinox (180°)
// and the December solstice (90°), in that order.
const Search SunYear{.Item = 0, .Start = QDate(2027, 1, 1), .End = QDate(2027, 12, 31)};
// The same around the March equinox alone.
const Search SunEquinox{.Item = 0, .Start = QDate(2027, 3, 1), .End = QDate(2027, 4, 15)};
// Mercury by multiples of 15° with the widest orb over two centuries: long
// enough to be caught running.
const Search MercuryLong{
    .Item = 2, .Start = QDate(1900, 1, 1), .End = QDate(2099, 12, 31), .Angle = 15, .OrbDegrees = 5, .OrbMinutes = 0};

// The results the plain search gives for `searches` run one after the other,
// "limpiar lista" checked for the first only.
ContactResults ExpectedResults(const std::vector<Search>& searches) {
    ContactResults results;
    bool first = true;
    for (const Search& search : searches) {
        ContactSearchProgress progress;
        const ContactSearchInput input = search.Input();
        CommitContactSearch(results, SearchContacts(input, progress), input, first);
        first = false;
    }
    return results;
}

}  // namespace

class ContactsPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> Form;
    DateFormatNames Names = LocaleDateFormatNames(QLocale::system());

    QString StatusText() const { return Form->Contacts().ui().LabelStatusContact->text(); }

    [[nodiscard]] bool Completed() const { return StatusText().startsWith(QStringLiteral("Status: Contactos = ")); }

    QString Cell(int row, int column) const {
        return Form->Contacts().ui().ModelCont->data(Form->Contacts().ui().ModelCont->index(row, column)).toString();
    }

    QString DetailCell(int row, int column) const {
        const auto* item = Form->Contacts().ui().StrGridDetCont->item(row, column);
        return item != nullptr ? item->text() : QString();
    }

    QToolButton* BandButton(int tag) const { return Form->Contacts().ui().TBTra[static_cast<std::size_t>(tag - 1)]; }

    QToolButton* SpanButton(int index) const { return Form->Contacts().ui().SE[static_cast<std::size_t>(index)]; }

    void SetInputs(const Search& search) {
        QTest::mouseClick(Form->Contacts().ui().RGPlanetas->Button(search.Item), Qt::LeftButton);
        Form->Contacts().ui().DTP1->setDate(search.Start);
        Form->Contacts().ui().DTP2->setDate(search.End);
        Form->Contacts().ui().SEAngulo->setValue(search.Angle);
        Form->Contacts().ui().RGTipoAngulo->setCurrentIndex(search.Exact ? 1 : 0);
        Form->Contacts().ui().SEGraOrb->setValue(search.OrbDegrees);
        Form->Contacts().ui().SEMinOrb->setValue(search.OrbMinutes);
        Form->Contacts().ui().SEGraLon->setValue(search.Degrees);
        Form->Contacts().ui().SEMinLon->setValue(0);
        Form->Contacts().ui().SESecLon->setValue(0);
        Form->Contacts().ui().CBMomentosExactos->setChecked(search.ExactMoments);
    }

    void Start(bool byKey) {
        if (byKey) {
            QTest::keyClick(Form.get(), Qt::Key_F9);
        } else {
            QTest::mouseClick(Form->Contacts().ui().BCalc, Qt::LeftButton);
        }
    }

    // Sets the inputs, starts the search and waits for it to complete.
    [[nodiscard]] bool RunSearch(const Search& search, bool byKey = true) {
        SetInputs(search);
        Start(byKey);
        return QTest::qWaitFor([this] { return Completed(); }, SearchTimeout);
    }

    [[nodiscard]] bool StartLongSearch() {
        SetInputs(MercuryLong);
        Start(true);
        return QTest::qWaitFor([this] { return Form->Contacts().ui().GaugeProgressCalc->value() > 0; },
                               SearchTimeout) &&
               Form->Contacts().Runner().IsRunning();
    }

    // The grid and the detail show what the plain fill gives for `results`.
    void VerifyGrids(const ContactResults& results) {
        const ContactGridFill fill =
            FillContactGrid(ContactGridMode::Window, results.SortedContactList, results, Names);
        QCOMPARE(Form->Contacts().ui().ModelCont->rowCount() + 1, static_cast<int>(fill.Grid.size()));
        for (std::size_t row = 1; row < fill.Grid.size(); ++row) {
            for (std::size_t column = 0; column < fill.Grid[row].size(); ++column) {
                QCOMPARE(Cell(static_cast<int>(row) - 1, static_cast<int>(column)), ToQString(fill.Grid[row][column]));
            }
        }
        QCOMPARE(Form->Contacts().ui().StrGridDetCont->rowCount() + 1, static_cast<int>(fill.Detail.size()));
        for (std::size_t row = 1; row < fill.Detail.size(); ++row) {
            for (std::size_t column = 0; column < fill.Detail[row].size(); ++column) {
                QCOMPARE(DetailCell(static_cast<int>(row) - 1, static_cast<int>(column)),
                         ToQString(fill.Detail[row][column]));
            }
        }
    }

    // The Index of each row shown, from the hidden column 0, and the row
    // numbers 1..n of column 1.
    std::vector<int> ShownIndices() const {
        std::vector<int> indices;
        if (Form->Contacts().ui().ModelCont->ShownContactList().empty()) {
            return indices;
        }
        for (int row = 0; row < Form->Contacts().ui().ModelCont->rowCount(); ++row) {
            indices.push_back(Cell(row, 0).toInt());
            if (Cell(row, 1) != QStringLiteral(" %1").arg(row + 1)) {
                return {-1};
            }
        }
        return indices;
    }

    void VerifyEmptyGrids() {
        QCOMPARE(Form->Contacts().ui().ModelCont->rowCount(), 1);
        for (int column = 0; column < 9; ++column) {
            QCOMPARE(Cell(0, column), QString());
        }
        QCOMPARE(Form->Contacts().ui().ModelCont->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Inicia"));
        QCOMPARE(Form->Contacts().ui().StrGridDetCont->rowCount(), 1);
        for (int column = 0; column < 7; ++column) {
            QCOMPARE(DetailCell(0, column), QString());
        }
        QCOMPARE(Form->Contacts().ui().StrGridDetCont->horizontalHeaderItem(0)->text(), QStringLiteral("Det."));
    }

    std::vector<int> LongitudeSpins() const {
        return {Form->Contacts().ui().SEGraLon->value(), Form->Contacts().ui().SEMinLon->value(),
                Form->Contacts().ui().SESecLon->value()};
    }

private slots:
    void init() {
        Form = std::make_unique<TFormMain>();
        Form->show();
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
        QTest::keyClick(Form.get(), Qt::Key_F6);
        QCOMPARE(Form->ui().PCContactos->currentWidget(), Form->ui().TSContactos);
    }

    void cleanup() { Form.reset(); }

    void startUp() {
        QCOMPARE(StatusText(), QStringLiteral("Status: contactos por calcular"));
        QCOMPARE(Form->Contacts().ui().GaugeProgressCalc->value(), 0);
        QCOMPARE(Form->Contacts().ui().DTP1->date(), Form->Ephemeris().ui().DE1->date());
        QCOMPARE(Form->Contacts().ui().DTP2->date(), Form->Ephemeris().ui().DE1->date().addMonths(1));
        QCOMPARE(Form->Contacts().SpanDays(),
                 static_cast<int>(Form->Contacts().ui().DTP1->date().daysTo(Form->Contacts().ui().DTP2->date())));
        QCOMPARE(Form->Contacts().ui().RGPlanetas->ItemIndex(), 0);
        QCOMPARE(Form->Contacts().ui().RGTipoAngulo->currentText(), QStringLiteral("Múltiplo"));
        QCOMPARE(Form->Contacts().ui().SEAngulo->value(), 15);
        QCOMPARE(Form->Contacts().ui().SEAngulo->minimum(), 0);
        QCOMPARE(Form->Contacts().ui().SEAngulo->maximum(), 180);
        QCOMPARE(Form->Contacts().ui().SEAngulo->singleStep(), 15);
        QCOMPARE(Form->Contacts().ui().SEGraOrb->value(), 0);
        QCOMPARE(Form->Contacts().ui().SEMinOrb->value(), 30);
        QCOMPARE(Form->Contacts().Orb(), 0.5);
        QCOMPARE(Form->Contacts().Target(), 0.0);
        QCOMPARE(Form->Contacts().ui().RGCord->ItemIndex(), 0);
        QVERIFY(!Form->Contacts().ui().RGSignos->isEnabled());
        QVERIFY(Form->Contacts().ui().CBCleanListContact->isChecked());
        QCOMPARE(Form->Contacts().ui().CBCleanListContact->text(), QStringLiteral("limpiar lista"));
        QVERIFY(!Form->Contacts().ui().CBAutomatic->isChecked());
        QCOMPARE(Form->Contacts().ui().CBAutomatic->text(), QStringLiteral("autom."));
        QVERIFY(!Form->Contacts().ui().CBMomentosExactos->isChecked());
        QCOMPARE(Form->Contacts().ui().CBMomentosExactos->text(), QStringLiteral("momentos exactos"));
        QCOMPARE(Form->Contacts().ui().BCalc->text(), QStringLiteral("Calcular"));
        QCOMPARE(Form->Contacts().ui().BitBtnStopCalc->text(), QStringLiteral("Parar"));
        QVERIFY(Form->Contacts().ui().BCalc->isEnabled());
        QVERIFY(!Form->Contacts().ui().BitBtnStopCalc->isEnabled());
        QVERIFY(Form->Contacts().ui().SBTranToRTF->isEnabled());
        QVERIFY(Form->Contacts().ui().CBContacDet->isChecked());
        QVERIFY(Form->Contacts().ui().PanelDetTra->isVisible());
        QVERIFY(!Form->Contacts().ui().CBContacDesc->isVisible());
        QVERIFY(!Form->Contacts().ui().CBContacOpc->isVisible());
        QVERIFY(!Form->Contacts().ui().CBContacDesc->isChecked());
        QVERIFY(!Form->Contacts().ui().CBContacOpc->isChecked());
        QVERIFY(!Form->Contacts().ui().PanelTextTran->isVisible());
        QVERIFY(Form->Contacts().ui().MemoInfoCalc->isReadOnly());
        QVERIFY(!Form->Contacts().ui().MemoDescpContacto->isReadOnly());
        QCOMPARE(Form->Contacts().ui().SBAllItem->toolTip(), QStringLiteral("Activar todos"));
        QCOMPARE(Form->Contacts().ui().SBAllItem->statusTip(), QStringLiteral("Todos los items"));
        QCOMPARE(Form->Contacts().ui().SBNoneItem->toolTip(), QStringLiteral("Desactivar todos"));
        QCOMPARE(Form->Contacts().ui().SBNoneItem->statusTip(), QStringLiteral("Ningún item"));
        QCOMPARE(Form->Contacts().ui().TBTra[12]->toolTip(), QStringLiteral("Aspectos centrífugos"));
        QCOMPARE(Form->Contacts().ui().TBTra[12]->statusTip(), QStringLiteral("Aspectos centrifugos por casa"));
        QVERIFY(Form->Contacts().Results().ContactList.empty());
        QCOMPARE(Form->Contacts().Results().Filter, AllAngleBands);
        QCOMPARE(Form->Contacts().ui().StrGridCont->selectionBehavior(), QAbstractItemView::SelectRows);
        VerifyEmptyGrids();
    }

    void items_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("RGPlanetas") << "RGPlanetas" << QStringList{"Sol", "Lun", "Mer", "Ven", "Mar", "Jup",
                                                                   "Sat", "Ura", "Nep", "Plu", "Nod"};
        QTest::newRow("RGSignos") << "RGSignos" << QStringList{"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                                               "Lib", "Esc", "Sag", "Cap", "Acu", "Pis"};
        QTest::newRow("RGCord") << "RGCord" << QStringList{"Eclíptica", "Zodíaco"};
        QTest::newRow("RGTipoAngulo") << "RGTipoAngulo" << QStringList{"Múltiplo", "Exacto"};
        QTest::newRow("span buttons") << "SE" << QStringList{"1 m", "2 m", "3 m", "4 m", "6 m", "12 m", "24 m"};
        QTest::newRow("band buttons") << "TBTra"
                                      << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", ""};
    }

    void items() {
        QFETCH(QString, control);
        QFETCH(QStringList, items);
        QStringList shown;
        if (control == "RGTipoAngulo") {
            for (int i = 0; i < Form->Contacts().ui().RGTipoAngulo->count(); ++i)
                shown << Form->Contacts().ui().RGTipoAngulo->itemText(i);
        } else if (control == "SE") {
            for (int i = 0; i < 7; ++i) shown << SpanButton(i)->text();
        } else if (control == "TBTra") {
            for (int tag = 1; tag <= 13; ++tag) {
                shown << BandButton(tag)->text();
                QVERIFY(BandButton(tag)->isCheckable());
                QVERIFY(BandButton(tag)->isChecked());
            }
        } else {
            const RadioGroup* group = control == "RGPlanetas" ? Form->Contacts().ui().RGPlanetas
                                      : control == "RGSignos" ? Form->Contacts().ui().RGSignos
                                                              : Form->Contacts().ui().RGCord;
            for (int i = 0; i < group->Count(); ++i) shown << group->Button(i)->text();
        }
        QCOMPARE(shown, items);
    }

    void gridColumns_data() {
        QTest::addColumn<bool>("detail");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("hidden");
        const std::vector<std::tuple<const char*, int, bool>> grid{
            {"", 60, true},           {"No.", 40, false},          {"Pla.", 30, false},
            {"Pos.", 85, false},      {"Inicia", 165, false},      {"Partil", 165, false},
            {"Finaliza", 165, false}, {"Dur. Aprox.", 120, false}, {"Contacto", 65, false}};
        for (int column = 0; column < 9; ++column) {
            const auto& [title, width, hidden] = grid[static_cast<std::size_t>(column)];
            QTest::addRow("StrGridCont %d", column) << false << column << QString::fromUtf8(title) << width << hidden;
        }
        const std::vector<std::pair<const char*, int>> detail{
            {"Det.", 40},         {"Fecha", 95},          {"Hora", 70},     {"Angulo", 65},
            {"Pos. Zodíaco", 80}, {"Pos. Eclíptica", 65}, {"Precisión", 65}};
        for (int column = 0; column < 7; ++column) {
            const auto& [title, width] = detail[static_cast<std::size_t>(column)];
            QTest::addRow("StrGridDetCont %d", column) << true << column << QString::fromUtf8(title) << width << false;
        }
    }

    void gridColumns() {
        QFETCH(bool, detail);
        QFETCH(int, column);
        QFETCH(QString, title);
        QFETCH(int, width);
        QFETCH(bool, hidden);
        QTableView* grid =
            detail ? static_cast<QTableView*>(Form->Contacts().ui().StrGridDetCont) : Form->Contacts().ui().StrGridCont;
        QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), title);
        QCOMPARE(grid->isColumnHidden(column), hidden);
        grid->setColumnHidden(column, false);
        QCOMPARE(grid->columnWidth(column), width);
    }

    // The widest texts of each grid fit its columns in the grid's font.
    void gridFontsFit() {
        QVERIFY(ContactColumnsFit(Form->Contacts().ui().StrGridCont, Form->Ephemeris().Names()));
        QVERIFY(ContactDetailColumnsFit(Form->Contacts().ui().StrGridDetCont, Form->Ephemeris().Names()));
    }

    // F9 and "Calcular" search with the inputs on the page; the completed
    // search's contacts fill the grid and the first one the detail.
    void searchCommitsContacts_data() {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<int>("angle");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<double>("contactAngle");
        QTest::addColumn<QDateTime>("exactUt");  // from the almanacs
        QTest::newRow("March equinox, F9") << true << 90 << QDate(2027, 3, 1) << QDate(2027, 4, 15) << 0.0
                                           << QDateTime(QDate(2027, 3, 20), QTime(20, 24));
        QTest::newRow("June solstice, Calcular") << false << 90 << QDate(2027, 6, 1) << QDate(2027, 7, 1) << 90.0
                                                 << QDateTime(QDate(2027, 6, 21), QTime(14, 10));
        QTest::newRow("September equinox by 180, F9") << true << 180 << QDate(2027, 9, 1) << QDate(2027, 10, 1) << 180.0
                                                      << QDateTime(QDate(2027, 9, 23), QTime(6, 1));
    }

    void searchCommitsContacts() {
        QFETCH(bool, byKey);
        QFETCH(int, angle);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(double, contactAngle);
        QFETCH(QDateTime, exactUt);
        const Search search{.Item = 0, .Start = start, .End = end, .Angle = angle};
        SetInputs(search);
        Start(byKey);
        QVERIFY(Form->Contacts().ui().BitBtnStopCalc->isEnabled());
        QVERIFY(QTest::qWaitFor([this] { return Completed(); }, SearchTimeout));

        QCOMPARE(StatusText(), QStringLiteral("Status: Contactos = 1"));
        QVERIFY(!Form->Contacts().ui().BitBtnStopCalc->isEnabled());
        QCOMPARE(Form->Contacts().ui().GaugeProgressCalc->maximum(), static_cast<int>(start.daysTo(end)) + 1);
        QCOMPARE(Form->Contacts().ui().GaugeProgressCalc->value(), Form->Contacts().ui().GaugeProgressCalc->maximum());
        QCOMPARE(Form->Contacts().Results().ContactList.size(), std::size_t{1});
        const ContactRecord& contact = *Form->Contacts().Results().SortedContactList.front();
        QCOMPARE(contact.ContactAngle, contactAngle);
        QCOMPARE(contact.BodyIndex, 0);
        // Exactness to 1' of longitude: within 24 minutes of time for the Sun.
        const TDateTime exact = ToDateTime(exactUt.date()) + exactUt.time().msecsSinceStartOfDay() / 86'400'000.0;
        QVERIFY2(std::abs(contact.ExactTime - exact) < 30.0 / 1440, qPrintable(QString::number(contact.ExactTime)));
        QVERIFY(contact.StartTime < contact.ExactTime && contact.ExactTime < contact.EndTime);
        QCOMPARE(Form->Contacts().Results().LastTarget, 0.0);
        QCOMPARE(Form->Contacts().Results().LastOrb, 1.0);
        QCOMPARE(Cell(0, 1), QStringLiteral(" 1"));
        QCOMPARE(Cell(0, 2), QStringLiteral("Sol"));
        QCOMPARE(DetailCell(0, 0), QStringLiteral("inicia"));
        VerifyGrids(ExpectedResults({search}));
    }

    // With "momentos exactos" the search refines its moments: the March
    // equinox to the almanac's minute, and every row of the detail exact to
    // the second of arc.
    void exactMoments() {
        Search search = SunEquinox;
        search.ExactMoments = true;
        QVERIFY(RunSearch(search, false));
        QVERIFY(Form->Contacts().Runner().Input().ExactMoments);
        QCOMPARE(Form->Contacts().Results().ContactList.size(), std::size_t{1});
        const ContactRecord& contact = *Form->Contacts().Results().ContactList.front();
        const TDateTime published = ToDateTime(QDate(2027, 3, 20)) + (20 * 60 + 24) / 1440.0;
        QVERIFY2(std::abs(contact.ExactTime - published) <= 1.0 / 1440, qPrintable(QString::number(contact.ExactTime)));
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(DetailCell(row, 6), QStringLiteral(" 00\u00B0 00' 00\""));
        }
        VerifyGrids(ExpectedResults({search}));
    }

    // The box goes to the settings and comes back from them.
    void exactMomentsSetting_data() {
        QTest::addColumn<bool>("checked");
        QTest::newRow("ticked") << true;
        QTest::newRow("unticked") << false;
    }

    void exactMomentsSetting() {
        QFETCH(bool, checked);
        KaltoSettings settings;
        settings.ExactMoments = checked;
        Form->Contacts().ApplySettings(settings);
        QCOMPARE(Form->Contacts().ui().CBMomentosExactos->isChecked(), checked);
        KaltoSettings stored;
        stored.ExactMoments = !checked;
        Form->Contacts().StoreSettings(stored);
        QCOMPARE(stored.ExactMoments, checked);
    }

    // "Dur. Aprox." widens to show durations of days whole, and stays as wide.
    void durationColumnShowsWholeDurations() {
        QCOMPARE(Form->Contacts().ui().StrGridCont->columnWidth(7), 120);
        QVERIFY(RunSearch(SunYear));
        const QFontMetricsF metrics(Form->Contacts().ui().StrGridCont->font());
        const int room =
            GridTextRoom(Form->Contacts().ui().StrGridCont, Form->Contacts().ui().StrGridCont->columnWidth(7));
        for (int row = 0; row < Form->Contacts().ui().ModelCont->rowCount(); ++row) {
            QVERIFY2(Cell(row, 7).startsWith(QStringLiteral("0 años 0 meses ")), qPrintable(Cell(row, 7)));
            QVERIFY(metrics.horizontalAdvance(Cell(row, 7)) <= room);
        }
        const int width = Form->Contacts().ui().StrGridCont->columnWidth(7);
        QVERIFY(width > 120);
        // The Moon's conjunctions: contacts of hours.
        QVERIFY(RunSearch({.Item = 1,
                           .Start = QDate(2027, 3, 1),
                           .End = QDate(2027, 3, 31),
                           .Angle = 0,
                           .OrbDegrees = 0,
                           .OrbMinutes = 30}));
        QVERIFY2(Cell(0, 7).startsWith(u' '), qPrintable(Cell(0, 7)));
        QCOMPARE(Form->Contacts().ui().StrGridCont->columnWidth(7), width);
    }

    void runningStatus() {
        QVERIFY(StartLongSearch());
        QVERIFY(Form->Contacts().ui().BitBtnStopCalc->isEnabled());
        QVERIFY(Form->Contacts().ui().BCalc->isEnabled());
        QVERIFY(Form->Contacts().ui().GBAngulo->isEnabled());
        QVERIFY(Form->Contacts().ui().GBContacto->isEnabled());
        QCOMPARE(Form->Contacts().ui().GaugeProgressCalc->maximum(), ContactGaugeMaximum(MercuryLong.Input()));
        const QString status = StatusText();
        const QRegularExpression running(
            QStringLiteral("^Status: contactos = \\d+\\. Calculando (\\S+)-\\d\\d-(\\d{4}), \\d\\d:\\d\\d (am|pm)$"));
        const auto match = running.match(status);
        QVERIFY2(match.hasMatch(), qPrintable(status));
        // The instant shown lies within the span, in the locale's month names.
        QVERIFY2(std::find(Names.shortMonthNames.begin(), Names.shortMonthNames.end(),
                           match.captured(1).toStdString()) != Names.shortMonthNames.end(),
                 qPrintable(status));
        const int year = match.captured(2).toInt();
        QVERIFY2(year >= MercuryLong.Start.year() && year <= MercuryLong.End.year(), qPrintable(status));
        Form->Contacts().StopWork();
    }

    // "Parar": interrupted, nothing of the stopped search committed, the
    // previous results stay.
    void stopKeepsThePreviousResults() {
        QVERIFY(RunSearch(SunEquinox));
        const QString memo = Form->Contacts().ui().MemoInfoCalc->toPlainText();
        QVERIFY(StartLongSearch());
        QTest::mouseClick(Form->Contacts().ui().BitBtnStopCalc, Qt::LeftButton);
        QCOMPARE(StatusText(), QStringLiteral("Cálculos Interrumpidos"));
        QVERIFY(!Form->Contacts().ui().BitBtnStopCalc->isEnabled());
        QVERIFY(!Form->Contacts().Runner().IsRunning());
        QTRY_COMPARE_WITH_TIMEOUT(Form->Contacts().Runner().WorkerCount(), 0, SearchTimeout);
        QCOMPARE(StatusText(), QStringLiteral("Cálculos Interrumpidos"));
        QCOMPARE(Form->Contacts().Results().ContactList.size(), std::size_t{1});
        QCOMPARE(Form->Contacts().Results().LastOrb, 1.0);
        QCOMPARE(Form->Contacts().ui().MemoInfoCalc->toPlainText(), memo);
        VerifyGrids(ExpectedResults({SunEquinox}));
    }

    // F9 or "Calcular" during a search stops it and starts anew with the
    // inputs shown; only the new search's contacts are committed.
    void newSearchReplacesTheRunningOne_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("F9") << true;
        QTest::newRow("Calcular") << false;
    }

    void newSearchReplacesTheRunningOne() {
        QFETCH(bool, byKey);
        QVERIFY(StartLongSearch());
        SetInputs(SunYear);
        Start(byKey);
        QTRY_VERIFY_WITH_TIMEOUT(Completed(), SearchTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(Form->Contacts().Runner().WorkerCount(), 0, SearchTimeout);
        QCOMPARE(StatusText(), QStringLiteral("Status: Contactos = 4"));
        QCOMPARE(Form->Contacts().ui().MemoInfoCalc->toPlainText().split(u'\n').size(), 4);
        VerifyGrids(ExpectedResults({SunYear}));
    }

    void closingDuringASearchStopsIt() {
        QVERIFY(RunSearch(SunEquinox));
        QVERIFY(StartLongSearch());
        QVERIFY(Form->close());
        QVERIFY(!Form->Contacts().Runner().IsRunning());
        QCOMPARE(Form->Contacts().Results().ContactList.size(), std::size_t{1});
        Form.reset();  // joins the stopped search's thread
    }

    // Each completed search adds its block of lines to the log; the window
    // writes what SearchDescription gives for its inputs.
    void descriptionAfterEachSearch() {
        Form->ui().SETz->setValue(-3);
        QVERIFY(RunSearch(SunEquinox));
        Search exact = SunEquinox;
        exact.Exact = true;
        exact.End = exact.Start;
        QVERIFY(RunSearch(exact));
        QStringList expected;
        for (const Search& search : {SunEquinox, exact}) {
            for (const std::string& line : SearchDescription(search.Input(-3), Names)) {
                expected << ToQString(line);
            }
        }
        QCOMPARE(Form->Contacts().ui().MemoInfoCalc->toPlainText().split(u'\n'), expected);
        QCOMPARE(expected[0], QStringLiteral(" Contactos de SOL con la posición  00° 00' 00\""));
        QCOMPARE(expected[7], QStringLiteral(" Time Zone: -3.00."));
    }

    // A zone changed after the search leaves the export as the search left
    // it: the contacts at the search's local times and, with "opciones
    // búsqueda" ticked, the options naming the search's zone. As the window
    // starts, that box and "descripción" are hidden and clear, and the export
    // carries neither memo.
    void exportKeepsTheSearchZone() {
        Form->ui().SETz->setValue(5.5);
        QVERIFY(RunSearch(SunEquinox));
        Form->ui().SETz->setValue(-3.5);
        const auto shown = std::get<ContactsExport>(Form->Contacts().ContentToExport());
        QVERIFY(!shown.SearchOptions.has_value());
        QVERIFY(!shown.Description.has_value());
        ContactSearchProgress progress;
        const ContactSearchResult atSearchZone = SearchContacts(SunEquinox.Input(5.5), progress);
        QCOMPARE(shown.Results.SortedContactList.size(), atSearchZone.Contacts.size());
        QCOMPARE(shown.Results.SortedContactList.front()->ExactTime, atSearchZone.Contacts.front()->ExactTime);

        Form->Contacts().ui().CBContacOpc->setChecked(true);
        const auto options = std::get<ContactsExport>(Form->Contacts().ContentToExport()).SearchOptions;
        QVERIFY(options.has_value());
        QCOMPARE(ToQString(options->back()), QStringLiteral(" Time Zone: 5.50."));
    }

    // The seconds and minutes carry and borrow, the degrees wrap at 360 (at
    // 30 within the same sign in zodiac mode), through the spin edits' arrows.
    void positionSpins_data() {
        QTest::addColumn<bool>("zodiac");
        QTest::addColumn<QList<int>>("start");  // degrees, minutes, seconds
        QTest::addColumn<QString>("spin");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QList<int>>("end");
        QTest::addColumn<double>("target");
        QTest::newRow("seconds 60") << false << QList<int>{10, 20, 59} << "sec" << true << QList<int>{10, 21, 0}
                                    << 10 + 21 / 60.0;
        QTest::newRow("minutes 60") << false << QList<int>{10, 59, 5} << "min" << true << QList<int>{11, 0, 5}
                                    << 11 + 5 / 3600.0;
        QTest::newRow("all carry to 360")
            << false << QList<int>{359, 59, 59} << "sec" << true << QList<int>{0, 0, 0} << 0.0;
        QTest::newRow("all borrow below 0") << false << QList<int>{0, 0, 0} << "sec" << false << QList<int>{359, 59, 59}
                                            << 359 + 59 / 60.0 + 59 / 3600.0;
        QTest::newRow("degrees 360") << false << QList<int>{359, 0, 0} << "deg" << true << QList<int>{0, 0, 0} << 0.0;
        QTest::newRow("zodiac degrees 30, Leo")
            << true << QList<int>{29, 0, 0} << "deg" << true << QList<int>{0, 0, 0} << 120.0;
        QTest::newRow("zodiac minutes carry to 30, Leo")
            << true << QList<int>{29, 59, 0} << "min" << true << QList<int>{0, 0, 0} << 120.0;
        QTest::newRow("zodiac degrees -1, Leo")
            << true << QList<int>{0, 0, 0} << "deg" << false << QList<int>{29, 0, 0} << 149.0;
    }

    void positionSpins() {
        QFETCH(bool, zodiac);
        QFETCH(QList<int>, start);
        QFETCH(QString, spin);
        QFETCH(bool, up);
        QFETCH(QList<int>, end);
        QFETCH(double, target);
        if (zodiac) {
            QTest::mouseClick(Form->Contacts().ui().RGCord->Button(1), Qt::LeftButton);
            QTest::mouseClick(Form->Contacts().ui().RGSignos->Button(4), Qt::LeftButton);  // Leo
        }
        Form->Contacts().ui().SEGraLon->setValue(start[0]);
        Form->Contacts().ui().SEMinLon->setValue(start[1]);
        Form->Contacts().ui().SESecLon->setValue(start[2]);
        QCOMPARE(LongitudeSpins(), std::vector<int>(start.begin(), start.end()));
        QSpinBox* edit = spin == "deg"   ? Form->Contacts().ui().SEGraLon
                         : spin == "min" ? Form->Contacts().ui().SEMinLon
                                         : Form->Contacts().ui().SESecLon;
        QTest::keyClick(edit, up ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(LongitudeSpins(), std::vector<int>(end.begin(), end.end()));
        if (zodiac) {
            QCOMPARE(Form->Contacts().ui().RGSignos->ItemIndex(), 4);
        }
        QVERIFY2(std::abs(Form->Contacts().Target() - target) < 1e-12,
                 qPrintable(QString::number(Form->Contacts().Target())));
    }

    // The orb carries its minutes, never falls below 30' and never beyond
    // the last minute of the largest degrees.
    void orbSpins_data() {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("change");  // "10": set the minutes to 10; else an arrow
        QTest::addColumn<int>("endDegrees");
        QTest::addColumn<int>("endMinutes");
        QTest::newRow("0° 10' set") << 0 << 30 << "10" << 0 << 30;
        QTest::newRow("0° 30' down") << 0 << 30 << "min down" << 0 << 30;
        QTest::newRow("1° 10' degrees down") << 1 << 10 << "deg down" << 0 << 30;
        QTest::newRow("1° 00' down") << 1 << 0 << "min down" << 0 << 59;
        QTest::newRow("1° 59' up") << 1 << 59 << "min up" << 2 << 0;
        QTest::newRow("5° 59' up") << 5 << 59 << "min up" << 5 << 59;
        QTest::newRow("0° 45' degrees up") << 0 << 45 << "deg up" << 1 << 45;
    }

    void orbSpins() {
        QFETCH(int, degrees);
        QFETCH(int, minutes);
        QFETCH(QString, change);
        QFETCH(int, endDegrees);
        QFETCH(int, endMinutes);
        Form->Contacts().ui().SEGraOrb->setValue(degrees);
        Form->Contacts().ui().SEMinOrb->setValue(minutes);
        QCOMPARE(Form->Contacts().ui().SEGraOrb->value(), degrees);
        QCOMPARE(Form->Contacts().ui().SEMinOrb->value(), minutes);
        if (change == "10") {
            Form->Contacts().ui().SEMinOrb->setValue(10);
        } else {
            QSpinBox* edit = change.startsWith("deg") ? Form->Contacts().ui().SEGraOrb : Form->Contacts().ui().SEMinOrb;
            QTest::keyClick(edit, change.endsWith("up") ? Qt::Key_Up : Qt::Key_Down);
        }
        QCOMPARE(Form->Contacts().ui().SEGraOrb->value(), endDegrees);
        QCOMPARE(Form->Contacts().ui().SEMinOrb->value(), endMinutes);
        QCOMPARE(Form->Contacts().Orb(), endDegrees + endMinutes / 60.0);
    }

    // Switching to zodiac takes the sign from the degrees; switching back adds
    // it; the target never moves. RGSignos is enabled in zodiac mode only.
    void coordinateSwitch_data() {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("sign");
        QTest::addColumn<int>("signDegrees");
        QTest::newRow("0°") << 0 << 0 << 0;
        QTest::newRow("200°") << 200 << 6 << 20;
        QTest::newRow("359°") << 359 << 11 << 29;
    }

    void coordinateSwitch() {
        QFETCH(int, degrees);
        QFETCH(int, sign);
        QFETCH(int, signDegrees);
        Form->Contacts().ui().SEGraLon->setValue(degrees);
        Form->Contacts().ui().SEMinLon->setValue(10);
        const double target = degrees + 10 / 60.0;
        QCOMPARE(Form->Contacts().Target(), target);

        QTest::mouseClick(Form->Contacts().ui().RGCord->Button(1), Qt::LeftButton);
        QVERIFY(Form->Contacts().ui().RGSignos->isEnabled());
        QCOMPARE(Form->Contacts().ui().RGSignos->ItemIndex(), sign);
        QCOMPARE(Form->Contacts().ui().SEGraLon->value(), signDegrees);
        QCOMPARE(Form->Contacts().ui().SEMinLon->value(), 10);
        QCOMPARE(Form->Contacts().Target(), target);

        // Another sign moves the target by whole signs.
        QTest::mouseClick(Form->Contacts().ui().RGSignos->Button((sign + 3) % 12), Qt::LeftButton);
        QCOMPARE(Form->Contacts().Target(), ((sign + 3) % 12) * 30 + signDegrees + 10 / 60.0);
        QTest::mouseClick(Form->Contacts().ui().RGSignos->Button(sign), Qt::LeftButton);

        QTest::mouseClick(Form->Contacts().ui().RGCord->Button(0), Qt::LeftButton);
        QVERIFY(!Form->Contacts().ui().RGSignos->isEnabled());
        QCOMPARE(Form->Contacts().ui().SEGraLon->value(), degrees);
        QCOMPARE(Form->Contacts().Target(), target);
    }

    // A zodiac search writes the position with its sign and measures from it.
    void zodiacSearch() {
        SetInputs(SunYear);
        QTest::mouseClick(Form->Contacts().ui().RGCord->Button(1), Qt::LeftButton);
        QTest::mouseClick(Form->Contacts().ui().RGSignos->Button(9), Qt::LeftButton);  // Cap: the December solstice
        Form->Contacts().ui().SEAngulo->setValue(0);
        Start(true);
        QTRY_VERIFY_WITH_TIMEOUT(Completed(), SearchTimeout);
        QCOMPARE(StatusText(), QStringLiteral("Status: Contactos = 1"));
        QCOMPARE(Cell(0, 3), QStringLiteral(" 00° 00' 00\" Cap"));
        QCOMPARE(Form->Contacts().Results().LastTarget, 270.0);
        QVERIFY(Form->Contacts().ui().MemoInfoCalc->toPlainText().startsWith(
            QStringLiteral(" Contactos de SOL con la posición  00° 00' 00\" CAP\n")));
    }

    // The band buttons hide the contacts of their 15° bands; the rows left are
    // numbered 1..n while column 0 keeps each one's Index.
    void angleFilter_data() {
        QTest::addColumn<QList<int>>("clicks");  // tags clicked, 0 for "N", -1 for "T"
        QTest::addColumn<QList<int>>("indices");
        QTest::newRow("all on") << QList<int>{} << QList<int>{0, 1, 2, 3};
        QTest::newRow("7 off: no squares") << QList<int>{7} << QList<int>{0, 2};
        QTest::newRow("1 off: no conjunction") << QList<int>{1} << QList<int>{1, 2, 3};
        QTest::newRow("13 off: no opposition") << QList<int>{13} << QList<int>{0, 1, 3};
        QTest::newRow("7 off and on") << QList<int>{7, 7} << QList<int>{0, 1, 2, 3};
        QTest::newRow("1, 7 and 13 off") << QList<int>{1, 7, 13} << QList<int>{};
        QTest::newRow("N") << QList<int>{0} << QList<int>{};
        QTest::newRow("N then 7") << QList<int>{0, 7} << QList<int>{1, 3};
        QTest::newRow("N then T") << QList<int>{0, -1} << QList<int>{0, 1, 2, 3};
    }

    void angleFilter() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, indices);
        QVERIFY(RunSearch(SunYear));
        AngleFilter filter = AllAngleBands;
        for (const int click : clicks) {
            if (click == 0) {
                QTest::mouseClick(Form->Contacts().ui().SBNoneItem, Qt::LeftButton);
                filter = NoAngleBands;
            } else if (click < 0) {
                QTest::mouseClick(Form->Contacts().ui().SBAllItem, Qt::LeftButton);
                filter = AllAngleBands;
            } else {
                QTest::mouseClick(BandButton(click), Qt::LeftButton);
                filter[static_cast<std::size_t>(click - 1)] = !filter[static_cast<std::size_t>(click - 1)];
            }
        }
        QCOMPARE(Form->Contacts().Results().Filter, filter);
        for (int tag = 1; tag <= 13; ++tag) {
            QCOMPARE(BandButton(tag)->isChecked(), filter[static_cast<std::size_t>(tag - 1)]);
        }
        QCOMPARE(ShownIndices(), std::vector<int>(indices.begin(), indices.end()));
        if (indices.empty()) {
            VerifyEmptyGrids();
        } else {
            ContactResults expected = ExpectedResults({SunYear});
            expected.Filter = filter;
            VerifyGrids(expected);
        }
    }

    // "R" empties the lists and both grids; a later filter click keeps them empty.
    void resetEmptiesTheLists() {
        QVERIFY(RunSearch(SunYear));
        QTest::mouseClick(Form->Contacts().ui().SBResetListContact, Qt::LeftButton);
        QVERIFY(Form->Contacts().Results().ContactList.empty());
        QVERIFY(Form->Contacts().Results().SortedContactList.empty());
        VerifyEmptyGrids();
        QTest::mouseClick(Form->Contacts().ui().TBTra[6], Qt::LeftButton);
        QTest::mouseClick(Form->Contacts().ui().TBTra[6], Qt::LeftButton);
        VerifyEmptyGrids();
        // A new search starts from the empty lists whether or not it cleans them.
        Form->Contacts().ui().CBCleanListContact->setChecked(false);
        QVERIFY(RunSearch(SunEquinox));
        VerifyGrids(ExpectedResults({SunEquinox}));
    }

    // With "limpiar lista" cleared, a second search's contacts join the
    // first's, sorted together by start time; each row's detail is its own
    // contact's.
    void twoSearchesSortedTogether() {
        QVERIFY(RunSearch(SunYear));
        Form->Contacts().ui().CBCleanListContact->setChecked(false);
        Search semisquares = SunYear;
        semisquares.Degrees = 45;
        QVERIFY(RunSearch(semisquares));
        QCOMPARE(StatusText(), QStringLiteral("Status: Contactos = 4"));
        const ContactResults expected = ExpectedResults({SunYear, semisquares});
        QCOMPARE(Form->Contacts().Results().ContactList.size(), std::size_t{8});
        QCOMPARE(Form->Contacts().Results().LastTarget, 45.0);
        VerifyGrids(expected);
        // Interleaved: the rows alternate between the two targets, from the
        // Sun at 315° in February.
        for (int row = 0; row < 8; ++row) {
            QCOMPARE(Cell(row, 3), row % 2 == 0 ? QStringLiteral(" 45° 00' 00\"") : QStringLiteral(" 00° 00' 00\""));
        }

        for (const int row : {5, 0, 7, 2}) {
            const QModelIndex index = Form->Contacts().ui().ModelCont->index(row, 2);
            Form->Contacts().ui().StrGridCont->scrollTo(index);
            QTest::mouseClick(Form->Contacts().ui().StrGridCont->viewport(), Qt::LeftButton, {},
                              Form->Contacts().ui().StrGridCont->visualRect(index).center());
            QCOMPARE(Form->Contacts().ui().StrGridCont->currentIndex().row(), row);
            const GridCells detail = FillContactDetail(*expected.SortedContactList[static_cast<std::size_t>(row)],
                                                       expected.LastTarget, expected.LastOrb, Names);
            for (int line = 0; line < 3; ++line) {
                for (int column = 0; column < 7; ++column) {
                    QCOMPARE(DetailCell(line, column),
                             ToQString(detail[static_cast<std::size_t>(line) + 1][static_cast<std::size_t>(column)]));
                }
            }
            // The detail's moments are the row's own.
            for (int line = 0; line < 3; ++line) {
                QCOMPARE(Cell(row, 4 + line), DetailCell(line, 1) + QStringLiteral(", ") + DetailCell(line, 2));
            }
        }
    }

    // With "autom." a click on a body searches at once; without it, nothing runs.
    void automaticSearch_data() {
        QTest::addColumn<bool>("automatic");
        QTest::newRow("autom.") << true;
        QTest::newRow("not autom.") << false;
    }

    void automaticSearch() {
        QFETCH(bool, automatic);
        SetInputs(SunEquinox);
        Form->Contacts().ui().SEAngulo->setValue(15);
        Form->Contacts().ui().CBAutomatic->setChecked(automatic);
        QTest::mouseClick(Form->Contacts().ui().RGPlanetas->Button(1), Qt::LeftButton);  // Lun
        QCOMPARE(Form->Contacts().Body(), Lun);
        if (!automatic) {
            QVERIFY(!Form->Contacts().Runner().IsRunning());
            QCOMPARE(StatusText(), QStringLiteral("Status: contactos por calcular"));
            return;
        }
        QVERIFY(Form->Contacts().Runner().IsRunning() || Completed());
        QTRY_VERIFY_WITH_TIMEOUT(Completed(), SearchTimeout);
        QVERIFY(!Form->Contacts().Results().ContactList.empty());
        for (int row = 0; row < Form->Contacts().ui().ModelCont->rowCount(); ++row) {
            QCOMPARE(Cell(row, 2), QStringLiteral("Lun"));
        }
        Search moon = SunEquinox;
        moon.Item = 1;
        moon.Angle = 15;
        VerifyGrids(ExpectedResults({moon}));
    }

    void spanButtons_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::newRow("31 January + 1 m") << 0 << QDate(2023, 1, 31) << QDate(2023, 2, 28);
        QTest::newRow("2 m") << 1 << QDate(2024, 12, 31) << QDate(2025, 2, 28);
        QTest::newRow("30 November + 3 m") << 2 << QDate(2023, 11, 30) << QDate(2024, 2, 29);
        QTest::newRow("4 m") << 3 << QDate(2024, 5, 31) << QDate(2024, 9, 30);
        QTest::newRow("6 m") << 4 << QDate(2024, 3, 31) << QDate(2024, 9, 30);
        QTest::newRow("12 m") << 5 << QDate(2024, 1, 15) << QDate(2025, 1, 15);
        QTest::newRow("29 February + 24 m") << 6 << QDate(2024, 2, 29) << QDate(2026, 2, 28);
    }

    void spanButtons() {
        QFETCH(int, button);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        Form->Contacts().ui().DTP1->setDate(start);
        QTest::mouseClick(SpanButton(button), Qt::LeftButton);
        QCOMPARE(Form->Contacts().ui().DTP2->date(), end);
        QCOMPARE(Form->Contacts().SpanDays(), static_cast<int>(start.daysTo(end)));
    }

    void datePickers() {
        Form->Contacts().ui().DTP1->setDate(QDate(2024, 3, 10));
        Form->Contacts().ui().DTP2->setDate(QDate(2024, 3, 1));
        QCOMPARE(Form->Contacts().SpanDays(), -9);
        // A double click on either picker: from 15 days ago to 30 days on.
        auto* text = Form->Contacts().ui().DTP2->findChild<QLineEdit*>();
        QVERIFY(text != nullptr);
        QTest::mouseDClick(text, Qt::LeftButton);
        const QDate start = QDate::currentDate().addDays(-15);
        QCOMPARE(Form->Contacts().ui().DTP1->date(), start);
        QCOMPARE(Form->Contacts().ui().DTP2->date(), start.addDays(30));
        QCOMPARE(Form->Contacts().SpanDays(), 30);
    }

    void panels() {
        QTest::mouseClick(Form->Contacts().ui().CBContacDet, Qt::LeftButton);
        QVERIFY(!Form->Contacts().ui().PanelDetTra->isVisible());
        QVERIFY(Form->Contacts().ui().StrGridCont->isVisible());
        QTest::mouseClick(Form->Contacts().ui().CBContacDet, Qt::LeftButton);
        QVERIFY(Form->Contacts().ui().PanelDetTra->isVisible());

        Form->Contacts().ui().CBContacDesc->show();
        Form->Contacts().ui().CBContacOpc->show();
        QTest::mouseClick(Form->Contacts().ui().CBContacOpc, Qt::LeftButton);
        QVERIFY(Form->Contacts().ui().PanelTextTran->isVisible());
        QVERIFY(Form->Contacts().ui().PanelOpcBusqueda->isVisible());
        QVERIFY(!Form->Contacts().ui().PanelDescTran->isVisible());
        QTest::mouseClick(Form->Contacts().ui().CBContacDesc, Qt::LeftButton);
        QVERIFY(Form->Contacts().ui().PanelDescTran->isVisible());
        QTest::mouseClick(Form->Contacts().ui().CBContacOpc, Qt::LeftButton);
        QVERIFY(!Form->Contacts().ui().PanelOpcBusqueda->isVisible());
        QVERIFY(Form->Contacts().ui().PanelTextTran->isVisible());
        QTest::mouseClick(Form->Contacts().ui().CBContacDesc, Qt::LeftButton);
        QVERIFY(!Form->Contacts().ui().PanelTextTran->isVisible());
    }

    // The user's description holds at most 200 characters.
    void descriptionMemoLength() {
        Form->Contacts().ui().MemoDescpContacto->setFocus();
        QTest::keyClicks(Form->Contacts().ui().MemoDescpContacto, QString(190, u'a'));
        QCOMPARE(Form->Contacts().ui().MemoDescpContacto->toPlainText().size(), 190);
        QTest::keyClicks(Form->Contacts().ui().MemoDescpContacto, QString(20, u'b'));
        QCOMPARE(Form->Contacts().ui().MemoDescpContacto->toPlainText(), QString(190, u'a') + QString(10, u'b'));
        Form->Contacts().ui().MemoDescpContacto->setPlainText(QString(250, u'c'));
        QCOMPARE(Form->Contacts().ui().MemoDescpContacto->toPlainText(), QString(200, u'c'));
    }
};

int RunContactsPageTests(int argc, char** argv) {
    ContactsPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ContactsPageTest.moc"
