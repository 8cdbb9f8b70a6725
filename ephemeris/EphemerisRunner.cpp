// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisRunner.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <thread>

namespace kalto {

namespace {
constexpr std::chrono::milliseconds ProgressInterval{100};
}

struct EphemerisRunner::Run {
    std::uint64_t Generation = 0;
    EphemerisRequest Request;
    EphemerisProgress Progress;
    std::unique_ptr<EphemerisRowSet> WorkingRows;  // written by the worker before it reports
    std::thread Worker;
};

EphemerisRunner::EphemerisRunner(QObject* parent) : QObject(parent) {
    ProgressTimer.setInterval(ProgressInterval);
    connect(&ProgressTimer, &QTimer::timeout, this, &EphemerisRunner::PollProgress);
}

EphemerisRunner::~EphemerisRunner() {
    Stop();
    for (auto& run : Runs) {
        run->Progress.StopRequested = true;
        run->Worker.join();
    }
    // Their reports, still queued, are discarded with this object.
}

void EphemerisRunner::Start(const EphemerisRequest& request) {
    Stop();
    auto run = std::make_unique<Run>();
    run->Generation = ++LastGeneration;
    run->Request = request;
    LastRequest = request;
    LastStepsDone = 0;
    Current = run.get();
    // The worker reports to this object's thread; only a report of the current
    // run, arriving while it is still current, hands rows over.
    run->Worker = std::thread([this, worker = run.get()] {
        try {
            worker->WorkingRows = RunEphemeris(worker->Request, worker->Progress);
        } catch (const std::exception&) {
            // Rows too many to allocate: the run ends without them.
            worker->WorkingRows.reset();
        }
        QMetaObject::invokeMethod(
            this, [this, generation = worker->Generation] { RunFinished(generation); }, Qt::QueuedConnection);
    });
    Runs.push_back(std::move(run));
    ProgressTimer.start();
}

void EphemerisRunner::Stop() {
    if (Current == nullptr) {
        return;
    }
    LastStepsDone = Current->Progress.StepsDone;
    Current->Progress.StopRequested = true;
    Current = nullptr;
    ProgressTimer.stop();
}

std::int64_t EphemerisRunner::StepsDone() const noexcept {
    return Current != nullptr ? Current->Progress.StepsDone.load() : LastStepsDone;
}

void EphemerisRunner::PollProgress() {
    if (Current != nullptr) {
        emit ProgressChanged(Current->Progress.StepsDone.load());
    }
}

void EphemerisRunner::RunFinished(std::uint64_t generation) {
    const auto found =
        std::find_if(Runs.begin(), Runs.end(), [generation](const auto& run) { return run->Generation == generation; });
    if (found == Runs.end()) {
        return;
    }
    std::unique_ptr<Run> run = std::move(*found);
    Runs.erase(found);
    run->Worker.join();  // it has just reported, so this returns at once
    if (run.get() != Current) {
        return;
    }
    LastStepsDone = run->Progress.StepsDone;
    Current = nullptr;
    ProgressTimer.stop();
    if (run->WorkingRows) {
        emit Completed(EphemerisRows(std::move(run->WorkingRows)));
    } else {
        emit Failed();
    }
}

}  // namespace kalto
