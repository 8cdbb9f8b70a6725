// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's runs stopped and restarted many times in a row: at once,
// after some progress, and by a new start while one goes on. Whatever the
// stops, the window ends with the status of the last thing the user did, the
// stopped runs never commit, a final run gives what an undisturbed one gives,
// and the stopped runs leave neither threads nor memory behind.

#include "AppTests.h"
#include "ContactsPage.h"
#include "DateConversion.h"
#include "EphemerisTexts.h"
#include "LocaleNames.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "TFormMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

using namespace kalto;

namespace {

constexpr int Cycles = 50;

// How a cycle ends the run it starts.
enum class StopMoment {
    AtOnce,           // "Parar" right after the start, before any event is handled
    AfterProgress,    // "Parar" after a progress report
    RestartThenStop,  // a new start after some progress, "Parar" after the new run's progress
    RestartsAtOnce,   // a burst of starts, then "Parar", all before any event is handled
};
constexpr std::array StopMoments{StopMoment::AtOnce, StopMoment::AfterProgress, StopMoment::RestartThenStop,
                                 StopMoment::RestartsAtOnce};
// The starts of a burst: a user pressing the key again and again.
constexpr int BurstStarts = 10;

const char* MomentName(StopMoment moment) {
    switch (moment) {
        case StopMoment::AtOnce: return "stop at once";
        case StopMoment::AfterProgress: return "stop after progress";
        case StopMoment::RestartThenStop: return "restart, then stop";
        case StopMoment::RestartsAtOnce: return "restarts at once, then stop";
    }
    return "";
}

// The process's resident memory, from /proc/self/statm, once the allocator
// has handed its free pages back.
std::int64_t ResidentBytes() {
    ::malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : -1;
}

constexpr std::int64_t MB = std::int64_t{1} << 20;
// The rows of the long run: 731 days of 288 steps for eleven bodies.
constexpr std::int64_t LongRunRows = std::int64_t{731} * 288 * 11 * sizeof(EphemerisRow);

// Resident memory over the cycles. Stopped runs may allocate their rows before
// they see the stop, and the allocator (and AddressSanitizer's quarantine)
// keeps freed blocks for reuse: the baseline is taken once those caches are
// warm, after a few cycles and with every stopped run ended.
constexpr int WarmUpCycles = 12;

class MemoryWatch {
public:
    void Start() { Baseline = Peak = ResidentBytes(); }
    void Sample() { Peak = std::max(Peak, ResidentBytes()); }

    // What went wrong, or nothing, once every stopped run has ended. While the
    // cycles went on, only the run going on and the stopped ones about to end
    // held rows: a stopped run must end at once, not go on sizing its rows and
    // fitting its whole span. At the end no more than the allocator's leftovers
    // of one run remain, however many cycles went by.
    [[nodiscard]] QString Growth() const {
        const std::int64_t end = ResidentBytes();
        if (Baseline <= 0 || end <= 0) {
            return QStringLiteral("no resident memory in /proc/self/statm");
        }
        if (Peak - Baseline > 4 * LongRunRows || end - Baseline > LongRunRows) {
            return QStringLiteral("resident memory went from %1 MB up to %2 MB and ended at %3 MB")
                .arg(Baseline / MB)
                .arg(Peak / MB)
                .arg(end / MB);
        }
        return {};
    }

private:
    std::int64_t Baseline = 0;
    std::int64_t Peak = 0;
};

QString RangeLabel(QDate start, QDate end) {
    const auto names = LocaleDateFormatNames(QLocale::system());
    return ToQString(FormatDateTime(RangeDatePattern, ToDateTime(start), names) + std::string(RangeSeparator) +
                     FormatDateTime(RangeDatePattern, ToDateTime(end), names));
}

// The ephemeris runs, all at "5   min": the reference run of one day, and the
// run that the cycles stop, 24 months (long enough to be caught running).
constexpr int FiveMinutes = 9;
const QDate ReferenceDay(2024, 3, 1);
const QDate LongStart(2024, 1, 1);

bool SameRows(const EphemerisRowSet& a, const EphemerisRowSet& b) {
    if (a.StartDate != b.StartDate || a.EndDate != b.EndDate) {
        return false;
    }
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        const auto& rowsA = a.Bodies[static_cast<std::size_t>(body)];
        const auto& rowsB = b.Bodies[static_cast<std::size_t>(body)];
        if (rowsA.size() != rowsB.size()) {
            return false;
        }
        for (std::size_t i = 0; i < rowsA.size(); ++i) {
            const EphemerisRow& p = rowsA[i];
            const EphemerisRow& q = rowsB[i];
            if (p.Longitude != q.Longitude || p.Latitude != q.Latitude || p.RightAscension != q.RightAscension ||
                p.Declination != q.Declination || p.Distance != q.Distance || p.UniversalTime != q.UniversalTime) {
                return false;
            }
        }
    }
    return true;
}

// The contact searches: the Sun by multiples of 90° from 0° Ari around the
// March equinox of 2027 (one contact), and Mercury by multiples of 15° with a
// 5° orb over two centuries, the search that the cycles stop.
struct Search {
    int Item = 0;  // of RGPlanetas
    QDate Start;
    QDate End;
    int Angle = 90;
    int OrbDegrees = 1;
};
const Search SunEquinox{.Item = 0, .Start = QDate(2027, 3, 1), .End = QDate(2027, 4, 15)};
const Search MercuryLong{
    .Item = 2, .Start = QDate(1900, 1, 1), .End = QDate(2099, 12, 31), .Angle = 15, .OrbDegrees = 5};

bool SameContact(const ContactRecord& a, const ContactRecord& b) {
    return a.BodyIndex == b.BodyIndex && a.PositionText == b.PositionText && a.Index == b.Index &&
           a.StartTime == b.StartTime && a.ExactTime == b.ExactTime && a.EndTime == b.EndTime &&
           a.ContactAngle == b.ContactAngle && a.DetectLongitude == b.DetectLongitude &&
           a.StartLongitude == b.StartLongitude && a.ExactLongitude == b.ExactLongitude &&
           a.EndLongitude == b.EndLongitude && a.MomentsFound == b.MomentsFound;
}

bool SameContacts(const ContactRecordList& a, const ContactRecordList& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameContact(*a[i], *b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

class TFormMainStopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> Form;

    [[nodiscard]] EphemerisPage& Page() const { return Form->Ephemeris(); }

    // --- The ephemeris run --------------------------------------------------

    // F8 on even cycles, "Calcular" on odd ones.
    void StartEphemeris(int cycle) {
        if (cycle % 2 == 0) {
            QTest::keyClick(Form.get(), Qt::Key_F8);
        } else {
            QTest::mouseClick(Page().ui().BCalContac, Qt::LeftButton);
        }
    }

    void SetEphemerisSpan(QDate start, QDate end) {
        Page().ui().DE1->setDate(start);
        Page().ui().DE2->setDate(end);
    }

    void SetLongEphemerisSpan() {
        Page().ui().DE1->setDate(LongStart);
        QTest::mouseClick(Page().ui().SBMD[6], Qt::LeftButton);  // 24 m
    }

    // Waits for the next progress report of the run going on; whether it
    // still goes.
    [[nodiscard]] bool EphemerisProgressed() {
        return WaitForProgress(Page().Runner(), &EphemerisRunner::ProgressChanged);
    }

    [[nodiscard]] bool EphemerisRunningState() const {
        return Page().ui().BitBtnStopEfem->isEnabled() && !Page().ui().CBDeltaTiempo->isEnabled() &&
               !Page().ui().PanelEfemDateInterval->isEnabled() &&
               Page().ui().LabelFecha->text() == QStringLiteral("calculando") &&
               Page().ui().LabelStatusEfem->text().startsWith(ToQString(StatusComputing));
    }

    // Starts the long run and ends it as `moment` says; returns what went
    // wrong, or nothing.
    [[nodiscard]] QString StopEphemerisCycle(int cycle, StopMoment moment) {
        StartEphemeris(cycle);
        if (!EphemerisRunningState()) {
            return QStringLiteral("not running after the start: %1").arg(Page().ui().LabelStatusEfem->text());
        }
        switch (moment) {
            case StopMoment::AtOnce: break;
            case StopMoment::AfterProgress:
                if (!EphemerisProgressed()) {
                    return QStringLiteral("the run ended before it could be stopped");
                }
                if (!EphemerisRunningState()) {
                    return QStringLiteral("no running status after progress: %1")
                        .arg(Page().ui().LabelStatusEfem->text());
                }
                break;
            case StopMoment::RestartThenStop:
                if (!EphemerisProgressed()) {
                    return QStringLiteral("the first run ended before the restart");
                }
                StartEphemeris(cycle + 1);
                if (!EphemerisRunningState() || Page().ui().GaugeProgressEfem->value() != 0) {
                    return QStringLiteral("the restart does not show a new run: %1")
                        .arg(Page().ui().LabelStatusEfem->text());
                }
                if (!EphemerisProgressed()) {
                    return QStringLiteral("the new run ended before it could be stopped");
                }
                break;
            case StopMoment::RestartsAtOnce:
                for (int start = 1; start < BurstStarts; ++start) {
                    StartEphemeris(cycle + start);
                }
                if (!EphemerisRunningState()) {
                    return QStringLiteral("not running after the restarts");
                }
                break;
        }
        QTest::mouseClick(Page().ui().BitBtnStopEfem, Qt::LeftButton);
        return {};
    }

    // The window as a stop leaves it: interrupted, the reference run still
    // the committed one.
    [[nodiscard]] QString EphemerisStoppedState(const EphemerisRows& committed) const {
        if (Page().ui().LabelStatusEfem->text() != ToQString(StatusInterrupted)) {
            return QStringLiteral("status %1").arg(Page().ui().LabelStatusEfem->text());
        }
        if (Page().ui().LabelFecha->text() != RangeLabel(ReferenceDay, ReferenceDay)) {
            return QStringLiteral("range label %1").arg(Page().ui().LabelFecha->text());
        }
        if (Page().Runner().IsRunning() || Page().ui().BitBtnStopEfem->isEnabled() ||
            !Page().ui().CBDeltaTiempo->isEnabled() || !Page().ui().PanelEfemDateInterval->isEnabled()) {
            return QStringLiteral("the controls still show a run");
        }
        if (Page().LastRun().Rows != committed || Page().ui().ModelEfem->rowCount() != 288) {
            return QStringLiteral("a stopped run was committed");
        }
        return {};
    }

    // --- The contact search -------------------------------------------------

    // F9 on even cycles, "Calcular" on odd ones.
    void StartSearch(int cycle) {
        if (cycle % 2 == 0) {
            QTest::keyClick(Form.get(), Qt::Key_F9);
        } else {
            QTest::mouseClick(Form->Contacts().ui().BCalc, Qt::LeftButton);
        }
    }

    void SetInputs(const Search& search) {
        QTest::mouseClick(Form->Contacts().ui().RGPlanetas->Button(search.Item), Qt::LeftButton);
        Form->Contacts().ui().DTP1->setDate(search.Start);
        Form->Contacts().ui().DTP2->setDate(search.End);
        Form->Contacts().ui().SEAngulo->setValue(search.Angle);
        Form->Contacts().ui().RGTipoAngulo->setCurrentIndex(0);
        Form->Contacts().ui().SEGraOrb->setValue(search.OrbDegrees);
        Form->Contacts().ui().SEMinOrb->setValue(0);
        Form->Contacts().ui().SEGraLon->setValue(0);
        Form->Contacts().ui().SEMinLon->setValue(0);
        Form->Contacts().ui().SESecLon->setValue(0);
    }

    [[nodiscard]] bool SearchCompleted() const {
        return Form->Contacts().ui().LabelStatusContact->text().startsWith(QStringLiteral("Status: Contactos = "));
    }

    [[nodiscard]] bool SearchProgressed() {
        return WaitForProgress(Form->Contacts().Runner(), &ContactSearchRunner::ProgressChanged);
    }

    // Running the long search: "Parar" enabled and the status naming an
    // instant being examined, from the start on: one of the span, or of the
    // refinement of a contact that was already in orb at the start (which
    // goes back to where the body entered the orb, some days before).
    [[nodiscard]] bool SearchRunningState() const {
        static const QRegularExpression running(
            QStringLiteral("^Status: contactos = \\d+\\. Calculando \\S+-\\d\\d-(\\d{4}), \\d\\d:\\d\\d (am|pm)$"));
        const QRegularExpressionMatch match = running.match(Form->Contacts().ui().LabelStatusContact->text());
        const int year = match.captured(1).toInt();
        return Form->Contacts().ui().BitBtnStopCalc->isEnabled() && match.hasMatch() &&
               year >= MercuryLong.Start.year() - 1 && year <= MercuryLong.End.year() + 1;
    }

    [[nodiscard]] QString StopSearchCycle(int cycle, StopMoment moment) {
        StartSearch(cycle);
        if (!SearchRunningState()) {
            return QStringLiteral("not running after the start: %1")
                .arg(Form->Contacts().ui().LabelStatusContact->text());
        }
        switch (moment) {
            case StopMoment::AtOnce: break;
            case StopMoment::AfterProgress:
                if (!SearchProgressed()) {
                    return QStringLiteral("the search ended before it could be stopped");
                }
                if (!SearchRunningState()) {
                    return QStringLiteral("no running status after progress: %1")
                        .arg(Form->Contacts().ui().LabelStatusContact->text());
                }
                break;
            case StopMoment::RestartThenStop:
                if (!SearchProgressed()) {
                    return QStringLiteral("the first search ended before the restart");
                }
                StartSearch(cycle + 1);
                if (!SearchRunningState() || Form->Contacts().ui().GaugeProgressCalc->value() != 0) {
                    return QStringLiteral("the restart does not show a new search: %1")
                        .arg(Form->Contacts().ui().LabelStatusContact->text());
                }
                if (!SearchProgressed()) {
                    return QStringLiteral("the new search ended before it could be stopped");
                }
                break;
            case StopMoment::RestartsAtOnce:
                for (int start = 1; start < BurstStarts; ++start) {
                    StartSearch(cycle + start);
                }
                if (!SearchRunningState()) {
                    return QStringLiteral("not running after the restarts");
                }
                break;
        }
        QTest::mouseClick(Form->Contacts().ui().BitBtnStopCalc, Qt::LeftButton);
        return {};
    }

    [[nodiscard]] QString SearchStoppedState(const ContactRecordList& committed, const QString& memo) const {
        if (Form->Contacts().ui().LabelStatusContact->text() != QStringLiteral("Cálculos Interrumpidos")) {
            return QStringLiteral("status %1").arg(Form->Contacts().ui().LabelStatusContact->text());
        }
        if (Form->Contacts().Runner().IsRunning() || Form->Contacts().ui().BitBtnStopCalc->isEnabled()) {
            return QStringLiteral("the controls still show a search");
        }
        if (Form->Contacts().Results().ContactList != committed ||
            Form->Contacts().Results().SortedContactList != committed ||
            Form->Contacts().ui().ModelCont->ShownContactList() != committed ||
            Form->Contacts().ui().MemoInfoCalc->toPlainText() != memo) {
            return QStringLiteral("a stopped search was committed");
        }
        return {};
    }

private slots:
    void init() {
        Form = std::make_unique<TFormMain>();
        Form->show();
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }

    void cleanup() { Form.reset(); }

    void ephemerisStopsAndRestarts() {
        Page().ui().CBDeltaTiempo->setCurrentIndex(FiveMinutes);
        SetEphemerisSpan(ReferenceDay, ReferenceDay);
        StartEphemeris(0);
        QTRY_COMPARE_WITH_TIMEOUT(Page().ui().LabelStatusEfem->text(), ToQString(StatusComputed), RunTimeout);
        const EphemerisRows reference = Page().LastRun().Rows;
        QVERIFY(reference != nullptr);
        QCOMPARE(reference->RowCount(), std::size_t{288});

        SetLongEphemerisSpan();
        MemoryWatch memory;
        for (int cycle = 0; cycle < Cycles; ++cycle) {
            const StopMoment moment = StopMoments[static_cast<std::size_t>(cycle) % StopMoments.size()];
            const QString where = QStringLiteral("cycle %1, %2: ").arg(cycle).arg(QLatin1String(MomentName(moment)));
            const QString failure = StopEphemerisCycle(cycle, moment);
            QVERIFY2(failure.isEmpty(), qPrintable(where + failure));
            const QString state = EphemerisStoppedState(reference);
            QVERIFY2(state.isEmpty(), qPrintable(where + state));
            if (cycle == WarmUpCycles) {
                QTRY_COMPARE_WITH_TIMEOUT(Page().Runner().WorkerCount(), 0, RunTimeout);
                memory.Start();
            } else if (cycle > WarmUpCycles) {
                memory.Sample();
            }
        }
        // However late the stopped runs end, none of them commits.
        QTRY_COMPARE_WITH_TIMEOUT(Page().Runner().WorkerCount(), 0, RunTimeout);
        const QString state = EphemerisStoppedState(reference);
        QVERIFY2(state.isEmpty(), qPrintable(state));
        const QString growth = memory.Growth();
        QVERIFY2(growth.isEmpty(), qPrintable(growth));

        // A final run started over a running one completes with the rows of
        // the undisturbed run.
        StartEphemeris(0);
        QVERIFY(EphemerisProgressed());
        SetEphemerisSpan(ReferenceDay, ReferenceDay);
        StartEphemeris(1);
        QTRY_COMPARE_WITH_TIMEOUT(Page().ui().LabelStatusEfem->text(), ToQString(StatusComputed), RunTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(Page().Runner().WorkerCount(), 0, RunTimeout);
        QCOMPARE(Page().ui().LabelStatusEfem->text(), ToQString(StatusComputed));
        QCOMPARE(Page().ui().LabelFecha->text(), RangeLabel(ReferenceDay, ReferenceDay));
        QVERIFY(Page().LastRun().Rows != reference);
        QVERIFY(SameRows(*Page().LastRun().Rows, *reference));
        QCOMPARE(Page().ui().ModelEfem->rowCount(), 288);
        QCOMPARE(Page().ui().GaugeProgressEfem->value(), Page().ui().GaugeProgressEfem->maximum());
        QVERIFY(!Page().ui().BitBtnStopEfem->isEnabled());
        QVERIFY(Page().ui().CBDeltaTiempo->isEnabled());
        QVERIFY(Page().ui().PanelEfemDateInterval->isEnabled());
    }

    void contactSearchStopsAndRestarts() {
        QTest::keyClick(Form.get(), Qt::Key_F6);
        SetInputs(SunEquinox);
        StartSearch(0);
        QVERIFY(QTest::qWaitFor([this] { return SearchCompleted(); }, RunTimeout));
        QCOMPARE(Form->Contacts().ui().LabelStatusContact->text(), QStringLiteral("Status: Contactos = 1"));
        const ContactRecordList reference = Form->Contacts().Results().ContactList;
        QCOMPARE(reference.size(), std::size_t{1});
        const QString memo = Form->Contacts().ui().MemoInfoCalc->toPlainText();

        SetInputs(MercuryLong);
        MemoryWatch memory;
        for (int cycle = 0; cycle < Cycles; ++cycle) {
            const StopMoment moment = StopMoments[static_cast<std::size_t>(cycle) % StopMoments.size()];
            const QString where = QStringLiteral("cycle %1, %2: ").arg(cycle).arg(QLatin1String(MomentName(moment)));
            const QString failure = StopSearchCycle(cycle, moment);
            QVERIFY2(failure.isEmpty(), qPrintable(where + failure));
            const QString state = SearchStoppedState(reference, memo);
            QVERIFY2(state.isEmpty(), qPrintable(where + state));
            if (cycle == WarmUpCycles) {
                QTRY_COMPARE_WITH_TIMEOUT(Form->Contacts().Runner().WorkerCount(), 0, RunTimeout);
                memory.Start();
            } else if (cycle > WarmUpCycles) {
                memory.Sample();
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(Form->Contacts().Runner().WorkerCount(), 0, RunTimeout);
        const QString state = SearchStoppedState(reference, memo);
        QVERIFY2(state.isEmpty(), qPrintable(state));
        const QString growth = memory.Growth();
        QVERIFY2(growth.isEmpty(), qPrintable(growth));

        // A final search started over a running one completes with the
        // contacts of the undisturbed search and adds its description once.
        StartSearch(0);
        QVERIFY(SearchProgressed());
        SetInputs(SunEquinox);
        StartSearch(1);
        QVERIFY(QTest::qWaitFor([this] { return SearchCompleted(); }, RunTimeout));
        QTRY_COMPARE_WITH_TIMEOUT(Form->Contacts().Runner().WorkerCount(), 0, RunTimeout);
        QCOMPARE(Form->Contacts().ui().LabelStatusContact->text(), QStringLiteral("Status: Contactos = 1"));
        QVERIFY(!Form->Contacts().ui().BitBtnStopCalc->isEnabled());
        QVERIFY(Form->Contacts().Results().ContactList != reference);
        QVERIFY(SameContacts(Form->Contacts().Results().ContactList, reference));
        QVERIFY(SameContacts(Form->Contacts().Results().SortedContactList, reference));
        QVERIFY(SameContacts(Form->Contacts().ui().ModelCont->ShownContactList(), reference));
        QCOMPARE(Form->Contacts().ui().MemoInfoCalc->toPlainText(), memo + QStringLiteral("\n") + memo);
        QCOMPARE(Form->Contacts().ui().GaugeProgressCalc->value(), Form->Contacts().ui().GaugeProgressCalc->maximum());
    }
};

int RunTFormMainStopTests(int argc, char** argv) {
    TFormMainStopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TFormMainStopTest.moc"
