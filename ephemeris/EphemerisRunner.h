// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs ephemerides on a worker thread for a window: polls their progress,
// honours a stop between steps and hands over the rows of a completed run on
// the thread that owns the runner. Only the latest run started can complete;
// a stopped or superseded run never delivers rows, however late it ends.

#include "BackgroundJob.h"
#include "EphemerisRun.h"

#include <QObject>

#include <cstdint>

namespace kalto {

class EphemerisRunner : public QObject {
    Q_OBJECT

public:
    explicit EphemerisRunner(QObject* parent = nullptr);
    // Stops every run and waits for their threads.
    ~EphemerisRunner() override;

    EphemerisRunner(const EphemerisRunner&) = delete;
    EphemerisRunner& operator=(const EphemerisRunner&) = delete;

    // Starts a run; a run still going is stopped first and will not complete.
    void Start(const EphemerisRequest& request);
    // Stops the current run, which then ends without rows.
    void Stop();

    [[nodiscard]] bool IsRunning() const noexcept { return Runs.IsRunning(); }
    // The request and steps done of the current run (of the last one once idle).
    [[nodiscard]] const EphemerisRequest& Request() const noexcept { return LastRequest; }
    [[nodiscard]] std::int64_t StepsDone() const noexcept;
    // Threads started and not yet joined, stopped runs that are winding down
    // included.
    [[nodiscard]] int WorkerCount() const noexcept { return Runs.WorkerCount(); }

signals:
    // Several times a second while a run goes on.
    void ProgressChanged(qint64 stepsDone);
    // The current run finished every step; the rows are handed over.
    void Completed(kalto::EphemerisRows rows);
    // The current run ended without rows although nobody stopped it (its rows
    // could not be allocated).
    void Failed();

private:
    struct Run {
        EphemerisRequest Request;
        EphemerisProgress Progress;
        std::unique_ptr<EphemerisRowSet> Rows;  // written by the worker before it reports
    };

    void Complete(Run& run);

    EphemerisRequest LastRequest;
    std::int64_t LastStepsDone = 0;
    BackgroundJob<Run> Runs;  // last, so that its threads end before the rest goes
};

}  // namespace kalto
