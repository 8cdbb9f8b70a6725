// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundJob.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace kalto {

namespace {
constexpr std::chrono::milliseconds PollInterval{100};
}

struct JobThreads::Job {
    std::uint64_t Generation = 0;
    std::shared_ptr<void> State;
    std::function<void()> Commit;
    std::jthread Worker;
};

JobThreads::JobThreads(QObject& owner, std::function<void()> poll) : Owner(owner), Poll(std::move(poll)) {
    PollTimer.setInterval(PollInterval);
    QObject::connect(&PollTimer, &QTimer::timeout, &Owner, [this] {
        if (Current != nullptr) Poll();
    });
}

JobThreads::~JobThreads() {
    Stop();
    for (auto& job : Jobs) job->Worker.request_stop();
    // Each thread is joined with its job; their reports, still queued, are
    // discarded with the owner.
    Jobs.clear();
}

void JobThreads::Launch(std::shared_ptr<void> state, std::function<void(std::stop_token)> work,
                        std::function<void()> commit) {
    Stop();
    auto job = std::make_unique<Job>();
    job->Generation = ++LastGeneration;
    job->State = std::move(state);
    job->Commit = std::move(commit);
    Current = job.get();
    // The worker reports to the owner's thread; only a report of the current
    // job, arriving while it is still current, commits.
    job->Worker = std::jthread([this, work = std::move(work), generation = job->Generation](std::stop_token stop) {
        work(stop);
        QMetaObject::invokeMethod(
            &Owner, [this, generation] { Finished(generation); }, Qt::QueuedConnection);
    });
    Jobs.push_back(std::move(job));
    if (Poll) PollTimer.start();
}

void JobThreads::Stop() {
    if (Current == nullptr) return;
    Current->Worker.request_stop();
    Current = nullptr;
    PollTimer.stop();
}

void* JobThreads::CurrentState() const noexcept {
    return Current != nullptr ? Current->State.get() : nullptr;
}

void JobThreads::Finished(std::uint64_t generation) {
    const auto found =
        std::find_if(Jobs.begin(), Jobs.end(), [generation](const auto& job) { return job->Generation == generation; });
    if (found == Jobs.end()) return;
    std::unique_ptr<Job> job = std::move(*found);
    Jobs.erase(found);
    job->Worker.join();  // it has just reported, so this returns at once
    if (job.get() != Current) return;
    Current = nullptr;
    PollTimer.stop();
    job->Commit();
}

}  // namespace kalto
