// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisRunner.h"

#include <exception>

namespace kalto {

EphemerisRunner::EphemerisRunner(QObject* parent)
    : QObject(parent), Runs(*this, [this](const Run& run) { emit ProgressChanged(run.Progress.StepsDone.load()); }) {}

EphemerisRunner::~EphemerisRunner() = default;

void EphemerisRunner::Start(const EphemerisRequest& request) {
    Stop();
    auto run = std::make_shared<Run>();
    run->Request = request;
    LastRequest = request;
    LastStepsDone = 0;
    Runs.Start(
        std::move(run),
        [](Run& worker, std::stop_token stop) {
            const std::stop_callback stopRun(stop, [&worker] { worker.Progress.StopRequested = true; });
            try {
                worker.Rows = RunEphemeris(worker.Request, worker.Progress);
            } catch (const std::exception&) {
                // Rows too many to allocate: the run ends without them.
                worker.Rows.reset();
            }
        },
        [this](Run& run) { Complete(run); });
}

void EphemerisRunner::Stop() {
    if (const Run* run = Runs.Current()) LastStepsDone = run->Progress.StepsDone;
    Runs.Stop();
}

std::int64_t EphemerisRunner::StepsDone() const noexcept {
    const Run* run = Runs.Current();
    return run != nullptr ? run->Progress.StepsDone.load() : LastStepsDone;
}

void EphemerisRunner::Complete(Run& run) {
    LastStepsDone = run.Progress.StepsDone;
    if (run.Rows) {
        emit Completed(EphemerisRows(std::move(run.Rows)));
    } else {
        emit Failed();
    }
}

}  // namespace kalto
