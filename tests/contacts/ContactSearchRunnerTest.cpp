// SPDX-License-Identifier: GPL-3.0-or-later
// The contact search runner: a completed search hands its contacts over once,
// a stopped or superseded search never does, even when its thread ends later,
// and the runner's end waits for its threads.

#include "ContactSearchRunner.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <memory>
#include <thread>

using namespace kalto;

namespace {

constexpr int LongTimeout = 120000;

// The Sun's contacts with 0° Ari by multiples of 90° in 2027: the equinoxes
// and solstices, found in a fraction of a second.
ContactSearchInput SunInput() {
    return {.Body = Sol,
            .StartDate = EncodeDate(2027, 1, 1),
            .EndDate = EncodeDate(2027, 12, 31),
            .Angle = 90,
            .Exact = false,
            .Position = {},
            .Orb = 1,
            .Clock = WallClock(0.0)};
}

// Mercury by multiples of 15° with the widest orb over two centuries: long
// enough to be caught running.
ContactSearchInput LongInput() {
    return {.Body = Mer,
            .StartDate = EncodeDate(1900, 1, 1),
            .EndDate = EncodeDate(2099, 12, 31),
            .Angle = 15,
            .Exact = false,
            .Position = {},
            .Orb = 5,
            .Clock = WallClock(0.0)};
}

ContactSearchResult ResultOf(const QSignalSpy& completed, int index) {
    return completed.at(index).at(0).value<ContactSearchResult>();
}

// Waits, without handling any event, until the current search has done
// `days` days of its span; whether it got there.
bool ReachDay(const ContactSearchRunner& runner, int days) {
    const QDeadlineTimer deadline(LongTimeout);
    while (runner.DaysDone() < days) {
        if (deadline.hasExpired()) {
            return false;
        }
        std::this_thread::yield();
    }
    return true;
}

void EndedSearches() {
    QTest::addColumn<bool>("isLong");
    QTest::addColumn<bool>("afterLastInstant");
    QTest::newRow("while it computes") << true << false;
    QTest::newRow("after its last instant") << false << true;
}

ContactSearchInput InputOf(bool isLong) {
    return isLong ? LongInput() : SunInput();
}

}  // namespace

class ContactSearchRunnerTest : public QObject {
    Q_OBJECT

private slots:
    void completedSearchHandsItsContactsOver() {
        ContactSearchRunner runner;
        QSignalSpy completed(&runner, &ContactSearchRunner::Completed);
        runner.Start(SunInput());
        QVERIFY(runner.IsRunning());
        QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 1, LongTimeout);
        QVERIFY(!runner.IsRunning());
        const ContactSearchResult result = ResultOf(completed, 0);
        QVERIFY(result.Completed);
        QCOMPARE(result.Contacts.size(), std::size_t{4});
        const std::array angles{0.0, 90.0, 180.0, 90.0};
        for (std::size_t i = 0; i < result.Contacts.size(); ++i) {
            QCOMPARE(result.Contacts[i]->Index, static_cast<int>(i));
            QCOMPARE(result.Contacts[i]->ContactAngle, angles[i]);
        }
        QCOMPARE(runner.Input().Body, Sol);
        QTRY_COMPARE(runner.WorkerCount(), 0);
    }

    void progressIsReportedWhileRunning() {
        ContactSearchRunner runner;
        QSignalSpy progress(&runner, &ContactSearchRunner::ProgressChanged);
        // The series summed in full: seconds of work even on a fast machine,
        // where the fitted series could end the search between two reports.
        ContactSearchInput input = LongInput();
        input.Evaluation = SeriesEvaluation::Direct;
        runner.Start(input);
        QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 2, LongTimeout);
        runner.Stop();
        // A contact already in orb at the start is refined back to where the
        // body entered the orb: the instants examined reach before the span,
        // as far as the fine scan's bound (Mercury's first contact of 1900
        // begins eight days before it).
        const double start = LongInput().StartDate - DefaultFineScan(Mer).MaxDays;
        const double end = LongInput().EndDate;
        for (int i = 0; i < progress.count(); ++i) {
            const int count = progress.at(i).at(0).toInt();
            const double instant = progress.at(i).at(1).toDouble();
            const int days = progress.at(i).at(2).toInt();
            QVERIFY2(instant >= start && instant <= end + 400, qPrintable(QString::number(instant)));
            QVERIFY(days >= 0 && days <= ContactGaugeMaximum(LongInput()));
            if (i > 0) {
                QVERIFY(count >= progress.at(i - 1).at(0).toInt());
                QVERIFY(days >= progress.at(i - 1).at(2).toInt());
            }
        }
    }

    // A search is stopped (or replaced) either while it computes, or after
    // its last instant while its report to the runner is still queued: its
    // thread then ends with contacts, which must be dropped all the same.
    void stoppedSearchNeverCompletes_data() { EndedSearches(); }

    void stoppedSearchNeverCompletes() {
        QFETCH(bool, isLong);
        QFETCH(bool, afterLastInstant);
        ContactSearchRunner runner;
        QSignalSpy completed(&runner, &ContactSearchRunner::Completed);
        QSignalSpy failed(&runner, &ContactSearchRunner::Failed);
        const ContactSearchInput input = InputOf(isLong);
        runner.Start(input);
        QVERIFY(ReachDay(runner, afterLastInstant ? ContactGaugeMaximum(input) : 1));
        runner.Stop();
        QVERIFY(!runner.IsRunning());
        QTRY_COMPARE_WITH_TIMEOUT(runner.WorkerCount(), 0, LongTimeout);
        QCOMPARE(completed.count(), 0);
        QCOMPARE(failed.count(), 0);
    }

    void supersededSearchNeverCompletes_data() { EndedSearches(); }

    void supersededSearchNeverCompletes() {
        QFETCH(bool, isLong);
        QFETCH(bool, afterLastInstant);
        ContactSearchRunner runner;
        QSignalSpy completed(&runner, &ContactSearchRunner::Completed);
        const ContactSearchInput first = InputOf(isLong);
        runner.Start(first);
        QVERIFY(ReachDay(runner, afterLastInstant ? ContactGaugeMaximum(first) : 1));
        ContactSearchInput second = SunInput();
        second.Angle = 180;  // the equinoxes only
        runner.Start(second);
        QTRY_COMPARE_WITH_TIMEOUT(runner.WorkerCount(), 0, LongTimeout);
        QCOMPARE(completed.count(), 1);
        const ContactSearchResult result = ResultOf(completed, 0);
        QCOMPARE(result.Contacts.size(), std::size_t{2});
        QCOMPARE(result.Contacts[1]->ContactAngle, 180.0);
        QCOMPARE(runner.Input().Angle, 180);
    }

    void destroyingTheRunnerWaitsForItsThreads() {
        auto runner = std::make_unique<ContactSearchRunner>();
        QSignalSpy completed(runner.get(), &ContactSearchRunner::Completed);
        runner->Start(LongInput());
        QVERIFY(ReachDay(*runner, 1));
        runner->Start(LongInput());
        runner.reset();
        QCoreApplication::processEvents();
        QCOMPARE(completed.count(), 0);
    }
};

int RunContactSearchRunnerTests(int argc, char** argv) {
    ContactSearchRunnerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ContactSearchRunnerTest.moc"
