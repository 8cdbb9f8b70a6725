// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris runner: a completed run hands its rows over once, a stopped
// or superseded run never does, even when its thread ends later, and the
// runner's end waits for its threads.

#include "EphemerisRunner.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <thread>

using namespace kalto;

namespace {

constexpr int LongTimeout = 120000;

EphemerisRequest Request(int spanDays, int stepsPerDay) {
    return {.StartDate = EncodeDate(2024, 1, 1),
            .EndDate = EncodeDate(2024, 1, 1) + spanDays - 1,
            .SpanDays = spanDays,
            .StepsPerDay = stepsPerDay,
            .Clock = WallClock()};
}

// 24 months at 5 minutes: long enough to be caught running.
// Two years at five minutes with the series summed in full: seconds of work
// even on a fast machine, where the fitted series finish it between two
// progress reports.
EphemerisRequest LongRequest() {
    EphemerisRequest request = Request(731, 288);
    request.Evaluation = SeriesEvaluation::Direct;
    return request;
}

EphemerisRows RowsOf(const QSignalSpy& completed, int index) {
    return completed.at(index).at(0).value<EphemerisRows>();
}

// Waits, without handling any event, until the current run has done `steps`
// steps; whether it got there.
bool ReachStep(const EphemerisRunner& runner, std::int64_t steps) {
    const QDeadlineTimer deadline(LongTimeout);
    while (runner.StepsDone() < steps) {
        if (deadline.hasExpired()) {
            return false;
        }
        std::this_thread::yield();
    }
    return true;
}

void EndedRuns() {
    QTest::addColumn<int>("spanDays");
    QTest::addColumn<int>("stepsPerDay");
    QTest::addColumn<bool>("afterLastStep");
    QTest::newRow("while it computes") << 731 << 288 << false;
    QTest::newRow("after its last step") << 2 << 4 << true;
}

}  // namespace

class EphemerisRunnerTest : public QObject {
    Q_OBJECT

private slots:
    void completedRunHandsItsRowsOver() {
        EphemerisRunner runner;
        QSignalSpy completed(&runner, &EphemerisRunner::Completed);
        const auto request = Request(2, 24);
        runner.Start(request);
        QVERIFY(runner.IsRunning());
        QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 1, LongTimeout);
        QVERIFY(!runner.IsRunning());
        const auto rows = RowsOf(completed, 0);
        QVERIFY(rows != nullptr);
        QCOMPARE(rows->RowCount(), std::size_t{48});
        QCOMPARE(rows.use_count(), 2L);  // the spy's copy and this one: nothing else keeps them
        QCOMPARE(runner.StepsDone(), TotalSteps(request));
        QTRY_COMPARE(runner.WorkerCount(), 0);
    }

    void progressIsReportedWhileRunning() {
        EphemerisRunner runner;
        QSignalSpy progress(&runner, &EphemerisRunner::ProgressChanged);
        QSignalSpy completed(&runner, &EphemerisRunner::Completed);
        QSignalSpy failed(&runner, &EphemerisRunner::Failed);
        runner.Start(LongRequest());
        // A run that ends before two reports fails here at once, saying how.
        QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 2 || !runner.IsRunning(), LongTimeout);
        QVERIFY2(progress.count() >= 2, qPrintable(QStringLiteral("the run ended after %1 reports, %2 of %3 steps, %4")
                                                       .arg(progress.count())
                                                       .arg(runner.StepsDone())
                                                       .arg(TotalSteps(LongRequest()))
                                                       .arg(failed.isEmpty() ? "completed" : "failed")));
        QCOMPARE(completed.count(), 0);
        runner.Stop();
        for (int i = 1; i < progress.count(); ++i) {
            QVERIFY(progress.at(i).at(0).toLongLong() >= progress.at(i - 1).at(0).toLongLong());
        }
        QVERIFY(progress.last().at(0).toLongLong() <= TotalSteps(LongRequest()));
    }

    // A run is stopped (or replaced) either while it computes, or after its
    // last step while its report to the runner is still queued: its thread
    // then ends with rows, which must be dropped all the same.
    void stoppedRunNeverCompletes_data() { EndedRuns(); }

    void stoppedRunNeverCompletes() {
        QFETCH(int, spanDays);
        QFETCH(int, stepsPerDay);
        QFETCH(bool, afterLastStep);
        EphemerisRunner runner;
        QSignalSpy completed(&runner, &EphemerisRunner::Completed);
        QSignalSpy failed(&runner, &EphemerisRunner::Failed);
        const auto request = Request(spanDays, stepsPerDay);
        runner.Start(request);
        QVERIFY(ReachStep(runner, afterLastStep ? TotalSteps(request) : 1));
        runner.Stop();
        QVERIFY(!runner.IsRunning());
        QTRY_COMPARE_WITH_TIMEOUT(runner.WorkerCount(), 0, LongTimeout);
        QCOMPARE(completed.count(), 0);
        QCOMPARE(failed.count(), 0);
    }

    void supersededRunNeverCompletes_data() { EndedRuns(); }

    void supersededRunNeverCompletes() {
        QFETCH(int, spanDays);
        QFETCH(int, stepsPerDay);
        QFETCH(bool, afterLastStep);
        EphemerisRunner runner;
        QSignalSpy completed(&runner, &EphemerisRunner::Completed);
        const auto first = Request(spanDays, stepsPerDay);
        runner.Start(first);
        QVERIFY(ReachStep(runner, afterLastStep ? TotalSteps(first) : 1));
        const auto second = Request(3, 12);
        runner.Start(second);
        QTRY_COMPARE_WITH_TIMEOUT(runner.WorkerCount(), 0, LongTimeout);
        QCOMPARE(completed.count(), 1);
        QCOMPARE(RowsOf(completed, 0)->RowCount(), std::size_t{36});
        QCOMPARE(runner.Request().SpanDays, second.SpanDays);
    }

    void destroyingTheRunnerWaitsForItsThreads() {
        auto runner = std::make_unique<EphemerisRunner>();
        QSignalSpy completed(runner.get(), &EphemerisRunner::Completed);
        runner->Start(LongRequest());
        QTRY_VERIFY_WITH_TIMEOUT(runner->StepsDone() > 0, LongTimeout);
        runner->Start(LongRequest());
        runner.reset();
        QCoreApplication::processEvents();
        QCOMPARE(completed.count(), 0);
    }
};

int RunEphemerisRunnerTests(int argc, char** argv) {
    EphemerisRunnerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EphemerisRunnerTest.moc"
