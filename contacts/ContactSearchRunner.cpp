// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSearchRunner.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <thread>

namespace kalto {

namespace {
constexpr std::chrono::milliseconds ProgressInterval{100};
}

struct ContactSearchRunner::Search {
    std::uint64_t Generation = 0;
    ContactSearchInput Input;
    ContactSearchProgress Progress;
    ContactSearchResult Result;  // written by the worker before it reports
    std::thread Worker;
};

ContactSearchRunner::ContactSearchRunner(QObject* parent) : QObject(parent) {
    ProgressTimer.setInterval(ProgressInterval);
    connect(&ProgressTimer, &QTimer::timeout, this, &ContactSearchRunner::PollProgress);
}

ContactSearchRunner::~ContactSearchRunner() {
    Stop();
    for (auto& search : Searches) {
        search->Progress.StopRequested = true;
        search->Worker.join();
    }
    // Their reports, still queued, are discarded with this object.
}

void ContactSearchRunner::Start(const ContactSearchInput& input) {
    Stop();
    auto search = std::make_unique<Search>();
    search->Generation = ++LastGeneration;
    search->Input = input;
    // Until its thread examines the first instant, the search reports its start.
    search->Progress.Instant.store(input.StartDate, std::memory_order_relaxed);
    LastInput = input;
    Current = search.get();
    // The worker reports to this object's thread; only a report of the current
    // search, arriving while it is still current, hands contacts over.
    search->Worker = std::thread([this, worker = search.get()] {
        try {
            worker->Result = SearchContacts(worker->Input, worker->Progress);
        } catch (const std::exception&) {
            // Records too many to allocate: the search ends without them.
            worker->Result = {};
        }
        QMetaObject::invokeMethod(
            this, [this, generation = worker->Generation] { SearchFinished(generation); }, Qt::QueuedConnection);
    });
    Searches.push_back(std::move(search));
    ProgressTimer.start();
}

void ContactSearchRunner::Stop() {
    if (Current == nullptr) {
        return;
    }
    Current->Progress.StopRequested = true;
    Current = nullptr;
    ProgressTimer.stop();
}

int ContactSearchRunner::DaysDone() const noexcept {
    return Current != nullptr ? Current->Progress.DaysDone.load() : 0;
}

void ContactSearchRunner::PollProgress() {
    if (Current != nullptr) {
        const auto& progress = Current->Progress;
        emit ProgressChanged(progress.Count.load(), progress.Instant.load(), progress.DaysDone.load());
    }
}

void ContactSearchRunner::SearchFinished(std::uint64_t generation) {
    const auto found = std::find_if(Searches.begin(), Searches.end(),
                                    [generation](const auto& search) { return search->Generation == generation; });
    if (found == Searches.end()) {
        return;
    }
    std::unique_ptr<Search> search = std::move(*found);
    Searches.erase(found);
    search->Worker.join();  // it has just reported, so this returns at once
    if (search.get() != Current) {
        return;
    }
    Current = nullptr;
    ProgressTimer.stop();
    if (search->Result.Completed) {
        emit Completed(std::move(search->Result));
    } else {
        emit Failed();
    }
}

}  // namespace kalto
