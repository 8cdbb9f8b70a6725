// SPDX-License-Identifier: GPL-3.0-or-later
// The job helper's own rules, whatever the work: a superseded job is asked to
// stop and never commits even when its work ignores the request and returns
// after the job that replaced it; a stopped job never commits; progress is
// polled only while a job is current. (The runners' tests drive the same
// rules through real runs and searches.)

#include "BackgroundJob.h"

#include <QObject>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

using namespace kalto;

namespace {

constexpr int Timeout = 10000;

// A job whose work waits until it is released, whatever its stop token says,
// and records whether it saw the stop request.
struct Gate {
    std::atomic<bool> Released{false};
    std::atomic<bool> StopSeen{false};
    std::string Name;
};

void WaitForRelease(Gate& gate, std::stop_token stop) {
    while (!gate.Released) {
        if (stop.stop_requested()) gate.StopSeen = true;
        QThread::msleep(1);
    }
}

}  // namespace

class BackgroundJobTest : public QObject {
    Q_OBJECT

private slots:
    void aSupersededJobNeverCommitsEvenIfItEndsLast() {
        QObject owner;
        BackgroundJob<Gate> jobs(owner);
        std::vector<std::string> committed;
        auto first = std::make_shared<Gate>();
        first->Name = "first";
        auto second = std::make_shared<Gate>();
        second->Name = "second";
        const auto commit = [&committed](Gate& gate) { committed.push_back(gate.Name); };

        jobs.Start(first, WaitForRelease, commit);
        jobs.Start(second, WaitForRelease, commit);
        QCOMPARE(jobs.Current(), second.get());
        QCOMPARE(jobs.WorkerCount(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(first->StopSeen, Timeout);
        QVERIFY(!second->StopSeen);

        second->Released = true;
        QTRY_COMPARE_WITH_TIMEOUT(committed, std::vector<std::string>{"second"}, Timeout);
        QVERIFY(!jobs.IsRunning());
        first->Released = true;
        QTRY_COMPARE_WITH_TIMEOUT(jobs.WorkerCount(), 0, Timeout);
        QCOMPARE(committed, std::vector<std::string>{"second"});
    }

    void aStoppedJobNeverCommitsAndIsNoLongerPolled() {
        QObject owner;
        int polls = 0;
        BackgroundJob<Gate> jobs(owner, [&polls](const Gate&) { ++polls; });
        int commits = 0;
        auto gate = std::make_shared<Gate>();
        jobs.Start(gate, WaitForRelease, [&commits](Gate&) { ++commits; });
        QTRY_VERIFY_WITH_TIMEOUT(polls > 0, Timeout);

        jobs.Stop();
        QVERIFY(!jobs.IsRunning());
        QCOMPARE(jobs.Current(), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(gate->StopSeen, Timeout);
        const int pollsWhenStopped = polls;
        gate->Released = true;
        QTRY_COMPARE_WITH_TIMEOUT(jobs.WorkerCount(), 0, Timeout);
        QTest::qWait(300);  // three poll intervals
        QCOMPARE(polls, pollsWhenStopped);
        QCOMPARE(commits, 0);
    }
};

QTEST_GUILESS_MAIN(BackgroundJobTest)
#include "BackgroundJobTest.moc"
