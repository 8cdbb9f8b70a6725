// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long work on worker threads for an object that lives on a Qt thread (its
// owner, such as a page's runner): each job runs on a thread of its own,
// checks a stop token, may have its progress polled on the owner's thread,
// and commits its results on the owner's thread only if it is still the
// current job when its work returns. Starting a job stops the current one; a
// stopped or superseded job never commits, however late its work ends.

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <vector>

namespace kalto {

// The threads and the current job, whatever a job's state is.
class JobThreads {
public:
    JobThreads(const JobThreads&) = delete;
    JobThreads& operator=(const JobThreads&) = delete;

    // The current job can no longer commit; its thread is asked to stop.
    void Stop();

    [[nodiscard]] bool IsRunning() const noexcept { return Current != nullptr; }
    // Threads started and not yet joined, stopped jobs that are winding down
    // included.
    [[nodiscard]] int WorkerCount() const noexcept { return static_cast<int>(Jobs.size()); }

protected:
    // Reports reach `owner`'s thread. `poll`, when given, runs there several
    // times a second while a job is current.
    JobThreads(QObject& owner, std::function<void()> poll);
    // Asks every job to stop and waits for their threads; none commits.
    ~JobThreads();

    // Stops the current job and starts `work` on a thread of its own; `commit`
    // runs on the owner's thread once `work` has returned, if the job is
    // still current then. `work` must not throw. `state` lives as long as
    // the job.
    void Launch(std::shared_ptr<void> state, std::function<void(std::stop_token)> work, std::function<void()> commit);
    [[nodiscard]] void* CurrentState() const noexcept;

private:
    struct Job;

    void Finished(std::uint64_t generation);

    QObject& Owner;
    std::function<void()> Poll;
    QTimer PollTimer;
    std::vector<std::unique_ptr<Job>> Jobs;  // every job whose thread is not joined yet
    Job* Current = nullptr;                  // the job that may commit, or none
    std::uint64_t LastGeneration = 0;
};

// Jobs over a `State`: the job's input, progress and results, which its work
// fills in on the worker thread and its commit reads on the owner's thread.
template <typename State>
class BackgroundJob : public JobThreads {
public:
    using Work = std::function<void(State& state, std::stop_token stop)>;
    using Commit = std::function<void(State& state)>;
    using Poll = std::function<void(const State& state)>;

    explicit BackgroundJob(QObject& owner, Poll poll = {})
        : JobThreads(owner,
                     poll ? std::function<void()>([this, poll] { poll(*Current()); }) : std::function<void()>()) {}

    void Start(std::shared_ptr<State> state, Work work, Commit commit) {
        State& held = *state;
        Launch(
            std::move(state), [&held, work = std::move(work)](std::stop_token stop) { work(held, stop); },
            [&held, commit = std::move(commit)] { commit(held); });
    }

    // The current job's state, or none.
    [[nodiscard]] const State* Current() const noexcept { return static_cast<const State*>(CurrentState()); }
};

}  // namespace kalto
